#pragma once
#include "link/OwedAnswers.h"
#include "link/Ports.h"

#include <QByteArray>

// What the Ports files share about the line and about waiting on it. Every
// wait yields to window events between short blocking waits on the port, so
// a waiting request keeps the windows responsive and costs little CPU.
namespace Ports::Line {

// The longest a wait blocks between two passes of window events.
constexpr int WaitSliceMs = 2;
// Ten byte times at 9600 baud: bytes of one answer come closer together.
constexpr int QuietGapMs = 10;

// The port is open and the program goes on. Notices a device that went away
// while open: the line is then marked closed and lost, and the next SetPort
// reopens it.
bool Usable();

// The time on the link's clock, in ms.
double Now();

// The wait for an answer when the caller names none: the echo timeout in
// echo mode, else the answer timeout.
int DefaultWait();

// One pass of window events (a nested request may start here).
void YieldToEvents();

// Yields until bytes wait on the port (true), or timeoutMs pass without any
// or the line closes (false).
bool WaitForInput(int timeoutMs);

// Yields until the port's output buffer is empty; gives up after far more
// than the wire time of what was written, so a stuck driver cannot hang us.
void WaitForOutputDrained(int bytesWritten);

// Offers an answer (or its absence) to the traffic log as ReadAnswer does.
void LogAnswer(const AnswerBytes& answer, int count, bool dynamic, bool log, bool debugLog);

// While a request yields to window events outside its answer wait (its
// bytes draining to the line, the echo pauses, the waits for its late
// answers) it counts as waiting for its answer all the same: a request
// started from a window event then runs one deeper, first takes that answer
// off the line and parks it for it, and leaves its place alone.
class WaitingForAnswer {
public:
    WaitingForAnswer() : counted_(State().ReadDepth < MaxReadDepth) {
        if (counted_) ++State().ReadDepth;
    }
    ~WaitingForAnswer() {
        if (counted_) --State().ReadDepth;
    }
    WaitingForAnswer(const WaitingForAnswer&) = delete;
    WaitingForAnswer& operator=(const WaitingForAnswer&) = delete;

private:
    bool counted_;
};

// Hands over the answer parked for the request at this depth, if any: its
// count, 0 when none is parked.
int TakeParked(int depth, AnswerBytes& answer);

// Moves what waits on the port to the receive buffer; false when nothing did.
bool TakeWaitingInput();

// How long the line must have stayed silent since a try went out before the
// try's answer counts as lost: well beyond any answer the program still
// waits for.
double LostAfterMs();

// The request a wait at this depth is for (never 0, which stands for nobody).
OwedAnswers::RequestId RequestAt(int depth);

// Throws away the bytes gathered of an answer not yet complete; its end,
// when it comes, is counted but handed to nobody.
void DropIncompleteAnswer();

// The answer count a request that expects expectedLength bytes (0: up to
// the carriage return) gets from an answer of count bytes: an answer too short
// for it is none, a longer one counts as exactly that long.
int FitToExpectedLength(int count, int expectedLength);

// Settles the complete lines (up to and including their carriage return) in
// the receive buffer, in turn. Each is the echo of a request's carriage
// return, the end of an answer cut short, or the answer of the oldest try
// still owed: one that is surely an answer to `wanted` (0 = nobody) and fits
// the expected length stops the settling, goes to `answer` and its count is
// returned; the others are parked for a request waiting further out that
// they surely belong to, or thrown away. 0 when none was wanted's.
int SettleCompleteLines(OwedAnswers::RequestId wanted, AnswerBytes* answer, int expectedLength = 0);

// Settles every complete line waiting in the receive buffer and on the port;
// with untilQuiet also what comes in right behind them, until the line has
// been quiet for QuietGapMs. Stops at an answer that is wanted's (taken off
// the line, or parked for it at wantedDepth meanwhile) and returns its count;
// otherwise the bytes of an answer not yet complete go too (their end will be
// nobody's) and 0 is returned.
int SettleWaitingInput(OwedAnswers::RequestId wanted, int wantedDepth, AnswerBytes* answer, bool untilQuiet);

// Waits until every answer still owed has come or counts as lost. Stops at
// an answer that is wanted's (as above) and returns its count, else 0.
int AwaitOwedAnswers(OwedAnswers::RequestId wanted, int wantedDepth, AnswerBytes* answer);

}  // namespace Ports::Line

namespace Ports {

// ReadAnswer for the given request: only its own answer completes the wait.
int ReadAnswerFor(OwedAnswers::RequestId wanted, AnswerBytes& answer, int expectedLength, bool dynamic, bool log,
                  bool debugLog, int timeoutMs);

}  // namespace Ports
