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

// Letter case, long values and malformed lines are the profile reader's; this
// layer adds the NUL ending and the hourglass.
TEST(IniFile, ValueEndsAtItsFirstNulAndTheHourglassGoesAgain) {
    TempWindowsFolder dir;
    dir.write("z.ini", raw("[Settings]\r\nNul=ab\0cd\r\n"));
    EXPECT_EQ(ReadIniString("z.ini", "Settings", "Nul", "dflt"), "ab");
    EXPECT_EQ(ReadIniString("nofile.ini", "Settings", "Port", "COM1"), "COM1");
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(IniFile, EmptyKeyListsTheSectionsKeysNulSeparated) {
    TempWindowsFolder dir;
    dir.write("k.ini", "[A]\nfirst=1\n; note\nSecond=2\nnoequals\n[B]\nother=3\n");
    const QChar nul(0);
    const std::pair<const char*, QString> cases[] = {{"a", QString("first") + nul + "Second" + nul + nul},
                                                     {"none", QString(nul)}};
    for (const auto& [section, expected] : cases) {
        QString result;
        Inifile_Utils::ReadIniBuffer("k.ini", section, "", "ignored", result);
        EXPECT_EQ(result, expected) << section;
    }
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
