// The QF8200Echo keeps its parameters in memory cells: "RM,<cell>" answers hex
// digits (four for a word cell, two for a byte cell), "WM,<cell>,<hex>" writes.
#include "SensorTalk.h"

using namespace sensortest;
using sensorsim::Line;

namespace {

TEST(Qf8200EchoCommands, ReadsAndWritesCellsAsHex) {
    expectVariants(Line::Qf8200Echo, {
        {"switch",
         {{"RM,WXE7", "01F4"}, {"RM,WXE11", "FFCE"}, {"RM,XE1D", "03"}, {"rm,wxe7", "01F4"}, {"RM,WXE72", Unknown},
          {"RM,XE7", Unknown}, {"RM,WXE7,00", Unknown}, {"SD1", Unknown}, {"MD,OFF", Ok}, {"MD,AD", Unknown}}},
        {"switch",
         {{"WM,WXE7,0200", Ok}, {"RM,WXE7", "0200"}, {"WM,wxe9,03e9", Ok}, {"RM,WXE9", "03E9"},
          {"WM,WXE11,FE0C", Ok}, {"RM,WXE11", "FE0C"}, {"WM,WXE11,FE0B", BadValue}, {"WM,WXE7,200", BadValue},
          {"WM,XE27,G1", BadValue}, {"WM,WXE7", BadValue}, {"WM,XE6E,1D", BadValue}, {"WM,XE6E,03", Ok},
          {"WM,XE99,00", Unknown}, {"RM,WXE7", "0200"}}},
        {"analog,v1",
         {{"RM,WXE72", "0190"}, {"WM,WXE72,0001", Unknown}, {"RM,XE1C", Unknown}, {"RM,WXE7", "012C"}}},
    });
}

}  // namespace
