#pragma once
#include "e2e/SimulatorTest.h"
#include "mainwin/frmMain.h"
#include "support/ScriptedMessages.h"

#include <QPointer>
#include <QStringList>

// The whole program against a simulated sensor: the main window wired as the
// program wires it, the QF8200 editor registered, message boxes answered and
// counted.
class MainWindowE2E : public SimulatorTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the simulated QF8200 on the port the settings name.
    void startSensor(const QStringList& arguments = {});
    // Creates the main window and activates it for the first time: start-up
    // with its detection, then the tool windows and the editor are shown.
    void startProgram();

    ScriptedMessages boxes;
    QPointer<frmMain> window;
};
