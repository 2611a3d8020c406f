// The QF8200 answers in the notation its editor reads (plain values, "KEY,VALUE" writes).
#include "SensorTalk.h"

#include <cmath>

using namespace sensortest;
using sensorsim::Line;

namespace {

TEST(Qf8200Commands, AnswersEachVariantInTheEditorsNotation) {
    expectVariants(Line::Qf8200, {
        {"switch",
         {{"VS", "34319"}, {"SD1", "1000"}, {"OM", "00"}, {"FSF", "0"},
          // write only, read only, missing and unknown
          {"REF", Unknown}, {"VS,34000", Unknown}, {"NDE", Unknown}, {"XYZ", Unknown}, {"sd1", "1000"}}},
        {"analog", {{"OM", "0"}, {"FSF", "0,40"}, {"NDE", "500"}, {"SD2", Unknown}}},
        {"v1", {{"VER", "V1.9A"}, {"OT", Unknown}, {"NEF", Unknown}}},
    });
}

TEST(Qf8200Commands, KeepsWrittenValuesInItsOwnNotationAndRefusesBadOnes) {
    expectVariants(Line::Qf8200, {
        {"switch",
         {{"SD11,0500", Ok}, {"SD11", "500"}, {"SD1,700", Ok}, {"SD11", "700"}, {"OM,10", Ok}, {"OM", "10"},
          {"OM,12", BadValue}, {"SD11,-5", BadValue}, {"SD11,", BadValue}, {"SD11,6001", BadValue},
          {"VS0,34321.5", BadValue}, {"FSF,1,40", BadValue}, {"SD11", "700"}}},
        {"switch",
         {{"EM,DYN", Ok}, {"EM", "DYN,10"}, {"EM,PT1,100,5,3", Ok}, {"EM", "PT1,100,5,3"}, {"EM,MXN,5,2", Ok},
          {"EM", "MXN,5,2"}, {"EM,MXN,5,5", BadValue}, {"EM,PT1,100", BadValue}, {"EM,0", Ok}, {"EM", "NONE"}}},
        {"analog",
         {{"FSF,1", Ok}, {"FSF", "1,40"}, {"FSF,1,-1", Ok}, {"FSF", "1,-1"}, {"FSF,1,300", BadValue}}},
    });
}

TEST(Qf8200Commands, TemperatureAndReferenceChangeTheValuesThatDependOnThem) {
    // Temperature and its offset move together.
    Talk talk(Line::Qf8200);
    expectExchanges(talk,
                    {{"TEM,2981", Ok}, {"TO", "50"}, {"TO,-20", Ok}, {"TEM", "2911"}, {"TEM,3431", Ok}, {"TO", "500"},
                     {"TEM,3432", BadValue}, {"TO", "500"}},
                    "temperature");

    // At time 0 the target stands at a tenth of the 6000 mm range. A reference distance recalibrates
    // the speed at 0 °C so that the sensor then measures exactly that distance.
    Talk calibrated(Line::Qf8200);
    expectExchanges(calibrated,
                    {{"AD", "600"}, {"REF,660", Ok}, {"VS0", std::to_string(std::lround(33130 * 660.0 / 600))},
                     {"AD", "660"}, {"REF,0", BadValue}, {"REF,655.2", Ok}, {"AD", "655"}},
                    "reference");
}

TEST(Qf8200Commands, DipSwitchesOverrideTheirParametersOnlyWhileInUse) {
    // A50: switches 1-4 = 1010 (switch point 1 = 11 x 250 mm), 5-8 = 0101 (point 2 six steps further), 9 off.
    Talk talk(Line::Qf8200);
    expectExchanges(talk,
                    {{"SD11,1200", Ok}, {"OT,1", Ok}, {"UDS,1", Ok}, {"SD11", "2750"}, {"SD21", "4250"}, {"OM", "00"},
                     {"OT", "0"}, {"SD12", "2000"}, {"SD11,1300", Ok}, {"SD11", "2750"}, {"UDS,0", Ok},
                     {"SD11", "1300"}, {"OT", "1"}, {"UDS,2", BadValue}},
                    "switch");
    Talk analog(Line::Qf8200, "analog");
    expectExchanges(analog, {{"UDS,1", Ok}, {"NDE", "2750"}, {"FDE", "4250"}, {"OM", "0"}}, "analog");
}

}  // namespace
