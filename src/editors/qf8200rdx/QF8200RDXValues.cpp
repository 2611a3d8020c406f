#include "editors/qf8200rdx/QF8200RDXValues.h"

#include "editors/common/TypedInput.h"
#include "editors/common/TextNumbers.h"
#include "frame/NumberFormat.h"

#include <QStringList>

namespace QF8200RDXValues {
namespace {

using NumberFormat::Format;
using NumberFormat::LeadingNumber;

constexpr int NormallyClosed = 1;
constexpr int Inactive = 2;
constexpr int InactiveInclination = 1;
constexpr int SwitchingFunction = 1;
constexpr int NoFaultCurrent = -1;

QString whole(double number) { return Format(number, QStringLiteral("0")); }

// The number of the field at position i of fields, 0 when there is none.
double numberAt(const QStringList& fields, qsizetype i) { return i < fields.size() ? LeadingNumber(fields[i]) : 0; }

// A typed delay in ms as the sensor's 10 ms steps (remainder dropped).
std::optional<int> tensOfMs(const QString& typed) {
    const std::optional<float> ms = TypedInput::Number(typed);
    if (!ms) return std::nullopt;
    const std::optional<int> whole = TextNumbers::ToInteger(*ms);
    if (!whole) return std::nullopt;
    return *whole / 10;
}

}  // namespace

std::array<int, 3> ShowSwitchModes(const QString& value) {
    std::array<int, 3> entries{};
    for (int i = 0; i < 3; ++i) {
        const QString c = value.mid(i, 1);
        entries[size_t(i)] = c == QLatin1String("I") ? Inactive : c == QLatin1String("1") ? NormallyClosed : 0;
    }
    return entries;
}

QString ComposeSwitchModes(const std::vector<int>& entries) {
    QString value;
    for (int entry : entries)
        value += entry == Inactive ? QLatin1Char('I') : entry == NormallyClosed ? QLatin1Char('1') : QLatin1Char('0');
    return value;
}

std::array<int, 3> ShowFailSafeModes(const QString& value) {
    std::array<int, 3> modes{};
    for (int i = 0; i < 3; ++i) modes[size_t(i)] = int(LeadingNumber(value.mid(i, 1)));
    return modes;
}

std::optional<QString> ComposeFailSafe(const std::vector<int>& modes, const std::optional<QString>& typedCurrent) {
    QString value;
    for (int mode : modes) {
        // A list without a selection has no digit to give.
        if (mode < 0) return std::nullopt;
        value += QString::number(mode);
    }
    if (!typedCurrent) return value;
    const std::optional<float> milliamperes = TypedInput::Number(*typedCurrent);
    if (!milliamperes) return std::nullopt;
    if (*milliamperes == float(NoFaultCurrent)) return value + QStringLiteral(",-1");
    const std::optional<int> tenths = TextNumbers::ToInteger(*milliamperes * 10.0f);
    if (!tenths) return std::nullopt;
    return value + QLatin1Char(',') + whole(*tenths);
}

EvalMethod::Shown ShowEvalMethod(const QString& value) {
    EvalMethod::Shown shown;
    const QString word = value.section(QLatin1Char(','), 0, 0);
    const QString rest = TextNumbers::AfterComma(value);
    const QStringList numbers = rest.isEmpty() ? QStringList() : rest.split(QLatin1Char(','));
    EvalMethod::Fields& f = shown.fields;
    if (word == QLatin1String("DYN")) {
        shown.method = EvalMethod::Dynamic;
        f.diff = whole(numberAt(numbers, 0));
    } else if (word == QLatin1String("PT1")) {
        shown.method = EvalMethod::LowPass;
        f.weight = whole(numberAt(numbers, 0));
        // With two numbers only, the second is the threshold.
        const bool withDiff = numbers.size() > 2;
        f.diff = whole(withDiff ? numberAt(numbers, 1) : 0);
        f.threshold = whole(numberAt(numbers, withDiff ? 2 : 1));
    } else if (word == QLatin1String("MXN")) {
        shown.method = EvalMethod::Mean;
        f.mCount = whole(numberAt(numbers, 0));
        f.nCount = whole(numberAt(numbers, 1));
    }
    return shown;
}

int ShowMainApplication(const QString& value) { return value == QLatin1String("S") ? SwitchingFunction : 0; }

QString ComposeMainApplication(int entry) {
    return entry == SwitchingFunction ? QStringLiteral("S") : QStringLiteral("A");
}

Inclination ShowInclination(const QString& value) {
    Inclination shown;
    const double on = LeadingNumber(value);
    shown.active = on != -1;
    if (shown.active) {
        shown.onMs = whole(on * 10);
        shown.offMs = whole(LeadingNumber(TextNumbers::AfterComma(value)) * 10);
    }
    return shown;
}

std::optional<QString> ComposeInclination(int entry, const QString& typedOnMs, const QString& typedOffMs) {
    if (entry == InactiveInclination) return QStringLiteral("-1");
    const std::optional<int> on = tensOfMs(typedOnMs);
    const std::optional<int> off = tensOfMs(typedOffMs);
    if (!on || !off) return std::nullopt;
    return QStringLiteral("%1,%2").arg(*on).arg(*off);
}

}  // namespace QF8200RDXValues
