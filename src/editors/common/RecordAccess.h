#pragma once
#include "editors/common/WriteOutcome.h"
#include "link/ParamRec.h"

#include <QString>
#include <optional>

// How one record of an editor's table goes to and from the sensor, and what
// it is called in parameter files, the progress window and reports. As this
// class does it on the plain-command lines: a record is read with its Key and
// written as "KEY,VALUE", the command layer logs the traffic, every answer is
// taken as it comes, and a parameter file holds the sensor's answers under
// the Key. A line whose sensor keeps its parameters otherwise (in memory
// cells) overrides what differs.
class RecordAccess {
public:
    virtual ~RecordAccess() = default;

    // Whether the record takes part in the transfers of the data set (a
    // record of another variant of the sensor does not).
    virtual bool TakesPart(const ParamRec&) const { return true; }
    // The record's key in parameter files and its name in messages.
    virtual QString Name(const ParamRec& rec) const { return rec.Key; }
    // What the progress window says while the record is transferred.
    virtual QString ProgressComment(const ParamRec&) const { return {}; }
    // Whether a parameter file holds the sensor's answers (so that a
    // rejection, 82h, stays one through the round trip) or values that stand
    // for no answer.
    virtual bool FileHoldsAnswers() const { return true; }

    // Reads the record for a read of the data set. The error when the answer
    // is no value (the record then keeps what it held); nothing otherwise.
    virtual std::optional<QString> Read(ParamRec& rec) const;
    // Reads the record again after a change, with request (its Key, or the
    // word a typed command named it by). No answer keeps what was known; the
    // error as for Read.
    virtual std::optional<QString> ReRead(ParamRec& rec, const QString& request) const;
    // Writes an edited value (or one part of it) to the sensor.
    virtual WriteOutcome Write(const ParamRec& rec, const QString& value) const;
    // Writes the record's value in a write of the data set; nothing when the
    // value cannot be sent (it is then not written).
    virtual std::optional<WriteOutcome> WriteDataSet(const ParamRec& rec) const { return Write(rec, rec.Value); }
};
