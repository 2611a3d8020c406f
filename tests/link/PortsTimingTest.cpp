// The waits of the serial line, on a clock that moves only while the program
// waits: how long each one lasts is exact, and nothing sleeps.
#include "link/LinkTestFixture.h"
#include "link/PortsLine.h"
#include "link/SensorRequest.h"

namespace {

constexpr int AnswerMs = 30;
constexpr int EchoMs = 50;

class SerialTiming : public TimedLinkTest {
protected:
    void SetUp() override {
        TimedLinkTest::SetUp();
        Ports::SetTimeout(AnswerMs);
        Ports::State().EchoTimeout = EchoMs;
    }

    // How long `work` kept the program waiting.
    double waited(const std::function<void()>& work) {
        const double start = clock.now();
        work();
        return clock.now() - start;
    }
};

// In echo mode every byte waits for its echo; a byte whose echo does not come,
// and every byte while the pause is asked for, is followed by a pause of the
// echo timeout before the next byte goes out.
TEST_F(SerialTiming, EchoModePausesAfterAByteWithoutEchoOrWhenAskedTo) {
    struct Case {
        const char* name;
        bool sensorEchoes;
        bool waitAlways;
        double gap;   // between two bytes sent
    } const cases[] = {
        {"the echo comes: the next byte at once", true, false, 0},
        {"no echo: its wait, then the pause", false, false, 2 * EchoMs},
        {"the echo comes, the pause asked for", true, true, EchoMs},
        {"no echo, the pause asked for", false, true, 2 * EchoMs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.echo = c.sensorEchoes;
        Ports::SetEchoMode(true, c.waitAlways);
        port.outputTimes.clear();
        EXPECT_EQ(Ports::SendText("AB"), 3);
        ASSERT_EQ(port.outputTimes.size(), 3);
        for (int i = 1; i < 3; ++i) EXPECT_NEAR(port.outputTimes[i] - port.outputTimes[i - 1], c.gap, 0.5) << i;
        Ports::DiscardInput();
    }
}

// A wait without a timeout of its own: the echo timeout in echo mode, else
// the answer timeout.
TEST_F(SerialTiming, DefaultWaitFollowsTheEchoMode) {
    struct Case {
        const char* name;
        bool echo;
        int timeout;
        double waited;
    } const cases[] = {
        {"outside echo mode", false, 0, AnswerMs},
        {"in echo mode", true, 0, EchoMs},
        {"a timeout of the caller's own", true, 70, 70},
        {"a negative timeout is the default", true, -1, EchoMs},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Ports::SetEchoMode(c.echo, false);
        QString answer;
        EXPECT_NEAR(waited([&] { EXPECT_EQ(Ports::ReadAnswerText(answer, 0, false, false, false, c.timeout), 0); }),
                    c.waited, 0.5);
    }
}

// The answer timeout counts from the last byte that came: bytes closer than
// it make an answer however long they take in all, a longer gap ends the wait.
TEST_F(SerialTiming, AnswerTimeoutCountsFromTheLastByte) {
    struct Case {
        const char* name;
        QList<double> gaps;   // before "1", "2", "3", "4" and the carriage return
        int count;
        QByteArray gathered;
    } const cases[] = {
        {"every byte 20 ms after the one before", {20, 20, 20, 20, 20}, 4, ""},
        {"a gap of 35 ms cuts the answer short", {5, 35, 5, 5, 5}, 0, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        double at = 0;
        for (qsizetype i = 0; i < c.gaps.size(); ++i) port.arriveLater(at += c.gaps[i], QByteArray("1234\r").mid(i, 1));
        QString answer;
        EXPECT_EQ(Ports::ReadAnswerText(answer), c.count);
        EXPECT_EQ(Ports::State().RxBuffer, c.gathered);
    }
}

// The line's guard after a value was taken, on a line that keeps sending
// short bursts without a carriage return, each soon after the one before:
// it is never quiet for the guard. The guard gives up at its bound, and the
// stretch the value was taken in counts as out of step.
TEST_F(SerialTiming, TheGuardGivesUpAtItsBoundOnALineThatNeverGoesQuiet) {
    port.respond = [](const QByteArray&) { return QByteArray("1\r"); };
    Ports::SendText("K1");
    Ports::AnswerBytes answer{};
    ASSERT_EQ(Ports::ReadAnswer(answer), 1);
    const quint64 stretch = Ports::StepStretch();
    const double bound = Ports::Line::WaitBoundMs();
    for (double at = 5; at < bound + 200; at += 15) port.arriveLater(at, "xyz");
    bool inStep = true;
    const double held = waited([&] { inStep = Ports::ConfirmInStep(); });
    EXPECT_FALSE(inStep);
    EXPECT_TRUE(Ports::OutOfStepIn(stretch));
    EXPECT_GE(held, bound);
    EXPECT_LT(held, bound + Ports::Line::QuietGapMs + 5);
}

// Delay(0) waits half the answer timeout (integer halves); the pauses after a
// reset are five of them.
TEST_F(SerialTiming, DelayZeroWaitsHalfTheAnswerTimeout) {
    struct Case {
        const char* name;
        int answerTimeout;
        std::function<void()> pause;
        double waited;
    } const cases[] = {
        {"Delay(0)", AnswerMs, [] { Ports::Delay(0); }, AnswerMs / 2},
        {"an odd timeout halves down", 31, [] { Ports::Delay(0); }, 15},
        {"a length of its own", AnswerMs, [] { Ports::Delay(7); }, 7},
        {"the pauses after a reset", 100, [] { Sensor::SettlePause(); }, 5 * 50},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Ports::SetTimeout(c.answerTimeout);
        EXPECT_NEAR(waited(c.pause), c.waited, 0.5);
    }
}

}  // namespace
