// The program's command line and its pacing of the line.
#include "core/Options.h"
#include "core/WirePacer.h"

#include <gtest/gtest.h>

using sensorsim::Line;
using sensorsim::parseOptions;

namespace {

TEST(Options, ReadsEveryFlagInBothSpellings) {
    const auto parsed = parseOptions({"--line", "qf8200rdx", "--variant=2out,switch", "--variant", "noincl",
                                      "--link", "/tmp/com1", "--log=/tmp/log", "--baud", "9600", "--drop-every", "3",
                                      "--status", "TEM=82", "--status=RM,XE1D=84", "--garbage-every=5",
                                      "--no-cr-every", "7", "--long-answer", "ID", "--trickle-ms", "2",
                                      "--delay-ms=40", "--hangup-after", "9", "--seed", "11"});
    ASSERT_EQ(parsed.error, "");
    const auto& o = parsed.options;
    EXPECT_EQ(o.sensor.line, Line::Qf8200Rdx);
    EXPECT_EQ(o.sensor.variant.switchOutputs, 2);
    EXPECT_FALSE(o.sensor.variant.analog);
    EXPECT_FALSE(o.sensor.variant.inclination);
    EXPECT_TRUE(o.sensor.variant.firmwareV2);
    EXPECT_EQ(o.linkPath, "/tmp/com1");
    EXPECT_EQ(o.logPath, "/tmp/log");
    EXPECT_EQ(o.baud, 9600);
    const auto& f = o.sensor.faults;
    EXPECT_EQ(f.dropEveryNth, 3);
    EXPECT_EQ(f.garbageEveryNth, 5);
    EXPECT_EQ(f.noCrEveryNth, 7);
    EXPECT_EQ(f.trickleMs, 2);
    EXPECT_EQ(f.delayMs, 40);
    EXPECT_EQ(f.hangupAfter, 9);
    EXPECT_EQ(f.seed, 11u);
    EXPECT_EQ(f.statusByKey, (std::map<std::string, unsigned char>{{"TEM", 0x82}, {"RM,XE1D", 0x84}}));
    EXPECT_EQ(f.longAnswerKeys, std::set<std::string>{"ID"});
}

TEST(Options, DefaultsAndErrors) {
    const auto defaults = parseOptions({});
    EXPECT_EQ(defaults.error, "");
    EXPECT_EQ(defaults.options.sensor.line, Line::Qf8200);
    EXPECT_FALSE(defaults.options.sensor.variant.analog);
    EXPECT_EQ(defaults.options.baud, 0);
    const auto rdx = parseOptions({"--line", "QF8200RDX"}).options.sensor.variant;
    EXPECT_TRUE(rdx.analog && rdx.inclination && rdx.switchOutputs == 3);
    EXPECT_TRUE(parseOptions({"-h"}).options.help);

    const std::vector<std::vector<std::string>> bad = {
        {"--line", "qf9000"},         {"--variant", "3out"},          {"--line", "qt8200", "--variant", "incl"},
        {"--status", "TEM"},          {"--status", "TEM=8"},          {"--status", "=82"},
        {"--drop-every", "x"},        {"--drop-every", "-1"},         {"--baud", "0"},
        {"--delay-ms"},               {"--frobnicate", "1"},          {"stray"},
    };
    for (const auto& arguments : bad) EXPECT_NE(parseOptions(arguments).error, "") << arguments.front();
}

TEST(Options, PacerSpacesBytesAtTheLineRate) {
    sensorsim::WirePacer line(9600);
    EXPECT_EQ(line.pass(0), 1'041'667);
    EXPECT_EQ(line.pass(0), 2'083'334);            // waits for the byte ahead
    EXPECT_EQ(line.pass(10'000'000), 11'041'667);  // an idle line sends at once
    sensorsim::WirePacer unpaced(0);
    EXPECT_EQ(unpaced.pass(5), 5);
    EXPECT_EQ(unpaced.pass(5), 5);
}

}  // namespace
