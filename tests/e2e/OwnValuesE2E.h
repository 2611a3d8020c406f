#pragma once
#include "e2e/SimulatorTest.h"
#include "link/FakeMainWindow.h"
#include "platform/MsgBox.h"

#include <QMap>
#include <QSet>
#include <QStringList>

// A sensor that misbehaves (answers late, sends noise) is read through the
// real serial code, and what the program then shows, saves to a parameter
// file and writes back to a sensor is compared with the same sensor's own
// values, read while it answered in time. A record the program left not
// read may be missing; a value the sensor never gave that record may not
// appear anywhere.
class OwnValuesE2E : public SimulatorTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // What the read with the faults left: the keys of the lines a parameter
    // file saved then holds with a value (records and identification texts),
    // and the texts of the message boxes it brought up.
    struct FaultyRead {
        QSet<QString> savedKeys;
        QStringList boxes;
    };
    // Reads the simulated sensor of the line answering in time, then again
    // with these faults and with the program's answer and echo timeouts set,
    // and expects nothing but its own values from the second read. Both
    // sensors are built as `build` says (--variant ...).
    FaultyRead ExpectOnlyOwnValues(const QString& line, const QStringList& faults, int answerTimeoutMs,
                                   int echoTimeoutMs, const QStringList& build = {});

private:
    // Values by key: records by their key, parameter-file lines by theirs,
    // writes by what they write to (a key, or a memory cell of the echoing line).
    using Values = QMap<QString, QSet<QString>>;
    struct Taken {
        Values shown;
        Values saved;
        Values written;
    };

    int AnswerBox(const MsgBox::Request& box);
    void expectOnlyOwnValues(const QStringList& sensor, const QStringList& faults, int answerTimeoutMs,
                             int echoTimeoutMs, FaultyRead& read);
    // The program's port now leads to this device.
    void UsePort(const QString& device);
    // Detects the sensor on the port, which reads all its records into its editor.
    void Detect();
    // What the program holds of the sensor read last: the records shown and
    // the lines of a parameter file saved now.
    Taken ValuesHeld();
    // The values a full write to the sensor running as target (on the open port) sends.
    Values FullWriteTo(const SimulatedSensor& target);

    FakeMainWindow mainWindow;
    int detectionRetries_ = 0;
    bool detectionGaveUp_ = false;
    QStringList boxes_;
};
