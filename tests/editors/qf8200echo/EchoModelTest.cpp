// The QF8200Echo table by software version, what the display window learns
// from the editor (switch points, modes, limits, analogue output), and the
// command window on the QF8200Echo line: typed names become cell requests,
// cell answers become values, and a sent command names the record to read again.
#include "editors/qf8200echo/EchoCommands.h"
#include "editors/qf8200echo/EchoModel.h"
#include "editors/qf8200echo/QF8200EchoFixture.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "link/SensorEditor.h"

namespace {

using namespace QF8200Echo;
namespace Item = SensorInfoItem;
using Writes = std::vector<std::pair<QString, QString>>;

class EchoModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        program.write("VALIDATE.CFG", EchoTestRules);
        ProfileString::ForgetCachedFiles();
        Sensor::ResetValidateNoticeForTests();
        Sensor::State().SensorRange = 3000;
    }
    void TearDown() override { Sensor::ResetStateForTests(); }
    // A model of that variant whose records hold the values given.
    void build(bool analog, int bits, const char* analogKind = "0") {
        echo.SetSensorType(analog ? "QE2000-62HN-IU" : "QE3000-62HN");
        echo.Build("2.1");
        const QHash<int, QString> values = {{TSD1, "300"}, {SD1, "500"}, {SD12, "700"}, {SD2, "1000"}, {SD22, "1200"},
                                            {OM1, "1"}, {TOPM, "W"}, {A1, "250"}, {A2, "1800"}, {IEND, "400"},
                                            {UEND, "1000"}, {MXN_N, "2"}, {MXN_M, "5"}};
        for (auto it = values.begin(); it != values.end(); ++it) echo[it.key()].Value = it.value();
        echo[BITS].Value = QString::number(bits);
        echo[AnalogOM].Value = analogKind;
    }

    TempProgramFolder program;
    ParamEditorModel records{TableUpperBound};
    EchoModel echo{records};
};

TEST_F(EchoModelTest, SoftwareVersionDecidesTheTable) {
    struct Case { const char* version; int count; } const cases[] = {{"1.9", 36}, {"2.10", 39}, {"12.1", 39}, {"", 36}};
    for (const Case& c : cases) {
        echo.Build(c.version);
        EXPECT_EQ(echo.Count(), c.count) << c.version;
    }
    // The same window serves the next sensor: an older one loses the records.
    echo.Build("2.1");
    echo.Build("1.9");
    EXPECT_EQ(records.IndexOfId(IdPOTI2), 0);
    EXPECT_EQ(echo[SH1].Rule, "DEFAULT=0..15");   // rules by parameter name
}

TEST_F(EchoModelTest, DisplayItems) {
    const QVariant untouched = QStringLiteral("untouched");
    struct Case {
        bool analog;
        int bits;   // 8: the taught points are in use
        const char* analogKind;   // 0 current and voltage, 1 current, 2 voltage
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {false, 0, "0", Item::Output1Point1, "500", true},   {false, 8, "0", Item::Output1Point1, "300", true},
        {false, 8, "0", Item::Output1Point2, "", false},     // TSD2 holds nothing
        {false, 8, "0", Item::Output1Mode, "W", true},       {false, 0, "0", 9, untouched, false},
        {true, 8, "0", Item::TaughtSwitchPoints, false, false},   // taught, but no switch points
        {true, 8, "0", Item::NearLimit, "300", true},
        // The analogue end value follows the output kind.
        {true, 0, "0", Item::AnalogHigh, 700.0, false}, {true, 0, "1", Item::AnalogHigh, 400.0, false},
        {true, 0, "2", Item::AnalogHigh, 1000.0, false},
    };
    for (const Case& c : cases) {
        build(c.analog, c.bits, c.analogKind);
        QVariant value = untouched;
        echo.GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item << (c.analog ? " analog" : " switch") << " bits " << c.bits;
        EXPECT_EQ(echo.ValidPar(c.item), c.valid) << c.item;
    }
    // A parameter the sensor rejected (82h) is not valid, whatever the record holds.
    build(false, 0);
    echo[SD2].RawAnswer[0] = 0x82;
    EXPECT_FALSE(echo.ValidPar(Item::Output2Point1));
}

using EchoCommandsTest = EchoModelTest;

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
        {false, "SD12", "RM,WXEB", false, {}},                 // not taken for SD1
        {false, "SD1X,5", "SD1X,5", true, {}},
        {false, "SD1,50", "", false, {}},                      // outside the rule: nothing at all
        {false, "SD2,70000", "SD2,70000", true, {}},           // no cell holds it: the sensor refuses
        {true, "SD1", "SD1", true, {}},                        // switch points of a switch sensor only
        {true, "OM1,2", "WM,XE29,02", false, {}},              // by name although "OM" starts it
        {false, "OM", "OM", true, {}},
        {true, "IEND,5", "IEND,5", true, {}},                  // read only: no write request
        {false, "NEF,1", "WM,XE22,0C", false, {}},             // bit 2 into BITS 8
        {false, "SSY,1", "WM,XE22,18", false, {}},
        {false, "EM,MXN;;6", "WM,XE1E,02", false, {{"WM,WXE20", "0006"}}},
        {false, "EM,XYZ", "EM,XYZ", true, {}},                 // no method: not switched off
        {false, "xyz", "XYZ", true, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        build(c.analog, 8);
        const EchoCommands::Translation t = EchoCommands::Translate(echo, c.typed);
        EXPECT_EQ(t.request, c.request);
        EXPECT_EQ(t.flag, c.flag);
        EXPECT_EQ(t.writesFirst, c.writesFirst);
        EXPECT_EQ(t.refused, QString(c.request).isEmpty());
        EXPECT_EQ(t.logged, c.flag || t.refused ? QString() : QString(c.typed).toUpper());
    }
}

TEST_F(EchoCommandsTest, AnswersShownForTypedLines) {
    const QString invalid(QChar(0x82));
    struct Case { bool analog; const char* typed; QString answer; QString shown; bool logged; } const cases[] = {
        {false, "sd1", "01F4", "500", true},
        {false, "SD1", "", "", true},                 // a timeout is no value
        {true, "OPM1", "02", "2", true},              // the analogue record's number, not a letter
        {false, "OPM1", "02", "H", true},
        {false, "NEF", "0C", "1", true},
        {false, "EM", "02", "MXN;2;5", true},         // with the counts the records hold
        {false, "SD1,500", QString(QChar(0x80)), QString(QChar(0x80)), false},
        {false, "XYZ", "abc", "abc", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        build(c.analog, 8);
        const EchoCommands::Result result = EchoCommands::ConvertResult(echo, c.typed, c.answer);
        EXPECT_EQ(result.shown, c.shown);
        EXPECT_EQ(result.logged, c.logged);
    }
}

TEST_F(EchoCommandsTest, SentCommandsNameTheRecordToReadAgain) {
    struct Case { bool analog; const char* word; int record; } const cases[] = {
        {false, "SD11", SD1},  {false, "WM,WXE7", SD1}, {true, "WM,WXE7", A1},      {false, "RM,XE1E", EVM},
        {false, "UTP", BITS},  {true, "OM", AnalogOM},  {false, "OM", 0},         {false, "sd1", 0},
    };
    for (const Case& c : cases) {
        build(c.analog, 8);
        EXPECT_EQ(EchoCommands::RecordNamedBy(echo, c.word), c.record) << c.word;
    }
}

}  // namespace
