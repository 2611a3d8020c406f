// The QF8200Echo editor against the simulated sensor through the real serial
// code in echo mode: detection reads every memory cell into the window, an
// edit goes to its cell and is read back, and a typed parameter name becomes
// a cell request.
#include "e2e/SimulatedSensor.h"
#include "editors/common/RWState.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "editors/qf8200echo/frmQF8200Echo.h"
#include "frame/Options.h"
#include "frame/TempProgramFolder.h"
#include "link/EditorRegistry.h"
#include "link/FakeMainWindow.h"
#include "link/Ports.h"
#include "link/Sensor.h"
#include "link/SensorDetection.h"
#include "link/SensorInfo.h"
#include "link/SensorState.h"
#include "platform/ProfileString.h"
#include "platform/SerialPort.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

using namespace QF8200Echo;

class QF8200EchoEditorE2E : public ::testing::Test {
protected:
    void SetUp() override {
        if (!SimulatedSensor::Available()) GTEST_SKIP() << "sensorsim was not built";
        program.write("VALIDATE.CFG", "[frmQF8200Echo]\r\nSD1=DEFAULT=100..6000\r\n");
        ProfileString::ForgetCachedFiles();
        Sensor::ResetValidateNoticeForTests();
        Options::ResetForTests();
        Options::Current().RetryCount = 2;
        Options::Current().SendRST = false;
        Ports::ResetForTests();
        Sensor::ResetStateForTests();
        RegisterQF8200EchoEditor();
        sim = std::make_unique<SimulatedSensor>(QStringList{"--line", "qf8200echo"});
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

    TempProgramFolder program;
    TempWindowsFolder windows;
    FakeMainWindow mainWindow;
    SerialPort port;
    std::unique_ptr<SimulatedSensor> sim;
};

TEST_F(QF8200EchoEditorE2E, ReadsEveryCellAndWritesAnEdit) {
    ScriptedMessages boxes;
    Sensor::DetectSensor();
    auto* editor = dynamic_cast<frmQF8200Echo*>(Sensor::State().SensorForm);
    ASSERT_NE(editor, nullptr);
    ASSERT_TRUE(editor->Loaded());
    EXPECT_EQ(boxes.count(), 0);
    EXPECT_TRUE(Ports::EchoMode());

    // A switch-output sensor with software 2: 33 cells, each read once.
    const QStringList cells = {"WXE2", "WXE4", "WXEF", "WXE11", "XE1D", "WXE7", "WXEB", "WXE9", "WXED", "WXE13",
                               "WXE15", "XE27", "XE28", "XE29", "XE2A", "XE2B", "XE2C", "XE2D", "XE23", "XE24",
                               "XE1B", "WXE19", "XE6E", "XE1E", "XE1F", "WXE20", "XE22", "XE6", "XE25", "XE26",
                               "XE1C", "XE2E", "XE2F"};
    QStringList reads;
    for (const QString& cell : cells) reads.append("RM," + cell);
    QStringList requests = sim->requests();
    ASSERT_GE(requests.size(), reads.size());
    EXPECT_EQ(requests.mid(requests.size() - reads.size()), reads);
    EXPECT_FALSE(editor->AnalogVariant());
    EXPECT_EQ(editor->Echo().Count(), CountWithFirmwareV2);
    EXPECT_EQ(editor->txtSwitchDis11->text(), "500");
    EXPECT_EQ(editor->Echo()[TO].Value, "-50");
    EXPECT_EQ(editor->Echo()[OPM1].Value, "W");

    editor->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor));
    editor->tabData->setCurrentIndex(2);
    editor->txtSwitchDis11->setFocus();
    QApplication::processEvents();
    editor->txtSwitchDis11->selectAll();
    QTest::keyClicks(editor->txtSwitchDis11, "777");
    QTest::keyClick(editor->txtSwitchDis11, Qt::Key_Return);

    requests = sim->requests();
    EXPECT_EQ(requests.mid(requests.size() - 2), QStringList({"WM,WXE7,0309", "RM,WXE7"}));
    EXPECT_EQ(editor->Echo()[SD1].Value, "777");
    EXPECT_TRUE(Sensor::State().DataChanged);

    // The command window's road: a parameter name asks its cell, the hex
    // answer shows as the value.
    bool flag = true;
    const QString request = Sensor::SensorGetSendCommand("sd1", flag);
    EXPECT_EQ(request, "RM,WXE7");
    EXPECT_FALSE(flag);
    QString answer;
    Ports::AnswerBytes bytes{};
    Sensor::SendCommand(request, answer, bytes);
    EXPECT_EQ(answer, "0309");
    EXPECT_EQ(Sensor::SensorConvertResult("sd1", answer), "777");
}

}  // namespace
