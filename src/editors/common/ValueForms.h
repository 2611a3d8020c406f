#pragma once
#include <QString>

// The form of the value text a record holds, as the sensor answers it and as
// an editor composes it from its controls: a regular expression the whole
// text must match. Every number in it must also lie within the sensor's
// whole numbers (32 bits), so "1e308", "nan" or a fifteen-digit number are no
// values, whatever a field would make of them.
namespace ValueForms {

// Digits with at most one decimal point ("500", "343.25", "5.", ".5"): a
// number as the sensor reads it, without its sign.
inline const QString Decimal = QStringLiteral("(?:[0-9]+(?:\\.[0-9]*)?|\\.[0-9]+)");
// One plain decimal number, as typed or answered ("500", "-25", "343.25"),
// blanks around it allowed.
inline const QString Number = QStringLiteral(" *-?") + Decimal + QStringLiteral(" *");
// The value of a list field: one of the whole numbers first to last that
// its entries stand for (their positions, or their item data). A number
// beyond them would reach the sensor as a setting no entry offers.
QString ListEntry(int first, int last);

bool Fits(const QString& value, const QString& form);

}  // namespace ValueForms
