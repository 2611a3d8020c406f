// The memory-cell encodings: a cell's hex answer as the value the editor
// shows, and a value as the hex text written to the cell; what a control's
// contents store, the counts of the mean, and the sound-beam sliders.
#include "editors/qf8200echo/EchoCells.h"
#include "editors/qf8200echo/EchoValues.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/SoundBeam.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

using namespace QF8200Echo;
using EchoCells::ConvertToProg;
using EchoCells::ConvertToSensor;

constexpr bool Switch = false;
constexpr bool Analog = true;

TEST(EchoCells, AnswersBecomeDisplayValues) {
    struct Case { int id; bool analog; const char* answer; const char* shown; } const cases[] = {
        {IdSD1, Switch, "01f4", "500"},   {IdTO, Switch, "FFCE", "-50"},    {IdTSD1, Switch, "FFCE", "65486"},
        {IdIEND, Analog, "8000", "-32768"}, {IdFSF, Switch, "2A", "42"},    {IdOPM1, Switch, "02", "H"},
        {IdOPM1, Switch, "07", "S"},      {IdEVM, Switch, "02", "MXN"},     {IdEVM, Switch, "07", "0"},
        // The taught mode: a letter on a switch sensor, a number on an analogue one.
        {IdTOPM, Switch, "01", "W"},      {IdTOPM, Analog, "01", "1"},
        // A short answer reads the digits it has; an empty one reads 0.
        {IdSD1, Switch, "01", "256"},     {IdSD1, Switch, "", "0"},         {IdOPM2, Switch, "", "S"},
        {9999, Switch, "01F4", "01F4"},   // no cell: the text as it is
    };
    for (const Case& c : cases)
        EXPECT_EQ(ConvertToProg(c.id, c.answer, c.analog), QString::fromLatin1(c.shown)) << c.id << " " << c.answer;
}

TEST(EchoCells, DisplayValuesBecomeHex) {
    const std::nullopt_t none = std::nullopt;   // cannot be written
    struct Case { int id; bool analog; const char* value; std::optional<QString> hex; } const cases[] = {
        {IdSD1, Switch, "0500", "01F4"},
        {IdSD1, Switch, "2.5", "0002"},   {IdSD1, Switch, "3.5", "0004"},   // halves to even
        {IdTO, Switch, "-32768", "8000"}, {IdFSF, Switch, "5", "05"},       {IdEVM, Switch, "NONE", "00"},
        {IdOPM1, Switch, "X", "00"},      {IdEVM, Switch, "MXN", "02"},     {IdTOPM, Switch, "H", "02"},
        // An analogue sensor's taught mode goes back as its number, not as "00" for "no letter".
        {IdTOPM, Analog, "2", "02"},      {IdIEND, Analog, "400", "400"},   // never written: unchanged
        // Values a cell cannot hold are not cut or wrapped into another value.
        {IdSD1, Switch, "70000", none},   {IdSD1, Switch, "-1", none},      {IdFSF, Switch, "256", none},
        {IdTO, Switch, "40000", none},    {IdTO, Switch, "-32769", none},   {IdSD1, Switch, "abc", none},
    };
    for (const Case& c : cases) EXPECT_EQ(ConvertToSensor(c.id, c.value, c.analog), c.hex) << c.id << " " << c.value;
}

TEST(EchoCells, ErrorsOfAnswers) {
    const EchoCells::StatusTexts texts = EchoCells::DefaultStatusTexts();
    struct Case { QString answer; std::optional<QString> error; } const cases[] = {
        {"", "TIMEOUT"},
        {QString(QChar(0x81)), "81h <ungültiger Parameter>"},
        {QString(QChar(0x82)) + "xx", "82h <ungültiger Befehl>"},
        {QString(QChar(0x80)), "80h <OK>"},   // a status, not a cell's value
        {QString(QChar(0x84)), "84h <Hardware Fehler>"},
        {QString(QChar(0x85)), std::nullopt}, {"01F4", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(EchoCells::AnswerError(c.answer, texts), c.error) << c.answer.toStdString();
}

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

TEST_F(EchoValuesTest, DiscardedValuesStayBelowHalfTheMean) {
    struct Case { const char* n; const char* m; std::optional<QString> lowered; } const cases[] = {
        {"3", "5", "2"},   // 1.5 to the even neighbour
        {"2", "8", std::nullopt},
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
    } const cases[] = {{0, 25, 28}, {100, 0, 3}, {54, 12, 15}, {58, 10, 13}};
    for (const Case& c : cases) {
        EXPECT_EQ(SoundBeam::WidthAt(c.position), c.width) << c.position;
        EXPECT_EQ(SoundBeam::SensitivityAt(c.position), c.sensitivity) << c.position;
    }
    EXPECT_EQ(SoundBeam::WidthPosition(12), 52);
    EXPECT_EQ(SoundBeam::SensitivityPosition(28), 0);
}

}  // namespace
