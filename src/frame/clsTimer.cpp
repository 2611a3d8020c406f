#include "frame/clsTimer.h"

clsTimer::clsTimer(const SystemClock::Source& clock) : clock_(clock), frequency_(clock.PerformanceFrequency()) {}

void clsTimer::StartTimer() {
    storedElapsed_ = 0;
    running_ = true;
    startCount_ = IsHiTimer() ? clock_.PerformanceCounter() : clock_.TickCount();
}

// Only a running watch stops: a second EndTimer keeps the time of the first,
// and one before any start keeps 0 instead of the time since boot.
void clsTimer::EndTimer() {
    if (!running_) return;
    storedElapsed_ = CalcElapsed();
    running_ = false;
}

double clsTimer::Elapsed() const { return running_ ? CalcElapsed() : storedElapsed_; }

double clsTimer::CalcElapsed() const {
    if (IsHiTimer()) return double(clock_.PerformanceCounter() - startCount_) / double(frequency_) * 1000.0;
    // The tick count wraps after 49.7 days (and turns negative after 24.8);
    // the difference taken modulo 2^32 stays right across either step.
    const quint32 ticks = static_cast<quint32>(clock_.TickCount()) - static_cast<quint32>(startCount_);
    return double(ticks);
}
