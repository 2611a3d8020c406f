#pragma once
#include <QString>
#include <optional>

// The QF8200 records' value texts as the sensor holds them, and the same
// values as the editor's controls show them. "Show" functions turn a value
// into control contents; "Compose" functions turn control contents into the
// value to write, or nothing when the input cannot be written (empty, no
// number, an extra argument, a list without a selection). A part that cannot
// be shown is left out (the control keeps what it showed).
namespace QF8200Values {

// VS and VS0: the velocity in 0.01 m/s, shown in m/s.
QString ShowSoundVelocity(const QString& value);
std::optional<QString> ComposeSoundVelocity(const QString& typed);

// TO: the temperature offset in 0.1 K, shown in K.
QString ShowTemperatureOffset(const QString& value);

// TEM: the absolute temperature in 0.1 K, shown in degrees Celsius.
QString ShowTemperature(const QString& value);
std::optional<QString> ComposeTemperature(const QString& typed);

// Whole numbers (times, filters, distances, hysteresis): shown as their
// leading number, written as typed.
QString ShowWholeNumber(const QString& value);
std::optional<QString> ComposeAsTyped(const QString& typed);

// REF: written as the number typed; the field is shown empty.
std::optional<QString> ComposeReference(const QString& typed);

// A list whose index is the value (UDS, NEF).
std::optional<int> ShowListIndex(const QString& value);
std::optional<QString> ComposeListIndex(int index);

// OM: one digit per output (0 normally open, 1 normally closed).
struct SwitchModes {
    std::optional<int> output1;
    std::optional<int> output2;
};
SwitchModes ShowSwitchModes(const QString& value);
// The second digit only when the sensor has a second switch output.
std::optional<QString> ComposeSwitchModes(int output1, int output2, bool hasOutput2);

// OPM: one letter per output of "SWRHL" (switch point, window, reflex
// barrier, hysteresis, range monitoring); the analogue output's letter is of
// "SL" (standard, range monitoring).
struct OperatingModes {
    int output1 = 0;
    int output2 = 0;   // when the sensor has a second switch output
    int analog = 0;    // otherwise
};
OperatingModes ShowOperatingModes(const QString& value);
std::optional<QString> ComposeOperatingModes(int output1, int output2, int analog, bool hasOutput2,
                                             bool hasAnalog);

// FSF: the fault behaviour digit and, after a ",", the fault current in 0.1 mA.
struct FailSafe {
    std::optional<int> mode;
    std::optional<int> current;      // 0 when the value has none
    std::optional<QString> currentText;   // mA; a negative current is shown as it is
};
FailSafe ShowFailSafe(const QString& value);
// The current only while its field is enabled (the sensor has an analogue
// output and a fault behaviour other than 0); negative currents become 0.
std::optional<QString> ComposeFailSafe(int mode, bool withCurrent, const QString& typedCurrent);

// EM: "0" (none; the sensor answers "NONE"), or "DYN", "PT1", "MXN" with
// their numbers.
enum EvalMethod { NoMethod = 0, Dynamic = 1, LowPass = 2, Mean = 3 };
struct EvalFields {
    int method = NoMethod;
    std::optional<QString> diff;
    std::optional<QString> weight;
    std::optional<QString> threshold;
    std::optional<QString> mCount;
    std::optional<QString> nCount;
};
// The sensor's "NONE" is kept as "0".
QString NormalizeEvalMethod(const QString& value);
EvalFields ShowEvalMethod(const QString& value);
// withNumbers False composes the method word alone (the list was chosen).
std::optional<QString> ComposeEvalMethod(int method, bool withNumbers, const EvalFields& typed);

}  // namespace QF8200Values
