// The QF8200Echo window's values apart from its widgets: what a control's
// contents store, the option bits, the counts of the mean, and the
// sound-beam sliders and lobes, and the fields each list choice shows.
#include "editors/qf8200echo/EchoLayout.h"
#include "editors/qf8200echo/EchoValues.h"
#include "editors/qf8200echo/SoundBeam.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

namespace V = EchoValues;

class EchoValuesTest : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_F(EchoValuesTest, TypedNumbers) {
    struct Case {
        std::optional<QString> (*compose)(const QString&);
        const char* typed;
        std::optional<QString> stored;
    } const cases[] = {
        {V::ComposeTemperatureOffset, "-2,5", "-25"}, {V::ComposeTemperatureOffset, "0,1", "1"},
        {V::ComposeTemperatureOffset, "", std::nullopt}, {V::ComposeTemperatureOffset, "2.5", std::nullopt},
        // The low-pass weight 1 ... 1000 and the mean's count M 0 ... 8 take the bound they crossed.
        {V::ComposeWeight, "5000", "1000"}, {V::ComposeWeight, "0", "1"}, {V::ComposeMCount, "12", "8"},
        {V::ComposeMCount, "-1", "0"}, {V::ComposeMCount, "viele", std::nullopt}, {V::ComposeNCount, "1,5", std::nullopt},
        // A German thousands separator is not the sensor's decimal point: not 1.
        {V::ComposeWeight, "1.000", std::nullopt}, {V::ComposeNCount, "1.000", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(c.compose(c.typed), c.stored) << c.typed;
}

TEST_F(EchoValuesTest, OptionBitsKeepTheSensorsBits) {
    struct Case {
        const char* stored;
        V::OptionBits chosen;
        const char* composed;
    } const cases[] = {
        {"0", {0, true, 0}, "8"}, {"0", {1, true, 1}, "28"}, {"227", {0, true, 0}, "235"},   // bits 0, 1, 5-7 kept
        {"28", {0, false, 0}, "0"}, {"", {1, false, 0}, "4"},
    };
    for (const Case& c : cases) EXPECT_EQ(V::ComposeOptionBits(c.stored, c.chosen), c.composed) << c.stored;
    const V::OptionBits shown = V::ShowOptionBits("28");
    EXPECT_TRUE(shown.echoError == 1 && shown.teachIn && shown.startup == 1);
    EXPECT_EQ(V::ComposeMeasuringMode("6", 1), "7");
}

TEST_F(EchoValuesTest, DiscardedValuesStayBelowHalfTheMean) {
    struct Case {
        const char* n;
        const char* m;
        std::optional<QString> lowered;
    } const cases[] = {
        {"3", "5", "2"},   // 1.5 to the even neighbour
        {"2", "8", std::nullopt}, {"4", "8", "3"}, {"3", "7", std::nullopt},
        {"4", "7", "2"},   // 2.5 to 2
        {"1", "2", "0"}, {"3", "", "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(V::NCountBelowHalf(c.n, c.m), c.lowered) << c.n << " of " << c.m;
}

TEST(SoundBeam, SliderPositionsAndValues) {
    struct Case {
        int position;
        int width;
        int sensitivity;
    } const cases[] = {{0, 25, 28}, {100, 0, 3}, {50, 12, 15}, {54, 12, 15}, {58, 10, 13}, {52, 12, 15}};
    for (const Case& c : cases) {
        EXPECT_EQ(SoundBeam::WidthAt(c.position), c.width) << c.position;
        EXPECT_EQ(SoundBeam::SensitivityAt(c.position), c.sensitivity) << c.position;
    }
    EXPECT_EQ(SoundBeam::WidthPosition(12), 52);
    EXPECT_EQ(SoundBeam::SensitivityPosition(28), 0);
}

TEST(SoundBeam, LobesGrowFromTheirDesignToTheLargest) {
    EXPECT_EQ(SoundBeam::BeamLobes(0, 0).inner, QRectF(195, 700, 900, 200));
    EXPECT_EQ(SoundBeam::BeamLobes(0, 0).outer, QRectF(600, 650, 900, 300));
    EXPECT_EQ(SoundBeam::BeamLobes(1, 1).inner, QRectF(195, 400, 1800, 800));
    EXPECT_EQ(SoundBeam::BeamLobes(1, 1).outer, SoundBeam::LargestOuterLobe);
    // Length and spread are separate: a long, narrow beam.
    EXPECT_EQ(SoundBeam::BeamLobes(1, 0).outer, QRectF(600, 650, 2600, 300));
    EXPECT_EQ(SoundBeam::BeamLobes(0.5, 0.5).inner, QRectF(195, 550, 1350, 500));
}

TEST(EchoLayout, FieldsOfEachChoice) {
    struct Case {
        int choice;
        bool secondPoint, hysteresis, weight, counts;
    } const cases[] = {
        {0, false, true, false, false}, {1, true, true, false, false}, {2, true, false, true, false},
        {3, true, true, false, true},   {-1, true, true, false, false},
    };
    for (const Case& c : cases) {
        const EchoLayout::OutputFields output = EchoLayout::OperatingModeFields(c.choice);
        const EchoLayout::MethodFields method = EchoLayout::EvalMethodFields(c.choice);
        EXPECT_EQ(output.secondPoint, c.secondPoint) << c.choice;
        EXPECT_EQ(output.hysteresis, c.hysteresis) << c.choice;
        EXPECT_EQ(method.weight, c.weight) << c.choice;
        EXPECT_EQ(method.counts, c.counts) << c.choice;
    }
}

}  // namespace
