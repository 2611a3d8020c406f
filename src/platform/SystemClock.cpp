#include "platform/SystemClock.h"

#include <chrono>
#include <thread>

namespace SystemClock {
namespace {

class SteadyClock final : public Source {
public:
    qint64 PerformanceFrequency() const override {
        using Period = std::chrono::steady_clock::period;
        return Period::den / Period::num;
    }
    qint64 PerformanceCounter() const override {
        return std::chrono::steady_clock::now().time_since_epoch().count();
    }
    qint32 TickCount() const override {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch());
        return static_cast<qint32>(static_cast<quint32>(ms.count()));
    }
};

}  // namespace

void Source::Sleep(double ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(ms));
}

Source& Machine() {
    static SteadyClock clock;
    return clock;
}

double Milliseconds(const Source& clock) {
    const qint64 frequency = clock.PerformanceFrequency();
    if (frequency == 0) return double(clock.TickCount());
    return double(clock.PerformanceCounter()) * 1000.0 / double(frequency);
}

}  // namespace SystemClock
