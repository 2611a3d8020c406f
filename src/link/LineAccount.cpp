#include "link/LineAccount.h"

#include <limits>
#include <utility>

namespace {

// Stretches remembered as spoiled: far more than one operation asks about.
constexpr qsizetype SpoiledRemembered = 64;

}  // namespace

LineAccount::RequestId LineAccount::BeginRequest(int depth) {
    if (!inRange(depth)) return 0;
    requestAt_[size_t(depth)] = ++lastRequest_;
    tried_[size_t(depth)] = false;
    parked_[size_t(depth)] = {};
    handedStretch_[size_t(depth)] = 0;
    return lastRequest_;
}

LineAccount::RequestId LineAccount::RequestAt(int depth) {
    if (!inRange(depth) || depth == 0) return 0;
    if (requestAt_[size_t(depth)] == 0) BeginRequest(depth);
    return requestAt_[size_t(depth)];
}

void LineAccount::TrySent(int depth, double at, const QByteArray& request) {
    const RequestId id = RequestAt(depth);
    if (id == 0) return;
    tries_.append({id, at, request});
    tried_[size_t(depth)] = true;
    lastSentAt_ = std::max(lastSentAt_, at);
}

void LineAccount::Heard(double at) { lastHeardAt_ = std::max(lastHeardAt_, at); }

bool LineAccount::listens(int depth) const {
    return depth > 0 && inRange(depth) && requestAt_[size_t(depth)] != 0 && !tried_[size_t(depth)];
}

bool LineAccount::settleOldest(double firstAt) {
    const Try oldest = tries_.takeFirst();
    answering_ = true;
    // How long the sensor takes to start answering: a line still to come
    // shows its first byte within that time behind the one before it.
    slowestMs_ = std::max(slowestMs_, firstAt - oldest.sentAt);
    return std::all_of(tries_.cbegin(), tries_.cend(), [&oldest](const Try& t) { return t.request == oldest.request; });
}

bool LineAccount::oldestTryBefore(double firstAt) const { return !tries_.isEmpty() && tries_.first().sentAt <= firstAt; }

bool LineAccount::handTo(RequestId request, int wantedDepth) {
    if (wantedDepth <= 0 || !inRange(wantedDepth) || requestAt_[size_t(wantedDepth)] != request) return false;
    handed_ = true;
    handedStretch_[size_t(wantedDepth)] = stretch_;
    return true;
}

int LineAccount::innermostWaitOf(RequestId request, int readDepth) const {
    for (int depth = std::min(readDepth, Depths - 1); depth >= 1; --depth)
        if (requestAt_[size_t(depth)] == request) return depth;
    return 0;
}

LineAccount::Owner LineAccount::LineCame(const QByteArray& line, double firstAt, double at, int wantedDepth,
                                         int readDepth) {
    Heard(at);
    if (echoCrOwed_ > 0) {
        // Our own carriage return coming back, with whatever came before it.
        --echoCrOwed_;
        return Owner::Echo;
    }
    if (tailPending_) {
        tailPending_ = false;
        return Owner::Nobody;
    }
    if (markOwed_) {
        if (firstAt >= markSentAt_ && isMark_(line.chopped(1))) {
            settleMark();
            return Owner::Nobody;
        }
        // A late answer of a try given up, or noise: it would have settled
        // a try it does not belong to.
        spoil();
        return Owner::OutOfStep;
    }
    if (!oldestTryBefore(firstAt)) {
        if (listens(wantedDepth)) {
            handed_ = true;
            handedStretch_[size_t(wantedDepth)] = stretch_;
            return Owner::Wanted;
        }
        proof();
        return Owner::OutOfStep;
    }
    const RequestId request = tries_.first().request;
    // An answer put down to a request while other requests' tries are owed
    // too may be any of theirs.
    if (!settleOldest(firstAt)) return Owner::Nobody;
    if (handTo(request, wantedDepth)) return Owner::Wanted;
    const int depth = innermostWaitOf(request, readDepth);
    // A lone carriage return is no answer; nor is a parked answer replaced.
    if (depth == 0 || line.size() <= 1 || HasParked(depth)) return Owner::Nobody;
    parked_[size_t(depth)] = {line, int(line.size()) - 1, stretch_};
    handed_ = true;
    return Owner::Parked;
}

LineAccount::Owner LineAccount::AnswerCut(double firstAt, double at, int wantedDepth) {
    Heard(at);
    if (tailPending_) {
        // The noisy line ended without its carriage return after all.
        tailPending_ = false;
        return Owner::Nobody;
    }
    // The mark's answer is never taken cut short: these bytes are a late
    // answer or noise.
    if (markOwed_) {
        spoil();
        return Owner::Nobody;
    }
    if (!oldestTryBefore(firstAt)) return Owner::Nobody;
    const RequestId request = tries_.first().request;
    return settleOldest(firstAt) && handTo(request, wantedDepth) ? Owner::Wanted : Owner::Nobody;
}

double LineAccount::OldestLostAt(double quietMs) const {
    if (tries_.isEmpty()) return std::numeric_limits<double>::infinity();
    return std::max(tries_.first().sentAt, lastHeardAt_) + quietMs;
}

void LineAccount::ForgetLost(double countedAt, double quietMs) {
    if (markOwed_) return;
    while (!tries_.isEmpty() && countedAt >= OldestLostAt(quietMs)) {
        const Try lost = tries_.takeFirst();
        noteGivenUp(lost.text);
        if (answering_ && !echoMode_) {
            // Its answer may still come and settle a later try: whatever
            // was taken since the line was last in step is in doubt.
            markDue_ = true;
            spoil();
        }
        answering_ = false;
    }
}

void LineAccount::LostTrack() {
    for (const Try& lost : std::as_const(tries_)) noteGivenUp(lost.text);
    if (answering_ && !echoMode_) markDue_ = true;
    tries_.clear();
    markOwed_ = false;
    answering_ = false;
    // The answers of the tries given up here may still come, each settling
    // a later try it does not belong to, and a dropped answer later on hides
    // the line left over in the end. So this stretch is out of step even
    // when nothing was taken in it yet: what is taken before the line is
    // next known in step is not to be trusted.
    spoil();
}

void LineAccount::NoiseDropped() {
    LostTrack();
    tailPending_ = true;
}

void LineAccount::Reopened() {
    tries_.clear();
    lastHeardAt_ = lastSentAt_ = -std::numeric_limits<double>::infinity();
    echoCrOwed_ = 0;
    echoStrayed_ = false;
    tailPending_ = false;
    answering_ = false;
    markDue_ = markOwed_ = false;
    givenUp_.clear();
    beginStretch();
}

void LineAccount::noteGivenUp(const QByteArray& text) {
    if (!givenUp_.contains(text)) givenUp_.append(text);
}

QList<QByteArray> LineAccount::Unsettled() const {
    QList<QByteArray> texts = givenUp_;
    for (const Try& owed : tries_) texts.append(owed.text);
    return texts;
}

void LineAccount::MarkSent(double at, const QByteArray& request, std::function<bool(const QByteArray&)> isMark) {
    markRequest_ = ++lastRequest_;
    markSentAt_ = at;
    markOwed_ = true;
    isMark_ = std::move(isMark);
    tries_.append({markRequest_, at, request});
    lastSentAt_ = std::max(lastSentAt_, at);
}

void LineAccount::MarkWaited(double now, double quietMs, double boundMs) {
    if (!markOwed_) return;
    const bool silent = lastHeardAt_ < markSentAt_ && now - markSentAt_ >= quietMs;
    if (silent || now - markSentAt_ >= boundMs) markLost();
}

void LineAccount::markLost() {
    tries_.clear();
    markOwed_ = markDue_ = false;
    answering_ = false;
}

void LineAccount::settleMark() {
    // In turn: the tries sent before the mark were answered before it or
    // never will be; those sent after it are answered after it.
    while (!tries_.isEmpty() && tries_.takeFirst().request != markRequest_) {
    }
    markOwed_ = markDue_ = false;
    answering_ = true;
    givenUp_.clear();
    beginStretch();
}

quint64 LineAccount::HandedStretch(int depth) const { return inRange(depth) ? handedStretch_[size_t(depth)] : 0; }

bool LineAccount::Owes(RequestId request) const {
    return std::any_of(tries_.cbegin(), tries_.cend(), [request](const Try& t) { return t.request == request; });
}

LineAccount::ParkedAnswer LineAccount::TakeParked(int depth) {
    if (!inRange(depth)) return {};
    ParkedAnswer parked = std::exchange(parked_[size_t(depth)], {});
    if (parked.count > 0) handedStretch_[size_t(depth)] = parked.stretch;
    return parked;
}

bool LineAccount::HasParked(int depth) const { return inRange(depth) && parked_[size_t(depth)].count > 0; }

void LineAccount::DropParked(int depth) {
    if (inRange(depth)) parked_[size_t(depth)] = {};
}

void LineAccount::Park(int depth, ParkedAnswer answer) {
    if (!inRange(depth) || HasParked(depth) || answer.count <= 0) return;
    if (answer.stretch == 0) answer.stretch = handedStretch_[size_t(depth)] ? handedStretch_[size_t(depth)] : stretch_;
    parked_[size_t(depth)] = std::move(answer);
}

void LineAccount::proof() {
    // Nothing taken in this stretch yet: nothing to distrust, and the count
    // is right again now that the line nobody was owed is gone.
    if (handed_) spoil();
}

void LineAccount::spoil() {
    if (Spoiled(stretch_)) return;
    spoiled_.append(stretch_);
    if (spoiled_.size() > SpoiledRemembered) spoiled_.removeFirst();
}

bool LineAccount::Spoiled(quint64 stretch) const { return spoiled_.contains(stretch); }

double LineAccount::GuardMs(double minMs, double maxMs) const { return std::clamp(2 * slowestMs_, minMs, maxMs); }

bool LineAccount::parkedUpTo(int readDepth) const {
    for (int depth = 1; depth <= std::min(readDepth, Depths - 1); ++depth)
        if (HasParked(depth)) return true;
    return false;
}

bool LineAccount::FindInStep(double now, bool bytesWaiting, double guardMs, int readDepth) {
    // After a give-up only the mark's answer shows the line in step again.
    if (!tries_.isEmpty() || bytesWaiting || markDue_) return false;
    if (now - std::max(lastHeardAt_, lastSentAt_) < guardMs) return false;
    // An echo, or the end of a noisy line, that has not come by now never will.
    echoCrOwed_ = 0;
    tailPending_ = false;
    // Its request notes the parked answer once it has it, in the stretch
    // current then: a proof in this stretch must still reach it.
    if (parkedUpTo(readDepth)) return true;
    givenUp_.clear();
    beginStretch();
    return true;
}

void LineAccount::beginStretch() {
    ++stretch_;
    handed_ = false;
    slowestMs_ = 0;
}
