#include "mainwin/DisplayReadouts.h"

#include "frame/NumberFormat.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace DisplayReadouts {

int SensorKindOf(const QString& pictureName) {
    if (pictureName == QLatin1String("SENSSTDECHO")) return Echo;
    if (pictureName == QLatin1String("SENSRDX")) return Rdx;
    return Standard;
}

SwitchMode ReadSwitchMode(const QString& modeText) {
    if (modeText == QLatin1String("I")) return {0, true};
    // Only mode 0 or not matters; a number beyond an int still is not 0.
    const double mode = NumberFormat::LeadingNumber(modeText);
    return {int(std::clamp(mode, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max()))),
            false};
}

Led OutputLed(int state, int mode, int errorMode) {
    const bool normallyOpen = mode == 0;
    const Led active = normallyOpen ? Led::Yellow : Led::Off;
    const Led inactive = normallyOpen ? Led::Off : Led::Yellow;
    switch (state) {
    case Inactive: return inactive;
    case Active: return active;
    case Error:
        switch (errorMode) {
        case -1: return Led::Red;
        case 1: return active;
        case 2: return inactive;
        default: return Led::Unchanged;
        }
    default: return Led::Off;
    }
}

int OutputStateFromAnswer(const QString& answer) {
    if (answer == QLatin1String("0")) return Inactive;
    if (answer == QLatin1String("1")) return Active;
    if (answer == QLatin1String("E")) return Error;
    return NoAnswer;
}

bool FailureCounter::Fail() {
    if (count_ < Limit) {
        ++count_;
        return false;
    }
    return true;
}

AnalogOutput AnalogFor(long analog, const AnalogRange& range, int sensorKind, bool fault) {
    if (fault && range.faultCurrent != -1) return {range.faultCurrent / 10.0, range.faultCurrent * 2 / 40.0};
    const long span = range.high != range.low ? range.high - range.low : 1;
    // Clamping the ratio rather than the raw value keeps a falling
    // characteristic (low end above the high end) right.
    const double ratio = std::clamp(double(analog - range.low) / double(span), 0.0, 1.0);
    const double volts = sensorKind == Echo ? ratio * 10 : ratio * 8 + 2;
    return {ratio * 16 + 4, volts};
}

QString FormatAnalog(double value) { return NumberFormat::Format(value, QStringLiteral("0.00")); }

QString NoReadingText() { return QStringLiteral("---"); }

DistanceText DistanceTextFor(std::optional<long> distance) {
    if (!distance) return {NoReadingText(), Black};
    if (*distance < 0) return {QStringLiteral("ERROR"), Red};
    return {QString::number(*distance) + QStringLiteral("mm"), Black};
}

}  // namespace DisplayReadouts
