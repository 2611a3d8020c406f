// The QF8200 editor against the simulated sensor through the real serial
// code: a record the sensor answers with a status byte is no value; a write
// the sensor took is judged by its re-read, however late its answer came.
#include "e2e/EditorE2E.h"
#include "editors/qf8200/QF8200Table.h"
#include "editors/qf8200/RegisterQF8200.h"
#include "editors/qf8200/frmQF8200.h"

#include <QLineEdit>

namespace {

using QF8200EditorE2E = EditorE2E;

// A sensor that answers every CCT request with 84h: the record is not read,
// an edit of it is told as refused, and a full write leaves it out.
TEST_F(QF8200EditorE2E, AStatusAnswerIsNoValue) {
    frmQF8200* editor = Detect<frmQF8200>(RegisterQF8200Editor, {"--line", "qf8200", "--status", "CCT=84"});
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->Model().IsValid(QF8200::CCT));
    EXPECT_EQ(editor->txtCycle->text(), "");

    TypeAndEnter(editor->txtCycle, "7");
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages.shown()[0].text.contains("<CCT> abgelehnt"));
    EXPECT_EQ(editor->txtCycle->text(), "");

    editor->WriteData();
    const QStringList written = LastRequests(21);
    EXPECT_EQ(written.front(), "VS0,33130");
    for (const QString& request : written) EXPECT_FALSE(request.startsWith("CCT")) << request.toStdString();
    EXPECT_EQ(messages.count(), 1);
}

// The answer to an edit's write comes 1.2 s late, after the program gave the
// write up: the re-read, once the line is back in step, shows that the sensor
// took it, and nothing is reported.
TEST_F(QF8200EditorE2E, AWriteAnsweredPastTheBoundIsJudgedByItsReRead) {
    // The read asks CCT once; the write's first try is the second request of CCT.
    frmQF8200* editor = Detect<frmQF8200>(
        RegisterQF8200Editor, {"--line", "qf8200", "--baud", "9600", "--late", "CCT:2", "--late-ms", "1200"});
    ASSERT_NE(editor, nullptr);
    TypeAndEnter(editor->txtCycle, "7");
    EXPECT_EQ(messages.count(), 0) << qPrintable(messages.count() ? messages.shown()[0].text : QString());
    EXPECT_EQ(editor->txtCycle->text(), "7");
    EXPECT_EQ(editor->Model()[QF8200::CCT].Value, "7");
}

}  // namespace
