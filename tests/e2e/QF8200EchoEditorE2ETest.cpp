// The QF8200Echo editor against the simulated sensor through the real serial
// code in echo mode: detection reads every memory cell into the window, and
// an edit goes to its cell and is read back.
#include "e2e/EditorE2E.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/TempProgramFolder.h"
#include "link/Ports.h"
#include "link/SensorState.h"
#include "platform/ProfileString.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>
#include <QTabWidget>

namespace {

using namespace QF8200Echo;

class QF8200EchoEditorE2E : public EditorE2E {
protected:
    void SetUp() override {
        EditorE2E::SetUp();
        if (IsSkipped()) return;
        program.write("VALIDATE.CFG", "[frmQF8200Echo]\r\nSD1=DEFAULT=100..6000\r\n");
        ProfileString::ForgetCachedFiles();
        Sensor::ResetValidateNoticeForTests();
    }

    TempProgramFolder program;
};

TEST_F(QF8200EchoEditorE2E, ReadsEveryCellAndWritesAnEdit) {
    auto* editor = Detect<frmQF8200Echo>(RegisterQF8200EchoEditor, {"--line", "qf8200echo"});
    ASSERT_NE(editor, nullptr);
    EXPECT_TRUE(Ports::EchoMode());

    // A switch-output sensor with software 2: 33 cells, each read once
    // through the echoes (the unit tests hold their order).
    const QStringList reads = sim->requests().filter(QRegularExpression("^RM,"));
    EXPECT_EQ(reads.size(), 33);
    EXPECT_EQ(QSet<QString>(reads.begin(), reads.end()).size(), 33);
    EXPECT_FALSE(editor->AnalogVariant());
    EXPECT_EQ(editor->Echo().Count(), CountWithFirmwareV2);
    EXPECT_EQ(editor->txtSwitchDis11->text(), "500");
    EXPECT_EQ(editor->Echo()[TO].Value, "-50");
    EXPECT_EQ(editor->Echo()[OPM1].Value, "W");

    editor->tabData->setCurrentIndex(2);
    TypeAndEnter(editor->txtSwitchDis11, "777");
    EXPECT_EQ(LastRequests(2), QStringList({"WM,WXE7,0309", "RM,WXE7"}));
    EXPECT_EQ(editor->Echo()[SD1].Value, "777");
    EXPECT_TRUE(Sensor::State().DataChanged);

    EXPECT_EQ(messages.count(), 0);
}

}  // namespace
