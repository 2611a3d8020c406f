#include "core/Sensor.h"

#include "core/Lines.h"
#include "core/Status.h"
#include "core/Text.h"

#include <algorithm>
#include <utility>

namespace sensorsim {

Sensor::Sensor(const SensorConfig& config)
    : model_(makeLine(config.line, config.variant)), faults_(config.faults), outbox_(config.baud) {}

Sensor::~Sensor() = default;

std::string Sensor::feed(std::string_view bytesIn) {
    for (char byte : bytesIn) receive(byte);
    return outbox_.take(now_);
}

std::string Sensor::advance(std::int64_t ms) {
    const std::int64_t until = now_ + (ms > 0 ? ms : 0);
    while (model_->streaming() && !hangupPending_ && nextStreamLine_ <= until) {
        outbox_.push(nextStreamLine_, model_->streamLine(nextStreamLine_) + "\r");
        nextStreamLine_ += LineModel::MeasureCycleMs;
    }
    now_ = until;
    return outbox_.take(now_);
}

std::optional<std::int64_t> Sensor::nextDue() const {
    auto due = outbox_.nextDue();
    if (model_->streaming() && !hangupPending_ && (!due || nextStreamLine_ < *due)) due = nextStreamLine_;
    return due;
}

std::vector<std::string> Sensor::takeRequests() { return std::exchange(requests_, {}); }

void Sensor::receive(char byte) {
    // A sensor that is going away echoes and carries out nothing more, but its receiver still takes bytes until
    // the line goes: a request cut short by the hang-up shows as such.
    const bool listening = !hangupPending_;
    if (listening && model_->echoes()) outbox_.pushNow(now_, byte);
    if (byte == '\r') {
        const std::string request = std::exchange(line_, {});
        const bool tooLong = std::exchange(lineTooLong_, false);
        if (listening) serve(request, tooLong);
        return;
    }
    if (byte == '\n' && line_.empty()) return;
    if (line_.size() < MaxRequestBytes) line_ += byte;
    else lineTooLong_ = true;
}

void Sensor::serve(const std::string& request, bool tooLong) {
    requests_.push_back(request);
    ++requestCount_;
    const int hangupAfter = faults_.plan().hangupAfter;
    if (hangupAfter > 0 && requestCount_ >= hangupAfter) hangupPending_ = true;
    if (request.empty()) return;  // the echo probe: an echoing sensor has answered it with its echo

    const FaultInjector::Placed placed = faults_.place(request);
    // The sensor gets to this request once it is done with the ones before.
    const std::int64_t start = std::max(now_, busyUntil_);
    std::string answer;
    if (tooLong) {
        answer = statusAnswer(Status::InvalidCommand);
    } else if (auto replaced = faults_.replacement(request)) {
        answer = *replaced;
    } else {
        const bool wasStreaming = model_->streaming();
        answer = model_->answer(toUpper(request), start);
        if (!wasStreaming && model_->streaming()) nextStreamLine_ = start + LineModel::MeasureCycleMs;
    }
    const FaultPlan& plan = faults_.plan();
    const FaultInjector::WireAnswer wire = faults_.wireBytes(answer, placed);
    const std::int64_t takesMs = plan.delayMs + (placed.late ? plan.lateMs : 0);
    busyUntil_ = outbox_.push(start + takesMs, wire.bytes, plan.trickleMs);
    if (wire.strayFollows) outbox_.pushUnasked(FaultInjector::StrayLine, plan.strayMs, busyUntil_);
}

}  // namespace sensorsim
