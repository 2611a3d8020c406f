#pragma once
#include <QtGlobal>

// Single bits of a byte, bit 0 the lowest.
namespace bit {

// 1 when bit n of b is set, else 0; 0 for bit numbers outside 0..7.
quint8 GetBit(quint8 b, int n);

// Sets bit n of b to v. Any non-zero v counts as 1 and is stored back as 1.
// Returns 1 when b changed, 0 when the bit already had that value (or n is
// outside 0..7, which leaves b alone).
int SetBit(quint8& b, int n, int& v);
inline int SetBit(quint8& b, int n, int&& v) { return SetBit(b, n, v); }

}  // namespace bit

using bit::GetBit;
using bit::SetBit;
