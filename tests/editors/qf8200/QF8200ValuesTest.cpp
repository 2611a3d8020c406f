// The QF8200 line's own encodings, both ways: the outputs' switch and
// operating modes, the fail-safe value and the evaluation method as the
// sensor writes it.
#include "editors/qf8200/QF8200Values.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

namespace V = QF8200Values;
using std::nullopt;

TEST(QF8200Values, OutputsDependOnTheSecondOutput) {
    const V::SwitchModes om = V::ShowSwitchModes("10");
    EXPECT_EQ(std::pair(om.output1, om.output2), std::pair(std::optional(1), std::optional(0)));
    EXPECT_EQ(V::ComposeSwitchModes(1, 0, true), "10");
    EXPECT_EQ(V::ComposeSwitchModes(1, 0, false), "1");
    EXPECT_EQ(V::ComposeSwitchModes(1, -1, true), nullopt);

    struct Case {
        const char* value;
        int output1, output2, analog;
    } const modes[] = {{"SL", 0, 4, 1}, {"WR", 1, 2, 0}, {"X?", 0, 0, 0}, {"H", 3, 0, 0}};
    for (const Case& c : modes) {
        const V::OperatingModes m = V::ShowOperatingModes(c.value);
        EXPECT_EQ(std::tuple(m.output1, m.output2, m.analog), std::tuple(c.output1, c.output2, c.analog)) << c.value;
    }
    EXPECT_EQ(V::ComposeOperatingModes(1, 2, 0, true, true), "WR");
    EXPECT_EQ(V::ComposeOperatingModes(4, 2, 1, false, false), "L");
    EXPECT_EQ(V::ComposeOperatingModes(-1, 2, 1, false, false), nullopt);
}

// A sensor with an analogue output in place of the second switch output
// writes that output's mode as a letter of "SL", and reads back what it wrote.
TEST(QF8200Values, AnalogueOutputModeRoundTrip) {
    struct Case {
        int output1, analog;
        const char* value;
    } const cases[] = {{0, 0, "SS"}, {0, 1, "SL"}, {3, 1, "HL"}, {4, 0, "LS"}};
    for (const Case& c : cases) {
        EXPECT_EQ(V::ComposeOperatingModes(c.output1, 2, c.analog, false, true), c.value);
        const V::OperatingModes shown = V::ShowOperatingModes(c.value);
        EXPECT_EQ(std::pair(shown.output1, shown.analog), std::pair(c.output1, c.analog)) << c.value;
    }
    EXPECT_EQ(V::ComposeOperatingModes(0, 0, 2, false, true), nullopt);   // "SL" has no third letter
}

TEST(QF8200Values, FailSafeModeAndCurrent) {
    QLocale::setDefault(QLocale(QLocale::German));   // the current is typed with a decimal comma
    EXPECT_EQ(V::ShowFailSafeMode("1,40"), 1);
    struct Case { int mode; bool withCurrent; const char* typed; std::optional<QString> value; } const cases[] = {
        {1, true, "4,0", "1,40"}, {1, true, "0,25", "1,2"}, {1, true, "0,75", "1,8"},   // halves to even
        {2, true, "-3", "2,0"},   {0, false, "4,0", "0"},   {1, true, "", nullopt},
        {1, true, "viel", nullopt}, {-1, false, "", nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(V::ComposeFailSafe(c.mode, c.withCurrent, c.typed), c.value) << c.typed;
    QLocale::setDefault(QLocale::c());
}

TEST(QF8200Values, EvaluationMethodShown) {
    struct Case {
        const char* value;
        int method;
        std::optional<QString> diff, weight, threshold, mCount, nCount;
    } const cases[] = {
        {"0", EvalMethod::None, nullopt, nullopt, nullopt, nullopt, nullopt},
        {"PT1,100,5,3", EvalMethod::LowPass, "5", "100", "3", nullopt, nullopt},
        {"PT1,100,5", EvalMethod::LowPass, "0", "100", "0", nullopt, nullopt},   // no threshold: both 0
        {"MXN,5,2", EvalMethod::Mean, nullopt, nullopt, nullopt, "5", "2"},
        {"MXN,12,2", EvalMethod::Mean, nullopt, nullopt, nullopt, "1", "2"},   // M is one digit
    };
    for (const Case& c : cases) {
        const EvalMethod::Shown shown = V::ShowEvalMethod(c.value);
        const EvalMethod::Fields& f = shown.fields;
        EXPECT_EQ(shown.method, c.method) << c.value;
        EXPECT_EQ(std::tuple(f.diff, f.weight, f.threshold, f.mCount, f.nCount),
                  std::tuple(c.diff, c.weight, c.threshold, c.mCount, c.nCount))
            << c.value;
    }
}

}  // namespace
