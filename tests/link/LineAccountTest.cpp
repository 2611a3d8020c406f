// The line's account of owed answers, driven event by event: each row is a
// small story on a fresh account (times in ms) and what came of it, written
// as the verdicts on its lines and what the account says when asked.
#include "link/LineAccount.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <functional>
#include <vector>

namespace {

// A request waiting further out, and the nested one whose answer is waited for.
constexpr int Outer = 1;
constexpr int Inner = 2;
// How long the line must stay silent before a try is given up as lost.
constexpr double QuietMs = 1000;

struct Run {
    LineAccount account;
    quint64 firstStretch = account.Stretch();
};
// One event on the account; what it returns (if anything) is written down.
using Step = std::function<QString(Run&)>;

struct Row {
    const char* name;
    std::vector<Step> steps;
    const char* expected;
};

QString nameOf(LineAccount::Owner owner) {
    switch (owner) {
    case LineAccount::Owner::Wanted: return "Wanted";
    case LineAccount::Owner::Parked: return "Parked";
    case LineAccount::Owner::Nobody: return "Nobody";
    case LineAccount::Owner::Echo: return "Echo";
    case LineAccount::Owner::OutOfStep: return "OutOfStep";
    }
    return "?";
}

// Events.
Step begin(int depth) {
    return [=](Run& r) { r.account.BeginRequest(depth); return QString(); };
}
Step sent(int depth, double at) {
    return [=](Run& r) { r.account.TrySent(depth, at); return QString(); };
}
Step heard(double at) {
    return [=](Run& r) { r.account.Heard(at); return QString(); };
}
// A complete line: text and its carriage return.
Step line(const char* text, double firstAt, double at, int wanted = Inner, int read = Inner) {
    return [=](Run& r) {
        return nameOf(r.account.LineCame(QByteArray(text) + '\r', firstAt, at, wanted, read));
    };
}
Step cut(double firstAt, double at, int wanted = Inner) {
    return [=](Run& r) { return "cut:" + nameOf(r.account.AnswerCut(firstAt, at, wanted)); };
}
Step forget(double countedAt, double quietMs = QuietMs) {
    return [=](Run& r) { r.account.ForgetLost(countedAt, quietMs); return QString(); };
}
Step inStep(double now, double guardMs, bool bytesWaiting = false) {
    return [=](Run& r) {
        return QString(r.account.FindInStep(now, bytesWaiting, guardMs, 0) ? "inStep" : "notInStep");
    };
}
Step park(int depth, const char* text) {
    return [=](Run& r) {
        r.account.Park(depth, {QByteArray(text), int(qstrlen(text))});
        return QString();
    };
}
Step noise() {
    return [](Run& r) { r.account.NoiseDropped(); return QString(); };
}
Step reopen() {
    return [](Run& r) { r.account.Reopened(); return QString(); };
}
Step echoCr() {
    return [](Run& r) { r.account.EchoCrSent(); return QString(); };
}
Step echoBack() {
    return [](Run& r) { r.account.EchoCrCameBack(); return QString(); };
}
Step echoOff() {
    return [](Run& r) { r.account.EchoModeOff(); return QString(); };
}

// Questions.
Step owed() {
    return [](Run& r) { return QString("owed=%1").arg(r.account.OwedCount()); };
}
Step owes(int depth) {
    return [=](Run& r) { return QString("owes@%1=%2").arg(depth).arg(r.account.Owes(r.account.RequestAt(depth))); };
}
Step id(int depth) {
    return [=](Run& r) { return QString("id@%1=%2").arg(depth).arg(r.account.RequestAt(depth)); };
}
Step answering() {
    return [](Run& r) { return QString("answering=%1").arg(r.account.Answering()); };
}
Step lostAt() {
    return [](Run& r) { return "lostAt=" + QString::number(r.account.OldestLostAt(QuietMs)); };
}
Step take(int depth) {
    return [=](Run& r) {
        const LineAccount::ParkedAnswer parked = r.account.TakeParked(depth);
        return QString("take@%1=%2").arg(depth).arg(parked.count > 0 ? parked.bytes.left(parked.count) : "-");
    };
}
Step echoes() {
    return [](Run& r) { return QString("echo=%1").arg(r.account.EchoCrOwed()); };
}
Step guard(double minMs, double maxMs) {
    return [=](Run& r) { return "guard=" + QString::number(r.account.GuardMs(minMs, maxMs)); };
}
// Every stretch since the account began, oldest first: x spoiled, . clean.
Step stretches() {
    return [](Run& r) {
        QString marks;
        for (quint64 s = r.firstStretch; s <= r.account.Stretch(); ++s) marks += r.account.Spoiled(s) ? 'x' : '.';
        return "stretches=" + marks;
    };
}

void check(const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        Run run;
        QStringList said;
        for (const Step& step : row.steps)
            if (const QString word = step(run); !word.isEmpty()) said << word;
        EXPECT_EQ(said.join(' ').toStdString(), row.expected);
    }
}

TEST(LineAccount, WhoseALineIs) {
    check({
        {"a line settles the oldest try, which is the outer request's",
         {begin(Outer), sent(Outer, 0), begin(Inner), sent(Inner, 10), line("a", 20, 21), owes(Outer), owes(Inner),
          answering(), line("b", 30, 31)},
         "Nobody owes@1=0 owes@2=1 answering=1 Wanted"},
        {"retries of the outer request go first",
         {begin(Outer), sent(Outer, 0), sent(Outer, 5), begin(Inner), sent(Inner, 10), line("a", 20, 21),
          line("b", 30, 31), line("c", 40, 41)},
         "Nobody Nobody Wanted"},
        {"every try owed is the wanted request's: its own answer",
         {begin(Inner), sent(Inner, 0), sent(Inner, 5), line("a", 10, 11), owed()}, "Wanted owed=1"},
        {"another request's try owed behind the wanted one's: nobody's",
         {begin(Inner), sent(Inner, 0), begin(Outer), sent(Outer, 5), line("a", 10, 11), owed()}, "Nobody owed=1"},
        {"a line with nothing owed is the proof", {line("a", 0, 1, 0, 0)}, "OutOfStep"},
        {"a line that began before the try went out cannot answer it",
         {begin(Inner), sent(Inner, 100), line("a", 90, 110), owed(), line("b", 115, 120)}, "OutOfStep owed=1 Wanted"},
        {"a listening request takes the lines nobody is owed, no proof",
         {begin(Inner), line("v1", 0, 5), line("v2", 10, 15), answering(), stretches()},
         "Wanted Wanted answering=0 stretches=."},
        {"a listener takes a line that began before the outer request's try",
         {begin(Outer), sent(Outer, 100), begin(Inner), line("v", 90, 110), owed()}, "Wanted owed=1"},
        {"a request that sent its line listens no more",
         {begin(Inner), sent(Inner, 0), line("a", 5, 10), line("b", 20, 25)}, "Wanted OutOfStep"},
        {"a new request at that depth listens afresh",
         {begin(Inner), sent(Inner, 0), line("a", 5, 10), begin(Inner), line("b", 20, 25)}, "Wanted Wanted"},
    });
}

TEST(LineAccount, ParkedAnswers) {
    check({
        {"the outer request's answer is parked for its wait",
         {begin(Outer), sent(Outer, 0), begin(Inner), line("abc", 5, 10), take(Outer)}, "Parked take@1=abc"},
        {"a request deeper than the waits in progress gets nothing parked",
         {begin(3), sent(3, 0), line("abc", 5, 10), take(3)}, "Nobody take@3=-"},
        {"a parked answer is never overwritten",
         {begin(Outer), sent(Outer, 0), sent(Outer, 5), line("abc", 10, 12), line("xyz", 20, 22), park(Outer, "new"),
          take(Outer)},
         "Parked Nobody take@1=abc"},
        {"a lone carriage return is no answer", {begin(Outer), sent(Outer, 0), line("", 5, 10), take(Outer)},
         "Nobody take@1=-"},
        {"a new request at the depth drops what was parked there",
         {begin(Outer), sent(Outer, 0), line("abc", 5, 10), begin(Outer), take(Outer)}, "Parked take@1=-"},
        {"RequestAt keeps the request and what is parked for it",
         {begin(Outer), sent(Outer, 0), line("abc", 5, 10), id(Outer), take(Outer)}, "Parked id@1=1 take@1=abc"},
        {"RequestAt makes a request once; its try is its own",
         {id(Inner), id(Inner), sent(Inner, 0), line("a", 5, 10), id(Inner)}, "id@2=1 id@2=1 Wanted id@2=1"},
    });
}

TEST(LineAccount, CutAnswersEchoesAndNoise) {
    check({
        {"a cut answer of the wanted request", {begin(Inner), sent(Inner, 0), cut(5, 50), owed()},
         "cut:Wanted owed=0"},
        {"a cut answer with another request's try behind settles the oldest",
         {begin(Outer), sent(Outer, 0), begin(Inner), sent(Inner, 10), cut(15, 50), owes(Outer), owes(Inner)},
         "cut:Nobody owes@1=0 owes@2=1"},
        {"a cut answer with another request's try owed behind it is nobody's",
         {begin(Inner), sent(Inner, 0), begin(Outer), sent(Outer, 5), cut(10, 50), owed()}, "cut:Nobody owed=1"},
        {"a cut answer of the outer request is not the wanted one's",
         {begin(Outer), sent(Outer, 0), begin(Inner), cut(5, 50), owed()}, "cut:Nobody owed=0"},
        {"cut bytes that began before the try settle nothing",
         {begin(Inner), sent(Inner, 100), cut(90, 150), owed(), line("a", 160, 170)}, "cut:Nobody owed=1 Wanted"},
        {"a cut with nothing owed", {cut(0, 50), owed()}, "cut:Nobody owed=0"},
        {"a line while an echo is owed is the echo",
         {begin(Inner), echoCr(), sent(Inner, 0), line("", 1, 2), owed(), line("v", 10, 12)}, "Echo owed=1 Wanted"},
        {"an echo that came back is owed no more",
         {echoCr(), echoCr(), echoBack(), echoes(), begin(Inner), sent(Inner, 0), line("", 1, 2), line("v", 10, 12)},
         "echo=1 Echo Wanted"},
        {"an echo back that was never owed", {echoBack(), echoCr(), echoes(), line("", 1, 2), echoes()},
         "echo=1 Echo echo=0"},
        {"echo mode off: no carriage return is ours",
         {echoCr(), echoCr(), echoOff(), begin(Inner), sent(Inner, 0), line("v", 5, 10)}, "Wanted"},
        {"an echo that never came is dropped once the line is in step",
         {echoCr(), inStep(1000, 10), echoes(), begin(Inner), sent(Inner, 1010), line("v", 1015, 1020)},
         "inStep echo=0 Wanted"},
        {"noise: out of step, the end of its line nobody's, then as before",
         {begin(Inner), sent(Inner, 0), line("a", 5, 10), begin(Inner), sent(Inner, 20), noise(), owed(),
          answering(), stretches(), begin(Inner), sent(Inner, 100), line("zz", 95, 110), owed(),
          line("b", 120, 130)},
         "Wanted owed=0 answering=0 stretches=x Nobody owed=1 Wanted"},
        {"a reopened port has no noisy line pending",
         {noise(), reopen(), begin(Inner), sent(Inner, 100), line("a", 105, 110)}, "Wanted"},
        {"a noisy line that ends without its carriage return ends the wait for its end",
         {noise(), cut(0, 10), begin(Inner), sent(Inner, 100), line("a", 105, 110)}, "cut:Nobody Wanted"},
        {"a line in step again has no noisy line pending",
         {noise(), inStep(1000, 10), begin(Inner), sent(Inner, 1010), line("a", 1015, 1020)}, "inStep Wanted"},
    });
}

TEST(LineAccount, TriesGivenUpAsLost) {
    check({
        {"silence counts from the last byte heard",
         {begin(Inner), sent(Inner, 0), heard(300), heard(600), lostAt(), forget(1599), owed(), forget(1600), owed(),
          lostAt()},
         "lostAt=1600 owed=1 owed=0 lostAt=inf"},
        {"a line counts as bytes heard",
         {begin(Inner), sent(Inner, 0), sent(Inner, 10), line("a", 200, 300), lostAt()}, "Wanted lostAt=1300"},
        {"a cut answer counts as bytes heard", {begin(Inner), sent(Inner, 0), sent(Inner, 10), cut(200, 400), lostAt()},
         "cut:Wanted lostAt=1400"},
        {"each try is judged on its own, at the counted time",
         {begin(Inner), sent(Inner, 0), sent(Inner, 10), forget(999), owed(), forget(1009), owed(), forget(1010),
          owed()},
         "owed=2 owed=1 owed=0"},
        {"every try silent long enough goes at once",
         {begin(Inner), sent(Inner, 0), sent(Inner, 10), forget(1010), owed()}, "owed=0"},
        {"a try sent after the count does not move the judging time",
         {begin(Outer), sent(Outer, 0), begin(Inner), sent(Inner, 1100), forget(900), owed(), forget(1000), owed(),
          lostAt()},
         "owed=2 owed=1 lostAt=2100"},
        {"answering once a line settled a try, not once a try is given up",
         {answering(), begin(Inner), sent(Inner, 0), sent(Inner, 10), line("a", 15, 20), answering(), forget(1020),
          owed(), answering()},
         "answering=0 Wanted answering=1 owed=0 answering=0"},
        {"a cut answer is answering; a reopened port is not",
         {begin(Inner), sent(Inner, 0), cut(5, 50), answering(), reopen(), answering()},
         "cut:Wanted answering=1 answering=0"},
    });
}

TEST(LineAccount, StretchesInStep) {
    check({
        {"a stray line costs nothing until a value is handed",
         {line("x", 0, 5), begin(Inner), sent(Inner, 10), line("a", 15, 20), stretches(), line("y", 30, 35),
          stretches()},
         "OutOfStep Wanted stretches=. OutOfStep stretches=x"},
        {"a value a listening request took is spoiled by a proof later in its stretch",
         {begin(Inner), line("v", 0, 5), line("x", 10, 15, 0, 0), stretches()},
         "Wanted OutOfStep stretches=x"},
        {"values handed after the proof are spoiled with the stretch",
         {begin(Inner), sent(Inner, 0), line("a", 5, 10), line("x", 20, 25), begin(Inner), sent(Inner, 30),
          line("b", 35, 40), stretches()},
         "Wanted OutOfStep Wanted stretches=x"},
        {"in step after the guard; the old stretch stays spoiled, the new is clean",
         {begin(Inner), sent(Inner, 0), line("a", 5, 10), line("x", 20, 25), inStep(124, 100), inStep(125, 100),
          line("y", 130, 135), stretches(), begin(Inner), sent(Inner, 140), line("b", 145, 150), stretches()},
         "Wanted OutOfStep notInStep inStep OutOfStep stretches=x. Wanted stretches=x."},
        {"not in step while a try is owed",
         {begin(Inner), sent(Inner, 0), inStep(5000, 100), forget(5000), inStep(5000, 100)}, "notInStep inStep"},
        {"not in step with bytes half received", {inStep(1000, 100, true), inStep(1000, 100)}, "notInStep inStep"},
        {"quiet counts from the last try sent",
         {begin(Inner), sent(Inner, 100), forget(150, 50), owed(), inStep(160, 100), inStep(200, 100)},
         "owed=0 notInStep inStep"},
        {"the guard is twice the longest the sensor took to start an answer, within its bounds",
         {begin(Inner), sent(Inner, 0), line("a", 20, 30), sent(Inner, 40), line("b", 45, 50), guard(10, 1000),
          guard(100, 1000), guard(10, 30)},
         "Wanted Wanted guard=40 guard=100 guard=30"},
        {"answers settled as nobody's or cut count for the guard",
         {begin(Outer), sent(Outer, 0), begin(Inner), sent(Inner, 10), line("a", 50, 70), cut(80, 100),
          guard(10, 1000)},
         "Nobody cut:Wanted guard=140"},
        {"the guard starts afresh with a new stretch",
         {begin(Inner), sent(Inner, 0), line("a", 20, 30), guard(10, 1000), inStep(90, 60), guard(10, 1000)},
         "Wanted guard=40 inStep guard=10"},
        {"a reopened port starts a new stretch and guard",
         {begin(Inner), sent(Inner, 0), line("a", 20, 30), line("x", 40, 45), reopen(), guard(10, 1000),
          stretches()},
         "Wanted OutOfStep guard=10 stretches=x."},
    });
}

// The mark after a give-up: steps and questions of its own.
Step sentAs(int depth, double at, const char* request) {
    return [=](Run& r) { r.account.TrySent(depth, at, request); return QString(); };
}
// A mark "ID" whose answer is `answer`.
Step mark(double at, const char* answer = "QB") {
    return [=](Run& r) {
        r.account.MarkSent(at, "ID", [expected = QByteArray(answer)](const QByteArray& a) { return a == expected; });
        return QString();
    };
}
Step markWaited(double now, double quietMs = QuietMs, double boundMs = 2 * QuietMs) {
    return [=](Run& r) { r.account.MarkWaited(now, quietMs, boundMs); return QString(); };
}
Step echoOn() {
    return [](Run& r) { r.account.EchoModeOn(); return QString(); };
}
Step marks() {
    return [](Run& r) { return QString("due=%1 owed=%2").arg(r.account.MarkDue()).arg(r.account.MarkOwed()); };
}
Step unsettled() {
    return [](Run& r) {
        QStringList texts;
        for (const QByteArray& text : r.account.Unsettled()) texts << QString::fromLatin1(text);
        return "unsettled=" + texts.join(',');
    };
}
// The stretch an answer was handed in, counted from the account's first (1).
Step handedIn(int depth) {
    return [=](Run& r) {
        const quint64 stretch = r.account.HandedStretch(depth);
        return QString("handed@%1=%2").arg(depth).arg(stretch ? stretch - r.firstStretch + 1 : 0);
    };
}

// The sensor answered "a" to K1; K2 is then given up after a second of silence.
const std::vector<Step> K2GivenUp = {begin(Inner), sentAs(Inner, 0, "K1"), line("a", 5, 10), begin(Inner),
                                     sentAs(Inner, 20, "K2"), forget(2000)};
std::vector<Step> after(std::vector<Step> first, const std::vector<Step>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

TEST(LineAccount, AMarkAfterAGiveUp) {
    check({
        {"a try given up while the sensor answered: out of step, and no quiet brings the line in step",
         after(K2GivenUp, {marks(), answering(), stretches(), inStep(9000, 100), unsettled()}),
         "Wanted due=1 owed=0 answering=0 stretches=x notInStep unsettled=K2"},
        {"a try given up while nothing answered asks for no mark",
         {begin(Inner), sentAs(Inner, 0, "K1"), forget(2000), marks(), stretches(), inStep(3000, 100)},
         "due=0 owed=0 stretches=. inStep"},
        {"on the echoing line the echoes keep the line in step: no mark, nor one due from before",
         {echoOn(), begin(Inner), sentAs(Inner, 0, "K1"), line("a", 5, 10), sentAs(Inner, 20, "K2"), forget(2000),
          marks(), inStep(3000, 100)},
         "Wanted due=0 owed=0 inStep"},
        {"a mark due before echo mode began is dropped with it", after(K2GivenUp, {echoOn(), marks()}),
         "Wanted due=0 owed=0"},
        {"every line before the mark's answer is thrown away; its answer starts a clean stretch",
         after(K2GivenUp, {mark(2100), line("b", 2200, 2210), line("K2", 3300, 3310), marks(), line("QB", 3400, 3420),
                           marks(), owed(), answering(), unsettled(), stretches()}),
         "Wanted OutOfStep OutOfStep due=1 owed=1 Nobody due=0 owed=0 owed=0 answering=1 unsettled= stretches=x."},
        {"a line that began before the mark went out is not its answer",
         after(K2GivenUp, {mark(2100), line("QB", 2090, 2120), marks()}), "Wanted OutOfStep due=1 owed=1"},
        {"bytes cut short while the mark is owed are nobody's", after(K2GivenUp, {mark(2100), cut(2200, 2220), marks()}),
         "Wanted cut:Nobody due=1 owed=1"},
        {"tries sent after the mark are answered after it and stay owed",
         after(K2GivenUp, {mark(2100), begin(Inner), sentAs(Inner, 2150, "K3"), line("QB", 2200, 2210), owed(),
                           line("c", 2250, 2260)}),
         "Wanted Nobody owed=1 Wanted"},
        {"while the mark is owed the count gives nothing up",
         after(K2GivenUp, {mark(2100), begin(Inner), sentAs(Inner, 2150, "K3"), forget(9000), owed(), marks()}),
         "Wanted owed=2 due=1 owed=1"},
        {"a mark nothing answers for the lost time: the sensor is taken as silent",
         after(K2GivenUp, {mark(2100), markWaited(3000), marks(), markWaited(3100), marks(), owed(), answering(),
                           inStep(3200, 100)}),
         "Wanted due=1 owed=1 due=0 owed=0 owed=0 answering=0 inStep"},
        {"late answers keep the mark waiting, up to the bound",
         after(K2GivenUp, {mark(2100), line("b", 2200, 2210), markWaited(3500), marks(), markWaited(4100), marks()}),
         "Wanted OutOfStep due=1 owed=1 due=0 owed=0"},
        {"the texts of tries given up, once each, and those owed",
         {begin(Inner), sentAs(Inner, 0, "K1"), line("a", 5, 10), sentAs(Inner, 20, "K2"), forget(2000),
          sentAs(Inner, 2100, "K2"), forget(4000), sentAs(Inner, 4100, "K3"), unsettled()},
         "Wanted unsettled=K2,K3"},
        {"losing track while the sensor answered makes a mark due",
         {begin(Inner), sentAs(Inner, 0, "K1"), line("a", 5, 10), sentAs(Inner, 20, "K2"), noise(), marks()},
         "Wanted due=1 owed=0"},
        {"a reopened port owes no mark", after(K2GivenUp, {reopen(), marks(), unsettled()}), "Wanted due=0 owed=0 unsettled="},
    });
}

// Every answer is handed out with the stretch it came in; a parked one keeps it.
TEST(LineAccount, AnAnswerCarriesItsStretch) {
    check({
        {"handed in the stretch it came in; none after the request began anew",
         {begin(Inner), sentAs(Inner, 0, "K1"), line("a", 5, 10), handedIn(Inner), inStep(200, 100),
          begin(Inner), handedIn(Inner), sentAs(Inner, 210, "K2"), line("b", 215, 220), handedIn(Inner)},
         "Wanted handed@2=1 inStep handed@2=0 Wanted handed@2=2"},
        {"a parked answer keeps the stretch it came in",
         {begin(Outer), sentAs(Outer, 0, "K1"), begin(Inner), line("a", 5, 10, Inner, Inner), inStep(200, 100, false),
          take(Outer), handedIn(Outer)},
         "Parked inStep take@1=a handed@1=1"},
    });
}

}  // namespace
