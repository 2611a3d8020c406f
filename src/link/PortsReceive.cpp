#include "frame/Options.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/TrafficLog.h"
#include "platform/SerialControl.h"

#include <algorithm>

namespace Ports {
namespace {

// The length of the complete answer at the front of the buffer, 0 when
// there is none yet. Expected length 1 takes any byte; otherwise the answer
// ends at the first carriage return, and with an expected length n > 1 it
// needs at least n bytes up to that carriage return and is exactly n long.
int completeAnswerLength(const QByteArray& buffer, int expectedLength) {
    if (expectedLength == 1) return buffer.isEmpty() ? 0 : 1;
    const qsizetype cr = buffer.indexOf('\r');
    if (cr < 0) return 0;
    const int candidate = int(cr) + 1;
    if (expectedLength == 0) return candidate;
    return candidate >= expectedLength ? expectedLength : 0;
}

// Gathers bytes from the port until an answer is complete. Returns its
// length, 0 when the line stays silent for timeoutMs after the last bytes.
// Bytes that pile up without completing an answer are dropped once and the
// wait goes on; a line that overflows the buffer a second time ends the wait,
// so an endless stream of garbage cannot hold the request forever.
int gatherAnswer(int expectedLength, int timeoutMs) {
    LinkState& s = State();
    int complete = completeAnswerLength(s.RxBuffer, expectedLength);
    int overflows = 0;
    while (complete == 0 && Line::WaitForInput(timeoutMs)) {
        s.RxBuffer.append(s.control->Input());
        complete = completeAnswerLength(s.RxBuffer, expectedLength);
        if (complete == 0 && s.RxBuffer.size() > RxBufferSize) {
            s.RxBuffer.clear();
            if (++overflows == 2) break;
        }
    }
    return complete;
}

// A wait that ran out leaves its answer on the way, and so does one that took
// an answer while an earlier try's answer was still due: what it took may
// have been that one, and its own is still to come. Either way the line
// settles before the next request (FlushInput). A wait for a single byte is
// an echo or the echo probe, no request's answer: a missing echo has its own
// pause, and a late lone carriage return counts as no answer anywhere.
void noteLateAnswer(int count, int expectedLength, int timeout) {
    LinkState& s = State();
    if (expectedLength == 1 || !Line::Usable()) return;
    const double now = Line::Now();
    if (count == 0)
        s.LateAnswerSince = std::max(s.LateAnswerSince, now);
    else if (now < s.LateAnswerSince + Line::DefaultWait())
        s.LateAnswerSince = std::max(s.LateAnswerSince, s.LastSendAt + timeout);
}

void logAnswer(const AnswerBytes& answer, int count, bool dynamic, bool log, bool debugLog) {
    const bool debug = Options::Current().DebugMode;
    if (!log && !(debugLog && debug)) return;
    const QString text = count == 0
                             ? QStringLiteral("<TIMEOUT>")
                             : TrafficLog::FormatBytes(QByteArray(reinterpret_cast<const char*>(answer.data()), count), debug);
    TrafficLog::Offer({log ? "R: " : "r: ", text, dynamic});
}

}  // namespace

int ReadAnswer(AnswerBytes& answer, int expectedLength, bool dynamic, bool log, bool debugLog, int timeoutMs) {
    LinkState& s = State();
    if (s.ReadDepth >= MaxReadDepth) {
        logAnswer(answer, 0, dynamic, log, debugLog);
        return 0;
    }
    expectedLength = std::max(expectedLength, 0);
    const int depth = ++s.ReadDepth;

    const int timeout = timeoutMs > 0 ? timeoutMs : Line::DefaultWait();
    const int complete = gatherAnswer(expectedLength, timeout);

    int count = 0;
    if (s.ParkedCount[depth] > 0) {
        // A nested request took this wait's answer off the line and kept it here.
        answer = s.ParkedAnswer[depth];
        count = s.ParkedCount[depth];
        s.ParkedCount[depth] = 0;
    } else if (complete > 0) {
        // An answer longer than the caller's array is cut to fit.
        const int stored = std::min(complete, AnswerSize);
        std::copy_n(reinterpret_cast<const quint8*>(s.RxBuffer.constData()), stored, answer.begin());
        s.RxBuffer.remove(0, complete);
        count = std::min(expectedLength > 0 ? complete : complete - 1, AnswerSize);
    }

    noteLateAnswer(count, expectedLength, timeout);
    logAnswer(answer, count, dynamic, log, debugLog);
    s.ReadDepth = std::max(s.ReadDepth - 1, 0);
    return count;
}

int ReadAnswerText(QString& answer, int expectedLength, bool dynamic, bool log, bool debugLog, int timeoutMs) {
    AnswerBytes bytes{};
    const int count = ReadAnswer(bytes, expectedLength, dynamic, log, debugLog, timeoutMs);
    answer = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), count);
    return count;
}

}  // namespace Ports
