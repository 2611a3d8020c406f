#include "frame/MainModule.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmMainWiring.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return MainModule::Main([] {
        auto* window = new frmMain;
        ConnectProgramParts(*window);
        return window;
    });
}
