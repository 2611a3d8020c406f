// A slow sensor works like a real one: one request after another, each
// taking the set delay, while an echoing sensor echoes every byte at once.
#include "SensorTalk.h"

using namespace sensortest;
using sensorsim::Line;
using sensorsim::Sensor;

namespace {

const std::string Version = "V2.1B\r";
const std::string Cell = "03\r";   // RM,XE1D

TEST(Timing, ASlowSensorAnswersOneRequestAfterAnother) {
    const struct {
        const char* name;
        Line line;
        std::vector<TimedStep> steps;
    } cases[] = {
        {"back to back: the second answer a full delay after the first",
         Line::Qf8200,
         {{0, "VER\rVER\r", ""}, {99, "", ""}, {1, "", Version}, {99, "", ""}, {1, "", Version}}},
        {"a request while busy waits its turn; an idle sensor starts at once",
         Line::Qf8200,
         {{0, "VER\r", ""}, {40, "VER\r", ""}, {60, "", Version}, {99, "", ""}, {1, "", Version},
          {50, "VER\r", ""}, {99, "", ""}, {1, "", Version}}},
        {"echoes go back at once while the sensor is busy",
         Line::Qf8200Echo,
         {{0, "RM,XE1D\r", "RM,XE1D\r"}, {10, "RM,XE1D\r", "RM,XE1D\r"}, {90, "", Cell}, {99, "", ""},
          {1, "", Cell}}},
    };
    for (const auto& c : cases) {
        sensorsim::SensorConfig config = configFor(c.line);
        config.faults.delayMs = 100;
        Sensor sensor(config);
        runSteps(sensor, c.steps, c.name);
    }
}

// --late: the sensor takes longer over one request; the ones that arrive meanwhile wait behind it.
TEST(Timing, ALateAnswerHoldsUpTheRequestsBehindItInTheirOrder) {
    const struct {
        const char* name;
        Line line;
        sensorsim::NthRequests lateAt;
        std::vector<TimedStep> steps;
    } cases[] = {
        {"the 2nd VER only; SD1 waits for it, then takes its own delay",
         Line::Qf8200, {{"ver", {2}}},
         {{0, "VER\r", ""}, {10, "VER\r", Version}, {10, "SD1\r", ""}, {49, "", ""}, {1, "", Version},
          {9, "", ""}, {1, "", "1000\r"}, {0, "VER\r", ""}, {10, "", Version}}},
        {"echoes go back at once meanwhile",
         Line::Qf8200Echo, {{"RM,XE1D", {1}}},
         {{0, "RM,XE1D\r", "RM,XE1D\r"}, {10, "RM,XE1D\r", "RM,XE1D\r"}, {49, "", ""}, {1, "", Cell},
          {10, "", Cell}}},
    };
    for (const auto& c : cases) {
        sensorsim::SensorConfig config = configFor(c.line);
        config.faults.delayMs = 10;
        config.faults.lateAt = c.lateAt;
        config.faults.lateMs = 50;
        Sensor sensor(config);
        runSteps(sensor, c.steps, c.name);
    }
}

}  // namespace
