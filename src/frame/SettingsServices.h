#pragma once
#include <QString>

#include <functional>

// Settings that other parts of the program hold but that LoadSettings and
// SaveSettings move to and from the settings file. Each owner installs its
// own function at start-up. Until then a stand-in keeps the value in memory,
// so that a run without the owner writes back what it read.
namespace Options {

struct SettingsServices {
    // The serial port: a name opens that port; an empty name receives the
    // current one.
    std::function<void(QString& name)> SetPort;
    // The quick-help state: -1 answers it (1 on, 0 off), 0 or 1 sets it.
    std::function<int(int value)> QuickHelpEnabled;
    // The recent-files list: a path goes to the top; index 1 is the top
    // entry, an index beyond the list gives "".
    std::function<void(const QString& path)> AddRecentFile;
    std::function<QString(int index)> GetRecentFile;
    // The check marks of the main window's window-menu items (mnCommand,
    // mnDistance, mnMonitor, mnShowIt, mnParameter).
    std::function<bool(const QString& item)> IsMenuChecked;
    std::function<void(const QString& item, bool checked)> SetMenuChecked;
};

// The installed services; owners assign their members.
SettingsServices& Services();
// The in-memory stand-ins (quick help goes to the language module's switch).
SettingsServices DefaultServices();
// Back to the stand-ins with nothing remembered (tests).
void ResetServicesForTests();

}  // namespace Options
