#pragma once

namespace sensorsim {

// The sensor's own thermometer reads 20.0 °C: 2931 in tenths of a kelvin.
constexpr long MeasuredTemperatureTenthK = 2931;

// Speed of sound in 0.01 m/s at an absolute temperature in 0.1 K, from the speed at 0 °C (0.01 m/s).
double soundVelocityAt(double velocityAtZero, double temperatureTenthK);

// A velocity corrected so that an object measured at measuredMm lies at referenceMm.
long recalibratedVelocity(long velocity, double referenceMm, double measuredMm);

}  // namespace sensorsim
