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
        // Nothing it sends comes before it has the request.
        for (const Unasked& unasked : handling.unasked)
            port.arriveLater(std::max(done - now + unasked.afterAnswerMs, 0.0), unasked.line);
        return QByteArray();
    };
}
