// The QF8200 answers in the notation its editor reads (plain values, "KEY,VALUE" writes).
#include "SensorTalk.h"

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

}  // namespace
