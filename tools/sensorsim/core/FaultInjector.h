#pragma once
#include "core/Config.h"

#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>

namespace sensorsim {

// Spoils the sensor's answers as a FaultPlan says. Per-key faults replace
// the answer of matching requests; counting faults act on every Nth answer,
// counted over all answers (an echo is not an answer); placed faults act on
// the Nth request of a key, counted per key.
class FaultInjector {
public:
    explicit FaultInjector(FaultPlan plan);

    // The answer a per-key fault gives this request (without carriage return), nullopt when none applies.
    // A key with a comma (such as "RM,XE1D") also matches the request that equals it or continues it after a comma.
    std::optional<std::string> replacement(std::string_view request) const;

    // The placed faults that fall on a request.
    struct Placed {
        bool late = false;   // the sensor takes plan().lateMs longer over it
        bool split = false;  // its answer gets a carriage return after plan().splitAfter bytes
        bool stray = false;  // its answer is followed by StrayLine
        bool drop = false;   // it gets no answer
    };
    // Counts the request for every key of a placed fault that matches it; once for each request, in turn.
    Placed place(std::string_view request);

    // What goes on the line for an answer.
    struct WireAnswer {
        std::string bytes;          // the answer and its carriage return, or what the counting faults leave of them
        bool strayFollows = false;  // StrayLine follows it, unasked, plan().strayMs after it has gone out
    };
    // Counts the answer for the counting faults, a dropped one too.
    WireAnswer wireBytes(const std::string& answer, const Placed& placed);

    // The line a sensor in a stream, or noise, may put on the line unasked.
    static constexpr const char* StrayLine = "0\r";

    const FaultPlan& plan() const { return plan_; }

private:
    std::string garbage();

    FaultPlan plan_;
    long answers_ = 0;
    std::map<std::string, long> requestsByKey_;  // of every key a placed fault names, as the plan spells it
    std::mt19937 random_;
};

}  // namespace sensorsim
