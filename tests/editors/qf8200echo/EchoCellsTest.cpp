// The memory-cell encodings: a cell's hex answer as the value the editor
// shows, and a value as the hex text written to the cell.
#include "editors/qf8200echo/EchoCells.h"
#include "editors/qf8200echo/QF8200EchoTable.h"

#include <gtest/gtest.h>

namespace {

using namespace QF8200Echo;
using EchoCells::ConvertToProg;
using EchoCells::ConvertToSensor;

struct Variant {
    bool analog;
};
constexpr Variant Switch{false};
constexpr Variant Analog{true};

TEST(EchoCells, AnswersBecomeDisplayValues) {
    struct Case {
        int id;
        Variant variant;
        const char* answer;
        const char* shown;
    } const cases[] = {
        {IdSD1, Switch, "01F4", "500"},   {IdSD1, Switch, "01f4", "500"},   // hex digits in either case
        {IdTO, Switch, "FFCE", "-50"},    {IdTSD1, Switch, "FFCE", "65486"},   // signed, unsigned
        {IdIEND, Analog, "8000", "-32768"}, {IdFSF, Switch, "2A", "42"},    {IdVS0, Switch, "8610", "34320"},
        {IdOPM1, Switch, "02", "H"},      {IdOPM1, Switch, "01", "W"},      {IdOPM1, Switch, "07", "S"},
        {IdEVM, Switch, "03", "PT1"},     {IdEVM, Switch, "02", "MXN"},     {IdEVM, Switch, "07", "0"},
        // The taught mode: a letter on a switch sensor, a number on an analogue one.
        {IdTOPM, Switch, "01", "W"},      {IdTOPM, Analog, "01", "1"},      {IdAnalogOPM, Analog, "02", "2"},
        // A short answer reads the digits it has; an empty one reads 0.
        {IdSD1, Switch, "01", "256"},     {IdSD1, Switch, "", "0"},         {IdOPM2, Switch, "", "S"},
        {IdEVM, Switch, "", "0"},         {9999, Switch, "01F4", "01F4"},   // no cell: the text as it is
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        EXPECT_EQ(ConvertToProg(c.id, c.answer, c.variant.analog), QString::fromLatin1(c.shown)) << c.id;
    }
}

TEST(EchoCells, DisplayValuesBecomeHex) {
    struct Case {
        int id;
        Variant variant;
        const char* value;
        const char* hex;   // nullptr: cannot be written
    } const cases[] = {
        {IdSD1, Switch, "500", "01F4"},   {IdSD1, Switch, "0500", "01F4"},
        {IdSD1, Switch, "2.5", "0002"},   {IdSD1, Switch, "3.5", "0004"},   // halves to even
        {IdTO, Switch, "-50", "FFCE"},    {IdTO, Switch, "-32768", "8000"}, {IdFSF, Switch, "42", "2A"},
        {IdFSF, Switch, "5", "05"},       {IdVS0, Switch, "34320", "8610"}, {IdOPM1, Switch, "W", "01"},
        {IdOPM1, Switch, "H", "02"},      {IdOPM1, Switch, "X", "00"},      {IdEVM, Switch, "MXN", "02"},
        {IdEVM, Switch, "NONE", "00"},    {IdEVM, Switch, "DYN", "01"},     {IdTOPM, Switch, "H", "02"},
        // An analogue sensor's taught mode goes back as its number, not as "00" for "no letter".
        {IdTOPM, Analog, "2", "02"},      {IdIEND, Analog, "400", "400"},   // never written: unchanged
        // Values a cell cannot hold are not cut or wrapped into another value.
        {IdSD1, Switch, "70000", nullptr}, {IdSD1, Switch, "-1", nullptr},  {IdFSF, Switch, "256", nullptr},
        {IdFSF, Switch, "-1", nullptr},   {IdTO, Switch, "40000", nullptr}, {IdTO, Switch, "-32769", nullptr},
        {IdSD1, Switch, "", nullptr},     {IdSD1, Switch, "abc", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::optional<QString> hex = ConvertToSensor(c.id, c.value, c.variant.analog);
        if (c.hex) {
            ASSERT_TRUE(hex.has_value()) << c.id;
            EXPECT_EQ(*hex, QString::fromLatin1(c.hex)) << c.id;
        } else {
            EXPECT_FALSE(hex.has_value()) << c.id << " " << hex.value_or("").toStdString();
        }
    }
}

TEST(EchoCells, ErrorsOfAnswers) {
    const EchoCells::StatusTexts texts = EchoCells::DefaultStatusTexts();
    struct Case {
        QString answer;
        std::optional<QString> error;
    } const cases[] = {
        {"", "TIMEOUT"},
        {QString(QChar(0x81)), "81h <ungültiger Parameter>"},
        {QString(QChar(0x82)) + "xx", "82h <ungültiger Befehl>"},
        {QString(QChar(0x84)), "84h <Hardware Fehler>"},
        {QString(QChar(0x80)), std::nullopt}, {QString(QChar(0x85)), std::nullopt}, {"01F4", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(EchoCells::AnswerError(c.answer, texts), c.error) << c.answer.toStdString();
}

}  // namespace
