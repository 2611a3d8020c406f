#pragma once

// The quick-help topics that several editors show: the sound velocity the
// sensor computed (QF8200, QF8200Echo, QT8200) and its temperature offset
// (QF8200, QF8200Echo).
namespace SharedQuickHelp {

constexpr int SoundVelocity = 1101;
constexpr int TemperatureOffset = 1102;

// Adds their built-in German texts to the language system's table; the
// editors that show them call it, and only the first call adds them.
void Register();

}  // namespace SharedQuickHelp
