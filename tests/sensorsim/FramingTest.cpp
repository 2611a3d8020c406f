// Byte-level framing: requests end with a carriage return, the echoing line
// sends back every byte, the others ignore a lone carriage return.
#include "SensorTalk.h"

#include "core/RequestLog.h"

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

TEST(Framing, KeepsEveryRequestForTheLog) {
    Sensor sensor(configFor(Line::Qf8200));
    sensor.feed("\rID\r\nSD1,500\r" + std::string(300, 'x') + "\r\x82\xe4\\\r");
    const std::vector<std::string> expected = {"", "ID", "SD1,500", std::string(Sensor::MaxRequestBytes, 'x'),
                                               "\x82\xe4\\"};
    EXPECT_EQ(sensor.takeRequests(), expected);
    EXPECT_TRUE(sensor.takeRequests().empty());
    EXPECT_EQ(sensorsim::logLine("\x82\xe4\\ A,1~\x7f\x1b"), "\\x82\\xE4\\x5C A,1~\\x7F\\x1B");
}

TEST(Framing, FactoryDefaultsAndTheUserConfiguration) {
    const struct {
        Line line;
        std::string read, write, factory, changed, other;  // other: a second written value
    } cases[] = {
        {Line::Qf8200, "SD11", "SD11,", "1000", "1500", "1600"},
        {Line::Qf8200Echo, "RM,WXE7", "WM,WXE7,", "01F4", "05DC", "0640"},
        {Line::Qt8200, "SD1", "SD1,", "00500", "01500", "01600"},
    };
    for (const auto& c : cases) {
        Talk talk(c.line);
        const std::string name = sensorsim::lineName(c.line);
        expectExchanges(talk,
                        {{"RUC", Ok}, {c.read, c.factory},  // the user slot starts with the factory values
                         {c.write + c.changed, Ok}, {"SUC", Ok}, {c.write + c.other, Ok}, {c.read, c.other},
                         {"RUC", Ok}, {c.read, c.changed}, {"DEF", Ok}, {c.read, c.factory}, {"RUC", Ok},
                         {c.read, c.changed}},
                        name);
    }
}

}  // namespace
