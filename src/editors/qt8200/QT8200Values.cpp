#include "editors/qt8200/QT8200Values.h"

#include "frame/NumberFormat.h"
#include "frame/RuntimeError.h"

namespace QT8200Values {
namespace {

using NumberFormat::Format;
using NumberFormat::LeadingNumber;

constexpr int NormallyOpenDigit = 2;

std::optional<QString> modeDigit(int index) {
    if (index < 0) return std::nullopt;
    return Format(index + NormallyOpenDigit, QStringLiteral("0"));
}

// The count as the sensor's 16-bit integer; nothing when it does not fit.
std::optional<int> countValue(const QString& text) {
    try {
        return NumberFormat::CInt(LeadingNumber(text));
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

// The count checked against the method's range, or its smallest count when
// it is out of range. The field carries this checked count: rounding the
// text once more could take a half past the range (4.5 would go out as M5).
int countInRange(const QString& text, int lowest, int highest, std::optional<QString>& replaced) {
    const std::optional<int> n = countValue(text);
    if (n && *n >= lowest && *n <= highest) return *n;
    replaced = QString::number(lowest);
    return lowest;
}

}  // namespace

SwitchModes ShowSwitchModes(const QString& value) {
    return {int(LeadingNumber(value.mid(0, 1))) - NormallyOpenDigit,
            int(LeadingNumber(value.mid(1, 1))) - NormallyOpenDigit};
}

std::optional<QString> ComposeSwitchModes(int output1, int output2, bool analog) {
    const std::optional<QString> first = modeDigit(output1);
    if (!first || analog) return first;
    const std::optional<QString> second = modeDigit(output2);
    if (!second) return std::nullopt;
    return *first + *second;
}

EvalMethod ShowEvalMethod(const QString& value) {
    const qsizetype comma = value.indexOf(QLatin1Char(','));
    const QString first = comma < 0 ? value : value.left(comma);
    const QString second = comma < 0 ? QString() : value.mid(comma + 1);

    EvalMethod shown;
    // The sensor reports the word alone; what the editor itself wrote offline
    // (DYN1, BEW1) must show as the same choice, or the next edit of the
    // second field would switch the first one off.
    if (first == QLatin1String("DYN") || first == QLatin1String("DYN1")) shown.first = Dynamic;
    else if (first == QLatin1String("BEW") || first == QLatin1String("BEW1")) shown.first = Weighted;

    QString countText = second;
    if (second.startsWith(QLatin1Char('M'))) {
        countText = second.mid(1);
        // "M0" is what "none" writes; it shows as none.
        shown.second = LeadingNumber(countText) == 0 ? NoSecondMethod : Averaging;
    } else if (!second.isEmpty() && second.at(0).isDigit() && second.at(0).unicode() < 0x80) {
        shown.second = LeadingNumber(second) == 0 ? NoSecondMethod : Static;
    }
    shown.count = Format(LeadingNumber(countText), QStringLiteral("0"));
    return shown;
}

ComposedEvalMethod ComposeEvalMethod(int first, int second, const QString& countText) {
    ComposedEvalMethod composed;
    composed.first = first == Dynamic ? QStringLiteral("DYN1") : first == Weighted ? QStringLiteral("BEW1")
                                                                                   : QStringLiteral("OFF");
    switch (second) {
    case Static:
        composed.second = Format(countInRange(countText, 3, 255, composed.replacedCount), QStringLiteral("000"));
        break;
    case Averaging:
        composed.second = QLatin1Char('M') + QString::number(countInRange(countText, 2, 4, composed.replacedCount));
        break;
    default:
        composed.second = QStringLiteral("M0");
        break;
    }
    return composed;
}

}  // namespace QT8200Values
