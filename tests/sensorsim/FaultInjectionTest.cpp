// Every fault flag of the simulator, on the in-process sensor.
#include "SensorTalk.h"

using namespace sensortest;
using sensorsim::FaultPlan;
using sensorsim::Line;
using sensorsim::Sensor;

namespace {

const std::string Ver = "V2.1B\r";

// The bytes the sensor sends for each of n "VER" requests, fed one by one.
std::vector<std::string> answersToVer(const FaultPlan& plan, int n, Line line = Line::Qf8200) {
    Sensor sensor(configFor(line, "", plan));
    std::vector<std::string> answers;
    for (int i = 0; i < n; ++i) answers.push_back(sensor.feed("VER\r"));
    return answers;
}

TEST(FaultInjection, CountingFaultsSpoilEveryNthAnswer) {
    FaultPlan drop, noCr, both;
    drop.dropEveryNth = 3;
    noCr.noCrEveryNth = 2;
    both.dropEveryNth = 2;
    both.noCrEveryNth = 3;
    EXPECT_EQ(answersToVer(drop, 6), (std::vector<std::string>{Ver, Ver, "", Ver, Ver, ""}));
    EXPECT_EQ(answersToVer(noCr, 4), (std::vector<std::string>{Ver, "V2.1B", Ver, "V2.1B"}));
    EXPECT_EQ(answersToVer(both, 6), (std::vector<std::string>{Ver, "", "V2.1B", "", Ver, ""}));

    // An echo is no answer: it still comes back when the answer is dropped.
    FaultPlan dropAll;
    dropAll.dropEveryNth = 1;
    EXPECT_EQ(answersToVer(dropAll, 1, Line::Qf8200Echo), std::vector<std::string>{"VER\r"});
}

TEST(FaultInjection, GarbageIsRandomBytesEndedByOneCarriageReturn) {
    FaultPlan plan;
    plan.garbageEveryNth = 2;
    plan.seed = 7;
    const std::vector<std::string> first = answersToVer(plan, 6);
    for (std::size_t i : {1u, 3u, 5u}) {
        const std::string& garbage = first[i];
        ASSERT_GE(garbage.size(), 2u);
        EXPECT_EQ(garbage.find('\r'), garbage.size() - 1) << i;
        EXPECT_NE(garbage, Ver);
    }
    EXPECT_EQ(first[0], Ver);
    EXPECT_EQ(first[2], Ver);
    EXPECT_NE(first[1], first[3]);
    EXPECT_EQ(answersToVer(plan, 6), first);  // the same seed gives the same bytes
}

TEST(FaultInjection, PerKeyFaultsReplaceTheAnswerAndTheCommandIsNotCarriedOut) {
    FaultPlan plan;
    plan.statusByKey["TEM"] = 0x82;
    plan.statusByKey["sd11"] = 0x84;
    plan.longAnswerKeys.insert("ID");
    Talk talk(Line::Qf8200, "", plan);
    const std::string longAnswer = talk.ask("ID");
    ASSERT_EQ(longAnswer.size(), 300u);
    for (char c : longAnswer) EXPECT_TRUE(c > ' ' && c <= '~');
    expectExchanges(talk,
                    {{"TEM", Unknown}, {"TEM,3000", Unknown}, {"TO", "0"}, {"SD11", "\x84"}, {"SD11,500", "\x84"},
                     {"SD1", "1000"}, {"VER", "V2.1B"}},
                    "qf8200");

    // A key with a comma names one memory cell of the echo line.
    FaultPlan cell;
    cell.statusByKey["RM,XE1D"] = 0x84;
    Talk echo(Line::Qf8200Echo, "", cell);
    expectExchanges(echo, {{"RM,XE1D", "\x84"}, {"RM,XE1E", "02"}, {"WM,XE1D,05", Ok}, {"RM,WXE7", "01F4"}},
                    "echo");
}

TEST(FaultInjection, DelayAndTrickleTakeTime) {
    FaultPlan delay, trickle, echoDelay;
    delay.delayMs = 100;
    trickle.trickleMs = 10;
    echoDelay.delayMs = 100;

    Sensor delayed(configFor(Line::Qf8200, "", delay));
    EXPECT_EQ(delayed.feed("VER\r"), "");
    EXPECT_EQ(delayed.nextDue(), 100);
    EXPECT_EQ(delayed.advance(99), "");
    EXPECT_EQ(delayed.advance(1), Ver);

    Sensor trickled(configFor(Line::Qf8200, "", trickle));
    EXPECT_EQ(trickled.feed("VER\r"), "V");
    EXPECT_EQ(trickled.advance(9), "");
    EXPECT_EQ(trickled.advance(1), "2");
    EXPECT_EQ(trickled.advance(40), ".1B\r");

    // The echo is not delayed; the answer behind it is.
    Sensor echo(configFor(Line::Qf8200Echo, "", echoDelay));
    EXPECT_EQ(echo.feed("VER\r"), "VER\r");
    EXPECT_EQ(echo.advance(100), Ver);
}

TEST(FaultInjection, HangsUpOnceTheLastAnswerIsOut) {
    FaultPlan plan;
    plan.hangupAfter = 2;
    plan.delayMs = 10;
    Sensor sensor(configFor(Line::Qf8200, "", plan));
    sensor.feed("\r");  // the echo probe counts as a request
    EXPECT_FALSE(sensor.hungUp());
    EXPECT_EQ(sensor.feed("VER\rID\r"), "");
    EXPECT_FALSE(sensor.hungUp());  // its answer is still due
    EXPECT_EQ(sensor.advance(10), Ver);
    EXPECT_TRUE(sensor.hungUp());
    EXPECT_EQ(sensor.takeRequests(), (std::vector<std::string>{"", "VER"}));
    EXPECT_EQ(sensor.advance(100), "");
}

}  // namespace
