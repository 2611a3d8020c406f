#pragma once
#include "editors/common/WriteOutcome.h"

#include <QString>
#include <QStringList>

// What the user learns when values did not reach the sensor, or could not be
// taken from a parameter file. One commit is reported at once, naming the
// parameter and why (message 15 refused, 16 no answer). A transfer of the
// data set (a full write, a parameter file read and written through)
// collects the names and ends with one message listing them (17); a transfer
// inside another (the write that a file read makes) adds to the outer one's.
class TransferReport {
public:
    static void ShowFailedCommit(const QString& name, WriteOutcome outcome);

    // A record the sensor did not take; a taken one adds nothing.
    void Add(const QString& name, WriteOutcome outcome);
    // A parameter-file value that could not have been typed into its field.
    void AddInvalidInFile(const QString& name);

    // Holds the report open while it lives; the outermost one shows the
    // message, when anything was collected, and empties the report.
    class Scope {
    public:
        explicit Scope(TransferReport& report) : report_(report) { ++report_.depth_; }
        ~Scope() {
            if (--report_.depth_ == 0) report_.ShowAndClear();
        }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        TransferReport& report_;
    };

private:
    void ShowAndClear();

    QStringList refused_;
    QStringList unanswered_;
    QStringList invalidInFile_;
    int depth_ = 0;
};
