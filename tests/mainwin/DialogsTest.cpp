#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "editors/common/RWState.h"
#include "editors/common/frmRWState.h"
#include "mainwin/frmPrintComment.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

struct CommentStep {
    const char* typed;
    bool ok;
    bool result;
    const char* comment;   // the argument after the call
};

TEST(PrintComment, RemembersWhatWasTypedWhicheverWayTheDialogCloses) {
    frmPrintComment::ResetForTests();
    const CommentStep steps[] = {
        {"A", true, true, "A"},
        {"B", false, false, "A"},     // cancelled: the text remembered before opening
        {"", false, false, "B"},      // ... which the last cancel updated
        {"x\ny", true, true, "x\r\ny"},
    };
    for (const CommentStep& step : steps) {
        WhenShown<frmPrintComment>([&step](frmPrintComment* dialog) {
            EXPECT_TRUE(dialog->txtComment->toPlainText().isEmpty());   // always starts empty
            dialog->txtComment->setPlainText(step.typed);
            (step.ok ? dialog->btOk : dialog->btCancel)->click();
        });
        QString comment = "caller's";
        EXPECT_EQ(frmPrintComment::GetComment(comment), step.result) << step.typed;
        EXPECT_EQ(comment, step.comment) << step.typed;
    }
    frmPrintComment::ResetForTests();
}

using DialogPlaces = MainWindowFixture;

// Each dialog opens with its middle on the main window's middle, at the size
// it shows with (the division by two may leave a pixel).
TEST_F(DialogPlaces, DialogsOpenCentredOnTheMainWindow) {
    start();
    window->setGeometry(40, 30, 700, 500);
    // Compared as twice the middle's coordinates: left + right, top + bottom.
    const auto expectCentred = [this](const QRect& dialog, const char* name) {
        const QRect main = window->frameGeometry();
        EXPECT_NEAR(2 * dialog.x() + dialog.width(), 2 * main.x() + main.width(), 1) << name;
        EXPECT_NEAR(2 * dialog.y() + dialog.height(), 2 * main.y() + main.height(), 1) << name;
    };
    for (const char* item : {"mnOptions", "mnInfo", "mnAbout"}) {
        QRect shown;
        WhenShown<QDialog>([&](QDialog* dialog) {
            shown = dialog->frameGeometry();
            dialog->reject();
        });
        window->MenuItem(item)->trigger();
        expectCentred(shown, item);
    }

    RWState::ShowForm(1, 10);   // as an editor reads the sensor
    ASSERT_NE(RWState::Form(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(RWState::Form()));
    expectCentred(RWState::Form()->frameGeometry(), "frmRWState");
    RWState::Unload();
}

}  // namespace
