#include "editors/common/TypedInput.h"

#include "editors/common/ValueForms.h"

#include <QLocale>

#include "frame/NumberFormat.h"
#include "frame/STRING_UTIL.h"

#include <QRegularExpression>

using STRING_UTIL::StrToSingle;
using STRING_UTIL::TrimBlanks;

namespace TypedInput {

bool IsSingleValue(const QString& text) {
    for (QChar c : text)
        if (c == QLatin1Char(',') || c.unicode() < 0x20 || c.unicode() == 0x7F) return false;
    return true;
}

std::optional<float> Number(const QString& text) {
    if (TrimBlanks(text).isEmpty()) return std::nullopt;
    int error = 0;
    const float value = StrToSingle(text, error);
    if (error != 0) return std::nullopt;
    return value;
}

std::optional<double> LeadingNumber(const QString& text) {
    if (!IsSingleValue(text)) return std::nullopt;
    // The sensor's reading of the text gives 0 for "abc" as for "0": only a
    // digit where the number starts tells them apart.
    static const QRegularExpression startsWithNumber(QStringLiteral("^ *[+-]?\\.?[0-9]"));
    if (!startsWithNumber.match(text).hasMatch()) return std::nullopt;
    return NumberFormat::LeadingNumber(text);
}

bool SensorReadsAsMeant(const QString& typed) { return !typed.contains(QLocale().groupSeparator()); }

std::optional<QString> AsTyped(const QString& text) {
    // The sensor reads the digits and one "." and stops at anything else:
    // "1e2" reaches it as 1, and a sign or a blank as no number at all.
    static const QRegularExpression plainDecimal(QLatin1Char('^') + ValueForms::Decimal + QLatin1Char('$'));
    if (!plainDecimal.match(text).hasMatch()) return std::nullopt;
    if (!SensorReadsAsMeant(text) || !Number(text)) return std::nullopt;
    return text;
}

QString GeneralText(float value) { return QString::number(double(value), 'g', 7); }

}  // namespace TypedInput
