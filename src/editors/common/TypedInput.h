#pragma once
#include <QString>
#include <optional>

// What the user types into an editor's fields, before it becomes part of a
// sensor command ("KEY,VALUE") or a parameter-file line ("KEY=VALUE").
namespace TypedInput {

// A text that can stand as one value: no "," (it would add arguments to the
// command) and no control character (it would end the command or the line).
bool IsSingleValue(const QString& text);

// The number typed, read with the user's locale (StrToSingle); nothing for an
// empty or blank text or one that is no number.
std::optional<float> Number(const QString& text);

// The number a typed text starts with, read as the sensor's own texts are
// ("." is the decimal point, reading stops where the number ends: "12mm"
// gives 12); nothing when the text holds no number at its start or is no
// single value. For fields the program writes in a fixed format.
std::optional<double> LeadingNumber(const QString& text);

// Whether the sensor, which reads "." as the decimal point, reads a typed
// number as the user means it: not when it holds the user's thousands
// separator ("1.500" in German would reach it as 1.5).
bool SensorReadsAsMeant(const QString& typed);

// A field whose text goes to the sensor exactly as typed ("0500" stays
// "0500"): the text when it is a plain decimal number (digits and at most
// one decimal point; no sign, exponent, hex prefix or blank: no such field
// goes below 0) that the user's locale reads as the sensor does.
std::optional<QString> AsTyped(const QString& text);

// A number as the sensor is sent it when the program converted it: as short as
// possible with up to 7 significant digits, no thousands separator and "." as
// the decimal point whatever the locale (a locale's "," would split the value
// into two arguments).
QString GeneralText(float value);

}  // namespace TypedInput
