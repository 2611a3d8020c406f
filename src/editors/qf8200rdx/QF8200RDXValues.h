#pragma once
#include "editors/common/EvalMethod.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

// The QF8200RDX values that are more than one number, as the sensor holds
// them and as the editor's lists and fields show them. Values of a single
// number use ValueTexts. A Compose function gives nothing when what the user
// typed cannot be written (empty, no number, too large); the field then
// shows the stored value again.
namespace QF8200RDXValues {

// OM: one character per switch output, output 1 first: "0" normally open
// (list entry 0), "1" normally closed (1), "I" inactive (2).
std::array<int, 3> ShowSwitchModes(const QString& value);
// One character per list given; a list without a selection counts as
// normally open.
QString ComposeSwitchModes(const std::vector<int>& entries);

// FSF: the fail-safe behaviour of each switch output as one digit (the list
// entry), then, on a sensor with an analogue output, "," and the fault
// current (ValueTexts::ShowFaultCurrent); -1 means no fault current.
std::array<int, 3> ShowFailSafeModes(const QString& value);
// typedCurrent is the fault current field's text while the sensor has an
// analogue output, nothing otherwise.
std::optional<QString> ComposeFailSafe(const std::vector<int>& modes, const std::optional<QString>& typedCurrent);

// EM as this line's sensors write it: "PT1" with two numbers is weight and
// threshold.
EvalMethod::Shown ShowEvalMethod(const QString& value);

// MA: "A" the analogue output is the main application (entry 0), "S" the
// switching function (entry 1).
int ShowMainApplication(const QString& value);
QString ComposeMainApplication(int entry);

// UIS: "-1" the inclination switch is off (entry 1, "Inaktiv"); otherwise
// the on and off delay in units of 10 ms, joined by ",", shown in ms.
struct Inclination {
    bool active = true;
    QString onMs;    // only while active
    QString offMs;
};
Inclination ShowInclination(const QString& value);
std::optional<QString> ComposeInclination(int entry, const QString& typedOnMs, const QString& typedOffMs);

}  // namespace QF8200RDXValues
