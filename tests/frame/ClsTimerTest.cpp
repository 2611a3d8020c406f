#include "frame/clsTimer.h"

#include <gtest/gtest.h>

namespace {

// A clock that moves only when told to.
struct HandClock : SystemClock::Source {
    explicit HandClock(qint64 frequency) : frequency(frequency) {}
    qint64 PerformanceFrequency() const override { return frequency; }
    qint64 PerformanceCounter() const override { return counter; }
    qint32 TickCount() const override { return ticks; }
    qint64 frequency;
    qint64 counter = 1'000'000;
    qint32 ticks = 5000;
};

TEST(clsTimer, MeasuresOnTheCounterAndFreezesAtEnd) {
    HandClock clock(10'000'000);
    clsTimer watch(clock);
    watch.EndTimer();
    EXPECT_EQ(watch.Elapsed(), 0) << "an end before any start keeps 0";
    watch.StartTimer();
    clock.counter += 12'345;  // 1.2345 ms
    EXPECT_DOUBLE_EQ(watch.Elapsed(), 1.2345);
    clock.counter += 10'000'000;
    watch.EndTimer();
    clock.counter += 50'000'000;
    watch.EndTimer();
    EXPECT_DOUBLE_EQ(watch.Elapsed(), 1001.2345) << "stays frozen";
}

TEST(clsTimer, FallsBackToTickCountAcrossItsWrap) {
    // Crossing into negative and back to 0.
    for (const auto& [start, advance] : {std::pair<qint32, qint32>{2147483000, 1000}, {-10, 300}}) {
        HandClock clock(0);
        clsTimer watch(clock);
        EXPECT_FALSE(watch.IsHiTimer());
        clock.ticks = start;
        watch.StartTimer();
        clock.counter += 99;  // the counter is not looked at
        clock.ticks = qint32(quint32(start) + quint32(advance));
        EXPECT_DOUBLE_EQ(watch.Elapsed(), advance) << start;
    }
}

}  // namespace
