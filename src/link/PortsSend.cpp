#include "frame/Options.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/TrafficLog.h"
#include "platform/SerialControl.h"

#include <cmath>

namespace Ports {
namespace {

constexpr char CarriageReturn = '\r';
// Ten byte times at 9600 baud: bytes of one answer come closer together.
constexpr int QuietGapMs = 10;

// While a request's bytes drain to the line it counts as waiting for its
// answer: a request started from a window event meanwhile then takes that
// answer off the line first and parks it for it, as it does for a request
// that waits in ReadAnswer. The drained request's own answer wait runs at
// the same depth and finds it there.
class Draining {
public:
    Draining() : counted_(State().ReadDepth < MaxReadDepth) {
        if (counted_) ++State().ReadDepth;
    }
    ~Draining() {
        if (counted_) --State().ReadDepth;
    }
    Draining(const Draining&) = delete;
    Draining& operator=(const Draining&) = delete;

private:
    bool counted_;
};

// Echo mode: each byte goes out alone and the sensor's echo is awaited.
// The echo is not compared with what was sent; a missing echo (or
// EchoWaitAlways) adds a pause before the next byte.
QByteArray sendEchoed(const QByteArray& bytes) {
    LinkState& s = State();
    QByteArray sent;
    for (const char byte : bytes) {
        if (!Line::Usable()) break;
        s.control->Output(QByteArray(1, byte));
        sent.append(byte);
        Line::WaitForOutputDrained(1);
        s.LastSendAt = Line::Now();
        AnswerBytes echo{};
        const int echoed = ReadAnswer(echo, 1);
        if (echoed == 0 || s.EchoWaitAlways) Delay(s.EchoTimeout);
    }
    return sent;
}

// After a wait ran out, its answer may still come. Until one default wait
// has passed since, whatever arrives is such a late answer and goes; a
// request that went out before that could take it for its own. A request
// nested in this wait may leave late answers of its own, so the end is
// looked up again after every wait.
void settleAfterLateAnswer() {
    LinkState& s = State();
    for (;;) {
        const double left = s.LateAnswerSince + Line::DefaultWait() - Line::Now();
        if (left <= 0 || !Line::Usable()) return;
        if (Line::WaitForInput(int(std::ceil(left)))) s.control->ClearInBuffer();
    }
}

}  // namespace

QByteArray FlushInput() {
    LinkState& s = State();
    if (!Line::Usable()) return {};
    const int depth = s.ReadDepth;
    if (depth >= 1 && s.ParkedCount[depth] == 0) {
        // A request further out waits for its answer: take that answer off
        // the line first and keep it for the waiting request.
        AnswerBytes parked{};
        const int count = ReadAnswer(parked, 0, false, false, true);
        if (count > 0) {
            s.ParkedAnswer[depth] = parked;
            s.ParkedCount[depth] = count;
        }
    }
    // This request's own answer wait runs one deeper; what an earlier request
    // at that depth had parked for it and never collected is not this one's.
    if (depth < MaxReadDepth) s.ParkedCount[depth + 1] = 0;
    settleAfterLateAnswer();
    return DiscardInput();
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
    qsizetype dropped = 0;
    for (;;) {
        const qsizetype now = DiscardInput().size();
        if (now == 0) return;
        dropped += now;
        // A line that never stops talking is cut off at some point.
        if (dropped >= RxBufferSize || !Line::WaitForInput(QuietGapMs)) return;
    }
}

int SendText(const QString& text, bool dynamic, bool log) { return SendBytes(text.toLatin1(), dynamic, log); }

int SendBytes(const QByteArray& request, bool dynamic, bool log) {
    LinkState& s = State();
    if (request.isEmpty() || !Line::Usable()) return 0;
    QByteArray bytes = request;
    if (bytes.size() != 1) bytes.append(CarriageReturn);

    QByteArray sent;
    if (s.EchoMode) {
        sent = sendEchoed(bytes);
    } else {
        s.control->Output(bytes);
        sent = bytes;
        const Draining draining;
        Line::WaitForOutputDrained(int(bytes.size()));
        s.LastSendAt = Line::Now();
    }

    const bool debug = Options::Current().DebugMode;
    if (log || debug) TrafficLog::Offer({log ? "W: " : "w: ", TrafficLog::FormatBytes(sent, debug), dynamic});
    return int(sent.size());
}

}  // namespace Ports
