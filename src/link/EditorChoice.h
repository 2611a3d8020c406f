#pragma once
#include <QString>

#include <optional>

// Which editor window, master-mode window and sensor line belong to a sensor.
struct EditorChoice {
    QString editorName;   // e.g. "frmQF8200RDX"
    QString masterName;   // empty: the line has no master-mode window
    QString sensorLine;   // "0" QF8200, "1" QF8200Echo, "2" QF8200RDX, "3" QT8200
    bool echoMode = false;
};

namespace Sensor {

// The choice for an editor window name, compared in upper case; nothing for a
// name that is none of the four editors.
std::optional<EditorChoice> EditorChoiceFor(const QString& windowName);

// The editor window name for a sensor type: the [SENSORS] entry of SENSOR.CFG
// in the program folder (message 13 for a name that is no editor), else the
// codes in the type text; empty when nothing fits.
QString ChooseEditorName(const QString& sensorType);

// The editor window name that the codes in a type text give; empty when none.
QString EditorNameFromType(const QString& sensorType);

// The sensor range in millimetres read from a type text (3000 when it names none).
int SensorRangeOf(const QString& sensorType);

}  // namespace Sensor
