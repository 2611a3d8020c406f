// --split-every: every Nth answer arrives as two lines, split in its middle.
#include "SensorTalk.h"

using namespace sensortest;
using sensorsim::Line;
using sensorsim::Sensor;

namespace {

TEST(SplitAnswer, EveryNthAnswerGetsACarriageReturnInItsMiddle) {
    const struct {
        const char* name;
        Line line;
        int splitEvery;
        std::vector<std::string> requests;  // each with its carriage return
        std::string sent;                   // everything the sensor sends back
    } cases[] = {
        {"odd length: the shorter half first", Line::Qf8200, 1, {"VER"}, "V2\r.1B\r"},
        {"even length", Line::Qf8200, 1, {"SD1"}, "10\r00\r"},
        {"status byte: the extra carriage return after it", Line::Qf8200, 1, {"XYZ"}, "\x82\r\r"},
        {"every 2nd answer only", Line::Qf8200, 2, {"VER", "VER", "VER", "VER"},
         "V2.1B\rV2\r.1B\rV2.1B\rV2\r.1B\r"},
        {"echoes and the echo probe are not answers", Line::Qf8200Echo, 2, {"", "RM,XE1D", "", "RM,XE1D"},
         "\rRM,XE1D\r03\r\rRM,XE1D\r0\r3\r"},
    };
    for (const auto& c : cases) {
        sensorsim::SensorConfig config = configFor(c.line);
        config.faults.splitEveryNth = c.splitEvery;
        Sensor sensor(config);
        std::string sent;
        for (const std::string& request : c.requests) sent += sensor.feed(request + "\r");
        EXPECT_EQ(sent, c.sent) << c.name;
    }
}

TEST(SplitAnswer, OtherFaultsOnTheSameAnswerStillApply) {
    const struct {
        const char* name;
        void (*spoil)(sensorsim::FaultPlan&);
        std::string sent;
    } cases[] = {
        {"without its carriage return", [](sensorsim::FaultPlan& p) { p.noCrEveryNth = 1; }, "V2\r.1B"},
        {"dropped", [](sensorsim::FaultPlan& p) { p.dropEveryNth = 1; }, ""},
        {"replaced by a status byte", [](sensorsim::FaultPlan& p) { p.statusByKey["VER"] = 0x81; }, "\x81\r\r"},
    };
    for (const auto& c : cases) {
        sensorsim::SensorConfig config = configFor(Line::Qf8200);
        config.faults.splitEveryNth = 1;
        c.spoil(config.faults);
        Sensor sensor(config);
        EXPECT_EQ(sensor.feed("VER\r"), c.sent) << c.name;
    }

    sensorsim::SensorConfig config = configFor(Line::Qf8200);
    config.faults.splitEveryNth = 1;
    config.faults.longAnswerKeys.insert("VER");
    Sensor sensor(config);
    const std::string sent = sensor.feed("VER\r");
    ASSERT_EQ(sent.size(), 302u);
    EXPECT_EQ(sent.find('\r'), 150u) << "a long answer in two halves";
}

}  // namespace
