// Byte-level framing: requests end with a carriage return, the echoing line
// sends back every byte, the others ignore a lone carriage return.
#include "SensorTalk.h"

using namespace sensortest;
using sensorsim::Line;
using sensorsim::Sensor;

namespace {

const std::string IdAnswer = "Q&B QF6000-KR Eprom: E3.07 Version: 2.1\r";

TEST(Framing, SplitsRequestsAtCarriageReturnsHoweverTheBytesArrive) {
    const std::string echoId = "Q&B QE3000-62HN Eprom: E1.2 Version: 2.1\r";
    const struct {
        const char* name;
        Line line;
        std::vector<std::string> chunks;  // fed one after the other
        std::string sent;                 // everything the sensor sends back
    } cases[] = {
        {"request in pieces", Line::Qf8200, {"I", "D", "\r"}, IdAnswer},
        {"two requests at once", Line::Qf8200, {"ID\rVER\r"}, IdAnswer + "V2.1B\r"},
        {"lone carriage return ignored", Line::Qf8200, {"\r"}, ""},
        {"line feed after CR skipped", Line::Qf8200, {"VER\r\nVER\r\n"}, "V2.1B\rV2.1B\r"},
        {"overlong request refused", Line::Qf8200, {std::string(300, 'A') + "\r"}, "\x82\r"},
        {"echo probe: one CR back", Line::Qf8200Echo, {"\r"}, "\r"},
        {"echo byte by byte", Line::Qf8200Echo, {"I", "D", "\r"}, "ID\r" + echoId},
    };
    for (const auto& c : cases) {
        Sensor sensor(configFor(c.line));
        std::string sent;
        for (const std::string& chunk : c.chunks) sent += sensor.feed(chunk);
        EXPECT_EQ(sent, c.sent) << c.name;
    }

    // An echoing sensor echoes each byte the moment it arrives.
    Sensor echo(configFor(Line::Qf8200Echo));
    EXPECT_EQ(echo.feed("I"), "I");
    EXPECT_EQ(echo.feed("D"), "D");
}

}  // namespace
