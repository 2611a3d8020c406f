#pragma once
#include "support/FakeSerialControl.h"

#include <QByteArray>
#include <functional>

// A sensor on the fake port that handles one request after another, as a
// real one does: a request that arrives while it is busy waits its turn, and
// each answer comes the request's handling time after the sensor took it up,
// so answers come in the order of their requests however late they are. In
// echo mode the fake port echoes every byte at once, busy or not.
class InTurnSensor {
public:
    // What the sensor does with one request: its answer bytes (empty = it
    // drops the request and answers nothing) and how long it takes.
    struct Handling {
        QByteArray answer;
        double ms = 0;
    };
    using Handler = std::function<Handling(const QByteArray& request)>;

    InTurnSensor(FakeSerialControl& port, Handler handler);

private:
    double busyUntil_ = 0;
};
