#pragma once
#include "core/Config.h"

#include <random>
#include <string>
#include <string_view>

namespace sensorsim {

// Spoils the sensor's answers as a FaultPlan says. Per-key faults replace
// the answer of matching requests; counting faults act on every Nth answer,
// counted over all answers (an echo is not an answer).
class FaultInjector {
public:
    explicit FaultInjector(FaultPlan plan);

    // The answer a per-key fault gives this request (without carriage return), nullopt when none applies.
    // A key with a comma (such as "RM,XE1D") also matches the request that equals it or continues it after a comma.
    std::optional<std::string> replacement(std::string_view request) const;
    // What goes on the line for an answer.
    struct WireAnswer {
        std::string bytes;          // the answer and its carriage return, or what the counting faults leave of them
        bool strayFollows = false;  // StrayLine follows it, unasked, plan().strayMs after it has gone out
    };
    WireAnswer wireBytes(const std::string& answer);

    // The line a sensor in a stream, or noise, may put on the line unasked.
    static constexpr const char* StrayLine = "0\r";

    const FaultPlan& plan() const { return plan_; }

private:
    std::string garbage();

    FaultPlan plan_;
    long answers_ = 0;
    std::mt19937 random_;
};

}  // namespace sensorsim
