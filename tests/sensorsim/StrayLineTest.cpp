// --stray-every: an unasked line follows every Nth answer once that has
// crossed the line, without holding up the answers after it. The sensor's
// clock counts whole ms: the pause starts the millisecond after the one in
// which the answer has crossed the line, rounded up.
#include "SensorTalk.h"

using namespace sensortest;
using sensorsim::Line;

namespace {

const std::string Version = "V2.1B\r";  // VER: 6 bytes, 6.25 ms at 9600 baud
const std::string Stray = "0\r";

TEST(StrayLine, FollowsEveryNthAnswerOnceItHasCrossedTheLineAndHoldsUpNoAnswer) {
    const struct {
        const char* name;
        Line line;
        int strayEvery, strayMs, baud, trickleMs;
        std::vector<TimedStep> steps;
    } cases[] = {
        {"at once", Line::Qf8200, 1, 10, 0, 0, {{0, "VER\r", Version}, {10, "", ""}, {1, "", Stray}}},
        {"9600 baud", Line::Qf8200, 1, 10, 9600, 0, {{0, "VER\r", Version}, {17, "", ""}, {1, "", Stray}}},
        {"9600 baud, behind the answer queued ahead", Line::Qf8200, 2, 0, 9600, 0,
         {{0, "VER\rVER\r", Version + Version}, {13, "", ""}, {1, "", Stray}}},
        {"an answer due first goes first", Line::Qf8200, 1, 50, 0, 0,
         {{0, "VER\r", Version}, {20, "VER\r", Version}, {30, "", ""}, {1, "", Stray}, {19, "", ""},
          {1, "", Stray}}},
        {"never between the bytes of an answer", Line::Qf8200, 1, 5, 0, 10,
         {{0, "VER\r", "V"}, {50, "", "2.1B\r"}, {2, "VER\r", "V"}, {4, "", ""}, {46, "", "2.1B\r" + Stray},
          {5, "", ""}, {1, "", Stray}}},
        {"every 2nd answer", Line::Qf8200, 2, 0, 0, 0,
         {{0, "VER\r", Version}, {5, "VER\r", Version}, {5, "VER\r", Stray + Version}, {5, "", ""}}},
        {"echoes and the echo probe are no answers", Line::Qf8200Echo, 2, 0, 0, 0,
         {{0, "\rVER\r\r", "\rVER\r" + Version + "\r"}, {5, "VER\r", "VER\r" + Version}, {5, "", Stray}}},
    };
    for (const auto& c : cases) {
        sensorsim::SensorConfig config = configFor(c.line);
        config.faults.strayEveryNth = c.strayEvery;
        config.faults.strayMs = c.strayMs;
        config.faults.trickleMs = c.trickleMs;
        config.baud = c.baud;
        sensorsim::Sensor sensor(config);
        runSteps(sensor, c.steps, c.name);
        EXPECT_FALSE(sensor.nextDue()) << c.name << ": nothing left to send";
    }
}

}  // namespace
