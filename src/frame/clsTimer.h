#pragma once
#include "platform/SystemClock.h"

#include <QtGlobal>

// A millisecond stopwatch on the high-resolution counter, with the tick count
// as fallback where there is none. The serial waits measure with it.
class clsTimer {
public:
    explicit clsTimer(const SystemClock::Source& clock = SystemClock::Machine());

    bool IsHiTimer() const { return frequency_ != 0; }
    void StartTimer();
    void EndTimer();
    // Milliseconds: live while running, frozen by EndTimer, 0 before any start.
    double Elapsed() const;

private:
    double CalcElapsed() const;

    const SystemClock::Source& clock_;
    qint64 startCount_ = 0;
    double storedElapsed_ = 0;
    qint64 frequency_ = 0;
    bool running_ = false;
};
