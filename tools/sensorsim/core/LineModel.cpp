#include "core/LineModel.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace sensorsim {

namespace {

// The target walks from a tenth to eight tenths of the range and back in 20 s.
constexpr std::int64_t TargetPeriodMs = 20000;

// Master mode "RT" counts the echo's transit time in steps of 1.085 us.
constexpr double TransitStepUs = 1.085;

std::string distanceText(std::optional<double> distanceMm) {
    return distanceMm ? std::to_string(std::lround(*distanceMm)) : "E";
}

}  // namespace

Identity identityFor(std::string type, std::string eprom, bool firmwareV2) {
    Identity id;
    id.type = std::move(type);
    id.eprom = std::move(eprom);
    id.version = firmwareV2 ? "2.1" : "1.9";
    id.versionLetter = firmwareV2 ? 'B' : 'A';
    id.date = firmwareV2 ? "04.03.2021" : "17.09.2018";
    id.time = "10:15:00";
    return id;
}

LineModel::LineModel(Traits traits)
    : traits_(std::move(traits)), target_(traits_.rangeMm / 10, traits_.rangeMm * 0.8, TargetPeriodMs) {}

std::string LineModel::answer(std::string_view request, std::int64_t now) {
    const std::size_t comma = request.find(',');
    const std::string key(request.substr(0, comma));
    std::optional<std::string> value;
    if (comma != std::string_view::npos) value = std::string(request.substr(comma + 1));

    if (key == "MD") return masterCommand(value);
    const bool isSwitchQuery = key.size() == 3 && key.starts_with("SS") && std::isdigit(static_cast<unsigned char>(key[2]));
    const bool shared = key == "ID" || key == "VER" || key == "DAT" || key == "RST" || key == "DEF" || key == "SUC" ||
                        key == "RUC" || key == "AD" || key == traits_.analogCommand || isSwitchQuery;
    if (!shared) return lineCommand(key, value, now);
    if (value) return statusAnswer(Status::InvalidCommand);

    if (key == "ID" || key == "VER" || key == "DAT") return identification(key);
    if (key == "AD") return distanceText(measure(now));
    if (isSwitchQuery) return switchState(key[2] - '0', measure(now));
    if (key == traits_.analogCommand) {
        auto d = measure(now);
        if (!analogValue(d.value_or(0))) return statusAnswer(Status::InvalidCommand);
        return d ? std::to_string(*analogValue(*d)) : "E";
    }
    if (key == "RST") {
        // A restart ends master mode and forgets where the outputs stood.
        masterMode_.clear();
        for (SwitchOutput& output : outputs_) output.reset();
    } else if (key == "DEF") {
        restoreFactory();
    } else if (key == "SUC") {
        storeUserConfig();
    } else {
        recallUserConfig();
    }
    return statusAnswer(Status::Ok);
}

std::string LineModel::streamLine(std::int64_t now) { return masterValue(masterMode_, now).value_or(""); }

bool LineModel::echoReceived(double) const { return true; }

std::optional<std::string> LineModel::lineMasterValue(const std::string&, std::optional<double>) {
    return std::nullopt;
}

void LineModel::takeFactorySoundSpeedAsTrue() { trueSoundSpeed_ = soundSpeed(); }

std::optional<double> LineModel::measure(std::int64_t now) const {
    const double speed = soundSpeed();
    if (speed <= 0 || trueSoundSpeed_ <= 0) return std::nullopt;
    const double d = target_.distanceAt(now) * speed / trueSoundSpeed_;
    if (d > traits_.rangeMm || !echoReceived(d)) return std::nullopt;
    return d;
}

double LineModel::rampFraction(double distanceMm, double nearEnd, double farEnd) {
    if (nearEnd == farEnd) return distanceMm >= nearEnd ? 1.0 : 0.0;
    return std::clamp((distanceMm - nearEnd) / (farEnd - nearEnd), 0.0, 1.0);
}

std::string LineModel::identification(const std::string& key) const {
    const Identity& id = traits_.identity;
    if (key == "ID") return "Q&B " + id.type + " Eprom: " + id.eprom + " Version: " + id.version;
    if (key == "VER") return "V" + id.version + id.versionLetter;
    return "Date: " + id.date + " Time: " + id.time;
}

std::string LineModel::masterCommand(const std::optional<std::string>& value) {
    if (!value) return masterMode_.empty() ? "OFF" : masterMode_;
    if (*value == "OFF") {
        masterMode_.clear();
        return statusAnswer(Status::Ok);
    }
    const auto& modes = traits_.masterModes;
    if (modes.empty()) return statusAnswer(Status::InvalidCommand);
    if (std::find(modes.begin(), modes.end(), *value) == modes.end()) return statusAnswer(Status::InvalidParameter);
    if (*value == "RD" && !analogValue(0)) return statusAnswer(Status::InvalidParameter);
    masterMode_ = *value;
    return statusAnswer(Status::Ok);
}

std::optional<std::string> LineModel::masterValue(const std::string& mode, std::int64_t now) {
    const auto d = measure(now);
    if (mode == "AD") return distanceText(d);
    if (mode == "RD") return d ? std::to_string(analogValue(*d).value_or(0)) : "E";
    if (mode == "RT") {
        if (!d) return "E";
        const double transitUs = 2000 * *d / soundSpeed();
        return std::to_string(std::lround(transitUs / TransitStepUs));
    }
    if (mode == "SS") {
        std::string states;
        for (int output = 1; output <= switchOutputCount(); ++output) states += switchState(output, d);
        return states;
    }
    return lineMasterValue(mode, d);
}

std::string LineModel::switchState(int output, std::optional<double> distanceMm) {
    if (output < 1 || output > switchOutputCount()) return statusAnswer(Status::InvalidCommand);
    if (!distanceMm) return "E";
    if (static_cast<int>(outputs_.size()) < switchOutputCount()) outputs_.resize(switchOutputCount());
    return outputs_[output - 1].update(switchSetting(output), *distanceMm) ? "1" : "0";
}

}  // namespace sensorsim
