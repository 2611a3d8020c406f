// A sensor that answers after the answer timeout: its answer may come while
// the program already waits for the next request's. It must never be taken
// for that one; the request it belonged to either gets it or counts as not
// answered.
#include "link/LinkTestFixture.h"
#include "link/PortsLine.h"
#include "link/Sensor.h"

#include <QStringList>

#include <functional>

namespace {

constexpr int Timeout = 100;

class LateAnswers : public TimedLinkTest {
protected:
    void SetUp() override {
        TimedLinkTest::SetUp();
        Ports::SetTimeout(Timeout);
        // Each key's value is its own number, so a value in the wrong record shows.
        port.respond = [this](const QByteArray& request) {
            const double late = lateness[answered++ % lateness.size()];
            const QByteArray value = request.mid(1).split(',').first() + '\r';
            if (late == 0) return value;
            port.arriveLater(late, value);
            return QByteArray();
        };
    }

    QList<double> lateness;   // ms after its request, answer by answer in turn
    qsizetype answered = 0;
};

TEST_F(LateAnswers, NeverBecomeTheAnswerOfAnotherRequest) {
    struct Case {
        const char* name;
        QList<double> lateness;
        int tries;
    } const cases[] = {
        {"every answer half a timeout late", {150}, 2},
        {"every answer half a timeout late, one try", {150}, 1},
        {"late and prompt answers in turn", {150, 0}, 2},
        {"nearly a second timeout late", {190, 20}, 2},
        {"late within the timeout", {60}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        lateness = c.lateness;
        answered = 0;
        Options::Current().RetryCount = c.tries;
        QStringList wrong;
        for (int key = 1; key <= 8; ++key) {
            const QString own = QString::number(key);
            QString answer;
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand("K" + own, answer, bytes);
            if (!answer.isEmpty() && answer != own) wrong << "K" + own + " got " + answer;
            QString written;
            Sensor::SetParameter("W" + own, "1", std::nullopt, &written);
            if (!written.isEmpty() && written != own) wrong << "W" + own + " got " + written;
        }
        EXPECT_TRUE(wrong.isEmpty()) << qPrintable(wrong.join(", "));
        EXPECT_EQ(Ports::ReadDepth(), 0);
        // Let the last late answer come and go before the next case.
        Ports::Delay(3 * Timeout);
        Ports::FlushInput();
    }
}

// Two tries against a sensor 150 ms late: the first try's answer comes while
// the second try waits, and is the same request's answer.
TEST_F(LateAnswers, ASecondTryTakesTheFirstTrysLateAnswer) {
    lateness = {150};
    QString answer;
    Ports::AnswerBytes bytes{};
    EXPECT_EQ(Sensor::SendCommand("K7", answer, bytes), 1);
    EXPECT_EQ(answer, "7");
    EXPECT_EQ(port.requests, (QList<QByteArray>{"K7", "K7"}));
}

// An answer whose carriage return never comes settles its try as an answer
// cut short once the line has been quiet behind it for a few byte times:
// whatever waits for that try goes on then, not when the try would count as
// lost, and the next request goes out.
TEST_F(LateAnswers, AnAnswerCutShortEndsTheWaitForItsTry) {
    constexpr double CutLateMs = 1.5 * Timeout;
    struct Case {
        const char* name;
        bool echo;
        std::function<void()> request;   // K1, whose answer comes late without its carriage return
    } const cases[] = {
        {"the request's own wait for its tries", false,
         [] {
             QString answer;
             Ports::AnswerBytes bytes{};
             Sensor::SendCommand("K1", answer, bytes);
         }},
        {"in echo mode, the next request's wait for the answers owed", true,
         [] { Sensor::SetParameter("K1", ""); }},
    };
    Options::Current().RetryCount = 1;
    double cutAt = 0;
    double nextAt = 0;
    port.respond = [&](const QByteArray& request) {
        if (request == "K1") {
            cutAt = clock.now() + CutLateMs;
            port.arriveLater(CutLateMs, "1");
            return QByteArray();
        }
        if (request == "K2") nextAt = clock.now();
        return request.mid(1) + '\r';
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.echo = c.echo;
        Ports::SetEchoMode(c.echo, false);
        // The sensor has answered since the port opened.
        QString answer;
        Ports::AnswerBytes bytes{};
        ASSERT_EQ(Sensor::SendCommand("ID", answer, bytes), 1);
        c.request();
        Sensor::SendCommand("K2", answer, bytes);
        EXPECT_EQ(answer, "2");
        EXPECT_NEAR(nextAt - cutAt, Ports::Line::QuietGapMs, 1);
    }
}

// A long answer that begins before its try would count as lost and is still
// coming in when that time passes: every byte that comes keeps the try
// owed, and the whole answer is its request's.
TEST_F(LateAnswers, AnAnswerStillComingInWhenItsTryWouldCountAsLostIsItsRequests) {
    Options::Current().RetryCount = 1;
    const QByteArray value(150, 'v');
    port.respond = [&](const QByteArray& request) {
        if (request == "ID") return QByteArray("QF\r");
        // At 9600 baud, from 50 ms before the try would count as lost.
        const double from = Ports::Line::LostAfterMs() - 50;
        for (qsizetype i = 0; i <= value.size(); ++i)
            port.arriveLater(from + Ports::Line::WireMs(int(i)), i < value.size() ? value.mid(i, 1) : "\r");
        return QByteArray();
    };
    // The sensor has answered since the port opened: the request waits for its try.
    QString answer;
    Ports::AnswerBytes bytes{};
    ASSERT_EQ(Sensor::SendCommand("ID", answer, bytes), 2);
    EXPECT_EQ(Sensor::SendCommand("K1", answer, bytes), value.size());
    EXPECT_EQ(answer.toLatin1(), value);
}

// "^n^" refuses an answer longer than n characters. Every answer here comes
// after the answer wait, so the refused one is the first try's, taken in the
// retry's wait: the request ends refused, and the retry's answer that comes
// behind it is nobody's.
TEST_F(LateAnswers, ARefusedOverlongAnswerEndsTheRequest) {
    struct Case {
        const char* name;
        QList<QByteArray> answers;   // to the first try and to the retry
    } const cases[] = {
        {"the same overlong answer to every try", {"ABCDEF\r", "ABCDEF\r"}},
        {"a short answer to the retry", {"ABCDEF\r", "AB\r"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.requests.clear();
        QList<QByteArray> answers = c.answers;
        port.respond = [&](const QByteArray&) {
            if (!answers.isEmpty()) port.arriveLater(1.5 * Timeout, answers.takeFirst());
            return QByteArray();
        };
        QString answer = "old";
        Ports::AnswerBytes bytes{};
        EXPECT_EQ(Sensor::SendCommand("^4^ID", answer, bytes), 0);
        EXPECT_EQ(answer, "");
        EXPECT_EQ(port.requests, (QList<QByteArray>{"ID", "ID"}));
        // Let every answer come and go before the next case.
        Ports::Delay(3 * Timeout);
        Ports::FlushInput();
    }
}

// Before the next try, what waits goes, and the rest of an answer still
// coming in right behind it goes too: its tail must not become the next
// try's answer. A quiet line is not waited on; a babbling one is cut off.
TEST_F(LateAnswers, NextTryStartsOnAQuietLine) {
    struct Case {
        const char* name;
        QByteArray waiting;
        QByteArray behind;   // 3 ms later
        bool babbles;
        double waited;
    } const cases[] = {
        {"nothing waits", "", "", false, 0},
        {"the rest of an answer still comes", "12", "34\r", false, 13},
        {"a line that never stops", "", "", true, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.arrive(c.waiting);
        if (!c.behind.isEmpty()) port.arriveLater(3, c.behind);
        if (c.babbles) port.babble = [] { return QByteArray(100, 'g'); };
        const double start = clock.now();
        Ports::DiscardInputUntilQuiet();
        EXPECT_NEAR(clock.now() - start, c.waited, 1);
        port.babble = nullptr;
        QString answer;
        EXPECT_EQ(Ports::ReadAnswerText(answer, 0, false, false, false, 50), 0) << qPrintable(answer);
    }
}

}  // namespace
