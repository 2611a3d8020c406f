#include "core/DipSwitches.h"

#include "core/Text.h"

namespace sensorsim {

DipSettings decodeDipSwitches(std::string_view hexDigits) {
    const unsigned switches = parseHex(hexDigits.substr(0, 2), 2).value_or(0);
    const unsigned ninth = hexDigits.size() > 2 ? parseHex(hexDigits.substr(2, 1), 1).value_or(0) : 0;
    constexpr long Step = 250;
    DipSettings settings;
    settings.point1 = Step * ((switches >> 4) + 1);
    settings.point2 = settings.point1 + Step * ((switches & 0x0F) + 1);
    settings.output1NormallyClosed = ninth != 0;
    return settings;
}

}  // namespace sensorsim
