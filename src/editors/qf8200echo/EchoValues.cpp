#include "editors/qf8200echo/EchoValues.h"

#include "editors/common/TypedInput.h"
#include "frame/NumberFormat.h"
#include "frame/Utils.h"
#include "frame/bit.h"


#include <algorithm>
#include <cmath>

namespace EchoValues {
namespace {

using NumberFormat::LeadingNumber;

constexpr int MeasuringModeBit = 0;

const QString OperatingModeLetters = QStringLiteral("SWH");

// A stored value as the byte it stands for.
quint8 storedByte(const QString& value) {
    return quint8(std::clamp(std::nearbyint(LeadingNumber(value)), 0.0, 255.0));
}

// A count as the sensor reads numbers.
std::optional<double> countOf(const QString& typed) {
    if (!TypedInput::SensorReadsAsMeant(typed)) return std::nullopt;
    return TypedInput::LeadingNumber(typed);
}

std::optional<QString> clampedCount(const QString& typed, double lowest, double highest) {
    const std::optional<double> number = countOf(typed);
    if (!number) return std::nullopt;
    return TypedInput::GeneralText(float(CheckRange(*number, lowest, highest)));
}

}  // namespace

std::optional<QString> ComposeTemperatureOffset(const QString& typed) {
    const std::optional<float> kelvin = TypedInput::Number(typed);
    if (!kelvin) return std::nullopt;
    const float tenths = *kelvin * 10.0f;   // single precision, as the sensor's unit is computed
    return TypedInput::GeneralText(tenths);
}

int OperatingModePosition(const QString& value) {
    if (value == QLatin1String("W")) return 1;
    if (value == QLatin1String("H")) return 2;
    return 0;
}

std::optional<QString> ComposeOperatingMode(int position) {
    if (position < 0 || position >= OperatingModeLetters.size()) return std::nullopt;
    return OperatingModeLetters.mid(position, 1);
}

int EvalMethodItemData(const QString& method) {
    if (method == QLatin1String("DYN")) return 1;
    if (method == QLatin1String("PT1")) return 2;
    if (method == QLatin1String("MXN")) return 3;
    return 0;
}

QString EvalMethodWord(int itemData) {
    if (itemData == 2) return QStringLiteral("PT1");
    if (itemData == 3) return QStringLiteral("MXN");
    return QStringLiteral("NONE");
}

OptionBits ShowOptionBits(const QString& value) {
    const quint8 byte = storedByte(value);
    return {GetBit(byte, EchoErrorBit), GetBit(byte, TeachInBit) == 1, GetBit(byte, StartupBit)};
}

QString ComposeOptionBits(const QString& stored, const OptionBits& bits) {
    quint8 byte = storedByte(stored);
    SetBit(byte, EchoErrorBit, int(bits.echoError));
    SetBit(byte, TeachInBit, bits.teachIn ? 1 : 0);
    SetBit(byte, StartupBit, int(bits.startup));
    return QString::number(byte);
}

bool IsTaught(const QString& bitsValue) { return ShowOptionBits(bitsValue).teachIn; }

int OptionBitOf(const QString& bitsValue, OptionBit bit) { return GetBit(storedByte(bitsValue), bit); }

QString ComposeOptionBit(const QString& stored, OptionBit bit, bool set) {
    quint8 byte = storedByte(stored);
    SetBit(byte, bit, set ? 1 : 0);
    return QString::number(byte);
}

int MeasuringModeIndex(const QString& value) { return GetBit(storedByte(value), MeasuringModeBit); }

QString ComposeMeasuringMode(const QString& stored, int index) {
    quint8 byte = storedByte(stored);
    SetBit(byte, MeasuringModeBit, index);
    return QString::number(byte);
}

std::optional<QString> ComposeWeight(const QString& typed) { return clampedCount(typed, 1, 1000); }

std::optional<QString> ComposeMCount(const QString& typed) { return clampedCount(typed, 0, 8); }

std::optional<QString> ComposeNCount(const QString& typed) {
    const std::optional<double> number = countOf(typed);
    if (!number) return std::nullopt;
    return TypedInput::GeneralText(float(*number));
}

std::optional<QString> NCountBelowHalf(const QString& n, const QString& m) {
    double half = LeadingNumber(m) / 2;
    if (LeadingNumber(n) < half) return std::nullopt;
    half -= 1;
    if (half <= 0) return QStringLiteral("0");
    return QString::number(std::nearbyint(half));   // halves to the even neighbour
}

}  // namespace EchoValues
