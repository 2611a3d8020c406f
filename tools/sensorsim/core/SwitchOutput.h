#pragma once

namespace sensorsim {

// How a switch output turns its switch points into a state.
enum class SwitchMode {
    Point,       // active while the object is nearer than point a
    Window,      // active while the object lies between a and b
    TwoPoint,    // turns active at the nearer point, inactive at the farther one
};

struct SwitchSetting {
    SwitchMode mode = SwitchMode::Point;
    double a = 0;                  // mm
    double b = 0;                  // mm; Window and TwoPoint only
    double hysteresisPercent = 0;  // widens the active zone once active, so that the state does not chatter
    bool enabled = true;           // an inactive output is never active
};

// One switch output with its memory: with hysteresis the state depends on
// where the object came from.
class SwitchOutput {
public:
    bool update(const SwitchSetting& setting, double distanceMm);
    void reset() { active_ = false; }

private:
    bool active_ = false;
};

}  // namespace sensorsim
