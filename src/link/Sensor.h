#pragma once
#include "link/Ports.h"

#include <QString>
#include <optional>

// The command layer: every conversation with the sensor passes through here.
// Other files (detection, sensor commands) add further functions to this namespace.
namespace Sensor {

// Sends one request and returns the answer length (0 = no answer).
// A command "~n~REQ" expects exactly n answer bytes; "^n^REQ" refuses an
// answer longer than n characters. Retries (RetryCount tries) on a missing
// answer and on the status bytes 81h to 84h; in echo mode one more round
// follows with the echo pause after every byte. A refusal stays the answer
// when a later try brings none. With a file number the
// answer comes from that open parameter file and nothing is sent.
// answer receives the counted bytes as Latin-1 text, answerBytes the raw bytes.
int SendCommand(const QString& command, QString& answer, Ports::AnswerBytes& answerBytes,
                std::optional<int> fileNo = std::nullopt, bool dynamic = false, bool useRetries = true,
                bool log = false);
// The stretch of the line (Ports::StepStretch) in which the answer the last
// SendCommand returned was taken; when it returned none, the stretch it ended
// in. A value taken from that answer is its own only when no proof came in
// that stretch (Ports::OutOfStepIn).
quint64 LastAnswerStretch();

// Writes one parameter: "name,value" to the sensor with retries (only the
// name when value is empty, and then no answer is awaited), or the line
// "name=value" to an open parameter file. False only for an empty name.
// answer, when given, receives the first valid answer; when every try was
// refused, the last refusal (a status byte 81h to 84h), so that the caller
// can tell a refused write from one nobody answered; it is left alone when
// no answer came. timeoutMs 0 takes the default answer timeout.
bool SetParameter(const QString& name, const QString& value, std::optional<int> fileNo = std::nullopt,
                  QString* answer = nullptr, bool log = false, int timeoutMs = 0);

// Ends the sensor's master (continuous output) mode: "MD,OFF" until the
// sensor answers 80h, at most 10 times.
void SetModeOff();

}  // namespace Sensor
