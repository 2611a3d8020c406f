// What the poll cycle and master mode read: a moving target, switch states
// that follow the switch points, analogue values and streamed lines.
#include "SensorTalk.h"

#include "core/Text.h"

using namespace sensortest;
using sensorsim::Line;

namespace {

TEST(Measurement, TargetMovesAndSwitchStatesAndAnalogueValuesFollow) {
    // The target walks from a tenth to eight tenths of the range in 10 s and back in another 10 s.
    struct Step {
        std::int64_t atMs;
        std::vector<Exchange> exchanges;
    };
    const struct {
        Line line;
        const char* variant;
        std::vector<Step> steps;
    } cases[] = {
        {Line::Qf8200, "switch",  // SD11 1000 (point), SD21/SD22 3000/4000 (window)
         {{0, {{"AD", "600"}, {"SS1", "1"}, {"SS2", "0"}, {"SS3", Unknown}, {"RD", Unknown}}},
          {7000, {{"AD", "3540"}, {"SS1", "0"}, {"SS2", "1"}}},
          {10000, {{"AD", "4800"}, {"SS2", "0"}}},
          {20000, {{"AD", "600"}, {"SS1", "1"}}}}},
        {Line::Qf8200, "analog",  // NDE 500, FDE 5000, values 0-4095
         {{0, {{"RD", "91"}, {"SS2", Unknown}, {"NDE,600", Ok}, {"RD", "0"}, {"NDE,4800", Ok}, {"FDE,600", Ok},
               {"RD", "4095"}}}}},
        {Line::Qf8200Rdx, "3out,analog",  // limits from EEPROM: 800 .. 4000
         {{0, {{"AD", "400"}, {"RD", "800"}, {"SS1", "1"}, {"SS3", "1"}, {"OM,00I", Ok}, {"SS3", "0"}}},
          {10000, {{"AD", "3200"}, {"SS1", "0"}, {"FDE,3200", Ok}, {"RD", "4000"}}}}},
    };
    for (const auto& c : cases) {
        Talk talk(c.line, c.variant);
        for (const Step& step : c.steps) {
            talk.sensor.advance(step.atMs - talk.sensor.now());
            expectExchanges(talk, step.exchanges, sensorsim::lineName(c.line) + " " + c.variant + " at " +
                                                      std::to_string(step.atMs));
        }
    }
}

TEST(Measurement, NoEchoInsideTheBlindRangeOrBeyondTheReducedRange) {
    const std::pair<Line, std::string> cases[] = {
        {Line::Qf8200, "BR,700"}, {Line::Qf8200Rdx, "BR,500"}, {Line::Qf8200Echo, "WM,WXE13,0190"}};
    for (const auto& [line, write] : cases) {
        Talk talk(line);
        ASSERT_EQ(talk.ask(write), Ok);
        EXPECT_EQ(talk.ask("AD"), "E") << write;
        EXPECT_EQ(talk.ask("SS1"), "E") << write;
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

    ASSERT_EQ(talk.ask("MD,RT"), Ok);
    EXPECT_NE(talk.sensor.advance(50), "");
    EXPECT_EQ(talk.ask("RST"), Ok);
    EXPECT_EQ(talk.sensor.advance(200), "");
}

}  // namespace
