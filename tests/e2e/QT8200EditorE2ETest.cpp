// The QT8200 editor against the simulated sensor through the real serial
// code: detection reads every parameter into the window, and an edit goes to
// the sensor with its re-reads.
#include "e2e/SimulatedSensor.h"
#include "editors/common/RWState.h"
#include "editors/qt8200/QT8200Table.h"
#include "editors/qt8200/RegisterQT8200.h"
#include "editors/qt8200/frmQT8200.h"
#include "frame/Options.h"
#include "link/EditorRegistry.h"
#include "link/FakeMainWindow.h"
#include "link/Ports.h"
#include "link/SensorDetection.h"
#include "link/SensorState.h"
#include "platform/SerialPort.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

class QT8200EditorE2E : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SimulatedSensor::Available()) GTEST_SKIP() << "sensorsim was not built";
        Options::ResetForTests();
        Options::Current().RetryCount = 2;
        Options::Current().SendRST = false;
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
        RegisterQT8200Editor();
        sim = std::make_unique<SimulatedSensor>(QStringList{"--line", "qt8200", "--variant", "analog"});
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

    QStringList lastRequests(qsizetype n) const {
        const QStringList requests = sim->requests();
        return requests.mid(std::max<qsizetype>(0, requests.size() - n));
    }

    TempWindowsFolder windows;
    FakeMainWindow mainWindow;
    SerialPort port;
    std::unique_ptr<SimulatedSensor> sim;
};

TEST_F(QT8200EditorE2E, ReadsEverythingAndWritesEdits) {
    ScriptedMessages boxes;
    Sensor::DetectSensor();
    auto* editor = dynamic_cast<frmQT8200*>(Sensor::State().SensorForm);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->Loaded());
    EXPECT_EQ(boxes.count(), 0);

    // This sensor has an analogue output: SD2 and SH2 answer 82h and are tried twice.
    const QStringList read = {"VS",  "RT",  "DIP", "UDS", "SD1", "FA1", "SD2", "SD2", "FA2", "SH1", "SH2",
                              "SH2", "OM",  "CBT", "CCT", "FTO", "CON", "EM",  "NDE", "FDE", "FW"};
    EXPECT_EQ(lastRequests(read.size()), read);
    EXPECT_FALSE(editor->frameAnalog->isHidden());
    EXPECT_TRUE(editor->frameSwitch2->isHidden());
    EXPECT_EQ(editor->txtNEvalDis->text(), "300");
    EXPECT_EQ(editor->txtSound->text(), "343.2");

    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    editor->txtSwitchDis11->setFocus();
    QApplication::processEvents();
    editor->txtSwitchDis11->selectAll();
    QTest::keyClicks(editor->txtSwitchDis11, "777");
    QTest::keyClick(editor->txtSwitchDis11, Qt::Key_Return);
    EXPECT_EQ(lastRequests(2), QStringList({"SD1,00777", "SD1"}));
    EXPECT_EQ(editor->Model()[QT8200::SD1].Value, "00777");
    EXPECT_EQ(editor->txtSwitchDis11->text(), "777");
    EXPECT_TRUE(Sensor::State().DataChanged);

    // The evaluation method goes out field by field and shows as the sensor reports it.
    editor->cmbEvalMethod1->setCurrentIndex(1);
    emit editor->cmbEvalMethod1->activated(1);
    EXPECT_EQ(lastRequests(3), QStringList({"EM,DYN1", "EM,M0", "EM"}));
    EXPECT_EQ(editor->Model()[QT8200::EM].Value, "DYN,000");
    EXPECT_EQ(editor->cmbEvalMethod1->currentIndex(), 1);

    // A full write leaves out what the sensor rejected and ends with the bare BDE,
    // which awaits no answer (the simulator may log it a moment later).
    editor->WriteData();
    EXPECT_TRUE(QTest::qWaitFor([this] { return lastRequests(1) == QStringList{"BDE"}; }, 2000));
    const QStringList written = lastRequests(17);
    EXPECT_EQ(written.front(), "VS,34320");
    for (const QString& request : written) EXPECT_FALSE(request.startsWith("SD2") || request.startsWith("SH2"));
    EXPECT_EQ(boxes.count(), 0);
}

}  // namespace
