#include "mainwin/frmMainWiring.h"

#include "frame/SettingsServices.h"
#include "link/Ports.h"
#include "mainwin/CommandWindow.h"
#include "mainwin/FileIO.h"
#include "mainwin/LiveWindows.h"
#include "mainwin/PrintParameterSheet.h"
#include "mainwin/ProtFileWiring.h"
#include "mainwin/frmMain.h"
#include "platform/SerialPort.h"

namespace {

// The sensor's serial line lives as long as the program.
SerialPort& comSensor() {
    static SerialPort port;
    return port;
}

}  // namespace

void ConnectProgramParts(frmMain& window) {
    window.Steps.InitPort = [&window] { Ports::InitPort(&comSensor(), [&window](const QString& name, bool open) { window.ShowPort(name, open); }); };
    Options::Services().SetPort = [](QString& name) { Ports::SetPort(name); };
    FileIO::InstallParameterFiles(&window);
    ConnectProtFile(window);
    LiveWindows::Connect(window);
    CommandWindow::Install(window);
    PrintData::InstallPrinting(window);
    RequireEveryStep(window.Steps);
}
