// Answer reception: when an answer is complete, what is counted and stored,
// and what stays gathered for the next call.
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
        {"expected length includes the carriage return", "ABCD\r", 5, 5, "ABCD\r", ""},
        {"an answer shorter than the expected length is none, and goes", "ABCD\r", 6, 0, "", ""},
        {"expected length 1 takes the first byte of the line", "XY\r", 1, 1, "X", ""},
        {"an early carriage return ends a short answer; the next one fits", "AB\rCDEF\r", 4, 4, "CDEF", ""},
        {"no carriage return is no answer: the bytes go as an answer cut short", "AB", 0, 0, "", ""},
        {"a wait that sent nothing takes the line that comes (a stream)", "CD\r", 0, 2, "CD\r", ""},
        {"status and high bytes are ordinary answer bytes", "\x81\xff\r", 0, 2, "\x81\xff\r", ""},
        {"an overlong answer is cut to the array and counted", overlong, 0, 201, QByteArray(201, 'x'), ""},
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

// An answer comes with the start of a line nobody asked for right behind it,
// whose end comes only after the next request went out. That line began
// before the request's try: it is no answer to it, and the try's own is.
TEST_F(TimedLinkTest, ALineBegunBeforeATryWentOutIsNoAnswerToIt) {
    port.respond = [this](const QByteArray& request) {
        if (request == "K1") return QByteArray("1\r7");
        port.arriveLater(10, "2\r");
        return QByteArray();
    };
    Ports::SendText("K1");
    Ports::AnswerBytes answer{};
    ASSERT_EQ(Ports::ReadAnswer(answer), 1);
    ASSERT_EQ(Ports::State().RxBuffer, "7");
    Ports::Delay(5);
    port.arriveLater(2, "\r");
    Ports::SendText("K2");
    EXPECT_EQ(Ports::ReadAnswer(answer), 1);
    EXPECT_EQ(bytesOf(answer, 1), "2");
}

// The pile's own end, when it comes, is no answer either.
TEST_F(LinkTest, PileOfBytesWithoutCarriageReturnIsDroppedAndTheWaitGoesOn) {
    port.arrive(QByteArray(2100, 'g'));
    port.arriveLater(10, "gg\r");
    port.arriveLater(20, "OK\r");
    QString answer;
    EXPECT_EQ(Ports::ReadAnswerText(answer), 2);
    EXPECT_EQ(answer, "OK");
}

// A pile is dropped once and the wait goes on (above); the second pile ends
// it, so an endless stream holds a request for two buffers' worth at most.
TEST_F(LinkTest, EndlessGarbageEndsTheWaitAtTheSecondOverflow) {
    constexpr int Piece = 100;
    int pieces = 0;
    port.babble = [&pieces] {
        ++pieces;
        return QByteArray(Piece, 'g');
    };
    QString answer;
    EXPECT_EQ(Ports::ReadAnswerText(answer), 0);
    EXPECT_EQ(Ports::ReadDepth(), 0);
    const int streamed = pieces * Piece;
    EXPECT_GT(streamed, 2 * Ports::RxBufferSize);
    EXPECT_LE(streamed, 2 * (Ports::RxBufferSize + Piece) + Piece);
}

}  // namespace
