#pragma once
#include <QList>
#include <QtGlobal>

#include <functional>

// The values one operation (a read, a re-read walk, a poll round) took from
// the sensor, each with the stretch of the line it was taken in. The line
// cannot tell at once whether an answer was a request's own: a line more
// than was asked for shows only later that the answers were shifted. So the
// operation notes what it took, ends with the line's guard, and then learns
// which values came in a stretch that the proof spoiled (Ports.h).
class TakenValues {
public:
    // A value was taken just now for the item `key` (a record's index, ...),
    // from the answer the last command returned (in its stretch).
    void Took(int key);
    // Values were taken for `key` from the answers since the line was in the
    // stretch firstStretch (Ports::StepStretch) until now.
    void TookSince(int key, quint64 firstStretch);
    // Ends the operation: waits for the line to be known in step, then gives
    // the keys of the values taken in a stretch with proof in it, in the
    // order taken.
    QList<int> OutOfStep() const;
    // Runs one operation that takes a value and ends it with the line's
    // guard: true when the value was taken in step.
    static bool InStep(const std::function<void()>& take);

private:
    struct Taken {
        int key;
        quint64 stretch;
    };
    QList<Taken> taken_;
};
