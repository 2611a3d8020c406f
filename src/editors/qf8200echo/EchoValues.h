#pragma once
#include <QString>
#include <optional>

// The QF8200Echo records' display values and the same values as the window's
// controls show them. "Show" turns a value into control contents; "Compose"
// turns control contents into the value to store, or nothing when the input
// cannot be stored (empty, no number, not a single value, no selection).
namespace EchoValues {

// The sound velocity, the whole numbers and the list positions are shown and
// composed as on the other lines (ValueTexts); this line adds:

// TO: the temperature offset in 0.1 K, typed in K in the user's locale.
std::optional<QString> ComposeTemperatureOffset(const QString& typed);

// OPM1, OPM2: "S" switch point, "W" window, "H" hysteresis, as positions 0-2.
int OperatingModePosition(const QString& value);
std::optional<QString> ComposeOperatingMode(int position);

// EVM: the method word and the item data of its cmbEvalMethod entry
// (0 none, 1 DYN, 2 PT1, 3 MXN). The window offers no entry for DYN; a method
// the list does not offer is stored as "NONE", which the sensor reads back as 0.
int EvalMethodItemData(const QString& method);
QString EvalMethodWord(int itemData);

// BITS: bit 2 an error without echo, bit 3 the taught switch points (or
// evaluation limits) in use, bit 4 the synchronised start-up. The other bits
// belong to the sensor and are kept.
enum OptionBit { EchoErrorBit = 2, TeachInBit = 3, StartupBit = 4 };
struct OptionBits {
    int echoError = 0;
    bool teachIn = false;
    int startup = 0;
};
OptionBits ShowOptionBits(const QString& value);
QString ComposeOptionBits(const QString& stored, const OptionBits& bits);
bool IsTaught(const QString& bitsValue);
// One bit of BITS read or set alone.
int OptionBitOf(const QString& bitsValue, OptionBit bit);
QString ComposeOptionBit(const QString& stored, OptionBit bit, bool set);

// MM: bit 0 chooses the sensitivity (0) or the beam widths (1).
int MeasuringModeIndex(const QString& value);
QString ComposeMeasuringMode(const QString& stored, int index);

// The counts of the evaluation methods, from a typed number: the low-pass
// weight 1 to 1000, the mean's count M 0 to 8 (a number outside is taken to
// the bound it crossed).
std::optional<QString> ComposeWeight(const QString& typed);
std::optional<QString> ComposeMCount(const QString& typed);
std::optional<QString> ComposeNCount(const QString& typed);
// The mean discards N of M values and keeps N below M / 2: the lowered N
// when n is too large for m, nothing when n may stay.
std::optional<QString> NCountBelowHalf(const QString& n, const QString& m);

}  // namespace EchoValues
