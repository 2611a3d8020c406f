#pragma once
#include "core/Config.h"
#include "core/FaultInjector.h"
#include "core/LineModel.h"
#include "core/Outbox.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sensorsim {

// One simulated sensor on a serial line, without any I/O: request bytes go
// in, answer bytes come out. Requests end with a carriage return; each
// answer is its text and a carriage return. An echoing sensor (QF8200Echo)
// sends back every byte at once, so a lone carriage return gets exactly one
// carriage return back; the other lines ignore a lone carriage return. A
// line feed at the start of a request is skipped (terminal programs send
// CR LF). Like a real sensor it carries out one request after another, each
// taking the set delay (a late one longer): answers leave in order, and a
// request that arrives while the sensor still works on an earlier one waits
// its turn (its echo does not). Time passes only through advance(), which
// makes master-mode streams, the moving target and delayed answers
// deterministic.
class Sensor {
public:
    // Longer requests are refused with the invalid-command status.
    static constexpr std::size_t MaxRequestBytes = 255;

    explicit Sensor(const SensorConfig& config);
    ~Sensor();

    // Takes received bytes at the current time; returns the bytes due for sending now.
    std::string feed(std::string_view bytesIn);
    // Lets ms milliseconds pass; returns the bytes that fell due meanwhile (answers, master-mode lines).
    std::string advance(std::int64_t ms);
    std::int64_t now() const { return now_; }
    // When the next byte falls due, nullopt when nothing is pending.
    std::optional<std::int64_t> nextDue() const;

    // The requests received since the last call, without their carriage return, in order.
    // A lone carriage return is an empty request.
    std::vector<std::string> takeRequests();
    // The bytes of a request that has no carriage return yet.
    const std::string& cutLine() const { return line_; }
    // The sensor has served --hangup-after requests and sent their answers: it is gone.
    bool hungUp() const { return hangupPending_ && outbox_.empty(); }

private:
    void receive(char byte);
    void serve(const std::string& request, bool tooLong);

    std::unique_ptr<LineModel> model_;
    FaultInjector faults_;
    Outbox outbox_;
    std::string line_;
    bool lineTooLong_ = false;
    std::vector<std::string> requests_;
    long requestCount_ = 0;
    bool hangupPending_ = false;
    std::int64_t now_ = 0;
    // When the sensor is done with the requests it has taken so far (its last answer is out).
    std::int64_t busyUntil_ = 0;
    std::int64_t nextStreamLine_ = 0;
};

}  // namespace sensorsim
