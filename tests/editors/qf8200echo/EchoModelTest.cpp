// The QF8200Echo table by software version, and what the display window
// learns from the editor (switch points, modes, limits, analogue output).
#include "editors/qf8200echo/EchoModel.h"
#include "editors/qf8200echo/QF8200EchoFixture.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "link/SensorEditor.h"

namespace {

using namespace QF8200Echo;
namespace Item = SensorInfoItem;

class EchoModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        program.write("VALIDATE.CFG", EchoTestRules);
        ProfileString::ForgetCachedFiles();
        Sensor::ResetValidateNoticeForTests();
    }
    // A model of that variant whose records hold the values given.
    void build(bool analog, int bits, const char* analogKind = "0") {
        echo.SetSensorType(analog ? "QE2000-62HN-IU" : "QE3000-62HN");
        echo.Build("2.0");
        const QHash<int, QString> values = {{TSD1, "300"}, {SD1, "500"}, {SD12, "700"}, {SD2, "1000"}, {SD22, "1200"},
                                            {OM1, "1"}, {TOPM, "W"}, {A1, "250"}, {A2, "1800"}, {IEND, "400"},
                                            {UEND, "1000"}};
        for (auto it = values.begin(); it != values.end(); ++it) echo[it.key()].Value = it.value();
        echo[BITS].Value = QString::number(bits);
        echo[AnalogOM].Value = analogKind;
    }

    TempProgramFolder program;
    ParamEditorModel records{TableUpperBound};
    EchoModel echo{records};
};

TEST_F(EchoModelTest, SoftwareVersionDecidesTheTable) {
    struct Case {
        const char* version;
        int count;
    } const cases[] = {{"1.9", 36}, {"2.0", 39}, {"2", 39}, {"2.10", 39}, {"12.1", 39}, {"", 36}, {"V2", 36}};
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
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {false, 0, Item::TaughtSwitchPoints, false, false},   {false, 8, Item::TaughtSwitchPoints, true, false},
        {false, 0, Item::Output1Point1, "500", true},         {false, 8, Item::Output1Point1, "300", true},
        {false, 8, Item::Output1Point2, "", false},           // TSD2 holds nothing
        {false, 0, Item::Output1Point2, "700", true},         {false, 8, Item::Output2Point1, "1000", true},
        {false, 0, Item::Output1Mode, "1", true},             {false, 8, Item::Output1Mode, "W", true},
        {false, 8, Item::Output2Mode, "1", true},             {false, 0, Item::NearLimit, "", false},
        {false, 0, Item::AnalogInUse, false, false},          {false, 0, Item::Output3Point, untouched, false},
        {false, 0, 9, untouched, false},
        {true, 8, Item::TaughtSwitchPoints, false, false},    // taught, but no switch points
        {true, 0, Item::Output1Point1, "", false},            {true, 0, Item::NearLimit, "250", true},
        {true, 8, Item::NearLimit, "300", true},              {true, 0, Item::FarLimit, "1800", true},
        {true, 0, Item::AnalogLow, 0, false},                 {true, 0, Item::AnalogInUse, true, false},
    };
    for (const Case& c : cases) {
        build(c.analog, c.bits);
        QVariant value = untouched;
        echo.GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item << (c.analog ? " analog" : " switch") << " bits " << c.bits;
        EXPECT_EQ(echo.ValidPar(c.item), c.valid) << c.item << (c.analog ? " analog" : " switch");
    }
    // A parameter the sensor rejected (82h) is not valid, whatever the record holds.
    build(false, 0);
    echo[SD2].RawAnswer[0] = 0x82;
    EXPECT_FALSE(echo.ValidPar(Item::Output2Point1));
}

TEST_F(EchoModelTest, TheAnalogueEndValueFollowsTheOutputKind) {
    struct Case {
        const char* kind;   // 0 current and voltage, 1 current, 2 voltage
        QVariant value;
    } const cases[] = {{"0", 700.0}, {"1", 400.0}, {"2", 1000.0}, {"3", "untouched"}};
    for (const Case& c : cases) {
        build(true, 0, c.kind);
        QVariant value = QStringLiteral("untouched");
        echo.GetData(Item::AnalogHigh, value);
        EXPECT_EQ(value, c.value) << c.kind;
    }
}

}  // namespace
