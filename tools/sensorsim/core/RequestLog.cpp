#include "core/RequestLog.h"

#include "core/Text.h"

namespace sensorsim {

std::string logLine(std::string_view request) {
    std::string line;
    for (char c : request) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte <= 0x7E && c != '\\') line += c;
        else line += "\\x" + hexText(byte, 2);
    }
    return line;
}

}  // namespace sensorsim
