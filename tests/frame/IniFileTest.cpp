#include "frame/Inifile_Utils.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

namespace {

// The bytes of a literal, NULs included.
template <size_t N>
QByteArray raw(const char (&text)[N]) {
    return QByteArray(text, N - 1);
}

TEST(IniFile, ReadIniStringFollowsProfileRules) {
    TempWindowsFolder dir;
    dir.write("z.ini", "[Settings]\r\nPort=COM2\r\nEmpty=\r\nlblopmode1=Betrieb\r\nLong=" + QByteArray(2000, 'v') +
                           raw("\r\nNul=ab\0cd\r\n"));
    struct Case {
        const char* section;
        const char* key;
        QString expected;
    } cases[] = {
        {"settings", "PORT", "COM2"},          // sections and keys ignore letter case
        {"Settings", "lblOPMode1", "Betrieb"}, // window texts are looked up by mixed-case names
        {"Settings", "Empty", ""},             // present but empty: not the default
        {"Settings", "Missing", "dflt"},
        {"Other", "Port", "dflt"},
        {"Settings", "Long", QString(1023, 'v')},
        {"Settings", "Nul", "ab"},  // a value ends at its first NUL
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadIniString("z.ini", c.section, c.key, "dflt"), c.expected) << c.section << '/' << c.key;
    EXPECT_EQ(ReadIniString("nofile.ini", "Settings", "Port", "COM1"), "COM1");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the hourglass is taken down again";
}

TEST(IniFile, EmptyKeyListsTheSectionsKeysNulSeparated) {
    TempWindowsFolder dir;
    dir.write("k.ini", "[A]\nfirst=1\n; note\nSecond=2\nnoequals\n[B]\nother=3\n");
    const QChar nul(0);
    struct Case {
        const char* section;
        QString expected;
    } cases[] = {
        {"a", QString("first") + nul + "Second" + nul + nul},
        {"B", QString("other") + nul + nul},
        {"none", QString(nul)},
    };
    for (const Case& c : cases) {
        QString result;
        Inifile_Utils::ReadIniBuffer("k.ini", c.section, "", "ignored", result);
        EXPECT_EQ(result, c.expected) << c.section;
    }
}

TEST(IniFile, MalformedLinesAreSkipped) {
    TempWindowsFolder dir;
    QByteArray bytes = raw("[S\nbroken=1\n[S]\njunk line\n\x01\x7f\xff\x00=bin\n=novalue\n");
    bytes += "huge=" + QByteArray(100000, 'h') + "\n" + QByteArray(100000, 'x') + "\nafter=ok\n";
    dir.write("m.ini", bytes);
    EXPECT_EQ(ReadIniString("m.ini", "S", "after", ""), "ok");
    EXPECT_EQ(ReadIniString("m.ini", "S", "broken", "none"), "none");
    EXPECT_EQ(ReadIniString("m.ini", "S", "huge", "").size(), 1023);
}

TEST(IniFile, WriteKeepsOtherLinesAndLatin1) {
    TempWindowsFolder dir;
    dir.write("w.ini", "; Kommentar\r\n[Settings]\r\nPort=COM1\r\nDebug=1\r\n[Windows]\r\nfrmMain=1,2\r\n");
    const QString value = QString::fromLatin1("Gr\xf6\xdf" "e \x82");
    EXPECT_TRUE(WriteIniString("w.ini", "SETTINGS", "port", "COM4"));
    EXPECT_TRUE(WriteIniString("w.ini", "Settings", "Text", value));
    EXPECT_EQ(dir.read("w.ini"), "; Kommentar\r\n[Settings]\r\nport=COM4\r\nDebug=1\r\nText=Gr\xf6\xdf" "e \x82\r\n"
                                 "[Windows]\r\nfrmMain=1,2\r\n");
    EXPECT_EQ(ReadIniString("w.ini", "Settings", "Text", ""), value);
}

TEST(IniFile, FailingWritesShowMessageThreeOncePerRun) {
    Inifile_Utils::ResetWriteErrorFlag();
    TempWindowsFolder dir;
    ScriptedMessages boxes;
    // No folder can be created below /dev/null, not even by root.
    const QString unwritable = "/dev/null/sub/ZELVO8200.INI";
    EXPECT_FALSE(WriteIniString(unwritable, "Settings", "a", "1"));
    EXPECT_FALSE(WriteIniString(unwritable, "Settings", "b", "2"));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown()[0].text, "Fehler beim Schreiben der Initialisierungsdaten!");

    // A write that completes ends the run; the next failure is reported again.
    EXPECT_TRUE(WriteIniString("ok.ini", "Settings", "a", "1"));
    EXPECT_FALSE(WriteIniString(unwritable, "Settings", "c", "3"));
    EXPECT_EQ(boxes.count(), 2);
    Inifile_Utils::ResetWriteErrorFlag();
}

}  // namespace
