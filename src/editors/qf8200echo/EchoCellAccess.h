#pragma once
#include "editors/common/RecordAccess.h"

#include <optional>

class EchoModel;

// How the QF8200Echo editor's records go to and from the sensor's memory
// cells: a record's cell is read with its Key and the hex answer becomes its
// value (a status byte or no answer is no value, and the record keeps what it
// held); a value goes to the cell as hex with the record's WriteCommand, and
// a record of the other variant of the sensor takes no part. The cell
// requests mean nothing to a reader of the traffic monitor: the command layer
// logs none, and every transfer is logged here by parameter name and display
// value ("W: SD1,500"). Parameter files hold the display values under the
// parameter names.
class EchoCellAccess : public RecordAccess {
public:
    explicit EchoCellAccess(const EchoModel& model) : model_(model) {}

    bool TakesPart(const ParamRec& rec) const override;
    QString Name(const ParamRec& rec) const override { return rec.RuleKey; }
    QString ProgressComment(const ParamRec& rec) const override { return rec.RuleKey; }
    bool FileHoldsAnswers() const override { return false; }
    std::optional<QString> Read(ParamRec& rec) const override { return ReRead(rec, rec.Key); }
    std::optional<QString> ReRead(ParamRec& rec, const QString& request) const override;
    // A value its cell cannot hold is not sent and counts as refused.
    WriteOutcome Write(const ParamRec& rec, const QString& value) const override;
    std::optional<WriteOutcome> WriteDataSet(const ParamRec& rec) const override;

    // Writes sensitivity 6 after a reset to the factory values; the new
    // detection reads it back.
    void WriteDefaultSensitivity() const;

private:
    // Sends value to the record's cell and logs it; the answer, nothing when
    // the cell cannot hold the value (then nothing is sent).
    std::optional<QString> WriteCell(const ParamRec& rec, const QString& value, int timeoutMs) const;

    const EchoModel& model_;
};
