// The QT8200: zero-padded values, a two-field evaluation method written one
// field at a time, and no second switch output in the analogue variant.
#include "SensorTalk.h"

using namespace sensortest;
using sensorsim::Line;

namespace {

TEST(Qt8200Commands, AnswersEachVariantInTheEditorsNotation) {
    expectVariants(Line::Qt8200, {
        {"switch",
         {{"VS", "34320"}, {"SD1", "00500"}, {"OM", "22"}, {"CBT", "0000"}, {"EM", "OFF,000"}, {"REF", Unknown},
          {"SD1,12", Ok}, {"SD1", "00012"}, {"SD1,2501", BadValue}, {"CBT,12", Ok}, {"CBT", "0012"},
          {"OM,32", Ok}, {"OM", "32"}, {"OM,24", BadValue}, {"OM,3", BadValue}, {"BDE,1", Ok}}},
        {"switch",
         {{"EM,DYN1", Ok}, {"EM", "DYN,000"}, {"EM,003", Ok}, {"EM", "DYN,003"}, {"EM,M3", Ok}, {"EM", "DYN,M3"},
          {"EM,OFF", Ok}, {"EM", "OFF,M3"}, {"EM,BEW1,255", Ok}, {"EM", "BEW,255"}, {"EM,DYN1,M0", Ok},
          {"EM", "DYN,000"}, {"EM,256", BadValue}, {"EM,M5", BadValue}, {"EM,003,DYN1", BadValue}}},
        {"analog",
         {{"SD2", Unknown}, {"SH2", Unknown}, {"OM", "2"}, {"OM,3", Ok}, {"OM,32", BadValue}, {"MD,RD", Ok}}},
    });
}

}  // namespace
