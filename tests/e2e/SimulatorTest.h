#pragma once
#include "e2e/SimulatedSensor.h"
#include "editors/common/RWState.h"
#include "frame/Options.h"
#include "link/EditorRegistry.h"
#include "link/Ports.h"
#include "link/SensorEditor.h"
#include "link/SensorState.h"
#include "platform/SerialPort.h"
#include "support/TempWindowsFolder.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <memory>

// The program's real serial port on a simulated sensor, from fresh program
// state: two tries per command, no reset command. A derived fixture
// registers the editors it needs and calls connect(); whatever editor window
// detection made is deleted afterwards.
class SimulatorTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SimulatedSensor::Available()) GTEST_SKIP() << "sensorsim was not built";
        Options::ResetForTests();
        Options::Current().RetryCount = 2;
        Options::Current().SendRST = false;
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
    }

    void TearDown() override {
        delete dynamic_cast<QWidget*>(Sensor::State().SensorForm);
        Ports::ClosePort();
        Ports::ResetForTests();
        EditorRegistry::ResetForTests();
        RWState::ResetForTests();
        Sensor::ResetStateForTests();
        Options::ResetForTests();
    }

    // Starts the simulator and opens its terminal as the program opens the
    // port its settings name.
    void connect(const QStringList& arguments) {
        sim = std::make_unique<SimulatedSensor>(arguments);
        ASSERT_TRUE(sim->started()) << qPrintable(sim->error());
        Ports::InitPort(&port, nullptr);
        QString name = sim->devicePath();
        Ports::SetPort(name);
        ASSERT_TRUE(Ports::PortOpen()) << qPrintable(port.lastError());
    }

    TempWindowsFolder windows;
    SerialPort port;
    std::unique_ptr<SimulatedSensor> sim;
};
