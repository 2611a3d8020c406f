// The protocol-file dialog: macro names in the templates, what it stores,
// the macro pop-up, start and stop, and how it is wired to the main window.
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "frame/TempProgramFolder.h"
#include "link/PollCycle.h"
#include "link/ProtFile.h"
#include "mainwin/ProtFileWiring.h"
#include "mainwin/frmProtFile.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
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

    // An English language file, made current.
    void useLanguage(const QByteArray& frmProtFileSection) {
        program.writeLanguage("WZLVLANG.ENG", "English", "[frmProtFile]\r\n" + frmProtFileSection);
        LanguageUtil::ResetLanguages();
        TempProgramFolder::init();
        int english = 1;
        LanguageUtil::SelectLanguage(english);
    }

    TempWindowsFolder windir;
    TempProgramFolder program;
    QMenu macroMenu;
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
                "mnProtMacro0=Page\r\nbtOK=Fine\r\nbtMacro=Macro\r\nbtStart=Go\r\n");
    auto dialog = open();
    // Names that hold their placeholder or are part of it convert in one pass;
    // an empty name keeps the built-in one.
    EXPECT_EQ(dialog->SetMacros("%0|%1|%2|%3"), "[PAGE]|[%1]|2|[ZEIT]");
    EXPECT_EQ(dialog->ResetMacros("[PAGE]|[%1]|2|[ZEIT]"), "%0|%1|%2|%3");
    EXPECT_EQ(dialog->ResetMacros("[SEITE]"), "[SEITE]");   // the German name is plain text now

    // Keys that differ from the control names.
    const QStringList texts = {macroMenu.actions()[0]->text(), macroMenu.actions()[1]->text(), dialog->btOk->text(),
                               dialog->btMacro[1]->text(), dialog->btStartStop->text()};
    EXPECT_EQ(texts, (QStringList{"Page", "Zeile", "Fine", "Macro", "Go"}));

    // Back to German: the design texts again.
    int german = 0;
    LanguageUtil::SelectLanguage(german);
    dialog->SetLanguage();
    EXPECT_EQ(dialog->SetMacros("%0"), "[SEITE]");
    EXPECT_EQ(macroMenu.actions()[0]->text(), "Seite");
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
    const QTimer* timer = window->SensorPollTimer();
    Options::Current().Prot.ProtFileName = windir.file("prot.out");
    window->StartFileLogging(true);
    EXPECT_TRUE(Sensor::LoggingActive());
    EXPECT_TRUE(timer->isActive());
    Sensor::PollSensor();
    EXPECT_EQ(window->lblMessage->text(), "File Logging (1)");

    // The dialog opens from the menu, keeps what was edited and stops the recording.
    WhenShown<frmProtFile>([](frmProtFile* dialog) {
        EXPECT_EQ(dialog->btStartStop->text(), "&Stop");
        dialog->txtLines->setText("30");
        dialog->btStartStop->click();
    });
    window->MenuItem("mnProtFile")->trigger();
    EXPECT_EQ(Options::Current().Prot.ProtLines, 30);
    EXPECT_FALSE(Sensor::LoggingActive());
    EXPECT_FALSE(timer->isActive());
}

}  // namespace
