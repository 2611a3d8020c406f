#pragma once
#include "core/Config.h"

#include <string>
#include <vector>

namespace sensorsim {

// What the command line of the sensorsim program asks for.
struct ProgramOptions {
    SensorConfig sensor;
    std::string linkPath;  // a symbolic link to the pseudo-terminal, removed at the end
    std::string logPath;   // the request log
    bool help = false;
};

struct ParsedOptions {
    ProgramOptions options;
    std::string error;  // empty when the command line is good
};

// Parses the arguments after the program name ("--flag value" or "--flag=value").
ParsedOptions parseOptions(const std::vector<std::string>& arguments);

std::string usageText();

}  // namespace sensorsim
