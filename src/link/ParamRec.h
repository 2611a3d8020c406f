#pragma once
#include <QString>
#include <QVariant>
#include <QtGlobal>

#include <array>
#include <functional>
#include <vector>

// One sensor parameter of an editor's table. Filled by InitParameter only;
// Value, RawAnswer and AnswerLength change with every read.
struct ParamRec {
    qint16 ID = 0;            // parameter id = help context of its control = quick-help topic
    qint16 FirstLink = 0;     // record to re-read first after this one changed; 0 = none
    qint16 NextLink = 0;      // next record of a chain reached from another record; 0 = end
    bool Stored = false;      // belongs to the saved data set
    bool Readable = false;    // can be read from the sensor
    QString Value;            // current value, as the sensor answers it
    std::array<quint8, 201> RawAnswer{};  // last answer (Ports::AnswerBytes); 82h first = unknown to the sensor
    qint16 AnswerLength = 0;
    quint64 Stretch = 0;      // stretch of the line the value was taken in (Ports::StepStretch); 0 = not from the sensor
    QString Key;              // read command and name in parameter files
    QString AltKey;           // second word a typed command may use; empty = none
    bool BulkWrite = false;   // takes part in writing all parameters to the sensor
    QString RuleKey;          // key of the input rule in VALIDATE.CFG
    QString WriteCommand;     // command prefix that writes it; empty = read-only
    QVariant Group;           // output group (QF8200Echo: 0 common, 1 switch, 2 analogue)
    QString Rule;             // input rule text; empty = any value is accepted
    QString Condition;        // "type|minimum version"; empty = every sensor of the line
};

// An editor's fixed array of records. Index 0 is never used; records in use
// are 1..Count, and the array holds 0..UpperBound().
class ParamTable {
public:
    explicit ParamTable(int upperBound) : records_(upperBound + 1) {}

    ParamRec& operator[](int index) { return records_.at(index); }
    const ParamRec& operator[](int index) const { return records_.at(index); }
    int UpperBound() const { return int(records_.size()) - 1; }
    bool InUse(int index) const { return index >= 1 && index <= Count && index <= UpperBound(); }

    // Index of the record in use whose Key or AltKey equals word; 0 = none.
    int FindByKey(const QString& word) const;
    // Empties every record and sets Count to 0 (for an editor that rebuilds).
    void Clear();

    int Count = 0;

private:
    std::vector<ParamRec> records_;
};

// The value is not empty and the sensor did not reject the parameter (82h).
bool IsParDefValid(const ParamRec& rec);

// The value came from the sensor in a stretch of the line that proved out of
// step: it may be another request's answer, and is never to be shown, saved
// or written as read.
bool TakenOutOfStep(const ParamRec& rec);
// Notes with the record the stretch of the answer the last command returned
// (Sensor::LastAnswerStretch) when its value was taken from that answer. A
// read that got no answer while the line was out of step leaves the value it
// keeps in doubt too: it was to be replaced.
void NoteAnswerStretch(ParamRec& rec, bool answered);

namespace Sensor {

// Fills one record. Only a stored record with a non-empty section gets an
// input rule from VALIDATE.CFG (first in the section of the sensor type, then
// in `section`); the first lookup of a run shows message 12 when the file is
// missing or empty.
void InitParameter(ParamRec& rec, int id, const QString& key, bool stored, int firstLink = 0,
                   int nextLink = 0, const QString& altKey = {}, bool readable = true,
                   bool bulkWrite = true, const QString& ruleKey = {},
                   const QString& writeCommand = {}, const QVariant& group = {},
                   const QString& section = {}, const QString& condition = {});

// Whether the connected sensor offers the parameter (type text and minimum
// version of the record's Condition).
bool IsParamSupported(const ParamRec& rec);

// The re-read walk after a record changed: the start record, then its
// FirstLink, then the NextLink of each record reached, until a link is 0.
// `visit` is called for every record on the way, readable or not; it re-reads
// a readable record and shows it. A link outside the records in use, or one
// that reaches a record a second time, ends the walk.
using ChainVisit = std::function<void(int index, ParamRec& rec)>;
void DependencyChain(ParamTable& table, int startIndex, const ChainVisit& visit);

// Forgets that the VALIDATE.CFG notice was shown (tests).
void ResetValidateNoticeForTests();

}  // namespace Sensor
