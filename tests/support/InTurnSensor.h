#pragma once
#include "support/FakeSerialControl.h"

#include <QByteArray>
#include <QList>
#include <functional>
#include <utility>

// A sensor on the fake port that handles one request after another, as a
// real one does: a request that arrives while it is busy waits its turn, and
// each answer comes the request's handling time after the sensor took it up,
// so answers come in the order of their requests however late they are. In
// echo mode the fake port echoes every byte at once, busy or not.
class InTurnSensor {
public:
    // A line the sensor sends that answers no request (a status line, a
    // line of its measurement stream), so many ms after the answer it goes
    // with; before it when negative, while the sensor works on the request.
    struct Unasked {
        double afterAnswerMs = 0;
        QByteArray line;
    };
    // What the sensor does with one request: its answer bytes (empty = it
    // drops the request and answers nothing), how long it takes, and the
    // lines it sends unasked besides.
    struct Handling {
        Handling(QByteArray answer = {}, double ms = 0, QList<Unasked> unasked = {})
            : answer(std::move(answer)), ms(ms), unasked(std::move(unasked)) {}
        QByteArray answer;
        double ms;
        QList<Unasked> unasked;
    };
    using Handler = std::function<Handling(const QByteArray& request)>;

    InTurnSensor(FakeSerialControl& port, Handler handler);

private:
    double busyUntil_ = 0;
};
