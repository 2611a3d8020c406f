#include "core/CompensatedLine.h"
#include "core/DipSwitches.h"
#include "core/Lines.h"

#include <cmath>

namespace sensorsim {

namespace {

constexpr long RangeMm = 6000;
constexpr long AnalogTop = 4095;  // the analogue value runs from 0 to 4095 over the evaluation range

// QF8200: two switch outputs, or one switch output and an analogue output
// (then SD21, SD22 and SH2 are missing and OM and OPM carry one output
// fewer); DIP switches that override the switch settings while UDS is 1; OT,
// SE, RR and NEF only from software version 2.
class Qf8200Line final : public CompensatedLine {
public:
    explicit Qf8200Line(const Variant& variant);

private:
    std::optional<std::string> reported(const std::string& key) const override;
    bool echoReceived(double distanceMm) const override;
    int switchOutputCount() const override { return variant_.analog ? 1 : 2; }
    SwitchSetting switchSetting(int output) const override;
    std::optional<long> analogValue(double distanceMm) const override;

    Variant variant_;
};

LineModel::Traits traitsFor(const Variant& v) {
    LineModel::Traits traits;
    traits.identity = identityFor(v.analog ? "QF6000-KR-IU" : "QF6000-KR", "E3.07", v.firmwareV2);
    traits.rangeMm = RangeMm;
    traits.masterModes = {"AD", "RD", "RT", "SS"};
    return traits;
}

Qf8200Line::Qf8200Line(const Variant& v) : CompensatedLine(traitsFor(v)), variant_(v) {
    defineSoundParameters();
    define({"CBT", "0", integerIn(0, 1000)});
    define({"CCT", "0", integerIn(0, 1000)});
    define({"FTO", "3", integerIn(0, 255)});
    define({"CON", "5", integerIn(0, 255)});
    define({"BR", "350", integerIn(0, RangeMm)});
    define({"DIP", "A50", nullptr, Access::ReadOnly});
    define({"UDS", "0", oneOf({"0", "1"})});
    define({"SD11", "1000", integerIn(0, RangeMm)});
    define({"SD12", "2000", integerIn(0, RangeMm)});
    define({"SH1", "5", integerIn(0, 15)});
    alias("SD1", "SD11");
    if (v.analog) {
        define({"OM", "0", charsPerPosition({"01"})});
        define({"OPM", "SS", charsPerPosition({"SWRHL", "SL"})});
        define({"NDE", "500", integerIn(0, RangeMm)});
        define({"FDE", "5000", integerIn(0, RangeMm)});
    } else {
        define({"SD21", "3000", integerIn(0, RangeMm)});
        define({"SD22", "4000", integerIn(0, RangeMm)});
        define({"SH2", "5", integerIn(0, 15)});
        define({"OM", "00", charsPerPosition({"01", "01"})});
        define({"OPM", "SW", charsPerPosition({"SWRHL", "SWRHL"})});
        alias("SD2", "SD21");
    }
    define({"FSF", v.analog ? "0,40" : "0",
            [this](std::string_view text) { return acceptFailSafe(text, 1, variant_.analog, stored("FSF")); }});
    define({"EM", "NONE", acceptEvalMethod});
    if (v.firmwareV2) {
        define({"OT", "0", oneOf({"0", "1"})});
        define({"SE", "1", oneOf({"0", "1"})});
        define({"RR", std::to_string(RangeMm), integerIn(0, RangeMm)});
        define({"NEF", "0", oneOf({"0", "1"})});
    }
    takeFactorySoundSpeedAsTrue();
}

std::optional<std::string> Qf8200Line::reported(const std::string& key) const {
    if (stored("UDS") == "1") {
        const DipSettings dip = decodeDipSwitches(stored("DIP"));
        const std::string output1 = dip.output1NormallyClosed ? "1" : "0";
        if (key == "OM") return variant_.analog ? output1 : output1 + "0";
        if (key == "SD11" || key == "NDE") return std::to_string(dip.point1);
        if (key == "SD21" || key == "FDE") return std::to_string(dip.point2);
        if (key == "OT") return "0";
    }
    return CompensatedLine::reported(key);
}

bool Qf8200Line::echoReceived(double d) const {
    return d >= currentNumber("BR") && (!has("RR") || d <= currentNumber("RR"));
}

SwitchSetting Qf8200Line::switchSetting(int output) const {
    const std::string n = std::to_string(output);
    SwitchSetting s;
    switch (current("OPM").at(output - 1)) {
    case 'W':
    case 'L': s.mode = SwitchMode::Window; break;
    case 'H': s.mode = SwitchMode::TwoPoint; break;
    default: s.mode = SwitchMode::Point; break;  // switch point and reflex barrier
    }
    s.a = static_cast<double>(currentNumber("SD" + n + "1"));
    s.b = static_cast<double>(currentNumber("SD" + n + "2"));
    s.hysteresisPercent = static_cast<double>(currentNumber("SH" + n));
    return s;
}

std::optional<long> Qf8200Line::analogValue(double d) const {
    if (!variant_.analog) return std::nullopt;
    const double fraction = rampFraction(d, static_cast<double>(currentNumber("NDE")),
                                         static_cast<double>(currentNumber("FDE")));
    return std::lround(fraction * AnalogTop);
}

}  // namespace

std::unique_ptr<LineModel> makeQf8200Line(const Variant& variant) { return std::make_unique<Qf8200Line>(variant); }

}  // namespace sensorsim
