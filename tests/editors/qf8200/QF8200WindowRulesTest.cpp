// frmQF8200 as a window: the rules every editor window follows (loading,
// fixed size, closing, hosting), the layout the sensor's variant gives,
// quick help and translation.
#include "editors/common/DipSwitches.h"
#include "editors/qf8200/QF8200Fixture.h"
#include "frame/Inifile_Utils.h"
#include "frame/Options.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

using QF8200WindowRules = QF8200WindowTest;

TEST_F(QF8200WindowRules, LoadsAtItsFixedSizeAndClosesWithItsPlace) {
    WriteIniString(Options::SettingsFile, "Windows", "frmQF8200", "900x700+10+20");
    open(false);
    EXPECT_EQ(window->size(), QSize(613, 357));   // 9195 x 5352 twips
    EXPECT_EQ(window->pos(), QPoint(10, 20));
    EXPECT_TRUE(fakes.host.storeRecall);
    EXPECT_EQ(window->Caption(), "QF3000");
    window->SetWindowState(2);
    QApplication::processEvents();
    EXPECT_EQ(window->WindowState(), 0);
    EXPECT_EQ(window->size(), QSize(613, 357));
    window->Unload();
    EXPECT_FALSE(window->Loaded());
    EXPECT_FALSE(fakes.host.parameterChecked);
    EXPECT_TRUE(ReadIniString(Options::SettingsFile, "Windows", "frmQF8200", "").startsWith("613x357"));
    // Loading again fills the window from the table and writes nothing.
    window->Show();
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_TRUE(window->Loaded());
    EXPECT_FALSE(window->Busy());
}

// The main window hosts editors in its MDI area; closing the sub-window only hides the editor.
TEST_F(QF8200WindowRules, LivesInTheMdiAreaAcrossClosing) {
    struct MdiHost : FakeHost {
        void AddEditorWindow(QWidget* editor) override { area.addSubWindow(editor); }
        QMdiArea area;
    } host;
    host.area.resize(1000, 800);
    host.area.show();
    Editors::SetHost(&host);
    open(false);
    auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    ASSERT_NE(sub, nullptr);
    const QSize outer = sub->size();
    sub->showMaximized();
    QApplication::processEvents();
    EXPECT_FALSE(sub->isMaximized());
    EXPECT_EQ(sub->size(), outer);
    sub->close();
    QApplication::processEvents();
    EXPECT_FALSE(window->Loaded());
    EXPECT_FALSE(host.parameterChecked);
    window->Show();
    EXPECT_TRUE(window->Loaded());
    EXPECT_TRUE(sub->isVisible());
    // Not shrunk to the bare title bar while it was hidden.
    EXPECT_EQ(sub->size(), outer);
    window.reset();
    Editors::SetHost(&fakes.host);
}

TEST_F(QF8200WindowRules, VariantDecidesWhatIsShown) {
    struct Case {
        bool analog;
        QHash<QString, QString> changes;
        bool switch2, analogFrame, failCurrent, outputToggle, errorLed, reducedRange;
    } const cases[] = {
        {false, {}, true, false, false, true, true, true},
        {true, {}, false, true, true, true, true, true},
        {true, {{"FSF", "0,40"}}, false, true, false, true, true, true},
        {false, {{"OT", Rejected}, {"SE", Rejected}, {"RR", ""}}, true, false, false, false, false, false},
    };
    for (const Case& c : cases) {
        open(c.analog, c.changes);
        EXPECT_EQ(!window->frameSwitch2->isHidden(), c.switch2);
        EXPECT_EQ(!window->frameAnalog->isHidden(), c.analogFrame);
        EXPECT_EQ(window->txtFailCurrent->isEnabled(), c.failCurrent);
        EXPECT_EQ(!window->cmbOutputToggle1->isHidden(), c.outputToggle);
        EXPECT_EQ(!window->frameErrorLED->isHidden(), c.errorLed);
        EXPECT_EQ(!window->txtReducedRange->isHidden(), c.reducedRange);
        // Without the output-toggle row the frame ends above it.
        EXPECT_EQ(window->frameSwitch1->height() > window->cmbOutputToggle1->y(), c.outputToggle);
        ExpectTextsShownWhole(window.get());
    }
}

TEST_F(QF8200WindowRules, FillingShowsDisplayFormsAndLaysOutTheMethod) {
    open(true, {{"EM", "PT1,100,5,3"}, {"UDS", "1"}, {"DIP", "A5F"}, {"TEM", "2731"}});
    EXPECT_EQ(window->txtTemperature->text(), "0.0");
    EXPECT_EQ(window->cmbOPModeAnalog->currentIndex(), 1);
    const EvalMethodFields& m = window->MethodFields;
    EXPECT_EQ(m.txtWeight->y(), m.txtMCount->y());
    EXPECT_EQ(m.txtDiff->y(), m.txtNCount->y());
    EXPECT_FALSE(m.txtThreshold->isHidden());
    EXPECT_TRUE(m.txtMCount->isHidden());
    // The DIP switches set output 1 and the analogue limits: greyed.
    EXPECT_FALSE(window->txtSwitchDis11->isEnabled());
    EXPECT_FALSE(window->txtNEvalDis->isEnabled());
    EXPECT_TRUE(window->txtSwitchHys1->isEnabled());
    EXPECT_FALSE(window->txtSwitchDis12->isEnabled());   // output 1 works on one switch point ("S")
    EXPECT_TRUE(window->picDips->States()[8]);
}

// A label or picture shows the help of the control it describes, a part of
// a composite value its own; a frame shows its topic only over its bare area.
TEST_F(QF8200WindowRules, HoverShowsTheQuickHelpOfTheControlMeant) {
    struct Case {
        QWidget* control;
        QPoint at;
        QList<int> topics;
    } const cases[] = {
        {window->lblms[1], {1, 1}, {1001}},       {window->lbSound, {1, 1}, {1101}},
        {window->imgOPMode2, {1, 1}, {1018}},     {window->txtFailCurrent, {1, 1}, {1020}},
        {window->frameDip, {2, 2}, {1008}},       {window->frameSwitch1, {2, 2}, {0}},
        {window.get(), {222, 100}, {0}},
        {window->frameSwitch1, window->txtSwitchDis11->geometry().center(), {}},
    };
    for (const Case& c : cases) {
        fakes.host.quickHelp.clear();
        Hover(c.control, c.at);
        EXPECT_EQ(fakes.host.quickHelp, c.topics) << c.control->objectName().toStdString();
    }
}

TEST_F(QF8200WindowRules, ListQuickHelpFollowsTheVariant) {
    const auto centre = [this](QWidget* control) { return control->mapTo(window.get(), control->rect().center()); };
    struct Case {
        bool analog;
        QComboBox* frmQF8200::*list;
        QList<int> topics;
    } const cases[] = {
        {false, &frmQF8200::cmbOPMode1, {1013}}, {false, &frmQF8200::cmbSwitchMode2, {1017}},
        {false, &frmQF8200::cmbUseDip, {1008}},  {true, &frmQF8200::cmbOPModeAnalog, {1029}},
        {true, &frmQF8200::cmbEchoError, {}},   // not in the timer's list
        {true, &frmQF8200::cmbSwitchMode2, {}},   // its frame is hidden, though it lies there
    };
    for (const Case& c : cases) {
        open(c.analog);
        window->ShowComboHelpAt(centre(window.get()->*c.list));
        EXPECT_EQ(fakes.host.quickHelp, c.topics) << (window.get()->*c.list)->objectName().toStdString();
    }
}

TEST_F(QF8200WindowRules, LanguageFileReplacesDesignTextsAndSwitchesBack) {
    EnglishLanguage english("[frmQF8200]\r\ncmbOPMode2=Reflex barrier\r\nlblReducedRange=Reduced range\r\n"
                            "lblOPMode1=Operating mode of the first output\r\nframeDip=DIP switches\r\n");
    window->SetLanguage();
    EXPECT_EQ(window->cmbOPMode1->itemText(2), "Reflex barrier");   // one key for both lists
    EXPECT_EQ(window->cmbOPMode2->itemText(2), "Reflex barrier");
    EXPECT_EQ(window->cmbOPMode1->currentIndex(), 1);
    EXPECT_EQ(window->lblReducedRange->text(), "Reduced range");
    EXPECT_EQ(window->frameDip->title(), "DIP switches");
    EXPECT_EQ(window->lblOPMode2->text(), "Betriebsart");
    // A longer text widens its label.
    EXPECT_GE(window->lblOPMode1->width(),
              window->lblOPMode1->fontMetrics().horizontalAdvance(window->lblOPMode1->text()));
    EnglishLanguage::SelectGerman();
    window->SetLanguage();
    EXPECT_EQ(window->cmbOPMode2->itemText(2), "Reflexschranke");
    EXPECT_EQ(window->lblOPMode1->text(), "Betriebsart");
}

TEST_F(QF8200WindowRules, DisplayItems) {
    struct Case {
        bool analog;
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {false, 16, "0", false}, {false, 22, false, false}, {true, 22, true, false},
        {true, 18, "300", true}, {true, 12, Rejected, false}, {false, 14, "unchanged", false},
    };
    for (const Case& c : cases) {
        open(c.analog);
        QVariant value = "unchanged";
        window->GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item;
        EXPECT_EQ(window->ValidPar(c.item), c.valid) << c.item;
    }
}

}  // namespace
