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

void RequestLog::write(const std::vector<std::string>& requests) {
    for (const std::string& request : requests) out_ << logLine(request) << '\n';
    out_.flush();
}

void RequestLog::writeCut(std::string_view line) {
    if (line.empty()) return;
    out_ << "(cut) " << logLine(line) << '\n';
    out_.flush();
}

}  // namespace sensorsim
