#pragma once
#include "link/LineAccount.h"
#include "platform/SystemClock.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <array>
#include <functional>

class SerialControl;

// The one serial line to the sensor: opening the port, framing requests,
// collecting answers with their timeouts, echo mode, and requests nested
// inside another request's wait (the waiting request's answer is parked and
// handed to it afterwards). Every request and answer is offered to the
// traffic log (link/TrafficLog.h).
namespace Ports {

// Callers hand over answer arrays of 201 bytes (indices 0 to 200).
constexpr int AnswerSize = 201;
using AnswerBytes = std::array<quint8, AnswerSize>;

// Bytes gathered without completing an answer before they are dropped.
constexpr int RxBufferSize = 2049;
// Answer waits that may run inside one another.
constexpr int MaxReadDepth = 10;

// The first byte of a sensor answer may be a status byte.
enum SensorStatus : quint8 {
    StatusOK = 0x80,
    StatusInvalidParameter = 0x81,
    StatusInvalidCommand = 0x82,
    StatusOverflow = 0x83,
    StatusHardwareError = 0x84,
};
// 81h to 84h: the sensor refused the request.
bool IsErrorStatus(int firstByte);

// Tells the main window the port's name and whether it is open, for its
// status bar.
using PortShown = std::function<void(const QString& name, bool open)>;

struct LinkState {
    SerialControl* control = nullptr;
    // What every wait measures and sleeps on; tests put in a clock of their own.
    SystemClock::Source* clock = &SystemClock::Machine();
    PortShown portShown;
    QString PortName;              // empty until the first SetPort
    bool PortOpen = false;         // opened successfully and not closed since
    bool PortLost = false;         // the device went away while open: the next SetPort reopens
    int DetectTimeout = 100;       // ms
    int AnswerTimeout = 100;       // ms, default wait outside echo mode
    qint32 EchoTimeout = 500;      // ms, default wait and echo pause in echo mode
    bool EchoMode = false;
    bool EchoWaitAlways = false;
    // Answer waits in progress; a request whose bytes still drain to the
    // line counts as waiting for its answer too.
    int ReadDepth = 0;
    // Taken from the port, not yet settled, and when each byte was heard.
    QByteArray RxBuffer;
    QList<double> RxHeardAt;
    // Which answers are owed and whose, the answers parked for waiting
    // requests, and whether the line is known to be in step.
    LineAccount Account;
    // Echo mode: a request's line is partly out (it pauses between bytes),
    // and the bytes of it not sent yet.
    bool EchoLineOpen = false;
    QByteArray EchoLineRest;
};

LinkState& State();
// Forgets the control, the port display and all link state (tests).
void ResetForTests();

// Keeps the control and the port display, reads "DetectTimeout" and
// "EchoTimeout" from the settings file (kept to 10 to 5000 ms; a text
// without a number gives 100 and 500) and leaves the port closed.
void InitPort(SerialControl* control, PortShown portShown);
// A new name reopens the line (message 2 with Retry/Cancel when it fails);
// the current name does nothing unless the port was lost; an empty name
// receives the current name.
void SetPort(QString& name);
// Opens the current port again, quietly, when it is not open: its device
// went away while it was open (a pulled adapter, a sensor line unplugged and
// plugged in again; a device gone without the line being used since is
// noticed here), or it could not be opened when it was chosen (an adapter
// plugged in later). Detection and the question whether a sensor is there
// call it, so that reading or writing the sensor reaches a device that is
// there now. True when the port is open afterwards.
bool ReopenPort();
// Whether the port is open now. A device that went away while it was open is
// noticed here, with one look that does not wait, and the port is then
// marked lost; nothing is opened.
bool PortStillOpen();
// Closes the port. The rest of a request line partly out goes out first, at
// once: the sensor must never be left holding a line cut short.
void ClosePort();
// Returns the previous answer timeout.
int SetTimeout(int ms);
void SetEchoMode(bool echo, bool waitAlways);
// Waits while window events run; 0 means half the answer timeout.
void Delay(qint32 ms);
// First step of every request: parks the answer of a request that waits
// further out, then throws all waiting input away (an answer coming in right
// now up to its end), counting the answers in it against the tries that
// still owe them. In echo mode the line is then left to give the answers
// still owed, so that none meets the new request's echo. A line that has
// been quiet with nothing owed for the guard is found in step here.
// Returns the bytes thrown away.
QByteArray FlushInput();
// Throws all waiting input away without parking or counting anything (the
// master-mode stream, which answers no request).
QByteArray DiscardInput();
// Before another try of the request under way: what has come since its last
// wait is taken off the line, and the rest of an answer still coming in right
// behind it, until the line has been quiet for a few byte times. An answer
// owed to one of the request's own earlier tries is its answer: it is handed
// back (its count) and no further try need go out. Late answers of other
// requests go. In echo mode the line is first left to give every answer still
// owed, so that none meets the next try's echo. 0 when nothing of its own came.
// The count is the expected length when one is given, as ReadAnswer's;
// the answer is logged as ReadAnswer logs it.
int TakeOwnLateAnswer(AnswerBytes& answer, int expectedLength = 0, bool dynamic = false, bool log = false);
// The last step of a request. Tries of it still owed an answer (its last
// wait ran out, or an earlier try's answer came in its place) are waited for
// while the sensor is answering (it answered a try since the port opened or
// since a try was last given up as lost): their answers then come to this
// request, not to the next one, and a sensor that dropped an answer is back
// in step once the line has stayed quiet long enough. A sensor that answers
// nothing costs nothing here. When the request
// has no answer yet (hasAnswer false), one that comes now is its answer and
// its count is returned, else 0.
int SettleOwnTries(AnswerBytes& answer, bool hasAnswer, int expectedLength = 0, bool dynamic = false,
                   bool log = false);
// Throws away what waits and what comes in right behind it, counting the
// answers in it, until the line has been quiet for a few byte times.
void DiscardInputUntilQuiet();

// Sends one request: a request of exactly one byte goes out as it is, any
// other gets a carriage return appended, and is owed an answer from then on.
// In echo mode each echo is compared with the byte sent, and a request from a
// window event while another one's line is partly out sends nothing: its
// bytes would break into that line. Returns the bytes put on the line
// (0 when the port is closed or the request is empty).
int SendText(const QString& text, bool dynamic = false, bool log = false);
int SendBytes(const QByteArray& bytes, bool dynamic = false, bool log = false);

// Waits for an answer: up to the first carriage return (expectedLength 0;
// the carriage return is stored but not counted), any one byte (1), or
// exactly expectedLength bytes. timeoutMs <= 0 takes the default. Returns the
// count, 0 for no answer.
int ReadAnswer(AnswerBytes& answer, int expectedLength = 0, bool dynamic = false, bool log = false,
               bool debugLog = false, int timeoutMs = 0);
// The same, giving the counted bytes as Latin-1 text.
int ReadAnswerText(QString& answer, int expectedLength = 0, bool dynamic = false, bool log = false,
                   bool debugLog = false, int timeoutMs = 0);
// Reads one byte as the echo of a byte sent (the echo probe): whatever comes
// first, no answer of any request. Returns 1, or 0 when nothing came.
int ReadEcho(AnswerBytes& answer, bool log = false, int timeoutMs = 0);

// Whether the values taken from the sensor are its own. The protocol has no
// request numbers and no checksum, and the line can only count: a line that
// no try was owed (a stray line, a carriage return made by noise in the
// middle of an answer, an answer after its try was given up) proves that
// some answers went to the wrong requests since the line was last known to
// be in step. Callers note the stretch a value was taken in, end their
// operation with ConfirmInStep, and drop or read again the values of a
// stretch that OutOfStepIn names.
quint64 StepStretch();
// The stretch in which the request under way (the one that flushed last at
// this depth) was last handed an answer; the current stretch when it got none.
quint64 AnswerStretch();
// Waits until the line has been quiet, with nothing owed, for the guard
// (twice the slowest answer since it was last in step, at least a few ms),
// within a bound; at once when no answer was taken since. True when no
// proof came in the stretch that ends here.
bool ConfirmInStep();
bool OutOfStepIn(quint64 stretch);

// A request whose answer cannot be mistaken for another's (the
// identification): it brings the line back in step after a try was given up
// while the sensor was answering. isItsAnswer gets the answer without its
// carriage return.
struct StepMark {
    QByteArray request;
    std::function<bool(const QByteArray& answer)> isItsAnswer;
};
// The marks the line may use, best first, asked for when one is needed. The
// line uses the first whose request has no answer still to come. Without
// any, a quiet line counts as in step again, as after a sensor that answered
// nothing.
using StepMarks = std::function<QList<StepMark>()>;
void SetStepMarks(StepMarks marks);
// A try was given up while the sensor was answering, and the line has not
// been brought back in step since: its answer may still come.
bool MarkDue();
// When a mark is due (and no wait is in progress, outside echo mode): sends
// the mark and throws away every line before its answer, each a late answer
// or noise; the line is in step once the answer comes. When it does not come
// within the bound, the sensor is taken as silent. Nothing is sent when no
// mark is installed: the line is then found in step on quiet alone. True
// when the mark was answered. Every request does so first.
bool BringInStep();

// Link state that other windows read.
QString PortName();
bool PortOpen();
bool EchoMode();
bool EchoWaitAlways();
// Echo mode: a request's line is partly out. A request from anything but the
// user's input (a timer) sends nothing meanwhile.
bool EchoLineOpen();
int ReadDepth();
int AnswerTimeout();
qint32 EchoTimeout();

}  // namespace Ports
