#pragma once
#include <QString>
#include <QVariant>

#include <optional>

class SensorEditor;

// Whole-sensor commands of the sensor menu and the bridges to the active
// editor's data set.
namespace Sensor {

// Factory defaults ("DEF" when send is True), then a new detection.
void SensorSetDefaults(bool send);
// The stored user configuration ("RUC" when send is True), then a new detection.
void RecallUserConfig(bool send);
// Stores the current settings as the user configuration ("SUC").
void StoreUserConfig();
// Starts the master-mode window now, or on the next poll cycle while polling
// runs; message 9 when the line has none.
void StartMasterMode(QString& mode);
// The editor's caption: the sensor type, plus " (file)" while offline.
void SetSensorCaption(SensorEditor& window);
// With a target file, the identification lines first; then the editor's
// WriteData with both arguments.
void SensorWriteData(std::optional<int> target = std::nullopt,
                     std::optional<QVariant> second = std::nullopt);
// The editor's readdata with the source.
void SensorReadData(std::optional<int> source = std::nullopt);

}  // namespace Sensor
