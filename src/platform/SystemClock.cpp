#include "platform/SystemClock.h"

#include <chrono>

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

const Source& Machine() {
    static const SteadyClock clock;
    return clock;
}

}  // namespace SystemClock
