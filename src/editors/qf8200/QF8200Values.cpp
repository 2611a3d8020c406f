#include "editors/qf8200/QF8200Values.h"

#include "editors/common/TextNumbers.h"
#include "editors/common/TypedInput.h"
#include "editors/common/ValueTexts.h"
#include "frame/NumberFormat.h"

#include <algorithm>

namespace QF8200Values {
namespace {

using NumberFormat::Format;
using NumberFormat::LeadingNumber;
using TextNumbers::ToInteger;

const QString OutputModeLetters = QStringLiteral("SWRHL");
const QString AnalogModeLetters = QStringLiteral("SL");

// The letter's place in letters, 0 for any other letter.
int letterIndex(const QString& letters, const QString& letter) {
    if (letter.isEmpty()) return 0;
    return std::max<qsizetype>(0, letters.indexOf(letter.at(0)));
}

std::optional<QString> letterAt(const QString& letters, int index) {
    if (index < 0 || index >= letters.size()) return std::nullopt;
    return letters.mid(index, 1);
}

QString whole(const QString& text) { return ValueTexts::ShowWholeNumber(text); }

}  // namespace

SwitchModes ShowSwitchModes(const QString& value) {
    return {ToInteger(LeadingNumber(value.mid(0, 1))), ToInteger(LeadingNumber(value.mid(1, 1)))};
}

std::optional<QString> ComposeSwitchModes(int output1, int output2, bool hasOutput2) {
    const std::optional<QString> first = ValueTexts::ComposeListIndex(output1);
    if (!first) return std::nullopt;
    if (!hasOutput2) return first;
    const std::optional<QString> second = ValueTexts::ComposeListIndex(output2);
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

std::optional<int> ShowFailSafeMode(const QString& value) { return ToInteger(LeadingNumber(value.mid(0, 1))); }

std::optional<QString> ComposeFailSafe(int mode, bool withCurrent, const QString& typedCurrent) {
    std::optional<QString> value = ValueTexts::ComposeListIndex(mode);
    if (!value || !withCurrent) return value;
    const std::optional<float> milliamperes = TypedInput::Number(typedCurrent);
    if (!milliamperes) return std::nullopt;
    const std::optional<int> tenths = ToInteger(*milliamperes * 10.0f);
    if (!tenths) return std::nullopt;
    return *value + QLatin1Char(',') + Format(std::max(0, *tenths), QStringLiteral("0"));
}

EvalMethod::Shown ShowEvalMethod(const QString& value) {
    EvalMethod::Shown shown;
    EvalMethod::Fields& f = shown.fields;
    const QString head = value.section(QLatin1Char(','), 0, 0);
    const QString rest = TextNumbers::AfterComma(value);
    if (head == QLatin1String("DYN")) {
        shown.method = EvalMethod::Dynamic;
        f.diff = whole(rest);
    } else if (head == QLatin1String("PT1")) {
        shown.method = EvalMethod::LowPass;
        f.weight = whole(rest.section(QLatin1Char(','), 0, 0));
        const QString afterWeight = TextNumbers::AfterComma(rest);
        const bool withThreshold = afterWeight.contains(QLatin1Char(','));
        const auto rounded = [](const QString& text) {
            const std::optional<int> number = ToInteger(LeadingNumber(text));
            return number ? std::optional<QString>(QString::number(*number)) : std::nullopt;
        };
        f.diff = withThreshold ? rounded(afterWeight.section(QLatin1Char(','), 0, 0)) : QStringLiteral("0");
        f.threshold = withThreshold ? rounded(TextNumbers::AfterComma(afterWeight)) : QStringLiteral("0");
    } else if (head == QLatin1String("MXN")) {
        shown.method = EvalMethod::Mean;
        f.mCount = whole(rest.left(1));
        f.nCount = whole(TextNumbers::AfterComma(rest));
    }
    return shown;
}

}  // namespace QF8200Values
