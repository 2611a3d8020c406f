#include "MainWindowFixture.h"
#include "ScriptedFileDialogs.h"
#include "link/OfflineAnswers.h"
#include "link/ProtFile.h"
#include "mainwin/FileIO.h"
#include "mainwin/ProtFileWiring.h"
#include "platform/FileWriting.h"

#include <QAction>
#include <QTemporaryDir>

namespace {

// The main window with the parameter files installed as the program does it.
class ParameterFilesWindow : public MainWindowFixture {
protected:
    void TearDown() override {
        MainWindowFixture::TearDown();
        OfflineAnswers::Install({});
        FileIO::ResetRecentFilesForTests();
        Sensor::ResetProtFileForTests();
    }

    void startWithParameterFiles() {
        start([this] { FileIO::InstallParameterFiles(window); });
    }

    QString writeParameterFile(const QString& name) const {
        const QString fileName = files.filePath(name);
        QFile file(fileName);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("FILEVERSION=WinZelvo-10-01-#KV-Quendix+Borva\r\nVER=1.0A\r\nDAT=\r\n"
                   "ID=Q&B QF6000-KR Eprom: E1 Version: 1.0\r\nSD1=500\r\n");
        return fileName;
    }

    QTemporaryDir files;
    ScriptedFileDialogs dialogs;
};

}  // namespace

// On a full disk the save fails at its last flush: the old file stays, the
// failure is reported and the program does not close over unsaved changes,
// nor write its settings or let go of the port.
TEST_F(ParameterFilesWindow, CloseIsRefusedWhenTheChangesCannotBeSaved) {
    startWithParameterFiles();
    const QByteArray settingsBefore = ini();
    const QString old = writeParameterFile("data.ZLV");
    QFile oldFile(old);
    ASSERT_TRUE(oldFile.open(QIODevice::ReadOnly));
    const QByteArray before = oldFile.readAll();
    Sensor::State().OfflineMode = true;
    Sensor::State().DataChanged = true;
    messages.answer(MsgBox::Yes);                            // message 8: save the changes?
    dialogs.answer(old);
    FileWriting::SetFlushFailureForTests([](const QString& file) { return file.endsWith(".ZLV"); });

    window->close();
    FileWriting::SetFlushFailureForTests({});

    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(ini(), settingsBefore);
    EXPECT_TRUE(line.PortOpen());
    EXPECT_TRUE(Sensor::State().DataChanged);
    ASSERT_EQ(messages.count(), 2);
    EXPECT_EQ(messages.shown().last().text, "Die Datei <" + old + "> konnte nicht geschrieben werden.");
    oldFile.seek(0);
    EXPECT_EQ(oldFile.readAll(), before);
}

// Which commands can be chosen, as menu items and toolbar buttons: the data
// commands need data, from the sensor or from a file; store and recall only
// where the editor has them; the recording buttons follow the recorder.
TEST_F(ParameterFilesWindow, MenuAndToolbarFollowTheDataAndTheRecorder) {
    sensorPresent = false;
    start([this] {
        FileIO::InstallParameterFiles(window);
        ConnectProtFile(*window);
    });
    activate();
    Options::Current().Prot.ProtFileName = windir.file("prot.out");
    const char* const items[] = {"mnOpen",        "mnSave",       "mnPrint",     "mnExport",        "mnSensRead",
                                 "mnSensWrite",   "mnSensDefault", "mnSensMaster", "mnSensStore",   "mnSensRecall",
                                 "mnProtStartStop", "mnInfo",      "mnParameter"};
    const auto enabled = [&] {
        QString states;
        for (const char* item : items) states += window->MenuItem(item)->isEnabled() ? '1' : '0';
        states += ' ';
        for (const Toolbar::ToolbarButton& button : window->ToolbarButtons)
            states += button.Control->isEnabled() ? '1' : '0';
        return states;
    };
    const QString file = writeParameterFile("data.zlv");
    const struct {
        const char* state;
        std::function<void()> act;
        const char* enabled;   // the items above in order, then toolbar buttons 0 to 10
    } steps[] = {
        {"no sensor at start", [] {}, "1000101111100 10010111110"},
        {"sensor read", [&] { sensorPresent = true; window->MenuItem("mnSensRead")->trigger(); },
         "1111111111111 11111111110"},
        {"sensor gone", [&] { sensorPresent = false; window->MenuItem("mnSensRead")->trigger(); },
         "1000101111100 10010111110"},
        {"file loaded without a sensor", [&] { QString name = file; FileIO::LoadParameterFile(name); },
         "1111111111111 11111111110"},
        {"editor without user configuration", [&] { window->EnableStoRcl(false); }, "1111111100111 11111110010"},
        {"recording", [&] { window->StartFileLogging(true); }, "1111111100111 11111110001"},
        {"recording stopped", [&] { window->StartFileLogging(false); }, "1111111100111 11111110010"},
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(enabled(), step.enabled) << step.state;
    }
}
