#include "core/SoundVelocity.h"

#include <cmath>

namespace sensorsim {

double soundVelocityAt(double velocityAtZero, double temperatureTenthK) {
    constexpr double ZeroCelsiusTenthK = 2731.5;
    if (temperatureTenthK <= 0) return 0;
    return velocityAtZero * std::sqrt(temperatureTenthK / ZeroCelsiusTenthK);
}

long recalibratedVelocity(long velocity, double referenceMm, double measuredMm) {
    if (measuredMm <= 0) return 0;
    return std::lround(static_cast<double>(velocity) * referenceMm / measuredMm);
}

}  // namespace sensorsim
