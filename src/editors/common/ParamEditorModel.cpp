#include "editors/common/ParamEditorModel.h"

#include "editors/common/EditorLink.h"
#include "editors/common/RWState.h"
#include "frame/Message.h"
#include "link/Ports.h"
#include "link/SensorCommands.h"
#include "link/SensorState.h"
#include "link/TakenValues.h"
#include "link/ValidationRules.h"
#include "platform/MsgBox.h"

#include <algorithm>
#include <map>

namespace {

constexpr int MessageReadError = 11;
// The error of a read whose answer the record cannot hold.
const QString InvalidAnswer = QStringLiteral("ungültige Antwort");
// The error of a record read twice while answers were shifted on the line.
const QString NotItsOwnAnswer = QStringLiteral("Antwort nicht eindeutig zuzuordnen");

const RecordAccess plainCommands;

// A value read from a parameter file stands for the answer the sensor gave
// when the file was written: its bytes become the raw answer, so that a
// parameter the sensor rejected (82h) stays invalid after the round trip.
void SetRawAnswerFromValue(ParamRec& rec) {
    const QByteArray bytes = rec.Value.toLatin1();
    rec.RawAnswer.fill(0);
    const int n = std::min<int>(bytes.size(), int(rec.RawAnswer.size()) - 1);
    std::copy_n(reinterpret_cast<const quint8*>(bytes.constData()), n, rec.RawAnswer.begin());
    rec.RawAnswer[size_t(n)] = '\r';
}

}  // namespace

ParamEditorModel::ParamEditorModel(int upperBound) : table_(upperBound), access_(&plainCommands) {}

void ParamEditorModel::Build(const std::vector<ParamRow>& rows) {
    if (initDone_) return;
    initDone_ = true;
    forms_.assign(size_t(table_.UpperBound()) + 1, ValueForms::Number);
    answerForms_.assign(forms_.size(), ValueForms::Number);
    int index = 0;
    for (const ParamRow& row : rows) {
        Sensor::InitParameter(table_[++index], row.id, row.key, row.stored, row.firstLink, row.nextLink,
                              row.altKey, row.readable, row.bulkWrite, row.ruleKey, row.writeCommand, row.group,
                              row.section, row.condition);
        forms_.at(size_t(index)) = row.form;
        answerForms_.at(size_t(index)) = row.answerForm.isEmpty() ? row.form : row.answerForm;
    }
    table_.Count = index;
}

void ParamEditorModel::Rebuild(const std::vector<ParamRow>& rows) {
    table_.Clear();
    initDone_ = false;
    Build(rows);
}

int ParamEditorModel::IndexOfId(int id) const {
    for (int i = 1; i <= table_.Count; ++i)
        if (table_[i].ID == id) return i;
    return 0;
}

int ParamEditorModel::IndexOfKey(const QString& key) const {
    for (int i = 1; i <= table_.Count; ++i)
        if (table_[i].Key == key) return i;
    return 0;
}

bool ParamEditorModel::IsValid(int index) const { return table_.InUse(index) && IsParDefValid(table_[index]); }

bool ParamEditorModel::Acceptable(int index, const QString& value) const {
    if (!table_.InUse(index)) return false;
    const ParamRec& rec = table_[index];
    return ValueForms::Fits(value, forms_.at(size_t(index))) && (!valueCheck_ || valueCheck_(rec, value)) &&
           Sensor::RuleAccepts(rec, value);
}

bool ParamEditorModel::IsRejected(const ParamRec& rec) {
    return !rec.Value.isEmpty() && rec.Value.at(0).unicode() == Ports::StatusInvalidCommand;
}

void ParamEditorModel::Fill(ParamRec& rec) {
    // A value in doubt is never shown as read; it stays marked until it is
    // read again.
    if (TakenOutOfStep(rec)) ClearValue(rec);
    if (fillForm_) fillForm_(rec);
}

void ParamEditorModel::ReadAll(std::optional<int> source, TransferProgress& progress) {
    TransferReport::Scope report(report_);
    BusyGuard busy(*this);
    if (!source) {
        progress.ShowForm(RWState::ReadMode, table_.Count + 1 + afterReadSteps_);
        progress.IncBar();
    }
    const bool complete = ReadRecords(source, progress);
    if (!source && complete) {
        const bool linesShifted = afterSensorRead_ && LineReadsShifted(progress);
        ReadAgainWhereOutOfStep([this](int index) { return ReadFromSensor(index); });
        if (linesShifted && LineReadsShifted(progress) && afterReadUnsure_) afterReadUnsure_();
    } else if (!source) {
        // A read cancelled or aborted is not made longer, but keeps nothing shifted.
        ReadAgainWhereOutOfStep(nullptr);
    }
    if (complete && afterTableShown_) afterTableShown_();
    if (!source) {
        progress.Unload();
    } else if (!Sensor::State().OfflineMode) {
        // A file opened while a sensor is connected: its values go to the
        // sensor, and what the sensor then holds is shown.
        Sensor::SensorWriteData();
        Sensor::SensorReadData();
    }
}

bool ParamEditorModel::ReadRecords(std::optional<int> source, TransferProgress& progress) {
    for (int i = 1; i <= table_.Count; ++i) {
        ParamRec& rec = table_[i];
        if (!source && !progress.IncBar(1, access_->ProgressComment(rec))) return false;
        if (!access_->TakesPart(rec) || !rec.Readable || (source && !rec.Stored)) continue;
        if (Sensor::IsParamSupported(rec)) {
            if (source) {
                TakeFileValue(i, *source);
            } else if (!ReadFromSensor(i)) {
                return false;
            }
        }
        Fill(rec);
    }
    return true;
}

bool ParamEditorModel::LineReadsShifted(TransferProgress& progress) {
    TakenValues taken;
    const quint64 first = Ports::StepStretch();
    afterSensorRead_(progress);
    taken.TookSince(0, first);
    return !taken.OutOfStep().isEmpty();
}

bool ParamEditorModel::ReadAgainWhereOutOfStep(const std::function<bool(int)>& readAgain) {
    // The line's guard first: a proof may still be on its way.
    Ports::ConfirmInStep();
    QList<int> inDoubt;
    for (int i = 1; i <= table_.Count; ++i)
        if (TakenOutOfStep(table_[i])) inDoubt.append(i);
    QStringList unread;
    bool goOn = static_cast<bool>(readAgain);
    for (const int index : inDoubt) {
        if (goOn) {
            goOn = readAgain(index);
            Ports::ConfirmInStep();
        }
        ParamRec& rec = table_[index];
        if (TakenOutOfStep(rec)) {
            LeaveNotRead(rec);
            if (goOn) unread.append(access_->Name(rec));
        }
        Fill(rec);
    }
    if (!unread.isEmpty())
        ShowMessage(MessageReadError, MsgBox::Information, std::nullopt,
                    unread.join(QStringLiteral(", ")) + QLatin1Char('|') + NotItsOwnAnswer);
    return goOn;
}

void ParamEditorModel::ClearValue(ParamRec& rec) {
    rec.Value.clear();
    rec.RawAnswer.fill(0);
    rec.AnswerLength = 0;
}

void ParamEditorModel::LeaveNotRead(ParamRec& rec) {
    ClearValue(rec);
    rec.Stretch = 0;
}

bool ParamEditorModel::ShiftedAnswer(const ParamRec& rec) const {
    Ports::ConfirmInStep();
    return TakenOutOfStep(rec);
}

bool ParamEditorModel::ReadFromSensor(int index) {
    ParamRec& rec = table_[index];
    while (const std::optional<QString> error = ReadChecked(index)) {
        if (ShiftedAnswer(rec)) break;
        const int choice = ShowMessage(MessageReadError, MsgBox::AbortRetryIgnore, std::nullopt,
                                       access_->Name(rec) + QLatin1Char('|') + *error);
        if (choice == MsgBox::Abort) return false;
        if (choice == MsgBox::Ignore) {
            rec.Value.clear();   // not read
            break;
        }
    }
    return true;
}

std::optional<QString> ParamEditorModel::ReadChecked(int index, const std::optional<QString>& request) {
    ParamRec& rec = table_[index];
    if (std::optional<QString> error = request ? access_->ReRead(rec, *request) : access_->Read(rec)) return error;
    // No answer or a status byte is no value either, and the record stays as
    // the line's access left it.
    if (!IsParDefValid(rec) || AnswerFitsForm(index)) return std::nullopt;
    // The protocol has no checksum: line noise, or digits run into noise,
    // arrive as an answer like any other. Shown, saved or written back it
    // would become the sensor's setting. The record keeps the stretch the
    // answer came in: a shift on the line may explain it.
    ClearValue(rec);
    return InvalidAnswer;
}

bool ParamEditorModel::AnswerFitsForm(int index) const {
    const ParamRec& rec = table_[index];
    // A read without an answer leaves the last one in place, which fitted
    // when it came; a record with none holds a value typed or loaded.
    if (rec.AnswerLength <= 0) return true;
    const QString answer = QString::fromLatin1(reinterpret_cast<const char*>(rec.RawAnswer.data()),
                                               std::min<int>(rec.AnswerLength, int(rec.RawAnswer.size())));
    return ValueForms::Fits(answer, answerForms_.at(size_t(index)));
}

void ParamEditorModel::TakeFileValue(int index, int fileNo) {
    ParamRec& rec = table_[index];
    rec.Stretch = 0;
    rec.AnswerLength = qint16(Editors::Link().SendCommand(access_->Name(rec), rec.Value, rec.RawAnswer, fileNo));
    SetFileAnswer(rec);
    // A value the sensor gave (a status byte, nothing) stays what it is: not read.
    if (!IsParDefValid(rec) || Acceptable(index, rec.Value)) return;
    report_.AddInvalidInFile(access_->Name(rec));
    rec.Value.clear();
    rec.AnswerLength = 0;
    SetFileAnswer(rec);
}

void ParamEditorModel::SetFileAnswer(ParamRec& rec) const {
    if (access_->FileHoldsAnswers()) {
        SetRawAnswerFromValue(rec);
        return;
    }
    rec.RawAnswer.fill(0);
    rec.AnswerLength = 0;
}

void ParamEditorModel::WriteAll(std::optional<int> target, TransferProgress& progress) {
    if (!target && Sensor::State().OfflineMode) return;
    TransferReport::Scope report(report_);
    if (!target) {
        progress.ShowForm(RWState::WriteMode, table_.Count + 1);
        progress.IncBar();
    }
    TakenValues taken;
    std::map<int, WriteOutcome> outcomes;
    for (int i = 1; i <= table_.Count; ++i) {
        const ParamRec& rec = table_[i];
        if (!target && !progress.IncBar(1, access_->ProgressComment(rec)) && writeCancellable_) break;
        if (!access_->TakesPart(rec) || !rec.Stored || !(rec.BulkWrite || target)) continue;
        if (target) {
            Editors::Link().SetParameter(access_->Name(rec), TakenOutOfStep(rec) ? QString() : rec.Value, target);
            continue;
        }
        // A record that was not read holds no value of the sensor's (a status
        // byte, nothing): writing it would send that as a value. The file
        // keeps it, so the record stays not read when the file is read.
        if (rec.Readable && (!IsParDefValid(rec) || TakenOutOfStep(rec))) continue;
        if (const std::optional<WriteOutcome> outcome = access_->WriteDataSet(rec)) {
            outcomes[i] = *outcome;
            taken.Took(i);
        }
    }
    if (!target) {
        WriteAgainWhereOutOfStep(taken, outcomes);
        for (const auto& [index, outcome] : outcomes) report_.Add(access_->Name(table_[index]), outcome);
        progress.Unload();
    }
}

void ParamEditorModel::WriteAgainWhereOutOfStep(const TakenValues& taken, std::map<int, WriteOutcome>& outcomes) {
    // The values are ours and the sensor may take them twice; only which
    // answer was whose is in doubt.
    for (const int index : taken.OutOfStep()) {
        if (SensorHolds(index)) {
            outcomes[index] = WriteOutcome::Taken;
            continue;
        }
        std::optional<WriteOutcome> outcome;
        const bool inStep = TakenValues::InStep([&] { outcome = access_->WriteDataSet(table_[index]); });
        outcomes[index] = outcome && inStep ? *outcome : WriteOutcome::Unanswered;
    }
}

bool ParamEditorModel::SensorHolds(int index) const {
    const ParamRec& rec = table_[index];
    if (!rec.Readable) return false;
    ParamRec probe = rec;
    ClearValue(probe);
    const bool inStep = TakenValues::InStep([&] { access_->ReRead(probe, rec.Key); });
    return inStep && IsParDefValid(probe) && probe.Value == rec.Value;
}

bool ParamEditorModel::Commit(int index, const QString& value, bool writeNow, const QStringList& parts) {
    if (!table_.InUse(index)) return false;
    ParamRec& rec = table_[index];
    if (value == rec.Value) return false;
    // What a write the sensor does not take goes back to.
    const QString confirmed = rec.Value;
    const bool wasChanged = Sensor::State().DataChanged;
    rec.Value = value;
    Sensor::State().DataChanged = true;
    if (writeNow && !Sensor::State().OfflineMode) {
        WriteOutcome outcome = WriteOutcome::Taken;
        for (const QString& part : parts.isEmpty() ? QStringList{rec.Value} : parts) {
            const WriteOutcome written = access_->Write(rec, part);
            if (outcome == WriteOutcome::Taken) outcome = written;
        }
        if (outcome != WriteOutcome::Taken) {
            rec.Value = confirmed;
            Sensor::State().DataChanged = wasChanged;
        }
        WalkChain(index, rec.Key, Walk::AfterEdit);
        // Nothing in the write's answer says whose it is; what the sensor
        // holds now, read back, is what it took.
        if (outcome != WriteOutcome::Taken && rec.Value == value && IsParDefValid(rec)) {
            outcome = WriteOutcome::Taken;
            Sensor::State().DataChanged = true;
        }
        if (outcome != WriteOutcome::Taken) TransferReport::ShowFailedCommit(access_->Name(rec), outcome);
    } else {
        Fill(rec);
    }
    return true;
}

void ParamEditorModel::InterpretCommand(const QString& word) {
    BusyGuard busy(*this);
    // A typed "FSF,2,30" arrives as "FSF,2": the record is the one the text
    // before the comma names.
    const QString command = word.section(QLatin1Char(','), 0, 0);
    const int index = table_.FindByKey(command);
    if (index == 0) return;
    WalkChain(index, command, Walk::AfterCommand);
}

void ParamEditorModel::ReReadChain(int index) {
    BusyGuard busy(*this);
    if (table_.InUse(index)) WalkChain(index, table_[index].Key, Walk::AfterCommand);
}

void ParamEditorModel::WalkChain(int index, const QString& firstCommand, Walk walk) {
    bool first = true;
    std::map<int, QString> commands;
    const auto readOnce = [&](int reached, const QString& command) {
        ParamRec& rec = table_[reached];
        const std::optional<QString> error = ReadChecked(reached, command);
        if (error && walk == Walk::AfterEdit && !ShiftedAnswer(rec))
            ShowMessage(MessageReadError, MsgBox::Information, std::nullopt,
                        access_->Name(rec) + QLatin1Char('|') + *error);
        Fill(rec);
        return true;
    };
    Sensor::DependencyChain(table_, index, [&](int reached, ParamRec& rec) {
        const QString command = first ? firstCommand : rec.Key;
        first = false;
        if (rec.Readable) {
            readOnce(reached, command);
            commands[reached] = command;
        } else if (walk == Walk::AfterEdit) {
            Fill(rec);
        }
    });
    // A record off the chain is read again by its Key.
    ReadAgainWhereOutOfStep([&](int reached) {
        return readOnce(reached, commands.count(reached) ? commands[reached] : table_[reached].Key);
    });
}

