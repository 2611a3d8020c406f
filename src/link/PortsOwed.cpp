// Which answer is whose: the receive side's account of the answers the
// sensor still owes (link/OwedAnswers.h).
#include "link/Ports.h"
#include "link/PortsLine.h"
#include "platform/SerialControl.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace Ports::Line {
namespace {

constexpr char CarriageReturn = '\r';
constexpr double LostAfterAtLeastMs = 1000;

// The depth at which the request waits, 0 when it waits nowhere (or waits
// for an answer parked already).
int waitingDepthOf(OwedAnswers::RequestId request) {
    const LinkState& s = State();
    for (int depth = 1; depth <= std::min(s.ReadDepth, MaxReadDepth); ++depth)
        if (s.RequestAt[depth] == request && s.ParkedCount[depth] == 0) return depth;
    return 0;
}

void copyLine(const QByteArray& line, AnswerBytes& answer, int& count) {
    const int stored = std::min(int(line.size()), AnswerSize);
    std::copy_n(reinterpret_cast<const quint8*>(line.constData()), stored, answer.begin());
    count = std::min(int(line.size()) - 1, AnswerSize);
}

// What to do with the complete line of lineLength bytes at the front of the
// receive buffer (SettleCompleteLines): true when it is surely wanted's, with
// the line in answer and count.
bool settleFrontLine(int lineLength, OwedAnswers::RequestId wanted, AnswerBytes* answer, int* count) {
    LinkState& s = State();
    const QByteArray line = s.RxBuffer.left(lineLength);
    s.RxBuffer.remove(0, lineLength);
    if (s.EchoCrOwed > 0) {
        // Our own carriage return coming back, with whatever came before it.
        --s.EchoCrOwed;
        return false;
    }
    const auto settled = s.Owed.AnswerCame(Now());
    ++s.AnswersCame;
    if (s.TailPending) {
        // The rest of an answer whose start went: counted, handed to nobody.
        s.TailPending = false;
        return false;
    }
    // With nothing owed, the wait sent nothing it is owed an answer for (a
    // bare byte): what comes is all it can get. An answer put down to a
    // request while other requests' tries are owed too may be any of theirs.
    if (settled && !settled->surelyItsOwn) return false;
    if (wanted != 0 && (!settled || settled->request == wanted)) {
        if (answer && count) copyLine(line, *answer, *count);
        return true;
    }
    if (const int depth = settled ? waitingDepthOf(settled->request) : 0) {
        copyLine(line, s.ParkedAnswer[depth], s.ParkedCount[depth]);
        // A lone carriage return is no answer; nothing is parked then.
    }
    return false;
}

}  // namespace

bool TakeWaitingInput() {
    LinkState& s = State();
    if (!Usable() || s.control->InBufferCount() <= 0) return false;
    const QByteArray taken = s.control->Input();
    s.RxBuffer.append(taken);
    if (!taken.isEmpty()) s.Owed.Heard(Now());
    return !taken.isEmpty();
}

double LostAfterMs() {
    const LinkState& s = State();
    return std::max({LostAfterAtLeastMs, 2.0 * s.AnswerTimeout, 2.0 * s.EchoTimeout});
}

OwedAnswers::RequestId RequestAt(int depth) {
    LinkState& s = State();
    if (depth < 1 || depth > MaxReadDepth + 1) return 0;
    // A wait or a send without a FlushInput before it is a request of its own.
    if (s.RequestAt[depth] == 0) s.RequestAt[depth] = ++s.LastRequest;
    return s.RequestAt[depth];
}


void DropIncompleteAnswer() {
    LinkState& s = State();
    if (!s.RxBuffer.isEmpty()) s.TailPending = true;
    s.RxBuffer.clear();
}

int FitToExpectedLength(int count, int expectedLength) {
    if (expectedLength <= 1) return count;
    return count + 1 >= expectedLength ? expectedLength : 0;
}

int SettleCompleteLines(OwedAnswers::RequestId wanted, AnswerBytes* answer, int expectedLength) {
    LinkState& s = State();
    for (qsizetype cr = s.RxBuffer.indexOf(CarriageReturn); cr >= 0; cr = s.RxBuffer.indexOf(CarriageReturn)) {
        int count = 0;
        if (settleFrontLine(int(cr) + 1, wanted, answer, &count))
            if (const int fitted = FitToExpectedLength(count, expectedLength)) return fitted;
    }
    return 0;
}

int TakeParked(int depth, AnswerBytes& answer) {
    LinkState& s = State();
    if (depth < 1 || depth > MaxReadDepth || s.ParkedCount[depth] == 0) return 0;
    answer = s.ParkedAnswer[depth];
    return std::exchange(s.ParkedCount[depth], 0);
}

int SettleWaitingInput(OwedAnswers::RequestId wanted, int wantedDepth, AnswerBytes* answer, bool untilQuiet) {
    LinkState& s = State();
    qsizetype dropped = 0;
    // A quiet line is not waited on.
    bool talking = !s.RxBuffer.isEmpty();
    for (;;) {
        const bool arrived = TakeWaitingInput();
        talking = talking || arrived;
        const qsizetype waiting = s.RxBuffer.size();
        if (const int count = SettleCompleteLines(wanted, answer)) return count;
        dropped += waiting - s.RxBuffer.size();
        if (answer && wanted != 0)
            if (const int parked = TakeParked(wantedDepth, *answer)) return parked;
        // A line that never stops talking is cut off at some point.
        if (!untilQuiet || !talking || dropped + s.RxBuffer.size() >= RxBufferSize) break;
        if (!arrived && !WaitForInput(QuietGapMs)) break;
    }
    DropIncompleteAnswer();
    return 0;
}

int AwaitOwedAnswers(OwedAnswers::RequestId wanted, int wantedDepth, AnswerBytes* answer) {
    LinkState& s = State();
    while (!s.Owed.Empty() && Usable()) {
        // Everything that came by this time is counted before any try is
        // given up as lost.
        const double counted = Now();
        TakeWaitingInput();
        if (const int count = SettleCompleteLines(wanted, answer)) return count;
        if (answer && wanted != 0)
            if (const int parked = TakeParked(wantedDepth, *answer)) return parked;
        if (s.RxBuffer.size() > RxBufferSize) DropIncompleteAnswer();
        s.Owed.ForgetLost(counted, LostAfterMs());
        if (s.Owed.Empty()) break;
        WaitForInput(int(std::ceil(s.Owed.OldestLostAt(LostAfterMs()) - Now())));
    }
    return 0;
}

}  // namespace Ports::Line
