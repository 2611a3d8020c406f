#pragma once

// What detection and the sensor commands need of the main window. The main
// window installs its implementation at start-up; until then (and in tests
// that install none) a stand-in that does nothing and answers False is used.
class MainWindowServices {
public:
    virtual ~MainWindowServices() = default;

    // 1 enables the data commands (save, print, export, write, info), any
    // other value disables them.
    virtual void EnableData(int state) = 0;
    // The "Parameter" item of the window menu (mnParameter).
    virtual void SetParameterMenuEnabled(bool enabled) = 0;
    // Its check mark: whether the editor window is to be shown.
    virtual bool ParameterMenuChecked() const = 0;
    virtual void SetParameterMenuChecked(bool) {}
    // True from the start of the main window's load until its first activation.
    virtual bool StartupPending() const = 0;
    // The distance-and-switch display window.
    virtual bool DisplayWindowLoaded() const = 0;
    virtual void InitDisplayWindow() = 0;
    // Saves the current data set; False when the user cancelled.
    virtual bool SaveParameterFile(bool askForName) = 0;
    // Whether the poll timer (timSensorPoll) runs.
    virtual bool PollTimerRunning() const = 0;
};

namespace Sensor {

// Installs the main window's services; nullptr restores the stand-in.
void SetMainWindowServices(MainWindowServices* services);
MainWindowServices& MainWindow();

}  // namespace Sensor
