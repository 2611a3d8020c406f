#include "app/SensorEditors.h"
#include "frame/MainModule.h"
#include "link/PollCycle.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmMainWiring.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0"));
    // Standard buttons (Ja/Nein, Abbrechen) are Qt's own texts: they speak the
    // system's language when Qt's translations are installed.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtTexts);
    RegisterSensorEditors();
    Sensor::InstallPollCycle();
    return MainModule::Main([] {
        auto* window = new frmMain;
        ConnectProgramParts(*window);
        return window;
    });
}
