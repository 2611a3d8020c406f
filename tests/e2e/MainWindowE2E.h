#pragma once
#include "e2e/SimulatorTest.h"
#include "mainwin/frmMain.h"
#include "support/ScriptedMessages.h"

#include <QPointer>
#include <QStringList>

// The whole program against a simulated sensor: the main window wired as the
// program wires it, the QF8200 editor registered (a derived fixture registers
// the others it needs), message boxes answered and counted.
class MainWindowE2E : public SimulatorTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Starts the simulated sensor of the line (the QF8200 unless named) on
    // the port the settings name; `settings` adds lines to their section.
    void startSensor(const QStringList& arguments = {}, const QString& line = "qf8200",
                     const QByteArray& settings = {});
    // Creates the main window and activates it for the first time: start-up
    // with its detection, then the tool windows and the editor are shown.
    void startProgram();
    // Runs the program as its entry does, through the main loop, until the
    // main window closes; returns its exit code.
    int runProgram();

    ScriptedMessages boxes;
    QPointer<frmMain> window;
};
