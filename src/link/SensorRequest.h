#pragma once
#include <QString>

#include <optional>

// The requests of detection and of the whole-sensor commands.
namespace Sensor {

// Sends one request with retries, logged as static traffic, and returns the
// answer text (empty for none). With a file number the open parameter file answers.
QString SendLoggedRequest(const QString& command, std::optional<int> fileNumber = std::nullopt);

// The pause a sensor needs after "RST", "DEF" or "RUC": five waits of half
// the answer timeout each.
void SettlePause();

}  // namespace Sensor
