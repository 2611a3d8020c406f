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

TEST_F(SensorInfoTest, SplitTypedCommands) {
    struct Case {
        const char* typed;
        const char* word;
        const char* argument;
    } const cases[] = {
        {"WM,12,3F", "WM,12", "3F"},  // a memory-cell write keeps its cell in the word
        {"md,rd", "MD", "RD"},
        {" DEF ", "DEF", ""},          // without a comma the word is trimmed
        {" sd1 , 5 ", " SD1 ", "5"},   // with one only the argument is
        {"EM,PT1,100,5", "EM,PT1", "100,5"},
        {"", "", ""},
    };
    for (const Case& c : cases) {
        const Sensor::TypedCommand command = Sensor::SplitTypedCommand(c.typed);
        EXPECT_EQ(command.word, QString(c.word)) << c.typed;
        EXPECT_EQ(command.argument, QString(c.argument)) << c.typed;
    }
}

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

    // While the poll timer runs the next poll cycle starts it.
    mainWindow.polling = true;
    type("md,ad");
    EXPECT_EQ(masterCalls.size(), 1);
    EXPECT_TRUE(Sensor::State().MasterRequest);
    EXPECT_EQ(Sensor::State().MasterArg, "AD");

    Sensor::State().SensorFormName.clear();  // no editor detected: nothing happens
    type("SD1,500");
    EXPECT_EQ(calls.size(), 2);
}

TEST_F(SensorInfoTest, ItemsWithoutSensorAndItemsNoEditorKnows) {
    QVariant value;
    Sensor::GetSensorData(1, value);
    EXPECT_EQ(value.toString(), "Kein Ultraschallsensor erkannt!");
    editor.data[12] = 450;
    value = "caller's";
    Sensor::GetSensorData(8, value);
    EXPECT_EQ(value, QVariant(false));  // False unless the editor answers it
    for (int item : {9, 12, 23}) {
        value = "caller's";
        Sensor::GetSensorData(item, value);
        EXPECT_EQ(value.toString(), item == 12 ? "450" : "caller's") << item;
    }
}

}  // namespace
