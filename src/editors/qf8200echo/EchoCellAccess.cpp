#include "editors/qf8200echo/EchoCellAccess.h"

#include "editors/common/EditorLink.h"
#include "editors/qf8200echo/EchoModel.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "link/TrafficLog.h"

namespace {

// A write's answer is awaited this long; a sensor busy storing a cell is slow.
constexpr int WriteTimeoutMs = 500;
constexpr int DefaultTimeout = 0;
const QString FactorySensitivity = QStringLiteral("6");

void log(const char* prefix, const QString& text) { TrafficLog::Offer({QString::fromLatin1(prefix), text, false}); }

}  // namespace

bool EchoCellAccess::TakesPart(const ParamRec& rec) const { return model_.TakesPart(rec); }

std::optional<QString> EchoCellAccess::ReRead(ParamRec& rec, const QString& request) const {
    const ParamRec previous = rec;
    QString answer;
    rec.AnswerLength = qint16(Editors::Link().ReadUnlogged(request, answer, rec.RawAnswer));
    rec.Value = model_.ToDisplay(rec, answer);
    log("W: ", rec.RuleKey);
    log("R: ", rec.Value);
    std::optional<QString> error = EchoCells::AnswerError(answer, model_.StatusTexts());
    if (error) {
        rec.Value = previous.Value;
        rec.RawAnswer = previous.RawAnswer;
        rec.AnswerLength = previous.AnswerLength;
    }
    NoteAnswerStretch(rec, !error);
    return error;
}

WriteOutcome EchoCellAccess::Write(const ParamRec& rec, const QString& value) const {
    const std::optional<QString> answer = WriteCell(rec, value, WriteTimeoutMs);
    return answer ? OutcomeOfAnswer(*answer) : WriteOutcome::Refused;
}

std::optional<WriteOutcome> EchoCellAccess::WriteDataSet(const ParamRec& rec) const {
    const std::optional<QString> answer = WriteCell(rec, rec.Value, WriteTimeoutMs);
    if (!answer) return std::nullopt;
    log("R: ", *answer);
    return OutcomeOfAnswer(*answer);
}

void EchoCellAccess::WriteDefaultSensitivity() const {
    if (model_.Has(QF8200Echo::SEN)) WriteCell(model_[QF8200Echo::SEN], FactorySensitivity, DefaultTimeout);
}

std::optional<QString> EchoCellAccess::WriteCell(const ParamRec& rec, const QString& value, int timeoutMs) const {
    const std::optional<QString> hex = model_.ToSensor(rec, value);
    if (!hex) return std::nullopt;
    const QString answer = Editors::Link().WriteUnlogged(rec.WriteCommand, *hex, timeoutMs);
    log("W: ", rec.RuleKey + QLatin1Char(',') + value);
    return answer;
}
