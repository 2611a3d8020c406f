// A sensor that answers requests in turn, as a real one does, with some or
// all of its answers late, dropped or coming after the echo wait: every
// request gets its own answer or counts as not answered, never another's,
// and after a late or dropped answer the line is back in step within two
// requests.
#include "link/LinkTestFixture.h"
#include "link/PortsLine.h"
#include "link/Sensor.h"
#include "platform/ProgramEnd.h"
#include "support/InTurnSensor.h"

#include <QSet>
#include <QTimer>

#include <cmath>
#include <utility>

namespace {

constexpr int Timeout = 100;
constexpr double PromptMs = 5;

class AnswersInTurn : public TimedLinkTest {
protected:
    void SetUp() override {
        TimedLinkTest::SetUp();
        Ports::SetTimeout(Timeout);
        Ports::State().EchoTimeout = Timeout;
    }

    // Each request's answer is its own number ("K3", "W3,1" -> "3"), so an
    // answer in the wrong request shows.
    static QByteArray numberOf(const QByteArray& request) { return request.mid(1).split(',').first(); }

    // The sensor's handling time of each request it takes up, and the
    // requests (by text) whose first try it answers late by lateMs or drops.
    double everyMs = PromptMs;
    QByteArray lateRequest;
    double lateMs = 0;
    QByteArray droppedRequest;
    QSet<QByteArray> seen;
    InTurnSensor sensor{port, [this](const QByteArray& request) {
                            const bool first = !seen.contains(request);
                            seen.insert(request);
                            const bool late = first && request == lateRequest;
                            const bool dropped = first && request == droppedRequest;
                            return InTurnSensor::Handling{dropped ? QByteArray() : numberOf(request) + '\r',
                                                          late ? lateMs : everyMs};
                        }};

    struct Outcome {
        QStringList wrong;     // "K4 got 3": another request's answer
        QStringList missing;   // requests left without an answer
    };
    // Reads K1..K8 and writes W1..W8 in turn, as an editor's full read and write do.
    Outcome readAndWrite() {
        Outcome out;
        for (int key = 1; key <= 8; ++key) {
            const QString own = QString::number(key);
            QString answer;
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand("K" + own, answer, bytes);
            note(out, "K" + own, answer, own);
            QString written;
            Sensor::SetParameter("W" + own, "1", std::nullopt, &written);
            note(out, "W" + own, written, own);
        }
        return out;
    }

    static QStringList order() {
        QStringList requests;
        for (int key = 1; key <= 8; ++key) requests << QString("K%1").arg(key) << QString("W%1").arg(key);
        return requests;
    }

    // Lets every answer still on its way come and go.
    void restTheLineFully() {
        Ports::Delay(int(Ports::Line::LostAfterMs()) * 2 + 4000);
        Ports::FlushInput();
        seen.clear();
    }

private:
    static void note(Outcome& out, const QString& request, const QString& answer, const QString& own) {
        if (answer.isEmpty()) out.missing << request;
        else if (answer != own) out.wrong << request + " got " + answer;
    }
};

TEST_F(AnswersInTurn, NoRequestEverTakesAnotherRequestsAnswer) {
    for (const double factor : {1.2, 1.5, 1.9, 2.5, 3.5}) {
        for (const int tries : {1, 2, 3}) {
            for (const bool everyLate : {false, true}) {
                SCOPED_TRACE(testing::Message() << (everyLate ? "every answer" : "the answer to K3") << " late by "
                                                << factor << " timeouts, " << tries << " tries");
                Options::Current().RetryCount = tries;
                everyMs = everyLate ? factor * Timeout : PromptMs;
                lateRequest = everyLate ? QByteArray() : QByteArray("K3");
                lateMs = factor * Timeout;
                const Outcome out = readAndWrite();
                EXPECT_TRUE(out.wrong.isEmpty()) << qPrintable(out.wrong.join(", "));
                if (!everyLate) {
                    // The requests sent while the sensor was still busy with
                    // the late one may go without; from two requests after
                    // its answer came on, the line is back in step.
                    const QStringList mayMiss = order().mid(order().indexOf("K3"), int(std::ceil(factor)) + 2);
                    for (const QString& missing : out.missing)
                        EXPECT_TRUE(mayMiss.contains(missing)) << qPrintable(missing) << " not answered";
                }
                EXPECT_EQ(Ports::ReadDepth(), 0);
                restTheLineFully();
            }
        }
    }
}

// A sensor that drops one answer and then answers again: the try it never
// answered stays owed until the line has been quiet long enough, and no
// later answer is taken for it by another request.
TEST_F(AnswersInTurn, ADroppedAnswerCostsAtMostTheNextRequest) {
    for (const int tries : {1, 2, 3}) {
        SCOPED_TRACE(testing::Message() << tries << " tries");
        Options::Current().RetryCount = tries;
        droppedRequest = "K3";
        const Outcome out = readAndWrite();
        EXPECT_TRUE(out.wrong.isEmpty()) << qPrintable(out.wrong.join(", "));
        for (const QString& missing : out.missing)
            EXPECT_TRUE(QStringList({"K3", "W3"}).contains(missing)) << qPrintable(missing) << " not answered";
        restTheLineFully();
    }
}

// A sensor that has not answered yet drops a request: its try stays owed
// until the line has been silent for the time after which a try counts as
// lost. The next request starting then gives it up first and takes its own
// answer at its first try.
TEST_F(AnswersInTurn, ATrySilentForTheLostTimeIsGivenUpAsTheNextRequestStarts) {
    Options::Current().RetryCount = 1;
    droppedRequest = "K1";
    QString answer;
    Ports::AnswerBytes bytes{};
    Sensor::SendCommand("K1", answer, bytes);
    ASSERT_EQ(answer, "");
    Ports::Delay(int(Ports::Line::LostAfterMs()));
    Sensor::SendCommand("K2", answer, bytes);
    EXPECT_EQ(answer, "2");
    EXPECT_EQ(port.requests, (QList<QByteArray>{"K1", "K2"}));
}

// An answer late by nearly the time after which a try counts as lost still
// goes to nobody but its own request; a line that gave up on tries any
// sooner would hand it to whichever request waits then.
TEST_F(AnswersInTurn, AnAnswerLateByNearlyTheLostTimeStillCrossesNowhere) {
    Options::Current().RetryCount = 1;
    lateRequest = "K2";
    lateMs = 0.9 * Ports::Line::LostAfterMs();
    const Outcome out = readAndWrite();
    EXPECT_TRUE(out.wrong.isEmpty()) << qPrintable(out.wrong.join(", "));
    EXPECT_FALSE(out.missing.contains("K8")) << "in step again once the late answer came";
}

// Echo mode: the sensor echoes every byte at once, even while it is still
// busy with the request before. An answer that comes just after the echo
// wait is taken for its own request (its retry waits for it); one whose
// bytes meet a retry's echoes puts that try out of step, and nothing of what
// then comes is taken.
TEST_F(AnswersInTurn, EchoModeTakesOnlyAnswersThatAreSurelyTheRequestsOwn) {
    port.echo = true;
    Ports::SetEchoMode(true, false);
    for (const double late : {1.05, 1.2, 1.9, 3.5}) {
        for (const bool everyLate : {false, true}) {
            SCOPED_TRACE(testing::Message() << (everyLate ? "every answer" : "the answer to K3") << " late by " << late
                                            << " echo waits");
            everyMs = everyLate ? late * Timeout : PromptMs;
            lateRequest = everyLate ? QByteArray() : QByteArray("K3");
            lateMs = late * Timeout;
            const Outcome out = readAndWrite();
            EXPECT_TRUE(out.wrong.isEmpty()) << qPrintable(out.wrong.join(", "));
            EXPECT_FALSE(Ports::EchoWaitAlways());
            restTheLineFully();
        }
    }
}

// A byte that is not the echo of the byte sent puts the try out of step: the
// request still goes out whole, what comes with it is nobody's, and the
// retry goes out on a quiet line and takes the answer that then comes.
TEST_F(AnswersInTurn, AStrayByteAmongTheEchoesFailsTheTryNotTheRequest) {
    port.echo = true;
    port.baud = 9600;
    Ports::SetEchoMode(true, false);
    // The stray byte comes while the request's first byte is still on the wire.
    port.arriveLater(0.5, "7");
    QString answer;
    Ports::AnswerBytes bytes{};
    EXPECT_EQ(Sensor::SendCommand("K5", answer, bytes), 1);
    EXPECT_EQ(answer, "5");
    EXPECT_EQ(port.requests, (QList<QByteArray>{"K5", "K5"})) << "sent whole, then once more";
}

// A line nobody asked for that comes while a request's first byte is on the
// wire shifts the echoes by its length: its bytes are read as the echoes of
// the request's first bytes, and the request's last bytes come back behind
// its carriage return, looking like a line. Nothing of that try is its
// answer; the retry takes the request's own.
TEST_F(AnswersInTurn, EchoesShiftedByAStrayLineAreNoAnswer) {
    port.echo = true;
    port.baud = 9600;
    Ports::SetEchoMode(true, false);
    port.arriveLater(0.5, "7\r");
    QString answer;
    Ports::AnswerBytes bytes{};
    EXPECT_EQ(Sensor::SendCommand("K12", answer, bytes), 2);
    EXPECT_EQ(answer, "12");
    EXPECT_EQ(port.requests, (QList<QByteArray>{"K12", "K12"})) << "sent whole, then once more";
}

// With an echo wait over half a second a try counts as lost only after twice
// that wait: an answer later than the echo wait, within twice it, is still
// its request's, and no retry goes out for it.
TEST_F(AnswersInTurn, ALongEchoWaitKeepsATryOwedForTwiceThatWait) {
    constexpr int EchoWaitMs = 800;
    port.echo = true;
    Ports::SetEchoMode(true, false);
    Ports::State().EchoTimeout = EchoWaitMs;
    lateRequest = "K1";
    lateMs = 1.5 * EchoWaitMs;
    QString answer;
    Ports::AnswerBytes bytes{};
    EXPECT_EQ(Sensor::SendCommand("K1", answer, bytes), 1);
    EXPECT_EQ(answer, "1");
    EXPECT_EQ(port.requests, QList<QByteArray>{"K1"});
}

// In the round with the echo pause after every byte, a timer that goes off
// in the pause behind the request line's carriage return starts a request
// that runs one deeper: it sends nothing into the line that is still out,
// and the answer it takes off the line meanwhile is kept for the request
// that line belongs to, which gets it at its first try.
TEST_F(AnswersInTurn, ARequestFromATimerInTheEchoPauseKeepsTheAnswerForTheRequestOut) {
    Options::Current().RetryCount = 1;
    port.echo = true;
    Ports::SetEchoMode(true, true);
    QString nested = "old";
    bool started = false;
    port.duringWait = [&nested, &started](const QByteArray& request) {
        if (request != "K1" || std::exchange(started, true)) return;
        QTimer::singleShot(0, [&nested] {
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand("K2", nested, bytes);
        });
    };
    QString answer;
    Ports::AnswerBytes bytes{};
    EXPECT_EQ(Sensor::SendCommand("K1", answer, bytes), 1);
    EXPECT_EQ(answer, "1");
    EXPECT_EQ(nested, "");
    EXPECT_EQ(port.requests, QList<QByteArray>{"K1"});
}

// In echo mode a request whose tries are used up goes once more with the
// echo pause after every byte. A request started by a timer meanwhile ends
// with that slower round still on: it was not its own to end, and the
// request out does not start it over; a silent sensor costs two rounds.
TEST_F(AnswersInTurn, ARequestStartedInTheSlowerEchoRoundLeavesThatRoundToTheRequestOut) {
    Options::Current().RetryCount = 1;
    port.echo = true;
    Ports::SetEchoMode(true, false);
    port.respond = [](const QByteArray&) { return QByteArray(); };
    int nestedLeft = 20;
    port.duringWait = [&nestedLeft](const QByteArray& request) {
        if (request != "K1" || nestedLeft <= 0) return;
        --nestedLeft;
        QTimer::singleShot(0, [] {
            QString nested;
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand("K2", nested, bytes);
        });
    };
    QString answer;
    Ports::AnswerBytes bytes{};
    EXPECT_EQ(Sensor::SendCommand("K1", answer, bytes), 0);
    EXPECT_EQ(port.requests.count("K1"), 2);
    EXPECT_FALSE(Ports::EchoWaitAlways()) << "the slower round ends with the request that began it";
}

// A request started from a window event at any moment of another one (its
// echo pauses, its waits for late answers included) runs one deeper: neither
// request ever takes the other's answer, however late each comes.
TEST_F(AnswersInTurn, ARequestStartedAtAnyMomentOfAnotherKeepsToItsOwnAnswer) {
    lateRequest = "NX";
    for (const int tries : {1, 2}) {
        for (const bool echo : {false, true}) {
            for (const double outerLate : {1.5 * Timeout, 3.5 * Timeout}) {
                for (const double nestedLate : {1.35 * Timeout, 3.5 * Timeout}) {
                    for (double startAt = 0; startAt < 15 * Timeout; startAt += 29) {
                        SCOPED_TRACE(testing::Message() << tries << " tries" << (echo ? ", echo mode" : "")
                                                        << ", answers after " << outerLate << " ms and " << nestedLate
                                                        << " ms, the second request starts at " << startAt << " ms");
                        Options::Current().RetryCount = tries;
                        port.echo = echo;
                        // In echo mode the first request pauses after every byte.
                        Ports::SetEchoMode(echo, echo);
                        everyMs = outerLate;
                        lateMs = nestedLate;
                        QString nested;
                        port.eventLater(startAt, [&nested] {
                            Ports::AnswerBytes bytes{};
                            Sensor::SendCommand("NX", nested, bytes);
                        });
                        QString answer;
                        Ports::AnswerBytes bytes{};
                        Sensor::SendCommand("K1", answer, bytes);
                        QString written;
                        Sensor::SetParameter("W2", "1", std::nullopt, &written);
                        EXPECT_TRUE(answer.isEmpty() || answer == "1") << qPrintable(answer);
                        EXPECT_TRUE(written.isEmpty() || written == "2") << qPrintable(written);
                        EXPECT_TRUE(nested.isEmpty() || nested == "X") << qPrintable(nested);
                        // The sensor only ever gets whole requests, never one
                        // broken into by the other.
                        for (const QByteArray& request : port.requests)
                            EXPECT_TRUE(QList<QByteArray>({"K1", "W2,1", "NX"}).contains(request)) << request.constData();
                        port.requests.clear();
                        // Every answer still on its way comes and goes.
                        Ports::Delay(int(2 * Ports::Line::LostAfterMs()));
                        Ports::FlushInput();
                        seen.clear();
                    }
                }
            }
        }
    }
}

// A wait of any kind ends when the program ends: closing the main window
// during a pause must not leave the program running behind it.
TEST_F(AnswersInTurn, DelayEndsWhenTheProgramEnds) {
    QTimer::singleShot(0, [] { ProgramEnd::Begin(); });
    const double start = clock.now();
    Ports::Delay(60'000);
    EXPECT_LT(clock.now() - start, 100);
    ProgramEnd::ResetForTests();
}

}  // namespace
