#include "platform/ProfileString.h"
#include "support/TempWindowsFolder.h"

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

}  // namespace
