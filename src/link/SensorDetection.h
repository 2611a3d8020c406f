#pragma once
#include "link/Ports.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// Finding out which sensor is connected (or which sensor a parameter file was
// written for) and starting its editor.
namespace Sensor {

// Full (re)initialisation: identification, editor choice, editor start.
// Without a file number the live sensor is probed; with one, the open
// parameter file answers and OfflineMode is set. A detection the user
// cancels leaves the previous editor with the data source and identification
// it had.
void DetectSensor(std::optional<int> fileNumber = std::nullopt);

// Whether a sensor answers "ID" (always True for a parameter file). A port
// that is not open (its device went away, or it failed to open) is opened
// again first.
bool IsSensorConnected(std::optional<int> fileNumber = std::nullopt);

// Fills the identification texts from "ID", "VER" and "DAT"; clears
// SensorType when the identification cannot be taken apart. Notes the
// stretch of the line each came in.
void ReadSensorIdent(std::optional<int> fileNumber = std::nullopt);
// "ID", "VER" or "DAT" as printable text; empty for an answer with any other byte.
QString IdentText(const QString& command, std::optional<int> fileNumber);
// One reading of the identification texts, each asked with `read` (by
// default as a printable text from the sensor or the file).
using IdentReader = std::function<QString(const QString& command, std::optional<int> fileNumber)>;
void ReadIdentTexts(std::optional<int> fileNumber = std::nullopt, const IdentReader& read = IdentText);
// Whether the identification read last came while answers were shifted on
// the line (known once the line is in step again: waits for that).
bool IdentTakenOutOfStep();
// Reads the identification again, each text with the line's guard after
// it; a text shifted on every one of a few readings is cleared.
void ReadSensorIdentAgain();
// One identification text from the sensor read so: empty when it was
// shifted every time.
QString IdentTextInStep(const QString& command);
// The identification texts as marks that bring the line back in step
// (Ports::SetStepMarks): once known they must be answered exactly so,
// before that in their form.
QList<Ports::StepMark> IdentificationMarks();

// Takes an "ID" answer apart into type, EPROM and version texts. False (with
// the type cleared) when the text has no type word or no "Version" behind it.
bool ParseSensorInfo(const QString& idText, QString& type, QString& eprom, QString& version);

// Asks whether to save a changed offline data set; False = the caller stops.
bool QuerySaveChanges();

}  // namespace Sensor
