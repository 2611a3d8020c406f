#pragma once
#include <string_view>

namespace sensorsim {

// What the DIP switches on a QF8200 or QT8200 set while they are in use
// (UDS 1). The state is read as hex digits: two for switches 1-8 (switch 1
// is the top bit), a third for switch 9.
struct DipSettings {
    long point1 = 0;                  // switches 1-4: switch point of output 1, 250 mm steps from 250 mm
    long point2 = 0;                  // switches 5-8: switch point of output 2 or far limit, 250 mm steps beyond point1
    bool output1NormallyClosed = false;  // switch 9
};

DipSettings decodeDipSwitches(std::string_view hexDigits);

}  // namespace sensorsim
