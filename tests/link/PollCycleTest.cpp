// The poll cycle: poll clients and the timer, what one cycle asks the
// sensor and what it hands the live windows.
#include "link/PollFixture.h"

namespace {

TEST_F(PollTest, OneCycleAsksByLineAndFeedsTheWindows) {
    struct CycleCase {
        const char* name;
        QString sensorLine;
        bool analogInUse;
        QMap<QByteArray, QByteArray> answers;
        QStringList requests;
        QStringList calls;   // readout first, then the display
    };
    const CycleCase cases[] = {
        {"output 1 in its error state is a fault; AD error is -1", "3", false,
         {{"AD", "E01\r"}, {"SS1", "E\r"}, {"SS2", "EE\r"}},
         {"AD", "SS1", "SS2"}, {"Readout(-1)", "Distance(-1,0,fault)", "State(2,-1)"}},
        {"analogue output in use", "0", true, {{"AD", "1234\r"}, {"SS1", "0\r"}, {"SS2", "1\r"}, {"RD", "567.6\r"}},
         {"AD", "SS1", "SS2", "RD"}, {"Readout(1234)", "Distance(1234,568,ok)", "State(0,1)"}},
        {"QF8200Echo: no switch commands, IU for the analogue value", "1", true, {{"AD", "0990\r"}, {"IU", "12\r"}},
         {"AD", "IU"}, {"Readout(990)", "Distance(990,12,ok)", "State(0,0)"}},
        {"QF8200Echo without an answer: no reading, outputs unknown, AD tried twice", "1", false, {},
         {"AD", "AD"}, {"Readout(none)", "Distance(none,0,ok)", "State(-1,-1)"}},
        {"an answer of 0 is a reading", "0", false, {{"AD", "0\r"}, {"SS1", "0\r"}, {"SS2", "0\r"}},
         {"AD", "SS1", "SS2"}, {"Readout(0)", "Distance(0,0,ok)", "State(0,0)"}},
        // A status byte in place of a distance is no object at 0 mm; the
        // outputs go by their own answers as before.
        {"a refusal (84h) of every try is no reading", "0", false, {{"AD", "\x84\r"}, {"SS1", "1\r"}, {"SS2", "0\r"}},
         {"AD", "AD", "SS1", "SS2"}, {"Readout(none)", "Distance(none,0,ok)", "State(1,0)"}},
        {"an 80h for a distance is no reading", "0", false, {{"AD", "\x80\r"}, {"SS1", "0\r"}, {"SS2", "0\r"}},
         {"AD", "SS1", "SS2"}, {"Readout(none)", "Distance(none,0,ok)", "State(0,0)"}},
        {"QF8200Echo refusing AD: no reading, but the sensor answers", "1", false, {{"AD", "\x82\r"}},
         {"AD", "AD"}, {"Readout(none)", "Distance(none,0,ok)", "State(0,0)"}},
        // Noise made a carriage return in the distance: what the round took
        // may have been shifted onto the wrong requests, so it shows nothing.
        {"a line more than was asked for: the round shows no reading", "0", false,
         {{"AD", "12\r34\r"}, {"SS1", "1\r"}, {"SS2", "0\r"}},
         {"AD", "SS1", "SS2"}, {"Readout(none)", "Distance(none,0,ok)", "State(-1,-1)"}},
    };
    for (const CycleCase& c : cases) {
        SCOPED_TRACE(c.name);
        Sensor::State().SensorLine = c.sensorLine;
        editor.data[22] = c.analogInUse;
        answers = c.answers;
        calls.clear();
        restTheLine();
        EXPECT_EQ(poll(), c.requests);
        EXPECT_EQ(traffic.size(), 2 * c.requests.size()) << "each request and its answer";
        EXPECT_EQ(calls, c.calls);
    }

    // Without the display window no switch states are asked.
    display.loaded = false;
    answers = {{"AD", "990\r"}, {"SS1", "1\r"}};
    calls.clear();
    EXPECT_EQ(poll(), QStringList{"AD"});
    EXPECT_EQ(calls, QStringList{"Readout(990)"});
}

TEST_F(PollTest, SilentSwitchOutputStopsAskingSS2UntilItAnswersAgain) {
    const std::pair<bool, QStringList> ticks[] = {
        {false, {"AD", "SS1", "SS2"}}, {false, {"AD", "SS1"}}, {false, {"AD", "SS1"}},
        {true, {"AD", "SS1", "SS2"}},  {false, {"AD", "SS1", "SS2"}},
    };
    for (const auto& [ss1Answers, requests] : ticks) {
        answers = {{"AD", "100\r"}, {"SS2", "0\r"}};
        if (ss1Answers) answers["SS1"] = "1\r";
        restTheLine();
        EXPECT_EQ(poll(), requests);
    }
}

TEST_F(PollTest, CycleStartedWhileOneWaitsReturnsAtOnce) {
    int nestedRequests = -1;
    port.respond = [this, &nestedRequests](const QByteArray& request) {
        if (request == "AD" && nestedRequests < 0) {
            const qsizetype before = port.requests.size();
            Sensor::PollSensor();   // a timer tick while the outer cycle waits
            nestedRequests = int(port.requests.size() - before);
        }
        return answers.value(request);
    };
    answers = {{"AD", "100\r"}, {"SS1", "0\r"}, {"SS2", "0\r"}};
    EXPECT_EQ(poll(), (QStringList{"AD", "SS1", "SS2"}));
    EXPECT_EQ(nestedRequests, 0);
}

// The deferred start itself runs end to end in MasterModeE2ETest.
TEST_F(PollTest, DeferredMasterStartWithoutAnEditorIsDropped) {
    QStringList masterCalls;
    RecordingMaster master(&masterCalls);
    SensorStateData& sensor = Sensor::State();
    sensor.MasterForm = &master;
    sensor.MasterRequest = true;
    sensor.SensorFormName.clear();
    EXPECT_EQ(poll(), QStringList());
    EXPECT_TRUE(masterCalls.isEmpty());
    EXPECT_FALSE(sensor.MasterRequest);
    EXPECT_EQ(poll().value(0), "AD");
}

}  // namespace
