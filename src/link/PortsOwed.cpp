// The receive side: bytes taken off the port are framed into lines, and the
// line's account (link/LineAccount.h) says whose each line is.
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "platform/SerialControl.h"

#include <algorithm>
#include <cmath>

namespace Ports::Line {
namespace {

constexpr char CarriageReturn = '\r';
constexpr double LostAfterAtLeastMs = 1000;

// Removes the first n received bytes; returns when the first of them was heard.
double removeReceived(qsizetype n) {
    LinkState& s = State();
    const double firstAt = s.RxHeardAt.isEmpty() ? Now() : s.RxHeardAt.first();
    s.RxBuffer.remove(0, n);
    s.RxHeardAt.remove(0, std::min(n, s.RxHeardAt.size()));
    return firstAt;
}

void clearReceived() {
    State().RxBuffer.clear();
    State().RxHeardAt.clear();
}

// Copies an answer line into the caller's array, cut to its size; the count
// leaves the carriage return out.
int copyLine(const QByteArray& line, AnswerBytes& answer) {
    std::copy_n(reinterpret_cast<const quint8*>(line.constData()), std::min(int(line.size()), AnswerSize),
                answer.begin());
    return std::min(int(line.size()) - 1, AnswerSize);
}

}  // namespace

bool TakeWaitingInput() {
    LinkState& s = State();
    if (!Usable() || s.control->InBufferCount() <= 0) return false;
    const QByteArray taken = s.control->Input();
    if (taken.isEmpty()) return false;
    const double now = Now();
    s.RxBuffer.append(taken);
    s.RxHeardAt.append(QList<double>(taken.size(), now));
    s.Account.Heard(now);
    return true;
}

double LostAfterMs() {
    const LinkState& s = State();
    return std::max({LostAfterAtLeastMs, 2.0 * s.AnswerTimeout, 2.0 * s.EchoTimeout});
}

double WaitBoundMs() { return 2 * LostAfterMs(); }

LineAccount::Owner CutIncompleteAnswer(int wantedDepth, QByteArray* bytes) {
    LinkState& s = State();
    if (s.RxBuffer.isEmpty()) return LineAccount::Owner::Nobody;
    const double firstAt = s.RxHeardAt.first();
    if (bytes) *bytes = s.RxBuffer;
    clearReceived();
    return s.Account.AnswerCut(firstAt, Now(), wantedDepth);
}

bool QuietBehindIncompleteAnswer() {
    const LinkState& s = State();
    return !s.RxHeardAt.isEmpty() && Now() - s.RxHeardAt.last() >= QuietGapMs;
}

void DropNoise() {
    clearReceived();
    State().Account.NoiseDropped();
}

int FitToExpectedLength(int count, int expectedLength, int stored) {
    if (expectedLength <= 0) return std::min(count, stored);
    return count + 1 >= expectedLength ? std::min(expectedLength, stored) : 0;
}

int SettleCompleteLines(int wantedDepth, AnswerBytes* answer, int expectedLength) {
    LinkState& s = State();
    for (qsizetype cr = s.RxBuffer.indexOf(CarriageReturn); cr >= 0; cr = s.RxBuffer.indexOf(CarriageReturn)) {
        const QByteArray line = s.RxBuffer.left(cr + 1);
        const double firstAt = removeReceived(cr + 1);
        const LineAccount::Owner owner = s.Account.LineCame(line, firstAt, Now(), wantedDepth, s.ReadDepth);
        if (owner != LineAccount::Owner::Wanted || !answer) continue;
        const int count = copyLine(line, *answer);
        if (const int fitted = FitToExpectedLength(count, expectedLength, std::min(int(line.size()), AnswerSize)))
            return fitted;
    }
    return 0;
}

int TakeParked(int depth, AnswerBytes& answer) {
    const LineAccount::ParkedAnswer parked = State().Account.TakeParked(depth);
    if (parked.count <= 0) return 0;
    std::copy_n(reinterpret_cast<const quint8*>(parked.bytes.constData()),
                std::min(int(parked.bytes.size()), AnswerSize), answer.begin());
    return std::min(parked.count, AnswerSize);
}

int SettleWaitingInput(int wantedDepth, AnswerBytes* answer, bool untilQuiet) {
    LinkState& s = State();
    const double deadline = Now() + WaitBoundMs();
    qsizetype settled = 0;
    // A quiet line is not waited on.
    bool talking = false;
    for (;;) {
        const bool arrived = TakeWaitingInput();
        talking = talking || arrived;
        const qsizetype waiting = s.RxBuffer.size();
        if (const int count = SettleCompleteLines(wantedDepth, answer)) return count;
        settled += waiting - s.RxBuffer.size();
        if (answer && wantedDepth > 0)
            if (const int parked = TakeParked(wantedDepth, *answer)) return parked;
        // A line that never stops talking is cut off at some point.
        if (settled + s.RxBuffer.size() >= RxBufferSize || Now() >= deadline) {
            DropNoise();
            return 0;
        }
        const bool lineComing = !s.RxBuffer.isEmpty() || (untilQuiet && talking);
        if (!lineComing) break;
        if (!arrived && !WaitForInput(QuietGapMs)) break;
    }
    CutIncompleteAnswer();
    return 0;
}

int AwaitOwedAnswers(int wantedDepth, AnswerBytes* answer) {
    LinkState& s = State();
    const double deadline = Now() + WaitBoundMs();
    while (!s.Account.OwesNothing() && Usable()) {
        // Everything that came by this time is counted before any try is
        // given up as lost.
        const double counted = Now();
        TakeWaitingInput();
        if (const int count = SettleCompleteLines(wantedDepth, answer)) return count;
        if (answer && wantedDepth > 0)
            if (const int parked = TakeParked(wantedDepth, *answer)) return parked;
        if (s.RxBuffer.size() > RxBufferSize || counted >= deadline) {
            // Bytes that keep coming without settling anything: whatever
            // they are, the account cannot follow them.
            DropNoise();
            break;
        }
        if (QuietBehindIncompleteAnswer()) CutIncompleteAnswer();
        s.Account.ForgetLost(counted, LostAfterMs());
        if (s.Account.OwesNothing()) break;
        double until = std::min(s.Account.OldestLostAt(LostAfterMs()), deadline);
        if (!s.RxHeardAt.isEmpty()) until = std::min(until, s.RxHeardAt.last() + QuietGapMs);
        WaitForInput(int(std::ceil(std::max(until - Now(), 1.0))));
    }
    return 0;
}

int ReadEchoByte(quint8& byte, int timeoutMs) {
    LinkState& s = State();
    if (s.RxBuffer.isEmpty() && !(WaitForInput(timeoutMs) && TakeWaitingInput())) return 0;
    if (s.RxBuffer.isEmpty()) return 0;
    byte = quint8(s.RxBuffer.at(0));
    removeReceived(1);
    return 1;
}

}  // namespace Ports::Line
