// A sensor that answers later than the answer timeout, through the real
// serial code: what is read from it holds its own values only, so a full
// write afterwards sends no record another record's value.
#include "e2e/OwnValuesE2E.h"

namespace {

using LateSensorE2E = OwnValuesE2E;

// Late by a fifth of the timeout (like 120 ms against 100 ms), at a scale
// that keeps the test quick.
TEST_F(LateSensorE2E, FullWriteSendsOnlyTheSensorsOwnValues) {
    constexpr int TimeoutMs = 40;
    ExpectOnlyOwnValues("qf8200", {"--delay-ms", "48"}, TimeoutMs, TimeoutMs);
}

}  // namespace
