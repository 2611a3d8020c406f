// The QF8200 editor against the simulated sensor through the real serial
// code: detection reads every parameter into the window, and an edit goes to
// the sensor with its re-reads.
#include "e2e/SimulatedSensor.h"
#include "editors/common/RWState.h"
#include "editors/qf8200/QF8200Table.h"
#include "editors/qf8200/RegisterQF8200.h"
#include "editors/qf8200/frmQF8200.h"
#include "frame/Options.h"
#include "link/EditorRegistry.h"
#include "link/FakeMainWindow.h"
#include "link/Ports.h"
#include "link/SensorDetection.h"
#include "link/SensorState.h"
#include "platform/SerialPort.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QF8200EditorE2E : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SimulatedSensor::Available()) GTEST_SKIP() << "sensorsim was not built";
        Options::ResetForTests();
        Options::Current().RetryCount = 2;
        Options::Current().SendRST = false;
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
        RegisterQF8200Editor();
        sim = std::make_unique<SimulatedSensor>(QStringList{"--line", "qf8200"});
        ASSERT_TRUE(sim->started()) << qPrintable(sim->error());
        Ports::InitPort(&port, nullptr);
        QString name = sim->devicePath();
        Ports::SetPort(name);
        ASSERT_TRUE(Ports::PortOpen());
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

    TempWindowsFolder windows;
    FakeMainWindow mainWindow;
    SerialPort port;
    std::unique_ptr<SimulatedSensor> sim;
};

TEST_F(QF8200EditorE2E, ReadsEverythingAndWritesAnEdit) {
    ScriptedMessages boxes;
    Sensor::DetectSensor();
    auto* editor = dynamic_cast<frmQF8200*>(Sensor::State().SensorForm);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->Loaded());
    EXPECT_EQ(boxes.count(), 0);

    const QStringList read = {"VS", "VS0", "TO", "TEM", "CBT", "CCT", "FTO", "CON", "BR", "DIP", "UDS", "SD11",
                              "SD12", "SD21", "SD22", "SH1", "SH2", "OM", "OPM", "FSF", "EM", "NDE", "NDE",
                              "FDE", "FDE", "OT", "SE", "RR", "NEF"};   // NDE, FDE: 82h, retried once
    QStringList requests = sim->requests();
    ASSERT_GE(requests.size(), read.size());
    EXPECT_EQ(requests.mid(requests.size() - read.size()), read);

    // The switch variant: a second output, no analogue output.
    EXPECT_TRUE(editor->Model().IsValid(QF8200::SD21));
    EXPECT_FALSE(editor->Model().IsValid(QF8200::NDE));
    EXPECT_FALSE(editor->frameSwitch2->isHidden());
    EXPECT_TRUE(editor->frameAnalog->isHidden());
    EXPECT_EQ(editor->txtSwitchDis11->text(), editor->Model()[QF8200::SD11].Value);
    EXPECT_FALSE(editor->txtTemperature->text().isEmpty());

    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    editor->txtSwitchDis11->setFocus();
    QApplication::processEvents();
    editor->txtSwitchDis11->selectAll();
    QTest::keyClicks(editor->txtSwitchDis11, "777");
    QTest::keyClick(editor->txtSwitchDis11, Qt::Key_Return);

    requests = sim->requests();
    EXPECT_EQ(requests.mid(requests.size() - 2), QStringList({"SD11,777", "SD11"}));
    EXPECT_EQ(editor->Model()[QF8200::SD11].Value, "777");
    EXPECT_EQ(editor->txtSwitchDis11->text(), "777");
    EXPECT_TRUE(Sensor::State().DataChanged);
}

}  // namespace
