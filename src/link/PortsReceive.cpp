#include "frame/Options.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/TrafficLog.h"
#include "platform/SerialControl.h"

#include <algorithm>

namespace Ports {
namespace {

// A wait for one byte (an echo, the echo probe) takes whatever comes first.
int takeOneByte(AnswerBytes& answer) {
    LinkState& s = State();
    answer[0] = quint8(s.RxBuffer.at(0));
    s.RxBuffer.remove(0, 1);
    return 1;
}

// Gathers bytes from the port until the wanted request's answer is complete,
// or an answer is parked for the wait at this depth. Returns the answer's
// length, 0 when the line stays silent for timeoutMs after the last bytes.
// Bytes that pile up without completing an answer are dropped once and the
// wait goes on; a line that overflows the buffer a second time ends the wait,
// so an endless stream of garbage cannot hold the request forever.
int gatherAnswer(AnswerBytes& answer, int expectedLength, int timeoutMs, int depth, OwedAnswers::RequestId wanted) {
    LinkState& s = State();
    int overflows = 0;
    for (;;) {
        if (expectedLength == 1 && !s.RxBuffer.isEmpty()) return takeOneByte(answer);
        if (expectedLength != 1)
            if (const int count = Line::SettleCompleteLines(wanted, &answer, expectedLength)) return count;
        // An echo is no answer: what is parked waits for the answer's own wait.
        if ((expectedLength != 1 && s.ParkedCount[depth] > 0) || !Line::WaitForInput(timeoutMs)) return 0;
        Line::TakeWaitingInput();
        if (s.RxBuffer.size() > RxBufferSize) {
            Line::DropIncompleteAnswer();
            if (++overflows == 2) return 0;
        }
    }
}

}  // namespace

void Line::LogAnswer(const AnswerBytes& answer, int count, bool dynamic, bool log, bool debugLog) {
    const bool debug = Options::Current().DebugMode;
    if (!log && !(debugLog && debug)) return;
    const QString text = count == 0
                             ? QStringLiteral("<TIMEOUT>")
                             : TrafficLog::FormatBytes(QByteArray(reinterpret_cast<const char*>(answer.data()), count), debug);
    TrafficLog::Offer({log ? "R: " : "r: ", text, dynamic});
}

int ReadAnswerFor(OwedAnswers::RequestId wanted, AnswerBytes& answer, int expectedLength, bool dynamic, bool log,
                  bool debugLog, int timeoutMs) {
    LinkState& s = State();
    if (s.ReadDepth >= MaxReadDepth) {
        Line::LogAnswer(answer, 0, dynamic, log, debugLog);
        return 0;
    }
    expectedLength = std::max(expectedLength, 0);
    const int depth = ++s.ReadDepth;

    const int timeout = timeoutMs > 0 ? timeoutMs : Line::DefaultWait();
    int count = gatherAnswer(answer, expectedLength, timeout, depth, wanted);
    // A nested request took this wait's answer off the line and kept it here.
    if (expectedLength != 1)
        if (const int parked = Line::TakeParked(depth, answer)) count = parked;

    Line::LogAnswer(answer, count, dynamic, log, debugLog);
    s.ReadDepth = std::max(s.ReadDepth - 1, 0);
    return count;
}

int ReadAnswer(AnswerBytes& answer, int expectedLength, bool dynamic, bool log, bool debugLog, int timeoutMs) {
    LinkState& s = State();
    if (expectedLength != 1 && s.EchoMode && s.EchoOutOfStep) {
        // The request's echo was out of step: what comes now is nobody's answer.
        Line::LogAnswer(answer, 0, dynamic, log, debugLog);
        return 0;
    }
    return ReadAnswerFor(Line::RequestAt(s.ReadDepth + 1), answer, expectedLength, dynamic, log, debugLog, timeoutMs);
}

int ReadAnswerText(QString& answer, int expectedLength, bool dynamic, bool log, bool debugLog, int timeoutMs) {
    AnswerBytes bytes{};
    const int count = ReadAnswer(bytes, expectedLength, dynamic, log, debugLog, timeoutMs);
    answer = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), count);
    return count;
}

}  // namespace Ports
