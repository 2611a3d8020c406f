// Detection after the sensor line went away and came back, and the editor
// window when detection changes the sensor line.
#include "link/DetectionFixture.h"
#include "link/SensorDetection.h"

namespace {

// The main window's Parameter item as the real window keeps it: the mark can
// be set as well as read.
class MarkedMainWindow : public FakeMainWindow {
public:
    void SetParameterMenuChecked(bool checked) override { menuChecked = checked; }
};

// An editor whose close takes the window menu's mark, as every real editor
// window does when it is closed.
class MarkClearingEditor : public RecordingEditor {
public:
    MarkClearingEditor(const QString& name, QStringList* calls, MarkedMainWindow* main)
        : RecordingEditor(name, calls), main_(main) {}
    void Unload() override {
        RecordingEditor::Unload();
        main_->menuChecked = false;
    }

private:
    MarkedMainWindow* main_;
};

class DetectionRecovery : public DetectionTest {
protected:
    void SetUp() override {
        DetectionTest::SetUp();
        for (const char* name : {"frmQF8200", "frmQT8200"}) {
            editors[name] = std::make_shared<MarkClearingEditor>(name, &calls, &marked);
            EditorRegistry::RegisterEditor(name, [this, name] { return editors[name].get(); });
        }
    }

    MarkedMainWindow marked;   // installed over the fixture's plain one
};

TEST_F(DetectionRecovery, AnotherSensorLineShowsItsEditorAsTheWindowMenuSays) {
    struct Case {
        const char* name;
        bool marked;
        QStringList calls;
    } const cases[] = {
        {"editor shown", true, {"frmQF8200:Unload", "frmQT8200:Init", "frmQT8200:readdata()", "frmQT8200:Show"}},
        {"editor closed by the user", false, {"frmQF8200:Unload", "frmQT8200:Init", "frmQT8200:readdata()"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedMessages boxes;
        sensorIs("Q&B QF3000 Eprom: E1.2 Version: 2.1");
        Sensor::DetectSensor();
        ASSERT_EQ(Sensor::State().SensorFormName, "frmQF8200");
        marked.menuChecked = c.marked;
        calls.clear();

        sensorIs("Q&B QT2500 Eprom: E1.10 Version: 2.1");
        Sensor::DetectSensor();

        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(marked.menuChecked, c.marked) << "the mark is saved as the editor's visibility at exit";
        EXPECT_EQ(boxes.count(), 0);
        Sensor::ResetStateForTests();
    }
}

TEST_F(DetectionRecovery, ReadingTheSensorReopensAPortThatIsNotOpen) {
    struct Case {
        const char* name;
        bool unplugged;       // else: the port could not be opened when it was chosen
        int failingOpens;     // tries before the device is there
        QList<int> answers;   // to message 1
        bool found;
    } const cases[] = {
        {"unplugged and still gone: the user gives up", true, 100, {MsgBox::Cancel}, false},
        {"missing when chosen, plugged in later", false, 0, {}, true},
    };
    int portNumber = 1;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QString portName = QStringLiteral("COM%1").arg(portNumber++);
        if (c.unplugged) {
            Ports::SetPort(portName);
            ASSERT_TRUE(Ports::PortOpen());
            port.vanish();   // while nothing was sent
        } else {
            ScriptedMessages portMessage({MsgBox::Cancel});
            port.failingOpens = 1;
            Ports::SetPort(portName);
            ASSERT_FALSE(Ports::PortOpen());
        }
        const int opensBefore = port.opens;
        port.failingOpens = c.failingOpens;
        ScriptedMessages boxes(c.answers);

        Sensor::DetectSensor();

        EXPECT_EQ(port.opens - opensBefore, c.found ? 1 : 0);
        if (c.found) {
            EXPECT_EQ(port.openedName, portName);
        }
        EXPECT_EQ(Sensor::State().SensorFormName, c.found ? "frmQF8200" : "");
        EXPECT_EQ(Ports::PortOpen(), c.found);
        EXPECT_EQ(portShownOpen, c.found);
        EXPECT_EQ(boxes.count(), c.answers.size());
        Sensor::ResetStateForTests();
        port.failingOpens = 0;
    }
}

TEST_F(DetectionRecovery, AskingForTheSensorBeforeAWriteReopensAPortWhoseDeviceCameBack) {
    port.vanish();
    EXPECT_TRUE(Sensor::IsSensorConnected());
    EXPECT_EQ(port.opens, 2);
    EXPECT_EQ(requests(), QStringList{"ID"});
}

}  // namespace
