#include "editors/common/TextNumbers.h"

#include "frame/NumberFormat.h"
#include "frame/RuntimeError.h"

namespace TextNumbers {

std::optional<int> ToInteger(double value) {
    try {
        return NumberFormat::CInt(value);
    } catch (const RuntimeError&) {
        return std::nullopt;
    }
}

QString AfterComma(const QString& value) {
    const qsizetype comma = value.indexOf(QLatin1Char(','));
    return comma < 0 ? QString() : value.mid(comma + 1);
}

}  // namespace TextNumbers
