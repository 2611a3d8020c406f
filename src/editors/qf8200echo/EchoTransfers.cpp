#include "editors/qf8200echo/EchoTransfers.h"

#include "editors/common/RWState.h"
#include "editors/common/TransferProgress.h"
#include "editors/common/TransferReport.h"
#include "editors/qf8200echo/EchoLink.h"
#include "editors/qf8200echo/QF8200EchoTable.h"
#include "frame/Message.h"
#include "link/SensorState.h"
#include "link/TrafficLog.h"
#include "platform/MsgBox.h"

namespace {

constexpr int MessageReadError = 11;
constexpr int Information = 64;
// A write's answer is awaited this long; a sensor busy storing a cell is slow.
constexpr int WriteTimeoutMs = 500;
constexpr int DefaultTimeout = 0;
const QString FactorySensitivity = QStringLiteral("6");

void log(const char* prefix, const QString& text) { TrafficLog::Offer({QString::fromLatin1(prefix), text, false}); }

QString readErrorArguments(const ParamRec& rec, const QString& error) { return rec.RuleKey + QLatin1Char('|') + error; }

}  // namespace

EchoTransfers::EchoTransfers(EchoModel& model, ShowRecord show) : model_(model), show_(std::move(show)) {}

std::optional<QString> EchoTransfers::ReadRecord(ParamRec& rec) {
    const ParamRec previous = rec;
    QString answer;
    rec.AnswerLength = qint16(QF8200Echo::Link().Read(rec.Key, answer, rec.RawAnswer));
    rec.Value = model_.ToDisplay(rec, answer);
    ShowSensorCmd(rec, true);
    std::optional<QString> error = model_.CheckErrorCondition(rec, previous.Value, answer);
    if (error) {
        rec.RawAnswer = previous.RawAnswer;
        rec.AnswerLength = previous.AnswerLength;
    }
    return error;
}

bool EchoTransfers::ReadAll(std::optional<int> source, TransferProgress& progress) {
    if (!source) {
        progress.ShowForm(RWState::ReadMode, model_.Count() + 1);
        progress.IncBar();
    }
    for (int i = 1; i <= model_.Count(); ++i) {
        ParamRec& rec = model_[i];
        if (!source && !progress.IncBar(1, rec.RuleKey)) return false;
        if (!model_.TakesPart(rec) || !rec.Readable || (source && !rec.Stored)) continue;
        if (source) {
            // The value stands for the sensor's answer when the file was written.
            rec.Value = QF8200Echo::Link().ReadFile(rec.RuleKey, *source);
            rec.RawAnswer.fill(0);
            rec.AnswerLength = 0;
            if (!rec.Value.isEmpty() && !model_.Records().Acceptable(i, rec.Value)) {
                model_.Records().Report().AddInvalidInFile(rec.RuleKey);
                rec.Value.clear();
            }
        } else {
            while (const std::optional<QString> error = ReadRecord(rec)) {
                const int choice = ShowMessage(MessageReadError, MsgBox::AbortRetryIgnore, std::nullopt,
                                               readErrorArguments(rec, *error));
                if (choice == MsgBox::Abort) return false;
                if (choice == MsgBox::Ignore) {
                    rec.Value.clear();   // not read
                    break;
                }
            }
        }
        show_(rec);
    }
    return true;
}

void EchoTransfers::WriteAll(std::optional<int> target, TransferProgress& progress) {
    if (!target && Sensor::State().OfflineMode) return;
    TransferReport::Scope report(model_.Records().Report());
    if (!target) {
        progress.ShowForm(RWState::WriteMode, model_.Count() + 1);
        progress.IncBar();
    }
    for (int i = 1; i <= model_.Count(); ++i) {
        const ParamRec& rec = model_[i];
        if (!target && !progress.IncBar(1, rec.RuleKey)) break;
        if (!model_.TakesPart(rec) || !rec.Stored) continue;
        if (target) {
            QF8200Echo::Link().WriteFile(rec.RuleKey, rec.Value, *target);
            continue;
        }
        if (!rec.BulkWrite || !IsParDefValid(rec)) continue;
        const std::optional<QString> hex = model_.ToSensor(rec, rec.Value);
        if (!hex) continue;
        const QString answer = QF8200Echo::Link().Write(rec.WriteCommand, *hex, WriteTimeoutMs);
        log("W: ", rec.RuleKey + QLatin1Char(',') + rec.Value);
        log("R: ", answer);
        model_.Records().Report().Add(rec.RuleKey, OutcomeOfAnswer(answer));
    }
    if (!target) progress.Unload();
}

WriteOutcome EchoTransfers::WriteAndReadBack(int index, const QString& confirmed) {
    ParamRec& written = model_[index];
    const std::optional<QString> hex = model_.ToSensor(written, written.Value);
    if (!hex) {   // a value its cell cannot hold is not sent (PutData lets none through)
        written.Value = confirmed;
        show_(written);
        return WriteOutcome::Refused;
    }
    const WriteOutcome outcome = OutcomeOfAnswer(QF8200Echo::Link().Write(written.WriteCommand, *hex, WriteTimeoutMs));
    ShowSensorCmd(written, false);
    if (outcome != WriteOutcome::Taken) written.Value = confirmed;
    Sensor::DependencyChain(model_.Records().Table(), index, [this](int, ParamRec& rec) {
        if (rec.Readable) {
            if (const std::optional<QString> error = ReadRecord(rec))
                ShowMessage(MessageReadError, Information, std::nullopt, readErrorArguments(rec, *error));
        }
        show_(rec);
    });
    if (outcome != WriteOutcome::Taken) TransferReport::ShowFailedCommit(written.RuleKey, outcome);
    return outcome;
}

void EchoTransfers::ReReadChain(int index) {
    Sensor::DependencyChain(model_.Records().Table(), index, [this](int, ParamRec& rec) {
        if (!rec.Readable) return;
        ReadRecord(rec);
        show_(rec);
    });
}

void EchoTransfers::WriteDefaultSensitivity() {
    if (!model_.Has(QF8200Echo::SEN)) return;
    const ParamRec& sensitivity = model_[QF8200Echo::SEN];
    const std::optional<QString> hex = model_.ToSensor(sensitivity, FactorySensitivity);
    QF8200Echo::Link().Write(sensitivity.WriteCommand, hex.value_or(QString()), DefaultTimeout);
    ShowSensorCmd(sensitivity, false, FactorySensitivity);
}

void EchoTransfers::ShowSensorCmd(const ParamRec& rec, bool isRead, const std::optional<QString>& value) {
    const QString text = value.value_or(rec.Value);
    if (isRead) {
        log("W: ", rec.RuleKey);
        log("R: ", text);
    } else {
        log("W: ", rec.RuleKey + QLatin1Char(',') + text);
    }
}
