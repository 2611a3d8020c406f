#include "core/Outbox.h"

#include <algorithm>

namespace sensorsim {

std::int64_t Outbox::push(std::int64_t dueMs, const std::string& bytes, std::int64_t gapMs) {
    std::int64_t due = queue_.empty() ? dueMs : std::max(dueMs, queue_.back().due);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i > 0) due += gapMs;
        queue_.push_back({due, bytes[i]});
    }
    return due;
}

void Outbox::pushNow(std::int64_t nowMs, char byte) {
    const auto later = std::find_if(queue_.begin(), queue_.end(), [nowMs](const Pending& p) { return p.due > nowMs; });
    queue_.insert(later, {nowMs, byte});
}

std::string Outbox::take(std::int64_t nowMs) {
    std::string due;
    while (!queue_.empty() && queue_.front().due <= nowMs) {
        due += queue_.front().byte;
        queue_.pop_front();
    }
    return due;
}

std::optional<std::int64_t> Outbox::nextDue() const {
    if (queue_.empty()) return std::nullopt;
    return queue_.front().due;
}

}  // namespace sensorsim
