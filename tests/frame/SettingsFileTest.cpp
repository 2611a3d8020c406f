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
    static int quickHelp() { return Options::Services().QuickHelpEnabled(-1); }
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
    using Getter = std::function<QString()>;
    const Options::Settings& s = Options::Current();
    const Getter retries = [&] { return QString::number(s.RetryCount); };
    const Getter outputTime = [&] { return QString::number(s.Prot.ProtOutputOption); };
    const Getter option0 = [&] { return QString::number(s.Prot.ProtOutputValue[0]); };
    const Getter lines = [&] { return QString::number(s.Prot.ProtLines); };
    const Getter upper = [&] { return QString::number(s.CommandUpper); };
    const Getter tooltips = [] { return QString::number(quickHelp()); };
    const Getter openedPort = [] { return port(); };
    struct Case {
        const char* section;
        const char* key;
        const char* value;
        const Getter& actual;
        const char* expected;
    } cases[] = {
        {"Settings", "Tooltips", "YES", tooltips, "1"},
        {"Settings", "Tooltips", "yes", tooltips, "0"},
        {"Settings", "RetryCount", "0", retries, "1"},
        {"Settings", "RetryCount", "101", retries, "1"},
        {"Settings", "RetryCount", "7 tries", retries, "7"},
        {"Settings", "RetryCount", "2.5", retries, "2"},
        {"Settings", "RetryCount", "3.5", retries, "4"},
        {"Settings", "RetryCount", "0.4", retries, "1"},   // never no try at all
        {"Settings", "CommandUpper", "-2", upper, "1"},
        {"ProtFile", "OutputTime", "4", outputTime, "0"},
        {"ProtFile", "OutputTime", "3", outputTime, "3"},
        {"ProtFile", "OutputOption0", " 25", option0, "25"},
        {"ProtFile", "OutputOption0", "99999", option0, "32767"},
        {"ProtFile", "OutputOption0", "-1e300", option0, "-32768"},
        {"ProtFile", "Lines", "70000", lines, "32767"},
        {"Settings", "Port", "", openedPort, ""},   // an empty name opens no port
    };
    for (const Case& c : cases) {
        Options::ResetForTests();
        Options::ResetServicesForTests();
        writeIni(QByteArray("[") + c.section + "]\n" + c.key + "=" + c.value + "\n");
        Options::LoadSettings();
        EXPECT_EQ(c.actual(), c.expected) << c.section << "/" << c.key << "=" << c.value;
    }
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
    EXPECT_EQ(ini(), QByteArray("[Settings]\n"
                                "SendRST=0\n"
                                "Tooltips=NO\n"
                                "Port=COM3\n"
                                "CommandWnd=Hide\n"
                                "Distance=Show\n"
                                "MonitorWnd=Show\n"
                                "ShowItWnd=Hide\n"
                                "Parameter=Show\n"
                                "Language=Deutsch\n"
                                "[PREVIOUSFILES]\n"
                                "FILE1=/d/a.zlv\n"
                                "[ProtFile]\n"
                                "OutputTime= 2\n"
                                "OutputOption0= 1\n"
                                "OutputOption1=-5\n"
                                "OutputOption2= 0\n"
                                "OutputOption3= 32767\n"
                                "Title=SEITE: %0  DATUM: %2\n"
                                "Data=ZEILE: %1: %4,%5\n"
                                "Lines= 60\n"
                                "Command0=AD\n"
                                "Command1=SS1\n"
                                "Command2=\n"
                                "File=WINZELVO.OUT\n"
                                "OverwriteFile=0\n"));
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

TEST_F(SettingsFile, NoValueStopsTheStart) {
    const QByteArray values[] = {"-", "1e400", "-1e400", "nan", "&HFFFF", "\x82\xff", QByteArray(1200, '9')};
    const char* keys[][2] = {{"Settings", "RetryCount"}, {"ProtFile", "OutputTime"}, {"ProtFile", "OutputOption2"},
                             {"ProtFile", "Lines"},      {"Settings", "Language"},   {"PREVIOUSFILES", "FILE1"}};
    for (const auto& key : keys) {
        for (const QByteArray& value : values) {
            Options::ResetForTests();
            Options::ResetServicesForTests();
            writeIni("[" + QByteArray(key[0]) + "]\n" + key[1] + "=" + value + "\n");
            Options::LoadSettings();
            const Options::Settings& s = Options::Current();
            EXPECT_TRUE(s.RetryCount >= 1 && s.RetryCount <= 100) << key[1] << "=" << value.constData();
            EXPECT_TRUE(s.Prot.ProtOutputOption >= 0 && s.Prot.ProtOutputOption <= 3);
            for (int v : s.Prot.ProtOutputValue) EXPECT_TRUE(v >= -32768 && v <= 32767);
            EXPECT_TRUE(s.Prot.ProtLines >= -32768 && s.Prot.ProtLines <= 32767);
        }
    }
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
