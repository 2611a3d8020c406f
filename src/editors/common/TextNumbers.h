#pragma once
#include <QString>
#include <optional>

// Small readings of value texts that several editors' encodings share.
namespace TextNumbers {

// The integer conversion (halves to even); nothing beyond 16 bits.
std::optional<int> ToInteger(double value);

// The text after the first ","; empty when there is none.
QString AfterComma(const QString& value);

}  // namespace TextNumbers
