#pragma once
#include <string>
#include <string_view>

namespace sensorsim {

// A request as one line of the request log: printable ASCII as it is, every
// other byte and the backslash as \xHH (upper-case hex), so a line is
// unambiguous and never breaks.
std::string logLine(std::string_view request);

}  // namespace sensorsim
