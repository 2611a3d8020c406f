// frmQT8200 as a window: loading, its fixed size, closing, the layout the
// sensor's variant and the DIP-switch use give, quick help, translation and
// the display window's questions.
#include "editors/common/DipSwitches.h"
#include "editors/qt8200/QT8200Fixture.h"
#include "editors/qt8200/RegisterQT8200.h"
#include "frame/Inifile_Utils.h"
#include "frame/LanguageUtil.h"
#include "frame/Options.h"
#include "link/EditorRegistry.h"
#include "platform/Folders.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTemporaryDir>

namespace {

using namespace QT8200;
using QT8200Window = QT8200WindowTest;

void hover(QWidget* control, QPoint at = QPoint(1, 1)) {
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(control, &move);
}

TEST_F(QT8200Window, LoadingSetsUpTheDisplayAndWritesNothing) {
    window->Unload();
    window->readdata();
    EXPECT_EQ(sensor.take().size(), 19);
    fakes.host.storeRecall = true;
    fakes.display.calls.clear();
    window->Show();
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_TRUE(window->Loaded());
    EXPECT_FALSE(window->Busy());
    EXPECT_EQ(window->CurrentField(), 0);
    EXPECT_FALSE(fakes.host.storeRecall);
    EXPECT_EQ(window->Caption(), "QT2500");
    ASSERT_GE(fakes.display.calls.size(), 3);
    EXPECT_EQ(fakes.display.calls.mid(0, 3),
              QStringList({"EnableSwitch(0,-1)", "SetFehlerStrom(-1)", "SetErrorMode(0,-1)"}));
}

TEST_F(QT8200Window, KeepsItsSizeAndClosesWithItsPlace) {
    WriteIniString(Options::SettingsFile, "Windows", "frmQT8200", "900x700+10+20");
    open(false);
    EXPECT_EQ(window->size(), QSize(625, 357));   // 9375 x 5355 twips
    EXPECT_EQ(window->pos(), QPoint(10, 20));
    window->SetWindowState(2);
    QApplication::processEvents();
    EXPECT_EQ(window->WindowState(), 0);
    EXPECT_EQ(window->size(), QSize(625, 357));
    window->Unload();
    EXPECT_FALSE(window->Loaded());
    EXPECT_FALSE(fakes.host.parameterChecked);
    EXPECT_TRUE(ReadIniString(Options::SettingsFile, "Windows", "frmQT8200", "").startsWith("625x357+"));
}

TEST_F(QT8200Window, VariantAndDipUseDecideTheLayout) {
    struct Case {
        bool analog;
        QHash<QString, QString> changes;
        bool switch2, analogFrame;
        int filter1, filter2, filterAnalog, switchMode2;
        bool output1Editable, secondEditable;   // output 2 or the analogue limits
    } const cases[] = {
        {false, {}, true, false, 0, 1, -1, 0, true, true},
        {true, {}, false, true, 1, -1, 0, -1, true, true},
        {false, {{"UDS", "1"}}, true, false, 0, 1, -1, 0, false, false},
        {true, {{"UDS", "1"}, {"FA1", "1"}, {"FA2", "0"}}, false, true, 0, -1, 1, -1, false, false},
        // A sensor that gave no SD2 counts as one with a second switch output.
        {false, {{"SD2", ""}}, true, false, 0, 1, -1, 0, true, true},
    };
    for (const Case& c : cases) {
        open(c.analog, c.changes);
        const std::string trace = std::to_string(c.analog) + " " + c.changes.keys().join(' ').toStdString();
        EXPECT_EQ(!window->frameSwitch2->isHidden(), c.switch2) << trace;
        EXPECT_EQ(!window->frameAnalog->isHidden(), c.analogFrame) << trace;
        EXPECT_EQ(window->cmbFilter1->currentIndex(), c.filter1) << trace;
        EXPECT_EQ(window->cmbFilter2->currentIndex(), c.filter2) << trace;
        EXPECT_EQ(window->cmbFilterAnalog->currentIndex(), c.filterAnalog) << trace;
        EXPECT_EQ(window->cmbSwitchMode2->currentIndex(), c.switchMode2) << trace;
        for (QWidget* control : std::initializer_list<QWidget*>{window->txtSwitchDis11, window->cmbSwitchMode1,
                                                                window->txtSwitchHys1, window->lblSDis1[1]})
            EXPECT_EQ(control->isEnabled(), c.output1Editable) << trace << control->objectName().toStdString();
        QWidget* second = c.analog ? static_cast<QWidget*>(window->txtFEvalDis) : window->cmbSwitchMode2;
        EXPECT_EQ(second->isEnabled(), c.secondEditable) << trace;
        // The switches set points, limits and modes; filters and the method stay the user's.
        EXPECT_TRUE(window->cmbFilter1->isEnabled());
        EXPECT_TRUE(window->txtFilterWindow->isEnabled());
        EXPECT_TRUE(window->cmbEvalMethod1->isEnabled());
    }
}

// The editor stays open from one sensor to the next: a sensor of the other
// variant moves the filters, the frames and the greyed fields at once.
TEST_F(QT8200Window, ReadingASensorOfTheOtherVariant) {
    sensor.values = QT8200Sensor(true);
    sensor.values["FA1"] = "1";
    sensor.values["FA2"] = "0";
    sensor.values["UDS"] = "1";
    window->readdata();
    EXPECT_FALSE(window->frameAnalog->isHidden());
    EXPECT_TRUE(window->frameSwitch2->isHidden());
    EXPECT_EQ(window->cmbFilterAnalog->currentIndex(), 1);
    EXPECT_EQ(window->cmbFilter1->currentIndex(), 0);
    EXPECT_FALSE(window->txtNEvalDis->isEnabled());
}

TEST_F(QT8200Window, FillingShowsTheValuesInTheirForms) {
    open(false, {{"VS", "34325"}, {"CCT", "010"}, {"EM", "BEW,M3"}, {"DIP", "A5F"}, {"RT", "7"}});
    EXPECT_EQ(window->txtSound->text(), "343.25");
    EXPECT_EQ(window->txtCycle->text(), "10");
    EXPECT_EQ(window->txtSwitchDis21->text(), "1500");
    EXPECT_EQ(window->cmbEvalMethod1->currentIndex(), 2);
    EXPECT_EQ(window->cmbEvalMethod2->currentIndex(), 2);
    EXPECT_EQ(window->txtMeasureCount->text(), "3");
    EXPECT_TRUE(window->txtMeasureCount->isEnabled());
    EXPECT_EQ(window->cmbRandomTime->currentIndex(), -1);   // no entry for 7: nothing chosen
    QString on;
    for (bool state : window->picDips->States()) on += state ? '1' : '0';
    EXPECT_EQ(on, "1010010110");
    EXPECT_TRUE(window->txtReferenceDis->text().isEmpty());
}

TEST_F(QT8200Window, HoverShowsTheQuickHelpOfTheControlMeant) {
    struct Case {
        QWidget* control;
        QPoint at;
        int topic;
    } const cases[] = {
        {window->lblSound, {1, 1}, 1101},          {window->lblms[0], {1, 1}, 1101},
        {window->txtSound, {1, 1}, 2001},          {window->lblReferenceDisMM, {1, 1}, 2002},
        {window->lblSDis1[0], {1, 1}, 2009},       {window->lblSDis1[1], {1, 1}, 2010},
        {window->lblsdis2[1], {1, 1}, 2014},       {window->lblCycleTime[0], {1, 1}, 2005},
        {window->lblBurst, {1, 1}, 2004},          {window->lblRandomTime, {1, 1}, 2003},
        {window->lblSwitchMode2, {1, 1}, 2016},    {window->lblFilterAnalog, {1, 1}, 2020},
        {window->lblMeasureCount, {1, 1}, 2024},   {window->txtMeasureCount, {1, 1}, 2024},
        {window->lblFEvalUnit, {1, 1}, 2018},      {window->frameDip, {2, 2}, 2008},
        {window->frameSwitch1, {2, 2}, 0},         {window->frameEvalMethod, {2, 2}, 0},
        {window.get(), {2, 200}, 0},
    };
    for (const Case& c : cases) {
        fakes.host.quickHelp.clear();
        hover(c.control, c.at);
        ASSERT_EQ(fakes.host.quickHelp.size(), 1) << c.control->objectName().toStdString();
        EXPECT_EQ(fakes.host.quickHelp.front(), c.topic) << c.control->objectName().toStdString();
    }
    // The window-size label answers a click, not the mouse passing over it.
    open(true);
    hover(window->lblFilterWindow);
    EXPECT_TRUE(fakes.host.quickHelp.isEmpty());
    QTest::mouseClick(window->lblFilterWindow, Qt::LeftButton);
    EXPECT_EQ(fakes.host.quickHelp, QList<int>({2019}));
}

TEST_F(QT8200Window, ListQuickHelpFollowsTheVariant) {
    const auto centre = [this](QWidget* control) { return control->mapTo(window.get(), control->rect().center()); };
    struct Case {
        bool analog;
        const char* place;   // the control whose centre the mouse rests on
        std::optional<int> topic;
    } const cases[] = {
        {false, "cmbRandomTime", 2003},   {false, "cmbSwitchMode2", 2016},
        {false, "cmbFilter2", 2015},      {false, "cmbEvalMethod2", 2023},
        {false, "cmbUseDip", 2008},       {false, "txtSwitchDis11", std::nullopt},
        // Switch output 2 and the analogue output share their place.
        {true, "cmbSwitchMode2", 2020},   {true, "cmbFilter2", std::nullopt},
        {true, "cmbFilter1", 2011},
    };
    for (const Case& c : cases) {
        open(c.analog);
        window->ShowComboHelpAt(centre(window->findChild<QWidget*>(c.place)));
        if (c.topic) EXPECT_EQ(fakes.host.quickHelp, QList<int>({*c.topic})) << c.place;
        else EXPECT_TRUE(fakes.host.quickHelp.isEmpty()) << c.place;
    }
}

TEST_F(QT8200Window, LanguageFileReplacesDesignTextsAndSwitchesBack) {
    QTemporaryDir folder;
    QFile file(folder.filePath("WZLVLANG.ENG"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Main]\r\nLanguage=English\r\nFile=WZLVLANG.ENG\r\n[frmQT8200]\r\ncmbSwitchMode1=normally closed\r\n"
               "cmbFilter0=off\r\nlblSound=Sound velocity\r\nframeAnalog=Analogue output\r\nlblms0=ms\r\n"
               "cmbEvalMethod21=static\r\nlblMeasureCount=Values\r\n");
    file.close();
    Folders::SetProgramFolderForTests(folder.path());
    LanguageUtil::ResetLanguages();
    LanguageUtil::InitLanguages("GER", "Deutsch");
    int english = 1;
    LanguageUtil::SelectLanguage(english);
    window->SetLanguage();
    EXPECT_EQ(window->cmbSwitchMode1->itemText(1), "normally closed");
    EXPECT_EQ(window->cmbSwitchMode2->itemText(1), "normally closed");
    EXPECT_EQ(window->cmbFilter2->itemText(0), "off");
    EXPECT_EQ(window->cmbFilterAnalog->itemText(0), "inaktiv");   // a list the language leaves alone
    EXPECT_EQ(window->cmbEvalMethod2->itemText(1), "static");
    EXPECT_EQ(window->cmbSwitchMode1->currentIndex(), 1);
    EXPECT_EQ(window->lblSound->text(), "Sound velocity");
    EXPECT_EQ(window->frameAnalog->title(), "Analogue output");
    EXPECT_EQ(window->lblMeasureCount->text(), "Values");
    EXPECT_EQ(window->lblms[0]->text(), "m/s");   // units stay
    EXPECT_EQ(window->lblBurst->text(), "Taktzeit");
    int german = 0;
    LanguageUtil::SelectLanguage(german);
    window->SetLanguage();
    EXPECT_EQ(window->cmbSwitchMode2->itemText(1), "Öffner");
    EXPECT_EQ(window->lblSound->text(), "Schallgeschwindigkeit");
    EXPECT_EQ(window->frameAnalog->title(), "Analogausgang");
    LanguageUtil::ResetLanguages();
    Folders::SetProgramFolderForTests(QString());
}

TEST_F(QT8200Window, DisplayItems) {
    struct Case {
        bool analog;
        QHash<QString, QString> changes;
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {false, {}, 10, "00500", true},       {false, {}, 12, "01500", true},
        {false, {}, 15, "1", true},           {false, {}, 16, "0", true},
        {false, {}, 18, "00300", true},       {false, {}, 19, "02000", true},
        {false, {}, 20, 1, false},            {false, {}, 21, 254, false},
        {false, {}, 22, false, true},         {false, {}, 11, "unchanged", false},
        {false, {{"SD2", "00000"}}, 22, true, true},   // a switch point of 0 reads as analogue
        {true, {}, 12, Rejected, false},      {true, {}, 16, "", true},
        {true, {}, 22, true, false},          {true, {{"OM", Rejected}}, 15, "-2", false},
    };
    for (const Case& c : cases) {
        open(c.analog, c.changes);
        QVariant value = "unchanged";
        window->GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item;
        EXPECT_EQ(window->ValidPar(c.item), c.valid) << c.item;
    }
}

TEST(QT8200Registration, DetectionFindsTheEditorAndItsHelpTexts) {
    RegisterQT8200Editor();
    SensorEditor* editor = EditorRegistry::Editor("frmQT8200");
    EXPECT_NE(dynamic_cast<frmQT8200*>(editor), nullptr);
    delete dynamic_cast<QWidget*>(editor);
    EditorRegistry::ResetForTests();
    LanguageUtil::ResetLanguages();
    EXPECT_EQ(LanguageUtil::GetQuickHelp(2024), "Anzahl der Messwerte für die statische bzw. mittelnde Auswertung");
    EXPECT_TRUE(LanguageUtil::GetQuickHelp(2021).isEmpty());
}

}  // namespace
