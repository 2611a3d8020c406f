// Temperatures in tenths of a kelvin and their display in degrees Celsius.
#include "editors/common/TemperatureTexts.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TEST(TemperatureTexts, ShownAndComposed) {
    struct Case {
        const char* value;
        const char* shown;
    } const shown[] = {{"2931", "20.0"}, {"2932", "20.1"}, {"2731", "0.0"}, {"2730", "-0.1"}, {"2231", "-50.0"},
                       {"3731", "100.0"}, {"\x82", "-273.1"}};
    for (const Case& c : shown) EXPECT_EQ(TemperatureTexts::Show(QString::fromLatin1(c.value)), c.shown) << c.value;
    EXPECT_EQ(TemperatureTexts::ShowOffset("-15"), "-1.5");
    EXPECT_EQ(TemperatureTexts::Compose("20"), "2931");
    EXPECT_EQ(TemperatureTexts::Compose("0"), "2731");
    EXPECT_EQ(TemperatureTexts::Compose("-0.1"), "2730");
    EXPECT_EQ(TemperatureTexts::Compose(""), std::nullopt);
    EXPECT_EQ(TemperatureTexts::Compose("warm"), std::nullopt);
}

// Leaving the temperature field without a change composes what it shows;
// that must be the value the sensor holds, or every pass would write a
// lower temperature.
TEST(TemperatureTexts, ShownValueComposesBackToItself) {
    for (QLocale::Language language : {QLocale::C, QLocale::German}) {
        QLocale::setDefault(QLocale(language));
        for (int tenths = 2231; tenths <= 3731; ++tenths) {
            const QString value = QString::number(tenths);
            ASSERT_EQ(TemperatureTexts::Compose(TemperatureTexts::Show(value)), value) << tenths;
        }
    }
    QLocale::setDefault(QLocale::c());
}

}  // namespace
