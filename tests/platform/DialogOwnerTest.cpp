// Whose a message box is and where it shows: the window it was asked for
// from, the main window, or none before the main window shows.
#include "mainwin/ModalDriver.h"
#include "platform/DialogOwner.h"
#include "platform/MsgBox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <gtest/gtest.h>

namespace {

// Twice the middle's coordinates: left + right, top + bottom.
QPoint doubledMiddle(const QRect& r) { return {2 * r.x() + r.width(), 2 * r.y() + r.height()}; }

struct Asked {
    QWidget* owner = nullptr;
    QRect frame;
};

// Asks a box and answers it, noting whose it was and where it stood.
Asked askBox() {
    Asked asked;
    WhenShown<QMessageBox>([&asked](QMessageBox* box) {
        asked = {box->parentWidget(), box->frameGeometry()};
        box->button(QMessageBox::Ok)->click();
    });
    MsgBox::Request request;
    request.text = QStringLiteral("Text");
    MsgBox::Show(request);
    return asked;
}

void expectCentredOn(const Asked& asked, const QRect& on, const char* name) {
    const QPoint offset = doubledMiddle(asked.frame) - doubledMiddle(on);
    EXPECT_LE(offset.manhattanLength(), 2) << name << ": off by " << offset.x() << "," << offset.y() << " (doubled)";
}

class DialogOwnerTest : public ::testing::Test {
protected:
    void SetUp() override {
        main.setGeometry(20, 30, 600, 450);   // away from the screen's middle
        DialogOwner::SetMainWindow(&main);
    }
    void TearDown() override { DialogOwner::SetMainWindow(nullptr); }

    QWidget main;
};

TEST_F(DialogOwnerTest, BoxBelongsToTheWindowItWasAskedFrom) {
    // Before the main window shows (start-up): nobody's, in the screen's middle.
    Asked asked = askBox();
    EXPECT_EQ(asked.owner, nullptr);
    expectCentredOn(asked, QGuiApplication::primaryScreen()->geometry(), "start-up");

    main.show();
    asked = askBox();
    EXPECT_EQ(asked.owner, &main);
    expectCentredOn(asked, main.frameGeometry(), "main window");

    // Asked from a dialog that is open over the main window elsewhere.
    QDialog dialog(&main);
    dialog.setGeometry(300, 250, 400, 300);
    WhenShown<QDialog>([&asked](QDialog* open) {
        asked = askBox();
        open->accept();
    });
    dialog.exec();
    EXPECT_EQ(asked.owner, &dialog);
    expectCentredOn(asked, dialog.frameGeometry(), "open dialog");

    // Asked from a window that is not modal (the progress window's question).
    QWidget progress(&main, Qt::Window);
    progress.setGeometry(350, 300, 300, 120);
    progress.show();
    {
        const DialogOwner::AskedFrom from(&progress);
        asked = askBox();
    }
    EXPECT_EQ(asked.owner, &progress);
    expectCentredOn(asked, progress.frameGeometry(), "window not modal");
    EXPECT_EQ(askBox().owner, &main);
}

}  // namespace
