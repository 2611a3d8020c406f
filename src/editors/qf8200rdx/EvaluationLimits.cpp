#include "editors/qf8200rdx/EvaluationLimits.h"

#include "frame/NumberFormat.h"

#include <cmath>
#include <limits>
#include <optional>

namespace EvaluationLimits {
namespace {

constexpr int Bases[] = {110, 114, 108};
constexpr int LowestLower = 700, HighestLower = 900;
constexpr int LowestUpper = 3900, HighestUpper = 4100;

std::optional<int> readByte(const CellReader& readCell, int cell) {
    const double number = std::nearbyint(NumberFormat::LeadingNumber(readCell(cell)));
    if (number < 0 || number > 255) return std::nullopt;
    return int(number);
}

// The signed 16-bit word of a low and a high byte.
int word(int low, int high) { return qint16(quint16(low + 256 * high)); }

std::optional<int> readWord(const CellReader& readCell, int lowCell, int highCell) {
    // The low byte's cell is read first.
    const std::optional<int> low = readByte(readCell, lowCell);
    const std::optional<int> high = readByte(readCell, highCell);
    if (!low || !high) return std::nullopt;
    return word(*low, *high);
}

std::optional<Limits> tryBase(const CellReader& readCell, int base) {
    const std::optional<int> lower = readWord(readCell, base + 1, base);
    if (!lower || *lower < LowestLower || *lower > HighestLower) return std::nullopt;
    const std::optional<int> span = readWord(readCell, base + 3, base + 2);
    if (!span) return std::nullopt;
    const int upper = *lower + *span;
    if (upper > std::numeric_limits<qint16>::max() || upper < std::numeric_limits<qint16>::min()) return std::nullopt;
    if (upper < LowestUpper || upper > HighestUpper) return std::nullopt;
    return Limits{*lower, upper};
}

}  // namespace

Limits Search(const CellReader& readCell) {
    for (int base : Bases)
        if (const std::optional<Limits> found = tryBase(readCell, base)) return *found;
    return {DefaultLower, DefaultUpper};
}

QString ReadCellCommand(int cell) { return QStringLiteral("RM,E%1").arg(cell); }

QString DiagnosticsText(const QString& name, int value) {
    // A number that is not negative is written with a blank for its sign.
    return name + QStringLiteral(" =") + (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value);
}

}  // namespace EvaluationLimits
