// The poll cycle: poll clients and the timer, what one cycle asks the
// sensor and what it hands the live windows.
#include "link/PollFixture.h"

#include "frame/MainModule.h"

namespace {

TEST(PollClients, TimerRunsWhileAtLeastOneClientIsRegistered) {
    struct Step {
        bool on;
        int clients;
        bool timerRuns;
    };
    const Step steps[] = {
        {false, 0, false},   // removing with none registered never goes below 0
        {true, 1, true},
        {true, 2, true},
        {false, 1, true},
        {false, 0, false},
        {true, 1, true},     // ... so one client is enough to run the timer again
    };
    Sensor::ResetPollCycleForTests();
    bool timerRuns = false;
    Sensor::SetPollTimerSwitch([&timerRuns](bool run) { timerRuns = run; });
    for (const Step& step : steps) {
        Sensor::SetPolling(step.on);
        EXPECT_EQ(Sensor::PollCycleState().PollClients, step.clients);
        EXPECT_EQ(timerRuns, step.timerRuns);
    }
    // A timer installed after clients registered starts at once.
    bool lateTimer = false;
    Sensor::SetPollTimerSwitch([&lateTimer](bool run) { lateTimer = run; });
    EXPECT_TRUE(lateTimer);
    Sensor::ResetPollCycleForTests();
}

TEST(PollClients, InstalledAsTheMainLoopsPollStep) {
    MainModule::ResetForTests();
    Sensor::InstallPollCycle();
    EXPECT_TRUE(bool(MainModule::State().PollSensor));
    MainModule::ResetForTests();
}

struct CycleCase {
    const char* name;
    QString sensorLine;
    bool analogInUse;
    QMap<QByteArray, QByteArray> answers;
    QStringList requests;
    QStringList calls;   // readout first, then the display
};

TEST_F(PollTest, OneCycleAsksByLineAndFeedsTheWindows) {
    const CycleCase cases[] = {
        {"switch states and no analogue output", "0", false,
         {{"AD", "1234\r"}, {"SS1", "1\r"}, {"SS2", "0\r"}},
         {"AD", "SS1", "SS2"},
         {"Readout(1234)", "Distance(1234,0,false)", "State(1,0)"}},
        {"output 1 in its error state is a fault", "3", false,
         {{"AD", "800\r"}, {"SS1", "E\r"}, {"SS2", "1\r"}},
         {"AD", "SS1", "SS2"},
         {"Readout(800)", "Distance(800,0,true)", "State(2,1)"}},
        {"a sensor error to AD is the distance -1", "0", false,
         {{"AD", "E01\r"}, {"SS1", "0\r"}, {"SS2", "0\r"}},
         {"AD", "SS1", "SS2"},
         {"Readout(-1)", "Distance(-1,0,false)", "State(0,0)"}},
        {"unknown switch answers and a status byte are no answer", "2", false,
         {{"AD", "55\r"}, {"SS1", "7\r"}, {"SS2", "\x82\r"}},
         {"AD", "SS1", "SS2"},
         {"Readout(55)", "Distance(55,0,false)", "State(-1,-1)"}},
        {"\"EE\" is not the error state", "0", false,
         {{"AD", "55\r"}, {"SS1", "EE\r"}, {"SS2", "0\r"}},
         {"AD", "SS1", "SS2"},
         {"Readout(55)", "Distance(55,0,false)", "State(-1,0)"}},
        {"analogue output in use", "0", true,
         {{"AD", "1234\r"}, {"SS1", "0\r"}, {"SS2", "1\r"}, {"RD", "567.6\r"}},
         {"AD", "SS1", "SS2", "RD"},
         {"Readout(1234)", "Distance(1234,568,false)", "State(0,1)"}},
        {"QF8200Echo: no switch commands, IU for the analogue value", "1", true,
         {{"AD", "0990\r"}, {"IU", "12\r"}},
         {"AD", "IU"},
         {"Readout(990)", "Distance(990,12,false)", "State(0,0)"}},
        {"QF8200Echo without an answer: outputs unknown, AD tried twice", "1", false,
         {},
         {"AD", "AD"},
         {"Readout(0)", "Distance(0,0,false)", "State(-1,-1)"}},
    };
    for (const CycleCase& c : cases) {
        SCOPED_TRACE(c.name);
        Sensor::ResetPollCycleForTests();
        Sensor::State().SensorLine = c.sensorLine;
        editor.data[22] = c.analogInUse;
        answers = c.answers;
        calls.clear();
        EXPECT_EQ(poll(), c.requests);
        EXPECT_EQ(calls, c.calls);
    }
}

TEST_F(PollTest, ClosedWindowsGetNothingAndCostNoSwitchQueries) {
    answers = {{"AD", "1234\r"}, {"SS1", "1\r"}, {"SS2", "0\r"}};
    display.loaded = false;
    EXPECT_EQ(poll(), QStringList{"AD"});
    EXPECT_EQ(calls, QStringList{"Readout(1234)"});

    calls.clear();
    readout.loaded = false;
    display.loaded = true;
    EXPECT_EQ(poll(), (QStringList{"AD", "SS1", "SS2"}));
    EXPECT_EQ(calls, (QStringList{"Distance(1234,0,false)", "State(1,0)"}));
}

TEST_F(PollTest, SilentSwitchOutputStopsAskingSS2UntilItAnswersAgain) {
    struct Tick {
        bool ss1Answers;
        QStringList requests;
        QString state;
        int errorCount;
    };
    const Tick ticks[] = {
        {false, {"AD", "SS1", "SS2"}, "State(-1,0)", 1},
        {false, {"AD", "SS1"}, "State(-1,-1)", 2},
        {false, {"AD", "SS1"}, "State(-1,-1)", 2},
        {true, {"AD", "SS1", "SS2"}, "State(1,0)", 0},
        {false, {"AD", "SS1", "SS2"}, "State(-1,0)", 1},
    };
    int tickNo = 0;
    for (const Tick& tick : ticks) {
        SCOPED_TRACE(++tickNo);
        answers = {{"AD", "100\r"}, {"SS2", "0\r"}};
        if (tick.ss1Answers) answers["SS1"] = "1\r";
        calls.clear();
        EXPECT_EQ(poll(), tick.requests);
        EXPECT_EQ(calls.last(), tick.state);
        EXPECT_EQ(Sensor::PollCycleState().SwitchErrorCount, tick.errorCount);
    }
}

TEST_F(PollTest, CycleStartedWhileOneWaitsReturnsAtOnce) {
    int nestedRequests = -1;
    port.respond = [this, &nestedRequests](const QByteArray& request) -> QByteArray {
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
    EXPECT_FALSE(Sensor::PollCycleState().PollBusy);
}

TEST_F(PollTest, DeferredMasterStartReplacesTheWholeCycle) {
    QStringList masterCalls;
    RecordingMaster master(&masterCalls);
    Sensor::State().MasterForm = &master;
    Sensor::State().MasterRequest = true;
    Sensor::State().MasterArg = "MD2";
    answers = {{"AD", "100\r"}};
    EXPECT_EQ(poll(), QStringList());
    EXPECT_EQ(masterCalls, QStringList{"Start(MD2)"});
    EXPECT_FALSE(Sensor::State().MasterRequest);
    EXPECT_TRUE(calls.isEmpty());

    // Without an editor the request is dropped; the next cycle polls again.
    Sensor::State().MasterRequest = true;
    Sensor::State().SensorFormName.clear();
    EXPECT_EQ(poll(), QStringList());
    EXPECT_EQ(masterCalls.size(), 1);
    EXPECT_FALSE(Sensor::State().MasterRequest);
    EXPECT_EQ(poll().first(), "AD");
}

TEST(LeadingLong, SensorAnswersAsWholeNumbers) {
    const std::pair<QString, qint32> cases[] = {
        {"1234", 1234}, {"0990mm", 990}, {"", 0}, {"E", 0}, {" -12", -12},
        {"2.5", 2}, {"3.5", 4}, {"99999999999", 2147483647}, {"-99999999999", -2147483647 - 1},
    };
    for (const auto& [answer, value] : cases) EXPECT_EQ(Sensor::LeadingLong(answer), value) << answer.toStdString();
}

}  // namespace
