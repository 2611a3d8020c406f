#include "core/SwitchOutput.h"

#include <algorithm>

namespace sensorsim {

bool SwitchOutput::update(const SwitchSetting& s, double d) {
    if (!s.enabled) return active_ = false;
    const double nearer = std::min(s.a, s.b);
    const double farther = std::max(s.a, s.b);
    switch (s.mode) {
    case SwitchMode::Point: {
        const double margin = active_ ? s.a * s.hysteresisPercent / 100 : 0;
        active_ = d <= s.a + margin;
        break;
    }
    case SwitchMode::Window: {
        const double margin = active_ ? farther * s.hysteresisPercent / 100 : 0;
        active_ = d >= nearer - margin && d <= farther + margin;
        break;
    }
    case SwitchMode::TwoPoint:
        if (d <= nearer) active_ = true;
        else if (d >= farther) active_ = false;
        break;
    }
    return active_;
}

}  // namespace sensorsim
