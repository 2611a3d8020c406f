// Reading and writing the whole QF8200Echo table: which cells each variant
// asks for, the Abort/Retry/Ignore of a failed read, parameter files, and the
// data set of a file written to a connected sensor.
#include "editors/qf8200echo/QF8200EchoFixture.h"
#include "support/ScriptedMessages.h"

namespace {

using namespace QF8200Echo;
using QF8200EchoTransferTest = QF8200EchoWindowTest;

QStringList reads(std::initializer_list<const char*> cells) {
    QStringList requests;
    for (const char* cell : cells) requests.append(QStringLiteral("RM,") + cell);
    return requests;
}

const QStringList CommonHead = reads({"WXE2", "WXE4", "WXEF", "WXE11", "XE1D"});

TEST_F(QF8200EchoTransferTest, EachVariantReadsItsOwnCells) {
    struct Case { bool analog; bool firmwareV2; QStringList requests; } const cases[] = {
        {false, true,
         CommonHead + reads({"WXE7", "WXEB", "WXE9", "WXED", "WXE13", "WXE15", "XE27", "XE28", "XE29", "XE2A", "XE2B",
                             "XE2C", "XE2D", "XE23", "XE24", "XE1B", "WXE19", "XE6E", "XE1E", "XE1F", "WXE20", "XE22",
                             "XE6", "XE25", "XE26", "XE1C", "XE2E", "XE2F"})},
        {true, false,
         CommonHead + reads({"WXE13", "WXE15", "XE2D", "XE1B", "WXE19", "XE6E", "XE1E", "XE1F", "WXE20", "XE22", "XE6",
                             "WXE7", "WXE9", "XE29", "XE2B", "WXE72", "WXE74"})},
    };
    for (const Case& c : cases) {
        open(c.analog, c.firmwareV2);
        window->readdata();
        EXPECT_EQ(sensor.take(), c.requests) << (c.analog ? "analog" : "switch");
        EXPECT_EQ(fakes.progress.shownCount, window->Echo().Count() + 1);
        // The monitor names parameters and values, not cells.
        EXPECT_EQ(monitor.mid(0, 4), QStringList({"W: TSD1", "R: 300", "W: TSD2", "R: 800"}));
    }
}

// A failed read asks Abort/Retry/Ignore. Whatever status byte answers it (80h
// included), an ignored record is not read, whatever was read before: its box
// stays empty, the read goes on, and a full write leaves its cell alone.
TEST_F(QF8200EchoTransferTest, AFailedReadAsksAbortRetryIgnore) {
    for (const int status : {0x80, 0x81, 0x82, 0x83, 0x84}) {
        SCOPED_TRACE(status);
        sensor.values["RM,XE1D"] = QString(QChar(status));
        messages.answer(MsgBox::Ignore);
        const int before = messages.count();
        window->readdata();
        ASSERT_EQ(messages.count(), before + 1);
        EXPECT_TRUE(messages.shown().last().text.contains(QString("Befehl <FTO> Fehler <%1h").arg(status, 0, 16)));
        EXPECT_FALSE(IsParDefValid(record(FTO)));
        EXPECT_EQ(window->txtFiltertimeout->text(), "");
        EXPECT_EQ(sensor.take().size(), 33);
        window->WriteData();
        EXPECT_FALSE(sensor.take().join(' ').contains("WM,XE1D"));
    }
    {
        ScriptedMessages boxes({MsgBox::Retry, MsgBox::Retry, MsgBox::Ignore});
        window->readdata();
        EXPECT_EQ(sensor.take().count("RM,XE1D"), 3);
    }
    ScriptedMessages boxes({MsgBox::Abort});
    fakes.display.calls.clear();
    const int unloads = fakes.progress.unloads;
    window->readdata();
    EXPECT_EQ(sensor.take().last(), "RM,XE1D");   // nothing read after the abort
    EXPECT_EQ(fakes.progress.unloads, unloads + 1);
    EXPECT_TRUE(fakes.display.calls.isEmpty());
}

// A cell answers exactly its hex digits, four for a word cell and two for a
// byte cell. Anything else (line noise, a digit short or over) is no value,
// however it would convert: the read asks as for a failed read, and after
// Ignore the record is not read, and neither the sensor nor a parameter file
// gets a value for it.
TEST_F(QF8200EchoTransferTest, ACellAnswerThatIsNotExactlyItsHexDigitsIsNoValue) {
    struct Case { const char* cell; const char* name; int record; QByteArray answer; } const cases[] = {
        {"WXE7", "SD1", SD1, "Y\xAB" "f\xEF"}, {"WXE7", "SD1", SD1, "1F4"},   {"WXE7", "SD1", SD1, "01F40"},
        {"WXE7", "SD1", SD1, "01F4 "},         {"WXE7", "SD1", SD1, "01G4"},  {"XE1D", "FTO", FTO, "3"},
        {"XE1D", "FTO", FTO, "003"},           {"XE2A", "OM2", OM2, "\xFF\xB8"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        open();
        sensor.values["RM," + QString(c.cell)] = QString::fromLatin1(c.answer);
        messages.answer(MsgBox::Ignore);
        const int before = messages.count();
        window->readdata();
        ASSERT_EQ(messages.count(), before + 1);
        EXPECT_EQ(messages.shown().last().text, MessageText(11, QString(c.name) + QStringLiteral("|ungültige Antwort")));
        EXPECT_FALSE(IsParDefValid(record(c.record)));
        sensor.take();
        window->WriteData();
        EXPECT_FALSE(sensor.take().join(' ').contains("WM," + QString(c.cell) + ','));
        window->WriteData(5);
        EXPECT_TRUE(sensor.fileLines[5].contains(QString(c.name) + '='));
        sensor.fileLines.clear();
    }
}

// A full write names every record the sensor did not take in one message.
TEST_F(QF8200EchoTransferTest, AFullWriteListsWhatTheSensorDidNotTakeInOneMessage) {
    sensor.refused = {"WM,WXE7", "WM,WXE9"};
    sensor.silent.insert("WM,XE1D");
    window->WriteData();
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.shown()[0].text, MessageText(17, "SD1, SD2|FTO|-"));
}

// Values of a parameter file that could not have been typed (no number,
// several values, beyond the cell, refused by the input rules, no mode, a
// status byte: a file holds display values, not the sensor's answers) are
// neither shown nor written; the file's read lists them in one message.
TEST_F(QF8200EchoTransferTest, FileValuesThatCouldNotBeTypedAreListedAndNeverSent) {
    window->WriteData(3);
    QHash<QString, QString> file;
    for (const QString& line : sensor.fileLines[3]) file.insert(line.section('=', 0, 0), line.section('=', 1));
    const QHash<QString, QString> untypable = {{"VS0", "-99999999999999"}, {"FTO", ",,,,,"}, {"SD1", "50"},
                                               {"BR", "A,B,C,D"},          {"CCT", "nan"},   {"OPM1", "X"},
                                               {"SH1", Rejected}};
    file.insert(untypable);
    sensor.files[4] = file;
    const QStringList cells = {"WM,WXEF,", "WM,XE1D,", "WM,WXE7,", "WM,WXE13,", "WM,WXE19,", "WM,XE2B,", "WM,XE27,"};
    for (const bool offline : {true, false}) {
        SCOPED_TRACE(offline ? "offline" : "written through");
        open();
        Sensor::State().SensorForm = window.get();
        Sensor::State().OfflineMode = offline;
        const int before = messages.count();
        window->readdata(4);
        for (const QString& request : sensor.take())
            for (const QString& cell : cells) EXPECT_FALSE(request.startsWith(cell)) << request.toStdString();
        ASSERT_EQ(messages.count(), before + 1);
        EXPECT_EQ(messages.shown().last().text, MessageText(17, "-|-|VS0, FTO, SD1, BR, SH1, OPM1, CCT"));
        if (!offline) continue;
        EXPECT_FALSE(IsParDefValid(record(SD1)));
        EXPECT_EQ(window->txtSwitchDis11->text(), "");
    }
}

// A list's value from a parameter file must be one of the list's entries (by
// position or item data): its cell could hold more, but the sensor would
// then be the only guard against it.
TEST_F(QF8200EchoTransferTest, FileValuesOutsideTheirListsAreListedAndNeverSent) {
    struct Case { bool analog; QHash<QString, QString> outside; QStringList cells; const char* listed; };
    const Case cases[] = {
        {false,
         {{"OM1", "2"}, {"OM2", "2"}, {"OPM1", "R"}, {"OPM2", "L"}, {"FSF", "3"}, {"CBT", "4"}, {"SEN", "2"},
          {"EVM", "ABC"}, {"POTI1", "26"}, {"POTI2", "26"}},
         {"XE29", "XE2A", "XE2B", "XE2C", "XE2D", "XE1B", "XE6E", "XE1E", "XE2E", "XE2F"},
         "OM1, OM2, OPM1, OPM2, FSF, CBT, SEN, EVM, POTI1, POTI2"},
        // The analogue output's mode and kind stand under OPM1 and OM1.
        {true,
         {{"OM1", "3"}, {"OPM1", "3"}, {"FSF", "3"}, {"CBT", "4"}, {"SEN", "29"}, {"EVM", "ABC"}},
         {"XE29", "XE2B", "XE2D", "XE1B", "XE6E", "XE1E"},
         "FSF, CBT, SEN, EVM, OM1, OPM1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.analog ? "analog" : "switch");
        open(c.analog);
        Sensor::State().SensorForm = window.get();
        sensor.fileLines.clear();
        window->WriteData(3);
        QHash<QString, QString> file;
        for (const QString& line : sensor.fileLines[3]) file.insert(line.section('=', 0, 0), line.section('=', 1));
        file.insert(c.outside);
        sensor.files[4] = file;
        const int before = messages.count();
        window->readdata(4);
        for (const QString& request : sensor.take())
            for (const QString& cell : c.cells)
                EXPECT_FALSE(request.startsWith("WM," + cell + ",")) << request.toStdString();
        ASSERT_EQ(messages.count(), before + 1);
        EXPECT_EQ(messages.shown().last().text, MessageText(17, QString("-|-|") + c.listed));
    }
}

TEST_F(QF8200EchoTransferTest, ParameterFilesHoldNamesAndDisplayValues) {
    window->WriteData(7);
    const QStringList lines = sensor.fileLines[7];
    EXPECT_EQ(lines.size(), 33);
    EXPECT_EQ(lines.mid(0, 6), QStringList({"TSD1=300", "TSD2=800", "VS0=34320", "TO=-50", "FTO=3", "SD1=500"}));
    for (const char* line : {"OPM1=W", "OPM2=H", "EVM=MXN", "TOPM=W", "POTI2=8"})
        EXPECT_TRUE(lines.contains(line)) << line;
    EXPECT_TRUE(sensor.take().isEmpty());

    open(true);
    window->WriteData(8);
    EXPECT_TRUE(sensor.fileLines[8].contains("A1=500"));
    EXPECT_TRUE(sensor.fileLines[8].contains("TOPM=2"));
    EXPECT_FALSE(sensor.fileLines[8].contains("SD1=500"));   // the switch point's record shares A1's cell
    EXPECT_FALSE(sensor.fileLines[8].join(' ').contains("IEND"));
}

TEST_F(QF8200EchoTransferTest, WritingToTheSensorSendsEveryCellInHex) {
    open(true);
    window->WriteData();
    const QStringList requests = sensor.take();
    EXPECT_EQ(requests.size(), 23);   // every stored record of the analogue variant
    EXPECT_EQ(requests.mid(0, 4), QStringList({"WM,WXE2,012C", "WM,WXE4,0320", "WM,WXEF,8610", "WM,WXE11,FFCE"}));
    // The taught mode of an analogue sensor keeps its number.
    EXPECT_TRUE(requests.contains("WM,XE6,02"));
    EXPECT_TRUE(std::all_of(sensor.timeouts.begin(), sensor.timeouts.end(), [](int ms) { return ms == 500; }));
    EXPECT_EQ(monitor.mid(0, 2), QStringList({"W: TSD1,300", "R: " + QString(QChar(0x80))}));
}

TEST_F(QF8200EchoTransferTest, AFileOpenedOnlineGoesToTheSensorAndIsReadBack) {
    Sensor::State().SensorForm = window.get();
    window->WriteData(3);
    QHash<QString, QString> file;
    for (const QString& line : sensor.fileLines[3]) file.insert(line.section('=', 0, 0), line.section('=', 1));
    file["SD1"] = "650";
    file.remove("MM");   // a file of an older sensor
    sensor.files[4] = file;
    window->readdata(4);
    const QStringList requests = sensor.take();
    ASSERT_EQ(requests.size(), 32 + 33);
    EXPECT_TRUE(requests.contains("WM,WXE7,028A"));
    // A value the file lacks is not written as 0.
    EXPECT_FALSE(requests.join(' ').contains("WM,XE1C"));
    EXPECT_EQ(requests[32], "RM,WXE2");
    EXPECT_EQ(window->txtSwitchDis11->text(), "650");
    EXPECT_EQ(record(MM).Value, "0");
}

TEST_F(QF8200EchoTransferTest, FactoryResetSetsTheSensitivityTo6) {
    window->SetDefaults();
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE6E,06"}));
    EXPECT_EQ(sensor.timeouts, QList<int>({0}));
    EXPECT_EQ(monitor, QStringList({"W: SEN,6"}));
    EXPECT_EQ(record(SEN).Value, "15");   // the new detection reads it back
}

TEST_F(QF8200EchoTransferTest, AReadTellsTheDisplayWhichSecondPointsExist) {
    // Taught: the taught mode (window) decides output 1 alone, not the
    // output's own mode (XE2B 00: one switch point).
    open(false, true, {{"XE22", "08"}, {"XE2B", "00"}});
    window->readdata();
    const QStringList calls = fakes.display.calls;
    EXPECT_EQ(calls.mid(calls.lastIndexOf("EnableSwitch(0,-1)")),
              QStringList({"EnableSwitch(0,-1)", "EnableSwitch(2,-1)", "Update"}));
}

}  // namespace
