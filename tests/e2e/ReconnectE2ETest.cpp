// A sensor line that goes away and comes back while the program runs,
// through the real serial port: the port name stays, the device behind it
// is new (an adapter plugged in again, a restarted simulator).
#include "e2e/SimulatorTest.h"
#include "link/FakeMainWindow.h"
#include "link/RecordingEditor.h"
#include "link/SensorDetection.h"
#include "support/ScriptedMessages.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class ReconnectE2E : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        for (const char* name : {"frmQF8200", "frmQT8200"}) {
            editors.push_back(std::make_unique<RecordingEditor>(name, &calls));
            RecordingEditor* editor = editors.back().get();
            EditorRegistry::RegisterEditor(name, [editor] { return editor; });
        }
    }

    // The port name the program keeps: a link to the current device.
    bool plugIn(const SimulatedSensor& sensor) {
        QFile::remove(portName);
        return QFile::link(sensor.devicePath(), portName);
    }

    QTemporaryDir dir;
    const QString portName = dir.filePath("ttySensor");
    FakeMainWindow mainWindow;
    std::vector<std::unique_ptr<RecordingEditor>> editors;
    QStringList calls;
};

TEST_F(ReconnectE2E, ReadingTheSensorReachesTheSensorPluggedInAgain) {
    SimulatedSensor first({"--line", "qf8200"});
    ASSERT_TRUE(first.started()) << qPrintable(first.error());
    ASSERT_TRUE(plugIn(first));
    Ports::InitPort(&port, nullptr);
    QString name = portName;
    Ports::SetPort(name);
    ASSERT_TRUE(Ports::PortOpen()) << qPrintable(port.lastError());
    ScriptedMessages boxes({MsgBox::Cancel});
    Sensor::DetectSensor();
    ASSERT_EQ(Sensor::State().SensorFormName, "frmQF8200");

    first.stop();   // unplugged; nothing is sent until the user reads again
    SimulatedSensor second({"--line", "qt8200"});
    ASSERT_TRUE(second.started()) << qPrintable(second.error());
    ASSERT_TRUE(plugIn(second));
    Sensor::DetectSensor();

    EXPECT_EQ(boxes.count(), 0) << "no 'sensor not found' message";
    EXPECT_EQ(Sensor::State().SensorFormName, "frmQT8200");
    EXPECT_TRUE(second.requests().contains("ID"));
    EXPECT_TRUE(Ports::PortOpen());
}

}  // namespace
