// The program's command line and its pacing of the line.
#include "core/Options.h"
#include "core/WirePacer.h"

#include <gtest/gtest.h>

using sensorsim::Line;
using sensorsim::parseOptions;

namespace {

TEST(Options, DefaultsAndErrors) {
    EXPECT_EQ(parseOptions({}).error, "");
    EXPECT_EQ(parseOptions({}).options.sensor.line, Line::Qf8200);
    using Arguments = std::vector<std::string>;
    for (const Arguments& bad : {Arguments{"--line", "qt8200", "--variant", "incl"}, Arguments{"--status", "TEM=8"},
                                 Arguments{"--drop-every", "-1"}, Arguments{"--delay-ms"}, Arguments{"stray"}})
        EXPECT_NE(parseOptions(bad).error, "") << bad.front();
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
