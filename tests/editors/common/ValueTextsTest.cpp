// The value texts the plain-command editors share: typed numbers written in
// the sensor's fixed formats, the sound velocity, and numbers read from the
// start of a typed text.
#include "editors/common/TypedInput.h"
#include "editors/common/ValueTexts.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using std::nullopt;

struct LocaleScope {
    explicit LocaleScope(QLocale::Language language) { QLocale::setDefault(QLocale(language)); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

TEST(ValueTexts, TypedNumbersInFixedFormats) {
    LocaleScope german(QLocale::German);   // the format's digits never depend on the locale
    struct Case {
        const char* typed;
        const char* pattern;
        std::optional<QString> value;
    } const cases[] = {
        {"500", "00000", "00500"},  {"0500", "00000", "00500"}, {"123456", "00000", "123456"},
        {"12.5", "00000", "00013"},  // a half rounds away from zero
        {"  42mm", "000", "042"},   {"+7", "0000", "0007"},     {".5", "000", "001"},
        {"-5", "00000", "-00005"},  {"0", "000", "000"},
        {"", "000", nullopt},       {"   ", "000", nullopt},    {"abc", "000", nullopt},
        {"mm42", "000", nullopt},   {"-", "000", nullopt},
        {"500,7", "00000", nullopt},     // the locale's decimal comma would be a second argument
        {"500\rDEF", "00000", nullopt},  // a line end would be a second command
    };
    for (const Case& c : cases)
        EXPECT_EQ(ValueTexts::ComposeFormatted(QString::fromLatin1(c.typed), c.pattern), c.value) << c.typed;
}

TEST(ValueTexts, SoundVelocityInHundredths) {
    struct Case {
        QLocale::Language language;
        const char* typed;
        std::optional<QString> value;
    } const cases[] = {
        {QLocale::English, "343.21", "34321"}, {QLocale::German, "343,21", "34321"},
        {QLocale::English, "343.215", "34321.5"}, {QLocale::German, "343.2", nullopt},
        {QLocale::English, "", nullopt},       {QLocale::English, "fast", nullopt},
    };
    for (const Case& c : cases) {
        LocaleScope locale(c.language);
        EXPECT_EQ(ValueTexts::ComposeSoundVelocity(QString::fromLatin1(c.typed)), c.value) << c.typed;
    }
    LocaleScope german(QLocale::German);
    EXPECT_EQ(ValueTexts::ShowSoundVelocity("34320"), "343,2");
    EXPECT_EQ(ValueTexts::ShowSoundVelocity("34325"), "343,25");
    EXPECT_EQ(ValueTexts::ShowSoundVelocity(QString(QChar(0x82))), "0,0");
}

TEST(ValueTexts, ListIndexes) {
    EXPECT_EQ(ValueTexts::ShowListIndex("1"), 1);
    EXPECT_EQ(ValueTexts::ShowListIndex(""), 0);
    EXPECT_EQ(ValueTexts::ShowListIndex("99999"), nullopt);   // beyond 16 bits
    EXPECT_EQ(ValueTexts::ComposeListIndex(2), "2");
    EXPECT_EQ(ValueTexts::ComposeListIndex(-1), nullopt);     // no entry selected
}

}  // namespace
