#include "core/DipSwitches.h"
#include "core/Lines.h"
#include "core/ParamLine.h"
#include "core/SoundVelocity.h"
#include "core/Text.h"

#include <algorithm>
#include <cmath>

namespace sensorsim {

namespace {

constexpr long RangeMm = 2500;
constexpr long LowestVelocity = 30000;   // 0.01 m/s
constexpr long HighestVelocity = 40000;
constexpr long AnalogBottom = 1;  // the analogue value runs from 1 to 254 over the evaluation range
constexpr long AnalogTop = 254;

// The two fields of the QT8200 evaluation method. The first is "DYN", "BEW"
// or "OFF" (written "DYN1", "BEW1", "OFF"), the second a static count 3-255
// ("003"), an averaging count ("M2" to "M4") or none ("000", written "M0" or
// "0"). A write sets either field or both; the answer always has both.
std::optional<std::string> firstEvalField(std::string_view f) {
    if (f == "DYN" || f == "DYN1") return "DYN";
    if (f == "BEW" || f == "BEW1") return "BEW";
    if (f == "OFF") return "OFF";
    return std::nullopt;
}

std::optional<std::string> secondEvalField(std::string_view f) {
    if (f == "M0") return "000";
    if (f.size() == 2 && f[0] == 'M' && f[1] >= '2' && f[1] <= '4') return std::string(f);
    auto count = parseInteger(f);
    if (!count || f.starts_with("-") || f.starts_with("+")) return std::nullopt;
    if (*count == 0) return "000";
    if (*count < 3 || *count > 255) return std::nullopt;
    return zeroPadded(*count, 3);
}

std::optional<std::string> mergeEvalMethod(std::string_view stored, std::string_view written) {
    std::vector<std::string> fields = splitAt(stored, ',');
    const std::vector<std::string> parts = splitAt(written, ',');
    if (parts.size() == 2) {
        auto first = firstEvalField(parts[0]);
        auto second = secondEvalField(parts[1]);
        if (!first || !second) return std::nullopt;
        return *first + "," + *second;
    }
    if (parts.size() != 1) return std::nullopt;
    if (auto first = firstEvalField(parts[0])) return *first + "," + fields.back();
    if (auto second = secondEvalField(parts[0])) return fields.front() + "," + *second;
    return std::nullopt;
}

// QT8200: one switch output and either a second switch output or an
// analogue output (then SD2 and SH2 are missing and OM has one digit, 2
// normally open or 3 normally closed); switch points zero-padded to five
// digits; no temperature compensation: VS itself is stored, and a reference
// distance (REF) recalibrates it. BDE is accepted and changes nothing.
class Qt8200Line final : public ParamLine {
public:
    explicit Qt8200Line(const Variant& variant);

private:
    std::string lineCommand(const std::string& key, const std::optional<std::string>& value,
                            std::int64_t now) override;
    std::optional<std::string> reported(const std::string& key) const override;
    std::optional<Status> specialWrite(const std::string& key, const std::string& accepted, std::int64_t now) override;
    double soundSpeed() const override { return currentNumber("VS") / 100.0; }
    int switchOutputCount() const override { return variant_.analog ? 1 : 2; }
    SwitchSetting switchSetting(int output) const override;
    std::optional<long> analogValue(double distanceMm) const override;
    std::optional<std::string> lineMasterValue(const std::string& mode, std::optional<double> distanceMm) override;

    Variant variant_;
};

LineModel::Traits traitsFor(const Variant& v) {
    LineModel::Traits traits;
    traits.identity = identityFor(v.analog ? "QT2500-IU" : "QT2500", "E1.10", v.firmwareV2);
    traits.rangeMm = RangeMm;
    traits.masterModes = {"AD", "RD", "SS", "OR"};
    return traits;
}

Qt8200Line::Qt8200Line(const Variant& v) : ParamLine(traitsFor(v)), variant_(v) {
    const Acceptor millimetres = integerIn(0, RangeMm, 5);
    define({"VS", "34320", integerIn(LowestVelocity, HighestVelocity)});
    define({"RT", "0", oneOf({"0", "1"})});
    define({"DIP", "25F", nullptr, Access::ReadOnly});
    define({"UDS", "0", oneOf({"0", "1"})});
    define({"SD1", "00500", millimetres});
    define({"FA1", "0", oneOf({"0", "1"})});
    define({"FA2", "0", oneOf({"0", "1"})});
    define({"SH1", "5", integerIn(0, 100)});
    if (v.analog) {
        define({"OM", "2", charsPerPosition({"23"})});
    } else {
        define({"SD2", "01500", millimetres});
        define({"SH2", "5", integerIn(0, 100)});
        define({"OM", "22", charsPerPosition({"23", "23"})});
    }
    define({"REF", "", positiveDecimal(), Access::WriteOnly});
    define({"CBT", "0000", integerIn(0, 9999, 4)});
    define({"CCT", "000", integerIn(0, 999, 3)});
    define({"FTO", "003", integerIn(0, 255, 3)});
    define({"CON", "005", integerIn(0, 255, 3)});
    define({"EM", "OFF,000", [this](std::string_view text) { return mergeEvalMethod(stored("EM"), text); }});
    define({"NDE", "00300", millimetres});
    define({"FDE", "02000", millimetres});
    define({"FW", "10", integerIn(0, 100)});
    takeFactorySoundSpeedAsTrue();
}

std::string Qt8200Line::lineCommand(const std::string& key, const std::optional<std::string>& value,
                                    std::int64_t now) {
    if (key == "BDE") return statusAnswer(Status::Ok);
    return ParamLine::lineCommand(key, value, now);
}

std::optional<std::string> Qt8200Line::reported(const std::string& key) const {
    if (stored("UDS") != "1") return std::nullopt;
    const DipSettings dip = decodeDipSwitches(stored("DIP"));
    const std::string output1 = dip.output1NormallyClosed ? "3" : "2";
    if (key == "OM") return variant_.analog ? output1 : output1 + "2";
    if (key == "SD1" || key == "NDE") return zeroPadded(dip.point1, 5);
    if (key == "SD2" || key == "FDE") return zeroPadded(dip.point2, 5);
    if (key == "SH1" || key == "SH2") return "5";
    return std::nullopt;
}

std::optional<Status> Qt8200Line::specialWrite(const std::string& key, const std::string& accepted, std::int64_t now) {
    if (key != "REF") return std::nullopt;
    const auto measured = measure(now);
    if (!measured) return Status::HardwareError;  // no echo to calibrate against
    const long velocity = recalibratedVelocity(currentNumber("VS"), *parseDecimal(accepted), *measured);
    if (velocity < LowestVelocity || velocity > HighestVelocity) return Status::InvalidParameter;
    store("VS", std::to_string(velocity));
    return Status::Ok;
}

SwitchSetting Qt8200Line::switchSetting(int output) const {
    const std::string n = std::to_string(output);
    SwitchSetting s;
    s.a = static_cast<double>(currentNumber("SD" + n));
    s.hysteresisPercent = static_cast<double>(currentNumber("SH" + n));
    return s;
}

std::optional<long> Qt8200Line::analogValue(double d) const {
    if (!variant_.analog) return std::nullopt;
    const double fraction = rampFraction(d, static_cast<double>(currentNumber("NDE")),
                                         static_cast<double>(currentNumber("FDE")));
    return AnalogBottom + std::lround(fraction * (AnalogTop - AnalogBottom));
}

std::optional<std::string> Qt8200Line::lineMasterValue(const std::string& mode, std::optional<double> d) {
    if (mode != "OR") return std::nullopt;
    // Object in the evaluation range.
    const double nearEnd = static_cast<double>(currentNumber("NDE"));
    const double farEnd = static_cast<double>(currentNumber("FDE"));
    const bool inside = d && *d >= std::min(nearEnd, farEnd) && *d <= std::max(nearEnd, farEnd);
    return inside ? "1" : "0";
}

}  // namespace

std::unique_ptr<LineModel> makeQt8200Line(const Variant& variant) { return std::make_unique<Qt8200Line>(variant); }

}  // namespace sensorsim
