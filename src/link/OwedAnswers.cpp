#include "link/OwedAnswers.h"

#include <algorithm>
#include <limits>

void OwedAnswers::TrySent(RequestId request, double at) { tries_.append({request, at}); }

void OwedAnswers::Heard(double at) { lastHeardAt_ = std::max(lastHeardAt_, at); }

std::optional<OwedAnswers::Settled> OwedAnswers::AnswerCame(double at) {
    Heard(at);
    if (tries_.isEmpty()) return std::nullopt;
    const RequestId request = tries_.first().request;
    const bool onlyItsTries =
        std::all_of(tries_.cbegin(), tries_.cend(), [request](const Try& t) { return t.request == request; });
    tries_.removeFirst();
    return Settled{request, onlyItsTries};
}

double OwedAnswers::OldestLostAt(double quietMs) const {
    if (tries_.isEmpty()) return std::numeric_limits<double>::infinity();
    return std::max(tries_.first().sentAt, lastHeardAt_) + quietMs;
}

void OwedAnswers::ForgetLost(double now, double quietMs) {
    while (!tries_.isEmpty() && now >= OldestLostAt(quietMs)) tries_.removeFirst();
}

void OwedAnswers::Clear() {
    tries_.clear();
    lastHeardAt_ = 0;
}

bool OwedAnswers::Owes(RequestId request) const {
    return std::any_of(tries_.cbegin(), tries_.cend(), [request](const Try& t) { return t.request == request; });
}
