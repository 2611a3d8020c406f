// What the poll cycle and master mode read: a moving target, switch states
// that follow the switch points, analogue values and streamed lines.
#include "SensorTalk.h"

#include "core/SwitchOutput.h"
#include "core/Text.h"

using namespace sensortest;
using sensorsim::Line;
using sensorsim::SwitchMode;

namespace {

TEST(Measurement, SwitchOutputsFollowTheirPointsWithHysteresis) {
    struct Case {
        const char* name;
        sensorsim::SwitchSetting setting;
        std::vector<std::pair<double, bool>> walk;  // distance and the state it must give, in order
    };
    const Case cases[] = {
        {"point 1000 mm, 5 %", {SwitchMode::Point, 1000, 0, 5},
         {{900, true}, {1049, true}, {1051, false}, {1040, false}, {1000, true}}},
        {"window 1000-2000 mm, 10 %", {SwitchMode::Window, 2000, 1000, 10},
         {{900, false}, {1000, true}, {2150, true}, {2201, false}, {850, false}, {1500, true}, {801, true}}},
        {"two points 1000/2000 mm", {SwitchMode::TwoPoint, 2000, 1000, 0},
         {{1500, false}, {1000, true}, {1999, true}, {2000, false}, {1500, false}}},
        {"inactive output", {SwitchMode::Point, 1000, 0, 0, false}, {{500, false}}},
    };
    for (const Case& c : cases) {
        sensorsim::SwitchOutput output;
        for (auto [distance, active] : c.walk)
            EXPECT_EQ(output.update(c.setting, distance), active) << c.name << " at " << distance;
    }
}

TEST(Measurement, TargetMovesAndSwitchStatesAndAnalogueValuesFollow) {
    // The target walks from a tenth to eight tenths of the range in 10 s and back in another 10 s.
    struct Step {
        std::int64_t atMs;
        std::vector<Exchange> exchanges;
    };
    struct Case {
        Line line;
        const char* variant;
        std::vector<Step> steps;
    };
    const Case cases[] = {
        {Line::Qf8200, "switch",  // SD11 1000 (point), SD21/SD22 3000/4000 (window)
         {{0, {{"AD", "600"}, {"SS1", "1"}, {"SS2", "0"}, {"SS3", Unknown}, {"RD", Unknown}}},
          {5000, {{"AD", "2700"}, {"SS1", "0"}, {"SS2", "0"}}},
          {7000, {{"AD", "3540"}, {"SS2", "1"}}},
          {10000, {{"AD", "4800"}, {"SS2", "0"}}},
          {20000, {{"AD", "600"}, {"SS1", "1"}}}}},
        {Line::Qf8200, "analog",  // NDE 500, FDE 5000, values 0-4095
         {{0, {{"RD", "91"}, {"SS2", Unknown}, {"NDE,600", Ok}, {"RD", "0"}, {"NDE,4800", Ok}, {"FDE,600", Ok},
               {"RD", "4095"}}}}},
        {Line::Qt8200, "analog",  // NDE 300, FDE 2000, values 1-254
         {{0, {{"AD", "250"}, {"RD", "1"}}}, {10000, {{"AD", "2000"}, {"RD", "254"}}}}},
        {Line::Qf8200Rdx, "3out,analog",  // limits from EEPROM: 800 .. 4000
         {{0, {{"AD", "400"}, {"RD", "800"}, {"SS1", "1"}, {"SS3", "1"}, {"OM,00I", Ok}, {"SS3", "0"}}},
          {10000, {{"AD", "3200"}, {"SS1", "0"}, {"FDE,3200", Ok}, {"RD", "4000"}}}}},
    };
    for (const Case& c : cases) {
        Talk talk(c.line, c.variant);
        for (const Step& step : c.steps) {
            talk.sensor.advance(step.atMs - talk.sensor.now());
            expectExchanges(talk, step.exchanges, sensorsim::lineName(c.line) + " " + c.variant + " at " +
                                                      std::to_string(step.atMs));
        }
    }
}

TEST(Measurement, NoEchoInsideTheBlindRangeOrBeyondTheReducedRange) {
    struct Case {
        Line line;
        std::vector<std::string> writes;
    };
    const Case cases[] = {
        {Line::Qf8200, {"BR,700"}},
        {Line::Qf8200Rdx, {"BR,500"}},
        {Line::Qf8200Echo, {"WM,WXE13,0190"}},
    };
    for (const Case& c : cases) {
        Talk talk(c.line);
        for (const std::string& write : c.writes) ASSERT_EQ(talk.ask(write), Ok);
        EXPECT_EQ(talk.ask("AD"), "E") << c.writes.front();
        if (c.line != Line::Qf8200Echo) {
            EXPECT_EQ(talk.ask("SS1"), "E") << c.writes.front();
        }
    }
}

TEST(Measurement, MasterModeStreamsEveryCycleUntilOff) {
    Talk talk(Line::Qf8200);
    EXPECT_EQ(talk.ask("MD"), "OFF");
    EXPECT_EQ(talk.ask("MD,AD"), Ok);
    EXPECT_EQ(talk.ask("MD"), "AD");
    EXPECT_EQ(talk.sensor.advance(49), "");
    EXPECT_EQ(talk.sensor.advance(1), "621\r");  // 600 mm + 50 ms x 0.42 mm/ms
    EXPECT_EQ(sensorsim::splitAt(talk.sensor.advance(1000), '\r').size(), 21u);  // 20 lines and the rest
    EXPECT_EQ(talk.ask("MD,OFF"), Ok);
    EXPECT_EQ(talk.sensor.advance(1000), "");
    EXPECT_EQ(talk.sensor.nextDue(), std::nullopt);

    // Transit time in steps of 1.085 us gives back the distance at the speed of sound in use.
    ASSERT_EQ(talk.ask("MD,RT"), Ok);
    const std::string line = talk.sensor.advance(50);
    const double transitUs = *sensorsim::parseInteger(line.substr(0, line.size() - 1)) * 1.085;
    const double distance = *sensorsim::parseInteger(talk.ask("AD"));
    EXPECT_NEAR(transitUs * 343.19 / 2000, distance, 1.0);
    EXPECT_EQ(talk.ask("RST"), Ok);
    EXPECT_EQ(talk.sensor.advance(200), "");
}

}  // namespace
