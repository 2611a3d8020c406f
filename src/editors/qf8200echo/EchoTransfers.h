#pragma once
#include "editors/common/WriteOutcome.h"
#include "editors/qf8200echo/EchoModel.h"

#include <QString>
#include <functional>
#include <optional>

class TransferProgress;

// The QF8200Echo editor's conversations with the sensor and with parameter
// files: reading and writing the whole table, writing one edited record and
// reading back what depends on it, and re-reading what a typed command
// changed. Every cell transfer is logged in the traffic monitor by parameter
// name and display value ("W: SD1,500"), since the cell requests themselves
// are not readable. A record read is shown through the window's FillForm.
class EchoTransfers {
public:
    using ShowRecord = std::function<void(ParamRec&)>;
    EchoTransfers(EchoModel& model, ShowRecord show);

    // Every readable record of the sensor's variant from the sensor (with the
    // progress window; a failed read asks Abort/Retry/Ignore, and an ignored
    // one leaves the record not read), or every readable stored one from an
    // open parameter file, where a value that is not Acceptable leaves the
    // record not read and is reported. False when the user cancelled or
    // aborted: the records not reached keep their values.
    bool ReadAll(std::optional<int> source, TransferProgress& progress);
    // Every stored record of the variant to the sensor (with the progress
    // window) or as "NAME=value" lines to an open parameter file. A record
    // without a value the sensor gave or one its cell cannot hold is not
    // written to the sensor; the writes it refuses or leaves unanswered are
    // reported.
    void WriteAll(std::optional<int> target, TransferProgress& progress);

    // Writes the record's value to its cell and reads back the record and its
    // dependency chain, showing each; a failed read-back keeps the record's
    // value and shows message 11. A write the sensor does not take puts
    // confirmed (the value before the edit) back before the read-back and is
    // reported; the outcome is returned.
    WriteOutcome WriteAndReadBack(int index, const QString& confirmed);
    // Reads the record and its dependency chain again; a failed read keeps
    // the value without a message.
    void ReReadChain(int index);
    // Writes sensitivity 6 after a reset to the factory values; the new
    // detection reads it back.
    void WriteDefaultSensitivity();

    // The monitor lines of one transfer: a read as "W: NAME" and "R: value",
    // a write as "W: NAME,value".
    void ShowSensorCmd(const ParamRec& rec, bool isRead, const std::optional<QString>& value = std::nullopt);

private:
    // Reads one record from its cell; the error text when the read failed
    // (and the record kept its value and answer).
    std::optional<QString> ReadRecord(ParamRec& rec);

    EchoModel& model_;
    ShowRecord show_;
};
