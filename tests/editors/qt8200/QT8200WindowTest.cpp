// frmQT8200 as a window: the variant a sensor's answers give, the display
// window's questions, quick help, languages and the parameter sheet.
#include "editors/qt8200/QT8200Fixture.h"
#include "editors/qt8200/RegisterQT8200.h"

namespace {

using namespace QT8200;
using QT8200Window = QT8200WindowTest;

// The editor stays open from one sensor to the next: a sensor of the other
// variant moves the filters, the frames and the greyed fields at once. No
// answer to SD2 is a second switch output.
TEST_F(QT8200Window, TheSensorsAnswersGiveTheVariant) {
    sensor.values = QT8200Sensor(true);
    sensor.values["FA1"] = "1";
    sensor.values["UDS"] = "1";
    window->readdata();
    EXPECT_FALSE(window->frameAnalog->isHidden());
    EXPECT_EQ(window->cmbFilterAnalog->currentIndex(), 1);
    EXPECT_FALSE(window->txtNEvalDis->isEnabled());
    open(false, {{"SD2", ""}});
    EXPECT_FALSE(window->frameSwitch2->isHidden());
    EXPECT_TRUE(window->frameAnalog->isHidden());
}

TEST_F(QT8200Window, ControlsLieBelowTheFrameLines) { ExpectControlsBelowTheFrameLines(window.get()); }

TEST_F(QT8200Window, LabelsEndClearOfTheirBoxes) { ExpectLabelsClearOfTheirBoxes(window.get()); }

TEST_F(QT8200Window, DisplayItems) {
    struct Case {
        bool analog;
        QHash<QString, QString> changes;
        int item;
        QVariant value;
        bool valid;
    } const cases[] = {
        {false, {}, 21, 254, false},     {false, {}, 22, false, true}, {false, {}, 11, "unchanged", false},
        {false, {}, 12, "01500", true},
        {false, {{"SD2", "00000"}}, 22, true, true},   // a switch point of 0 reads as analogue
        {true, {}, 12, Rejected, false}, {true, {}, 16, "", true},    {true, {}, 22, true, false},
    };
    for (const Case& c : cases) {
        open(c.analog, c.changes);
        QVariant value = "unchanged";
        window->GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item;
        EXPECT_EQ(window->ValidPar(c.item), c.valid) << c.item;
    }
}

// A label or unit shows the topic of the field it names, the sound
// velocity's label a note of its own; a frame's bare area clears the line,
// the DIP-switch frame's shows the use list's topic. The filter window's
// label answers a click, not the mouse passing over it. The timer finds
// every list shown, and every topic has its text.
TEST_F(QT8200Window, QuickHelp) {
    RegisterQT8200Editor();
    for (bool analog : {false, true}) {
        open(analog);
        ExpectTheTimerFindsEachShownList(fakes.host, *window);
        EXPECT_EQ(TopicsWithoutText(fakes.host, window.get()), QList<int>()) << analog;
    }
    frmQT8200& w = *window;
    ExpectHoverTopics(fakes.host, {
        {w.lblSound, {IdSoundVelocityNote}}, {w.lblms[0], {IdSoundVelocityNote}}, {w.txtSound, {IdVS}},
        {w.lblCycleTime[0], {IdCCT}},        {w.lblFilterAnalog, {IdFilterAnalog}}, {w.lblFilterWindow, {}},
        {w.frameAnalog, {0}},                {w.frameDip, {IdUDS}},
    });
    fakes.host.quickHelp.clear();
    QTest::mouseClick(w.lblFilterWindow, Qt::LeftButton);
    EXPECT_EQ(fakes.host.quickHelp, QList<int>({IdFW}));
}

// Lists that show the same items share their keys; the analogue filter's
// items and lists the file has no keys for keep their texts.
TEST_F(QT8200Window, Languages) {
    TempProgramFolder program;
    frmQT8200& w = *window;
    ExpectTranslatedAndBack(program, w, "frameSwitch1=Switch output 1\r\nlblFilter1=Filter\r\ncmbFilter1=active\r\n"
                                        "cmbSwitchMode0=Closer\r\ncmbFilterAnalog1=active\r\n",
                            {{w.frameSwitch1, -1, "Switch output 1"}, {w.lblFilter1, -1, "Filter"},
                             {w.cmbFilter1, 1, "active"}, {w.cmbFilter2, 1, "active"},
                             {w.cmbSwitchMode1, 0, "Closer"}, {w.cmbSwitchMode2, 0, "Closer"},
                             {w.cmbFilterAnalog, 1, nullptr}, {w.cmbEvalMethod1, 0, nullptr}});
}

TEST_F(QT8200Window, SheetOfASwitchSensor) {
    const QStringList lines = ExportedSheet(*window);
    EXPECT_EQ(SheetSections(lines),
              QStringList({"Messung", "DIP-Schalter", "Schaltausgang 1", "Schaltausgang 2", "Auswertemethode"}));
    // The unit letters stand beside the cycle time on paper; no switch row in an export.
    for (const char* line : {"Offset Zykluszeit|10ms", "DIP-Schalter|Inaktiv", "Schaltmodus|Schließer",
                             "Auswertung 1|Dynamisch", "Auswertung 2|Statisch"})
        EXPECT_TRUE(lines.contains(QString(line))) << line;
}

TEST_F(QT8200Window, SheetOfAnAnalogSensorWithoutSecondEvaluation) {
    open(true, {{"EM", "BEW,000"}});
    const QStringList lines = ExportedSheet(*window);
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines.mid(12, 8), QStringList({"Filter|aktiv", "Schaltmodus|Öffner", "|", "Analogausgang|",
                                             "Nahe Grenze|300mm", "Ferne Grenze|2000mm", "Filter|inaktiv",
                                             "Fenster|10%"}));
    EXPECT_EQ(lines.mid(23), QStringList({"Auswertung 1|Bewertet", "Auswertung 2|Keine", "Konservatives Filter|5"}));
}

}  // namespace
