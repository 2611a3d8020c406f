#include "core/WirePacer.h"

#include <algorithm>

namespace sensorsim {

WirePacer::WirePacer(int baud) : byteNs_(baud > 0 ? (10 * 1'000'000'000LL + baud / 2) / baud : 0) {}

std::int64_t WirePacer::pass(std::int64_t readyNs) {
    if (byteNs_ == 0) return readyNs;
    lineFreeNs_ = std::max(lineFreeNs_, readyNs) + byteNs_;
    return lineFreeNs_;
}

}  // namespace sensorsim
