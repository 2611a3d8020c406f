// The value texts the plain-command editors share: how a value is shown and
// how what the user typed is written, also in the sensor's fixed formats.
#include "editors/common/ValueTexts.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(ValueTexts, TypedNumbersInFixedFormats) {
    QLocale::setDefault(QLocale(QLocale::German));   // the digits never depend on the locale
    struct Case { const char* typed; const char* pattern; std::optional<QString> value; } const cases[] = {
        {"500", "00000", "00500"}, {"123456", "00000", "123456"}, {"12.5", "00000", "00013"},   // halves away
        {"  42mm", "000", "042"},  {".5", "000", "001"},          {"-5", "00000", "-00005"},
        {"", "000", std::nullopt}, {"abc", "000", std::nullopt},  {"-", "000", std::nullopt},
        {"500,7", "00000", std::nullopt},      // the locale's decimal comma would be a second argument
        {"500\rDEF", "00000", std::nullopt},   // a line end would be a second command
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueTexts::ComposeFormatted(QString::fromLatin1(c.typed), c.pattern), c.value) << c.typed;
    QLocale::setDefault(QLocale::c());
}

// Shown under a German locale: the decimal comma is the user's.
TEST(ValueTexts, ShownValues) {
    QLocale::setDefault(QLocale(QLocale::German));
    struct Case {
        QString (*show)(const QString&);
        const char* value;
        const char* shown;
    } const cases[] = {
        {ValueTexts::ShowSoundVelocity, "33130", "331,3"}, {ValueTexts::ShowSoundVelocity, "34325", "343,25"},
        {ValueTexts::ShowSoundVelocity, "34300", "343,0"}, {ValueTexts::ShowWholeNumber, "0500", "500"},
        {ValueTexts::ShowWholeNumber, " 12.5mm", "13"},    {ValueTexts::ShowWholeNumber, "\x82", "0"},
    };
    for (const Case& c : cases) EXPECT_EQ(c.show(QString::fromLatin1(c.value)), c.shown) << c.value;
    struct Current {
        const char* failSafe;
        std::optional<int> tenths;
        const char* shown;
    } const currents[] = {{"1,40", 40, "4,0"}, {"2", 0, "0,0"}, {"1,-1", -1, "-1"}, {"1,99999", std::nullopt, ""}};
    for (const Current& c : currents) {
        const ValueTexts::FaultCurrent current = ValueTexts::ShowFaultCurrent(c.failSafe);
        EXPECT_EQ(std::pair(current.tenths, current.shown), std::pair(c.tenths, QString(c.shown))) << c.failSafe;
    }
    QLocale::setDefault(QLocale::c());
}

// The sensor is sent "." as the decimal point whatever the user's locale.
TEST(ValueTexts, TypedVelocityAndDistance) {
    QLocale::setDefault(QLocale(QLocale::German));
    struct Case {
        std::optional<QString> (*compose)(const QString&);
        const char* typed;
        std::optional<QString> value;
    } const cases[] = {
        {ValueTexts::ComposeSoundVelocity, "343,2", "34320"},     {ValueTexts::ComposeSoundVelocity, "331,33", "33133"},
        {ValueTexts::ComposeSoundVelocity, "343,215", "34321.5"}, {ValueTexts::ComposeSoundVelocity, "", std::nullopt},
        {ValueTexts::ComposeReference, "999,5", "999.5"},         {ValueTexts::ComposeReference, " ", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(c.compose(c.typed), c.value) << c.typed;
    QLocale::setDefault(QLocale::c());
}

}  // namespace
