#pragma once
#include <QString>

#include <functional>

// The steps of the main window's start-up, first activation and shutdown that
// other parts of the program carry out, in the order the main window calls
// them. An empty step is skipped; where a step answers, its absence gives the
// answer noted with it.
struct frmMainSteps {
    // Start-up, while the window loads.
    std::function<void()> InitToolbar;          // the toolbar with its buttons, "stop recording" disabled
    std::function<void()> InitPort;             // the serial line, its name shown in lblPort
    std::function<void()> InitRecentFiles;      // empties the recent-files list
    std::function<void()> LoadCommandHistory;   // the command window's history, window not shown
    std::function<void()> DetectSensor;         // finds the sensor and opens its editor
    std::function<void()> TranslateToolbar;     // the button tips in the current language

    // First activation: shows a tool window by its name (frmMonitor, ...).
    std::function<void(const QString& windowName)> ShowToolWindow;

    // Shutdown, when the window is asked to close.
    std::function<bool()> QuerySaveChanges;     // false keeps the window open; absent: true
    std::function<void()> HideButtonTip;
    std::function<void()> StopProtFile;         // ends a running protocol-file recording
    std::function<void()> SaveCommandHistory;
    std::function<void()> ClosePort;

    // Enabling: switches toolbar button 0..10 off or on.
    std::function<void(int button, bool disabled)> SetToolbarButtonDisabled;

    // What the sensor link asks of the display window and the parameter files.
    std::function<bool()> DisplayWindowLoaded;  // absent: false
    std::function<void()> InitDisplayWindow;
    std::function<bool(bool askForName)> SaveParameterFile;  // absent: false (nothing saved)
};
