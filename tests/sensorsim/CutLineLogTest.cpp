// The request log at the end: a request the client left cut short shows as
// "(cut) " and its bytes after the requests the sensor received whole.
#include "SensorTalk.h"

#include "core/RequestLog.h"

#include <sstream>

using namespace sensortest;
using sensorsim::Line;

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
        {"a line feed after a carriage return is no half line", Line::Qf8200, 0, "VER\r\n", "VER\n"},
        {"bytes in the log's notation", Line::Qf8200, 0, "VER\r\x01\\A", "VER\n(cut) \\x01\\x5CA\n"},
        {"cut short by the hang-up; a whole request after the last one taken stays out", Line::Qf8200, 1,
         "VER\rSD1,1\rSD", "VER\n(cut) SD\n"},
    };
    for (const auto& c : cases) {
        sensorsim::SensorConfig config = configFor(c.line);
        config.faults.hangupAfter = c.hangupAfter;
        sensorsim::Sensor sensor(config);
        sensor.feed(c.bytesIn);
        std::ostringstream out;
        sensorsim::RequestLog log(out);
        log.write(sensor.takeRequests());
        log.writeCut(sensor.cutLine());
        EXPECT_EQ(out.str(), c.log) << c.name;
    }
}

}  // namespace
