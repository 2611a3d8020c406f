#pragma once
#include "core/ParamLine.h"

namespace sensorsim {

// A plain-command line that compensates the speed of sound for temperature
// (QF8200, QF8200RDX). It keeps the speed at 0 °C (VS0, 0.01 m/s) and the
// offset added to its thermometer (TO, 0.1 K); the temperature (TEM, 0.1 K)
// and the speed in use (VS) follow from them. Writing TEM sets TO; writing a
// reference distance (REF, mm) recalibrates VS0 so that the object measured
// now lies at that distance.
class CompensatedLine : public ParamLine {
protected:
    using ParamLine::ParamLine;

    void defineSoundParameters();
    double soundSpeed() const override;
    std::optional<std::string> reported(const std::string& key) const override;
    std::optional<Status> specialWrite(const std::string& key, const std::string& accepted, std::int64_t now) override;

private:
    long velocityInUse() const;  // 0.01 m/s
};

// The evaluation method of QF8200 and QF8200RDX: "NONE", "DYN,d", "PT1,w,d,t" or "MXN,m,n". A bare method
// word takes the sensor's own parameters for it; "0" means none.
std::optional<std::string> acceptEvalMethod(std::string_view text);

// The fail-safe behaviour of QF8200 and QF8200RDX: one mode digit 0-2 per output, then on a sensor with an
// analogue output "," and the fault current in 0.1 mA (-1 = none). A write without the current keeps the
// stored one; a current for a sensor without analogue output is refused.
std::optional<std::string> acceptFailSafe(std::string_view text, std::size_t outputs, bool analog,
                                          std::string_view stored);

}  // namespace sensorsim
