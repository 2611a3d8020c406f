#pragma once
#include <QtGlobal>

// The two clocks the stopwatch reads: a high-resolution counter with its
// frequency, and the millisecond tick count. Both come from the steady clock,
// so they never jump when the wall clock is set.
namespace SystemClock {

// A clock the stopwatch can read; tests put in one they advance by hand.
class Source {
public:
    virtual ~Source() = default;
    // Counts per second of the high-resolution counter; 0 when there is none.
    virtual qint64 PerformanceFrequency() const = 0;
    virtual qint64 PerformanceCounter() const = 0;
    // Milliseconds since the system started as a 32-bit count that wraps
    // around; the stopwatch counts across the wrap.
    virtual qint32 TickCount() const = 0;
    // Lets ms milliseconds pass: the machine sleeps; a clock that a test
    // moves by hand moves on at once.
    virtual void Sleep(double ms);
};

// The machine's own clocks.
Source& Machine();

// The time on a clock in milliseconds, from an origin of the clock's own:
// its counter, or its tick count where it has no counter.
double Milliseconds(const Source& clock);

}  // namespace SystemClock
