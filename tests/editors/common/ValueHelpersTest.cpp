// Typed input checks and the DIP-switch value, which every editor uses.
#include "editors/common/DipSwitches.h"
#include "editors/common/TypedInput.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

struct LocaleScope {
    explicit LocaleScope(QLocale::Language language) { QLocale::setDefault(QLocale(language)); }
    ~LocaleScope() { QLocale::setDefault(QLocale::c()); }
};

TEST(TypedInput, RefusesTextThatIsNoSingleNumber) {
    LocaleScope english(QLocale::English);
    struct Case { QString typed; std::optional<QString> sent; } const cases[] = {
        {"0500", "0500"},          // as typed
        {"12.5", "12.5"},
        {"", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"500,1", std::nullopt},   // would add an argument
        {"500\r", std::nullopt},   // would end the command
        // Forms the sensor reads otherwise than the user means ("1e2" as 1).
        {"1e2", std::nullopt},
        {"+8", std::nullopt},
        {" 8", std::nullopt},
        {"8 ", std::nullopt},
        {"0x10", std::nullopt},
        {"-5", std::nullopt},      // no field that takes its text as typed goes below 0
    };
    for (const Case& c : cases) EXPECT_EQ(TypedInput::AsTyped(c.typed), c.sent) << c.typed.toStdString();
}

// The text goes out as typed and the sensor reads "." as the decimal point.
TEST(TypedInput, RefusesTheLocalesThousandsSeparator) {
    LocaleScope german(QLocale::German);
    EXPECT_EQ(TypedInput::AsTyped("1.500"), std::nullopt);
    EXPECT_EQ(TypedInput::AsTyped("1500"), "1500");
}

TEST(TypedInput, GeneralTextNeverUsesTheLocaleSeparator) {
    LocaleScope german(QLocale::German);
    EXPECT_EQ(TypedInput::Number("343,2"), 343.2f);
    EXPECT_EQ(TypedInput::Number("343.2"), std::nullopt);   // no group separator inside a decimal
    EXPECT_EQ(TypedInput::GeneralText(8.02f * 100.0f), "802.0001");   // single precision, 7 digits
    EXPECT_EQ(TypedInput::GeneralText(34321.5f), "34321.5");
    EXPECT_EQ(TypedInput::GeneralText(1000.0f), "1000");
}

TEST(DipSwitches, HexDigitsGiveTheSwitches) {
    struct Case {
        QString value;
        QString on;   // '1' for each switch that is on, 1 to 10
    } const cases[] = {
        {"A5", "1010010100"},  {"A50", "1010010100"}, {"A5F", "1010010110"}, {"FF1", "1111111110"},
        {"", "0000000000"},    {QString(QChar(0x82)), "0000000000"},          {"5", "0000010100"},
        {"G5", "0000000000"},  {"a5", "1010010100"},
    };
    for (const Case& c : cases) {
        QString on;
        for (bool state : DipSwitches::States(c.value)) on += state ? '1' : '0';
        EXPECT_EQ(on, c.on) << c.value.toStdString();
    }
}

}  // namespace
