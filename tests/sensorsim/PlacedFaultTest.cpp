// --split, --stray and --drop KEY:N: a fault on the Nth request of a key
// alone, counted over the requests that key matches.
#include "SensorTalk.h"

#include "core/Options.h"

using namespace sensortest;
using sensorsim::Line;
using sensorsim::NthRequests;

namespace {

const std::string Version = "V2.1B\r";
const std::string Distance = "1000\r";  // SD1

TEST(PlacedFault, FallsOnTheNthRequestOfItsKeyOnly) {
    const struct {
        const char* name;
        NthRequests split, stray, drop;
        std::optional<int> splitAfter;
        std::vector<std::string> requests;
        std::string sent;  // everything the sensor sends back, the requests 20 ms apart
        int splitEvery = 0;
    } cases[] = {
        {"split the 2nd at 2", {{"VER", {2}}}, {}, {}, 2, {"VER", "VER"}, Version + "V2\r.1B\r"},
        {"a status byte split at 1", {{"XYZ", {1}}}, {}, {}, 1, {"XYZ"}, "\x82\r\r"},
        {"split past its end", {{"VER", {1}}}, {}, {}, 9, {"VER"}, "V2.1B\r\r"},
        {"split in the middle by default", {{"SD1", {1}}}, {}, {}, {}, {"SD1"}, "10\r00\r"},
        {"stray after the 2nd only", {}, {{"VER", {2}}}, {}, {}, {"VER", "VER", "VER"},
         Version + Version + "0\r" + Version},
        {"drop the 1st and 3rd; the other key counts apart", {}, {}, {{"VER", {1, 3}}}, {},
         {"VER", "SD1", "VER", "SD1", "VER", "VER"}, Distance + Version + Distance + Version},
        {"reads and writes count alike, in either case", {}, {}, {{"sd1", {2}}}, {}, {"SD1", "sd1,1000", "SD1"},
         Distance + Distance},
        {"a key with a comma counts only the requests it matches; keys count apart", {{"SD1", {2}}}, {},
         {{"SD1,1000", {1}}}, {}, {"SD1", "SD1,1000", "SD1,1000"}, Distance + Ok + "\r"},
        {"a dropped answer still counts for the counting faults", {}, {}, {{"VER", {1}}}, {}, {"VER", "VER"},
         "V2\r.1B\r", 2},
    };
    for (const auto& c : cases) {
        sensorsim::SensorConfig config = configFor(Line::Qf8200);
        config.faults.splitAt = c.split;
        config.faults.splitAfter = c.splitAfter;
        config.faults.strayAt = c.stray;
        config.faults.dropAt = c.drop;
        config.faults.splitEveryNth = c.splitEvery;
        sensorsim::Sensor sensor(config);
        std::string sent;
        for (const std::string& request : c.requests) {
            sent += sensor.feed(request + "\r");
            sent += sensor.advance(20);
        }
        EXPECT_EQ(sent, c.sent) << c.name;
    }
}

TEST(PlacedFault, OptionsTakeKeyColonNRepeatedly) {
    const auto plan = sensorsim::parseOptions({"--late", "SD11:2", "--late=sd11:5", "--split", "RM,XE1D:3",
                                               "--split-at", "0", "--drop", "VER:1", "--drop", "VER:4"})
                          .options.sensor.faults;
    EXPECT_EQ(plan.lateAt, (NthRequests{{"SD11", {2}}, {"sd11", {5}}}));
    EXPECT_EQ(plan.splitAt, (NthRequests{{"RM,XE1D", {3}}}));
    EXPECT_EQ(plan.splitAfter, 0);
    EXPECT_EQ(plan.dropAt, (NthRequests{{"VER", {1, 4}}}));

    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--late", "SD11"}, {"--drop", "SD11:0"}, {"--split", "SD11:x"}, {"--stray", ":2"}})
        EXPECT_EQ(sensorsim::parseOptions(bad).error,
                  bad[0] + " expects KEY:N (N a whole number from 1), not \"" + bad[1] + "\"");
}

}  // namespace
