// A line more than was asked for (a carriage return made by noise in the
// middle of an answer, a line the sensor sends unasked, an answer after its
// try was given up) shifts answers onto the wrong requests. The line cannot
// see that at once, but it sees the surplus line in the end: every value
// that is not its request's own was taken in a stretch of the line that
// then counts as out of step, and a value outside such a stretch is its own.
#include "link/LinkTestFixture.h"
#include "link/PortsLine.h"
#include "link/Sensor.h"
#include "link/TakenValues.h"
#include "support/InTurnSensor.h"

#include <QMap>
#include <QSet>

namespace {

constexpr int Timeout = 100;
constexpr double PromptMs = 5;

class OutOfStep : public TimedLinkTest {
protected:
    void SetUp() override {
        TimedLinkTest::SetUp();
        Ports::SetTimeout(Timeout);
        Ports::State().EchoTimeout = Timeout;
        sensorResponder = port.respond;
    }

    // Each request's answer is its own number ("K3" -> "3", "W3,1" -> "3").
    static QByteArray numberOf(const QByteArray& request) { return request.mid(1).split(',').first(); }

    // How the sensor spoils its answers: requests whose answer it splits in
    // two lines, unasked lines ms after the answer to a request (a negative
    // time: before it, while the sensor works on it), and how long it takes
    // over each request.
    QSet<QByteArray> split;
    QMap<QByteArray, QList<double>> strayAfter;
    double everyMs = PromptMs;
    QSet<QByteArray> seen;
    bool firstTryOnly = true;
    FakeSerialControl::Responder sensorResponder;
    InTurnSensor sensor{port, [this](const QByteArray& request) {
                            const bool first = !seen.contains(request);
                            seen.insert(request);
                            const bool spoil = first || !firstTryOnly;
                            QByteArray answer = request == "MD,OFF" ? QByteArray("\x80") : numberOf(request);
                            if (spoil && split.contains(request)) answer.insert(answer.size() / 2 + 1, '\r');
                            answer += '\r';
                            InTurnSensor::Handling handling{answer, everyMs};
                            if (spoil)
                                for (const double ms : strayAfter.value(request)) handling.unasked.append({ms, "7\r"});
                            return handling;
                        }};

    struct Outcome {
        QStringList wrong;       // "K4 got 3": another request's value, or a part of one
        QStringList notFlagged;  // wrong, and not in a stretch out of step
        QStringList flagged;     // in a stretch out of step
        QStringList missing;
    };

    // Reads K1..K8 in turn, as an editor's full read does, and ends with the line's guard.
    Outcome readAll() {
        TakenValues taken;
        QMap<int, QString> answers;
        for (int key = 1; key <= 8; ++key) {
            QString answer;
            Ports::AnswerBytes bytes{};
            Sensor::SendCommand("K" + QString::number(key), answer, bytes);
            answers[key] = answer;
            taken.Took(key);
        }
        const QList<int> outOfStep = taken.OutOfStep();
        Outcome out;
        for (int key = 1; key <= 8; ++key) {
            const QString name = "K" + QString::number(key);
            const QString& answer = answers[key];
            const bool wrong = !answer.isEmpty() && answer != QString::number(key);
            if (answer.isEmpty()) out.missing << name;
            if (wrong) out.wrong << name + " got " + answer;
            if (wrong && !outOfStep.contains(key)) out.notFlagged << name + " got " + answer;
            if (outOfStep.contains(key)) out.flagged << name;
        }
        return out;
    }

    void restTheLineFully() {
        Ports::Delay(int(Ports::Line::WaitBoundMs()) + 1000);
        Ports::FlushInput();
        seen.clear();
        split.clear();
        strayAfter.clear();
    }
};

TEST_F(OutOfStep, EveryValueThatIsNotItsOwnIsInAStretchOutOfStep) {
    struct Row {
        const char* name;
        QSet<QByteArray> split;
        QMap<QByteArray, QList<double>> strayAfter;
        int retries;
    } const rows[] = {
        {"a carriage return in the middle of an answer", {"K3"}, {}, 2},
        {"a split answer at the end of the read", {"K8"}, {}, 2},
        {"a stray line right after an answer", {}, {{"K2", {1}}}, 2},
        {"a stray line before an answer", {}, {{"K4", {-2}}}, 2},
        {"two stray lines", {}, {{"K2", {1}}, {"K5", {1}}}, 2},
        {"a stray line after the last answer", {}, {{"K8", {2}}}, 2},
        {"a split answer and a stray line, one try", {"K2"}, {{"K6", {1}}}, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Options::Current().RetryCount = row.retries;
        split = row.split;
        strayAfter = row.strayAfter;
        const Outcome out = readAll();
        EXPECT_TRUE(out.notFlagged.isEmpty()) << qPrintable(out.notFlagged.join(", "));
        EXPECT_FALSE(out.flagged.isEmpty()) << "the surplus line was never seen";
        restTheLineFully();
    }
}

// A line nobody asked for that comes while the line is idle, nothing owed
// and nothing taken since it was last in step, casts no doubt on anything.
TEST_F(OutOfStep, AStrayLineWhileNothingIsOwedCostsNothing) {
    readAll();
    port.arriveLater(20, "7\r");
    Ports::Delay(60);
    const Outcome out = readAll();
    EXPECT_TRUE(out.flagged.isEmpty()) << qPrintable(out.flagged.join(", "));
    EXPECT_TRUE(out.wrong.isEmpty() && out.missing.isEmpty());
}

// A stray line between the two tries of one request, and one that comes
// while the sensor streams and "MD,OFF" goes out: no value but its own is
// ever kept.
TEST_F(OutOfStep, AStrayLineBetweenTriesOrBehindModeOffShiftsNothingUnseen) {
    Options::Current().RetryCount = 2;
    // K3's first answer is late: the stray line comes while its retry is owed.
    everyMs = PromptMs;
    port.respond = [this, inner = sensorResponder](const QByteArray& request) {
        if (request == "K3" && !seen.contains(request)) {
            seen.insert(request);
            port.arriveLater(Timeout + 20, "7\r");
            port.arriveLater(Timeout * 1.5, "3\r");
            return QByteArray();
        }
        return inner(request);
    };
    Outcome out = readAll();
    EXPECT_TRUE(out.notFlagged.isEmpty()) << qPrintable(out.notFlagged.join(", "));
    restTheLineFully();

    // The stream's last line comes 1 ms after "MD,OFF" has gone out.
    port.respond = [this, inner = sensorResponder](const QByteArray& request) {
        if (request == "MD,OFF") port.arriveLater(1, "1234\r");
        return inner(request);
    };
    QString modeOff;
    Sensor::SetParameter("MD", "OFF", std::nullopt, &modeOff);
    out = readAll();
    EXPECT_TRUE(out.notFlagged.isEmpty()) << qPrintable(out.notFlagged.join(", "));
}

// A sensor that answers late after answering promptly: at 250 ms (RetryCount
// 2, answer wait 100 ms) each request waits for its own late answer and no
// record is lost; at 1.1 s, past the time after which a try counts as lost,
// answers cross, and every value that crossed is in a stretch out of step.
TEST_F(OutOfStep, ASlowSensorLosesNoRecordAndAVerySlowOneKeepsNoValueNotItsOwn) {
    Options::Current().RetryCount = 2;
    firstTryOnly = false;
    for (const double lateMs : {250.0, 1100.0}) {
        SCOPED_TRACE(testing::Message() << "every answer " << lateMs << " ms late");
        everyMs = PromptMs;
        QString id;
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand("KD", id, bytes);   // the prompt detection
        ASSERT_EQ(id, "D");
        everyMs = lateMs;
        const Outcome out = readAll();
        EXPECT_TRUE(out.notFlagged.isEmpty()) << qPrintable(out.notFlagged.join(", "));
        if (lateMs < Ports::Line::LostAfterMs()) {
            EXPECT_TRUE(out.missing.isEmpty()) << qPrintable(out.missing.join(", "));
            EXPECT_TRUE(out.wrong.isEmpty()) << qPrintable(out.wrong.join(", "));
        }
        restTheLineFully();
    }
}

// A wait that reaches its bound while the sensor still works through a
// backlog gives up the tries it owes, though their answers still come: the
// first is taken for the end of a line cut off, the next settles a later try
// it does not belong to. When the sensor drops that request, no line is left
// over to show it; what was taken since the line lost track is out of step
// all the same.
TEST_F(OutOfStep, AnAnswerThatComesAfterTheLineLostTrackIsOutOfStep) {
    Options::Current().RetryCount = 1;
    everyMs = 800;
    port.respond = [inner = sensorResponder](const QByteArray& request) {
        return request == "K6" ? QByteArray() : inner(request);
    };
    TakenValues taken;
    QMap<int, QString> answers;
    const auto read = [&](int key) {
        QString answer;
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand("K" + QString::number(key), answer, bytes);
        answers[key] = answer;
        taken.Took(key);
    };
    // Before the sensor's first answer nothing waits for the late ones: they
    // come every 800 ms from then on.
    for (int key = 1; key <= 4; ++key) read(key);
    Ports::Delay(400);
    // K5 waits for the backlog until the bound of its wait, 300 ms before
    // K4's answer and 1100 ms before its own; K6 takes K5's answer.
    read(5);
    Ports::Delay(1050);
    read(6);
    const QList<int> outOfStep = taken.OutOfStep();
    ASSERT_EQ(answers[6], "5");
    EXPECT_TRUE(outOfStep.contains(6));
}

// A request started from a window event while another one waits may leave
// a line behind its answer: here one nobody asked for, come with it. The
// request it nests in, waiting on, counts that line rather than throwing it
// away as an answer cut short, so the stretch shows out of step.
TEST_F(OutOfStep, ALineLeftBehindTheAnswerOfANestedRequestIsCounted) {
    Options::Current().RetryCount = 1;
    everyMs = 150;
    strayAfter = {{"K9", {0}}};
    TakenValues taken;
    QString nested;
    port.eventLater(10, [&] {
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand("K9", nested, bytes);
        taken.Took(9);
    });
    QString answer;
    Ports::AnswerBytes bytes{};
    Sensor::SendCommand("K1", answer, bytes);
    taken.Took(1);
    ASSERT_EQ(nested, "9");
    EXPECT_EQ(taken.OutOfStep(), (QList<int>{9, 1}));
}

// A read started from a window event while K1 waits parks a line nobody
// asked for as K1's answer, takes K1's answer in its place, sees its own
// come with nothing owed, and ends with the line's guard on a quiet line.
// The value parked for K1 still belongs to that stretch, out of step, not
// to a new one that K1 would go on in.
TEST_F(OutOfStep, AValueParkedForAWaitingRequestKeepsTheStretchItWasTakenIn) {
    Options::Current().RetryCount = 1;
    everyMs = 10;
    strayAfter = {{"K1", {-2}}};
    QString nested;
    QList<int> nestedOutOfStep;
    port.eventLater(1, [&] {
        TakenValues taken;
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand("K4", nested, bytes);
        taken.Took(4);
        nestedOutOfStep = taken.OutOfStep();
    });
    TakenValues taken;
    QString answer;
    Ports::AnswerBytes bytes{};
    Sensor::SendCommand("K1", answer, bytes);
    taken.Took(1);
    ASSERT_EQ(nested, "1");
    ASSERT_EQ(answer, "7");
    EXPECT_EQ(nestedOutOfStep, QList<int>{4});
    EXPECT_EQ(taken.OutOfStep(), QList<int>{1});
}

// As above, and a second read starts from a window event while K1 still
// waits, once the line has been quiet for the guard behind the proof: the
// line is in step again, yet K1's value, parked before the proof, still
// belongs to the stretch the proof spoiled, not to one the second read begins.
TEST_F(OutOfStep, AQuietLineBeforeANestedRequestLeavesTheParkedValueInItsStretch) {
    Options::Current().RetryCount = 1;
    everyMs = 10;
    strayAfter = {{"K1", {-2}}};
    QString first;
    QList<int> firstOutOfStep;
    port.eventLater(1, [&] {
        TakenValues taken;
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand("K4", first, bytes);
        taken.Took(4);
        firstOutOfStep = taken.OutOfStep();
    });
    QString second;
    port.eventLater(60, [&] {
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand("K5", second, bytes);
    });
    TakenValues taken;
    QString answer;
    Ports::AnswerBytes bytes{};
    Sensor::SendCommand("K1", answer, bytes);
    taken.Took(1);
    ASSERT_EQ(first, "1");
    ASSERT_EQ(firstOutOfStep, QList<int>{4});
    ASSERT_EQ(second, "5");
    ASSERT_EQ(answer, "7");
    EXPECT_EQ(taken.OutOfStep(), QList<int>{1});
}

// In echo mode a line that comes while a request's line goes out loses its
// carriage return among the echoes, and no count sees that line. Here it is
// K1's answer, pushed off its try by an unasked line: the line it leaves
// uncounted would have shown that, so the stretch is out of step all the same.
TEST_F(OutOfStep, ALineEndLostAmongTheEchoesPutsTheStretchOutOfStep) {
    Options::Current().RetryCount = 1;
    port.echo = true;
    port.baud = 9600;
    Ports::SetEchoMode(true, false);
    everyMs = 150;
    strayAfter = {{"K1", {-2}}};
    TakenValues taken;
    QMap<int, QString> answers;
    for (const int key : {1, 2}) {
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand("K" + QString::number(key), answers[key], bytes);
        taken.Took(key);
    }
    ASSERT_EQ(answers[1], "7");
    EXPECT_EQ(taken.OutOfStep(), (QList<int>{1, 2}));
}

// An answer whose carriage return never comes is its own try's answer: the
// retry, or the next request, keeps its own.
TEST_F(OutOfStep, AnAnswerCutShortCostsNoOtherRequestItsAnswer) {
    for (const int retries : {1, 2}) {
        SCOPED_TRACE(testing::Message() << retries << " tries");
        Options::Current().RetryCount = retries;
        port.respond = [this, inner = sensorResponder](const QByteArray& request) {
            if (request == "K3" && !seen.contains(request)) {
                seen.insert(request);
                port.arriveLater(PromptMs, "3");   // no carriage return
                return QByteArray();
            }
            return inner(request);
        };
        const Outcome out = readAll();
        EXPECT_TRUE(out.wrong.isEmpty()) << qPrintable(out.wrong.join(", "));
        EXPECT_TRUE(out.flagged.isEmpty()) << qPrintable(out.flagged.join(", "));
        const QStringList lost = retries == 1 ? QStringList{"K3"} : QStringList{};
        EXPECT_EQ(out.missing, lost);
        restTheLineFully();
    }
}

// Bytes that never end in a carriage return hold no request beyond the
// bound of every wait, in normal and in echo mode.
TEST_F(OutOfStep, NoiseWithoutEndHoldsARequestNoLongerThanTheBound) {
    for (const bool echo : {false, true}) {
        SCOPED_TRACE(echo ? "echo mode" : "normal mode");
        port.echo = echo;
        Ports::SetEchoMode(echo, false);
        // The sensor answers K1 late, then noise comes every ms for 60 s.
        const double noiseUntil = clock.now() + 60'000;
        port.respond = [this](const QByteArray&) {
            port.arriveLater(Timeout * 1.5, "1");
            return QByteArray();
        };
        port.babble = [this, noiseUntil] { return clock.now() < noiseUntil ? QByteArray("x") : QByteArray(); };
        const double start = clock.now();
        QString answer;
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand("K1", answer, bytes);
        const double held = clock.now() - start;
        EXPECT_LT(held, 3 * Ports::Line::WaitBoundMs() + 8 * Timeout) << "held for " << held << " ms";
        port.babble = nullptr;
        port.respond = sensorResponder;
        Ports::SetEchoMode(false, false);
        port.echo = false;
        restTheLineFully();
    }
}

// Expected lengths against answers of every length: nothing is read past
// the stored answer (the sanitizers watch), and a count never passes it.
TEST_F(OutOfStep, LengthsFromAPrefixNeverReachPastTheAnswer) {
    Options::Current().RetryCount = 1;
    for (const char* const prefix : {"~1~", "~200~", "~201~", "~202~", "~255~", "^300^"}) {
        for (const int length : {1, 2, 199, 200, 201, 202, 254, 255, 256, 299, 300}) {
            SCOPED_TRACE(testing::Message() << prefix << " against " << length << " bytes");
            const QByteArray line = QByteArray(length, 'a') + '\r';
            port.respond = [line](const QByteArray&) { return line; };
            QString answer;
            Ports::AnswerBytes bytes{};
            const int count = Sensor::SendCommand(QString(prefix) + "K1", answer, bytes);
            EXPECT_LE(count, Ports::AnswerSize);
            // An expected length counts the carriage return when it reaches it.
            EXPECT_EQ(answer, QString::fromLatin1(line.left(count)));
            Ports::FlushInput();
        }
    }
}

}  // namespace
