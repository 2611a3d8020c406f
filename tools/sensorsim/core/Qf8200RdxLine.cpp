#include "core/CompensatedLine.h"
#include "core/Lines.h"
#include "core/Text.h"

#include <array>
#include <cmath>

namespace sensorsim {

namespace {

constexpr long RangeMm = 4000;
constexpr unsigned char ErasedCell = 255;

// QF8200RDX: two or three switch outputs, an analogue output or none (NDE and
// FDE missing), an inclination switch or none (UIS and ISS missing). The
// limits of its analogue value live in EEPROM cells that "RM,E<n>" reads as
// decimal bytes: cells 110 and 111 hold a stale, implausible pair; cells
// 114-117 the valid lower limit (114 high byte, 115 low byte) and the span
// up to the upper limit (116 high byte, 117 low byte).
class Qf8200RdxLine final : public CompensatedLine {
public:
    explicit Qf8200RdxLine(const Variant& variant);

private:
    std::string lineCommand(const std::string& key, const std::optional<std::string>& value,
                            std::int64_t now) override;
    bool echoReceived(double distanceMm) const override { return distanceMm >= currentNumber("BR"); }
    int switchOutputCount() const override { return variant_.switchOutputs; }
    SwitchSetting switchSetting(int output) const override;
    std::optional<long> analogValue(double distanceMm) const override;
    long eepromWord(std::size_t highCell) const { return eeprom_[highCell] * 256 + eeprom_[highCell + 1]; }

    Variant variant_;
    std::array<unsigned char, 512> eeprom_;
};

LineModel::Traits traitsFor(const Variant& v) {
    LineModel::Traits traits;
    traits.identity = identityFor("QF4000-K58", "E2.01", v.firmwareV2);
    traits.rangeMm = RangeMm;
    traits.masterModes = {"AD", "RD", "RT", "SS"};
    return traits;
}

Qf8200RdxLine::Qf8200RdxLine(const Variant& v) : CompensatedLine(traitsFor(v)), variant_(v) {
    const std::size_t outputs = static_cast<std::size_t>(v.switchOutputs);
    defineSoundParameters();
    define({"CBT", "0", integerIn(0, 1000)});
    define({"CCT", "0", integerIn(0, 1000)});
    define({"FTO", "3", integerIn(0, 255)});
    define({"CON", "5", integerIn(0, 255)});
    define({"BR", "250", integerIn(0, RangeMm)});
    define({"NEF", "0", oneOf({"0", "1"})});
    for (std::size_t output = 1; output <= outputs; ++output) {
        define({"SD" + std::to_string(output), std::to_string(800 * output), integerIn(0, RangeMm)});
        define({"SH" + std::to_string(output), "5", integerIn(0, 15)});
    }
    define({"OM", std::string(outputs, '0'), charsPerPosition(std::vector<std::string>(outputs, "01I"))});
    define({"FSF", std::string(outputs, '0') + (v.analog ? ",36" : ""), [this](std::string_view text) {
                return acceptFailSafe(text, static_cast<std::size_t>(variant_.switchOutputs), variant_.analog,
                                      stored("FSF"));
            }});
    define({"EM", "NONE", acceptEvalMethod});
    if (v.analog) {
        define({"NDE", "400", integerIn(0, RangeMm)});
        define({"FDE", "3600", integerIn(0, RangeMm)});
    }
    define({"MA", v.analog ? "A" : "S", oneOf({"A", "S"})});
    if (v.inclination) {
        define({"UIS", "150,10", [](std::string_view text) -> std::optional<std::string> {
                    if (text == "-1") return std::string(text);
                    const auto delays = splitAt(text, ',');
                    if (delays.size() != 2) return std::nullopt;
                    std::string normal;
                    for (const std::string& delay : delays) {
                        auto tens = parseInteger(delay);  // 10 ms steps
                        if (!tens || *tens < 0 || *tens > 32767) return std::nullopt;
                        normal += (normal.empty() ? "" : ",") + std::to_string(*tens);
                    }
                    return normal;
                }});
    }
    eeprom_.fill(ErasedCell);
    const std::pair<std::size_t, unsigned char> limits[] = {{110, 32}, {111, 3},  {112, 11}, {113, 84},
                                                            {114, 3},  {115, 32}, {116, 12}, {117, 128}};
    for (auto [cell, byte] : limits) eeprom_[cell] = byte;
    takeFactorySoundSpeedAsTrue();
}

std::string Qf8200RdxLine::lineCommand(const std::string& key, const std::optional<std::string>& value,
                                       std::int64_t now) {
    if (key == "RM") {
        if (!value || !value->starts_with("E")) return statusAnswer(Status::InvalidCommand);
        auto cell = parseInteger(value->substr(1));
        if (!cell || *cell < 0 || *cell >= static_cast<long>(eeprom_.size()))
            return statusAnswer(Status::InvalidParameter);
        return std::to_string(eeprom_[static_cast<std::size_t>(*cell)]);
    }
    if (key == "ISS") {
        // The simulated sensor stands level: the inclination switch never trips.
        if (value || !variant_.inclination) return statusAnswer(Status::InvalidCommand);
        return "0";
    }
    return CompensatedLine::lineCommand(key, value, now);
}

SwitchSetting Qf8200RdxLine::switchSetting(int output) const {
    const std::string n = std::to_string(output);
    SwitchSetting s;
    s.a = static_cast<double>(currentNumber("SD" + n));
    s.hysteresisPercent = static_cast<double>(currentNumber("SH" + n));
    s.enabled = current("OM").at(static_cast<std::size_t>(output - 1)) != 'I';
    return s;
}

std::optional<long> Qf8200RdxLine::analogValue(double d) const {
    if (!variant_.analog) return std::nullopt;
    const long lowest = eepromWord(114);
    const long highest = lowest + eepromWord(116);
    const double fraction = rampFraction(d, static_cast<double>(currentNumber("NDE")),
                                         static_cast<double>(currentNumber("FDE")));
    return std::lround(lowest + fraction * (highest - lowest));
}

}  // namespace

std::unique_ptr<LineModel> makeQf8200RdxLine(const Variant& variant) {
    return std::make_unique<Qf8200RdxLine>(variant);
}

}  // namespace sensorsim
