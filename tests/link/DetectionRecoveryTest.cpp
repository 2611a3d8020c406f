// Detection after the sensor line went away and came back, and the editor
// window when detection changes the sensor line.
#include "link/DetectionFixture.h"
#include "link/SensorDetection.h"

namespace {

using DetectionRecovery = DetectionTest;

TEST_F(DetectionRecovery, AnotherSensorLineShowsItsEditorAsTheWindowMenuSays) {
    struct Case {
        const char* name;
        bool marked;
        bool startup;   // the first activation shows the editor
        QStringList calls;
    } const cases[] = {
        {"editor shown", true, false,
         {"frmQF8200:Unload", "frmQT8200:Init", "frmQT8200:readdata()", "frmQT8200:Show"}},
        {"editor closed by the user", false, false, {"frmQF8200:Unload", "frmQT8200:Init", "frmQT8200:readdata()"}},
        {"during the start", true, true, {"frmQF8200:Unload", "frmQT8200:Init", "frmQT8200:readdata()"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedMessages boxes;
        sensorIs("Q&B QF3000 Eprom: E1.2 Version: 2.1");
        calls.clear();
        Sensor::DetectSensor();
        Sensor::DetectSensor();   // the same line again keeps its editor
        ASSERT_FALSE(calls.contains("frmQF8200:Unload"));
        ASSERT_EQ(Sensor::State().SensorFormName, "frmQF8200");
        // Closing an editor window takes the window menu's mark.
        editors["frmQF8200"]->onUnload = [this] { mainWindow.menuChecked = false; };
        mainWindow.menuChecked = c.marked;
        mainWindow.startupPending = c.startup;
        calls.clear();

        sensorIs("Q&B QT2500 Eprom: E1.10 Version: 2.1");
        Sensor::DetectSensor();

        EXPECT_EQ(calls, c.calls);
        EXPECT_EQ(mainWindow.menuChecked, c.marked) << "the mark is saved as the editor's visibility at exit";
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
