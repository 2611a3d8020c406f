#pragma once
#include <QString>

class SensorEditor;
class MasterWindow;

// What the program knows about the connected sensor (or the loaded parameter
// file), one instance for the whole run. Detection writes it; every window
// reads it.
struct SensorStateData {
    SensorEditor* SensorForm = nullptr;   // the active editor window, if any
    QString SensorFormName;               // its window name; empty = none
    MasterWindow* MasterForm = nullptr;   // master-mode window of the active line
    QString SensorLine;                   // "-1" none, "0" QF8200, "1" QF8200Echo, "2" QF8200RDX, "3" QT8200
    int SensorState = 0;                  // 1 once the identification was answered
    bool OfflineMode = false;             // data come from a parameter file
    bool DataChanged = false;             // parameter values changed since the last save
    QString SensorType;
    QString SensorEprom;
    QString SensorVersion;
    QString SensorVersionLetter;
    QString SensorDate;
    QString SensorTime;
    QString IdAnswer;
    QString VerAnswer;
    QString DatAnswer;
    int SensorRange = 0;                  // millimetres
    QString DataFileName;                 // path of the loaded parameter file
    // A master-mode start deferred to the next poll cycle.
    bool MasterRequest = false;
    QString MasterArg;
};

namespace Sensor {
SensorStateData& State();
void ResetStateForTests();
}  // namespace Sensor
