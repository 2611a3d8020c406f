#pragma once
#include <QList>
#include <QtGlobal>

#include <optional>

// The answers the sensor still owes. The sensor answers every request line in
// turn, and nothing in an answer says whose it is: a wait that runs out does
// not mean its answer will never come, and when it comes later it is that
// try's, not the one waiting now. So every try that went out is owed an
// answer until one comes; each answer that comes settles the oldest try owed.
//
// The count errs only one way. A sensor that dropped an answer leaves a try
// owed that will never be settled: the next answer is then put down to an
// earlier try than its own, which can only throw it away (a retry's cost). An
// answer put down to a later try than its own would hand it to the wrong
// request, so a try is only given up as lost when the line has stayed silent
// for a long time since it went out (`ForgetLost`): a sensor that answers in
// turn, never silent that long while it still owes an answer, has then none
// left to give.
class OwedAnswers {
public:
    using RequestId = quint64;

    // What an answer that came settled.
    struct Settled {
        RequestId request = 0;
        // Every try still owed (the settled one included) was this request's:
        // the answer is surely one of its own, whatever the sensor dropped.
        bool surelyItsOwn = false;
    };

    // A try of the request went out at this time (ms on the link's clock).
    void TrySent(RequestId request, double at);
    // Bytes came on the line: the sensor is not silent.
    void Heard(double at);
    // An answer came: it settles the oldest try owed. None when nothing was
    // owed (a stray answer).
    std::optional<Settled> AnswerCame(double at);
    // Gives up the oldest tries owed when the line has stayed silent for
    // quietMs since they went out. Only to be called when every answer that
    // has arrived by now has been counted.
    void ForgetLost(double now, double quietMs);
    // When the oldest try owed is given up if no answer comes before;
    // infinity when nothing is owed.
    double OldestLostAt(double quietMs) const;

    // Tries of the request still owed.
    bool Owes(RequestId request) const;
    bool Empty() const { return tries_.isEmpty(); }
    int Count() const { return int(tries_.size()); }
    void Clear();

private:
    struct Try {
        RequestId request;
        double sentAt;
    };
    QList<Try> tries_;
    double lastHeardAt_ = 0;
};
