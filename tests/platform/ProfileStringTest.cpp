#include "platform/FileWriting.h"
#include "platform/ProfileString.h"
#include "support/TempWindowsFolder.h"

#include <QDir>
#include <QFile>
#include <unistd.h>

#include <gtest/gtest.h>

namespace {

TEST(ProfileString, ReadsByCaseInsensitiveSectionAndKey) {
    TempWindowsFolder dir;
    dir.write("a.ini", "; comment\r\n[Settings]\r\nPort = COM3\r\nEmpty=\r\n[Other]\r\nport=X\r\n");
    struct Case { const char* section; const char* key; const char* expected; } cases[] = {
        {"SETTINGS", "port", "COM3"}, {"other", "PORT", "X"}, {"Settings", "Empty", ""}, {"Nope", "Port", "dflt"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProfileString::Read("a.ini", c.section, c.key, "dflt"), c.expected) << c.section << "/" << c.key;
    EXPECT_EQ(ProfileString::Read("missing.ini", "Settings", "Port", "dflt"), "dflt");
}

TEST(ProfileString, CutsLongValuesAndSurvivesMalformedLines) {
    TempWindowsFolder dir;
    QByteArray bytes = "[S]\nnoequals\n[broken\n\x01\x02\xff=bin\nlong=" + QByteArray(2000, 'x') + "\n";
    bytes += "huge=" + QByteArray(100000, 'y') + "\nlast=ok\n";
    dir.write("b.ini", bytes);
    EXPECT_EQ(ProfileString::Read("b.ini", "S", "long", "").size(), ProfileString::MaxValueLength);
    EXPECT_EQ(ProfileString::Read("b.ini", "S", "last", ""), "ok");
    EXPECT_EQ(ProfileString::Read("b.ini", "S", QString::fromLatin1("\x01\x02\xff"), ""), "bin");
}

TEST(ProfileString, WriteKeepsOtherLinesAndOrder) {
    TempWindowsFolder dir;
    dir.write("c.ini", "; keep me\r\n[A]\r\nx=1\r\n; inner\r\ny=2\r\n[B]\r\nz=3\r\n");
    ASSERT_TRUE(ProfileString::Write("c.ini", "a", "Y", "20"));
    ASSERT_TRUE(ProfileString::Write("c.ini", "A", "new", "n"));
    ASSERT_TRUE(ProfileString::Write("c.ini", "C", "k", "v"));
    EXPECT_EQ(dir.read("c.ini"),
              "; keep me\r\n[A]\r\nx=1\r\n; inner\r\nY=20\r\nnew=n\r\n[B]\r\nz=3\r\n[C]\r\nk=v\r\n");
}

TEST(ProfileString, WriteCreatesFolderAndFileAndKeepsLatin1) {
    TempWindowsFolder dir;
    const QString value = QString::fromLatin1("\x82\xe4");
    ASSERT_TRUE(ProfileString::Write("new.ini", "S", "k", value));
    EXPECT_EQ(ProfileString::Read("new.ini", "S", "k", ""), value);
    EXPECT_TRUE(dir.read("new.ini").contains("\x82\xe4"));
}

TEST(ProfileString, FirstSectionAndFirstKeyOfANameWin) {
    TempWindowsFolder dir;
    dir.write("e.ini", "top=0\n[S]\na=1\nA=2\n[ s ]\na=3\nb=4\n[Gr\xd6\xdf" "e]\nH\xd6HE=5\n");
    struct Case { QString section; QString key; const char* expected; } cases[] = {
        {"s", "a", "1"},
        {"S", "b", "dflt"},  // a repeated section adds nothing
        {"S", "top", "dflt"},  // lines before the first section belong to none
        {QString::fromLatin1("gr\xf6\xdf" "e"), QString::fromLatin1("h\xf6he"), "5"},  // Latin-1 letters fold too
    };
    for (const Case& c : cases)
        EXPECT_EQ(ProfileString::Read("e.ini", c.section, c.key, "dflt"), c.expected) << c.key.toStdString();
}

TEST(ProfileString, SeesAFileChangedBehindItsBack) {
    TempWindowsFolder dir;
    dir.write("f.ini", "[S]\nk=old\n");
    ASSERT_EQ(ProfileString::Read("f.ini", "S", "k", ""), "old");
    ASSERT_TRUE(ProfileString::IsCached("f.ini"));
    QFile f(dir.file("f.ini"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[S]\nk=changed\n");
    f.close();
    EXPECT_FALSE(ProfileString::IsCached("f.ini"));
    EXPECT_EQ(ProfileString::Read("f.ini", "S", "k", ""), "changed");
    QFile::remove(dir.file("f.ini"));
    EXPECT_FALSE(ProfileString::IsCached("f.ini"));
    EXPECT_EQ(ProfileString::Read("f.ini", "S", "k", "gone"), "gone");
}

TEST(ProfileString, ALineBreakEndsTheWrittenValue) {
    TempWindowsFolder dir;
    dir.write("g.ini", "[PREVIOUSFILES]\nFile1=a.zlv\n[Settings]\nPort=COM1\n");
    const char* values[] = {"/tmp/x\n[Settings]\nPort=COM9", "/tmp/x\rPort=COM9", "/tmp/x\r\nFile2=y"};
    for (const char* value : values) {
        ASSERT_TRUE(ProfileString::Write("g.ini", "PREVIOUSFILES", "File1", value));
        EXPECT_EQ(ProfileString::Read("g.ini", "PREVIOUSFILES", "File1", ""), "/tmp/x") << value;
        EXPECT_EQ(dir.read("g.ini"), "[PREVIOUSFILES]\nFile1=/tmp/x\n[Settings]\nPort=COM1\n") << value;
    }
}

TEST(ProfileString, AnUnreadableFileIsNotOverwritten) {
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    TempWindowsFolder dir;
    dir.write("h.ini", "[Settings]\nPort=COM2\n");
    QFile::setPermissions(dir.file("h.ini"), QFileDevice::WriteOwner);
    EXPECT_FALSE(ProfileString::Write("h.ini", "Settings", "Debug", "1"));
    QFile::setPermissions(dir.file("h.ini"), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_EQ(dir.read("h.ini"), "[Settings]\nPort=COM2\n");
}

// Hand-made files: a rewrite changes the written key and nothing else.
TEST(ProfileString, UnusualFilesKeepEveryOtherKeyOnAWrite) {
    const QByteArray longValue(10000, 'v');
    struct Case {
        const char* name;
        QByteArray before;
        QByteArray after;   // once A/k is set to 2
    } cases[] = {
        {"a line of 10 000 characters", "[A]\nlong=" + longValue + "\nk=1\n[B]\nz=3\n",
         "[A]\nlong=" + longValue + "\nk=2\n[B]\nz=3\n"},
        {"CR alone ends the lines", "[A]\rlong=" + longValue + "\rk=1\r[B]\rz=3\r",
         "[A]\rlong=" + longValue + "\rk=2\r[B]\rz=3\r"},
        {"a byte-order mark", "\xEF\xBB\xBF[A]\r\nk=1\r\n[B]\r\nz=3\r\n",
         "\xEF\xBB\xBF[A]\r\nk=2\r\n[B]\r\nz=3\r\n"},
    };
    for (const Case& c : cases) {
        TempWindowsFolder dir;
        dir.write("u.ini", c.before);
        EXPECT_EQ(ProfileString::Read("u.ini", "A", "k", ""), "1") << c.name;
        EXPECT_EQ(ProfileString::Read("u.ini", "B", "z", ""), "3") << c.name;
        ASSERT_TRUE(ProfileString::Write("u.ini", "A", "k", "2")) << c.name;
        EXPECT_EQ(dir.read("u.ini"), c.after) << c.name;
    }
}

// A value the file cannot hold, or a disk that fills up, must not cost the
// file its other keys, nor store a value that reads back as another.
TEST(ProfileString, AFailedWriteLeavesTheFileAsItWas) {
    TempWindowsFolder dir;
    const QByteArray before = "[Settings]\nPort=COM2\n[PREVIOUSFILES]\nFILE1=/d/a.zlv\n";
    dir.write("i.ini", before);
    EXPECT_FALSE(ProfileString::Write("i.ini", "PREVIOUSFILES", "FILE1", QStringLiteral("/home/Документы/€uro.zlv")));
    EXPECT_EQ(dir.read("i.ini"), before);

    FileWriting::SetFlushFailureForTests([](const QString&) { return true; });
    EXPECT_FALSE(ProfileString::Write("i.ini", "Windows", "frmMain", "0,0,100,100"));
    FileWriting::SetFlushFailureForTests({});
    EXPECT_EQ(dir.read("i.ini"), before);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"i.ini"});   // nothing left behind
}

}  // namespace
