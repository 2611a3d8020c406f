// The start procedure and the main loop.
#include "frame/MainModule.h"
#include "platform/ProgramEnd.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

// The start window closed in the last moment of the start, with the main
// window already up and the start window about to go, ends the program as
// well: the main loop never runs.
TEST(MainModuleStart, StartWindowClosedAsTheMainWindowAppearsEndsTheProgram) {
    MainModule::ResetForTests();
    QPointer<QWidget> window;
    bool polled = false;
    MainModule::State().PollSensor = [&] {
        polled = true;
        window->close();
    };
    QTimer pollTimer;
    QObject::connect(&pollTimer, &QTimer::timeout, [] { MainModule::State().PollRequest = true; });
    pollTimer.start(1);

    const int code = MainModule::Main([&] {
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->objectName() == "frmStart") QTimer::singleShot(0, top, &QWidget::close);
        window = new QWidget;
        return window.data();
    });

    EXPECT_EQ(code, 0);
    EXPECT_TRUE(ProgramEnd::Ending());
    EXPECT_FALSE(polled) << "the main loop ran";
    EXPECT_TRUE(window.isNull());
    MainModule::ResetForTests();
}

}  // namespace
