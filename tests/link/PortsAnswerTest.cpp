// Answer reception: when an answer is complete, what is counted and stored,
// what stays gathered for the next call, and how long a wait lasts.
#include "link/LinkTestFixture.h"

namespace {

struct AnswerCase {
    const char* name;
    QByteArray line;
    int expectedLength;
    int count;
    QByteArray stored;
    QByteArray leftover;
};

TEST_F(LinkTest, ReadAnswerCompletesAndCountsByExpectedLength) {
    const QByteArray overlong = QByteArray(300, 'x') + '\r';
    const AnswerCase cases[] = {
        {"up to the carriage return, stored but not counted", "12\r", 0, 2, "12\r", ""},
        {"expected length includes the carriage return", "ABCD\r", 5, 5, "ABCD\r", ""},
        {"expected length longer than the answer never completes", "ABCD\r", 6, 0, "", "ABCD\r"},
        {"expected length 1 takes any first byte", "\x82", 1, 1, "\x82", ""},
        {"expected length 1 leaves the rest gathered", "XY\r", 1, 1, "X", "Y\r"},
        {"expected length takes the front of a longer answer", "ABCDEFG\r", 3, 3, "ABC", "DEFG\r"},
        {"an early carriage return keeps an expected length from completing", "AB\rCDEF\r", 4, 0, "", "AB\rCDEF\r"},
        {"no carriage return is no answer, and the bytes wait", "AB", 0, 0, "", "AB"},
        {"status and high bytes are ordinary answer bytes", "\x81\xff\r", 0, 2, "\x81\xff\r", ""},
        {"an overlong answer is cut to the array and counted", overlong, 0, 201, QByteArray(201, 'x'), ""},
        {"a negative expected length reads to the carriage return", "OK\r", -3, 2, "OK\r", ""},
    };
    for (const AnswerCase& c : cases) {
        SCOPED_TRACE(c.name);
        Ports::FlushInput();
        port.arrive(c.line);
        Ports::AnswerBytes answer{};
        EXPECT_EQ(Ports::ReadAnswer(answer, c.expectedLength), c.count);
        EXPECT_EQ(bytesOf(answer, int(c.stored.size())), c.stored);
        EXPECT_EQ(Ports::State().RxBuffer, c.leftover);
        EXPECT_EQ(Ports::ReadDepth(), 0);
    }
}

TEST_F(LinkTest, AnswerLineShowsOnlyTheCountedBytes) {
    struct LineCase {
        const char* name;
        QByteArray line;
        bool log;
        bool debugLog;
        bool debugMode;
        QStringList lines;
    };
    const LineCase cases[] = {
        {"logged answer without its carriage return", "12\r", true, false, false, {"R: 12"}},
        {"debug-log flag in debug mode", "12\r", false, true, true, {"r: 31 32 (12)"}},
        {"debug-log flag outside debug mode", "12\r", false, true, false, {}},
        {"debug mode alone does not log an answer", "12\r", false, false, true, {}},
        {"a missing answer", "", true, false, false, {"R: <TIMEOUT>"}},
        {"a missing answer in debug mode", "", false, true, true, {"r: <TIMEOUT>"}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        Ports::FlushInput();
        traffic.clear();
        Options::Current().DebugMode = c.debugMode;
        port.arrive(c.line);
        Ports::AnswerBytes answer{};
        Ports::ReadAnswer(answer, 0, false, c.log, c.debugLog);
        EXPECT_EQ(trafficLines(), c.lines);
    }
}

TEST_F(LinkTest, SecondAnswerOfOneReadNeedsNoPort) {
    port.arrive("A\rB\r");
    QString answer;
    EXPECT_EQ(Ports::ReadAnswerText(answer), 1);
    EXPECT_EQ(answer, "A");
    // B was gathered with A; it is handed out without the port.
    port.vanish();
    EXPECT_EQ(Ports::ReadAnswerText(answer), 1);
    EXPECT_EQ(answer, "B");
}

TEST_F(LinkTest, TimeoutCountsFromTheLastByte) {
    // Four bytes 15 ms apart take far longer than the 60 ms timeout in all.
    int at = 0;
    for (const char* piece : {"1", "2", "3", "4", "\r"}) port.arriveLater(at += 15, piece);
    QString answer;
    EXPECT_EQ(Ports::ReadAnswerText(answer, 0, false, false, false, 60), 4);
    EXPECT_EQ(answer, "1234");
}

TEST_F(LinkTest, SilenceLongerThanTheTimeoutEndsTheWait) {
    port.arriveLater(5, "12");
    port.arriveLater(300, "\r");
    QString answer;
    EXPECT_EQ(Ports::ReadAnswerText(answer, 0, false, false, false, 30), 0);
    EXPECT_EQ(Ports::State().RxBuffer, "12");
}

TEST_F(LinkTest, PileOfBytesWithoutCarriageReturnIsDroppedAndTheWaitGoesOn) {
    port.arrive(QByteArray(2100, 'g'));
    port.arriveLater(20, "OK\r");
    QString answer;
    EXPECT_EQ(Ports::ReadAnswerText(answer), 2);
    EXPECT_EQ(answer, "OK");
}

TEST_F(LinkTest, EndlessGarbageEndsTheWait) {
    port.babble = [] { return QByteArray(100, 'g'); };
    QString answer;
    EXPECT_EQ(Ports::ReadAnswerText(answer), 0);
    EXPECT_EQ(Ports::ReadDepth(), 0);
}

TEST_F(LinkTest, ClosedPortReadsAsTimeout) {
    Ports::ClosePort();
    Ports::AnswerBytes answer{};
    EXPECT_EQ(Ports::ReadAnswer(answer, 0, false, true), 0);
    EXPECT_EQ(trafficLines(), QStringList{"R: <TIMEOUT>"});
}

TEST_F(LinkTest, DelayZeroWaitsHalfTheAnswerTimeout) {
    Ports::SetTimeout(80);
    bool fired = false;
    QTimer::singleShot(20, [&] { fired = true; });
    Ports::Delay(0);
    EXPECT_TRUE(fired);   // window events ran, for at least 40 ms
}

}  // namespace
