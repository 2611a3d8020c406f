#pragma once
#include <QString>
#include <array>

// The user settings the program keeps for the whole run, loaded from and saved
// to "ZELVO8200.INI" in the Windows folder.
namespace Options {

inline const QString SettingsFile = QStringLiteral("ZELVO8200.INI");

// The protocol-file recorder's settings.
struct ProtFileSettings {
    int ProtOutputOption = 0;                 // 0..3: which output option is selected
    std::array<int, 4> ProtOutputValue{};     // value of each output option
    std::array<QString, 3> ProtCommand;       // query command of channels 1..3
    QString ProtFileName;
    QString ProtTitle;
    QString ProtData;
    int ProtLines = 0;
    bool ProtOverwrite = false;
};

struct Settings {
    bool DebugMode = false;
    bool CommandUpper = false;
    bool SendRST = false;
    int RetryCount = 0;        // tries of one command, 1..100 once loaded
    ProtFileSettings Prot;
};

// The one instance for the whole program.
Settings& Current();
// Back to the values before LoadSettings (tests).
void ResetForTests();

void LoadSettings();
void SaveSettings();

}  // namespace Options
