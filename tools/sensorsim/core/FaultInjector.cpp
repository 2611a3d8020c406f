#include "core/FaultInjector.h"

#include "core/Text.h"

#include <algorithm>

namespace sensorsim {

namespace {

constexpr char CarriageReturn = '\r';
constexpr std::size_t LongAnswerBytes = 300;

bool everyNth(long count, int n) { return n > 0 && count % n == 0; }

// The answer as two lines: a carriage return after the given bytes (at most all of them), or by default after
// its first half and at least after its first byte, so that a short answer shows as one cut short and not as
// an empty line ahead of it.
void splitInTwo(std::string& bytes, std::optional<int> after) {
    const std::size_t wanted = after ? static_cast<std::size_t>(*after) : std::max<std::size_t>(bytes.size() / 2, 1);
    bytes.insert(std::min(wanted, bytes.size()), 1, CarriageReturn);
}

bool fallsOn(const NthRequests& faults, const std::string& key, long count) {
    const auto nth = faults.find(key);
    return nth != faults.end() && nth->second.contains(static_cast<int>(count));
}

bool keyMatches(const std::string& key, const std::string& request) {
    if (request.substr(0, request.find(',')) == key) return true;
    return key.find(',') != std::string::npos &&
           (request == key || (request.starts_with(key) && request[key.size()] == ','));
}

}  // namespace

FaultInjector::FaultInjector(FaultPlan plan) : plan_(std::move(plan)), random_(plan_.seed) {
    for (const NthRequests* faults : {&plan_.lateAt, &plan_.splitAt, &plan_.strayAt, &plan_.dropAt})
        for (const auto& entry : *faults) requestsByKey_[entry.first] = 0;
}

std::optional<std::string> FaultInjector::replacement(std::string_view request) const {
    const std::string upper = toUpper(request);
    for (const auto& [key, status] : plan_.statusByKey)
        if (keyMatches(toUpper(key), upper)) return std::string(1, static_cast<char>(status));
    for (const std::string& key : plan_.longAnswerKeys) {
        if (!keyMatches(toUpper(key), upper)) continue;
        std::string text;
        for (std::size_t i = 0; i < LongAnswerBytes; ++i) text += static_cast<char>('!' + i % ('~' - '!' + 1));
        return text;
    }
    return std::nullopt;
}

FaultInjector::Placed FaultInjector::place(std::string_view request) {
    const std::string upper = toUpper(request);
    Placed placed;
    for (auto& [key, count] : requestsByKey_) {
        if (!keyMatches(toUpper(key), upper)) continue;
        ++count;
        placed.late |= fallsOn(plan_.lateAt, key, count);
        placed.split |= fallsOn(plan_.splitAt, key, count);
        placed.stray |= fallsOn(plan_.strayAt, key, count);
        placed.drop |= fallsOn(plan_.dropAt, key, count);
    }
    return placed;
}

FaultInjector::WireAnswer FaultInjector::wireBytes(const std::string& answer, const Placed& placed) {
    ++answers_;
    WireAnswer wire{{}, placed.stray || everyNth(answers_, plan_.strayEveryNth)};
    if (placed.drop || everyNth(answers_, plan_.dropEveryNth)) return wire;
    wire.bytes = everyNth(answers_, plan_.garbageEveryNth) ? garbage() : answer;
    // One carriage return however many splits fall on the answer; the placed one says where.
    if (placed.split) splitInTwo(wire.bytes, plan_.splitAfter);
    else if (everyNth(answers_, plan_.splitEveryNth)) splitInTwo(wire.bytes, std::nullopt);
    if (!everyNth(answers_, plan_.noCrEveryNth)) wire.bytes += CarriageReturn;
    return wire;
}

std::string FaultInjector::garbage() {
    std::uniform_int_distribution<int> length(4, 24);
    std::uniform_int_distribution<int> byte(0, 254);
    std::string bytes(static_cast<std::size_t>(length(random_)), '\0');
    for (char& b : bytes) {
        int value = byte(random_);
        if (value >= CarriageReturn) ++value;  // every byte but the carriage return
        b = static_cast<char>(value);
    }
    return bytes;
}

}  // namespace sensorsim
