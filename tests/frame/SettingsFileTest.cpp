#include "frame/Options.h"

#include "frame/Inifile_Utils.h"
#include "frame/LanguageUtil.h"
#include "frame/SettingsServices.h"
#include "frame/TempProgramFolder.h"
#include "platform/FileWriting.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <functional>
#include <map>

namespace {

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        Options::ResetForTests();
        Options::ResetServicesForTests();
        TempProgramFolder::init();
        // Record what reaches the recent-files list, and keep the stand-in's list.
        Options::SettingsServices& services = Options::Services();
        services.AddRecentFile = [this, keep = services.AddRecentFile](const QString& path) {
            added.append(path);
            keep(path);
        };
    }
    void TearDown() override { Options::ResetServicesForTests(); }

    void writeIni(const QByteArray& text) const { windir.write(Options::SettingsFile, text); }
    QByteArray ini() const { return windir.read(Options::SettingsFile); }

    static QString port() {
        QString name;
        Options::Services().SetPort(name);
        return name;
    }
    static QString recent(int n) { return Options::Services().GetRecentFile(n); }

    TempWindowsFolder windir;
    TempProgramFolder program;
    ScriptedMessages messages{{}, MsgBox::Cancel};
    QStringList added;
};

TEST_F(SettingsFile, MissingFileGivesTheDefaults) {
    Options::LoadSettings();
    EXPECT_EQ(port(), "COM1");
    EXPECT_EQ(Options::Current().RetryCount, 2);
    EXPECT_FALSE(QFile::exists(windir.file(Options::SettingsFile))) << "reading creates no file";
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(SettingsFile, EachKeyIsReadWithItsRule) {
    const Options::Settings& s = Options::Current();
    const std::map<QString, std::function<int()>> read = {
        {"Tooltips", [] { return Options::Services().QuickHelpEnabled(-1); }},
        {"RetryCount", [&] { return s.RetryCount; }},
        {"CommandUpper", [&] { return int(s.CommandUpper); }},
        {"OutputTime", [&] { return s.Prot.ProtOutputOption; }},
        {"OutputOption0", [&] { return s.Prot.ProtOutputValue[0]; }},
        {"OutputOption1", [&] { return s.Prot.ProtOutputValue[1]; }},
        {"OutputOption2", [&] { return s.Prot.ProtOutputValue[2]; }}, {"Lines", [&] { return s.Prot.ProtLines; }},
    };
    const struct {
        const char* section;
        const char* key;
        const char* value;
        int expected;
    } cases[] = {
        {"Settings", "Tooltips", "YES", 1}, {"Settings", "Tooltips", "yes", 0},
        {"Settings", "RetryCount", "0", 1}, {"Settings", "RetryCount", "101", 1},
        {"Settings", "RetryCount", "7 tries", 7}, {"Settings", "RetryCount", "2.5", 2},
        {"Settings", "RetryCount", "3.5", 4}, {"Settings", "RetryCount", "0.4", 1},   // never no try at all
        {"Settings", "CommandUpper", "-2", 1}, {"ProtFile", "OutputTime", "4", 0},
        {"ProtFile", "OutputTime", "3", 3}, {"ProtFile", "OutputOption0", " 25", 25},
        {"ProtFile", "OutputOption0", "99999", 32767}, {"ProtFile", "OutputOption0", "-1e300", -32768},
        {"ProtFile", "Lines", "70000", 32767},
        // Values no number type holds are clamped or fall back, never stop the start.
        {"Settings", "RetryCount", "1e400", 1}, {"ProtFile", "OutputOption2", "nan", 0},
        {"ProtFile", "OutputOption1", "1e400", 1}, {"ProtFile", "Lines", "-1e400", 0},
        {"ProtFile", "OutputTime", "&HFFFF", 0},
    };
    for (const auto& c : cases) {
        Options::ResetForTests();
        Options::ResetServicesForTests();
        writeIni(QByteArray("[") + c.section + "]\n" + c.key + "=" + c.value + "\n");
        Options::LoadSettings();
        EXPECT_EQ(read.at(c.key)(), c.expected) << c.section << "/" << c.key << "=" << c.value;
    }
    Options::ResetServicesForTests();
    writeIni("[Settings]\nPort=\n");
    Options::LoadSettings();
    EXPECT_EQ(port(), "") << "an empty name opens no port";
}

TEST_F(SettingsFile, RecentFilesKeepTheirOrder) {
    writeIni("[PREVIOUSFILES]\nFILE1=/d/a.zlv\nFILE2=/d/b.zlv\nFILE3=/d/c.zlv\n");
    Options::LoadSettings();
    EXPECT_EQ(added, QStringList({"/d/c.zlv", "/d/b.zlv", "/d/a.zlv"})) << "the list puts each entry at its top";
    EXPECT_EQ(QStringList({recent(1), recent(2), recent(3), recent(4)}),
              QStringList({"/d/a.zlv", "/d/b.zlv", "/d/c.zlv", ""}));

    windir.write(Options::SettingsFile, "");
    Options::SaveSettings();
    EXPECT_TRUE(ini().contains("[PREVIOUSFILES]\nFILE1=/d/a.zlv\nFILE2=/d/b.zlv\nFILE3=/d/c.zlv\n[ProtFile]"));

    // A list that got shorter does not grow back from the old keys.
    added.clear();
    writeIni("[PREVIOUSFILES]\nFILE1=/d/a.zlv\nFILE2=/d/gone.zlv\nFILE3=/d/c.zlv\n");
    Options::LoadSettings();
    Options::Services().GetRecentFile = [](int n) { return n == 1 ? QString("/d/a.zlv") : QString(); };
    Options::SaveSettings();
    added.clear();
    Options::LoadSettings();
    EXPECT_EQ(added, QStringList{"/d/a.zlv"});

    // An empty entry ends the list, whatever follows it.
    added.clear();
    writeIni("[PREVIOUSFILES]\nFILE1=/d/a.zlv\nFILE2=\nFILE3=/d/c.zlv\n");
    Options::LoadSettings();
    EXPECT_EQ(added, QStringList{"/d/a.zlv"});
}

TEST_F(SettingsFile, SaveWritesEveryKeyInOrderAndForm) {
    Options::LoadSettings();
    Options::Settings& s = Options::Current();
    s.SendRST = false;
    s.Prot.ProtOutputOption = 2;
    s.Prot.ProtOutputValue = {1, -5, 0, 32767};
    s.Prot.ProtCommand = {"AD", "SS1", ""};
    s.Prot.ProtOverwrite = false;
    Options::Services().QuickHelpEnabled(0);
    Options::Services().SetMenuChecked("mnCommand", false);
    Options::Services().SetMenuChecked("mnShowIt", false);
    QString com3 = "COM3";
    Options::Services().SetPort(com3);
    Options::Services().AddRecentFile("/d/a.zlv");

    Options::SaveSettings();
    EXPECT_EQ(ini(), QByteArray("[Settings]\nSendRST=0\nTooltips=NO\nPort=COM3\nCommandWnd=Hide\nDistance=Show\n"
                                "MonitorWnd=Show\nShowItWnd=Hide\nParameter=Show\nLanguage=Deutsch\n"
                                "[PREVIOUSFILES]\nFILE1=/d/a.zlv\n"
                                "[ProtFile]\nOutputTime= 2\nOutputOption0= 1\nOutputOption1=-5\nOutputOption2= 0\n"
                                "OutputOption3= 32767\nTitle=SEITE: %0  DATUM: %2\nData=ZEILE: %1: %4,%5\nLines= 60\n"
                                "Command0=AD\nCommand1=SS1\nCommand2=\nFile=WINZELVO.OUT\nOverwriteFile=0\n"));
}

TEST_F(SettingsFile, KeysThatAreOnlyReadKeepWhatTheUserWrote) {
    writeIni("[Settings]\nRetryCount=7\nDebug=1\nCommandUpper=0\nDetectTimeout=250\nEchoTimeout=900\n"
             "Command1=MD,OFF\n[PREVIOUSFILES]\nFILE1=/d/a.zlv\nFILE5=/d/stale.zlv\n");
    Options::LoadSettings();
    Options::SaveSettings();
    const QByteArray after = ini();
    for (const char* line : {"RetryCount=7\n", "Debug=1\n", "CommandUpper=0\n", "DetectTimeout=250\n",
                             "EchoTimeout=900\n", "Command1=MD,OFF\n", "FILE5=/d/stale.zlv\n"})
        EXPECT_TRUE(after.contains(line)) << line;
}

// Closing the program on a full disk: every write fails, the file keeps all
// it held and the user hears of it once.
TEST_F(SettingsFile, SavingOnAFullDiskKeepsTheFileAndSaysSo) {
    const QByteArray before = "[Settings]\nPort=COM2\nLanguage=Deutsch\n[Foreign]\nkeep=me\n"
                              "[PREVIOUSFILES]\nFILE1=/d/a.zlv\n";
    writeIni(before);
    Options::LoadSettings();
    Inifile_Utils::ResetWriteErrorFlag();
    FileWriting::SetFlushFailureForTests([](const QString&) { return true; });
    Options::SaveSettings();
    FileWriting::SetFlushFailureForTests({});
    Inifile_Utils::ResetWriteErrorFlag();
    EXPECT_EQ(ini(), before);
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.shown().first().text, "Fehler beim Schreiben der Initialisierungsdaten!");
}

// A path outside Latin-1 would read back as "?" marks: it is left out and the
// entries behind it move up.
TEST_F(SettingsFile, RecentFileTheFileCannotHoldIsLeftOut) {
    for (const char* path : {"/d/c.zlv", "/home/Документы/€uro.zlv", "/d/a.zlv"})
        Options::Services().AddRecentFile(QString::fromUtf8(path));
    Options::SaveSettings();
    EXPECT_TRUE(ini().contains("[PREVIOUSFILES]\nFILE1=/d/a.zlv\nFILE2=/d/c.zlv\n[ProtFile]"));
    EXPECT_EQ(messages.count(), 0);
}

}  // namespace
