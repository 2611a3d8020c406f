// A try given up while the sensor was answering may still be answered, at
// any time. Before the next request the line asks for a mark, an answer that
// cannot be mistaken for another's, and throws away every line before it.
#include "link/LinkTestFixture.h"
#include "link/PortsLine.h"
#include "link/Sensor.h"
#include "support/InTurnSensor.h"

#include <QMap>

namespace {

constexpr int Timeout = 100;
const QByteArray Identification = "Q&B QF8200-62 Eprom: E1 Version: 2.1";
const QByteArray Date = "Date: 01.02.03 Time: 10:00";

class StepMark : public TimedLinkTest {
protected:
    void SetUp() override {
        TimedLinkTest::SetUp();
        Ports::SetTimeout(Timeout);
        Ports::SetStepMarks([] {
            return QList<Ports::StepMark>{{"ID", [](const QByteArray& a) { return a == Identification; }},
                                          {"DAT", [](const QByteArray& a) { return a == Date; }}};
        });
    }

    // "K3" answers "3"; the nth request (from 1) of a text named in `late`
    // is answered 1.2 s late, past the time after which a try counts as
    // lost; one named in `dropped` not at all. The sensor answers in turn.
    QMap<QByteArray, QList<int>> late, dropped;
    QMap<QByteArray, int> asked;
    bool silent = false;
    InTurnSensor sensor{port, [this](const QByteArray& request) {
                            const int nth = ++asked[request];
                            QByteArray answer = request == "ID"    ? Identification
                                                : request == "DAT" ? Date
                                                                   : request.mid(1);
                            if (silent || dropped.value(request).contains(nth)) return InTurnSensor::Handling{};
                            return InTurnSensor::Handling{answer + '\r', late.value(request).contains(nth) ? 1200 : 5.0};
                        }};

    struct Taken {
        QString answer;
        quint64 stretch = 0;
    };
    Taken ask(const QString& request) {
        Taken taken;
        Ports::AnswerBytes bytes{};
        Sensor::SendCommand(request, taken.answer, bytes);
        taken.stretch = Sensor::LastAnswerStretch();
        return taken;
    }
};

TEST_F(StepMark, AfterAGiveUpTheMarkComesFirstAndEveryLateAnswerBeforeItIsThrownAway) {
    ASSERT_EQ(ask("K0").answer, "0");   // the sensor answers
    late["K1"] = {1, 2};
    const Taken k1 = ask("K1");
    const Taken k2 = ask("K2");
    const Taken k3 = ask("K3");
    Ports::ConfirmInStep();
    EXPECT_EQ(port.requests, QList<QByteArray>({"K0", "K1", "K1", "ID", "K2", "K3"}));
    EXPECT_EQ(k1.answer, "");
    EXPECT_TRUE(Ports::OutOfStepIn(k1.stretch)) << "a record given up is read again";
    EXPECT_EQ(k2.answer, "2");
    EXPECT_EQ(k3.answer, "3");
    EXPECT_FALSE(Ports::OutOfStepIn(k2.stretch));
    EXPECT_FALSE(Ports::MarkDue());
}

// The mark is never a request whose own late answer may still come: after
// "ID" was given up, "DAT" brings the line back in step.
TEST_F(StepMark, TheMarkIsNoRequestStillUnanswered) {
    ask("K0");
    late["ID"] = {1, 2};
    EXPECT_EQ(ask("ID").answer, "");
    EXPECT_EQ(ask("K2").answer, "2");
    EXPECT_EQ(port.requests, QList<QByteArray>({"K0", "ID", "ID", "DAT", "K2"}));
}

// A sensor that falls silent after answering costs one mark, given up after
// the lost-after time, and no more: it is taken as silent.
TEST_F(StepMark, ASensorFallenSilentCostsOneMark) {
    ask("K0");
    silent = true;
    ask("K1");
    const double before = clock.now();
    ask("K2");
    const double took = clock.now() - before;
    ask("K3");
    EXPECT_EQ(port.requests, QList<QByteArray>({"K0", "K1", "K1", "ID", "K2", "K2", "K3", "K3"}));
    EXPECT_GE(took, Ports::Line::LostAfterMs());
    EXPECT_LT(took, Ports::Line::LostAfterMs() + 4 * Timeout);
    EXPECT_FALSE(Ports::MarkDue());
}

// Without a mark installed the line is found in step on quiet alone, as
// before a sensor answered; on the echoing line the echoes keep it in step.
TEST_F(StepMark, NoMarkWithoutMarksOrInEchoMode) {
    for (const bool echo : {false, true}) {
        SCOPED_TRACE(echo ? "echo mode" : "no marks");
        if (echo) {
            port.echo = true;
            Ports::SetEchoMode(true, false);
        } else {
            Ports::SetStepMarks({});
        }
        port.requests.clear();
        asked.clear();
        ask("K0");
        late["K1"] = {1, 2};
        ask("K1");
        ask("K2");
        EXPECT_FALSE(port.requests.contains("ID"));
        EXPECT_FALSE(Ports::MarkDue());
        late.clear();
        Ports::Delay(3000);
        Ports::FlushInput();
    }
}

}  // namespace
