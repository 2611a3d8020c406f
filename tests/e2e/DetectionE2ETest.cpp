// Detection against the simulated sensor of each line, through the real
// serial port; recording editors stand in for the real ones.
#include "e2e/SimulatorTest.h"
#include "link/FakeMainWindow.h"
#include "link/RecordingEditor.h"
#include "link/SensorDetection.h"
#include "support/ScriptedMessages.h"

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

}  // namespace
