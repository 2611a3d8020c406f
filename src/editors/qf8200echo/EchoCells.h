#pragma once
#include <QString>
#include <array>
#include <optional>

// The memory-cell encodings of the QF8200Echo line. A record keeps the value
// as the user sees it ("500", "-50", "W", "MXN"); the sensor's cells hold
// hex: a word cell ("WXE...") four digits, high byte first, a byte cell
// ("XE...") two digits.
namespace EchoCells {

enum class Encoding {
    Unchanged,   // not a cell value the editor converts
    Unsigned16,
    Signed16,
    Unsigned8,
    OperatingMode,   // S, W, H as 0, 1, 2
    EvalMethod,      // DYN, MXN, PT1 as 1, 2, 3; anything else 0
};

// The form of a cell's answer (ValueForms): exactly its hex digits, four for
// a word cell and two for a byte cell. The conversions below read whatever
// digits there are; an answer of another form is line noise, not a value.
QString AnswerForm(const QString& memoryCell);

// How the record with that id is read and written. The taught operating mode
// is a letter on a switch-output sensor and a number on an analogue one.
Encoding ReadEncoding(int id, bool analogVariant);
Encoding WriteEncoding(int id, bool analogVariant);

// The display value of a cell answer. Hex digits count in either case; a
// digit pair the answer does not reach reads as 0, so an empty answer gives
// "0", "S" or "0".
QString ConvertToProg(int id, const QString& answer, bool analogVariant);

// The hex text to write for a display value (the value unchanged for a
// record without a cell encoding). Nothing when a number cannot be written:
// the text holds no number, or the number does not fit the cell (a value
// cut to four digits or wrapped into 16 bits would set another value).
std::optional<QString> ConvertToSensor(int id, const QString& value, bool analogVariant);

// The status texts of the answer bytes 80h to 84h, as the window's language
// gives them.
using StatusTexts = std::array<QString, 5>;
StatusTexts DefaultStatusTexts();

// The error an answer to a read carries: "TIMEOUT" for none, the status text
// of a first byte 80h to 84h (a status is no cell value); nothing for a good
// answer.
std::optional<QString> AnswerError(const QString& answer, const StatusTexts& texts);

}  // namespace EchoCells
