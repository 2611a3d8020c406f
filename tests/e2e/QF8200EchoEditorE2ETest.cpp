// The QF8200Echo editor against the simulated sensor through the real serial
// code in echo mode: detection reads every memory cell into the window, an
// edit goes to its cell and is read back, and a typed parameter name becomes
// a cell request.
#include "e2e/EditorE2E.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/TempProgramFolder.h"
#include "link/Ports.h"
#include "link/Sensor.h"
#include "link/SensorInfo.h"
#include "link/SensorState.h"
#include "platform/ProfileString.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

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

    // A switch-output sensor with software 2: 33 cells, each read once.
    const QStringList cells = {"WXE2", "WXE4", "WXEF", "WXE11", "XE1D", "WXE7", "WXEB", "WXE9", "WXED", "WXE13",
                               "WXE15", "XE27", "XE28", "XE29", "XE2A", "XE2B", "XE2C", "XE2D", "XE23", "XE24",
                               "XE1B", "WXE19", "XE6E", "XE1E", "XE1F", "WXE20", "XE22", "XE6", "XE25", "XE26",
                               "XE1C", "XE2E", "XE2F"};
    QStringList reads;
    for (const QString& cell : cells) reads.append("RM," + cell);
    EXPECT_EQ(LastRequests(reads.size()), reads);
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

    // The command window's road: a parameter name asks its cell, the hex
    // answer shows as the value.
    bool flag = true;
    const QString request = Sensor::SensorGetSendCommand("sd1", flag);
    EXPECT_EQ(request, "RM,WXE7");
    EXPECT_FALSE(flag);
    QString answer;
    Ports::AnswerBytes bytes{};
    Sensor::SendCommand(request, answer, bytes);
    EXPECT_EQ(answer, "0309");
    EXPECT_EQ(Sensor::SensorConvertResult("sd1", answer), "777");
    EXPECT_EQ(messages.count(), 0);
}

}  // namespace
