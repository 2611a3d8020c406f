// Detection against the simulated sensor of each line, through the real
// serial port; recording editors stand in for the real ones.
#include "e2e/SimulatorTest.h"
#include "link/FakeMainWindow.h"
#include "link/RecordingEditor.h"
#include "link/SensorDetection.h"
#include "support/ScriptedMessages.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

class DetectionE2E : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        for (const char* name : {"frmQF8200", "frmQF8200Echo", "frmQF8200RDX", "frmQT8200"})
            EditorRegistry::RegisterEditor(name, [this, name] { return &editorFor(name); });
    }

    RecordingEditor& editorFor(const QString& name) {
        editors.push_back(std::make_unique<RecordingEditor>(name, &calls));
        return *editors.back();
    }

    QTemporaryDir dir;
    const QString portName = dir.filePath("ttySensor");  // a link to the current device
    FakeMainWindow mainWindow;
    std::vector<std::unique_ptr<RecordingEditor>> editors;
    QStringList calls;
};

TEST_F(DetectionE2E, RequestSequenceOfEachLine) {
    struct Case {
        const char* line;
        bool sendRst;
        QStringList requests;  // "" is the lone carriage return of the echo probe
        QString editor;
    } const cases[] = {
        {"qf8200", true, {"", "MD,OFF", "RST", "ID", "ID", "VER", "DAT"}, "frmQF8200"},
        {"qf8200echo", true, {"", "ID", "ID", "DAT"}, "frmQF8200Echo"},
        {"qf8200rdx", false, {"", "MD,OFF", "ID", "ID", "VER", "DAT"}, "frmQF8200RDX"},
        {"qt8200", false, {"", "MD,OFF", "ID", "ID", "VER", "DAT"}, "frmQT8200"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        ASSERT_NO_FATAL_FAILURE(connect({"--line", c.line}));
        Options::Current().SendRST = c.sendRst;
        ScriptedMessages boxes;
        Sensor::ResetStateForTests();  // each line on a fresh program
        calls.clear();

        Sensor::DetectSensor();

        EXPECT_EQ(sim->requests(), c.requests);
        EXPECT_EQ(calls, QStringList({c.editor + ":Init", c.editor + ":readdata()", c.editor + ":Show"}));
        EXPECT_EQ(Sensor::State().SensorFormName, c.editor);
        EXPECT_EQ(boxes.count(), 0);
        Ports::ClosePort();
    }
}

TEST_F(DetectionE2E, SilentSensorRetryThenCancel) {
    ASSERT_NO_FATAL_FAILURE(connect({"--line", "qf8200", "--drop-every", "1"}));
    ScriptedMessages boxes({MsgBox::Retry, MsgBox::Cancel});

    Sensor::DetectSensor();

    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown().at(1).text, "Der Sensor konnte nicht initialisiert werden!");
    const QStringList requests = sim->requests();
    EXPECT_EQ(requests.count(""), 2);  // probed again after Retry
    EXPECT_EQ(requests.count("ID"), 4);
    EXPECT_FALSE(requests.contains("VER"));
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(Sensor::State().SensorState, 0);
    EXPECT_EQ(mainWindow.calls, QStringList({"EnableData(0)"}));
}

// A sensor line that goes away and comes back: the port name stays, the device
// behind it is new (an adapter plugged in again, a restarted simulator).
TEST_F(DetectionE2E, ReadingTheSensorReachesTheSensorPluggedInAgain) {
    SimulatedSensor first({"--line", "qf8200"});
    ASSERT_TRUE(first.started()) << qPrintable(first.error());
    ASSERT_TRUE(QFile::link(first.devicePath(), portName));
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
    QFile::remove(portName);
    ASSERT_TRUE(QFile::link(second.devicePath(), portName));
    Sensor::DetectSensor();

    EXPECT_EQ(boxes.count(), 0) << "no 'sensor not found' message";
    EXPECT_EQ(Sensor::State().SensorFormName, "frmQT8200");
    EXPECT_TRUE(second.requests().contains("ID"));
    EXPECT_TRUE(Ports::PortOpen());
}

}  // namespace
