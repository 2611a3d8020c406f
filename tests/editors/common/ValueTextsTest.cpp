// Typed numbers written in the sensor's fixed formats, as the plain-command
// editors share them.
#include "editors/common/ValueTexts.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(ValueTexts, TypedNumbersInFixedFormats) {
    QLocale::setDefault(QLocale(QLocale::German));   // the digits never depend on the locale
    struct Case {
        const char* typed;
        const char* pattern;
        std::optional<QString> value;
    } const cases[] = {
        {"500", "00000", "00500"}, {"123456", "00000", "123456"}, {"12.5", "00000", "00013"},   // halves away
        {"  42mm", "000", "042"},  {".5", "000", "001"},          {"-5", "00000", "-00005"},
        {"", "000", std::nullopt}, {"abc", "000", std::nullopt},  {"-", "000", std::nullopt},
        {"500,7", "00000", std::nullopt},      // the locale's decimal comma would be a second argument
        {"500\rDEF", "00000", std::nullopt},   // a line end would be a second command
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueTexts::ComposeFormatted(QString::fromLatin1(c.typed), c.pattern), c.value) << c.typed;
    EXPECT_EQ(ValueTexts::ComposeSoundVelocity("343,21"), "34321");
    QLocale::setDefault(QLocale::c());
}

}  // namespace
