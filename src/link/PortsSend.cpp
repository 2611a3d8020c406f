#include "frame/Options.h"
#include "frame/clsTimer.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/TrafficLog.h"
#include "platform/ProgramEnd.h"
#include "platform/SerialControl.h"

#include <QScopeGuard>

#include <utility>

namespace Ports {
namespace {

constexpr char CarriageReturn = '\r';
// The guard after which a quiet line with nothing owed is known to be in
// step, when its answers come faster than half of it.
constexpr double ShortestGuardMs = 10;
// What the rest of a request line may take to leave beyond its wire time
// when the line stops: well within the moment the program may take to end.
constexpr double LeaveSlackMs = 50;

// The depth at which the request whose tries go out now waits: one deeper
// than the waits in progress.
int currentDepth() { return State().ReadDepth + 1; }

// A request line (text and its carriage return) is answered; a lone carriage
// return is an empty line the sensor passes over, and a single byte without
// one is no request yet.
bool isAnswered(const QByteArray& bytes) { return bytes.size() > 1 && bytes.endsWith(CarriageReturn); }

// Echo mode: each byte goes out alone and the sensor's echo is awaited. A
// byte that comes back other than the one sent is another answer on its way
// (or noise): the line is out of step, and the try reads no answer. The rest
// of the request still goes out whole, so that the sensor never takes a
// request cut short for another. A missing echo (or EchoWaitAlways) adds a
// pause before the next byte. While the line is partly out, the user's input
// waits (Line::YieldToEvents): a request of its own would break into it. A
// line that stops meanwhile (the port closes, the program ends) sends its
// rest at once (Line::FinishOpenLine).
QByteArray sendEchoed(const QByteArray& bytes) {
    LinkState& s = State();
    const int depth = currentDepth();
    s.Account.EchoTryBegins();
    const Line::WaitingForAnswer waiting;
    s.EchoLineOpen = true;
    const auto closed = qScopeGuard([&s] {
        s.EchoLineOpen = false;
        s.EchoLineRest.clear();
        Line::LetHeldInputThrough();
    });
    QByteArray sent;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (!Line::Usable()) {
            // The program ends before its port closes (the start window was
            // closed during detection): the rest goes now.
            if (ProgramEnd::Ending()) Line::FinishOpenLine();
            break;
        }
        const char byte = bytes.at(i);
        s.EchoLineRest = bytes.mid(i + 1);
        s.control->Output(QByteArray(1, byte));
        sent.append(byte);
        Line::WaitForOutputDrained(1);
        const bool lineEnd = byte == CarriageReturn;
        if (lineEnd) {
            s.Account.EchoCrSent();
            if (isAnswered(bytes)) s.Account.TrySent(depth, Line::Now(), bytes.chopped(1));
        }
        quint8 echo = 0;
        const int echoed = Line::ReadEchoByte(echo, s.EchoTimeout);
        if (echoed == 1 && !s.Account.EchoStrayedInTry() && echo == quint8(byte)) {
            if (lineEnd) s.Account.EchoCrCameBack();
        } else if (echoed == 1) {
            s.Account.EchoStrayed();
            // A carriage return taken for an echo it is not (or not known to
            // be) ends a line that no count will see.
            if (echo == quint8(CarriageReturn)) s.Account.LineEndLost();
        }
        if (echoed == 0 || s.EchoWaitAlways) Delay(s.EchoTimeout);
    }
    return sent;
}

}  // namespace

void Line::FinishOpenLine() {
    LinkState& s = State();
    const QByteArray rest = std::exchange(s.EchoLineRest, {});
    if (rest.isEmpty() || !s.control || !s.control->PortOpen()) return;
    s.control->Output(rest);
    clsTimer stopwatch(*s.clock);
    stopwatch.StartTimer();
    const double limitMs = WireMs(int(rest.size())) + LeaveSlackMs;
    while (s.control->OutBufferCount() > 0 && stopwatch.Elapsed() < limitMs) s.control->waitForOutput(WaitSliceMs);
}

QByteArray FlushInput() {
    LinkState& s = State();
    if (!Line::Usable()) return {};
    const int depth = s.ReadDepth;
    LineAccount& account = s.Account;
    // What an earlier request at the next depth had parked for it and never
    // collected is nobody's now, least of all the wait that parks below.
    account.DropParked(depth + 1);
    if (depth >= 1 && depth <= MaxReadDepth && !account.HasParked(depth) && !s.EchoLineOpen &&
        account.Owes(account.RequestAt(depth))) {
        // A request further out waits for its answer: take that answer off
        // the line first and keep it for the waiting request. (One whose line
        // is still going out has none coming yet.)
        AnswerBytes parked{};
        const int count = ReadAnswerFor(depth, parked, 0, false, false, true, 0);
        if (count > 0)
            account.Park(depth, {QByteArray(reinterpret_cast<const char*>(parked.data()), count), count});
    }
    // This request's own answer wait runs one deeper; what an earlier
    // request at that depth had parked for it and never collected is not
    // this one's.
    if (depth < MaxReadDepth) account.BeginRequest(depth + 1);
    account.EchoTryBegins();
    // What waits is thrown away, each answer in it counted; a line that
    // never stops talking is cut off at some point.
    while (s.RxBuffer.size() < RxBufferSize && Line::TakeWaitingInput()) {
    }
    if (s.RxBuffer.size() >= RxBufferSize) s.control->ClearInBuffer();
    const QByteArray dropped = s.RxBuffer;
    Line::SettleWaitingInput(0, nullptr, false);
    if (s.EchoMode) {
        // No answer still owed may meet this request's echoes.
        const Line::WaitingForAnswer waiting;
        Line::AwaitOwedAnswers(0, nullptr);
    }
    account.ForgetLost(Line::Now(), Line::LostAfterMs());
    // A try given up may still be answered: the line is brought back in
    // step before this request's answer is taken.
    BringInStep();
    account.FindInStep(Line::Now(), !s.RxBuffer.isEmpty(), account.GuardMs(ShortestGuardMs, Line::WaitBoundMs()),
                       depth);
    return dropped;
}

QByteArray DiscardInput() {
    LinkState& s = State();
    QByteArray dropped = s.RxBuffer;
    s.RxBuffer.clear();
    s.RxHeardAt.clear();
    if (Line::Usable()) {
        // Taken rather than only cleared, so the caller learns what was
        // dropped; a line that never stops talking is cut off at some point.
        while (dropped.size() < RxBufferSize && s.control->InBufferCount() > 0) {
            const QByteArray taken = s.control->Input();
            if (taken.isEmpty()) break;
            dropped.append(taken);
        }
        s.control->ClearInBuffer();
    }
    return dropped;
}

void DiscardInputUntilQuiet() {
    const Line::WaitingForAnswer waiting;
    Line::SettleWaitingInput(0, nullptr, true);
}

int TakeOwnLateAnswer(AnswerBytes& answer, int expectedLength, bool dynamic, bool log) {
    LinkState& s = State();
    if (!Line::Usable()) return 0;
    const int depth = currentDepth();
    int count = Line::TakeParked(depth, answer);
    if (count == 0) {
        const Line::WaitingForAnswer waiting;
        // What came of the last try with echoes out of step is torn apart: nobody's.
        const bool torn = s.Account.EchoStrayedInTry();
        s.Account.EchoTryBegins();
        const int wantedDepth = torn ? 0 : depth;
        AnswerBytes* const own = torn ? nullptr : &answer;
        count = Line::SettleWaitingInput(wantedDepth, own, true);
        // In echo mode no answer still owed may meet the next try's echoes.
        if (count == 0 && s.EchoMode) count = Line::AwaitOwedAnswers(wantedDepth, own);
    }
    if (count == 0) s.Account.ForgetLost(Line::Now(), Line::LostAfterMs());
    count = Line::FitToExpectedLength(count, expectedLength);
    if (count > 0) Line::LogAnswer(answer, count, dynamic, log, true);
    return count;
}

int SettleOwnTries(AnswerBytes& answer, bool hasAnswer, int expectedLength, bool dynamic, bool log) {
    LinkState& s = State();
    const int depth = currentDepth();
    LineAccount& account = s.Account;
    if (!Line::Usable() || !account.Owes(account.RequestAt(depth)) || !account.Answering()) return 0;
    int count = 0;
    {
        const Line::WaitingForAnswer waiting;
        count = Line::AwaitOwedAnswers(hasAnswer ? 0 : depth, &answer);
        if (count > 0) {
            // Whatever else it still owed comes or goes before the next request.
            Line::AwaitOwedAnswers(0, nullptr);
        }
    }
    // An answer parked for it by a request started meanwhile is not taken
    // when it has one: the next request at its depth starts afresh.
    if (hasAnswer) account.DropParked(depth);
    count = Line::FitToExpectedLength(count, expectedLength);
    if (count > 0) Line::LogAnswer(answer, count, dynamic, log, true);
    return count;
}

quint64 StepStretch() { return State().Account.Stretch(); }

quint64 AnswerStretch() {
    const LineAccount& account = State().Account;
    const quint64 handed = account.HandedStretch(currentDepth());
    return handed != 0 ? handed : account.Stretch();
}

bool OutOfStepIn(quint64 stretch) { return State().Account.Spoiled(stretch); }

bool ConfirmInStep() {
    LinkState& s = State();
    LineAccount& account = s.Account;
    const quint64 stretch = account.Stretch();
    if (!account.HandedInStretch()) return !account.Spoiled(stretch);
    const double deadline = Line::Now() + Line::WaitBoundMs();
    while (Line::Usable()) {
        const double counted = Line::Now();
        Line::SettleWaitingInput(0, nullptr, true);
        account.ForgetLost(counted, Line::LostAfterMs());
        if (account.MarkDue()) {
            // This stretch is out of step already; the line is brought back
            // in step here when it can be, else by the next request.
            BringInStep();
            if (account.MarkDue()) break;
        }
        const double guard = account.GuardMs(ShortestGuardMs, Line::WaitBoundMs());
        if (account.FindInStep(Line::Now(), !s.RxBuffer.isEmpty(), guard, s.ReadDepth)) break;
        if (Line::Now() >= deadline) {
            account.LostTrack();
            break;
        }
        Line::WaitForInput(Line::WaitSliceMs);
    }
    return !account.Spoiled(stretch);
}

int SendText(const QString& text, bool dynamic, bool log) { return SendBytes(text.toLatin1(), dynamic, log); }

int SendBytes(const QByteArray& request, bool dynamic, bool log) {
    LinkState& s = State();
    if (request.isEmpty() || !Line::Usable()) return 0;
    QByteArray bytes = request;
    if (bytes.size() != 1) bytes.append(CarriageReturn);

    QByteArray sent;
    if (s.EchoMode) {
        // Only an event that is no user input can come here while another
        // request's line is partly out; its bytes would break into that line.
        if (s.EchoLineOpen) return 0;
        sent = sendEchoed(bytes);
    } else {
        s.control->Output(bytes);
        sent = bytes;
        // Owed from now on: requests started while these bytes drain go out
        // behind them and are answered after them.
        if (isAnswered(bytes)) s.Account.TrySent(currentDepth(), Line::Now(), request);
        const Line::WaitingForAnswer waiting;
        Line::WaitForOutputDrained(int(bytes.size()));
    }

    const bool debug = Options::Current().DebugMode;
    if (log || debug) TrafficLog::Offer({log ? "W: " : "w: ", TrafficLog::FormatBytes(sent, debug), dynamic});
    return int(sent.size());
}

}  // namespace Ports
