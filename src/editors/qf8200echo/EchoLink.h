#pragma once
#include "link/Ports.h"

#include <QString>

// The requests of the QF8200Echo editor. Its memory-cell requests mean
// nothing to a reader of the traffic monitor, so the command layer logs none
// of them: the editor writes its own lines by parameter name and value.
// Tests install a simulated sensor.
class EchoLink {
public:
    virtual ~EchoLink() = default;

    // Reads a cell with the command layer's retries; the answer length, 0
    // for no answer.
    virtual int Read(const QString& request, QString& answer, Ports::AnswerBytes& answerBytes) = 0;
    // Writes "request,hex" and returns the answer (empty for none); a
    // timeout of 0 waits the link's default time.
    virtual QString Write(const QString& request, const QString& hex, int timeoutMs) = 0;

    // The value of a key in an open parameter file; empty when the file has none.
    virtual QString ReadFile(const QString& key, int fileNo) = 0;
    // The line "key=value" into an open parameter file.
    virtual void WriteFile(const QString& key, const QString& value, int fileNo) = 0;
};

namespace QF8200Echo {

// The command layer unless a test installed another link; nullptr restores it.
void SetLink(EchoLink* link);
EchoLink& Link();

}  // namespace QF8200Echo
