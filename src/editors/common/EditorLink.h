#pragma once
#include "editors/common/WriteOutcome.h"
#include "link/Ports.h"

#include <QString>
#include <optional>

// The requests an editor makes of the command layer: reads with retries and
// writes, logged to the traffic monitor, writes with the default answer
// timeout. A file number means an open parameter file instead of the sensor.
// Tests install a recording fake.
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

    // The same requests to the sensor for a line whose requests mean nothing
    // to a reader of the traffic monitor (memory cells): the command layer
    // logs none of them, the editor logs its own lines. A write sends
    // "REQUEST,VALUE", waits timeoutMs for the answer (0: the default time)
    // and returns it, empty for none.
    virtual int ReadUnlogged(const QString& request, QString& answer, Ports::AnswerBytes& answerBytes) = 0;
    virtual QString WriteUnlogged(const QString& request, const QString& value, int timeoutMs) = 0;
};

namespace Editors {

// The command layer (Sensor::SendCommand, Sensor::SetParameter) unless a
// test installed another link; nullptr restores it.
void SetLink(EditorLink* link);
EditorLink& Link();

}  // namespace Editors
