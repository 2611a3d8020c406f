// The QF8200RDX: plain parameter commands, per-output characters, and the
// evaluation limits in EEPROM cells read as decimal bytes.
#include "SensorTalk.h"

#include "core/Text.h"

using namespace sensortest;
using sensorsim::Line;

namespace {

TEST(Qf8200RdxCommands, AnswersEachVariantInTheEditorsNotation) {
    expectVariants(Line::Qf8200Rdx, {
        {"3out,analog,incl",
         {{"SD3", "2400"}, {"OM", "000"}, {"FSF", "000,36"}, {"UIS", "150,10"}, {"REF", Unknown}, {"OM,1I0", Ok},
          {"OM", "1I0"}, {"OM,1X0", BadValue}, {"FSF,120", Ok}, {"FSF", "120,36"}, {"FSF,20,36", BadValue},
          {"UIS,-1", Ok}, {"UIS", "-1"}, {"UIS,200", BadValue}, {"EM,PT1", Ok}, {"EM", "PT1,100,5,3"}}},
        {"2out,switch,noincl",
         {{"SD3", Unknown}, {"UIS", Unknown}, {"RD", Unknown}, {"MD,RD", BadValue}, {"OM", "00"}}},
    });
}

// The editor's search for the evaluation limits: for the base cells 110, 114
// and 108 it reads the word (cell b + 1 low, b high) as the lower limit and,
// when that lies in 700..900, adds the word of cells b + 3 and b + 2 for the
// upper limit, which must lie in 3900..4100.
TEST(Qf8200RdxCommands, EepromHoldsLimitsTheEditorsSearchFindsAfterAStalePair) {
    Talk talk(Line::Qf8200Rdx);
    auto cell = [&](int n) { return sensorsim::parseInteger(talk.ask("RM,E" + std::to_string(n))).value_or(-1); };
    std::vector<int> rejected;
    long lowest = 0, highest = 0;
    for (int base : {110, 114, 108}) {
        lowest = cell(base + 1) + 256 * cell(base);
        if (lowest >= 700 && lowest <= 900) {
            highest = lowest + cell(base + 3) + 256 * cell(base + 2);
            if (highest >= 3900 && highest <= 4100) break;
        }
        rejected.push_back(base);
    }
    EXPECT_EQ(rejected, std::vector<int>{110});
    EXPECT_EQ(lowest, 800);
    EXPECT_EQ(highest, 4000);
    expectExchanges(talk, {{"RM,E0", "255"}, {"RM,E512", BadValue}, {"RM,X1", Unknown}}, "cells");
}

}  // namespace
