#include "core/Lines.h"
#include "core/SoundVelocity.h"
#include "core/Text.h"

#include <array>
#include <cmath>

namespace sensorsim {

namespace {

// A memory cell of the QF8200Echo: "XE" and a hex address name a byte,
// "WXE" and a hex address a word, high byte first. Word cells never overlap
// byte cells, so one byte memory holds them all.
struct EchoCell {
    enum class Needs { Nothing, Analog, FirmwareV2 };
    const char* name;
    unsigned address;
    int bytes;
    long lowest;
    long highest;
    bool readOnly = false;
    bool isSigned = false;
    Needs needs = Needs::Nothing;
};

constexpr long Byte = 255;
constexpr long Word = 65535;

const EchoCell Cells[] = {
    {"WXE2", 0x02, 2, 0, Word},                                  // TSD1 taught switch point 1
    {"WXE4", 0x04, 2, 0, Word},                                  // TSD2 taught switch point 2
    {"XE6", 0x06, 1, 0, 2},                                      // TOPM taught operating mode
    {"WXE7", 0x07, 2, 0, Word},                                  // SD1 (switch) or A1 near limit (analogue)
    {"WXE9", 0x09, 2, 0, Word},                                  // SD2 or A2 far limit
    {"WXEB", 0x0B, 2, 0, Word},                                  // SD12
    {"WXED", 0x0D, 2, 0, Word},                                  // SD22
    {"WXEF", 0x0F, 2, 10000, 60000},                             // VS0 speed of sound at 0 °C, 0.01 m/s
    {"WXE11", 0x11, 2, -500, 500, false, true},                  // TO temperature offset, 0.1 K
    {"WXE13", 0x13, 2, 0, Word},                                 // BR blind range
    {"WXE15", 0x15, 2, 0, Word},                                 // RR reduced range
    {"WXE19", 0x19, 2, 0, Word},                                 // CCT
    {"XE1B", 0x1B, 1, 0, 3},                                     // CBT
    {"XE1C", 0x1C, 1, 0, Byte, false, false, EchoCell::Needs::FirmwareV2},  // MM measuring mode
    {"XE1D", 0x1D, 1, 0, Byte},                                  // FTO
    {"XE1E", 0x1E, 1, 0, 3},                                     // EVM 1 DYN, 2 MXN, 3 PT1
    {"XE1F", 0x1F, 1, 0, Byte},                                  // MXN_N
    {"WXE20", 0x20, 2, 0, Word},                                 // MXN_M
    {"XE22", 0x22, 1, 0, Byte},                                  // BITS: bit 2 NEF, bit 3 teach-in, bit 4 SSY
    {"XE23", 0x23, 1, 0, Byte},                                  // CON1
    {"XE24", 0x24, 1, 0, Byte},                                  // CON2
    {"XE25", 0x25, 1, 0, Byte},                                  // COF1
    {"XE26", 0x26, 1, 0, Byte},                                  // COF2
    {"XE27", 0x27, 1, 0, Byte},                                  // SH1
    {"XE28", 0x28, 1, 0, Byte},                                  // SH2
    {"XE29", 0x29, 1, 0, 2},                                     // OM1 (analogue: 0 both, 1 current, 2 voltage)
    {"XE2A", 0x2A, 1, 0, 1},                                     // OM2
    {"XE2B", 0x2B, 1, 0, 2},                                     // OPM1 (analogue: 0 rising, 1 falling, 2 zero line)
    {"XE2C", 0x2C, 1, 0, 2},                                     // OPM2
    {"XE2D", 0x2D, 1, 0, 2},                                     // FSF
    {"XE2E", 0x2E, 1, 0, 25, false, false, EchoCell::Needs::FirmwareV2},    // POTI1 lateral beam width
    {"XE2F", 0x2F, 1, 0, 25, false, false, EchoCell::Needs::FirmwareV2},    // POTI2 axial beam width
    {"XE6E", 0x6E, 1, 3, 28},                                    // SEN sensitivity
    {"WXE72", 0x72, 2, -32768, 32767, true, true, EchoCell::Needs::Analog},  // IEND current end value
    {"WXE74", 0x74, 2, -32768, 32767, true, true, EchoCell::Needs::Analog},  // UEND voltage end value
};

constexpr unsigned TeachInBit = 0x08;

// QF8200Echo: echoes every byte, keeps its parameters in memory cells read
// with "RM,<cell>" (hex digits back) and written with "WM,<cell>,<hex>" (80h
// back; wrong width, non-hex or out of range 81h; unknown or read-only cell
// 82h). Two switch outputs, or an analogue output (type with "IU") asked with
// "IU"; no master mode.
class Qf8200EchoLine final : public LineModel {
public:
    explicit Qf8200EchoLine(const Variant& variant);

private:
    std::string lineCommand(const std::string& key, const std::optional<std::string>& value,
                            std::int64_t now) override;
    void restoreFactory() override { memory_ = factory_; }
    void storeUserConfig() override { user_ = memory_; }
    void recallUserConfig() override { memory_ = user_; }
    double soundSpeed() const override;
    bool echoReceived(double distanceMm) const override;
    int switchOutputCount() const override { return variant_.analog ? 0 : 2; }
    SwitchSetting switchSetting(int output) const override;
    std::optional<long> analogValue(double distanceMm) const override;

    const EchoCell* cell(std::string_view name) const;
    long read(const EchoCell& cell) const;
    long byteAt(unsigned address) const { return memory_[address]; }
    long wordAt(unsigned address) const { return memory_[address] * 256 + memory_[address + 1]; }
    void put(unsigned address, int bytes, long value);

    Variant variant_;
    std::array<unsigned char, 128> memory_{};
    std::array<unsigned char, 128> factory_{};
    std::array<unsigned char, 128> user_{};
};

LineModel::Traits traitsFor(const Variant& v) {
    LineModel::Traits traits;
    traits.identity = identityFor(v.analog ? "QE2000-62HN-IU" : "QE3000-62HN", "E1.2", v.firmwareV2);
    traits.rangeMm = v.analog ? 2000 : 3000;
    traits.echoes = true;
    traits.analogCommand = "IU";
    return traits;
}

SwitchMode modeOf(long code) {
    if (code == 1) return SwitchMode::Window;
    if (code == 2) return SwitchMode::TwoPoint;
    return SwitchMode::Point;
}

Qf8200EchoLine::Qf8200EchoLine(const Variant& v) : LineModel(traitsFor(v)), variant_(v) {
    const std::pair<unsigned, long> words[] = {
        {0x02, 300}, {0x04, 800}, {0x0B, 700}, {0x0D, 1200}, {0x0F, 33130}, {0x11, -50},
        {0x13, 200}, {0x15, v.analog ? 2000 : 3000}, {0x19, 0}, {0x20, 5},
        {0x07, v.analog ? 300 : 500}, {0x09, v.analog ? 1500 : 1000}, {0x72, 400}, {0x74, 1000}};
    for (auto [address, value] : words) put(address, 2, value);
    const std::pair<unsigned, long> bytes[] = {
        {0x06, v.analog ? 0 : 1}, {0x1D, 3}, {0x1E, 2}, {0x1F, 2}, {0x27, 5}, {0x28, 5}, {0x2A, 1},
        {0x2B, v.analog ? 0 : 1}, {0x2C, 2}, {0x2E, 10}, {0x2F, 8}, {0x6E, 10}};
    for (auto [address, value] : bytes) put(address, 1, value);
    factory_ = user_ = memory_;
    takeFactorySoundSpeedAsTrue();
}

const EchoCell* Qf8200EchoLine::cell(std::string_view name) const {
    for (const EchoCell& c : Cells) {
        if (name != c.name) continue;
        if (c.needs == EchoCell::Needs::Analog && !variant_.analog) return nullptr;
        if (c.needs == EchoCell::Needs::FirmwareV2 && !variant_.firmwareV2) return nullptr;
        return &c;
    }
    return nullptr;
}

long Qf8200EchoLine::read(const EchoCell& c) const {
    const long raw = c.bytes == 2 ? wordAt(c.address) : byteAt(c.address);
    return c.isSigned && raw > 32767 ? raw - 65536 : raw;
}

void Qf8200EchoLine::put(unsigned address, int bytes, long value) {
    const auto raw = static_cast<unsigned>(value) & (bytes == 2 ? 0xFFFFu : 0xFFu);
    if (bytes == 2) {
        memory_[address] = static_cast<unsigned char>(raw >> 8);
        memory_[address + 1] = static_cast<unsigned char>(raw & 0xFF);
    } else {
        memory_[address] = static_cast<unsigned char>(raw);
    }
}

std::string Qf8200EchoLine::lineCommand(const std::string& key, const std::optional<std::string>& value,
                                        std::int64_t) {
    if (!value || (key != "RM" && key != "WM")) return statusAnswer(Status::InvalidCommand);
    const std::vector<std::string> parts = splitAt(*value, ',');
    const EchoCell* c = cell(parts.front());
    if (!c) return statusAnswer(Status::InvalidCommand);
    const auto digits = static_cast<std::size_t>(2 * c->bytes);
    if (key == "RM") {
        if (parts.size() != 1) return statusAnswer(Status::InvalidCommand);
        return hexText(c->bytes == 2 ? static_cast<unsigned>(wordAt(c->address)) : memory_[c->address],
                       static_cast<int>(digits));
    }
    if (c->readOnly) return statusAnswer(Status::InvalidCommand);
    if (parts.size() != 2) return statusAnswer(Status::InvalidParameter);
    auto raw = parseHex(parts[1], digits);
    if (!raw) return statusAnswer(Status::InvalidParameter);
    long number = static_cast<long>(*raw);
    if (c->isSigned && number > 32767) number -= 65536;
    if (number < c->lowest || number > c->highest) return statusAnswer(Status::InvalidParameter);
    put(c->address, c->bytes, number);
    return statusAnswer(Status::Ok);
}

double Qf8200EchoLine::soundSpeed() const {
    const long offset = read(*cell("WXE11"));
    return soundVelocityAt(static_cast<double>(wordAt(0x0F)),
                           static_cast<double>(MeasuredTemperatureTenthK + offset)) / 100;
}

bool Qf8200EchoLine::echoReceived(double d) const { return d >= wordAt(0x13) && d <= wordAt(0x15); }

SwitchSetting Qf8200EchoLine::switchSetting(int output) const {
    SwitchSetting s;
    if (output == 1 && (byteAt(0x22) & TeachInBit)) {
        // Taught in: output 1 works with the taught points and mode.
        s.mode = modeOf(byteAt(0x06));
        s.a = static_cast<double>(wordAt(0x02));
        s.b = static_cast<double>(wordAt(0x04));
    } else {
        s.mode = modeOf(byteAt(output == 1 ? 0x2B : 0x2C));
        s.a = static_cast<double>(wordAt(output == 1 ? 0x07 : 0x09));
        s.b = static_cast<double>(wordAt(output == 1 ? 0x0B : 0x0D));
    }
    s.hysteresisPercent = static_cast<double>(byteAt(output == 1 ? 0x27 : 0x28));
    return s;
}

std::optional<long> Qf8200EchoLine::analogValue(double d) const {
    if (!variant_.analog) return std::nullopt;
    double fraction = rampFraction(d, static_cast<double>(wordAt(0x07)), static_cast<double>(wordAt(0x09)));
    if (byteAt(0x2B) == 1) fraction = 1 - fraction;  // falling ramp
    // The value is scaled to the end value of the output kind, as the display window expects.
    const double currentEnd = static_cast<double>(read(*cell("WXE72")));
    const double voltageEnd = static_cast<double>(read(*cell("WXE74")));
    const long kind = byteAt(0x29);
    const double end = kind == 1 ? currentEnd : kind == 2 ? voltageEnd : (currentEnd + voltageEnd) / 2;
    return std::lround(fraction * end);
}

}  // namespace

std::unique_ptr<LineModel> makeQf8200EchoLine(const Variant& variant) {
    return std::make_unique<Qf8200EchoLine>(variant);
}

}  // namespace sensorsim
