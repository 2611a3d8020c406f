#include "frame/bit.h"

namespace bit {
namespace {
bool validBit(int n) { return n >= 0 && n <= 7; }
}  // namespace

quint8 GetBit(quint8 b, int n) {
    if (!validBit(n)) return 0;
    return (b >> n) & 1;
}

int SetBit(quint8& b, int n, int& v) {
    if (v != 0) v = 1;
    if (!validBit(n) || GetBit(b, n) == v) return 0;
    b = static_cast<quint8>(v ? b | (1u << n) : b & ~(1u << n));
    return 1;
}

}  // namespace bit
