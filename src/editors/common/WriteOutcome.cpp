#include "editors/common/WriteOutcome.h"

#include "link/Ports.h"

WriteOutcome OutcomeOfAnswer(const QString& answer) {
    if (answer.isEmpty()) return WriteOutcome::Unanswered;
    return Ports::IsErrorStatus(answer.at(0).unicode()) ? WriteOutcome::Refused : WriteOutcome::Taken;
}
