// The QF8200RDX's compound values and their display forms, both ways, under
// the C and a German locale (decimal comma).
#include "editors/qf8200rdx/QF8200RDXValues.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

namespace V = QF8200RDXValues;
using std::nullopt;

class QF8200RDXValuesTest : public ::testing::TestWithParam<QLocale::Language> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(GetParam())); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // A number as the user's locale writes it.
    static QString local(const char* text) {
        QString s = QString::fromLatin1(text);
        return s.replace('.', QLocale().decimalPoint());
    }
};

TEST_P(QF8200RDXValuesTest, SwitchModesOneCharacterPerOutput) {
    struct Shown {
        const char* value;
        std::array<int, 3> entries;
    } const shown[] = {{"1I0", {1, 2, 0}}, {"01", {0, 1, 0}}, {"x1i", {0, 1, 0}}, {"", {0, 0, 0}}};
    for (const Shown& s : shown) EXPECT_EQ(V::ShowSwitchModes(s.value), s.entries) << s.value;
    EXPECT_EQ(V::ComposeSwitchModes({1, 2}), "1I");   // third output absent
    EXPECT_EQ(V::ComposeSwitchModes({-1, 1}), "01");  // a list without a selection is normally open
}

TEST_P(QF8200RDXValuesTest, FailSafeDigitsAndFaultCurrent) {
    EXPECT_EQ(V::ShowFailSafeModes("201,36"), (std::array<int, 3>{2, 0, 1}));
    struct Composed {
        std::vector<int> modes;
        std::optional<const char*> typed;   // nothing: no analogue output
        std::optional<QString> value;
    } const composed[] = {
        {{2, 0, 1}, "3.6", "201,36"},  {{2, 0, 1}, "-1", "201,-1"}, {{2, 0, 1}, nullopt, "201"},
        {{1, 1, 1}, "0.25", "111,2"},  {{1, 1, 1}, "0.35", "111,4"},   // halves to even
        {{1, 1, 1}, "", nullopt},      {{1, 1, 1}, "4000", nullopt},  {{1, -1, 1}, "3.6", nullopt},
    };
    for (const Composed& c : composed) {
        const std::optional<QString> typed = c.typed ? std::optional<QString>(local(*c.typed)) : nullopt;
        EXPECT_EQ(V::ComposeFailSafe(c.modes, typed), c.value) << (c.typed ? *c.typed : "none");
    }
}

TEST_P(QF8200RDXValuesTest, EvaluationMethodShownFromTheSensorsAnswer) {
    struct Case {
        const char* value;
        int method;
        std::optional<QString> diff, weight, threshold, mCount, nCount;
    } const cases[] = {
        {"0", EvalMethod::None, nullopt, nullopt, nullopt, nullopt, nullopt},
        {"DYN,7", EvalMethod::Dynamic, "7", nullopt, nullopt, nullopt, nullopt},
        {"PT1,100,5,3", EvalMethod::LowPass, "5", "100", "3", nullopt, nullopt},
        {"PT1,500,10", EvalMethod::LowPass, "0", "500", "10", nullopt, nullopt},   // two numbers: weight, threshold
        {"MXN,12,2", EvalMethod::Mean, nullopt, nullopt, nullopt, "12", "2"},
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

TEST_P(QF8200RDXValuesTest, InclinationSwitchDelaysInTensOfMilliseconds) {
    struct Shown {
        const char* value;
        bool active;
        const char* on;
        const char* off;
    } const shown[] = {{"-1", false, "", ""}, {"150,10", true, "1500", "100"}, {"25", true, "250", "0"}};
    for (const Shown& s : shown) {
        const V::Inclination i = V::ShowInclination(s.value);
        EXPECT_EQ(std::tuple(i.active, i.onMs, i.offMs), std::tuple(s.active, QString(s.on), QString(s.off))) << s.value;
    }
    struct Composed { int entry; const char* on; const char* off; std::optional<QString> value; } const composed[] = {
        {0, "1505", "99", "150,9"},   // remainders dropped
        {0, "25.5", "0", "2,0"},      {1, "", "", "-1"},            // off: the delays do not matter
        {0, "400000", "100", nullopt},   // beyond 16 bits
    };
    for (const Composed& c : composed)
        EXPECT_EQ(V::ComposeInclination(c.entry, local(c.on), local(c.off)), c.value) << c.on;
}

INSTANTIATE_TEST_SUITE_P(Locales, QF8200RDXValuesTest, ::testing::Values(QLocale::C, QLocale::German));

}  // namespace
