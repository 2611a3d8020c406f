#include "editors/common/TransferReport.h"

#include "frame/Message.h"

namespace {

constexpr int MessageCommitRefused = 15;
constexpr int MessageCommitUnanswered = 16;
constexpr int MessageTransferIncomplete = 17;

QString listed(const QStringList& names) {
    return names.isEmpty() ? QStringLiteral("-") : names.join(QStringLiteral(", "));
}

}  // namespace

void TransferReport::ShowFailedCommit(const QString& name, WriteOutcome outcome) {
    if (outcome == WriteOutcome::Taken) return;
    ShowMessage(outcome == WriteOutcome::Refused ? MessageCommitRefused : MessageCommitUnanswered, std::nullopt,
                std::nullopt, name);
}

void TransferReport::Add(const QString& name, WriteOutcome outcome) {
    if (outcome == WriteOutcome::Refused) refused_.append(name);
    if (outcome == WriteOutcome::Unanswered) unanswered_.append(name);
}

void TransferReport::AddInvalidInFile(const QString& name) { invalidInFile_.append(name); }

void TransferReport::ShowAndClear() {
    if (refused_.isEmpty() && unanswered_.isEmpty() && invalidInFile_.isEmpty()) return;
    const QString arguments =
        listed(refused_) + QLatin1Char('|') + listed(unanswered_) + QLatin1Char('|') + listed(invalidInFile_);
    refused_.clear();
    unanswered_.clear();
    invalidInFile_.clear();
    ShowMessage(MessageTransferIncomplete, std::nullopt, std::nullopt, arguments);
}
