#pragma once
#include <QList>
#include <QtGlobal>

// The values one operation (a read, a re-read walk, a poll round) took from
// the sensor, each with the stretch of the line it was taken in. The line
// cannot tell at once whether an answer was a request's own: a line more
// than was asked for shows only later that the answers were shifted. So the
// operation notes what it took, ends with the line's guard, and then learns
// which values came in a stretch that the proof spoiled (Ports.h).
class TakenValues {
public:
    // A value was taken just now for the item `key` (a record's index, ...).
    void Took(int key);
    // Ends the operation: waits for the line to be known in step, then gives
    // the keys of the values taken in a stretch with proof in it, in the
    // order taken.
    QList<int> OutOfStep() const;
    bool Empty() const { return taken_.isEmpty(); }

private:
    struct Taken {
        int key;
        quint64 stretch;
    };
    QList<Taken> taken_;
};
