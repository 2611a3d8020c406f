// The QF8200 value texts and their display forms, both ways, under the C and
// a German locale (decimal comma).
#include "editors/qf8200/QF8200Values.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

namespace V = QF8200Values;
using std::nullopt;

class QF8200ValuesTest : public ::testing::TestWithParam<QLocale::Language> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(GetParam())); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    // A number as the user's locale writes it.
    static QString local(const char* text) {
        QString s = QString::fromLatin1(text);
        return s.replace('.', QLocale().decimalPoint());
    }
};

TEST_P(QF8200ValuesTest, ShownValues) {
    struct Case {
        QString (*show)(const QString&);
        const char* value;
        const char* shown;
    } const cases[] = {
        {V::ShowSoundVelocity, "33130", "331.3"},   {V::ShowSoundVelocity, "34325", "343.25"},
        {V::ShowSoundVelocity, "0", "0.0"},         {V::ShowSoundVelocity, "34300", "343.0"},
        {V::ShowTemperature, "2931", "20.0"},       {V::ShowTemperature, "2929", "19.8"},
        {V::ShowTemperature, "2932", "20.1"},       {V::ShowTemperature, "2730", "-0.1"},
        {V::ShowTemperatureOffset, "-15", "-1.5"},  {V::ShowWholeNumber, "0500", "500"},
        {V::ShowWholeNumber, " 12.5mm", "13"},      {V::ShowWholeNumber, "\x82", "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.show(QString::fromLatin1(c.value)), local(c.shown)) << c.value;
}

TEST_P(QF8200ValuesTest, ComposedFromTypedText) {
    struct Case {
        std::optional<QString> (*compose)(const QString&);
        const char* typed;
        std::optional<QString> value;
    } const cases[] = {
        {V::ComposeTemperature, "20.0", "2931"},   {V::ComposeTemperature, "20.1", "2932"},
        {V::ComposeTemperature, "19.8", "2929"},   {V::ComposeTemperature, "0", "2731"},
        {V::ComposeTemperature, "", nullopt},      {V::ComposeTemperature, "warm", nullopt},
        {V::ComposeSoundVelocity, "343.2", "34320"}, {V::ComposeSoundVelocity, "331.33", "33133"},
        {V::ComposeSoundVelocity, "343.215", "34321.5"}, {V::ComposeSoundVelocity, "", nullopt},
        {V::ComposeReference, "1000", "1000"},     {V::ComposeReference, "999.5", "999.5"},
        {V::ComposeReference, " ", nullopt},       {V::ComposeAsTyped, "0500", "0500"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.compose(local(c.typed)), c.value) << c.typed;
    // A comma is never the locale's decimal sign here: it would be a second argument.
    EXPECT_EQ(V::ComposeAsTyped("500,7"), nullopt);
}

TEST_P(QF8200ValuesTest, FailSafeModeAndCurrent) {
    struct Shown {
        const char* value;
        std::optional<int> mode;
        std::optional<int> current;
        const char* text;
    } const shown[] = {
        {"1,40", 1, 40, "4.0"}, {"0,40", 0, 40, "4.0"}, {"2", 2, 0, "0.0"}, {"1,-1", 1, -1, "-1"},
    };
    for (const Shown& s : shown) {
        const V::FailSafe f = V::ShowFailSafe(s.value);
        EXPECT_EQ(f.mode, s.mode) << s.value;
        EXPECT_EQ(f.current, s.current) << s.value;
        EXPECT_EQ(f.currentText, local(s.text)) << s.value;
    }
    struct Composed {
        int mode;
        bool withCurrent;
        const char* typed;
        std::optional<QString> value;
    } const composed[] = {
        {1, true, "4.0", "1,40"}, {1, true, "0.25", "1,2"}, {1, true, "0.75", "1,8"},   // halves to even
        {2, true, "-3", "2,0"},   {0, false, "4.0", "0"},   {1, true, "", nullopt},
        {1, true, "viel", nullopt}, {-1, false, "", nullopt},
    };
    for (const Composed& c : composed)
        EXPECT_EQ(V::ComposeFailSafe(c.mode, c.withCurrent, local(c.typed)), c.value) << c.typed;
}

TEST_P(QF8200ValuesTest, EvaluationMethod) {
    struct Shown {
        const char* value;
        int method;
        std::optional<QString> diff, weight, threshold, mCount, nCount;
    } const shown[] = {
        {"0", V::NoMethod, nullopt, nullopt, nullopt, nullopt, nullopt},
        {"DYN,7", V::Dynamic, "7", nullopt, nullopt, nullopt, nullopt},
        {"PT1,100,5,3", V::LowPass, "5", "100", "3", nullopt, nullopt},
        {"PT1,100,5", V::LowPass, "0", "100", "0", nullopt, nullopt},
        {"MXN,5,2", V::Mean, nullopt, nullopt, nullopt, "5", "2"},
        {"MXN,12,2", V::Mean, nullopt, nullopt, nullopt, "1", "2"},   // M is one character
    };
    for (const Shown& s : shown) {
        const V::EvalFields f = V::ShowEvalMethod(s.value);
        EXPECT_EQ(f.method, s.method) << s.value;
        EXPECT_EQ(f.diff, s.diff) << s.value;
        EXPECT_EQ(f.weight, s.weight) << s.value;
        EXPECT_EQ(f.threshold, s.threshold) << s.value;
        EXPECT_EQ(f.mCount, s.mCount) << s.value;
        EXPECT_EQ(f.nCount, s.nCount) << s.value;
    }
    EXPECT_EQ(V::NormalizeEvalMethod("NONE"), "0");

    V::EvalFields typed{V::NoMethod, "7", "100", "3", "0", "0"};
    EXPECT_EQ(V::ComposeEvalMethod(V::Dynamic, true, typed), "DYN,7");
    EXPECT_EQ(V::ComposeEvalMethod(V::LowPass, true, typed), "PT1,100,7,3");
    EXPECT_EQ(V::ComposeEvalMethod(V::Mean, true, typed), "MXN,5,2");
    EXPECT_EQ(V::ComposeEvalMethod(V::Mean, false, typed), "MXN");
    EXPECT_EQ(V::ComposeEvalMethod(V::NoMethod, true, typed), "0");
    typed.mCount = local("2.5");
    EXPECT_EQ(V::ComposeEvalMethod(V::Mean, true, typed), "MXN,2,0");
    typed.diff = "";
    EXPECT_EQ(V::ComposeEvalMethod(V::Dynamic, true, typed), nullopt);
    EXPECT_EQ(V::ComposeEvalMethod(V::Dynamic, false, typed), "DYN");
}

TEST_P(QF8200ValuesTest, OutputsDependOnTheSecondOutput) {
    const V::SwitchModes om = V::ShowSwitchModes("10");
    EXPECT_EQ(om.output1, 1);
    EXPECT_EQ(om.output2, 0);
    EXPECT_EQ(V::ShowSwitchModes("1").output2, 0);
    EXPECT_EQ(V::ComposeSwitchModes(1, 0, true), "10");
    EXPECT_EQ(V::ComposeSwitchModes(1, 0, false), "1");
    EXPECT_EQ(V::ComposeSwitchModes(1, -1, true), nullopt);

    struct Case {
        const char* value;
        int output1, output2, analog;
    } const modes[] = {{"SL", 0, 4, 1}, {"WR", 1, 2, 0}, {"X?", 0, 0, 0}, {"H", 3, 0, 0}};
    for (const Case& c : modes) {
        const V::OperatingModes m = V::ShowOperatingModes(c.value);
        EXPECT_EQ(m.output1, c.output1) << c.value;
        EXPECT_EQ(m.output2, c.output2) << c.value;
        EXPECT_EQ(m.analog, c.analog) << c.value;
    }
    EXPECT_EQ(V::ComposeOperatingModes(1, 2, 0, true, true), "WR");
    EXPECT_EQ(V::ComposeOperatingModes(0, 2, 1, false, true), "SL");
    EXPECT_EQ(V::ComposeOperatingModes(4, 2, 1, false, false), "L");
    EXPECT_EQ(V::ComposeOperatingModes(-1, 2, 1, false, false), nullopt);
}

INSTANTIATE_TEST_SUITE_P(Locales, QF8200ValuesTest, ::testing::Values(QLocale::C, QLocale::German));

}  // namespace
