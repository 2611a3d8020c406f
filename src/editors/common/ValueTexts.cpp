#include "editors/common/ValueTexts.h"

#include "editors/common/TextNumbers.h"
#include "editors/common/TypedInput.h"
#include "frame/NumberFormat.h"

namespace ValueTexts {

using NumberFormat::Format;
using NumberFormat::LeadingNumber;

QString ShowSoundVelocity(const QString& value) { return Format(LeadingNumber(value) / 100, QStringLiteral("0.0#")); }

std::optional<QString> ComposeSoundVelocity(const QString& typed) {
    const std::optional<float> velocity = TypedInput::Number(typed);
    if (!velocity) return std::nullopt;
    // Scaled in double precision: a single-precision product keeps the typed
    // number's binary noise in the seven digits sent (8.02 would go out as
    // 802.0001 hundredths).
    return QString::number(double(*velocity) * 100.0, 'g', 7);
}

std::optional<QString> ComposeReference(const QString& typed) {
    const std::optional<float> distance = TypedInput::Number(typed);
    if (!distance) return std::nullopt;
    return TypedInput::GeneralText(*distance);
}

QString ShowWholeNumber(const QString& value) { return Format(LeadingNumber(value), QStringLiteral("0")); }

std::optional<QString> ComposeFormatted(const QString& typed, const QString& pattern) {
    const std::optional<double> number = TypedInput::LeadingNumber(typed);
    if (!number) return std::nullopt;
    return Format(*number, pattern);
}

FaultCurrent ShowFaultCurrent(const QString& failSafeValue) {
    FaultCurrent current;
    current.tenths = TextNumbers::ToInteger(LeadingNumber(TextNumbers::AfterComma(failSafeValue)));
    if (current.tenths)
        current.shown = *current.tenths < 0 ? Format(*current.tenths, QStringLiteral("0"))
                                            : Format(*current.tenths / 10.0, QStringLiteral("0.0"));
    return current;
}

std::optional<int> ShowListIndex(const QString& value) { return TextNumbers::ToInteger(LeadingNumber(value)); }

std::optional<QString> ComposeListIndex(int index) {
    if (index < 0) return std::nullopt;
    return QString::number(index);
}

}  // namespace ValueTexts
