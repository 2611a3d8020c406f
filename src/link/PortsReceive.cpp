#include "frame/Options.h"
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "link/TrafficLog.h"
#include "platform/SerialControl.h"

#include <algorithm>

namespace Ports {
namespace {

// Gathers bytes from the port until the answer of the request at wantedDepth
// is complete, or an answer is parked for the wait at waitDepth. Returns the
// answer's length, 0 when the line stays silent for timeoutMs after the last
// bytes: what came of an answer then is that answer cut short (expected
// length 1 takes its first byte). Bytes that pile up without completing an
// answer are dropped once and the wait goes on; a line that overflows the
// buffer a second time ends the wait, so an endless stream of garbage cannot
// hold the request forever.
int gatherAnswer(AnswerBytes& answer, int expectedLength, int timeoutMs, int waitDepth, int wantedDepth) {
    LinkState& s = State();
    int overflows = 0;
    for (;;) {
        if (const int count = Line::SettleCompleteLines(wantedDepth, &answer, expectedLength)) return count;
        // What is parked waits for the caller, who takes it.
        if (s.Account.HasParked(waitDepth)) return 0;
        if (!Line::WaitForInput(timeoutMs)) {
            QByteArray cut;
            if (Line::CutIncompleteAnswer(wantedDepth, &cut) == LineAccount::Owner::Wanted && expectedLength == 1) {
                answer[0] = quint8(cut.at(0));
                return 1;
            }
            return 0;
        }
        Line::TakeWaitingInput();
        if (s.RxBuffer.size() > RxBufferSize) {
            Line::DropNoise();
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

int ReadAnswerFor(int wantedDepth, AnswerBytes& answer, int expectedLength, bool dynamic, bool log, bool debugLog,
                  int timeoutMs) {
    LinkState& s = State();
    if (s.ReadDepth >= MaxReadDepth) {
        Line::LogAnswer(answer, 0, dynamic, log, debugLog);
        return 0;
    }
    expectedLength = std::max(expectedLength, 0);
    const int depth = ++s.ReadDepth;

    const int timeout = timeoutMs > 0 ? timeoutMs : Line::DefaultWait();
    int count = gatherAnswer(answer, expectedLength, timeout, depth, wantedDepth);
    // A nested request took this wait's answer off the line and kept it here.
    if (const int parked = Line::TakeParked(depth, answer)) count = Line::FitToExpectedLength(parked, expectedLength);

    Line::LogAnswer(answer, count, dynamic, log, debugLog);
    s.ReadDepth = std::max(s.ReadDepth - 1, 0);
    return count;
}

int ReadAnswer(AnswerBytes& answer, int expectedLength, bool dynamic, bool log, bool debugLog, int timeoutMs) {
    LinkState& s = State();
    if (s.EchoMode && s.Account.EchoStrayedInTry()) {
        // The request's echo was out of step: what comes now is nobody's answer.
        Line::LogAnswer(answer, 0, dynamic, log, debugLog);
        return 0;
    }
    const int depth = s.ReadDepth + 1;
    s.Account.RequestAt(depth);
    return ReadAnswerFor(depth, answer, expectedLength, dynamic, log, debugLog, timeoutMs);
}

int ReadEcho(AnswerBytes& answer, bool log, int timeoutMs) {
    const int timeout = timeoutMs > 0 ? timeoutMs : Line::DefaultWait();
    quint8 byte = 0;
    const int count = Line::Usable() ? Line::ReadEchoByte(byte, timeout) : 0;
    if (count == 1) answer[0] = byte;
    Line::LogAnswer(answer, count, false, log, false);
    return count;
}

int ReadAnswerText(QString& answer, int expectedLength, bool dynamic, bool log, bool debugLog, int timeoutMs) {
    AnswerBytes bytes{};
    const int count = ReadAnswer(bytes, expectedLength, dynamic, log, debugLog, timeoutMs);
    answer = QString::fromLatin1(reinterpret_cast<const char*>(bytes.data()), count);
    return count;
}

}  // namespace Ports
