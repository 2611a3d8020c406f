// frmQF8200Echo as a window: loading, the variant's and the software's
// controls, the shown forms of the values, quick help, the information page,
// translation and its fixed size.
#include "editors/qf8200echo/BeamPicture.h"
#include "editors/qf8200echo/QF8200EchoQuickHelp.h"
#include "editors/qf8200echo/QF8200EchoFixture.h"
#include "frame/Inifile_Utils.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "support/ScriptedMessages.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>

namespace {

using namespace QF8200Echo;
using QF8200EchoWindow = QF8200EchoWindowTest;

QStringList items(const QComboBox* list) {
    QStringList texts;
    for (int i = 0; i < list->count(); ++i) texts.append(list->itemText(i));
    return texts;
}

TEST_F(QF8200EchoWindow, LoadingShowsEverythingAndWritesNothing) {
    window->Unload();
    window->readdata();
    sensor.take();
    window->Show();
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_TRUE(window->Loaded() && !window->Busy() && fakes.host.storeRecall);
    EXPECT_EQ(window->CurrentField(), 0);
    EXPECT_EQ(window->Caption(), "QE3000-62HN");
    EXPECT_EQ(window->cmbSens->itemData(0).toInt(), 3);
    EXPECT_EQ(window->cmbSens->count(), 26);
    EXPECT_EQ(items(window->cmbRange).last(), "25");
    // The values in their shown forms (German numbers).
    const QStringList shown = {window->txtSound->text(), window->txtTemperatureOffset->text(),
                               window->lblCSwitchDisTeach1->text(), window->cmbOPMode1->currentText(),
                               window->lblCOPModeTeach->text(), window->cmbSens->currentText()};
    EXPECT_EQ(shown, QStringList({"343,2", "-5,0", "300", "Fensterbetrieb", "Fensterbetrieb", "15"}));
    EXPECT_EQ(window->slideSens->value(), 52);
    EXPECT_DOUBLE_EQ(window->picKeule->LengthFraction(), 0.68);   // axial width 8
    EXPECT_TRUE(window->MethodFields.txtWeight->isHidden());
    EXPECT_FALSE(window->MethodFields.txtMCount->isHidden());
}

TEST_F(QF8200EchoWindow, TheVariantDecidesTheSwitchPointPage) {
    for (bool analog : {false, true}) {
        open(analog);
        EXPECT_EQ(!window->frameAnalog->isHidden(), analog);
        EXPECT_EQ(!window->frameSwitch1->isHidden(), !analog);
        EXPECT_EQ(!window->frameSwitch2->isHidden(), !analog);
        EXPECT_EQ(!window->chkUseTeachInAnalog->isHidden(), analog);
        EXPECT_EQ(!window->chkUseTeachIn->isHidden(), !analog);
        EXPECT_EQ(!window->lblNEvalDisTeach->isHidden(), analog);
        EXPECT_EQ(!window->lblSwitchDisTeach1->isHidden(), !analog);
        EXPECT_EQ(items(window->cmbEvalMethod).contains("Tiefpass"), analog);
    }
    // The analogue sensor's taught mode is the name of an analogue characteristic.
    EXPECT_EQ(window->lblCOPModeTeach->text(), "Nullpunktsgerade");
    EXPECT_EQ(window->cmbOPModeAnalog->currentText(), "fallende Rampe");
}

TEST_F(QF8200EchoWindow, OlderSoftwareHasNoBeamWidths) {
    open(false, false);
    EXPECT_FALSE(window->rdSens[1]->isEnabled());
    EXPECT_TRUE(window->rdSens[0]->isChecked());
    EXPECT_FALSE(window->picSens[0]->isHidden());
    EXPECT_EQ(window->slideRange->value(), 0);
    EXPECT_EQ(window->slideSonicWidth->value(), 0);
    tick();
    EXPECT_TRUE(sensor.take().isEmpty());
}

TEST_F(QF8200EchoWindow, OperatingModesLayTheirFieldsOut) {
    Choose(window->cmbOPMode1, 0);
    EXPECT_FALSE(window->txtSwitchDis12->isEnabled() || window->lblSDis1[1]->isEnabled());
    EXPECT_TRUE(fakes.display.calls.contains("EnableSwitch(2,0)"));
    Choose(window->cmbOPMode2, 2);
    EXPECT_FALSE(window->txtSwitchHys2->isEnabled());
    EXPECT_TRUE(window->txtSwitchDis22->isEnabled());
}

TEST_F(QF8200EchoWindow, HoverAndListsShowTheQuickHelpMeant) {
    struct Case {
        QWidget* control;
        int topic;
    } const cases[] = {
        {window->lblSound, 1101},          {window->lblSound0, 4003},      {window->lblms, 4003},
        {window->lblTemperatureOffset, 1102}, {window->lblTemp, 4004},     {window->lblStartup, 4030},
        {window->lblSDis1[3], 4012},       {window->lblsdis2[1], 4009},    {window->MethodFields.txtWeight, 4036},         {window->MethodFields.lblNCount, 4025},   {window->lblBurst, 4021},
        {window->chkUseTeachIn, 4028},     {window->rdSens[1], 4103},      {window->slideSonicWidth, 4104},
        {window->imgOPMode2, 4017},        {window->frameEvalMethod, 0},
    };
    for (const Case& c : cases) {
        fakes.host.quickHelp.clear();
        Hover(c.control);
        ASSERT_EQ(fakes.host.quickHelp, QList<int>({c.topic})) << c.control->objectName().toStdString();
    }
    RegisterQF8200EchoQuickHelpTexts();
    EXPECT_EQ(GetQuickHelp(4030), "Ausschaltverzug von Schaltausgang 1");
    EXPECT_EQ(GetQuickHelp(4028), "");

    const auto centre = [this](QWidget* control) { return control->mapTo(window.get(), control->rect().center()); };
    struct ListCase {
        bool analog;
        QComboBox* frmQF8200Echo::*list;
        std::optional<int> topic;
    } const lists[] = {
        {false, &frmQF8200Echo::cmbStartup, 4030},   {false, &frmQF8200Echo::cmbRange, 4023},   // its panel hidden: the sensitivity's list lies there
        {false, &frmQF8200Echo::cmbSens, 4023},      {false, &frmQF8200Echo::cmbOPMode2, 4017},
        {false, &frmQF8200Echo::cmbEvalMethod, 4024},
        {true, &frmQF8200Echo::cmbOPModeAnalog, 4034}, {true, &frmQF8200Echo::cmbFailSafe, 4018},
    };
    for (const ListCase& c : lists) {
        open(c.analog);
        QComboBox* list = window.get()->*c.list;
        showPageOf(list);
        window->ShowComboHelpAt(centre(list));
        if (c.topic) EXPECT_EQ(fakes.host.quickHelp, QList<int>({*c.topic})) << list->objectName().toStdString();
        else EXPECT_TRUE(fakes.host.quickHelp.isEmpty()) << list->objectName().toStdString();
    }
    // The analogue variant's page never answers with the switch outputs' lists,
    // which lie under its frame.
    showPageOf(window->cmbSwitchMode1);
    window->ShowComboHelpAt(centre(window->cmbSwitchMode1));
    EXPECT_FALSE(fakes.host.quickHelp.contains(4014));
}

TEST_F(QF8200EchoWindow, EnterCommitsTheCurrentField) {
    showPageOf(window->MethodFields.txtMCount);
    window->MethodFields.txtMCount->setFocus();
    EXPECT_EQ(window->CurrentField(), IdMXN_M);
    // A list that had the focus last commits its own choice.
    showPageOf(window->cmbSens);
    window->cmbSens->setFocus();
    EXPECT_EQ(window->CurrentField(), IdSEN);
    window->cmbSens->setCurrentIndex(0);   // 3, chosen with the keys
    QTest::keyClick(window->cmbSens, Qt::Key_Return);
    EXPECT_EQ(sensor.take(), QStringList({"WM,XE6E,03", "RM,XE6E"}));
    QTest::keyClick(window->cmbSens, Qt::Key_Return);
    EXPECT_TRUE(sensor.take().isEmpty());
}

TEST_F(QF8200EchoWindow, TheInfoPageShowsTheSensor) {
    Sensor::State().SensorVersionLetter = "B";
    Sensor::State().SensorDate = "04.03.2021";
    Sensor::State().SensorTime = "10:15";
    Sensor::State().SensorEprom = "E1.2";
    EXPECT_TRUE(window->lbTyp->text().isEmpty());
    window->tabData->setCurrentIndex(3);
    EXPECT_EQ(window->lbTyp->text(), "QE3000-62HN");
    EXPECT_EQ(window->lbVersion->text(), "2.1");
    EXPECT_EQ(window->lbSoftware->text(), "B (04.03.2021 10:15)");
    EXPECT_EQ(window->lbEprom->text(), "E1.2");
    EXPECT_FALSE(window->picData[3]->isHidden());
    EXPECT_TRUE(window->picData[0]->isHidden());
}

TEST_F(QF8200EchoWindow, LanguageFileGivesTextsAndStatusTexts) {
    program.writeLanguage("WZLVLANG.ENG", "English",
                          "[frmQF8200Echo]\r\nErrStr2=82h <invalid command>\r\ntabData1=&Measurement\r\n"
                          "lblStartup=State after reset\r\ncmbOPMode11=Window\r\ncmbEvalMethod1=Mean\r\n"
                          "lblFailSafe=Behaviour on a fault of the sensor\r\n");
    ProfileString::ForgetCachedFiles();
    TempProgramFolder::init();
    int english = 1;
    LanguageUtil::SelectLanguage(english);
    window->SetLanguage();
    EXPECT_EQ(window->tabData->tabText(0), "&Measurement");
    EXPECT_EQ(window->lblStartup->text(), "State after reset");
    EXPECT_EQ(window->cmbOPMode1->currentText(), "Window");
    EXPECT_EQ(window->lblCOPModeTeach->text(), "Window");   // the taught mode in the new language
    EXPECT_EQ(window->cmbEvalMethod->currentText(), "Mean");
    EXPECT_EQ(window->lblms->text(), "m/s");
    // A translation longer than the design text widens its label after the switch too.
    const auto [text, room] = TextAndRoom(window->lblFailSafe);
    EXPECT_LE(text, room);
    sensor.status["RM,XE1D"] = 0x82;
    sensor.silent.insert("RM,WXE2");
    {
        ScriptedMessages boxes({MsgBox::Ignore, MsgBox::Ignore});
        window->readdata();
        ASSERT_EQ(boxes.count(), 2);
        EXPECT_TRUE(boxes.shown()[0].text.contains("<TIMEOUT>"));
        EXPECT_TRUE(boxes.shown()[1].text.contains("<82h <invalid command>>"));
    }
    int german = 0;
    LanguageUtil::SelectLanguage(german);
    window->SetLanguage();
    EXPECT_EQ(window->lblStartup->text(), "Zustand nach Reset");
    EXPECT_EQ(window->tabData->tabText(0), "&Messung");
    LanguageUtil::ResetLanguages();
}

TEST_F(QF8200EchoWindow, KeepsTheSizeOfItsTabStripAndItsPlace) {
    WriteIniString(Options::SettingsFile, "Windows", "frmQF8200Echo", "900x700+10+20");
    open();
    const QSize fixed = window->size();
    EXPECT_EQ(fixed, window->tabData->size());
    EXPECT_EQ(window->pos(), QPoint(10, 20));
    window->SetWindowState(2);
    QApplication::processEvents();
    EXPECT_EQ(window->WindowState(), 0);
    EXPECT_EQ(window->size(), fixed);
    // Every frame fits its page.
    for (int page = 0; page < window->tabData->count(); ++page) {
        window->tabData->setCurrentIndex(page);
        QApplication::processEvents();
        for (QGroupBox* frame : window->picData[size_t(page)]->findChildren<QGroupBox*>())
            EXPECT_TRUE(frame->parentWidget()->rect().contains(frame->geometry())) << frame->objectName().toStdString();
    }
    window->Unload();
    EXPECT_FALSE(fakes.host.parameterChecked);
    EXPECT_TRUE(ReadIniString(Options::SettingsFile, "Windows", "frmQF8200Echo", "").startsWith(
        QStringLiteral("%1x%2").arg(fixed.width()).arg(fixed.height())));
}

}  // namespace
