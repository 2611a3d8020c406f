#pragma once
#include <QtGlobal>

#include <optional>

// The two live windows that the poll cycle feeds: the large distance readout
// (frmDistance) and the distance-and-switch display (frmShowIt). Each window
// installs itself when it is built; until then a stand-in reports the window
// as not loaded and ignores every update. A distance is in mm, negative when
// the sensor reported an error, and none when it did not answer.
class DistanceReadoutLink {
public:
    virtual ~DistanceReadoutLink() = default;
    virtual bool Loaded() const = 0;
    virtual void SetDistance(std::optional<qint32> distance) = 0;
};

class SwitchDisplayLink {
public:
    virtual ~SwitchDisplayLink() = default;
    virtual bool Loaded() const = 0;
    // fault: switch output 1 reports its error state.
    virtual void SetDistance(std::optional<qint32> distance, qint32 analog, bool fault) = 0;
    // Per output: 0 inactive, 1 active, 2 error, -1 no answer.
    virtual void SetState(int state1, int state2) = 0;
};

namespace Sensor {

// nullptr restores the stand-in.
void SetDistanceReadout(DistanceReadoutLink* readout);
DistanceReadoutLink& DistanceReadout();
void SetSwitchDisplay(SwitchDisplayLink* display);
SwitchDisplayLink& SwitchDisplay();

}  // namespace Sensor
