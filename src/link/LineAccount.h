#pragma once
#include <QByteArray>
#include <QList>
#include <QtGlobal>

#include <algorithm>
#include <array>
#include <functional>

// The line's account of the sensor's answers: which answers the sensor still
// owes, whose a line that comes is, and whether the line is known to be in
// step. It keeps no bytes but the answers parked for waiting requests and
// never touches the port: the port code tells it what happened (a request
// began, a try went out, bytes came, an answer was cut short, time passed,
// the port opened anew) and asks it whose each complete line is.
//
// Nothing in an answer says whose it is, and the sensor answers every request
// line with exactly one line, in turn. So every try that goes out is owed an
// answer until one comes, and each line that comes settles the oldest try
// owed. A wait that runs out does not mean its answer will never come: a try
// is given up as lost only when the line has stayed silent for a long time
// since it went out (ForgetLost).
//
// The count errs only one way while the sensor keeps to "one line a request":
// a dropped answer leaves a try owed, and the next answer put down to an
// earlier try than its own is thrown away, never handed to another request.
// A line more than was asked for (a carriage return made by noise, a line
// the sensor streams unasked, an answer after its try was given up) breaks
// that: it settles a try it does not belong to. Such a line shows itself at
// the end, as a line that no owed try accounts for: the proof that the line
// was out of step. Every value taken since the line was last known to be in
// step (quiet, with nothing owed, for a guard) is then not to be trusted.
//
// A try given up is not a try whose answer never comes: while the sensor is
// answering, its answer may still come, at any time, and settle a later try.
// So a give-up leaves the line out of step until a request whose answer
// cannot be mistaken for another's (a mark: the identification) is answered.
// The sensor answers in turn, so every late answer comes before the mark's:
// the lines before it are thrown away, and the line is in step once it comes.
class LineAccount {
public:
    using RequestId = quint64;
    // Depths of answer waits, 0 (no wait) to one beyond the deepest.
    static constexpr int Depths = 12;

    // What a complete line is.
    enum class Owner {
        Wanted,      // the answer of the request the caller waits for
        Parked,      // the answer of a request waiting further out, kept for it
        Nobody,      // an answer owed to a try, handed to no request
        Echo,        // echo mode: one of our own carriage returns coming back
        OutOfStep,   // owed to no try: the proof that the line was out of step
    };

    // A request begins whose answer wait runs at depth: what was parked there
    // for an earlier request is not its own.
    RequestId BeginRequest(int depth);
    // The request at depth; a wait or a try without a request begun before
    // it is one of its own.
    RequestId RequestAt(int depth);
    // A request line of the request at depth went out at this time (ms);
    // request is its text (without the carriage return).
    void TrySent(int depth, double at, const QByteArray& request = {});
    // Echo mode: a carriage return went out (its echo is owed) / its echo
    // came back in step.
    void EchoCrSent() { ++echoCrOwed_; }
    void EchoCrCameBack() { echoCrOwed_ = std::max(echoCrOwed_ - 1, 0); }
    // Echo mode began: the echoes keep the line in step, and a give-up
    // asks for no mark (nor does one given up before).
    void EchoModeOn() {
        echoMode_ = true;
        markDue_ = false;
    }
    // Echo mode ended: no carriage return on the line is ours any more.
    void EchoModeOff() {
        echoMode_ = false;
        echoCrOwed_ = 0;
        echoStrayed_ = false;
    }
    // Echo mode: a byte came back that was not the echo of the byte sent (a
    // late answer, noise). What the try then reads is torn apart: nobody's.
    void EchoStrayed() { echoStrayed_ = true; }
    // The carriage return that ends a line was taken off the line unread
    // (echo mode: for an echo): one line fewer is counted than came, which
    // would hide a line more than was asked for. The stretch is out of step.
    void LineEndLost() { spoil(); }
    bool EchoStrayedInTry() const { return echoStrayed_; }
    // The next try starts with its echoes in step.
    void EchoTryBegins() { echoStrayed_ = false; }

    // Bytes came at this time: the sensor is not silent.
    void Heard(double at);
    // A complete line (its carriage return included) came, its first byte
    // heard at firstAt, its end at `at`. wantedDepth is the depth of the wait
    // that asks (0: none); readDepth the deepest wait in progress. A line
    // parked is kept here until TakeParked. A line that began before the
    // oldest try owed went out cannot answer it. A request that sent no
    // request line (a single byte, or none: it listens to a stream) takes
    // the lines that nobody is owed while it waits.
    Owner LineCame(const QByteArray& line, double firstAt, double at, int wantedDepth, int readDepth);
    // The bytes of an answer whose carriage return never came (the line went
    // quiet behind them) were given up: the sensor's answer to the oldest try
    // owed, when it went out before they began. Wanted when that try was
    // surely wanted's (the caller may take a part of fixed length of it),
    // else Nobody.
    Owner AnswerCut(double firstAt, double at, int wantedDepth);
    // Gives up the oldest tries owed once the line has stayed silent for
    // quietMs since they went out: the sensor answers nothing now. Only to be
    // called when every line that came by countedAt has been counted. A try
    // given up while the sensor was answering may still be answered: the
    // stretch is out of step, and a mark is due (outside echo mode). While a
    // mark is owed, only its own wait gives anything up (MarkWaited).
    void ForgetLost(double countedAt, double quietMs);
    // When the oldest try owed is given up unless a byte comes first;
    // infinity when nothing is owed.
    double OldestLostAt(double quietMs) const;
    // The line could not be accounted for (a wait reached its bound with the
    // line still talking): nothing is owed any more, and the line is out of
    // step until it is next known in step, for what was taken in this
    // stretch and for what is taken in it from now on.
    void LostTrack();
    // A pile of bytes that no answer can be was thrown away in the middle of
    // a line: the line is out of step, and the end of that line, when it
    // comes, is nobody's.
    void NoiseDropped();
    // A port opened anew: nothing on it is owed, parked or ours.
    void Reopened();

    // A try was given up (or the line lost track) while the sensor was
    // answering: no new stretch begins on quiet alone; a mark must be
    // answered first.
    bool MarkDue() const { return markDue_; }
    // The texts of the requests whose answers may still come: the tries
    // owed, and those given up since the line was last known in step. A
    // mark must not be one of them, or its late answer would pass for the
    // mark's.
    QList<QByteArray> Unsettled() const;
    // The mark went out at this time; isMark tells its answer (the text
    // without the carriage return) from every other line. Until it comes,
    // every line is a late answer or noise, thrown away as proof.
    void MarkSent(double at, const QByteArray& request, std::function<bool(const QByteArray&)> isMark);
    bool MarkOwed() const { return markOwed_; }
    // The mark's wait at this time: the sensor is taken as silent when
    // nothing at all came for quietMs since the mark went out, or when its
    // answer has not come boundMs after (late answers may keep coming
    // before it for a while).
    void MarkWaited(double now, double quietMs, double boundMs);
    // No mark can be asked for: the line is found in step on quiet alone.
    void WaiveMark() { markDue_ = false; }

    bool Owes(RequestId request) const;
    bool OwesNothing() const { return tries_.isEmpty(); }
    int OwedCount() const { return int(tries_.size()); }
    int EchoCrOwed() const { return echoCrOwed_; }
    // The sensor has answered a try since the port opened or since a try was
    // last given up as lost: a request whose own tries are still owed may
    // wait for them. A sensor that answers nothing costs no such wait.
    bool Answering() const { return answering_; }

    // An answer kept for the request waiting at a depth: its bytes as they
    // are stored and its count (as an answer wait returns them).
    struct ParkedAnswer {
        QByteArray bytes;
        int count = 0;
        quint64 stretch = 0;   // the stretch it came in
    };
    // The answer parked for the request at depth, taken out; count 0 when none.
    ParkedAnswer TakeParked(int depth);
    bool HasParked(int depth) const;
    void DropParked(int depth);
    // Keeps an answer for the request at depth, unless one is kept already.
    void Park(int depth, ParkedAnswer answer);

    // The stretch of time since the line was last known to be in step; values
    // taken within one stretch are trusted or not together.
    quint64 Stretch() const { return stretch_; }
    // The stretch in which the request at depth was last handed an answer
    // (parked answers keep the stretch they came in); 0 when none since the
    // request began.
    quint64 HandedStretch(int depth) const;
    // A proof came within that stretch while values were taken in it.
    bool Spoiled(quint64 stretch) const;
    // An answer was handed to a request within the current stretch.
    bool HandedInStretch() const { return handed_; }
    // How long the line must stay quiet, with nothing owed, to be known in
    // step: twice the longest the sensor took in the stretch to start an
    // answer after its try went out, at least minMs, at most maxMs.
    double GuardMs(double minMs, double maxMs) const;
    // Whether the line is known to be in step now (quiet with nothing owed
    // and nothing half received for the guard); a new stretch then begins,
    // unless an answer is parked for a request that still waits (at a depth
    // up to readDepth): that answer was taken in this stretch, which goes on
    // until the request has it.
    bool FindInStep(double now, bool bytesWaiting, double guardMs, int readDepth);

private:
    struct Try {
        RequestId request;
        double sentAt;
        QByteArray text;
    };
    // Notes the text of a try given up, once.
    void noteGivenUp(const QByteArray& text);
    // Settles the oldest try owed with a line that began at firstAt; true
    // when every try owed was its request's.
    bool settleOldest(double firstAt);
    // The request sent no request line since it began.
    bool listens(int depth) const;
    // A try is owed that went out before a line that began at firstAt: the
    // oldest such, which the line answers.
    bool oldestTryBefore(double firstAt) const;
    // The request waits at wantedDepth: the answer is handed to it.
    bool handTo(RequestId request, int wantedDepth);
    // A line came that no try was owed: the stretch is out of step when
    // anything was taken in it.
    void proof();
    // The stretch is out of step.
    void spoil();
    // The line is known to be in step from now on.
    void beginStretch();
    // The mark's answer came: every try sent before it is answered or lost.
    void settleMark();
    // The mark's answer did not come: the sensor is taken as silent, nothing
    // is owed any more.
    void markLost();
    int innermostWaitOf(RequestId request, int readDepth) const;
    bool parkedUpTo(int readDepth) const;
    static bool inRange(int depth) { return depth >= 0 && depth < Depths; }

    QList<Try> tries_;
    double lastHeardAt_ = -1e300;
    double lastSentAt_ = -1e300;
    int echoCrOwed_ = 0;
    bool echoStrayed_ = false;
    bool tailPending_ = false;
    bool answering_ = false;
    bool echoMode_ = false;

    bool markDue_ = false;
    bool markOwed_ = false;
    RequestId markRequest_ = 0;
    double markSentAt_ = 0;
    std::function<bool(const QByteArray&)> isMark_;
    QList<QByteArray> givenUp_;

    RequestId lastRequest_ = 0;
    std::array<RequestId, Depths> requestAt_{};
    std::array<bool, Depths> tried_{};
    std::array<ParkedAnswer, Depths> parked_{};
    std::array<quint64, Depths> handedStretch_{};

    quint64 stretch_ = 1;
    bool handed_ = false;
    double slowestMs_ = 0;
    // The stretches that had a proof in them, newest last (a few suffice:
    // callers ask about the stretches of one operation).
    QList<quint64> spoiled_;
};
