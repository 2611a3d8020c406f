#pragma once
#include "core/WirePacer.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>

namespace sensorsim {

// The bytes a sensor has yet to send, each with the time it is due. The
// sensor has one transmitter: bytes leave in the order of the queue, so a
// byte is never due before the one queued ahead of it. Lines nobody asked
// for (noise, a stray stream line) wait beside the queue for their time, so
// that they hold up no answer: they go out once due, between two messages.
class Outbox {
public:
    // baud: the line the bytes cross, 10 bits a byte (0 or less: bytes pass at once). An unasked line waits for
    // the bytes ahead of it to cross the line, not only to leave.
    explicit Outbox(int baud = 0);

    // Queues a message due at the given time, behind everything queued; with a gap, each byte after the first is
    // due gapMs after the one before. Returns when the last of them is due (for no bytes, when they would have
    // been).
    std::int64_t push(std::int64_t dueMs, const std::string& bytes, std::int64_t gapMs = 0);
    // Queues a byte due now, ahead of the bytes that are not due yet: an echo does not wait for an answer the
    // sensor is still working on.
    void pushNow(std::int64_t nowMs, char byte);
    // Queues a line nobody asked for, due pauseMs after the bytes queued so far have crossed the line (and
    // pauseMs after notBeforeMs at the earliest). Messages queued later that fall due before it go ahead of it.
    void pushUnasked(const std::string& line, std::int64_t pauseMs, std::int64_t notBeforeMs);
    // Removes and returns the bytes due at or before the time.
    std::string take(std::int64_t nowMs);
    std::optional<std::int64_t> nextDue() const;
    bool empty() const { return queue_.empty() && unasked_.empty(); }

private:
    // Where a byte stands in its message: an unasked line never goes out between Inner and Last.
    enum class Part { Inner, Last, Echo };
    struct Pending {
        std::int64_t due;
        char byte;
        Part part;
        std::uint64_t serial;
    };
    struct Unasked {
        std::string line;
        std::int64_t pauseMs;
        std::int64_t notBeforeMs;
        std::optional<std::uint64_t> after;  // the byte it waits for; none once that has left
        std::int64_t due = 0;                // known once it waits for no byte
    };

    Pending queued(std::int64_t due, char byte, Part part) { return {due, byte, part, nextSerial_++}; }
    // The unasked line due next, when one may go out now that the last message is complete.
    const Unasked* readyUnasked() const;
    void send(std::int64_t dueMs, char byte, std::string& sent);
    void schedule(Unasked& line) const;

    std::deque<Pending> queue_;
    std::deque<Unasked> unasked_;
    WirePacer wire_;
    std::int64_t lineFreeNs_ = 0;  // when the last byte sent has crossed the line
    std::uint64_t nextSerial_ = 0;
    bool inMessage_ = false;  // part of a message is out, the rest still queued
};

}  // namespace sensorsim
