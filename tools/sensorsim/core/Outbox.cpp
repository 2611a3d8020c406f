#include "core/Outbox.h"

#include <algorithm>

namespace sensorsim {

namespace {

constexpr std::int64_t NsPerMs = 1'000'000;

}  // namespace

Outbox::Outbox(int baud) : wire_(baud) {}

std::int64_t Outbox::push(std::int64_t dueMs, const std::string& bytes, std::int64_t gapMs) {
    std::int64_t due = queue_.empty() ? dueMs : std::max(dueMs, queue_.back().due);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) due += gapMs;
        queue_.push_back(queued(due, bytes[i], i + 1 < bytes.size() ? Part::Inner : Part::Last));
    }
    return due;
}

void Outbox::pushNow(std::int64_t nowMs, char byte) {
    const auto later = std::find_if(queue_.begin(), queue_.end(), [nowMs](const Pending& p) { return p.due > nowMs; });
    queue_.insert(later, queued(nowMs, byte, Part::Echo));
}

void Outbox::pushUnasked(const std::string& line, std::int64_t pauseMs, std::int64_t notBeforeMs) {
    Unasked unasked{line, pauseMs, notBeforeMs, std::nullopt};
    if (queue_.empty()) schedule(unasked);
    else unasked.after = queue_.back().serial;
    unasked_.push_back(unasked);
}

std::string Outbox::take(std::int64_t nowMs) {
    std::string sent;
    for (;;) {
        const Unasked* line = readyUnasked();
        if (line && line->due <= nowMs && (queue_.empty() || line->due <= queue_.front().due)) {
            for (char byte : line->line) send(line->due, byte, sent);
            unasked_.pop_front();
            continue;
        }
        if (queue_.empty() || queue_.front().due > nowMs) break;
        const Pending next = queue_.front();
        queue_.pop_front();
        send(next.due, next.byte, sent);
        if (next.part != Part::Echo) inMessage_ = next.part == Part::Inner;
        for (Unasked& waiting : unasked_)
            if (waiting.after == next.serial) schedule(waiting);
    }
    return sent;
}

std::optional<std::int64_t> Outbox::nextDue() const {
    std::optional<std::int64_t> due;
    if (!queue_.empty()) due = queue_.front().due;
    if (const Unasked* line = readyUnasked(); line && (!due || line->due < *due)) due = line->due;
    return due;
}

const Outbox::Unasked* Outbox::readyUnasked() const {
    if (unasked_.empty() || unasked_.front().after || inMessage_) return nullptr;
    return &unasked_.front();
}

void Outbox::send(std::int64_t dueMs, char byte, std::string& sent) {
    lineFreeNs_ = wire_.pass(dueMs * NsPerMs);
    sent += byte;
}

void Outbox::schedule(Unasked& line) const {
    line.after.reset();
    // The sensor's clock counts whole milliseconds, and a byte due in one may leave at any point in it: the
    // line is surely free a millisecond after the last byte has crossed it by that clock, rounded up.
    const std::int64_t freeMs = (lineFreeNs_ + NsPerMs - 1) / NsPerMs + 1;
    line.due = std::max(freeMs, line.notBeforeMs + 1) + line.pauseMs;
}

}  // namespace sensorsim
