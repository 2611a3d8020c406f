#include "frame/clsTimer.h"

#include <gtest/gtest.h>


namespace {

// A clock that moves only when told to.
class HandClock : public SystemClock::Source {
public:
    explicit HandClock(qint64 frequency) : frequency_(frequency) {}
    qint64 PerformanceFrequency() const override { return frequency_; }
    qint64 PerformanceCounter() const override { return counter; }
    qint32 TickCount() const override { return ticks; }

    qint64 counter = 1'000'000;
    qint32 ticks = 5000;

private:
    qint64 frequency_;
};

TEST(clsTimer, MeasuresOnTheCounterAndFreezesAtEnd) {
    HandClock clock(10'000'000);
    clsTimer watch(clock);
    EXPECT_TRUE(watch.IsHiTimer());
    EXPECT_EQ(watch.Elapsed(), 0);
    watch.EndTimer();
    EXPECT_EQ(watch.Elapsed(), 0) << "an end before any start keeps 0";

    watch.StartTimer();
    clock.counter += 12'345;  // 1.2345 ms
    EXPECT_DOUBLE_EQ(watch.Elapsed(), 1.2345);
    clock.counter += 10'000'000;
    watch.EndTimer();
    EXPECT_DOUBLE_EQ(watch.Elapsed(), 1001.2345);
    clock.counter += 50'000'000;
    watch.EndTimer();
    EXPECT_DOUBLE_EQ(watch.Elapsed(), 1001.2345) << "stays frozen";
}

TEST(clsTimer, FallsBackToTickCountAcrossItsWrap) {
    struct Case {
        qint32 start;
        qint32 advance;
    } cases[] = {{5000, 16}, {2147483000, 1000}, {-10, 300}};  // crossing into negative and back to 0
    for (const Case& c : cases) {
        HandClock clock(0);
        clsTimer watch(clock);
        EXPECT_FALSE(watch.IsHiTimer());
        clock.ticks = c.start;
        watch.StartTimer();
        clock.counter += 99;  // the counter is not looked at
        clock.ticks = qint32(quint32(c.start) + quint32(c.advance));
        EXPECT_DOUBLE_EQ(watch.Elapsed(), c.advance) << c.start;
    }
}

}  // namespace
