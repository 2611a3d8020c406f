#pragma once
#include "editors/common/WriteOutcome.h"
#include "link/Ports.h"

#include <QString>
#include <optional>

// The two requests an editor makes of the command layer, as every editor
// makes them: reads logged to the traffic monitor with retries, writes logged
// with the default answer timeout. A file number means an open parameter
// file instead of the sensor. Tests install a recording fake.
class EditorLink {
public:
    virtual ~EditorLink() = default;

    // Returns the answer length, 0 for no answer.
    virtual int SendCommand(const QString& command, QString& answer, Ports::AnswerBytes& answerBytes,
                            std::optional<int> fileNo) = 0;
    // "KEY,VALUE" to the sensor (the bare key for an empty value, which
    // awaits no answer), or the line "KEY=VALUE" to a file; how the sensor
    // took it (a file line and a bare key count as taken).
    virtual WriteOutcome SetParameter(const QString& key, const QString& value, std::optional<int> fileNo) = 0;
};

namespace Editors {

// The command layer (Sensor::SendCommand, Sensor::SetParameter) unless a
// test installed another link; nullptr restores it.
void SetLink(EditorLink* link);
EditorLink& Link();

}  // namespace Editors
