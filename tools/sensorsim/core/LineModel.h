#pragma once
#include "core/MovingTarget.h"
#include "core/Status.h"
#include "core/SwitchOutput.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sensorsim {

// What a sensor tells about itself on "ID", "VER" and "DAT".
struct Identity {
    std::string type;        // the type word, e.g. "QF6000-KR": line codes, then the range in mm from its third character
    std::string eprom;
    std::string version;     // e.g. "2.1"
    char versionLetter = 'A';
    std::string date;        // "04.03.2021"
    std::string time;        // "10:15:00"
};

// The identification of a sensor of this type, with the texts of its software generation.
Identity identityFor(std::string type, std::string eprom, bool firmwareV2);

// The command set every sensor line shares: identification, whole-sensor
// commands ("RST", "DEF", "SUC", "RUC"), master mode ("MD"), distance ("AD"),
// switch states ("SS1", ...) and the analogue value. Everything else is the
// line's own (parameter commands, memory cells). Requests arrive upper-cased
// and without their carriage return; answers leave without it.
class LineModel {
public:
    // A measurement every cycle; in master mode every measurement is sent.
    static constexpr std::int64_t MeasureCycleMs = 50;

    // What sets a line apart in the shared commands.
    struct Traits {
        Identity identity;
        double rangeMm = 3000;
        std::vector<std::string> masterModes;  // empty: the line has no master mode
        bool echoes = false;                   // echoes every byte it receives
        std::string analogCommand = "RD";      // the poll word of the analogue value
    };

    virtual ~LineModel() = default;
    LineModel(const LineModel&) = delete;
    LineModel& operator=(const LineModel&) = delete;

    std::string answer(std::string_view request, std::int64_t now);
    bool echoes() const { return traits_.echoes; }
    bool streaming() const { return !masterMode_.empty(); }
    // The measurement line master mode sends at this time (without carriage return).
    std::string streamLine(std::int64_t now);

protected:
    explicit LineModel(Traits traits);

    // A request that is none of the shared commands: key is the text before the first ",", value the rest.
    virtual std::string lineCommand(const std::string& key, const std::optional<std::string>& value,
                                    std::int64_t now) = 0;
    virtual void restoreFactory() = 0;
    virtual void storeUserConfig() = 0;
    virtual void recallUserConfig() = 0;

    // The speed of sound the sensor works with, m/s.
    virtual double soundSpeed() const = 0;
    // False when the sensor ignores an echo from this distance (blind range, reduced range).
    virtual bool echoReceived(double distanceMm) const;
    virtual int switchOutputCount() const = 0;
    virtual SwitchSetting switchSetting(int output) const = 0;  // output 1 .. switchOutputCount()
    // The raw analogue value for a distance; nullopt when the sensor has no analogue output.
    virtual std::optional<long> analogValue(double distanceMm) const = 0;
    // Master modes beyond "AD", "RD", "RT" and "SS"; nullopt for a mode the line does not know.
    virtual std::optional<std::string> lineMasterValue(const std::string& mode, std::optional<double> distanceMm);

    // Constructors call this once their factory values stand: the factory
    // speed of sound is the true one of the simulated air, so a sensor with
    // factory values measures true distances.
    void takeFactorySoundSpeedAsTrue();
    // The distance the sensor measures now (it scales with its speed of sound), nullopt without an echo.
    std::optional<double> measure(std::int64_t now) const;
    // Where a distance lies between the two ends of an analogue ramp, 0 to 1 (a far end nearer than the near end
    // makes a falling ramp).
    static double rampFraction(double distanceMm, double nearEnd, double farEnd);

private:
    std::string identification(const std::string& key) const;
    std::string masterCommand(const std::optional<std::string>& value);
    std::optional<std::string> masterValue(const std::string& mode, std::int64_t now);
    std::string switchState(int output, std::optional<double> distanceMm);

    Traits traits_;
    MovingTarget target_;
    double trueSoundSpeed_ = 0;
    std::string masterMode_;
    std::vector<SwitchOutput> outputs_;
};

}  // namespace sensorsim
