#include "frame/Options.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/TrafficLog.h"
#include "platform/SerialControl.h"

#include <QScopeGuard>

namespace Ports {
namespace {

constexpr char CarriageReturn = '\r';

// The request whose tries go out now: the one that waits one deeper than the
// waits in progress.
OwedAnswers::RequestId currentRequest() { return Line::RequestAt(State().ReadDepth + 1); }

// A request line (text and its carriage return) is answered; a lone carriage
// return is an empty line the sensor passes over, and a single byte without
// one is no request yet.
bool isAnswered(const QByteArray& bytes) { return bytes.size() > 1 && bytes.endsWith(CarriageReturn); }

// Echo mode: each byte goes out alone and the sensor's echo is awaited. A
// byte that comes back other than the one sent is another answer on its way
// (or noise): the line is out of step, and the try reads no answer. The rest
// of the request still goes out whole, so that the sensor never takes a
// request cut short for another. A missing echo (or EchoWaitAlways) adds a
// pause before the next byte.
QByteArray sendEchoed(const QByteArray& bytes, OwedAnswers::RequestId request) {
    LinkState& s = State();
    s.EchoOutOfStep = false;
    const Line::WaitingForAnswer waiting;
    s.EchoLineOpen = true;
    const auto closed = qScopeGuard([&s] { s.EchoLineOpen = false; });
    QByteArray sent;
    for (const char byte : bytes) {
        if (!Line::Usable()) break;
        s.control->Output(QByteArray(1, byte));
        sent.append(byte);
        Line::WaitForOutputDrained(1);
        const bool lineEnd = byte == CarriageReturn;
        if (lineEnd) {
            ++s.EchoCrOwed;
            if (isAnswered(bytes)) s.Owed.TrySent(request, Line::Now());
        }
        AnswerBytes echo{};
        const int echoed = ReadAnswer(echo, 1);
        if (echoed == 1 && !s.EchoOutOfStep && echo[0] == quint8(byte)) {
            if (lineEnd) --s.EchoCrOwed;
        } else if (echoed == 1) {
            s.EchoOutOfStep = true;
        }
        if (echoed == 0 || s.EchoWaitAlways) Delay(s.EchoTimeout);
    }
    return sent;
}

}  // namespace

QByteArray FlushInput() {
    LinkState& s = State();
    if (!Line::Usable()) return {};
    const int depth = s.ReadDepth;
    if (depth < MaxReadDepth) s.ParkedCount[depth + 1] = 0;
    if (depth >= 1 && depth <= MaxReadDepth && s.ParkedCount[depth] == 0 && !s.EchoLineOpen) {
        // A request further out waits for its answer: take that answer off
        // the line first and keep it for the waiting request. (One whose line
        // is still going out has none coming yet.)
        AnswerBytes parked{};
        const int count = ReadAnswerFor(s.RequestAt[depth], parked, 0, false, false, true, 0);
        if (count > 0 && s.ParkedCount[depth] == 0) {
            s.ParkedAnswer[depth] = parked;
            s.ParkedCount[depth] = count;
        }
    }
    // This request's own answer wait runs one deeper; what an earlier request
    // at that depth had parked for it and never collected is not this one's.
    const OwedAnswers::RequestId request = ++s.LastRequest;
    if (depth < MaxReadDepth) {
        s.ParkedCount[depth + 1] = 0;
        s.RequestAt[depth + 1] = request;
        s.AnswersCameBefore[depth + 1] = s.AnswersCame;
    }
    s.EchoOutOfStep = false;
    // What waits is thrown away, each answer in it counted; a line that
    // never stops talking is cut off at some point.
    while (s.RxBuffer.size() < RxBufferSize && Line::TakeWaitingInput()) {
    }
    if (s.RxBuffer.size() >= RxBufferSize) s.control->ClearInBuffer();
    const QByteArray dropped = s.RxBuffer;
    Line::SettleWaitingInput(0, 0, nullptr, false);
    if (s.EchoMode) {
        // No answer still owed may meet this request's echoes.
        const Line::WaitingForAnswer waiting;
        Line::AwaitOwedAnswers(0, 0, nullptr);
    }
    s.Owed.ForgetLost(Line::Now(), Line::LostAfterMs());
    return dropped;
}

QByteArray DiscardInput() {
    LinkState& s = State();
    QByteArray dropped = s.RxBuffer;
    s.RxBuffer.clear();
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
    Line::SettleWaitingInput(0, 0, nullptr, true);
}

int TakeOwnLateAnswer(AnswerBytes& answer, int expectedLength, bool dynamic, bool log) {
    LinkState& s = State();
    if (!Line::Usable()) return 0;
    const OwedAnswers::RequestId request = currentRequest();
    const int depth = s.ReadDepth + 1;
    int count = Line::TakeParked(depth, answer);
    {
        const Line::WaitingForAnswer waiting;
        if (count == 0 && s.EchoOutOfStep) {
            // What came with the echoes is torn apart: nobody's.
            s.EchoOutOfStep = false;
            Line::SettleWaitingInput(0, 0, nullptr, true);
        } else if (count == 0) {
            count = Line::SettleWaitingInput(request, depth, &answer, true);
        }
        // In echo mode no answer still owed may meet the next try's echoes.
        if (count == 0 && s.EchoMode) count = Line::AwaitOwedAnswers(request, depth, &answer);
    }
    if (count == 0) s.Owed.ForgetLost(Line::Now(), Line::LostAfterMs());
    count = Line::FitToExpectedLength(count, expectedLength);
    if (count > 0) Line::LogAnswer(answer, count, dynamic, log, true);
    return count;
}

int SettleOwnTries(AnswerBytes& answer, bool hasAnswer, int expectedLength, bool dynamic, bool log) {
    LinkState& s = State();
    const int depth = s.ReadDepth + 1;
    const OwedAnswers::RequestId request = currentRequest();
    if (!Line::Usable() || !s.Owed.Owes(request) || s.AnswersCame == s.AnswersCameBefore[depth]) return 0;
    int count = 0;
    {
        const Line::WaitingForAnswer waiting;
        count = Line::AwaitOwedAnswers(hasAnswer ? 0 : request, depth, &answer);
        if (count > 0) {
            // Whatever else it still owed comes or goes before the next request.
            Line::AwaitOwedAnswers(0, 0, nullptr);
        }
    }
    // An answer parked for it by a request started meanwhile is not taken
    // when it has one: the next request at its depth starts afresh.
    if (hasAnswer) s.ParkedCount[depth] = 0;
    count = Line::FitToExpectedLength(count, expectedLength);
    if (count > 0) Line::LogAnswer(answer, count, dynamic, log, true);
    return count;
}

int SendText(const QString& text, bool dynamic, bool log) { return SendBytes(text.toLatin1(), dynamic, log); }

int SendBytes(const QByteArray& request, bool dynamic, bool log) {
    LinkState& s = State();
    if (request.isEmpty() || !Line::Usable()) return 0;
    QByteArray bytes = request;
    if (bytes.size() != 1) bytes.append(CarriageReturn);

    QByteArray sent;
    if (s.EchoMode) {
        if (s.EchoLineOpen) return 0;
        sent = sendEchoed(bytes, currentRequest());
    } else {
        s.control->Output(bytes);
        sent = bytes;
        // Owed from now on: requests started while these bytes drain go out
        // behind them and are answered after them.
        if (isAnswered(bytes)) s.Owed.TrySent(currentRequest(), Line::Now());
        const Line::WaitingForAnswer waiting;
        Line::WaitForOutputDrained(int(bytes.size()));
    }

    const bool debug = Options::Current().DebugMode;
    if (log || debug) TrafficLog::Offer({log ? "W: " : "w: ", TrafficLog::FormatBytes(sent, debug), dynamic});
    return int(sent.size());
}

}  // namespace Ports
