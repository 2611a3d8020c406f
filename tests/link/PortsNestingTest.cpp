// Requests started from a window event while another request waits.
#include "link/LinkTestFixture.h"
#include "link/Sensor.h"

#include <functional>

namespace {

struct NestedRun {
    int count = -1;
    QString answer;
    int depthAfter = -1;    // ReadDepth once the nested request is done
    int parkedAfter = -1;   // what waits parked for the outer request then
};

// Starts SS1 from a timer while the outer request waits; `outerArrives`
// puts the outer answer on the line in the same event, just before.
void nestSS1(NestedRun& run, FakeSerialControl& port, const QByteArray& outerArrives) {
    QTimer::singleShot(10, [&run, &port, outerArrives] {
        port.arrive(outerArrives);
        Ports::AnswerBytes bytes{};
        run.count = Sensor::SendCommand("SS1", run.answer, bytes);
        run.depthAfter = Ports::ReadDepth();
        run.parkedAfter = Ports::State().ParkedCount[1];
    });
}

TEST_F(LinkTest, NestedRequestParksTheWaitingAnswerForTheOuterRequest) {
    port.respond = [](const QByteArray& request) { return request == "SS1" ? QByteArray("1\r") : QByteArray(); };
    Ports::SetTimeout(60);
    NestedRun nested;
    nestSS1(nested, port, "1234\r");

    QString outer;
    Ports::AnswerBytes bytes{};
    const int outerCount = Sensor::SendCommand("AD", outer, bytes, std::nullopt, false, false);

    EXPECT_EQ(nested.count, 1);
    EXPECT_EQ(nested.answer, "1");
    // The outer request still waits when the nested one is done; its answer
    // is parked at its depth and handed to it when its own wait ends.
    EXPECT_EQ(nested.depthAfter, 1);
    EXPECT_EQ(nested.parkedAfter, 4);
    EXPECT_EQ(outerCount, 4);
    EXPECT_EQ(outer, "1234");
    EXPECT_EQ(Ports::State().ParkedCount[1], 0);
    EXPECT_EQ(Ports::ReadDepth(), 0);
    EXPECT_EQ(port.requests, (QList<QByteArray>{"AD", "SS1"}));
}

// On a 9600-baud line a request's bytes take a while to go out, and window
// events run meanwhile. A request started then waits behind it: it first
// takes the draining request's answer off the line and parks it for it.
TEST_F(TimedLinkTest, RequestStartedWhileAnotherDrainsParksThatAnswer) {
    port.baud = 9600;
    port.respond = [](const QByteArray& request) {
        if (request == "AD") return QByteArray("1234\r");
        if (request == "SS1") return QByteArray("1\r");
        return QByteArray();
    };
    NestedRun nested;
    int depthAtStart = -1;
    // Runs at the first pass of window events, while "AD" still drains.
    QTimer::singleShot(0, [&] {
        depthAtStart = Ports::ReadDepth();
        Ports::AnswerBytes bytes{};
        nested.count = Sensor::SendCommand("SS1", nested.answer, bytes);
        nested.depthAfter = Ports::ReadDepth();
    });

    QString outer;
    Ports::AnswerBytes bytes{};
    const int outerCount = Sensor::SendCommand("AD", outer, bytes, std::nullopt, false, false);

    EXPECT_EQ(depthAtStart, 1) << "the draining request counts as waiting";
    EXPECT_EQ(nested.count, 1);
    EXPECT_EQ(nested.answer, "1");
    EXPECT_EQ(nested.depthAfter, 1);
    EXPECT_EQ(outerCount, 4);
    EXPECT_EQ(outer, "1234");
    EXPECT_EQ(Ports::ReadDepth(), 0);
    EXPECT_EQ(port.requests, (QList<QByteArray>{"AD", "SS1"}));
}

TEST_F(LinkTest, WaitBeyondTheDeepestNestingReturnsAtOnce) {
    Ports::State().ReadDepth = Ports::MaxReadDepth;
    port.arrive("OK\r");
    Ports::AnswerBytes answer{};
    EXPECT_EQ(Ports::ReadAnswer(answer), 0);
    EXPECT_EQ(Ports::ReadDepth(), Ports::MaxReadDepth);
    // Flushing at the deepest level cannot park either; it only clears.
    Ports::FlushInput();
    EXPECT_EQ(Ports::State().ParkedCount[Ports::MaxReadDepth], 0);
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
