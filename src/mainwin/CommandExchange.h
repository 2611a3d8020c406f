#pragma once
#include <QString>
#include <QStringList>

#include <array>

// What happens to a command typed in the command window on its way to the
// sensor and back, apart from the window itself.
namespace CommandExchange {

// The texts shown after a lone status byte 80h to 84h (index = byte - 80h).
using StatusTexts = std::array<QString, 5>;
const StatusTexts& BuiltInStatusTexts();

// Typed exactly so, the command is not sent: the traffic monitor gets the
// state of the serial layer instead.
inline const QString DiagnosticCommand = QStringLiteral("#KV");
// Those three lines, each to be shown after the prefix "D:".
QStringList DiagnosticLines(int readDepth, bool echoMode, bool echoWaitAlways);

// Upper case that keeps every character a single Latin-1 byte: "ß" stays
// "ß" (not "SS"), and "ÿ" and "µ", whose capitals lie outside Latin-1, stay
// as they are.
QString UpperLatin1(const QString& text);

// The answer as the window shows it: a lone status byte followed by a blank
// and its status text, any other lone character followed by its code
// (" (HEX=41)"); longer and empty answers unchanged.
QString ShownAnswer(const QString& answer, const StatusTexts& statusTexts);

// Sends a typed command and returns the sensor's answer as the active editor
// converts it for display (it gets the command as typed). Before sending, the
// editor may turn the command into the sensor's own and says whether the
// request goes to the traffic monitor; upperCase then upper-cases the text sent.
QString Exchange(const QString& typed, bool upperCase);

}  // namespace CommandExchange
