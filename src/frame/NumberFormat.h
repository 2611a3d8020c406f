#pragma once
#include <QString>
#include <QtGlobal>

// Reading numbers out of sensor texts, showing numbers to the user and the
// integer conversions. Two rounding rules meet here on purpose: shown numbers
// round halves away from zero, integer conversions round halves to even.
namespace NumberFormat {

// Error number of CInt and CLng for a value outside the integer's range.
constexpr int Overflow = 6;

// The number a text starts with: leading blanks skipped, an optional sign,
// digits with "." as the decimal point whatever the locale, an optional
// exponent ("E" or "D"); reading stops at the first character that cannot
// continue the number. 0 when the text starts with no number.
double LeadingNumber(const QString& text);

// The value in a display pattern: "0", "000", "0000", "00000" give the whole
// number padded with leading zeros to that many digits; after a "." each "0"
// is a decimal that is always shown and each "#" one shown only when it is not
// a trailing zero ("0.0", "0.0#"). Halves round away from zero, decimal halves
// as written (2.675 gives 2.68), and the decimal separator is the user's
// (QLocale()).
QString Format(double value, const QString& pattern);

// The value rounded to a whole number, halves to even (2.5 gives 2, 3.5
// gives 4); throws RuntimeError 6 ("Overflow") outside the 16-bit or 32-bit
// range.
qint16 CInt(double value);
qint32 CLng(double value);

}  // namespace NumberFormat
