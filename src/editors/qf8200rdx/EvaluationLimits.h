#pragma once
#include <QString>
#include <functional>

// The QF8200RDX keeps the lower and upper limit of its evaluation range in
// its EEPROM, at one of three places that differ between software versions.
// Each place is four cells from a base cell b: the lower limit as a 16-bit
// word (cell b + 1 low byte, cell b high byte), then the span up to the upper
// limit (b + 3 low, b + 2 high). "RM,E<n>" reads cell n as a decimal byte.
namespace EvaluationLimits {

constexpr int DefaultLower = 800;
constexpr int DefaultUpper = 4000;

struct Limits {
    int lower = 0;
    int upper = 0;
    bool operator==(const Limits&) const = default;
};

// The answer to reading one cell; empty when the sensor gave none.
using CellReader = std::function<QString(int cell)>;

// Tries the bases 110, 114 and 108 in this order. A place counts when its
// lower limit lies in 700..900 and its upper limit in 3900..4100; an answer
// that is no byte (no number counts as 0) or a sum beyond 16 bits makes that
// place fail as a whole, so that limits are never pieced together from two
// places. Without a place that counts: 800 and 4000.
Limits Search(const CellReader& readCell);

// The request that reads a cell: "RM,E111".
QString ReadCellCommand(int cell);

// The traffic monitor's diagnostics line of a limit: "MINRELDIS = 800".
QString DiagnosticsText(const QString& name, int value);

}  // namespace EvaluationLimits
