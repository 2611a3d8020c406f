#include "link/FakeMainWindow.h"
#include "link/RecordingEditor.h"
#include "link/SensorInfo.h"
#include "link/SensorState.h"
#include "support/ScriptedMessages.h"

#include <gtest/gtest.h>

namespace {

class SensorInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        Sensor::State().SensorForm = &editor;
        Sensor::State().SensorFormName = editor.name();
    }
    void TearDown() override { Sensor::ResetStateForTests(); }
    void type(const char* text) {
        QString typed = text;
        Sensor::SensorInterpretCommand(typed);
    }

    QStringList calls;
    RecordingEditor editor{"frmTest", &calls};
    FakeMainWindow mainWindow;
};

TEST_F(SensorInfoTest, TypedCommandsReachEditorAndMasterWindow) {
    ScriptedMessages boxes;
    for (const char* typed : {"SD1,500", "SD1", "WM,12,3F", "MD", "md,rd"})
        type(typed);
    EXPECT_EQ(calls, QStringList({"frmTest:InterpretCommand(SD1)", "frmTest:InterpretCommand(WM,12)"}));
    ASSERT_EQ(boxes.count(), 1);  // "md,rd" without a master-mode window: message 9
    EXPECT_TRUE(boxes.shown().at(0).text.contains("Mastermodus"));

    QStringList masterCalls;
    RecordingMaster master(&masterCalls);
    Sensor::State().MasterForm = &master;
    type("md,rd");
    EXPECT_EQ(masterCalls, QStringList({"Start(RD)"}));

    Sensor::State().SensorFormName.clear();  // no editor detected: nothing happens
    type("SD1,500");
    EXPECT_EQ(calls.size(), 2);
}

}  // namespace
