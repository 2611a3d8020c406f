// frmQF8200 as a window: loading, its fixed size, closing, layout switches of
// the sensor's variant, quick help and translation.
#include "editors/common/DipSwitches.h"
#include "editors/qf8200/QF8200Fixture.h"
#include "frame/Inifile_Utils.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "platform/Folders.h"

#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QTemporaryDir>

namespace {

using QF8200WindowRules = QF8200WindowTest;

void hover(QWidget* control, QPoint at = QPoint(1, 1)) {
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

TEST_F(QF8200WindowRules, LoadingReadsEveryRecordAndWritesNothing) {
    open(false);
    window->Unload();
    window->readdata();
    const QStringList requests = fakes.sensor.take();
    EXPECT_EQ(requests.size(), 27);
    for (const QString& request : requests) EXPECT_FALSE(request.contains(',')) << request.toStdString();
    window->Show();
    EXPECT_TRUE(fakes.sensor.take().isEmpty());
    EXPECT_TRUE(window->Loaded());
    EXPECT_FALSE(window->Busy());
    EXPECT_TRUE(fakes.host.storeRecall);
    EXPECT_EQ(window->Caption(), "QF3000");
}

TEST_F(QF8200WindowRules, KeepsItsSizeAndClosesWithItsPlace) {
    WriteIniString(Options::SettingsFile, "Windows", "frmQF8200", "900x700+10+20");
    open(false);
    EXPECT_EQ(window->size(), QSize(613, 357));   // 9195 x 5352 twips
    EXPECT_EQ(window->pos(), QPoint(10, 20));
    window->SetWindowState(2);
    QApplication::processEvents();
    EXPECT_EQ(window->WindowState(), 0);
    EXPECT_EQ(window->size(), QSize(613, 357));
    window->Unload();
    EXPECT_FALSE(window->Loaded());
    EXPECT_FALSE(fakes.host.parameterChecked);
    EXPECT_TRUE(ReadIniString(Options::SettingsFile, "Windows", "frmQF8200", "").startsWith("613x357"));
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
    EXPECT_EQ(window->size(), QSize(613, 357));
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
        {false, {{"OT", QString(QChar(0x82))}, {"SE", QString(QChar(0x82))}, {"RR", ""}}, true, false, false, false, false, false},
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
    }
}

TEST_F(QF8200WindowRules, FillingShowsDisplayFormsAndLaysOutTheMethod) {
    open(true, {{"EM", "PT1,100,5,3"}, {"UDS", "1"}, {"DIP", "A5F"}});
    EXPECT_EQ(window->cmbOPModeAnalog->currentIndex(), 1);
    EXPECT_EQ(window->txtWeight->y(), window->txtMCount->y());
    EXPECT_EQ(window->txtDiff->y(), window->txtNCount->y());
    EXPECT_FALSE(window->txtThreshold->isHidden());
    EXPECT_TRUE(window->txtMCount->isHidden());
    // The DIP switches set output 1 and the analogue limits: greyed.
    EXPECT_FALSE(window->txtSwitchDis11->isEnabled());
    EXPECT_FALSE(window->txtNEvalDis->isEnabled());
    EXPECT_TRUE(window->txtSwitchHys1->isEnabled());
    EXPECT_FALSE(window->txtSwitchDis12->isEnabled());   // output 1 works on one switch point ("S")
    EXPECT_TRUE(window->picDips->States()[8]);
}

TEST_F(QF8200WindowRules, HoverShowsTheQuickHelpOfTheControlMeant) {
    struct Case {
        QWidget* control;
        QPoint at;
        int topic;
    } const cases[] = {
        {window->lblms[0], {1, 1}, 1101},       {window->lblms[1], {1, 1}, 1001},
        {window->lbSound, {1, 1}, 1101},        {window->lblTemp[0], {1, 1}, 1102},
        {window->lblTemp[1], {1, 1}, 1002},     {window->lblCycleTime[1], {1, 1}, 1004},
        {window->lblSDis1[2], {1, 1}, 1011},    {window->lblsdis2[0], {1, 1}, 1014},
        {window->imgOPMode2, {1, 1}, 1018},     {window->txtFailCurrent, {1, 1}, 1020},
        {window->frameDip, {2, 2}, 1008},       {window->frameSwitch1, {2, 2}, 0},
        {window.get(), {222, 100}, 0},
    };
    for (const Case& c : cases) {
        fakes.host.quickHelp.clear();
        hover(c.control, c.at);
        ASSERT_EQ(fakes.host.quickHelp.size(), 1) << c.control->objectName().toStdString();
        EXPECT_EQ(fakes.host.quickHelp.front(), c.topic) << c.control->objectName().toStdString();
    }
    // A frame over one of its controls leaves the help to that control.
    fakes.host.quickHelp.clear();
    hover(window->frameSwitch1, window->txtSwitchDis11->geometry().center());
    EXPECT_TRUE(fakes.host.quickHelp.isEmpty());
}

TEST_F(QF8200WindowRules, ListQuickHelpFollowsTheVariant) {
    const auto centre = [this](QWidget* control) { return control->mapTo(window.get(), control->rect().center()); };
    struct Case {
        bool analog;
        QComboBox* frmQF8200::*list;
        std::optional<int> topic;
    } const cases[] = {
        {false, &frmQF8200::cmbOPMode1, 1013},      {false, &frmQF8200::cmbSwitchMode2, 1017},
        {false, &frmQF8200::cmbUseDip, 1008},       {true, &frmQF8200::cmbOPModeAnalog, 1029},
        {true, &frmQF8200::cmbEchoError, std::nullopt},
    };
    for (const Case& c : cases) {
        open(c.analog);
        window->ShowComboHelpAt(centre(window.get()->*c.list));
        if (c.topic) ASSERT_EQ(fakes.host.quickHelp, QList<int>({*c.topic}));
        else EXPECT_TRUE(fakes.host.quickHelp.isEmpty());
    }
    // With the second output absent its lists are not tested, though they lie there.
    open(true);
    window->ShowComboHelpAt(centre(window->cmbSwitchMode2));
    EXPECT_FALSE(fakes.host.quickHelp.contains(1017));
}

TEST_F(QF8200WindowRules, LanguageFileReplacesDesignTextsAndSwitchesBack) {
    QTemporaryDir folder;
    QFile file(folder.filePath("WZLVLANG.ENG"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Main]\r\nLanguage=English\r\nFile=WZLVLANG.ENG\r\n[frmQF8200]\r\ncmbOPMode2=Reflex barrier\r\n"
               "lblReducedRange=Reduced range\r\nlblOPMode1=Mode\r\nframeDip=DIP switches\r\n");
    file.close();
    Folders::SetProgramFolderForTests(folder.path());
    LanguageUtil::ResetLanguages();
    LanguageUtil::InitLanguages("GER", "Deutsch");
    int english = 1;
    LanguageUtil::SelectLanguage(english);
    window->SetLanguage();
    EXPECT_EQ(window->cmbOPMode1->itemText(2), "Reflex barrier");
    EXPECT_EQ(window->cmbOPMode2->itemText(2), "Reflex barrier");
    EXPECT_EQ(window->cmbOPMode1->currentIndex(), 1);
    EXPECT_EQ(window->lblReducedRange->text(), "Reduced range");
    EXPECT_EQ(window->lblOPMode1->text(), "Mode");
    EXPECT_EQ(window->frameDip->title(), "DIP switches");
    EXPECT_EQ(window->lblOPMode2->text(), "Betriebsart");
    int german = 0;
    LanguageUtil::SelectLanguage(german);
    window->SetLanguage();
    EXPECT_EQ(window->cmbOPMode2->itemText(2), "Reflexschranke");
    EXPECT_EQ(window->lblOPMode1->text(), "Betriebsart");
    LanguageUtil::ResetLanguages();
    Folders::SetProgramFolderForTests(QString());
}

TEST_F(QF8200WindowRules, DisplayItems) {
    struct Case {
        bool analog;
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {false, 16, "0", false}, {false, 22, false, false}, {true, 22, true, false},
        {true, 18, "300", true}, {true, 12, QString(QChar(0x82)), false}, {false, 14, "unchanged", false},
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
