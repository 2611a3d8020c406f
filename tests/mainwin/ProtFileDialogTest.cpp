// The protocol-file dialog: macro names in the templates, what it stores,
// the macro pop-up, start and stop, and how it is wired to the main window.
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "ScriptedFileDialogs.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "link/PollCycle.h"
#include "link/ProtFile.h"
#include "mainwin/ProtFileWiring.h"
#include "mainwin/frmProtFile.h"
#include "platform/Folders.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
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
        LanguageUtil::ResetLanguages();
        LanguageUtil::InitLanguages("GER", "Deutsch");
        addMacroItems(macroMenu);
        Options::ProtFileSettings& p = prot();
        p.ProtOutputOption = 2;
        p.ProtOutputValue = {5, 10, 15, -20};
        p.ProtTitle = "SEITE: %0  DATUM: %2";
        p.ProtData = "ZEILE: %1: %4,%5";
        p.ProtLines = 60;
        p.ProtCommand = {"AD", "RD <Relative Distance>", ""};
        p.ProtFileName = "WINZELVO.OUT";
        p.ProtOverwrite = false;
    }
    void TearDown() override {
        LanguageUtil::ResetLanguages();
        Folders::SetProgramFolderForTests(QString());
        LanguageUtil::InitLanguages("GER", "Deutsch");
        Sensor::ResetProtFileForTests();
        Options::ResetForTests();
    }

    static Options::ProtFileSettings& prot() { return Options::Current().Prot; }

    std::unique_ptr<frmProtFile> open() {
        return std::make_unique<frmProtFile>(&macroMenu, [this](bool start) { startCalls << start; });
    }

    // A language file in a program folder of its own, made current.
    void useLanguage(const QByteArray& frmProtFileSection) {
        QFile file(languages.filePath("WZLVLANG.ENG"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("[Main]\r\nLanguage=English\r\nFile=WZLVLANG.ENG\r\n[frmProtFile]\r\n" + frmProtFileSection);
        file.close();
        Folders::SetProgramFolderForTests(languages.path());
        LanguageUtil::ResetLanguages();
        LanguageUtil::InitLanguages("GER", "Deutsch");
        int english = 1;
        LanguageUtil::SelectLanguage(english);
    }

    static void leave(QLineEdit* box) {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(box, &out);
    }

    TempWindowsFolder windir;
    QTemporaryDir languages;
    QMenu macroMenu;
    QList<bool> startCalls;
};

TEST_F(ProtFileDialog, TemplatesShowMacroNamesAndStorePlaceholders) {
    struct MacroCase {
        QString stored;
        QString shown;
    };
    const MacroCase cases[] = {
        {"SEITE: %0  DATUM: %2", "SEITE: [SEITE]  DATUM: [DATUM]"},
        {"ZEILE: %1: %4,%5 um %3", "ZEILE: [ZEILE]: [ABFRAGE],[WERT] um [ZEIT]"},
        {"%9 %% 50% %", "%9 %% 50% %"},
        {"%01", "[SEITE]1"},
    };
    auto dialog = open();
    for (const MacroCase& c : cases) {
        EXPECT_EQ(dialog->SetMacros(c.stored), c.shown);
        EXPECT_EQ(dialog->ResetMacros(c.shown), c.stored);
    }

    // Typed by hand: a macro name is stored as its placeholder, a placeholder as it is.
    dialog->txtTitle->setText("[WERT] bei %0");
    dialog->txtData->setText("[wert] [SEITE");
    dialog->btOk->click();
    EXPECT_EQ(prot().ProtTitle, "%5 bei %0");
    EXPECT_EQ(prot().ProtData, "[wert] [SEITE");
    EXPECT_EQ(open()->txtTitle->text(), "[WERT] bei [SEITE]");
}

TEST_F(ProtFileDialog, TranslatedMacroNamesAndTexts) {
    useLanguage("Macro0=[PAGE]\r\nMacro1=[%1]\r\nMacro2=2\r\nMacro3=\r\n"
                "mnProtMacro0=Page\r\nbtOK=Fine\r\nbtMacro=Macro\r\nbtStart=Go\r\nlblOutput12=at\r\n");
    auto dialog = open();
    // Names that hold their placeholder or are part of it convert in one pass;
    // an empty name keeps the built-in one.
    EXPECT_EQ(dialog->SetMacros("%0|%1|%2|%3"), "[PAGE]|[%1]|2|[ZEIT]");
    EXPECT_EQ(dialog->ResetMacros("[PAGE]|[%1]|2|[ZEIT]"), "%0|%1|%2|%3");
    EXPECT_EQ(dialog->ResetMacros("[SEITE]"), "[SEITE]");   // the German name is plain text now

    EXPECT_EQ(macroMenu.actions()[0]->text(), "Page");
    EXPECT_EQ(macroMenu.actions()[1]->text(), "Zeile");
    EXPECT_EQ(dialog->btOk->text(), "Fine");
    EXPECT_EQ(dialog->btMacro[0]->text(), "Macro");
    EXPECT_EQ(dialog->btMacro[1]->text(), "Macro");
    EXPECT_EQ(dialog->btStartStop->text(), "Go");
    EXPECT_EQ(dialog->lblOutput1[2]->text(), "at");
    EXPECT_EQ(dialog->lblOutput1[3]->text(), "bei");

    // Back to German: every text from its design text again.
    int german = 0;
    LanguageUtil::SelectLanguage(german);
    dialog->SetLanguage();
    EXPECT_EQ(dialog->SetMacros("%0"), "[SEITE]");
    EXPECT_EQ(macroMenu.actions()[0]->text(), "Seite");
    EXPECT_EQ(dialog->btOk->text(), "&Ok");
}

TEST_F(ProtFileDialog, NumberBoxes) {
    struct NumberCase {
        QString typed;
        QString shownOnLeaving;
        int stored;
    };
    const NumberCase cases[] = {
        {"12abc", "12", 12},  {"abc", "0", 0},         {"", "0", 0},
        {" 7", "7", 7},       {"2.5", "2.5", 2},       {"3.5", "3.5", 4},
        {"-0", "0", 0},       {"99999", "32767", 32767}, {"-1e9", "-32768", -32768},
    };
    auto dialog = open();
    for (const NumberCase& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        for (QLineEdit* box : {dialog->txtLines, dialog->txtOutput[3]}) {
            box->setText(c.typed);
            dialog->FormSave();
            leave(box);
            EXPECT_EQ(box->text(), c.shownOnLeaving);
        }
        EXPECT_EQ(prot().ProtLines, c.stored);
        EXPECT_EQ(prot().ProtOutputValue[3], c.stored);
    }
}

TEST_F(ProtFileDialog, SettingsRoundTripAndCommandGapsClose) {
    auto dialog = open();
    EXPECT_TRUE(dialog->rdOutput[2]->isChecked());
    EXPECT_EQ(dialog->txtOutput[3]->text(), "-20");
    EXPECT_EQ(dialog->cmbCommand[1]->currentText(), "RD <Relative Distance>");
    EXPECT_FALSE(dialog->chkOverwriteFile->isChecked());
    const Options::ProtFileSettings before = prot();
    dialog->FormSave();
    EXPECT_EQ(prot().ProtOutputOption, before.ProtOutputOption);
    EXPECT_EQ(prot().ProtOutputValue, before.ProtOutputValue);
    EXPECT_EQ(prot().ProtTitle, before.ProtTitle);
    EXPECT_EQ(prot().ProtData, before.ProtData);
    EXPECT_EQ(prot().ProtLines, before.ProtLines);
    EXPECT_EQ(prot().ProtCommand, before.ProtCommand);
    EXPECT_EQ(prot().ProtFileName, before.ProtFileName);
    EXPECT_EQ(prot().ProtOverwrite, before.ProtOverwrite);

    // Only the third box filled: it becomes channel 1, and shows there next time.
    dialog->cmbCommand[0]->setEditText("   ");
    dialog->cmbCommand[1]->setEditText("");
    dialog->cmbCommand[2]->setEditText("  ADB <Absolute Distance Bin> ");
    dialog->rdOutput[3]->setChecked(true);
    dialog->chkOverwriteFile->setChecked(true);
    dialog->btOk->click();
    EXPECT_EQ(prot().ProtCommand, (std::array<QString, 3>{"ADB <Absolute Distance Bin>", "", ""}));
    EXPECT_EQ(prot().ProtOutputOption, 3);
    EXPECT_TRUE(prot().ProtOverwrite);
    auto again = open();
    EXPECT_EQ(again->cmbCommand[0]->currentText(), "ADB <Absolute Distance Bin>");
    EXPECT_EQ(again->cmbCommand[2]->currentText(), "");

    // Cancel keeps the settings as they were.
    again->txtTitle->setText("anders");
    again->btCancel->click();
    EXPECT_EQ(prot().ProtTitle, before.ProtTitle);
}

TEST_F(ProtFileDialog, MacroFromThePopUpReplacesTheSelection) {
    auto dialog = open();
    dialog->txtData->setText("A B C");
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    dialog->txtData->setFocus();
    dialog->txtData->setSelection(2, 1);   // "B"

    QString offered;
    QTimer::singleShot(0, [&offered] {
        auto* popup = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!popup) return;
        for (QAction* item : popup->actions()) offered += item->text() + ';';
        popup->setActiveAction(popup->actions()[4]);
        QTest::keyClick(popup, Qt::Key_Return);
    });
    QTest::mouseClick(dialog->btMacro[1], Qt::LeftButton);
    EXPECT_EQ(offered, "Seite;Zeile;Datum;Zeit;Befehlstext;Befehlsergebnis;");
    EXPECT_EQ(dialog->txtData->text(), "A [ABFRAGE] C");
    EXPECT_EQ(dialog->focusWidget(), dialog->txtData);
    // The dialog becomes active again once the pop-up is gone.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    EXPECT_TRUE(dialog->txtData->hasFocus());
    EXPECT_FALSE(dialog->txtData->hasSelectedText());   // the insertion stays where it was put
    dialog->FormSave();
    EXPECT_EQ(prot().ProtData, "A %4 C");

    // Tabbing in later selects the whole template again.
    dialog->txtTitle->setFocus();
    dialog->txtData->setFocus();
    EXPECT_EQ(dialog->txtData->selectedText(), "A [ABFRAGE] C");
}

TEST_F(ProtFileDialog, StartStopSavesAndToggles) {
    auto dialog = open();
    EXPECT_EQ(dialog->btStartStop->text(), "&Start");
    dialog->txtLines->setText("30");
    dialog->btStartStop->click();
    EXPECT_EQ(startCalls, QList<bool>{true});
    EXPECT_EQ(prot().ProtLines, 30);
    EXPECT_EQ(dialog->result(), QDialog::Accepted);

    Sensor::ProtFileState().LoggingActive = true;
    auto whileRecording = open();
    EXPECT_EQ(whileRecording->btStartStop->text(), "&Stop");
    whileRecording->txtLines->setText("40");
    whileRecording->btStartStop->click();
    EXPECT_EQ(startCalls, (QList<bool>{true, false}));
    EXPECT_EQ(prot().ProtLines, 40);
}

TEST_F(ProtFileDialog, FileButtonAsksForTheFile) {
    ScriptedFileDialogs files({"/data/messung.OUT", ""});
    auto dialog = open();
    dialog->btFile->click();
    EXPECT_EQ(dialog->txtFile->text(), "/data/messung.OUT");
    dialog->btFile->click();   // cancelled
    EXPECT_EQ(dialog->txtFile->text(), "/data/messung.OUT");
    ASSERT_EQ(files.count(), 2);
    const FileDialog::Request& asked = files.shown()[0];
    EXPECT_EQ(asked.fileName, "WINZELVO.OUT");
    EXPECT_EQ(asked.defaultExtension, "OUT");
    EXPECT_EQ(FileDialog::NameFilters(asked.filter), QStringList{"WinZelvo Logfile (*.out *.OUT)"});
    EXPECT_FALSE(asked.fileMustExist);   // a new protocol file is the usual choice
}

class ProtFileWiring : public MainWindowFixture {
protected:
    void TearDown() override {
        Sensor::ResetProtFileForTests();
        Sensor::ResetPollCycleForTests();
        MainWindowFixture::TearDown();
    }
};

TEST_F(ProtFileWiring, RecorderRunsThePollTimerAndTheStatusLine) {
    start();
    ConnectProtFile(*window);
    QTimer* timer = window->SensorPollTimer();
    Sensor::SetPolling(true);
    EXPECT_TRUE(timer->isActive());
    Sensor::SetPolling(false);
    EXPECT_FALSE(timer->isActive());

    Options::Current().Prot.ProtFileName = windir.file("missing/prot.out");
    const int boxes = messages.count();
    window->StartFileLogging(true);
    EXPECT_EQ(messages.count(), boxes + 1);
    EXPECT_FALSE(Sensor::LoggingActive());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(window->MenuItem("mnProtStartStop")->text(), "&Aufzeichnung starten");

    Options::Current().Prot.ProtFileName = windir.file("prot.out");
    window->StartFileLogging(true);
    EXPECT_TRUE(Sensor::LoggingActive());
    EXPECT_TRUE(timer->isActive());
    Sensor::PollSensor();
    EXPECT_EQ(window->lblMessage->text(), "File Logging (1)");

    // The dialog opens from the menu and stops the recording.
    WhenShown<frmProtFile>([](frmProtFile* dialog) { dialog->btStartStop->click(); });
    window->MenuItem("mnProtFile")->trigger();
    EXPECT_FALSE(Sensor::LoggingActive());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(window->MenuItem("mnProtStartStop")->text(), "&Aufzeichnung starten");
}

}  // namespace
