#pragma once
#include "platform/SystemClock.h"

#include <algorithm>
#include <cmath>

// A clock that moves only when the program waits on it, by exactly as long
// as it waits: a test of waits and timeouts runs at once, and every time it
// looks at is exact. Microsecond counter, starting at 0.
class TestClock final : public SystemClock::Source {
public:
    qint64 PerformanceFrequency() const override { return 1'000'000; }
    qint64 PerformanceCounter() const override { return micros_; }
    qint32 TickCount() const override { return qint32(micros_ / 1000); }
    // At least a microsecond, so that a wait for a sliver of time still ends.
    void Sleep(double ms) override {
        if (ms > 0) micros_ += std::max<qint64>(1, std::llround(ms * 1000));
    }

    double now() const { return double(micros_) / 1000; }

private:
    qint64 micros_ = 0;
};
