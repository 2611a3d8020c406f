#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace sensorsim {

// The bytes a sensor has yet to send, each with the time it is due. The
// sensor has one transmitter: bytes leave in the order they were queued, so
// a byte is never due before the one queued ahead of it.
class Outbox {
public:
    // Queues bytes due at the given time; with a gap, each byte after the first is due gapMs after the one before.
    void push(std::int64_t dueMs, const std::string& bytes, std::int64_t gapMs = 0);
    // Removes and returns the bytes due at or before the time.
    std::string take(std::int64_t nowMs);
    std::optional<std::int64_t> nextDue() const;
    bool empty() const { return queue_.empty(); }

private:
    struct Pending {
        std::int64_t due;
        char byte;
    };
    std::deque<Pending> queue_;
};

}  // namespace sensorsim
