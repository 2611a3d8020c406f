#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "frame/TempProgramFolder.h"
#include "link/Ports.h"
#include "mainwin/Toolbar.h"
#include "mainwin/frmOptions.h"
#include "mainwin/frmPrintComment.h"
#include "mainwin/frmSensorInfo.h"
#include "ModalDriver.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

struct CommentStep {
    const char* typed;
    bool ok;
    bool result;
    const char* comment;   // the argument after the call
};

TEST(PrintComment, RemembersWhatWasTypedWhicheverWayTheDialogCloses) {
    frmPrintComment::ResetForTests();
    const CommentStep steps[] = {
        {"A", true, true, "A"},
        {"B", false, false, "A"},     // cancelled: the text remembered before opening
        {"", false, false, "B"},      // ... which the last cancel updated
        {"x\ny", true, true, "x\r\ny"},
    };
    for (const CommentStep& step : steps) {
        WhenShown<frmPrintComment>([&step](frmPrintComment* dialog) {
            EXPECT_TRUE(dialog->txtComment->toPlainText().isEmpty());   // always starts empty
            dialog->txtComment->setPlainText(step.typed);
            (step.ok ? dialog->btOk : dialog->btCancel)->click();
        });
        QString comment = "caller's";
        EXPECT_EQ(frmPrintComment::GetComment(comment), step.result) << step.typed;
        EXPECT_EQ(comment, step.comment) << step.typed;
    }
    frmPrintComment::ResetForTests();
}

TEST(SensorInfo, SoftwareLineJoinsLetterDateAndTime) {
    EXPECT_EQ(frmSensorInfo::SoftwareText("B", "01.02.03 10:00"), "B (01.02.03 10:00)");
    EXPECT_EQ(frmSensorInfo::SoftwareText("", "01.02.03 10:00"), "(01.02.03 10:00)");
    EXPECT_EQ(frmSensorInfo::SoftwareText("", ""), "()");
}

// A program folder with an English language file for the options dialog.
class OptionsDialog : public ::testing::Test {
protected:
    void SetUp() override {
        program.writeLanguage("WZLVLANG.ENG", "English",
                              "[frmOptions]\r\nfrmOptions=Options\r\nbtCancel=Cancel\r\n"
                              "frameSprache=Language only\r\ncmbLanguage0=broken\r\n");
        TempProgramFolder::init();
        Ports::ResetForTests();
        Toolbar::ResetForTests();
        Options::Current().SendRST = false;
        int on = 1;
        Toolbar::QuickHelpEnabled(on);
    }
    void TearDown() override {
        Ports::ResetForTests();
        Options::Current().SendRST = false;
    }
    static int quickHelp() {
        int value = -1;
        Toolbar::QuickHelpEnabled(value);
        return value;
    }

    TempWindowsFolder settings;
    TempProgramFolder program;
};

TEST_F(OptionsDialog, LanguageAppliesAtOnceAndSurvivesCancel) {
    frmOptions dialog;
    ASSERT_EQ(dialog.cmbLanguage->count(), 2);
    EXPECT_EQ(dialog.cmbLanguage->currentText(), "Deutsch");
    EXPECT_EQ(dialog.windowTitle(), "Optionen");

    dialog.cmbLanguage->setCurrentIndex(1);
    emit dialog.cmbLanguage->activated(1);
    EXPECT_EQ(LanguageUtil::GetLanguageName(-1), "English");
    EXPECT_EQ(dialog.windowTitle(), "Options");
    EXPECT_EQ(dialog.btCancel->text(), "Cancel");
    EXPECT_EQ(dialog.frameSprache->title(), "Sprache/Language");   // never translated
    EXPECT_EQ(dialog.cmbLanguage->itemText(0), "Deutsch");        // the list is not a text

    dialog.chkTooltips->setChecked(false);
    dialog.chkSendRST->setChecked(true);
    dialog.cmbPort->setEditText("/dev/ttyUSB7");
    dialog.btCancel->click();
    EXPECT_EQ(LanguageUtil::GetLanguageName(-1), "English");
    EXPECT_EQ(quickHelp(), 1);
    EXPECT_FALSE(Options::Current().SendRST);
    EXPECT_EQ(Ports::PortName(), "");

    // Back to German: every text returns to its design text.
    dialog.cmbLanguage->setCurrentIndex(0);
    emit dialog.cmbLanguage->activated(0);
    EXPECT_EQ(dialog.windowTitle(), "Optionen");
    EXPECT_EQ(dialog.btCancel->text(), "Abbruch");
}

TEST_F(OptionsDialog, OkAppliesPortQuickHelpAndRst) {
    ScriptedMessages boxes({MsgBox::Cancel});   // the port cannot be opened here
    frmOptions dialog;
    EXPECT_TRUE(dialog.chkTooltips->isChecked());
    EXPECT_FALSE(dialog.chkSendRST->isChecked());
    EXPECT_GE(dialog.cmbPort->count(), 1);
    dialog.chkTooltips->setChecked(false);
    dialog.chkSendRST->setChecked(true);
    dialog.cmbPort->setEditText("/dev/ttyUSB7");
    dialog.btOK->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(quickHelp(), 0);
    EXPECT_TRUE(Options::Current().SendRST);
    EXPECT_EQ(Ports::PortName(), "/dev/ttyUSB7");
    ASSERT_EQ(boxes.count(), 1);   // message 2 for the port that did not open
}

TEST_F(OptionsDialog, CurrentPortOutsideTheListStaysChosen) {
    ScriptedMessages boxes({MsgBox::Cancel});
    QString port = "/tmp/no-such-sensor";
    Ports::SetPort(port);
    frmOptions dialog;
    EXPECT_EQ(dialog.cmbPort->currentText(), "/tmp/no-such-sensor");
    dialog.btOK->click();
    EXPECT_EQ(Ports::PortName(), "/tmp/no-such-sensor");
    EXPECT_EQ(boxes.count(), 1);   // only the first open tried; OK with the same port reopens nothing
}

}  // namespace
