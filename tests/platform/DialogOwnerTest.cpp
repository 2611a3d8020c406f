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

// Compared as twice the middles (left + right, top + bottom): the division
// by two may leave a pixel.
void expectCentredOn(const Asked& asked, const QRect& on, const char* name) {
    const auto doubledMiddle = [](const QRect& r) { return QPoint(2 * r.x() + r.width(), 2 * r.y() + r.height()); };
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

    // Asked from a dialog that is open over the main window elsewhere.
    main.show();
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
    EXPECT_EQ(askBox().owner, &main) << "once it has asked";
}

}  // namespace
