#pragma once
#include "editors/common/EvalMethod.h"

#include <QString>
#include <optional>

// The QF8200 values that are more than one number, as the sensor holds them
// and as the editor's lists and fields show them. Values of a single number
// use ValueTexts and TemperatureTexts. A part that cannot be shown is left
// out (the control keeps what it showed); a Compose function gives nothing
// when a list has no entry selected.
namespace QF8200Values {

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

// FSF: the fault behaviour digit and, after a ",", the fault current
// (ValueTexts::ShowFaultCurrent). The current is written only while its
// field is enabled (the sensor has an analogue output and a fault behaviour
// other than 0); negative currents become 0.
std::optional<int> ShowFailSafeMode(const QString& value);
std::optional<QString> ComposeFailSafe(int mode, bool withCurrent, const QString& typedCurrent);

// EM as this line's sensors write it: "PT1,w" without a further "," shows
// deviation and threshold 0, and count M is the one digit after "MXN,".
EvalMethod::Shown ShowEvalMethod(const QString& value);

}  // namespace QF8200Values
