#include "frame/Options.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/TrafficLog.h"
#include "platform/SerialControl.h"

namespace Ports {
namespace {

constexpr char CarriageReturn = '\r';

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
        AnswerBytes echo{};
        const int echoed = ReadAnswer(echo, 1);
        if (echoed == 0 || s.EchoWaitAlways) Delay(s.EchoTimeout);
    }
    return sent;
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
        Line::WaitForOutputDrained(int(bytes.size()));
    }

    const bool debug = Options::Current().DebugMode;
    if (log || debug) TrafficLog::Offer({log ? "W: " : "w: ", TrafficLog::FormatBytes(sent, debug), dynamic});
    return int(sent.size());
}

}  // namespace Ports
