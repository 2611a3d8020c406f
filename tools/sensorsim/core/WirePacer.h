#pragma once
#include <cstdint>

namespace sensorsim {

// One direction of a serial line at a baud rate: 10 bits a byte (start bit,
// 8 data bits, stop bit), one byte after the other. Times are in ns.
class WirePacer {
public:
    explicit WirePacer(int baud);  // 0 or less: no line, bytes pass at once

    // The time a byte that is ready at readyNs has crossed the line.
    std::int64_t pass(std::int64_t readyNs);

private:
    std::int64_t byteNs_;
    std::int64_t lineFreeNs_ = 0;
};

}  // namespace sensorsim
