#pragma once
#include <QString>

#include <functional>

// What the main window asks of parts of the program that it does not build
// itself: the serial control it opens (the real port, or a stand-in in
// tests), and the windows and files that come with later work (parameter
// files, printing and export, the protocol-file recorder and its dialog, the
// command history). An empty step is skipped; where a step answers, its
// absence gives the answer noted with it.
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
