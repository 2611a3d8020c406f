// The command window on the QF8200Echo line: typed names become cell
// requests, cell answers become values, and a sent command names the record
// to read again.
#include "editors/qf8200echo/EchoCommands.h"
#include "editors/qf8200echo/EchoModel.h"
#include "editors/qf8200echo/QF8200EchoFixture.h"
#include "editors/qf8200echo/QF8200EchoTable.h"

namespace {

using namespace QF8200Echo;
using Writes = std::vector<std::pair<QString, QString>>;

class EchoCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        program.write("VALIDATE.CFG", EchoTestRules);
        ProfileString::ForgetCachedFiles();
        Sensor::ResetValidateNoticeForTests();
        Sensor::State().SensorRange = 3000;
    }
    void TearDown() override { Sensor::ResetStateForTests(); }

    void build(bool analog) {
        echo.SetSensorType(analog ? "QE2000-62HN-IU" : "QE3000-62HN");
        echo.Build("2.1");
        echo[SD1].Value = "500";
        echo[BITS].Value = "8";
        echo[MXN_N].Value = "2";
        echo[MXN_M].Value = "5";
    }

    TempProgramFolder program;
    ParamEditorModel records{TableUpperBound};
    EchoModel echo{records};
};

TEST_F(EchoCommandsTest, TypedLinesBecomeCellRequests) {
    struct Case {
        bool analog;
        const char* typed;
        const char* request;
        bool flag;            // True: sent as typed, logged by the command layer
        Writes writesFirst;
    } const cases[] = {
        {false, "sd1", "RM,WXE7", false, {}},
        {false, "SD11,500", "WM,WXE7,01F4", false, {}},       // by the alternative name
        {false, "SD1,600", "WM,WXE7,0258", false, {}},
        {false, "SD11", "RM,WXE7", false, {}},                 // a read by the alternative name too
        {false, "SD12", "RM,WXEB", false, {}},                 // not taken for SD1
        {false, "SD1X,5", "SD1X,5", true, {}},
        {false, "SD1,50", "WM,WXE7,01F4", false, {}},          // outside the rule: SD1's own value
        {false, "SD2,70000", "SD2,70000", true, {}},           // no cell holds it: the sensor refuses
        {false, "TO,-50", "WM,WXE11,FFCE", false, {}},
        {true, "SD1", "SD1", true, {}},                        // switch points of a switch sensor only
        {true, "OM", "RM,XE29", false, {}},
        {true, "OM1,2", "WM,XE29,02", false, {}},              // by name although "OM" starts it
        {true, "OPM1", "RM,XE2B", false, {}},
        {false, "OM", "OM", true, {}},
        {true, "IEND", "RM,WXE72", false, {}},
        {true, "IEND,5", "IEND,5", true, {}},                  // read only: no write request
        {false, "NEF", "RM,XE22", false, {}},
        {false, "NEF,1", "WM,XE22,0C", false, {}},             // bit 2 into BITS 8
        {false, "UTP,0", "WM,XE22,00", false, {}},
        {false, "SSY,1", "WM,XE22,18", false, {}},
        {false, "NEFX", "NEFX", true, {}},
        {false, "EM", "RM,XE1E", false, {}},
        {false, "EM,MXN;3;5", "WM,XE1E,02", false, {{"WM,XE1F", "03"}, {"WM,WXE20", "0005"}}},
        {false, "EM,MXN;;6", "WM,XE1E,02", false, {{"WM,WXE20", "0006"}}},
        {false, "EM,0", "WM,XE1E,00", false, {}},
        {false, "EM,PT1", "WM,XE1E,03", false, {}},
        {false, "EM,XYZ", "EM,XYZ", true, {}},                 // no method: not switched off
        {false, "RM,XE1D", "RM,XE1D", true, {}},
        {false, "xyz", "XYZ", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        build(c.analog);
        const EchoCommands::Translation t = EchoCommands::Translate(echo, c.typed);
        EXPECT_EQ(t.request, c.request);
        EXPECT_EQ(t.flag, c.flag);
        EXPECT_EQ(t.writesFirst, c.writesFirst);
        EXPECT_EQ(t.logged, c.flag ? QString() : QString(c.typed).toUpper());
    }
}

TEST_F(EchoCommandsTest, AnswersShownForTypedLines) {
    const QString invalid(QChar(0x82));
    struct Case {
        bool analog;
        const char* typed;
        QString answer;
        QString shown;
        bool logged;
    } const cases[] = {
        {false, "sd1", "01F4", "500", true},
        {false, "SD11", "01F4", "500", true},
        {false, "SD1", "", "", true},                 // a timeout is no value
        {false, "SD1", invalid, invalid, true},
        {true, "OPM1", "02", "2", true},              // the analogue record's number, not a letter
        {false, "OPM1", "02", "H", true},
        {true, "OM", "01", "1", true},
        {false, "UTP", "0C", "1", true},
        {false, "NEF", "0C", "1", true},
        {false, "SSY", "0C", "0", true},
        {false, "NEF", invalid, invalid, true},
        {false, "EM", "02", "MXN;2;5", true},         // with the counts the records hold
        {false, "EM", "03", "PT1", true},
        {false, "EM,MXN;3;5", QString(QChar(0x80)), QString(QChar(0x80)), true},
        {false, "SD1,500", QString(QChar(0x80)), QString(QChar(0x80)), false},
        {false, "XYZ", "abc", "abc", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        build(c.analog);
        const EchoCommands::Result result = EchoCommands::ConvertResult(echo, c.typed, c.answer);
        EXPECT_EQ(result.shown, c.shown);
        EXPECT_EQ(result.logged, c.logged);
    }
}

TEST_F(EchoCommandsTest, SentCommandsNameTheRecordToReadAgain) {
    struct Case {
        bool analog;
        const char* word;
        int record;
    } const cases[] = {
        {false, "SD1", SD1},  {false, "SD11", SD1},      {false, "WM,WXE7", SD1}, {true, "WM,WXE7", A1},
        {false, "RM,XE1E", EVM}, {false, "EM", EVM},     {false, "UTP", BITS},    {true, "OM", AnalogOM},
        {false, "OM", 0},     {false, "sd1", 0},          {false, "XYZ", 0},
    };
    for (const Case& c : cases) {
        build(c.analog);
        EXPECT_EQ(EchoCommands::RecordNamedBy(echo, c.word), c.record) << c.word;
    }
}

}  // namespace
