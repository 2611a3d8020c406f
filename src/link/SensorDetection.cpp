#include "link/SensorDetection.h"

#include "frame/Message.h"
#include "frame/Options.h"
#include "frame/STRING_UTIL.h"
#include "link/EditorChoice.h"
#include "link/EditorRegistry.h"
#include "link/MainWindowServices.h"
#include "link/Ports.h"
#include "link/SensorEditor.h"
#include "link/SensorRequest.h"
#include "link/SensorState.h"
#include "link/TakenValues.h"
#include "platform/MsgBox.h"

#include <QByteArray>

#include <algorithm>

using STRING_UTIL::TrimBlanks;

namespace {

const int MessageNoSensor = 1;
const int MessageSaveChanges = 8;
const int EchoProbeTimeoutMs = 400;
const int EchoSettleMs = 100;
// The rest of an answer to the echo probe comes right behind its first byte.
const int ProbeAnswerRestMs = 50;
// Careful readings of an identification text while answers are shifted.
const int IdentAttempts = 3;
const quint8 CarriageReturn = 13;

// A sensor that echoes every byte answers a lone carriage return with exactly
// that one byte.
void ProbeEchoMode() {
    Ports::SetEchoMode(false, false);
    const int oldTimeout = Ports::SetTimeout(EchoProbeTimeoutMs);
    Ports::SendBytes(QByteArray(1, char(CarriageReturn)), false, true);
    Ports::AnswerBytes echo{};
    const int count = Ports::ReadEcho(echo, true);
    Ports::SetTimeout(oldTimeout);
    if (count == 1 && echo[0] == CarriageReturn) {
        Ports::SetEchoMode(true, false);
        Ports::Delay(EchoSettleMs);
    } else if (count == 1) {
        // A sensor that does not echo may answer the empty line (82h): the
        // rest of that line is the probe's, not a line nobody asked for.
        Ports::AnswerBytes rest{};
        Ports::ReadAnswer(rest, 0, false, true, false, ProbeAnswerRestMs);
    }
}

void PrepareLiveSensor() {
    Ports::ReopenPort();
    Ports::FlushInput();
    ProbeEchoMode();
    if (Ports::EchoMode())
        return;
    Sensor::SendLoggedRequest(QStringLiteral("MD,OFF"));
    if (Options::Current().SendRST) {
        Sensor::SendLoggedRequest(QStringLiteral("RST"));
        Sensor::SettlePause();
    }
}


// Splits a "DAT" answer: the text after the first "Date:" up to "Time:" is
// the date, the rest the time.
void ParseDateAnswer(const QString& answer, QString& date, QString& time) {
    date.clear();
    time.clear();
    const int dateAt = answer.indexOf(QStringLiteral("Date:"));
    if (dateAt < 0)
        return;
    const QString rest = answer.mid(dateAt + 5);
    const int timeAt = rest.indexOf(QStringLiteral("Time:"));
    date = TrimBlanks(timeAt < 0 ? rest : rest.left(timeAt));
    if (timeAt >= 0)
        time = TrimBlanks(rest.mid(timeAt + 5));
}

// The editor window for the chosen name, with the line's master-mode window,
// line number and echo flag taken over; nullptr (and nothing taken over) when
// the name leads to no editor that is built in.
SensorEditor* TakeEditorChoice(const QString& name) {
    const auto choice = Sensor::EditorChoiceFor(name);
    SensorEditor* editor = choice ? EditorRegistry::Editor(choice->editorName) : nullptr;
    if (!editor)
        return nullptr;
    SensorStateData& s = Sensor::State();
    s.MasterForm = choice->masterName.isEmpty() ? nullptr : EditorRegistry::Master(choice->masterName);
    s.SensorLine = choice->sensorLine;
    Ports::SetEchoMode(choice->echoMode, Ports::EchoWaitAlways());
    return editor;
}

// What a detection overwrites before it knows whether it finds an editor.
// A cancelled detection leaves the previous editor in place, so these go back
// to the values that belong to that editor's data: a file's values must not
// turn online and be written to another sensor, nor be saved under another
// file's identification; and without any editor there is no data set.
struct DataSetDescription {
    bool OfflineMode;
    QString SensorLine, SensorType, SensorEprom, SensorVersion, SensorVersionLetter, SensorDate, SensorTime;
    QString IdAnswer, VerAnswer, DatAnswer;
    int SensorRange;

    static DataSetDescription Of(const SensorStateData& s) {
        return {s.OfflineMode, s.SensorLine, s.SensorType, s.SensorEprom, s.SensorVersion,
                s.SensorVersionLetter, s.SensorDate, s.SensorTime, s.IdAnswer, s.VerAnswer,
                s.DatAnswer, s.SensorRange};
    }
    void RestoreTo(SensorStateData& s) const {
        s.OfflineMode = OfflineMode;
        if (s.SensorForm)
            s.SensorLine = SensorLine;  // the line of the editor left in place; "-1" without one
        s.SensorType = SensorType;
        s.SensorEprom = SensorEprom;
        s.SensorVersion = SensorVersion;
        s.SensorVersionLetter = SensorVersionLetter;
        s.SensorDate = SensorDate;
        s.SensorTime = SensorTime;
        s.IdAnswer = IdAnswer;
        s.VerAnswer = VerAnswer;
        s.DatAnswer = DatAnswer;
        s.SensorRange = SensorRange;
    }
};

void StartEditor(SensorEditor* editor, std::optional<int> fileNumber) {
    SensorStateData& s = Sensor::State();
    MainWindowServices& mainWindow = Sensor::MainWindow();
    const QString name = editor->name();
    if (!s.SensorFormName.isEmpty() && s.SensorFormName != name && s.SensorForm) {
        // The old editor's close takes the window menu's mark as if the user
        // had closed it; the mark stays as it was, and the new editor shows
        // when it is set.
        const bool shown = mainWindow.ParameterMenuChecked();
        s.SensorForm->Unload();
        mainWindow.SetParameterMenuChecked(shown);
    }
    mainWindow.SetParameterMenuEnabled(true);
    s.SensorForm = editor;
    s.SensorFormName = name;
    editor->Init();
    editor->readdata(fileNumber);
}

// The answers the identification was read from last.
TakenValues& identTaken() {
    static TakenValues taken;
    return taken;
}

// The identification texts read in the detection under way are those of the
// connected sensor; before that they may be another sensor's.
bool& identKnown() {
    static bool known = false;
    return known;
}

QString latin1(const QByteArray& bytes) { return QString::fromLatin1(bytes); }

}  // namespace

namespace Sensor {

// The sensor's own texts are printable ASCII. An answer with any other byte
// is line noise (or a status byte), no text: shown as the sensor's version
// or date and saved with its parameter files it would pass for the sensor's.
QString IdentText(const QString& command, std::optional<int> fileNumber) {
    const QString answer = Sensor::SendLoggedRequest(command, fileNumber);
    const auto printable = [](QChar c) { return c >= QLatin1Char(' ') && c <= QLatin1Char('~'); };
    return std::all_of(answer.cbegin(), answer.cend(), printable) ? answer : QString();
}

void DetectSensor(std::optional<int> fileNumber) {
    if (!QuerySaveChanges())
        return;
    SensorStateData& s = State();
    const DataSetDescription found = DataSetDescription::Of(s);
    s.SensorLine = QStringLiteral("-1");
    if (!fileNumber) {
        identKnown() = false;
        Ports::SetStepMarks(IdentificationMarks);
    }

    bool detectedAgain = false;
    for (;;) {
        if (fileNumber)
            s.OfflineMode = true;
        else
            PrepareLiveSensor();

        SensorEditor* editor = nullptr;
        if (IsSensorConnected(fileNumber)) {
            s.SensorState = 1;
            if (!fileNumber)
                s.OfflineMode = false;
            ReadSensorIdent(fileNumber);
            QString name = ChooseEditorName(s.SensorType);
            // A shifted or cut identification chooses no editor: asked again
            // with care, it costs no message.
            if (name.isEmpty() && !fileNumber && IdentTakenOutOfStep()) {
                ReadSensorIdentAgain();
                name = ChooseEditorName(s.SensorType);
            }
            identKnown() = !s.SensorType.isEmpty() && !fileNumber;
            if (!name.isEmpty())
                editor = TakeEditorChoice(name);
            s.SensorRange = SensorRangeOf(s.SensorType);
        }
        if (editor) {
            StartEditor(editor, fileNumber);
            // The identification chose the editor. Whether its answers were
            // shifted on the line shows by the end of the read at the latest,
            // which ends with the line's guard: only then is it asked again.
            if (fileNumber || !IdentTakenOutOfStep()) break;
            const QString chosen = ChooseEditorName(s.SensorType);
            ReadSensorIdentAgain();
            if (detectedAgain || (!s.SensorType.isEmpty() && ChooseEditorName(s.SensorType) == chosen)) break;
            // Another sensor line than the one whose editor was started: once more from the start.
            detectedAgain = true;
            Ports::FlushInput();
            continue;
        }
        if (ShowMessage(MessageNoSensor, MsgBox::RetryCancel) != MsgBox::Retry) {
            found.RestoreTo(s);
            if (!s.OfflineMode) {
                s.SensorState = 0;
                MainWindow().SetParameterMenuEnabled(false);
            }
            break;
        }
        Ports::FlushInput();
    }

    MainWindowServices& mainWindow = MainWindow();
    if (!mainWindow.StartupPending() && s.SensorState == 1) {
        if (mainWindow.ParameterMenuChecked() && s.SensorForm)
            s.SensorForm->Show();
        if (mainWindow.DisplayWindowLoaded())
            mainWindow.InitDisplayWindow();
    }
    mainWindow.EnableData(s.SensorState);
}

bool IsSensorConnected(std::optional<int> fileNumber) {
    if (fileNumber)
        return true;
    Ports::ReopenPort();
    if (!SendLoggedRequest(QStringLiteral("ID")).isEmpty())
        return true;
    // A sensor that answered before but whose answers to "ID" came too late
    // is there: once the line is back in step it answers again.
    return Ports::BringInStep() && !SendLoggedRequest(QStringLiteral("ID")).isEmpty();
}

void ReadSensorIdent(std::optional<int> fileNumber) {
    TakenValues& taken = identTaken() = TakenValues();
    ReadIdentTexts(fileNumber, [&taken](const QString& command, std::optional<int> file) {
        const QString text = IdentText(command, file);
        taken.Took(0);
        return text;
    });
}

bool IdentTakenOutOfStep() { return !identTaken().OutOfStep().isEmpty(); }

QString IdentTextInStep(const QString& command) {
    // The texts choose the editor, so a text shifted again is asked a few
    // times before it counts as no text.
    for (int attempt = 0; attempt < IdentAttempts; ++attempt) {
        QString text;
        if (TakenValues::InStep([&] { text = IdentText(command, std::nullopt); })) return text;
    }
    return QString();
}

void ReadSensorIdentAgain() {
    ReadIdentTexts(std::nullopt, [](const QString& command, std::optional<int>) { return IdentTextInStep(command); });
}

QList<Ports::StepMark> IdentificationMarks() {
    const SensorStateData& s = State();
    QString type, eprom, version;
    const bool idKnown = identKnown() && ParseSensorInfo(s.IdAnswer, type, eprom, version);
    const bool datKnown = identKnown() && s.DatAnswer.contains(QStringLiteral("Date:"));
    QList<Ports::StepMark> marks;
    marks.append({"ID", [idKnown, id = s.IdAnswer](const QByteArray& answer) {
                      QString t, e, v;
                      return idKnown ? latin1(answer) == id : ParseSensorInfo(latin1(answer), t, e, v);
                  }});
    marks.append({"DAT", [datKnown, dat = s.DatAnswer](const QByteArray& answer) {
                      return datKnown ? latin1(answer) == dat : latin1(answer).contains(QStringLiteral("Date:"));
                  }});
    if (identKnown() && !s.VerAnswer.isEmpty())
        marks.append({"VER", [ver = s.VerAnswer](const QByteArray& answer) { return latin1(answer) == ver; }});
    return marks;
}

void ReadIdentTexts(std::optional<int> fileNumber, const IdentReader& read) {
    SensorStateData& s = State();
    s.IdAnswer = read(QStringLiteral("ID"), fileNumber);
    if (!ParseSensorInfo(s.IdAnswer, s.SensorType, s.SensorEprom, s.SensorVersion))
        return;  // SensorType is empty: no editor will be chosen

    // An echoing sensor has no "VER"; a parameter file keeps the line of its
    // own sensor (empty for an echoing one), whatever the port's echo flag.
    if (Ports::EchoMode() && !fileNumber) {
        s.VerAnswer.clear();
        s.SensorVersionLetter.clear();
    } else {
        s.VerAnswer = read(QStringLiteral("VER"), fileNumber);
        s.SensorVersionLetter = s.VerAnswer.right(1);
    }
    s.DatAnswer = read(QStringLiteral("DAT"), fileNumber);
    ParseDateAnswer(s.DatAnswer, s.SensorDate, s.SensorTime);
}

// "Q&B QE3000-62HN Eprom: E1.2 Version: 2.1" gives the type "QE3000-62HN",
// the EPROM text "E1.2 " and the version "2.1". Texts without the prefix
// lose their first three characters instead. A text without a blank behind
// the type, or without "Version:" behind it, cannot be taken apart.
bool ParseSensorInfo(const QString& idText, QString& type, QString& eprom, QString& version) {
    type.clear();
    if (idText.isEmpty())
        return false;
    const QString prefix = QStringLiteral("Q&B ");
    const int prefixAt = idText.indexOf(prefix);
    const QString s = prefixAt >= 0 ? idText.mid(prefixAt + prefix.size()) : idText.mid(3);

    const int blank = s.indexOf(QLatin1Char(' '));
    if (blank < 0)
        return false;
    const int versionAt = s.indexOf(QStringLiteral("Version"), blank);
    const int versionColon = versionAt < 0 ? -1 : s.indexOf(QLatin1Char(':'), versionAt);
    if (versionColon < 0)
        return false;

    QString epromText;
    if (const int epromAt = s.indexOf(QStringLiteral("Eprom"), blank); epromAt >= 0) {
        if (const int colon = s.indexOf(QLatin1Char(':'), epromAt); colon >= 0) {
            const QString rest = s.mid(colon + 2);
            const int end = rest.indexOf(QLatin1Char(' '));
            if (end >= 0)
                epromText = rest.left(end + 1);  // the blank stays at its end
        }
    }
    type = TrimBlanks(s.left(blank));
    eprom = epromText;
    version = s.mid(versionColon + 2);
    return true;
}

bool QuerySaveChanges() {
    SensorStateData& s = State();
    if (s.OfflineMode && s.DataChanged) {
        const int answer = ShowMessage(MessageSaveChanges, MsgBox::YesNoCancel);
        if (answer == MsgBox::Cancel)
            return false;
        if (answer == MsgBox::Yes && !MainWindow().SaveParameterFile(true))
            return false;
    }
    s.DataChanged = false;
    return true;
}

}  // namespace Sensor
