#include "editors/qf8200/RegisterQF8200.h"
#include "frame/MainModule.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmMainWiring.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    RegisterQF8200Editor();
    return MainModule::Main([] {
        auto* window = new frmMain;
        ConnectProgramParts(*window);
        return window;
    });
}
