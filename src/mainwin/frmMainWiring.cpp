#include "mainwin/frmMainWiring.h"

#include "frame/SettingsServices.h"
#include "link/Ports.h"
#include "link/SensorDetection.h"
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
    frmMainSteps& steps = window.Steps;
    steps.InitPort = [&window] { Ports::InitPort(&comSensor(), window.lblPort); };
    steps.DetectSensor = [] { Sensor::DetectSensor(); };
    steps.QuerySaveChanges = [] { return Sensor::QuerySaveChanges(); };
    steps.ClosePort = [] { Ports::ClosePort(); };
    Options::Services().SetPort = [](QString& name) { Ports::SetPort(name); };
}
