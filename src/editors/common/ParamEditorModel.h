#pragma once
#include "editors/common/RecordAccess.h"
#include "editors/common/TransferProgress.h"
#include "editors/common/TransferReport.h"
#include "editors/common/ValueForms.h"
#include "link/ParamRec.h"
#include "link/TakenValues.h"

#include <QString>
#include <QStringList>
#include <QVariant>
#include <functional>
#include <map>
#include <optional>
#include <vector>

// One row of an editor's parameter table as its Init hands it to
// InitParameter; what a row does not set has InitParameter's defaults.
struct ParamRow {
    ParamRow(int id, QString key, bool stored = true) : id(id), key(std::move(key)), stored(stored) {}
    ParamRow& WithLinks(int first, int next) {
        firstLink = first;
        nextLink = next;
        return *this;
    }
    ParamRow& WithAltKey(QString word) {
        altKey = std::move(word);
        return *this;
    }
    ParamRow& Unreadable() {
        readable = false;
        return *this;
    }
    ParamRow& NoBulkWrite() {
        bulkWrite = false;
        return *this;
    }
    ParamRow& WithRule(QString rule, QString ruleSection) {
        ruleKey = std::move(rule);
        section = std::move(ruleSection);
        return *this;
    }
    ParamRow& WithWriteCommand(QString command) {
        writeCommand = std::move(command);
        return *this;
    }
    ParamRow& InGroup(QVariant outputGroup) {
        group = std::move(outputGroup);
        return *this;
    }
    ParamRow& WithCondition(QString typeAndVersion) {
        condition = std::move(typeAndVersion);
        return *this;
    }
    // The value's form (ValueForms) when it is not one number.
    ParamRow& WithForm(QString valueForm) {
        form = std::move(valueForm);
        return *this;
    }
    // The form of the sensor's answer when the value is not the answer as it
    // comes (a memory cell answers hex digits).
    ParamRow& WithAnswerForm(QString sensorForm) {
        answerForm = std::move(sensorForm);
        return *this;
    }

    int id;
    QString key;
    bool stored;
    int firstLink = 0;
    int nextLink = 0;
    QString altKey;
    bool readable = true;
    bool bulkWrite = true;
    QString ruleKey;
    QString writeCommand;
    QVariant group;
    QString section;
    QString condition;
    QString form = ValueForms::Number;
    QString answerForm;   // empty: the value's form
};

// The data side every sensor-line editor shares, without any widget: the
// parameter table, the transfers between table and sensor or parameter file,
// the commit of an edited value and the re-read walks along the dependency
// chains. The window shows a record through the FillForm hook; how a record
// goes over the link is the line's RecordAccess.
class ParamEditorModel {
public:
    using FillFormHook = std::function<void(ParamRec&)>;

    explicit ParamEditorModel(int upperBound);

    void SetFillForm(FillFormHook fillForm) { fillForm_ = std::move(fillForm); }
    // The plain commands unless a line installs its own; it must outlive
    // the model's transfers.
    void SetRecordAccess(const RecordAccess& access) { access_ = &access; }

    // Work of a line after every record was read from the sensor (not after
    // a cancel), while the progress window is still open; it adds extraSteps
    // to the window's count. Its reads end with the records' guard and are
    // made once more when answers were shifted meanwhile; shifted again,
    // `unsure` puts back what the line holds without them.
    using SensorReadHook = std::function<void(TransferProgress&)>;
    void SetAfterSensorRead(int extraSteps, SensorReadHook hook, std::function<void()> unsure) {
        afterReadSteps_ = extraSteps;
        afterSensorRead_ = std::move(hook);
        afterReadUnsure_ = std::move(unsure);
    }
    // Work of a line after a read of the data set, from the sensor or a
    // file, showed every record (not after a cancel or an abort); before the
    // progress window closes and a file read goes on to the sensor.
    void SetAfterTableShown(std::function<void()> hook) { afterTableShown_ = std::move(hook); }
    // Whether the progress window's cancel stops a write to the sensor (it
    // does unless a line says otherwise).
    void SetSensorWriteCancellable(bool cancellable) { writeCancellable_ = cancellable; }

    // Builds the table once; later calls change nothing.
    void Build(const std::vector<ParamRow>& rows);
    bool InitDone() const { return initDone_; }
    // Builds the table anew, for a line whose records depend on the sensor
    // that detection found (the same window serves the next sensor).
    void Rebuild(const std::vector<ParamRow>& rows);

    ParamTable& Table() { return table_; }
    const ParamTable& Table() const { return table_; }
    int Count() const { return table_.Count; }
    ParamRec& operator[](int index) { return table_[index]; }
    const ParamRec& operator[](int index) const { return table_[index]; }
    // Index of the record with that id or key; 0 for none.
    int IndexOfId(int id) const;
    int IndexOfKey(const QString& key) const;
    bool IsValid(int index) const;

    // Whether a value passes the checks typed input passes before it is
    // shown or written: the record's form (one number unless its row says
    // otherwise), the editor's own check and the record's input rule from
    // VALIDATE.CFG. Commits and parameter files both go through it.
    bool Acceptable(int index, const QString& value) const;
    // A line's further check of a value (what its sensor's cells can hold).
    using ValueCheck = std::function<bool(const ParamRec&, const QString&)>;
    void SetValueCheck(ValueCheck check) { valueCheck_ = std::move(check); }

    // What the transfers of the data set could not do, told at their end.
    TransferReport& Report() { return report_; }

    // Set while controls are filled, and by a read from its start; the list
    // boxes' handlers do not commit while it is set. A plain flag: a guard
    // sets it and clears it when it ends, also inside a read, so that once a
    // read has shown a record a click between two records commits.
    bool Busy() const { return busy_; }
    class BusyGuard {
    public:
        explicit BusyGuard(ParamEditorModel& model) : model_(model) { model_.busy_ = true; }
        ~BusyGuard() { model_.busy_ = false; }
        BusyGuard(const BusyGuard&) = delete;
        BusyGuard& operator=(const BusyGuard&) = delete;

    private:
        ParamEditorModel& model_;
    };

    // Every readable record that takes part from the sensor (with the
    // progress window and its cancel), or every readable stored one from an
    // open parameter file; a file read while a sensor is online then writes
    // the data set to the sensor and reads everything back. A sensor read the
    // line finds failed, or whose answer the record cannot hold, asks
    // Abort/Retry/Ignore (message 11): an abort ends the read, an ignored
    // record is left not read. A file value that is not Acceptable leaves its
    // record not read, and the read ends with the report.
    void ReadAll(std::optional<int> source, TransferProgress& progress);
    // Every stored record that takes part to the sensor (bulk-write records
    // only, with the progress window; nothing while offline), or to an open
    // parameter file. A readable record that holds no value the sensor gave
    // is not written to the sensor; the records it refused or did not answer
    // are reported.
    void WriteAll(std::optional<int> target, TransferProgress& progress);

    // Stores an edited value. An unchanged value does nothing and returns
    // False. Otherwise marks the data set changed; with writeNow while online
    // writes it and re-reads the dependency chain, showing every record on it
    // (a failed read-back keeps the record's value, one whose answer the
    // record cannot hold leaves it not read; either shows message 11),
    // else shows the record again. A value of several fields that the sensor
    // takes one at a time is written one entry of parts at a time. A write
    // the sensor refuses or does not answer puts the value it last confirmed
    // back before the re-read and is reported (messages 15 and 16).
    bool Commit(int index, const QString& value, bool writeNow, const QStringList& parts = {});

    // Re-reads the record a typed command word names (Key or AltKey; a word
    // that still carries arguments counts by its text before the first ",")
    // and its dependency chain, showing the readable records.
    void InterpretCommand(const QString& word);
    // The same for the record at index, found by a line's own rule; a failed
    // read keeps the value without a message (an answer the record cannot
    // hold leaves it not read).
    void ReReadChain(int index);

    // A value the sensor answered with the invalid-command status 82h.
    static bool IsRejected(const ParamRec& rec);

private:
    // After an edit the walk shows every record on it and tells a failed
    // read-back; after a typed command it shows the readable ones only.
    enum class Walk { AfterEdit, AfterCommand };
    void Fill(ParamRec& rec);
    // The records of a read of the data set; False when it was cancelled or
    // aborted.
    bool ReadRecords(std::optional<int> source, TransferProgress& progress);
    // The line's own reads after the records, and whether their answers
    // came in a stretch of the line that proved out of step.
    bool LineReadsShifted(TransferProgress& progress);
    // One record from the sensor, asking what to do while the read fails;
    // False for an abort.
    bool ReadFromSensor(int index);
    // Ends every operation that took values from the sensor, once the line
    // is known in step: each record whose value came in a stretch that proved
    // out of step (a line more than was asked for shifted the answers, or a
    // try given up may have been answered late) is read again, once, with the
    // line's guard after it. One whose value is still in doubt (out of step
    // again, or no answer) is left not read, and message 11 names them.
    // Without readAgain (an aborted read) they are left not read at once.
    // False when the user aborted a read.
    bool ReadAgainWhereOutOfStep(const std::function<bool(int)>& readAgain);
    // An answer that failed its form came while the line was out of step:
    // the shift's doing, not the record's. The record is read again with the
    // others, and no one is asked about it.
    bool ShiftedAnswer(const ParamRec& rec) const;
    // Writes again, once each, the records whose answers came in a stretch
    // that proved out of step: their outcomes were perhaps another write's.
    // Each is judged by a read first, as an edit is: a sensor that holds the
    // value written took it. Otherwise it is written again once; one out of
    // step again counts as not answered.
    void WriteAgainWhereOutOfStep(const TakenValues& taken, std::map<int, WriteOutcome>& outcomes);
    // Whether the sensor holds the record's value, read with the line's guard
    // (the record itself is left as it is).
    bool SensorHolds(int index) const;
    // Leaves the record not read; ClearValue keeps the stretch its value
    // came in, so that a value in doubt is still read again.
    static void LeaveNotRead(ParamRec& rec);
    static void ClearValue(ParamRec& rec);
    // Reads the record with the line's access: for the data set, or again
    // with request. An answer that is not of the record's answer form leaves
    // the record not read and fails the read as an error does.
    std::optional<QString> ReadChecked(int index, const std::optional<QString>& request = std::nullopt);
    bool AnswerFitsForm(int index) const;
    // The record's value from an open parameter file, checked.
    void TakeFileValue(int index, int fileNo);
    // The raw answer a file value stands for (RecordAccess::FileHoldsAnswers).
    void SetFileAnswer(ParamRec& rec) const;
    void WalkChain(int index, const QString& firstCommand, Walk walk);

    ParamTable table_;
    std::vector<QString> forms_;
    std::vector<QString> answerForms_;
    ValueCheck valueCheck_;
    TransferReport report_;
    bool initDone_ = false;
    bool busy_ = false;
    FillFormHook fillForm_;
    const RecordAccess* access_;
    int afterReadSteps_ = 0;
    SensorReadHook afterSensorRead_;
    std::function<void()> afterReadUnsure_;
    std::function<void()> afterTableShown_;
    bool writeCancellable_ = true;
};
