#include "core/CompensatedLine.h"

#include "core/SoundVelocity.h"
#include "core/Text.h"

#include <cmath>

namespace sensorsim {

namespace {

constexpr long LowestVelocity = 10000;   // 100 m/s
constexpr long HighestVelocity = 60000;  // 600 m/s
constexpr long LargestOffset = 500;      // 50 K either way

}  // namespace

void CompensatedLine::defineSoundParameters() {
    define({"VS", "", nullptr, Access::ReadOnly});
    define({"VS0", "33130", integerIn(LowestVelocity, HighestVelocity)});
    define({"TO", "0", integerIn(-LargestOffset, LargestOffset)});
    define({"TEM", "", integerIn(2231, 3731)});  // -50 °C to +100 °C
    define({"REF", "", positiveDecimal(), Access::WriteOnly});
}

long CompensatedLine::velocityInUse() const {
    const long temperature = MeasuredTemperatureTenthK + currentNumber("TO");
    return std::lround(soundVelocityAt(static_cast<double>(currentNumber("VS0")), static_cast<double>(temperature)));
}

double CompensatedLine::soundSpeed() const { return velocityInUse() / 100.0; }

std::optional<std::string> CompensatedLine::reported(const std::string& key) const {
    if (key == "VS") return std::to_string(velocityInUse());
    if (key == "TEM") return std::to_string(MeasuredTemperatureTenthK + currentNumber("TO"));
    return std::nullopt;
}

std::optional<Status> CompensatedLine::specialWrite(const std::string& key, const std::string& accepted,
                                                     std::int64_t now) {
    if (key == "TEM") {
        const long offset = *parseInteger(accepted) - MeasuredTemperatureTenthK;
        if (offset < -LargestOffset || offset > LargestOffset) return Status::InvalidParameter;
        store("TO", std::to_string(offset));
        return Status::Ok;
    }
    if (key == "REF") {
        const auto measured = measure(now);
        if (!measured) return Status::HardwareError;  // no echo to calibrate against
        const long velocity = recalibratedVelocity(currentNumber("VS0"), *parseDecimal(accepted), *measured);
        if (velocity < LowestVelocity || velocity > HighestVelocity) return Status::InvalidParameter;
        store("VS0", std::to_string(velocity));
        return Status::Ok;
    }
    return std::nullopt;
}

std::optional<std::string> acceptEvalMethod(std::string_view text) {
    const std::vector<std::string> f = splitAt(text, ',');
    const std::string& word = f.front();
    auto inRange = [&](std::size_t i, long lowest, long highest) {
        auto n = parseInteger(f[i]);
        return n && *n >= lowest && *n <= highest;
    };
    if (f.size() == 1) {
        if (word == "0" || word == "NONE") return "NONE";
        if (word == "DYN") return "DYN,10";
        if (word == "PT1") return "PT1,100,5,3";
        if (word == "MXN") return "MXN,5,2";
        return std::nullopt;
    }
    bool valid = false;
    if (word == "DYN") valid = f.size() == 2 && inRange(1, 0, 100);
    if (word == "PT1") valid = f.size() == 4 && inRange(1, 1, 1000) && inRange(2, 0, 100) && inRange(3, 0, 255);
    if (word == "MXN")  // m readings of which n are discarded
        valid = f.size() == 3 && inRange(1, 1, 9) && inRange(2, 0, *parseInteger(f[1]) - 1);
    if (!valid) return std::nullopt;
    std::string normal = word;
    for (std::size_t i = 1; i < f.size(); ++i) normal += "," + std::to_string(*parseInteger(f[i]));
    return normal;
}

std::optional<std::string> acceptFailSafe(std::string_view text, std::size_t outputs, bool analog,
                                          std::string_view stored) {
    const std::vector<std::string> f = splitAt(text, ',');
    const std::string& modes = f.front();
    if (f.size() > 2 || modes.size() != outputs || modes.find_first_not_of("012") != std::string::npos)
        return std::nullopt;
    if (!analog) return f.size() == 1 ? std::optional<std::string>(modes) : std::nullopt;
    if (f.size() == 1) return modes + "," + splitAt(stored, ',').back();
    auto current = parseInteger(f[1]);
    if (!current || *current < -1 || *current > 240) return std::nullopt;
    return modes + "," + std::to_string(*current);
}

}  // namespace sensorsim
