#include "core/MovingTarget.h"

namespace sensorsim {

MovingTarget::MovingTarget(double nearMm, double farMm, std::int64_t periodMs)
    : near_(nearMm), far_(farMm), period_(periodMs > 1 ? periodMs : 2) {}

double MovingTarget::distanceAt(std::int64_t ms) const {
    std::int64_t phase = ms % period_;
    if (phase < 0) phase += period_;
    const double half = static_cast<double>(period_) / 2;
    const double way = phase < half ? phase / half : (period_ - phase) / half;
    return near_ + (far_ - near_) * way;
}

}  // namespace sensorsim
