// What the measuring cycle offers the traffic monitor: every request and
// answer as cyclic traffic, which the monitor shows when "dynamische Daten"
// is checked.
#include "link/PollFixture.h"

#include "frame/Options.h"

namespace {

class PollTrafficLog : public PollTest {
protected:
    void TearDown() override {
        bool off = false;
        Sensor::StartProtFile(off);
        PollTest::TearDown();
    }

    QStringList cyclicLines() const {
        QStringList lines;
        for (const TrafficLogLine& line : traffic) {
            EXPECT_TRUE(line.Dynamic) << qPrintable(line.Prefix + line.Text);
            lines << line.Prefix + line.Text;
        }
        return lines;
    }
};

TEST_F(PollTrafficLog, EveryPollRequestAndAnswerReachesTheMonitorAsCyclicTraffic) {
    struct Case {
        const char* name;
        bool display;
        QString channel2;   // a second protocol-file channel; empty: no recording
        QStringList lines;
    } const cases[] = {
        {"distance readout only", false, "", {"W: AD<CR>", "R: 1234"}},
        {"display open: switch states", true, "",
         {"W: AD<CR>", "R: 1234", "W: SS1<CR>", "R: 1", "W: SS2<CR>", "R: 0"}},
        {"recording a second channel", false, "TEM", {"W: AD<CR>", "R: 1234", "W: TEM<CR>", "R: 2931"}},
    };
    answers = {{"AD", "1234\r"}, {"SS1", "1\r"}, {"SS2", "0\r"}, {"TEM", "2931\r"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        display.loaded = c.display;
        if (!c.channel2.isEmpty()) {
            Options::Current().Prot =
                Options::ProtFileSettings{0, {1, 1, 1, 1}, {"AD", c.channel2, ""}, windows.file("prot.out"), "", "%5", 60, true};
            bool on = true;
            Sensor::StartProtFile(on);
            ASSERT_TRUE(on);
        }
        traffic.clear();
        poll();
        EXPECT_EQ(cyclicLines(), c.lines);
    }
}

}  // namespace
