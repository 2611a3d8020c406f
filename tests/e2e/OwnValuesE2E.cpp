#include "e2e/OwnValuesE2E.h"

#include "editors/common/ParamEditorWindow.h"
#include "editors/qf8200/RegisterQF8200.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "editors/qf8200rdx/RegisterQF8200RDX.h"
#include "editors/qt8200/RegisterQT8200.h"
#include "link/OfflineAnswers.h"
#include "link/SensorCommands.h"
#include "link/SensorDetection.h"

#include <QScopeGuard>

namespace {

// The waits of the reads that give the sensor's own values: far beyond what
// a prompt answer takes even on a loaded machine.
constexpr int ReferenceTimeoutMs = 1000;
// The line's rest while one sensor is unplugged and another plugged in.
constexpr int SwapPauseMs = 1200;
// A detection that finds no sensor is tried again this often before the box is cancelled.
constexpr int DetectionRetries = 3;
constexpr int FileNumber = 1;

void setTimeouts(int answerMs, int echoMs) {
    Ports::SetTimeout(answerMs);
    Ports::State().EchoTimeout = echoMs;
}

// Files the value under its key: the text before the separator at `at`; a text without one holds no value.
void addKeyed(QMap<QString, QSet<QString>>& values, const QString& text, qsizetype at) {
    if (at > 0) values[text.left(at)].insert(text.mid(at + 1));
}

// A value a record holds while it is not read: nothing, or the status byte the sensor answered.
bool standsForNoAnswer(const QString& value) {
    return value.isEmpty() || (value[0] >= QChar(Ports::StatusOK) && value[0] <= QChar(Ports::StatusHardwareError));
}

// Bytes outside printable ASCII as \xHH, so that noise shows in a failure message.
QString printable(const QString& text) {
    QString shown;
    for (const QChar c : text) {
        if (c >= QChar(0x20) && c < QChar(0x7F)) shown += c;
        else shown += "\\x" + QString::number(c.unicode(), 16).toUpper().rightJustified(2, '0');
    }
    return shown;
}

// The values of seen that own does not hold under their key, with the own ones; empty when there are none.
QString strangers(const QMap<QString, QSet<QString>>& seen, const QMap<QString, QSet<QString>>& own) {
    QStringList found;
    for (auto it = seen.cbegin(); it != seen.cend(); ++it) {
        const QSet<QString> ownValues = own.value(it.key());
        for (const QString& value : it.value())
            if (!ownValues.contains(value))
                found << printable(it.key() + ' ' + value + " (own: " + ownValues.values().join('|') + ')');
    }
    found.sort();
    return found.join("; ");
}

}  // namespace

void OwnValuesE2E::SetUp() {
    SimulatorTest::SetUp();
    if (IsSkipped()) return;
    RegisterQF8200Editor();
    RegisterQF8200EchoEditor();
    RegisterQF8200RDXEditor();
    RegisterQT8200Editor();
    MsgBox::SetHandler([this](const MsgBox::Request& box) { return AnswerBox(box); });
}

void OwnValuesE2E::TearDown() {
    SimulatorTest::TearDown();
    MsgBox::SetHandler({});
    OfflineAnswers::Install({});
}

// Boxes are answered as by a user who wants the read to go on: detection is
// tried again a few times, and a record that cannot be read is ignored.
int OwnValuesE2E::AnswerBox(const MsgBox::Request& box) {
    boxes_.append(box.text);
    switch (box.style % MsgBox::Critical) {   // the buttons, without the icon
    case MsgBox::RetryCancel:
        if (++detectionRetries_ <= DetectionRetries) return MsgBox::Retry;
        detectionGaveUp_ = true;
        return MsgBox::Cancel;
    case MsgBox::AbortRetryIgnore:
        return MsgBox::Ignore;
    default:
        return MsgBox::Ok;
    }
}

void OwnValuesE2E::UsePort(const QString& device) {
    QString name = device;
    Ports::SetPort(name);
    ASSERT_TRUE(Ports::PortOpen()) << qPrintable(device);
}

void OwnValuesE2E::Detect() {
    detectionRetries_ = 0;
    detectionGaveUp_ = false;
    Sensor::DetectSensor();
    ASSERT_FALSE(detectionGaveUp_) << "detection found no sensor";
    ASSERT_NE(dynamic_cast<ParamEditorWindow*>(Sensor::State().SensorForm), nullptr);
}

OwnValuesE2E::Taken OwnValuesE2E::ValuesHeld() {
    Taken taken;
    const ParamEditorModel& records = dynamic_cast<ParamEditorWindow&>(*Sensor::State().SensorForm).Model();
    for (int i = 1; i <= records.Count(); ++i)
        if (records.IsValid(i)) taken.shown[records[i].Key].insert(records[i].Value);
    // The sensor type, shown in the editor's caption.
    taken.shown[QStringLiteral("type")].insert(Sensor::State().SensorType);

    // A parameter file keeps a record not read as such; any other line is a value.
    const auto save = [&taken](int, const QString& line) {
        if (!standsForNoAnswer(line.section('=', 1))) addKeyed(taken.saved, line, line.indexOf('='));
    };
    OfflineAnswers::Install({{}, save});
    Sensor::SensorWriteData(FileNumber);
    OfflineAnswers::Install({});
    return taken;
}

OwnValuesE2E::Values OwnValuesE2E::FullWriteTo(const SimulatedSensor& target) {
    const qsizetype mark = target.requests().size();
    Sensor::SensorWriteData();
    Values written;
    // "SD11,1000" writes 1000 to SD11, "WM,WXE7,01F4" 01F4 to the cell WXE7.
    for (const QString& request : target.requests().mid(mark)) {
        const qsizetype comma = request.indexOf(',');
        addKeyed(written, request, request.startsWith("WM,") ? request.indexOf(',', comma + 1) : comma);
    }
    return written;
}

OwnValuesE2E::FaultyRead OwnValuesE2E::ExpectOnlyOwnValues(const QString& line, const QStringList& faults,
                                                           int answerTimeoutMs, int echoTimeoutMs,
                                                           const QStringList& build) {
    FaultyRead read;
    [&] { expectOnlyOwnValues(QStringList{"--line", line} + build, faults, answerTimeoutMs, echoTimeoutMs, read); }();
    return read;
}

void OwnValuesE2E::expectOnlyOwnValues(const QStringList& sensor, const QStringList& faults, int answerTimeoutMs,
                                       int echoTimeoutMs, FaultyRead& read) {
    ASSERT_NO_FATAL_FAILURE(connect(sensor));
    setTimeouts(ReferenceTimeoutMs, ReferenceTimeoutMs);
    ASSERT_NO_FATAL_FAILURE(Detect());
    const QString editorName = Sensor::State().SensorFormName;
    Taken own = ValuesHeld();
    own.written = FullWriteTo(*sim);
    ASSERT_FALSE(own.written.isEmpty());

    SimulatedSensor faulty(sensor + faults);
    ASSERT_TRUE(faulty.started()) << qPrintable(faulty.error());
    ASSERT_NO_FATAL_FAILURE(UsePort(faulty.devicePath()));
    setTimeouts(answerTimeoutMs, echoTimeoutMs);
    boxes_.clear();
    const auto noteBoxes = qScopeGuard([&] { read.boxes = boxes_; });
    ASSERT_NO_FATAL_FAILURE(Detect());
    ASSERT_EQ(Sensor::State().SensorFormName, editorName);
    // Every record was asked for: what the editor holds now came from this read.
    ASSERT_GE(faulty.requests().size(), own.shown.size());
    Taken seen = ValuesHeld();
    for (auto it = seen.saved.cbegin(); it != seen.saved.cend(); ++it) read.savedKeys.insert(it.key());

    // What was read goes to the sensor answering in time, so that only the
    // values read show in what is written. The line rests while the sensors
    // are swapped, long past any answer the faulty one still owes.
    Ports::Delay(SwapPauseMs);
    ASSERT_NO_FATAL_FAILURE(UsePort(sim->devicePath()));
    seen.written = FullWriteTo(*sim);

    const QString shown = strangers(seen.shown, own.shown);
    EXPECT_TRUE(shown.isEmpty()) << "shown: " << qPrintable(shown);
    const QString saved = strangers(seen.saved, own.saved);
    EXPECT_TRUE(saved.isEmpty()) << "saved: " << qPrintable(saved);
    const QString written = strangers(seen.written, own.written);
    EXPECT_TRUE(written.isEmpty()) << "written: " << qPrintable(written);
    EXPECT_FALSE(seen.written.isEmpty()) << "nothing was read";
}
