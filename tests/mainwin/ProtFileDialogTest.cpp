// The protocol-file dialog: macro names in the templates, what it stores,
// and how it is wired to the main window.
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "frame/TempProgramFolder.h"
#include "link/PollCycle.h"
#include "link/ProtFile.h"
#include "mainwin/ProtFileWiring.h"
#include "mainwin/frmProtFile.h"
#include "platform/FileWriting.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

namespace {

// The main window's hidden macro menu as it builds it.
void addMacroItems(QMenu& menu) {
    const char* captions[] = {"Seite", "Zeile", "Datum", "Zeit", "Befehlstext", "Befehlsergebnis"};
    for (int i = 0; i < 6; ++i) {
        QAction* item = menu.addAction(captions[i]);
        item->setObjectName("mnProtMacro");
        item->setProperty("index", i);
    }
}

class ProtFileDialog : public ::testing::Test {
protected:
    void SetUp() override {
        Options::ResetForTests();
        Sensor::ResetProtFileForTests();
        TempProgramFolder::init();
        addMacroItems(macroMenu);
        prot() = Options::ProtFileSettings{2,  {5, 10, 15, -20}, {"AD", "RD <Relative Distance>", ""}, "WINZELVO.OUT",
                                           "SEITE: %0  DATUM: %2", "ZEILE: %1: %4,%5", 60, false};
    }
    void TearDown() override {
        Sensor::ResetProtFileForTests();
        Options::ResetForTests();
    }

    static Options::ProtFileSettings& prot() { return Options::Current().Prot; }

    std::unique_ptr<frmProtFile> open() { return std::make_unique<frmProtFile>(&macroMenu, nullptr); }

    TempWindowsFolder windir;
    TempProgramFolder program;
    QMenu macroMenu;
};

TEST_F(ProtFileDialog, TemplatesShowMacroNamesAndStorePlaceholders) {
    const std::pair<QString, QString> cases[] = {
        {"SEITE: %0  DATUM: %2", "SEITE: [SEITE]  DATUM: [DATUM]"},
        {"ZEILE: %1: %4,%5 um %3", "ZEILE: [ZEILE]: [ABFRAGE],[WERT] um [ZEIT]"},
        {"%9 %% 50% %", "%9 %% 50% %"},
        {"%01", "[SEITE]1"},
    };
    auto dialog = open();
    for (const auto& [stored, shown] : cases) {
        EXPECT_EQ(dialog->SetMacros(stored), shown);
        EXPECT_EQ(dialog->ResetMacros(shown), stored);
    }

    // Typed by hand: a macro name is stored as its placeholder, a placeholder as it is.
    dialog->txtTitle->setText("[WERT] bei %0");
    dialog->txtData->setText("[wert] [SEITE");
    dialog->btOk->click();
    EXPECT_EQ(prot().ProtTitle, "%5 bei %0");
    EXPECT_EQ(prot().ProtData, "[wert] [SEITE");
    EXPECT_EQ(open()->txtTitle->text(), "[WERT] bei [SEITE]");
}

TEST_F(ProtFileDialog, NumberBoxes) {
    const struct {
        QString typed, shownOnLeaving;
        int stored;
    } cases[] = {
        {"12abc", "12", 12}, {"abc", "0", 0},             {"2.5", "2.5", 2},
        {"3.5", "3.5", 4},   {"99999", "32767", 32767}, {"-1e9", "-32768", -32768},
    };
    auto dialog = open();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        for (QLineEdit* box : {dialog->txtLines, dialog->txtOutput[3]}) {
            box->setText(c.typed);
            dialog->FormSave();
            QFocusEvent leaving(QEvent::FocusOut, Qt::TabFocusReason);
            QCoreApplication::sendEvent(box, &leaving);
            EXPECT_EQ(box->text(), c.shownOnLeaving);
        }
        EXPECT_EQ(prot().ProtLines, c.stored);
        EXPECT_EQ(prot().ProtOutputValue[3], c.stored);
    }
}

TEST_F(ProtFileDialog, SettingsRoundTripAndCommandGapsClose) {
    const auto saved = [] {
        const Options::ProtFileSettings& p = prot();
        return std::tuple(p.ProtOutputOption, p.ProtOutputValue, p.ProtTitle, p.ProtData, p.ProtLines, p.ProtCommand,
                          p.ProtFileName, p.ProtOverwrite);
    };
    const auto before = saved();
    auto dialog = open();
    dialog->FormSave();
    EXPECT_EQ(saved(), before);

    // Only the third box filled: it becomes channel 1, and shows there next time.
    dialog->cmbCommand[0]->setEditText("   ");
    dialog->cmbCommand[1]->setEditText("");
    dialog->cmbCommand[2]->setEditText("  ADB <Absolute Distance Bin> ");
    dialog->btOk->click();
    EXPECT_EQ(prot().ProtCommand, (std::array<QString, 3>{"ADB <Absolute Distance Bin>", "", ""}));
    auto again = open();
    EXPECT_EQ(again->cmbCommand[0]->currentText(), "ADB <Absolute Distance Bin>");
    EXPECT_EQ(again->cmbCommand[1]->currentText(), "");

    // Cancel keeps the settings as they were.
    again->txtTitle->setText("anders");
    again->btCancel->click();
    EXPECT_EQ(prot().ProtTitle, std::get<2>(before));
}

class ProtFileWiring : public MainWindowFixture {
protected:
    void TearDown() override {
        Sensor::ResetProtFileForTests();
        Sensor::ResetPollCycleForTests();
        MainWindowFixture::TearDown();
    }
};

// A recording runs the poll timer and counts in the status line. Stopped from
// the dialog, or ended by a line that does not reach the disk (which is
// reported), the window shows the recorder stopped: the start button and menu
// caption back, no count in the status line.
TEST_F(ProtFileWiring, RecorderRunsThePollTimerAndTheStatusLineAndStopsOnAWriteError) {
    start();
    ConnectProtFile(*window);
    const QString file = windir.file("prot.out");
    Options::Current().Prot.ProtFileName = file;
    QAction* startStop = window->MenuItem("mnProtStartStop");
    const auto recording = [&](bool on) {
        Sensor::PollSensor();
        EXPECT_EQ(Sensor::LoggingActive(), on);
        EXPECT_EQ(window->SensorPollTimer()->isActive(), on);
        EXPECT_EQ(window->lblMessage->text().trimmed(), on ? "File Logging (1)" : "");
        EXPECT_EQ(startStop->text(), on ? window->StopCaption : window->StartCaption);
        EXPECT_EQ(window->ToolbarButtons[9].Disabled, on);
        EXPECT_EQ(window->ToolbarButtons[10].Disabled, !on);
    };
    window->StartFileLogging(true);
    recording(true);

    // The dialog opens from the menu, keeps what was edited and stops the recording.
    WhenShown<frmProtFile>([](frmProtFile* dialog) {
        EXPECT_EQ(dialog->btStartStop->text(), "&Stop");
        dialog->txtLines->setText("30");
        dialog->btStartStop->click();
    });
    window->MenuItem("mnProtFile")->trigger();
    EXPECT_EQ(Options::Current().Prot.ProtLines, 30);
    recording(false);

    window->StartFileLogging(true);
    recording(true);
    const QByteArray written = windir.read("prot.out");
    FileWriting::SetFlushFailureForTests([](const QString&) { return true; });
    Sensor::PollSensor();
    FileWriting::SetFlushFailureForTests({});
    recording(false);   // nothing records any more
    ASSERT_EQ(messages.count(), 1);
    EXPECT_EQ(messages.shown().last().text, "Die Datei <" + file + "> konnte nicht geschrieben werden.");
    EXPECT_TRUE(windir.read("prot.out").startsWith(written));
}

}  // namespace
