#include "link/DetectionFixture.h"
#include "link/SensorCommands.h"
#include "link/SensorDetection.h"
#include "link/SensorInfo.h"

namespace {

TEST_F(DetectionTest, LiveDetectionOfEachLine) {
    struct Case {
        const char* id;
        bool echoes;
        bool sendRst;
        QStringList requests;
        const char* editor;
        const char* line;
    } const cases[] = {
        {"Q&B QF3000 Eprom: E1.2 Version: 2.1", false, false, {"<CR>", "MD,OFF", "ID", "ID", "VER", "DAT"},
         "frmQF8200", "0"},
        {"Q&B QF3000 Version: 2.1", false, true, {"<CR>", "MD,OFF", "RST", "ID", "ID", "VER", "DAT"}, "frmQF8200",
         "0"},
        // An echoing sensor gets neither "MD,OFF" nor "RST" nor "VER".
        {"Q&B QE3000-62HN Version: 2.1", true, true, {"<CR>", "ID", "ID", "DAT"}, "frmQF8200Echo", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id);
        port.requests.clear();
        calls.clear();
        mainWindow.calls.clear();
        port.echo = c.echoes;
        Options::Current().SendRST = c.sendRst;
        sensorIs(c.id);
        if (c.echoes)
            answers.remove("");  // its echo is the only answer to a lone CR

        Sensor::DetectSensor();

        EXPECT_EQ(requests(), c.requests);
        const QString editor = c.editor;
        EXPECT_EQ(calls.mid(calls.size() - 3), QStringList({editor + ":Init", editor + ":readdata()", editor + ":Show"}));
        const SensorStateData& s = Sensor::State();
        EXPECT_EQ(s.SensorForm, editors[editor].get());
        EXPECT_EQ(s.SensorLine, c.line);
        EXPECT_EQ(s.SensorState, 1);
        EXPECT_EQ(Ports::EchoMode(), c.echoes);
        EXPECT_EQ(s.SensorVersionLetter, c.echoes ? "" : "B");
        EXPECT_EQ(s.SensorDate + '|' + s.SensorTime, "01.02.2003|12:34");
        EXPECT_TRUE(mainWindow.menuEnabled);
        EXPECT_EQ(mainWindow.calls, QStringList({"EnableData(1)"}));
    }
}

// A sensor that answers nothing: Retry probes and asks again, Cancel ends
// the detection with no editor and the data commands off.
TEST_F(DetectionTest, SilentSensorRetryThenCancel) {
    answers.clear();
    ScriptedMessages boxes({MsgBox::Retry, MsgBox::Cancel});

    Sensor::DetectSensor();

    ASSERT_EQ(boxes.count(), 2);
    EXPECT_EQ(boxes.shown().at(1).text, "Der Sensor konnte nicht initialisiert werden!");
    EXPECT_EQ(requests().count("<CR>"), 2);
    EXPECT_EQ(requests().count("ID"), 4);
    EXPECT_FALSE(requests().contains("VER"));
    EXPECT_TRUE(calls.isEmpty());
    EXPECT_EQ(Sensor::State().SensorState, 0);
    EXPECT_EQ(mainWindow.calls, QStringList({"EnableData(0)"}));
}

TEST_F(DetectionTest, ParameterFileAnswersInsteadOfTheSensor) {
    const QMap<QString, QString> file = {{"ID", "Q&B QT6000 Version: 1.5"}, {"VER", "V1.5C"}, {"DAT", "Date: 03.04.05"}};
    OfflineAnswers::Install({[&](int fileNo, const QString& key) { return fileNo == 7 ? file.value(key) : ""; }, {}});
    mainWindow.displayLoaded = true;
    Ports::SetEchoMode(true, false);  // the sensor before echoed: the file still has its "VER" line read

    Sensor::DetectSensor(7);

    EXPECT_TRUE(port.requests.isEmpty());
    EXPECT_EQ(calls, QStringList({"frmQT8200:Init", "frmQT8200:readdata(7)", "frmQT8200:Show"}));
    EXPECT_EQ(mainWindow.calls, QStringList({"InitDisplayWindow", "EnableData(1)"}));
    const SensorStateData& s = Sensor::State();
    EXPECT_TRUE(s.OfflineMode);
    EXPECT_EQ(s.SensorRange, 6000);
    EXPECT_EQ(s.SensorVersionLetter + '|' + s.SensorDate + '|' + s.SensorTime, "C|03.04.05|");
}

// The sensor's own texts are printable: line noise answering "VER" or "DAT"
// is no text, so that neither the windows nor the sheet show it and no
// parameter file keeps it.
TEST_F(DetectionTest, NoiseForTheVersionOrDateIsNoText) {
    answers["VER"] = "V2\xAB\xEF\r";
    answers["DAT"] = "Date: 01.02.2003 Time: 12:3\xFF\r";

    Sensor::DetectSensor();

    const SensorStateData& s = Sensor::State();
    EXPECT_EQ(s.SensorType, "QF3000");
    EXPECT_EQ(s.VerAnswer + '|' + s.SensorVersionLetter, "|");
    EXPECT_EQ(s.DatAnswer + '|' + s.SensorDate + '|' + s.SensorTime, "||");
}

// Printable means ASCII from the blank on: a control byte (a bell, a tab) in
// an answer to "ID", "VER" or "DAT" makes it no text either. An
// identification that is no text has no type, and so no editor.
TEST_F(DetectionTest, AControlByteInAnIdentificationTextMakesItNoText) {
    struct Case {
        const char* what;
        QByteArray id, ver, dat;
        const char* type;
        const char* texts;   // ID|VER|DAT as taken
        const char* parts;   // version letter|date|time
    } const cases[] = {
        {"a bell in the identification", "Q&B QF6000-KR\x07 Eprom: E1.2 Version: 2.1", "V2.1B",
         "Date: 01.02.2003 Time: 12:34", "", "||", "||"},
        {"a tab in the identification", "Q&B QF6000-KR\tEprom: E1.2 Version: 2.1", "V2.1B",
         "Date: 01.02.2003 Time: 12:34", "", "||", "||"},
        {"the same identification without it", "Q&B QF6000-KR Eprom: E1.2 Version: 2.1", "V2.1B",
         "Date: 01.02.2003 Time: 12:34", "QF6000-KR",
         "Q&B QF6000-KR Eprom: E1.2 Version: 2.1|V2.1B|Date: 01.02.2003 Time: 12:34", "B|01.02.2003|12:34"},
        {"control bytes in the version and date", "Q&B QF6000-KR Eprom: E1.2 Version: 2.1", "V2.1\x1F",
         "Date: 01.02.2003\x01Time: 12:34", "QF6000-KR", "Q&B QF6000-KR Eprom: E1.2 Version: 2.1||", "||"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Sensor::ResetStateForTests();
        calls.clear();
        sensorIs(c.id);
        answers["VER"] = c.ver + "\r";
        answers["DAT"] = c.dat + "\r";
        const bool typed = *c.type != '\0';
        ScriptedMessages boxes({MsgBox::Cancel});   // no editor found: give up

        Sensor::DetectSensor();

        const SensorStateData& s = Sensor::State();
        EXPECT_EQ(s.SensorType, c.type);
        EXPECT_EQ(s.IdAnswer + '|' + s.VerAnswer + '|' + s.DatAnswer, c.texts);
        EXPECT_EQ(boxes.count(), typed ? 0 : 1);
        EXPECT_EQ(s.SensorForm, typed ? editors["frmQF8200"].get() : nullptr);
        EXPECT_EQ(calls.contains("frmQF8200:Init"), typed);
        EXPECT_EQ(s.SensorVersionLetter + '|' + s.SensorDate + '|' + s.SensorTime, c.parts);
    }
}

TEST_F(DetectionTest, CancelledDetectionLeavesTheDataSetItFound) {
    const QMap<int, QMap<QString, QString>> files = {
        {1, {{"ID", "Q&B QT6000 Version: 1.5"}, {"VER", "V1.5C"}, {"DAT", "Date: 03.04.05"}}},
        {2, {{"ID", "Q&B XY9000"}}},  // cannot be taken apart
    };
    OfflineAnswers::Install({[&](int fileNo, const QString& key) { return files.value(fileNo).value(key); }, {}});
    enum Source { Nothing, LiveSensor, QtFile };
    struct Case {
        Source before;
        bool failingFile;  // else a live sensor of a type without an editor answers
        bool offline;
        int sensorState;
        const char* type;
        const char* line;
    } const cases[] = {
        {Nothing, true, false, 0, "", "-1"},            // no editor: nothing to work on
        {QtFile, false, true, 1, "QT6000", "3"},        // the file's editor must not go online
        {QtFile, true, true, 1, "QT6000", "3"},         // nor save another file's identification
        {LiveSensor, true, false, 0, "QF3000", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(int(&c - cases));
        Sensor::ResetStateForTests();
        sensorIs("Q&B QF3000 Eprom: E1.2 Version: 2.1");
        if (c.before == LiveSensor)
            Sensor::DetectSensor();
        else if (c.before == QtFile)
            Sensor::DetectSensor(1);
        const SensorEditor* editor = Sensor::State().SensorForm;
        sensorIs("Q&B XY3000 Version: 1.0");
        ScriptedMessages boxes({MsgBox::Cancel});

        Sensor::DetectSensor(c.failingFile ? std::optional<int>(2) : std::nullopt);

        ASSERT_EQ(boxes.count(), 1);
        const SensorStateData& s = Sensor::State();
        EXPECT_EQ(s.SensorForm, editor);
        EXPECT_EQ(s.OfflineMode, c.offline);
        EXPECT_EQ(s.SensorState, c.sensorState);
        EXPECT_EQ(s.SensorType, c.type);
        EXPECT_EQ(s.IdAnswer.isEmpty(), c.before == Nothing);
        EXPECT_EQ(s.SensorLine, c.line);
        EXPECT_EQ(mainWindow.menuEnabled, c.sensorState == 1);
        EXPECT_EQ(mainWindow.calls.last(), QStringLiteral("EnableData(%1)").arg(c.sensorState));
    }
}

TEST_F(DetectionTest, SaveQuestionOnlyForChangedOfflineData) {
    struct Case {
        bool offline, changed;
        int answer;
        bool saved, result;
        int boxes;
        bool changedAfter;
    } const cases[] = {
        {false, true, MsgBox::Yes, true, true, 0, false},
        {true, true, MsgBox::Yes, false, false, 1, true},  // the save dialog was cancelled
        {true, true, MsgBox::Cancel, true, false, 1, true},
    };
    for (const Case& c : cases) {
        Sensor::State().OfflineMode = c.offline;
        Sensor::State().DataChanged = c.changed;
        mainWindow.saveSucceeds = c.saved;
        ScriptedMessages boxes({c.answer});
        EXPECT_EQ(Sensor::QuerySaveChanges(), c.result);
        EXPECT_EQ(boxes.count(), c.boxes);
        EXPECT_EQ(Sensor::State().DataChanged, c.changedAfter);
    }
    // Cancel stops a detection before anything is sent.
    ScriptedMessages boxes({MsgBox::Cancel});
    Sensor::DetectSensor();
    EXPECT_TRUE(port.requests.isEmpty());
}

TEST_F(DetectionTest, SensorCommandsDetectAgainAndTypedOnesAreNotSentTwice) {
    Sensor::DetectSensor();
    const auto run = [&](const std::function<void()>& command) {
        port.requests.clear();
        calls.clear();
        command();
        return requests().mid(0, 2);
    };
    EXPECT_EQ(run([] { Sensor::SensorSetDefaults(true); }), QStringList({"DEF", "<CR>"}));
    EXPECT_EQ(calls.mid(0, 2), QStringList({"frmQF8200:SetDefaults", "frmQF8200:Init"}));
    EXPECT_EQ(run([] { QString t = " DEF "; Sensor::SensorInterpretCommand(t); }), QStringList({"<CR>", "MD,OFF"}));
    EXPECT_EQ(run([] { Sensor::StoreUserConfig(); }), QStringList({"SUC"}));
}

// A typed parameter name goes to the editor, "MD,xx" to the line's master window.
TEST_F(DetectionTest, TypedCommandsReachEditorAndMasterWindow) {
    const auto type = [](const char* text) {
        QString typed = text;
        Sensor::SensorInterpretCommand(typed);
    };
    Sensor::DetectSensor();
    calls.clear();
    for (const char* typed : {"SD1,500", "SD1", "WM,12,3F", "MD", "md,rd"}) type(typed);
    EXPECT_EQ(calls, QStringList({"frmQF8200:InterpretCommand(SD1)", "frmQF8200:InterpretCommand(WM,12)"}));
    EXPECT_EQ(masterCalls, QStringList({"Start(RD)"}));

    ScriptedMessages boxes;
    Sensor::State().MasterForm = nullptr;
    type("md,rd");
    ASSERT_EQ(boxes.count(), 1);   // no master-mode window: message 9
    EXPECT_TRUE(boxes.shown().at(0).text.contains("Mastermodus"));
    Sensor::State().SensorFormName.clear();   // no editor detected: nothing happens
    type("SD1,500");
    EXPECT_EQ(calls.size(), 2);
}

}  // namespace
