#include "link/SensorState.h"

namespace Sensor {

SensorStateData& State() {
    static SensorStateData state;
    return state;
}

void ResetStateForTests() { State() = SensorStateData(); }

}  // namespace Sensor
