#pragma once
#include <QString>

#include <functional>

// What the main window asks of parts of the program that it does not build
// itself: the serial control it opens (the real port, or a stand-in in
// tests), the parameter files, printing and export, the protocol-file
// recorder and its dialog, the command history and the display window. A test
// starts the window with only the steps it needs: an empty step is skipped,
// and where a step answers, its absence gives the answer noted with it. The
// program's wiring sets every step and then checks with RequireEveryStep.
struct frmMainSteps {
    // Start-up, while the window loads.
    std::function<void()> InitPort;             // the serial line, its name shown in lblPort
    std::function<void()> InitRecentFiles;      // empties the recent-files list
    std::function<void()> LoadCommandHistory;   // the command window's history, window not shown

    // Shutdown, when the window is allowed to close.
    std::function<void()> SaveCommandHistory;

    // Parameter files, printing and export.
    std::function<void(const QString& fileName)> LoadParameterFile;   // an empty name asks for one
    std::function<bool(bool askForName)> SaveParameterFile;           // absent: false (nothing saved)
    std::function<void(bool showDialog, bool toPrinter)> PrintParameterSheet;

    // The protocol-file recorder and its settings dialog.
    std::function<void()> ShowProtFileDialog;
    std::function<void(bool start)> StartProtFile;
    std::function<bool()> LoggingActive;        // absent: false

    // The distance-and-switch display, as the sensor link asks for it.
    std::function<void()> InitDisplayWindow;
};

// Throws std::logic_error naming the first step that is not set, so that a
// step the wiring left out stops the start instead of leaving its menu
// command without effect.
void RequireEveryStep(const frmMainSteps& steps);
