#include "editors/common/TemperatureTexts.h"

#include "editors/common/TypedInput.h"
#include "frame/NumberFormat.h"

#include <cmath>

namespace TemperatureTexts {

using NumberFormat::Format;
using NumberFormat::LeadingNumber;

namespace {

// 0 °C in tenths of a kelvin, with the half tenth of the sensor's rounding.
constexpr double ZeroCelsiusTenths = 2731.5;

}  // namespace

QString ShowOffset(const QString& value) { return Format(LeadingNumber(value) / 10, QStringLiteral("0.0")); }

QString Show(const QString& value) {
    // (value - 2731.5) / 10 with the half rounded up: whole tenths, exactly.
    const double tenths = std::floor(LeadingNumber(value) - ZeroCelsiusTenths + 0.5);
    return Format(tenths / 10, QStringLiteral("0.0"));
}

std::optional<QString> Compose(const QString& typed) {
    const std::optional<float> celsius = TypedInput::Number(typed);
    if (!celsius) return std::nullopt;
    return Format((double(*celsius) + 273.15) * 10 - 0.05, QStringLiteral("0"));
}

}  // namespace TemperatureTexts
