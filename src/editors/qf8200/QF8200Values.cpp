#include "editors/qf8200/QF8200Values.h"

#include "editors/common/TypedInput.h"
#include "frame/NumberFormat.h"
#include "frame/RuntimeError.h"

#include <algorithm>

namespace QF8200Values {
namespace {

using NumberFormat::Format;
using NumberFormat::LeadingNumber;

const QString OutputModeLetters = QStringLiteral("SWRHL");
const QString AnalogModeLetters = QStringLiteral("SL");

// The integer conversion of the sensor's own texts (halves to even); a value
// beyond 16 bits cannot be shown.
std::optional<int> toInteger(double value) {
    try {
        return NumberFormat::CInt(value);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

std::optional<QString> wholeText(std::optional<int> value) {
    if (!value) return std::nullopt;
    return Format(*value, QStringLiteral("0"));
}

// The text after the first ","; empty when there is none.
QString afterComma(const QString& value) {
    const qsizetype comma = value.indexOf(QLatin1Char(','));
    return comma < 0 ? QString() : value.mid(comma + 1);
}

// The letter's place in letters, 0 for any other letter.
int letterIndex(const QString& letters, const QString& letter) {
    if (letter.isEmpty()) return 0;
    return std::max<qsizetype>(0, letters.indexOf(letter.at(0)));
}

std::optional<QString> letterAt(const QString& letters, int index) {
    if (index < 0 || index >= letters.size()) return std::nullopt;
    return letters.mid(index, 1);
}

// A typed number as a whole number in the format "0".
std::optional<QString> typedWhole(const std::optional<QString>& typed) {
    const std::optional<float> number = typed ? TypedInput::Number(*typed) : std::nullopt;
    if (!number) return std::nullopt;
    return Format(*number, QStringLiteral("0"));
}

std::optional<int> typedInteger(const std::optional<QString>& typed) {
    const std::optional<float> number = typed ? TypedInput::Number(*typed) : std::nullopt;
    if (!number) return std::nullopt;
    return toInteger(*number);
}

}  // namespace

QString ShowSoundVelocity(const QString& value) { return Format(LeadingNumber(value) / 100, QStringLiteral("0.0#")); }

std::optional<QString> ComposeSoundVelocity(const QString& typed) {
    const std::optional<float> velocity = TypedInput::Number(typed);
    if (!velocity) return std::nullopt;
    const float hundredths = *velocity * 100.0f;   // single precision, as the sensor's unit is computed
    return TypedInput::GeneralText(hundredths);
}

QString ShowTemperatureOffset(const QString& value) { return Format(LeadingNumber(value) / 10, QStringLiteral("0.0")); }

QString ShowTemperature(const QString& value) {
    return Format(LeadingNumber(value) / 10 - 273.15, QStringLiteral("0.0"));
}

std::optional<QString> ComposeTemperature(const QString& typed) {
    const std::optional<float> celsius = TypedInput::Number(typed);
    if (!celsius) return std::nullopt;
    return Format((double(*celsius) + 273.15) * 10 - 0.05, QStringLiteral("0"));
}

QString ShowWholeNumber(const QString& value) { return Format(LeadingNumber(value), QStringLiteral("0")); }

std::optional<QString> ComposeAsTyped(const QString& typed) { return TypedInput::AsTyped(typed); }

std::optional<QString> ComposeReference(const QString& typed) {
    const std::optional<float> distance = TypedInput::Number(typed);
    if (!distance) return std::nullopt;
    return TypedInput::GeneralText(*distance);
}

std::optional<int> ShowListIndex(const QString& value) { return toInteger(LeadingNumber(value)); }

std::optional<QString> ComposeListIndex(int index) {
    if (index < 0) return std::nullopt;
    return QString::number(index);
}

SwitchModes ShowSwitchModes(const QString& value) {
    return {toInteger(LeadingNumber(value.mid(0, 1))), toInteger(LeadingNumber(value.mid(1, 1)))};
}

std::optional<QString> ComposeSwitchModes(int output1, int output2, bool hasOutput2) {
    const std::optional<QString> first = ComposeListIndex(output1);
    if (!first) return std::nullopt;
    if (!hasOutput2) return first;
    const std::optional<QString> second = ComposeListIndex(output2);
    if (!second) return std::nullopt;
    return *first + *second;
}

OperatingModes ShowOperatingModes(const QString& value) {
    OperatingModes modes;
    modes.output1 = letterIndex(OutputModeLetters, value.mid(0, 1));
    modes.output2 = letterIndex(OutputModeLetters, value.mid(1, 1));
    modes.analog = value.mid(1, 1) == QLatin1String("L") ? 1 : 0;
    return modes;
}

std::optional<QString> ComposeOperatingModes(int output1, int output2, int analog, bool hasOutput2,
                                             bool hasAnalog) {
    const std::optional<QString> first = letterAt(OutputModeLetters, output1);
    if (!first) return std::nullopt;
    if (!hasOutput2 && !hasAnalog) return first;
    const std::optional<QString> second =
        hasOutput2 ? letterAt(OutputModeLetters, output2) : letterAt(AnalogModeLetters, analog);
    if (!second) return std::nullopt;
    return *first + *second;
}

FailSafe ShowFailSafe(const QString& value) {
    FailSafe shown;
    shown.mode = toInteger(LeadingNumber(value.mid(0, 1)));
    shown.current = toInteger(LeadingNumber(afterComma(value)));
    if (shown.current)
        shown.currentText = *shown.current < 0 ? Format(*shown.current, QStringLiteral("0"))
                                                : Format(*shown.current / 10.0, QStringLiteral("0.0"));
    return shown;
}

std::optional<QString> ComposeFailSafe(int mode, bool withCurrent, const QString& typedCurrent) {
    std::optional<QString> value = ComposeListIndex(mode);
    if (!value || !withCurrent) return value;
    const std::optional<float> milliamperes = TypedInput::Number(typedCurrent);
    if (!milliamperes) return std::nullopt;
    const std::optional<int> tenths = toInteger(*milliamperes * 10.0f);
    if (!tenths) return std::nullopt;
    return *value + QLatin1Char(',') + Format(std::max(0, *tenths), QStringLiteral("0"));
}

QString NormalizeEvalMethod(const QString& value) {
    return value == QLatin1String("NONE") ? QStringLiteral("0") : value;
}

EvalFields ShowEvalMethod(const QString& value) {
    EvalFields shown;
    const qsizetype p = value.indexOf(QLatin1Char(','));
    const QString head = p < 0 ? value : value.left(p);
    const QString rest = p < 0 ? QString() : value.mid(p + 1);
    const qsizetype q = rest.indexOf(QLatin1Char(','));   // relative to rest
    if (head == QLatin1String("DYN")) {
        shown.method = Dynamic;
        shown.diff = ShowWholeNumber(rest);
    } else if (head == QLatin1String("PT1")) {
        shown.method = LowPass;
        shown.weight = ShowWholeNumber(q < 0 ? rest : rest.left(q));
        const QString afterWeight = q < 0 ? QString() : rest.mid(q + 1);
        const qsizetype r = afterWeight.indexOf(QLatin1Char(','));
        if (r >= 0) {
            shown.diff = wholeText(toInteger(LeadingNumber(afterWeight.left(r))));
            shown.threshold = wholeText(toInteger(LeadingNumber(afterWeight.mid(r + 1))));
        } else {
            shown.diff = QStringLiteral("0");
            shown.threshold = QStringLiteral("0");
        }
    } else if (head == QLatin1String("MXN")) {
        shown.method = Mean;
        shown.mCount = ShowWholeNumber(rest.left(1));
        shown.nCount = ShowWholeNumber(q < 0 ? QString() : rest.mid(q + 1));
    }
    return shown;
}

std::optional<QString> ComposeEvalMethod(int method, bool withNumbers, const EvalFields& typed) {
    switch (method) {
    case Dynamic: {
        if (!withNumbers) return QStringLiteral("DYN");
        const std::optional<QString> diff = typedWhole(typed.diff);
        if (!diff) return std::nullopt;
        return QStringLiteral("DYN,") + *diff;
    }
    case LowPass: {
        if (!withNumbers) return QStringLiteral("PT1");
        const std::optional<QString> weight = typedWhole(typed.weight);
        const std::optional<QString> diff = typedWhole(typed.diff);
        const std::optional<QString> threshold = typedWhole(typed.threshold);
        if (!weight || !diff || !threshold) return std::nullopt;
        return QStringLiteral("PT1,%1,%2,%3").arg(*weight, *diff, *threshold);
    }
    case Mean: {
        if (!withNumbers) return QStringLiteral("MXN");
        std::optional<int> m = typedInteger(typed.mCount);
        std::optional<int> n = typedInteger(typed.nCount);
        if (!m || !n) return std::nullopt;
        // A mean over no values means nothing: 0 and 0 become the counts 5 and 2.
        if (*m == 0 && *n == 0) {
            m = 5;
            n = 2;
        }
        return QStringLiteral("MXN,%1,%2").arg(*m).arg(*n);
    }
    default:
        return QStringLiteral("0");
    }
}

}  // namespace QF8200Values
