#include "ParameterFileFixture.h"
#include "mainwin/ParameterFile.h"
#include "platform/FileWriting.h"
#include "platform/SerialPort.h"

#include <QCursor>
#include <QDir>
#include <QGuiApplication>

#include <optional>

#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

namespace {

const QByteArray Latin1Values = QByteArrayLiteral("SD1=500\r\nSD2=\x82\r\nTXT=Gr\xfc\xdf") + "e\r\n";

QByteArray SavedFile() {
    return QByteArrayLiteral("FILEVERSION=WinZelvo-10-01-#KV-Quendix+Borva\r\n"
                             "VER=1.0A\r\n"
                             "DAT=Date: 01.02.03 Time: 10:00\r\n"
                             "ID=Q&B QF6000-KR Eprom: E1 Version: 1.0\r\n") +
           Latin1Values;
}

}  // namespace

TEST(ParameterFileLookup, FindsTheExactKeyOnTheFirstLineThatHasIt) {
    struct Case {
        const char* name;
        QByteArray content;
        QString key;
        QString expected;
    };
    const Case cases[] = {
        {"blanks around the equals sign", "  SD1 = 500  \r\n", "SD1", "500"},
        {"a key that begins another key", "SD11=7\r\nSD1=5\r\n", "SD1", "5"},
        {"the first of two lines wins", "SD1=5\r\nSD1=6\r\n", "SD1", "5"},
        {"letter case counts", "sd1=5\r\n", "SD1", "none"},
        {"a line without equals sign", "SD1 500\r\n", "SD1", "none"},
        {"the value keeps further equals signs", "CMD=MD=OFF\r\n", "CMD", "MD=OFF"},
        {"an empty value is a value", "VER=\r\nVER=1\r\n", "VER", ""},
        {"lines ended by LF alone", "SD2=4\nSD1=5\n", "SD1", "5"},
        {"lines ended by CR alone", "SD2=4\rSD1=5\r", "SD1", "5"},
        {"a last line without its end", "SD2=4\r\nSD1=5", "SD1", "5"},
        {"a status byte as value", "SD1=\x82\r\n", "SD1", QString(QChar(0x82))},
        {"umlauts one byte each", "TXT=\xe4\xf6\xfc\r\n", "TXT", QStringLiteral("äöü")},
    };
    for (const Case& c : cases) {
        const ParameterFile file = ParameterFile::FromBytes(c.content);
        EXPECT_EQ(file.Value(c.key, "none"), c.expected) << c.name;
    }
}

TEST_F(ParameterFileFixture, SavedFileHoldsMagicIdentificationAndRecordsByteForByte) {
    haveSensorData();
    Sensor::State().DataChanged = true;
    dialogs.answer(path("data.txt"));

    ASSERT_TRUE(FileIO::SaveParameterFile(true));

    ASSERT_EQ(dialogs.count(), 1);
    EXPECT_EQ(FileDialog::NameFilters(dialogs.shown().first().filter),
              QStringList{"Zelvo 8200 Parameter (*.zlv *.ZLV)"});
    EXPECT_EQ(read("data.ZLV"), SavedFile());
    EXPECT_FALSE(QFile::exists(path("data.txt")));
    EXPECT_FALSE(Sensor::State().DataChanged);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(ParameterFileFixture, FileLoadedWithoutSensorComesBackUnchangedWhenSavedAgain) {
    write("data.ZLV", SavedFile());
    const QStringList original = editor.values();
    for (auto& record : editor.records) record.second.clear();

    load("data.ZLV");

    const SensorStateData& s = Sensor::State();
    EXPECT_EQ(editor.values(), original);
    EXPECT_EQ(editor.calls, (QStringList{"Init", "readdata(file)"}));
    EXPECT_TRUE(s.OfflineMode);
    EXPECT_EQ(s.SensorState, 1);
    EXPECT_EQ(s.SensorType, "QF6000-KR");
    EXPECT_EQ(s.DataFileName, path("data.ZLV"));
    EXPECT_TRUE(line.requests.isEmpty());   // offline: the file answers, nothing is sent

    dialogs.answer(path("copy.zlv"));
    ASSERT_TRUE(FileIO::SaveParameterFile(true));
    EXPECT_EQ(read("copy.zlv"), SavedFile());
}

TEST_F(ParameterFileFixture, InvalidFilesAreRefusedAndTheCurrentDataStay) {
    struct Case {
        const char* name;
        QByteArray content;
        bool accepted;
    };
    const QByteArray body = "ID=" + Id.toLatin1() + "\r\n" + Latin1Values;
    const Case cases[] = {
        {"magic in other letter case", "FILEVERSION=winzelvo-10-01-#kv-quendix+borva\r\n" + body, false},
        {"no version line", body, false},
        {"magic with something behind it", "FILEVERSION=WinZelvo-10-01-#KV-Quendix+Borva2\r\n" + body, false},
        {"not a parameter file at all", "hello\r\n", false},
        {"version line with blanks", " FILEVERSION = WinZelvo-10-01-#KV-Quendix+Borva \r\n" + body, true},
        {"version line further down", body + Magic.toLatin1(), true},
    };
    for (const Case& c : cases) {
        Sensor::ResetStateForTests();
        FileIO::ResetRecentFilesForTests();
        editor.calls.clear();
        const int shownBefore = messages.count();
        write("case.zlv", c.content);

        load("case.zlv");

        if (c.accepted) {
            EXPECT_EQ(messages.count(), shownBefore) << c.name;
            EXPECT_EQ(editor.calls, (QStringList{"Init", "readdata(file)"})) << c.name;
        } else {
            ASSERT_EQ(messages.count(), shownBefore + 1) << c.name;
            EXPECT_EQ(messages.shown().last().text, "Ungültige Datendatei!") << c.name;
            EXPECT_TRUE(editor.calls.isEmpty()) << c.name;
            EXPECT_EQ(Sensor::State().SensorState, 0) << c.name;
            EXPECT_TRUE(Sensor::State().DataFileName.isEmpty()) << c.name;
            EXPECT_EQ(FileIO::RecentFileCount(), 0) << c.name;
        }
    }
}

TEST_F(ParameterFileFixture, FileForAnotherTypeGoesToTheSensorOnlyAfterYes) {
    QByteArray file = SavedFile();
    file.replace("QF6000-KR", "QF9000-XY");
    write("other.zlv", file);
    haveSensorData();
    connectSensor("QF6000-KR");

    messages.answer(MsgBox::No);
    load("other.zlv");
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.shown().first().style, 4 + 32);
    EXPECT_TRUE(messages.shown().first().text.startsWith("Die Sensortypen der Datendatei (QF9000-XY) und des "
                                                         "angeschlossenen\rSensors(QF6000-KR)"));
    EXPECT_TRUE(editor.calls.isEmpty());
    EXPECT_EQ(line.requests, QList<QByteArray>{"ID"});
    EXPECT_TRUE(Sensor::State().DataFileName.isEmpty());

    line.requests.clear();
    messages.answer(MsgBox::Yes);
    load("other.zlv");
    EXPECT_EQ(editor.calls, (QStringList{"readdata(file)", "WriteData()"}));
    EXPECT_EQ(line.requests, (QList<QByteArray>{"ID", "SD1,500", "SD2,\x82", "TXT,Gr\xfc\xdf" "e"}));
    EXPECT_FALSE(Sensor::State().OfflineMode);
    EXPECT_EQ(FileIO::GetRecentFile(1), path("other.zlv"));
}

TEST_F(ParameterFileFixture, SilentSensorTurnsTheLoadIntoOfflineWork) {
    write("data.zlv", SavedFile());
    haveSensorData();
    connectSensor("QF6000-KR");
    line.respond = nullptr;
    // An echoing sensor takes seconds to be found silent: the pointer says so.
    std::optional<Qt::CursorShape> pointer;
    line.duringWait = [&pointer](const QByteArray&) {
        if (const QCursor* cursor = QGuiApplication::overrideCursor()) pointer = cursor->shape();
    };

    load("data.zlv");

    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(editor.calls, (QStringList{"Init", "readdata(file)"}));
    EXPECT_TRUE(Sensor::State().OfflineMode);
    EXPECT_EQ(Sensor::State().DataFileName, path("data.zlv"));
    EXPECT_EQ(pointer, Qt::WaitCursor);
}

// The sensor went away with its port's device (an adapter pulled). The
// port's name may reach another device by now, here one that answers: the
// file is worked on offline all the same, and nothing goes to that device.
TEST_F(ParameterFileFixture, PortThatWentAwayTurnsTheLoadIntoOfflineWork) {
    write("data.zlv", SavedFile());
    haveSensorData();
    connectSensor("QF6000-KR");
    const int opens = line.opens;
    line.vanish();

    load("data.zlv");

    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(editor.calls, (QStringList{"Init", "readdata(file)"}));
    EXPECT_TRUE(Sensor::State().OfflineMode);
    EXPECT_EQ(line.requests, QList<QByteArray>());
    EXPECT_EQ(line.opens, opens);
}

// The real port on a pseudo-terminal whose far end has closed: the line has
// hung up, and the port finds out only when it looks at the line. Loading a
// file looks before it turns to the sensor, so the status bar shows the port
// closed while nothing is busy yet, and the file is worked on offline at
// once, without the busy pointer of asking a sensor that cannot be there.
TEST_F(ParameterFileFixture, PortWhoseLineHungUpTurnsTheLoadIntoOfflineWorkAtOnce) {
    const int farEnd = posix_openpt(O_RDWR | O_NOCTTY);
    ASSERT_GE(farEnd, 0);
    ASSERT_EQ(grantpt(farEnd), 0);
    ASSERT_EQ(unlockpt(farEnd), 0);
    QString device = QString::fromLocal8Bit(ptsname(farEnd));
    write("data.zlv", SavedFile());
    haveSensorData();
    SerialPort port;
    QStringList shown;   // the status bar's port state, and whether the pointer was busy then
    Ports::InitPort(&port, [&shown](const QString&, bool open) {
        shown << QString(open ? "open" : "closed") + (QGuiApplication::overrideCursor() ? " (busy)" : "");
    });
    Ports::SetPort(device);
    ASSERT_TRUE(Ports::PortOpen());
    ::close(farEnd);
    ASSERT_TRUE(port.PortOpen());   // nothing has looked at the line yet
    shown.clear();

    load("data.zlv");

    EXPECT_EQ(shown, QStringList{"closed"});
    EXPECT_FALSE(port.PortOpen());
    EXPECT_EQ(messages.count(), 0);
    EXPECT_EQ(editor.calls, (QStringList{"Init", "readdata(file)"}));
    EXPECT_TRUE(Sensor::State().OfflineMode);
    Ports::ResetForTests();   // before the port goes
}

TEST_F(ParameterFileFixture, FailedSaveKeepsTheOldFileAndTheChanges) {
    haveSensorData();
    const QString moved = files.filePath("moved");
    ASSERT_TRUE(QDir().mkpath(files.filePath("sub")));
    ASSERT_TRUE(QDir().mkpath(files.filePath("dir.zlv")));
    write("sub/data.zlv", "old content");
    write("full.zlv", "old content");

    struct Case {
        const char* name;
        QString chosen;
        std::function<void()> duringWrite;
    };
    const Case cases[] = {
        {"folder that does not exist", path("nowhere/data.zlv"), {}},
        {"a folder in the file's place", path("dir.zlv"), {}},
        // The last flush fails as on a full disk, after every write seemed to succeed.
        {"disk full", path("full.zlv"),
         [this] { FileWriting::SetFlushFailureForTests([this](const QString& f) { return f == path("full.zlv"); }); }},
        // The new file can no longer take the old one's place.
        {"folder gone while writing", path("sub/data.zlv"), [this, moved] { QDir().rename(path("sub"), moved); }},
    };
    for (const Case& c : cases) {
        Sensor::State().DataChanged = true;
        editor.duringWrite = c.duringWrite;
        dialogs.answer(c.chosen);
        const int shownBefore = messages.count();

        EXPECT_FALSE(FileIO::SaveParameterFile(true)) << c.name;
        FileWriting::SetFlushFailureForTests({});

        EXPECT_TRUE(Sensor::State().DataChanged) << c.name;
        ASSERT_EQ(messages.count(), shownBefore + 1) << c.name;
        EXPECT_EQ(messages.shown().last().text,
                  "Die Datei <" + FileIO::SaveFileName(c.chosen) + "> konnte nicht geschrieben werden.")
            << c.name;
    }
    EXPECT_EQ(read("full.zlv"), "old content");
    QFile old(moved + "/data.zlv");
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old content");
    EXPECT_EQ(FileIO::RecentFileCount(), 0);
    EXPECT_EQ(QDir(files.path()).entryList(QDir::Files), QStringList{"full.zlv"});   // no half-written file left
}

// The save dialog asked only about the name chosen; the ".ZLV" file formed
// from it is another file, which is replaced only after a Yes.
TEST_F(ParameterFileFixture, SavingOverTheFormedNameAsksFirst) {
    haveSensorData();
    struct Case {
        const char* name;
        QString chosen;
        std::optional<int> answer;   // nothing: no question
        bool saved;
    };
    const Case cases[] = {
        {"No keeps the file", path("keep.txt"), MsgBox::No, false},
        {"Yes replaces it", path("keep.dat"), MsgBox::Yes, true},
        {"the name chosen is the name written", path("keep.ZLV"), std::nullopt, true},
        {"no file of the formed name", path("new.txt"), std::nullopt, true},
    };
    for (const Case& c : cases) {
        write("keep.ZLV", "old content");
        Sensor::State().DataChanged = true;
        dialogs.answer(c.chosen);
        if (c.answer) messages.answer(*c.answer);
        const int shownBefore = messages.count();

        EXPECT_EQ(FileIO::SaveParameterFile(true), c.saved) << c.name;

        ASSERT_EQ(messages.count(), shownBefore + (c.answer ? 1 : 0)) << c.name;
        if (c.answer) {
            EXPECT_EQ(messages.shown().last().text,
                      "Die Datei <" + path("keep.ZLV") + "> ist bereits vorhanden.\rSoll sie ersetzt werden?");
            EXPECT_EQ(messages.shown().last().style, 4 + 32) << c.name;
        }
        EXPECT_EQ(read("keep.ZLV") == "old content", c.chosen.contains("new") || !c.saved) << c.name;
        EXPECT_EQ(Sensor::State().DataChanged, !c.saved) << c.name;
    }
    EXPECT_FALSE(QFile::exists(path("keep.txt")));
}
