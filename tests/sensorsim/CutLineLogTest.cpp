// The request log at the end: a request the client left cut short shows as
// "(cut) " and its bytes after the requests the sensor received whole.
#include "SensorTalk.h"

#include "core/RequestLog.h"

#include <sstream>

using namespace sensortest;
using sensorsim::Line;
using sensorsim::Sensor;

namespace {

TEST(CutLineLog, ARequestCutShortShowsAfterTheWholeOnes) {
    const struct {
        const char* name;
        Line line;
        int hangupAfter;
        std::string bytesIn;
        std::string log;
    } cases[] = {
        {"echo line with a half line", Line::Qf8200Echo, 0, "\rRM,XE1D\rWM,WXE4,03", "\nRM,XE1D\n(cut) WM,WXE4,03\n"},
        {"no half line: nothing more", Line::Qf8200Echo, 0, "\rRM,XE1D\r", "\nRM,XE1D\n"},
        {"nothing received", Line::Qf8200, 0, "", ""},
        {"bytes in the log's notation", Line::Qf8200, 0, "VER\r\x01\\A", "VER\n(cut) \\x01\\x5CA\n"},
        {"a line feed after a carriage return is no half line", Line::Qf8200, 0, "VER\r\n", "VER\n"},
        {"cut short by the hang-up", Line::Qf8200, 1, "VER\rSD1,1", "VER\n(cut) SD1,1\n"},
        {"a whole request after the last one the sensor takes stays out of the log", Line::Qf8200, 1,
         "VER\rSD1,1\rSD", "VER\n(cut) SD\n"},
    };
    for (const auto& c : cases) {
        sensorsim::SensorConfig config = configFor(c.line);
        config.faults.hangupAfter = c.hangupAfter;
        Sensor sensor(config);
        sensor.feed(c.bytesIn);
        std::ostringstream out;
        sensorsim::RequestLog log(out);
        log.write(sensor.takeRequests());
        log.writeCut(sensor.cutLine());
        EXPECT_EQ(out.str(), c.log) << c.name;
    }
}

}  // namespace
