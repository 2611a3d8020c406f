#include "link/DisplayWindows.h"

namespace {

class NoReadout : public DistanceReadoutLink {
public:
    bool Loaded() const override { return false; }
    void SetDistance(std::optional<qint32>) override {}
};

class NoDisplay : public SwitchDisplayLink {
public:
    bool Loaded() const override { return false; }
    void SetDistance(std::optional<qint32>, qint32, bool) override {}
    void SetState(int, int) override {}
};

NoReadout readoutStandIn;
NoDisplay displayStandIn;
DistanceReadoutLink* readout = &readoutStandIn;
SwitchDisplayLink* display = &displayStandIn;

}  // namespace

namespace Sensor {

void SetDistanceReadout(DistanceReadoutLink* window) { readout = window ? window : &readoutStandIn; }

DistanceReadoutLink& DistanceReadout() { return *readout; }

void SetSwitchDisplay(SwitchDisplayLink* window) { display = window ? window : &displayStandIn; }

SwitchDisplayLink& SwitchDisplay() { return *display; }

}  // namespace Sensor
