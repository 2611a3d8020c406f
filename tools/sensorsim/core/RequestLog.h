#pragma once
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace sensorsim {

// A request as one line of the request log: printable ASCII as it is, every
// other byte and the backslash as \xHH (upper-case hex), so a line is
// unambiguous and never breaks.
std::string logLine(std::string_view request);

// The request log (--log): one line per request the sensor received, each
// flushed at once, so that a test can read the log while the simulator runs.
class RequestLog {
public:
    explicit RequestLog(std::ostream& out) : out_(out) {}

    void write(const std::vector<std::string>& requests);
    // At the end: a request still cut short (bytes but no carriage return yet) as "(cut) " and its bytes, so
    // that a test sees a client left part of a line in the sensor. No bytes, no line.
    void writeCut(std::string_view line);

private:
    std::ostream& out_;
};

}  // namespace sensorsim
