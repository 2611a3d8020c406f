#pragma once
#include <QString>
#include <optional>

// The temperatures of the lines that correct the sound velocity for the
// temperature (QF8200, QF8200RDX), kept by the sensor in 0.1 K.
namespace TemperatureTexts {

// The offset added to the sensor's thermometer (TO), shown in K.
QString ShowOffset(const QString& value);

// The absolute temperature (TEM), shown in degrees Celsius. The tenths shown
// are the value less 2731, so that composing what is shown gives the value
// back: passing through the field must never shift the sensor's temperature.
QString Show(const QString& value);
// Nothing for an empty text or one that is no number.
std::optional<QString> Compose(const QString& typed);

}  // namespace TemperatureTexts
