// Requests started from a window event while another request waits.
#include "link/LinkTestFixture.h"
#include "link/Sensor.h"

#include <functional>

namespace {

// A request started from a window event while another waits first takes the
// waiting answer off the line and parks it at the outer request's depth; the
// outer request gets it when its own wait ends. On a 9600-baud line the outer
// request's bytes take a while to go out, and a request started then waits
// behind it the same way.
TEST_F(TimedLinkTest, NestedRequestParksTheWaitingAnswerForTheOuterRequest) {
    for (const bool draining : {false, true}) {
        SCOPED_TRACE(draining ? "while the outer request drains" : "while the outer request waits");
        port.requests.clear();
        port.baud = draining ? 9600 : 0;
        port.respond = [draining](const QByteArray& request) {
            if (request == "SS1") return QByteArray("1\r");
            return draining && request == "AD" ? QByteArray("1234\r") : QByteArray();
        };
        int depthAtStart = -1, count = -1, depthAfter = -1;
        bool parkedAfter = false;
        QString nested;
        // Runs at the first pass of window events during the outer request.
        QTimer::singleShot(0, [&] {
            if (!draining) port.arrive("1234\r");   // the outer answer, just before
            depthAtStart = Ports::ReadDepth();
            Ports::AnswerBytes bytes{};
            count = Sensor::SendCommand("SS1", nested, bytes);
            depthAfter = Ports::ReadDepth();
            parkedAfter = Ports::State().Account.HasParked(1);
        });

        QString outer;
        Ports::AnswerBytes bytes{};
        EXPECT_EQ(Sensor::SendCommand("AD", outer, bytes, std::nullopt, false, false), 4);
        EXPECT_EQ(outer, "1234");
        EXPECT_EQ(depthAtStart, 1) << "the outer request counts as waiting";
        EXPECT_EQ(count, 1);
        EXPECT_EQ(nested, "1");
        EXPECT_EQ(depthAfter, 1);
        EXPECT_TRUE(parkedAfter);
        EXPECT_FALSE(Ports::State().Account.HasParked(1));
        EXPECT_EQ(Ports::ReadDepth(), 0);
        EXPECT_EQ(port.requests, (QList<QByteArray>{"AD", "SS1"}));
    }
}

TEST_F(LinkTest, WaitBeyondTheDeepestNestingReturnsAtOnce) {
    Ports::State().ReadDepth = Ports::MaxReadDepth;
    port.arrive("OK\r");
    Ports::AnswerBytes answer{};
    EXPECT_EQ(Ports::ReadAnswer(answer), 0);
    EXPECT_EQ(Ports::ReadDepth(), Ports::MaxReadDepth);
    // Flushing at the deepest level cannot park either; it only clears.
    Ports::FlushInput();
    EXPECT_FALSE(Ports::State().Account.HasParked(Ports::MaxReadDepth));
    Ports::State().ReadDepth = 0;
    EXPECT_EQ(Ports::ReadAnswer(answer), 0);
}

// Only the start of a nested request parks the waiting answer. Its retries
// and the flush after an overlong answer throw input away: what comes then
// belongs to the nested request, never to the request waiting further out.
TEST_F(TimedLinkTest, NestedRetriesDoNotParkTheirOwnLateAnswers) {
    constexpr int Timeout = 60;
    constexpr int LateMs = Timeout * 3 / 2;   // after the try gave up, within a further wait
    struct Case {
        const char* name;
        std::function<void()> nested;
        std::function<QByteArray(const QByteArray&)> sensor;
    };
    int tries = 0;
    const auto lateFirst = [&](const QByteArray& answer) {
        return [&, answer](const QByteArray&) {
            if (tries++ > 0) return answer;
            port.arriveLater(LateMs, answer);
            return QByteArray();
        };
    };
    const Case cases[] = {
        {"a command whose first answer comes late",
         [] {
             QString answer;
             Ports::AnswerBytes bytes{};
             Sensor::SendCommand("SS1", answer, bytes);
         },
         lateFirst("1\r")},
        {"a parameter write whose first answer comes late",
         [] { Sensor::SetParameter("SD1", "500"); }, lateFirst("\x80\r")},
        {"an overlong answer with more behind it",
         [] {
             QString answer;
             Ports::AnswerBytes bytes{};
             Sensor::SendCommand("^4^ID", answer, bytes);
         },
         [](const QByteArray& request) { return request == "ID" ? QByteArray("ABCDEF\rMORE\r") : QByteArray(); }},
    };
    Ports::SetTimeout(Timeout);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        tries = 0;
        port.respond = [&c](const QByteArray& request) { return request == "AD" ? QByteArray() : c.sensor(request); };
        QTimer::singleShot(0, c.nested);
        QString outer = "old";
        Ports::AnswerBytes bytes{};
        EXPECT_EQ(Sensor::SendCommand("AD", outer, bytes, std::nullopt, false, false), 0);
        EXPECT_EQ(outer, "");
        EXPECT_EQ(Ports::ReadDepth(), 0);
        // Let a late answer arrive before the next case starts.
        Ports::Delay(LateMs);
    }
}

}  // namespace
