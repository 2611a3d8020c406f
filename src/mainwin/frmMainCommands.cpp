// The main window's menu and toolbar commands.
#include "mainwin/frmMain.h"

#include "frame/LanguageUtil.h"
#include "frame/Message.h"
#include "frame/Window.h"
#include "link/Sensor.h"
#include "link/SensorCommands.h"
#include "link/SensorDetection.h"
#include "link/SensorState.h"
#include "platform/Hourglass.h"
#include "mainwin/frmAbout.h"
#include "mainwin/frmMainMenu.h"
#include "mainwin/frmOptions.h"
#include "mainwin/frmSensorInfo.h"
#include "platform/MsgBox.h"

#include <QAction>
#include <QScopeGuard>

namespace {

constexpr int MessageNoSensor = 1;
constexpr int MessageDefaults = 5;
constexpr int MessageRecall = 6;
constexpr int MessageTypesDiffer = 7;

template <typename Step, typename... Args>
void run(const Step& step, Args&&... args) {
    if (step) step(std::forward<Args>(args)...);
}

}  // namespace

void frmMain::connectMenuCommands() {
    const auto on = [this](const char* item, auto command) {
        connect(MenuItem(QLatin1String(item)), &QAction::triggered, this, command);
    };
    on("mnOpen", [this] { openParameterFile(); });
    on("mnSave", [this] { saveParameterFile(); });
    on("mnPrint", [this] { printParameterSheet(true); });
    on("mnExport", [this] { exportParameterSheet(); });
    on("mnExit", [this] { close(); });
    on("mnSensRead", [this] { readSensor(); });
    on("mnSensWrite", [this] { writeSensor(); });
    on("mnSensDefault", [this] { setSensorDefaults(); });
    on("mnSensMaster", [this] { startMasterMode(); });
    on("mnSensStore", [this] { storeConfiguration(); });
    on("mnSensRecall", [this] { recallConfiguration(); });
    on("mnProtFile", [this] { showProtFileDialog(); });
    on("mnProtStartStop", [this] { StartFileLogging(!loggingActive()); });
    on("mnInfo", [this] { showSensorInfo(); });
    on("mnOptions", [this] { showOptions(); });
    for (const frmMainMenu::WindowItem& entry : frmMainMenu::ToolWindowItems) {
        const QString item = QLatin1String(entry.item);
        on(entry.item, [this, item] { showFromWindowMenu(item); });
    }
    on(frmMainMenu::ParameterItem, [this] { showFromWindowMenu(QLatin1String(frmMainMenu::ParameterItem)); });
    on("mnDefaultPosition", [this] { setDefaultPositions(); });
    on("mnContents", [] { Window::ShowHelp(0); });
    on("mnAbout", [this] { showAbout(); });
}

void frmMain::runToolbarCommand(int index) {
    switch (index) {
    case 0: openParameterFile(); break;
    case 1: saveParameterFile(); break;
    case 2: printParameterSheet(false); break;
    case 3: readSensor(); break;
    case 4: showSensorInfo(); break;
    case 5: setSensorDefaults(); break;
    case 6: startMasterMode(); break;
    case 7: storeConfiguration(); break;
    case 8: recallConfiguration(); break;
    case 9: StartFileLogging(true); break;
    case 10: StartFileLogging(false); break;
    default: break;
    }
}

// The sensor link lets window events run while it waits, so a second click
// could start a second detection inside the first.
void frmMain::readSensor() {
    if (readBusy_) return;
    readBusy_ = true;
    const auto clearBusy = qScopeGuard([this] { readBusy_ = false; });
    Hourglass hourglass;
    Sensor::DetectSensor();
}

void frmMain::writeSensor() {
    while (!Sensor::IsSensorConnected()) {
        if (ShowMessage(MessageNoSensor, MsgBox::RetryCancel) != MsgBox::Retry) return;
    }
    // Read with the line's guard, and again when it was shifted: a noise
    // carriage return must not pass for another sensor type.
    const QString answer = Sensor::IdentTextInStep(QStringLiteral("ID"));
    QString connectedType, eprom, version;
    Sensor::ParseSensorInfo(answer, connectedType, eprom, version);
    SensorStateData& sensor = Sensor::State();
    // The data file's type first, the connected sensor's second.
    if (connectedType != sensor.SensorType &&
        ShowMessage(MessageTypesDiffer, MsgBox::YesNo, std::nullopt, sensor.SensorType + QLatin1Char('|') + connectedType) !=
            MsgBox::Yes)
        return;

    Hourglass hourglass;
    const bool fromFile = sensor.OfflineMode;
    sensor.OfflineMode = false;
    Sensor::SensorWriteData();
    // Data from a file: the editor now reads the sensor it was written to.
    if (fromFile) Sensor::DetectSensor();
}

void frmMain::setSensorDefaults() {
    if (ShowMessage(MessageDefaults, MsgBox::YesNo + MsgBox::Question) == MsgBox::No) return;
    Hourglass hourglass;
    Sensor::SensorSetDefaults(true);
}

void frmMain::storeConfiguration() {
    Hourglass hourglass;
    Sensor::StoreUserConfig();
}

void frmMain::recallConfiguration() {
    if (ShowMessage(MessageRecall, MsgBox::YesNo + MsgBox::Question) == MsgBox::No) return;
    Hourglass hourglass;
    Sensor::RecallUserConfig(true);
}

void frmMain::startMasterMode() {
    QString mode = QStringLiteral("OFF");
    Sensor::StartMasterMode(mode);
}

void frmMain::showOptions() {
    const QString language = LanguageUtil::GetLanguageName(-1);
    frmOptions dialog(this);
    Window::ShowModalCentered(&dialog);
    if (LanguageUtil::GetLanguageName(-1) != language) translateLoadedWindows();
}

void frmMain::showSensorInfo() {
    frmSensorInfo dialog(this);
    Window::ShowModalCentered(&dialog);
}

void frmMain::showAbout() {
    frmAbout dialog(this);
    Window::ShowModalCentered(&dialog);
}

void frmMain::openParameterFile() { run(Steps.LoadParameterFile, QString()); }

void frmMain::saveParameterFile() { SaveParameterFile(true); }

void frmMain::printParameterSheet(bool showDialog) { run(Steps.PrintParameterSheet, showDialog, true); }

void frmMain::exportParameterSheet() { run(Steps.PrintParameterSheet, true, false); }

void frmMain::showProtFileDialog() { run(Steps.ShowProtFileDialog); }

bool frmMain::loggingActive() const { return Steps.LoggingActive && Steps.LoggingActive(); }

// The buttons and the caption follow what the recorder did: a file that
// cannot be opened leaves the program showing that nothing records.
void frmMain::StartFileLogging(bool start) {
    run(Steps.StartProtFile, start);
    const bool recording = loggingActive();
    Toolbar::SetButtonDisabled(ToolbarButtons[9], recording);
    Toolbar::SetButtonDisabled(ToolbarButtons[10], !recording);
    MenuItem(QStringLiteral("mnProtStartStop"))->setText(recording ? StopCaption : StartCaption);
}
