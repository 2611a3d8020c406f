// Enter in the box with the caret as an editor opens, on every line, the
// whole program against the simulated sensor: after detection and after
// "Fenster > Parameter" opened the editor again.
#include "e2e/MainWindowE2E.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "editors/qf8200rdx/RegisterQF8200RDX.h"
#include "editors/qt8200/RegisterQT8200.h"
#include "mainwin/frmMainWiring.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>

namespace {

struct Line {
    const char* name;
    const char* first;   // the request typing 340 m/s into txtSound makes
    const char* again;   // ... and 345 m/s
};
void PrintTo(const Line& line, std::ostream* os) { *os << line.name; }

class EnterAfterLoadE2E : public MainWindowE2E, public ::testing::WithParamInterface<Line> {
protected:
    void SetUp() override {
        MainWindowE2E::SetUp();
        if (IsSkipped()) return;
        RegisterQF8200EchoEditor();
        RegisterQF8200RDXEditor();
        RegisterQT8200Editor();
    }
};

// The caret stands in the first text box as the editor opens; typing there
// and Enter sends the value at once.
TEST_P(EnterAfterLoadE2E, EnterInTheFirstBoxSendsTheValue) {
    const Line& line = GetParam();
    sim = std::make_unique<SimulatedSensor>(QStringList{"--line", line.name});
    ASSERT_TRUE(sim->started()) << qPrintable(sim->error());
    windows.write(Options::SettingsFile, "[Settings]\r\nPort=" + sim->devicePath().toLatin1() + "\r\nSendRST=0\r\n");
    window = new frmMain;
    ConnectProgramParts(*window);
    window->show();
    // The window system activates the window, as on a desktop; that opens the editor.
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->isActiveWindow(); }));
    auto* editor = dynamic_cast<QWidget*>(Sensor::State().SensorForm);
    ASSERT_TRUE(editor && editor->isVisibleTo(window));
    auto* sound = editor->findChild<QLineEdit*>("txtSound");
    ASSERT_NE(sound, nullptr);
    // The first request that typing into the box with the caret and Enter make.
    const auto enter = [&](const QString& text) {
        EXPECT_TRUE(QTest::qWaitFor([sound] { return QApplication::focusWidget() == sound; }));
        const qsizetype before = sim->requests().size();
        sound->selectAll();
        QTest::keyClicks(sound, text);
        QTest::keyClick(sound, Qt::Key_Return);
        return sim->requests().mid(before).value(0);
    };

    EXPECT_EQ(enter("340"), line.first);
    // Closed by the user and opened again from the window menu.
    auto* frame = qobject_cast<QMdiSubWindow*>(editor->parentWidget());
    ASSERT_NE(frame, nullptr);
    frame->close();
    ASSERT_FALSE(editor->isVisibleTo(window));
    window->MenuItem("mnParameter")->trigger();
    EXPECT_EQ(enter("345"), line.again);
}

INSTANTIATE_TEST_SUITE_P(EveryLine, EnterAfterLoadE2E,
                         ::testing::Values(Line{"qf8200", "VS0,34000", "VS0,34500"},
                                           Line{"qf8200echo", "WM,WXEF,84D0", "WM,WXEF,86C4"},
                                           Line{"qf8200rdx", "VS0,34000", "VS0,34500"},
                                           Line{"qt8200", "VS,34000", "VS,34500"}),
                         [](const ::testing::TestParamInfo<Line>& info) { return std::string(info.param.name); });

}  // namespace
