#include "editors/common/RecordAccess.h"

#include "editors/common/EditorLink.h"

std::optional<QString> RecordAccess::Read(ParamRec& rec) const {
    rec.AnswerLength = qint16(Editors::Link().SendCommand(rec.Key, rec.Value, rec.RawAnswer, std::nullopt));
    NoteAnswerStretch(rec, rec.AnswerLength > 0);
    return std::nullopt;
}

std::optional<QString> RecordAccess::ReRead(ParamRec& rec, const QString& request) const {
    QString answer;
    Ports::AnswerBytes bytes{};
    const int count = Editors::Link().SendCommand(request, answer, bytes, std::nullopt);
    // A sensor that stopped answering must not wipe the values the editor
    // knows (an empty value would hide controls and be saved as empty).
    NoteAnswerStretch(rec, count > 0);
    if (count == 0) return std::nullopt;
    rec.Value = answer;
    rec.RawAnswer = bytes;
    rec.AnswerLength = qint16(count);
    return std::nullopt;
}

WriteOutcome RecordAccess::Write(const ParamRec& rec, const QString& value) const {
    return Editors::Link().SetParameter(rec.Key, value, std::nullopt);
}
