#include "support/InTurnSensor.h"

#include <algorithm>

InTurnSensor::InTurnSensor(FakeSerialControl& port, Handler handler) {
    port.respond = [this, &port, handler = std::move(handler)](const QByteArray& request) {
        const double now = SystemClock::Milliseconds(*port.clock);
        const Handling handling = handler(request);
        const double done = std::max(now, busyUntil_) + handling.ms;
        // A dropped request still takes the sensor's time.
        busyUntil_ = done;
        if (!handling.answer.isEmpty()) port.arriveLater(done - now, handling.answer);
        return QByteArray();
    };
}
