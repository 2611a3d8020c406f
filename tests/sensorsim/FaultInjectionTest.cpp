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

FaultPlan plan(std::function<void(FaultPlan&)> set) {
    FaultPlan p;
    set(p);
    return p;
}

TEST(FaultInjection, CountingFaultsSpoilEveryNthAnswer) {
    EXPECT_EQ(answersToVer(plan([](FaultPlan& p) { p.dropEveryNth = 3; }), 3),
              (std::vector<std::string>{Ver, Ver, ""}));
    EXPECT_EQ(answersToVer(plan([](FaultPlan& p) { p.dropEveryNth = 2; p.noCrEveryNth = 3; }), 6),
              (std::vector<std::string>{Ver, "", "V2.1B", "", Ver, ""}));
    // An echo is no answer: it still comes back when the answer is dropped.
    EXPECT_EQ(answersToVer(plan([](FaultPlan& p) { p.dropEveryNth = 1; }), 1, Line::Qf8200Echo),
              std::vector<std::string>{"VER\r"});

    const FaultPlan garbage = plan([](FaultPlan& p) { p.garbageEveryNth = 2; p.seed = 7; });
    const std::vector<std::string> first = answersToVer(garbage, 4);
    EXPECT_EQ(first[0], Ver);
    for (const std::string& bytes : {first[1], first[3]}) {
        EXPECT_GE(bytes.size(), 2u);
        EXPECT_EQ(bytes.find('\r'), bytes.size() - 1) << "random bytes ended by one carriage return";
    }
    EXPECT_NE(first[1], first[3]);
    EXPECT_EQ(answersToVer(garbage, 4), first);  // the same seed gives the same bytes
}

TEST(FaultInjection, PerKeyFaultsReplaceTheAnswerAndTheCommandIsNotCarriedOut) {
    Talk talk(Line::Qf8200, "", plan([](FaultPlan& p) {
                  p.statusByKey = {{"TEM", 0x82}, {"sd11", 0x84}};
                  p.longAnswerKeys.insert("ID");
              }));
    const std::string longAnswer = talk.ask("ID");
    ASSERT_EQ(longAnswer.size(), 300u);
    for (char c : longAnswer) EXPECT_TRUE(c > ' ' && c <= '~');
    expectExchanges(talk, {{"TEM,3000", Unknown}, {"TO", "0"}, {"SD11,500", "\x84"}, {"SD1", "1000"}}, "qf8200");

    // A key with a comma names one memory cell of the echo line.
    Talk echo(Line::Qf8200Echo, "", plan([](FaultPlan& p) { p.statusByKey["RM,XE1D"] = 0x84; }));
    expectExchanges(echo, {{"RM,XE1D", "\x84"}, {"RM,XE1E", "02"}, {"WM,XE1D,05", Ok}}, "echo");
}

TEST(FaultInjection, DelayAndTrickleTakeTime) {
    Sensor delayed(configFor(Line::Qf8200, "", plan([](FaultPlan& p) { p.delayMs = 100; })));
    EXPECT_EQ(delayed.feed("VER\r"), "");
    EXPECT_EQ(delayed.nextDue(), 100);
    EXPECT_EQ(delayed.advance(99), "");
    EXPECT_EQ(delayed.advance(1), Ver);

    Sensor trickled(configFor(Line::Qf8200, "", plan([](FaultPlan& p) { p.trickleMs = 10; })));
    EXPECT_EQ(trickled.feed("VER\r"), "V");
    EXPECT_EQ(trickled.advance(9), "");
    EXPECT_EQ(trickled.advance(1), "2");
    EXPECT_EQ(trickled.advance(40), ".1B\r");

    // The echo is not delayed; the answer behind it is.
    Sensor echo(configFor(Line::Qf8200Echo, "", plan([](FaultPlan& p) { p.delayMs = 100; })));
    EXPECT_EQ(echo.feed("VER\r"), "VER\r");
    EXPECT_EQ(echo.advance(100), Ver);
}

TEST(FaultInjection, HangsUpOnceTheLastAnswerIsOut) {
    Sensor sensor(configFor(Line::Qf8200, "", plan([](FaultPlan& p) { p.hangupAfter = 2; p.delayMs = 10; })));
    sensor.feed("\r");  // the echo probe counts as a request
    EXPECT_EQ(sensor.feed("VER\rID\r"), "");
    EXPECT_FALSE(sensor.hungUp());  // its answer is still due
    EXPECT_EQ(sensor.advance(10), Ver);
    EXPECT_TRUE(sensor.hungUp());
    EXPECT_EQ(sensor.takeRequests(), (std::vector<std::string>{"", "VER"}));
    EXPECT_EQ(sensor.advance(100), "");
}

}  // namespace
