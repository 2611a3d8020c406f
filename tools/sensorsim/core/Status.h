#pragma once
#include <string>

namespace sensorsim {

// The first byte of an answer that reports how the sensor took a command.
enum class Status : unsigned char {
    Ok = 0x80,
    InvalidParameter = 0x81,
    InvalidCommand = 0x82,
    Overflow = 0x83,
    HardwareError = 0x84,
};

// The answer text of a status: the status byte alone.
inline std::string statusAnswer(Status status) { return std::string(1, static_cast<char>(status)); }

}  // namespace sensorsim
