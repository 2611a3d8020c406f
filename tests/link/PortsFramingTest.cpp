// Request framing: what goes on the wire and which traffic line it makes.
#include "link/LinkTestFixture.h"

namespace {

struct FramingCase {
    const char* name;
    QByteArray request;
    bool log;
    bool debug;
    QByteArray wire;
    int sent;
    QStringList lines;
};

TEST_F(LinkTest, SendTextFramesEachRequest) {
    const FramingCase cases[] = {
        {"text gets a carriage return", "ID", true, false, "ID\r", 3, {"W: ID<CR>"}},
        {"a lone carriage return goes out alone", "\r", true, false, "\r", 1, {"W: <CR>"}},
        {"a status byte stays one byte", "\x82", false, false, "\x82", 1, {}},
        {"debug mode logs unasked in lower case", "ID", false, true, "ID\r", 3, {"w: 49 44 0D (ID<CR>)"}},
        {"an empty request sends nothing", "", true, true, "", 0, {}},
    };
    for (const FramingCase& c : cases) {
        SCOPED_TRACE(c.name);
        port.wire.clear();
        traffic.clear();
        Options::Current().DebugMode = c.debug;
        EXPECT_EQ(Ports::SendText(QString::fromLatin1(c.request), false, c.log), c.sent);
        EXPECT_EQ(port.wire, c.wire);
        EXPECT_EQ(trafficLines(), c.lines);
    }
}

TEST_F(LinkTest, FlushInputDropsEverythingWaiting) {
    port.arrive("A\rB\r");
    Ports::AnswerBytes answer{};
    ASSERT_EQ(Ports::ReadAnswer(answer), 1);   // "B\r" stays gathered
    port.arrive("late\r");
    EXPECT_EQ(Ports::FlushInput(), "B\rlate\r");
    EXPECT_EQ(Ports::ReadAnswer(answer), 0);
}

}  // namespace
