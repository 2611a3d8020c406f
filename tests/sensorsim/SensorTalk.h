#pragma once
// Talks to an in-process simulated sensor the way the program's serial code
// does: a request and its carriage return in, the answer up to its carriage
// return out (an echoing sensor's echo is taken off first).
#include "core/Config.h"
#include "core/Sensor.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sensortest {

inline const std::string Ok = "\x80";
inline const std::string BadValue = "\x81";
inline const std::string Unknown = "\x82";

inline sensorsim::SensorConfig configFor(sensorsim::Line line, const std::string& variantWords = "") {
    sensorsim::SensorConfig config;
    config.line = line;
    config.variant = sensorsim::defaultVariant(line);
    if (!variantWords.empty()) sensorsim::applyVariantWords(line, variantWords, config.variant);
    return config;
}

class Talk {
public:
    explicit Talk(sensorsim::Line line, const std::string& variantWords = "")
        : sensor(configFor(line, variantWords)), echoes_(line == sensorsim::Line::Qf8200Echo) {}

    // The answer without its carriage return; "<no CR>" marks an answer that did not end with one.
    std::string ask(const std::string& request) {
        std::string bytes = sensor.feed(request + "\r");
        if (echoes_) bytes.erase(0, request.size() + 1);
        if (bytes.empty() || bytes.back() != '\r') return bytes + "<no CR>";
        bytes.pop_back();
        return bytes;
    }

    sensorsim::Sensor sensor;

private:
    bool echoes_;
};

// One request and the answer it must get.
struct Exchange {
    std::string request;
    std::string answer;
};

inline void expectExchanges(Talk& talk, const std::vector<Exchange>& exchanges, const std::string& context) {
    for (const Exchange& e : exchanges) EXPECT_EQ(talk.ask(e.request), e.answer) << context << ": " << e.request;
}

// The exchanges a fresh sensor of one variant must give, in order.
struct VariantExchanges {
    const char* variant;
    std::vector<Exchange> exchanges;
};

inline void expectVariants(sensorsim::Line line, const std::vector<VariantExchanges>& variants) {
    for (const VariantExchanges& v : variants) {
        Talk talk(line, v.variant);
        expectExchanges(talk, v.exchanges, v.variant);
    }
}

// One step of a sensor on a clock of its own: time passes, then bytes
// arrive; what the sensor sends meanwhile and at once is expected.
struct TimedStep {
    std::int64_t passMs;   // time that passes first
    std::string bytesIn;   // then these bytes arrive
    std::string sent;      // what the sensor sends meanwhile and at once
};

inline void runSteps(sensorsim::Sensor& sensor, const std::vector<TimedStep>& steps, const char* name) {
    std::int64_t at = 0;
    for (const TimedStep& step : steps) {
        at += step.passMs;
        std::string sent = sensor.advance(step.passMs);
        sent += sensor.feed(step.bytesIn);
        EXPECT_EQ(sent, step.sent) << name << ", at " << at << " ms";
    }
}

}  // namespace sensortest
