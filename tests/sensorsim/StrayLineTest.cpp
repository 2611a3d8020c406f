// --stray-every: an unasked line follows every Nth answer once that has
// crossed the line, without holding up the answers after it.
#include "SensorTalk.h"

using namespace sensortest;
using sensorsim::Line;
using sensorsim::Sensor;

namespace {

const std::string Version = "V2.1B\r";  // VER: 6 bytes, 6.25 ms at 9600 baud
const std::string Stray = "0\r";

struct Step {
    std::int64_t passMs;  // time that passes first
    std::string bytesIn;  // then these bytes arrive
    std::string sent;     // what the sensor sends meanwhile and at once
};

struct StrayCase {
    const char* name;
    int strayEvery;
    int strayMs;
    int baud;
    int trickleMs;
    int delayMs;
    std::vector<Step> steps;
};

void expectSteps(const StrayCase& c, Line line = Line::Qf8200) {
    sensorsim::SensorConfig config = configFor(line);
    config.faults.strayEveryNth = c.strayEvery;
    config.faults.strayMs = c.strayMs;
    config.faults.trickleMs = c.trickleMs;
    config.faults.delayMs = c.delayMs;
    config.baud = c.baud;
    Sensor sensor(config);
    std::int64_t at = 0;
    for (const Step& step : c.steps) {
        at += step.passMs;
        std::string sent = sensor.advance(step.passMs);
        sent += sensor.feed(step.bytesIn);
        EXPECT_EQ(sent, step.sent) << c.name << ", at " << at << " ms";
    }
    EXPECT_FALSE(sensor.nextDue()) << c.name << ": nothing left to send";
}

// The sensor's clock counts whole ms: the pause starts the millisecond after the one in which the answer
// has crossed the line, rounded up.
TEST(StrayLine, FollowsTheAnswerOnceItsLastByteHasCrossedTheLine) {
    const StrayCase cases[] = {
        {"at once", 1, 10, 0, 0, 0, {{0, "VER\r", Version}, {10, "", ""}, {1, "", Stray}}},
        {"after a delayed answer", 1, 10, 0, 0, 30,
         {{0, "VER\r", ""}, {30, "", Version}, {10, "", ""}, {1, "", Stray}}},
        {"after the last byte of a trickled answer", 1, 10, 0, 5, 0,
         {{0, "VER\r", "V"}, {25, "", "2.1B\r"}, {10, "", ""}, {1, "", Stray}}},
        {"9600 baud: after the answer's 6.25 ms on the line", 1, 10, 9600, 0, 0,
         {{0, "VER\r", Version}, {17, "", ""}, {1, "", Stray}}},
        {"1200 baud: 50 ms on the line", 1, 10, 1200, 0, 0,
         {{0, "VER\r", Version}, {60, "", ""}, {1, "", Stray}}},
        {"9600 baud: behind the answer queued ahead, 12.5 ms", 2, 0, 9600, 0, 0,
         {{0, "VER\rVER\r", Version + Version}, {13, "", ""}, {1, "", Stray}}},
        {"no pause", 1, 0, 0, 0, 0, {{0, "VER\r", Version}, {1, "", Stray}}},
    };
    for (const StrayCase& c : cases) expectSteps(c);
}

TEST(StrayLine, KeepsTheTransmittersOrderWithoutHoldingUpLaterAnswers) {
    const StrayCase cases[] = {
        {"an answer due first goes first", 1, 50, 0, 0, 0,
         {{0, "VER\r", Version}, {20, "VER\r", Version}, {30, "", ""}, {1, "", Stray}, {19, "", ""},
          {1, "", Stray}}},
        {"a delayed answer is not held up either", 1, 50, 0, 0, 30,
         {{0, "VER\rVER\r", ""}, {30, "", Version}, {30, "", Version}, {20, "", ""}, {1, "", Stray}, {29, "", ""},
          {1, "", Stray}}},
        {"it never splits an answer that is partly out", 1, 5, 0, 10, 0,
         {{0, "VER\r", "V"}, {50, "", "2.1B\r"}, {2, "VER\r", "V"}, {4, "", ""}, {46, "", "2.1B\r" + Stray},
          {5, "", ""}, {1, "", Stray}}},
        {"back to back: each after its own answer", 1, 10, 0, 0, 0,
         {{0, "VER\rVER\r", Version + Version}, {10, "", ""}, {1, "", Stray + Stray}}},
    };
    for (const StrayCase& c : cases) expectSteps(c);
}

TEST(StrayLine, FollowsEveryNthAnswerOnly) {
    const StrayCase cases[] = {
        {"every 2nd", 2, 0, 0, 0, 0,
         {{0, "VER\r", Version}, {5, "VER\r", Version}, {5, "VER\r", Stray + Version}, {5, "VER\r", Version},
          {5, "", Stray}}},
        {"off", 0, 0, 0, 0, 0, {{0, "VER\rVER\r", Version + Version}, {5, "", ""}}},
    };
    for (const StrayCase& c : cases) expectSteps(c);

    // The echo probe and the echoes are no answers.
    expectSteps({"echo line", 2, 0, 0, 0, 0,
                 {{0, "\r", "\r"}, {5, "VER\r", "VER\r" + Version}, {5, "\r", "\r"}, {5, "VER\r", "VER\r" + Version},
                  {5, "", Stray}}},
                Line::Qf8200Echo);
}

}  // namespace
