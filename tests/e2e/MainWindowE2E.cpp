#include "e2e/MainWindowE2E.h"

#include "editors/qf8200/RegisterQF8200.h"
#include "frame/LanguageUtil.h"
#include "frame/MainModule.h"
#include "frame/SettingsServices.h"
#include "mainwin/Toolbar.h"
#include "mainwin/frmMainWiring.h"

#include <QCoreApplication>
#include <QEvent>

void MainWindowE2E::SetUp() {
    SimulatorTest::SetUp();
    if (IsSkipped()) return;
    Options::ResetServicesForTests();
    MainModule::ResetForTests();
    Toolbar::ResetForTests();
    LanguageUtil::ResetLanguages();
    RegisterQF8200Editor();
}

void MainWindowE2E::TearDown() {
    delete window.data();
    Sensor::ResetStateForTests();   // the editor went with the window
    SimulatorTest::TearDown();
    Options::ResetServicesForTests();
    Toolbar::ResetForTests();
}

void MainWindowE2E::startSensor(const QStringList& arguments, const QString& line, const QByteArray& settings) {
    sim = std::make_unique<SimulatedSensor>(QStringList{"--line", line} + arguments);
    ASSERT_TRUE(sim->started()) << qPrintable(sim->error());
    windows.write(Options::SettingsFile,
                  "[Settings]\r\nPort=" + sim->devicePath().toLatin1() + "\r\nSendRST=0\r\n" + settings);
}

void MainWindowE2E::startProgram() {
    window = new frmMain;
    ConnectProgramParts(*window);
    window->show();
    QEvent activation(QEvent::WindowActivate);
    QCoreApplication::sendEvent(window, &activation);
}

int MainWindowE2E::runProgram() {
    return MainModule::Main([this] {
        window = new frmMain;
        ConnectProgramParts(*window);
        return window.data();
    });
}
