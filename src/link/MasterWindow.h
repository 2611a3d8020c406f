#pragma once
#include <QString>

// The master-mode window of a sensor line, in which the sensor streams
// measurements. Detection keeps the active line's window as
// Sensor::State().MasterForm.
class MasterWindow {
public:
    virtual ~MasterWindow() = default;

    // Selects the mode (upper-cased in the caller's variable too; an unknown
    // mode means "OFF") and shows the window modally; returns when it closes.
    virtual void Start(QString& mode) = 0;
    virtual void SetLanguage() = 0;
};
