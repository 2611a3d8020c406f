#pragma once
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

// The time bytes take on the line: ten bits a byte at 9600 baud, in ms.
constexpr double WireMs(int bytes) { return bytes * 10 * 1000.0 / 9600; }

// The port is open and the program goes on. Notices a device that went away
// while open: the line is then marked closed and lost, and the next SetPort
// reopens it.
bool Usable();

// The time on the link's clock, in ms.
double Now();

// The wait for an answer when the caller names none: the echo timeout in
// echo mode, else the answer timeout.
int DefaultWait();

// One pass of window events (a nested request may start here). While an
// echoed request line is partly out, the user's input waits in the queue.
void YieldToEvents();
// The line that held the user's input back is complete: that input is taken
// at the next pass of events, wherever it runs (a wait on the line or the
// main loop).
void LetHeldInputThrough();

// Yields until bytes wait on the port, or a request nested in the wait left
// complete lines in the receive buffer (true), or until timeoutMs pass
// without either or the line closes (false).
bool WaitForInput(int timeoutMs);

// Yields until the port's output buffer is empty; gives up after far more
// than the wire time of what was written, so a stuck driver cannot hang us.
void WaitForOutputDrained(int bytesWritten);

// The line stops (the port closes, the program ends) while an echoed request
// line is partly out: its rest goes out at once, echoes unread, and is given
// its wire time to leave, without window events. A sensor left holding a cut
// line would have it completed by the next program's first carriage return
// and take it for a value.
void FinishOpenLine();

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
// The longest any wait on the line lasts, whatever the line sends: past it
// the line is out of step.
double WaitBoundMs();

// Gives up the bytes gathered of an answer whose carriage return never came:
// they settle the oldest try owed (the sensor's answer to it, cut short).
// Returns the account's verdict for the wait at wantedDepth, and the bytes.
LineAccount::Owner CutIncompleteAnswer(int wantedDepth = 0, QByteArray* bytes = nullptr);
// Bytes of an answer wait for their carriage return, and the line has been
// quiet behind them for QuietGapMs: the answer was cut short.
bool QuietBehindIncompleteAnswer();
// Throws away a pile of bytes that no answer can be: the line is out of step.
void DropNoise();

// The answer count a request that expects expectedLength bytes (0: up to
// the carriage return) gets from an answer of count bytes, of which stored
// are in the answer array: an answer too short for it is none, a longer one
// counts as exactly that long, and never beyond what is stored.
int FitToExpectedLength(int count, int expectedLength, int stored = AnswerSize);

// Settles the complete lines (up to and including their carriage return) in
// the receive buffer, in turn, with the line's account: the answer of the
// wait at wantedDepth (0 = none) that fits the expected length stops the
// settling, goes to `answer` and its count is returned; the others are
// parked for a request waiting further out, or thrown away. 0 when none was
// wanted's.
int SettleCompleteLines(int wantedDepth, AnswerBytes* answer, int expectedLength = 0);

// Settles every complete line waiting in the receive buffer and on the port,
// and an answer coming in right now up to its end; with untilQuiet also what
// comes in right behind them. Both end once the line has been quiet for
// QuietGapMs (or a buffer's worth has come). Stops at an answer of the wait
// at wantedDepth (taken off the line, or parked for it meanwhile) and
// returns its count; otherwise what is left of an answer cut short goes too
// and 0 is returned.
int SettleWaitingInput(int wantedDepth, AnswerBytes* answer, bool untilQuiet);

// Waits until every answer still owed has come or counts as lost, within
// WaitBoundMs. Stops at an answer of the wait at wantedDepth (as above) and
// returns its count, else 0.
int AwaitOwedAnswers(int wantedDepth, AnswerBytes* answer);

// Reads one byte as an echo: whatever comes first, outside the account.
// 0 when nothing came within timeoutMs.
int ReadEchoByte(quint8& byte, int timeoutMs);

}  // namespace Ports::Line

namespace Ports {

// ReadAnswer for the request at wantedDepth: only its own answer completes
// the wait, which runs one deeper than the waits in progress.
int ReadAnswerFor(int wantedDepth, AnswerBytes& answer, int expectedLength, bool dynamic, bool log, bool debugLog,
                  int timeoutMs);

}  // namespace Ports
