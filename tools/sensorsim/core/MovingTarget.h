#pragma once
#include <cstdint>

namespace sensorsim {

// The object in front of the sensor: it walks from the near end to the far end
// and back at a steady pace, so that distances and switch outputs change while
// a technician watches, and every time gives one known distance.
class MovingTarget {
public:
    MovingTarget(double nearMm, double farMm, std::int64_t periodMs);

    // The true distance in mm at a time in ms (time 0 is at the near end).
    double distanceAt(std::int64_t ms) const;

private:
    double near_;
    double far_;
    std::int64_t period_;
};

}  // namespace sensorsim
