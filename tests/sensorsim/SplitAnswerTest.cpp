// --split-every: every Nth answer arrives as two lines, split in its middle.
#include "SensorTalk.h"

using namespace sensortest;
using sensorsim::Line;

namespace {

TEST(SplitAnswer, EveryNthAnswerGetsACarriageReturnInItsMiddle) {
    const struct {
        const char* name;
        Line line;
        int splitEvery;
        int noCrEvery;
        std::string bytesIn;
        std::string sent;  // everything the sensor sends back
    } cases[] = {
        {"odd length: the shorter half first", Line::Qf8200, 1, 0, "VER\r", "V2\r.1B\r"},
        {"even length", Line::Qf8200, 1, 0, "SD1\r", "10\r00\r"},
        {"a status byte: the extra carriage return after it", Line::Qf8200, 1, 0, "XYZ\r", "\x82\r\r"},
        {"split and without its carriage return", Line::Qf8200, 1, 1, "VER\r", "V2\r.1B"},
        {"every 2nd answer only", Line::Qf8200, 2, 0, "VER\rVER\rVER\r", "V2.1B\rV2\r.1B\rV2.1B\r"},
        {"echoes and the echo probe are no answers", Line::Qf8200Echo, 2, 0, "\rRM,XE1D\r\rRM,XE1D\r",
         "\rRM,XE1D\r03\r\rRM,XE1D\r0\r3\r"},
    };
    for (const auto& c : cases) {
        sensorsim::SensorConfig config = configFor(c.line);
        config.faults.splitEveryNth = c.splitEvery;
        config.faults.noCrEveryNth = c.noCrEvery;
        sensorsim::Sensor sensor(config);
        EXPECT_EQ(sensor.feed(c.bytesIn), c.sent) << c.name;
    }
}

}  // namespace
