#include "ModalDriver.h"
#include "mainwin/frmPrintComment.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>

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

}  // namespace
