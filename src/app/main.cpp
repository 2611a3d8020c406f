#include "frame/MainModule.h"
#include "link/PollCycle.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmMainWiring.h"
#include "mainwin/SensorEditors.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    RegisterSensorEditors();
    Sensor::InstallPollCycle();
    return MainModule::Main([] {
        auto* window = new frmMain;
        ConnectProgramParts(*window);
        return window;
    });
}
