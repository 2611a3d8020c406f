#pragma once
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace sensorsim {

// The bytes a sensor has yet to send, each with the time it is due. The
// sensor has one transmitter: bytes leave in the order of the queue, so a
// byte is never due before the one queued ahead of it.
class Outbox {
public:
    // Queues bytes due at the given time, behind everything queued; with a gap, each byte after the first is due
    // gapMs after the one before. Returns when the last of them is due (for no bytes, when they would have been).
    std::int64_t push(std::int64_t dueMs, const std::string& bytes, std::int64_t gapMs = 0);
    // Queues a byte due now, ahead of the bytes that are not due yet: an echo does not wait for an answer the
    // sensor is still working on.
    void pushNow(std::int64_t nowMs, char byte);
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
