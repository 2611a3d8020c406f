#pragma once
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Small text helpers for the sensor's ASCII protocol. The sensor reads
// numbers strictly: a value with anything but the expected characters is an
// invalid parameter, never "the leading number".
namespace sensorsim {

std::string toUpper(std::string_view text);

// An optional sign followed by decimal digits and nothing else.
std::optional<long> parseInteger(std::string_view text);

// Like parseInteger, with an optional "." and fraction digits.
std::optional<double> parseDecimal(std::string_view text);

// value in decimal, left-filled with zeros to width digits (a sign comes first).
std::string zeroPadded(long value, int width);

// The pieces of text between the separators (one piece for a text without any).
std::vector<std::string> splitAt(std::string_view text, char separator);

// The hex digits as a number; nullopt unless the text is exactly digits
// characters long and every one is a hex digit (either case).
std::optional<unsigned> parseHex(std::string_view text, std::size_t digits);

// value as upper-case hex, left-filled with zeros to digits.
std::string hexText(unsigned value, int digits);

}  // namespace sensorsim
