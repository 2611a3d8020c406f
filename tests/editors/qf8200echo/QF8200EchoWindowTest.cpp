// frmQF8200Echo as a window: loading, the shown forms of the values, Enter
// on the current field, languages, quick help and the parameter sheet.
#include "editors/qf8200echo/BeamPicture.h"
#include "editors/qf8200echo/QF8200EchoFixture.h"
#include "editors/qf8200echo/RegisterQF8200Echo.h"
#include "support/LabelText.h"

#include <QRadioButton>
#include <QTabWidget>

namespace {

using namespace QF8200Echo;
using QF8200EchoWindow = QF8200EchoWindowTest;

TEST_F(QF8200EchoWindow, LoadingShowsEverythingAndWritesNothing) {
    window->Unload();
    window->readdata();
    sensor.take();
    window->Show();
    EXPECT_TRUE(sensor.take().isEmpty());
    // The values in their shown forms (German numbers).
    const QStringList shown = {window->txtSound->text(), window->txtTemperatureOffset->text(),
                               window->lblCSwitchDisTeach1->text(), window->cmbOPMode1->currentText(),
                               window->lblCOPModeTeach->text(), window->cmbSens->currentText()};
    EXPECT_EQ(shown, QStringList({"343,2", "-5,0", "300", "Fensterbetrieb", "Fensterbetrieb", "15"}));
    EXPECT_EQ(window->slideSens->value(), 52);
    EXPECT_DOUBLE_EQ(window->picKeule->LengthFraction(), 0.68);   // axial width 8
    // The analogue sensor's taught mode is the name of an analogue characteristic.
    open(true);
    EXPECT_EQ(window->lblCOPModeTeach->text(), "Nullpunktsgerade");
    EXPECT_EQ(window->cmbOPModeAnalog->currentText(), "fallende Rampe");
}

// The sensor's picture on the information page shows the page around it.
TEST_F(QF8200EchoWindow, TheSensorPictureIsTransparentAroundTheSensor) {
    showPageOf(window->picSensor);
    EXPECT_EQ(window->picSensor->pixmap().toImage().pixelColor(0, 0).alpha(), 0);
}

TEST_F(QF8200EchoWindow, OlderSoftwareHasNoBeamWidths) {
    open(false, false);
    EXPECT_FALSE(window->rdSens[1]->isEnabled());
    tick();
    EXPECT_TRUE(sensor.take().isEmpty());
}

TEST_F(QF8200EchoWindow, EnterCommitsTheCurrentField) {
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

// As the window opens after a read, the caret stands in the sound velocity
// at 0 °C with its text selected: what the user types there without a
// click replaces it, and Enter or Tab writes it at once. Enter keeps the
// caret in the box, Tab moves it on to the temperature offset.
TEST_F(QF8200EchoWindow, TheFirstFieldHasTheCaretAsTheWindowOpens) {
    const std::pair<Qt::Key, const char*> cases[] = {{Qt::Key_Return, "txtSound"},
                                                     {Qt::Key_Tab, "txtTemperatureOffset"}};
    for (const auto& [key, caretAfter] : cases) {
        SCOPED_TRACE(caretAfter);
        open();
        QApplication::processEvents();
        QWidget* caret = QApplication::focusWidget();
        ASSERT_NE(caret, nullptr);
        QTest::keyClicks(caret, "332");
        QTest::keyClick(caret, key);
        EXPECT_EQ(sensor.take(), QStringList({"WM,WXEF,81B0", "RM,WXEF"}));   // 33200 hundredths of a m/s
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QString(caretAfter));
    }
}

TEST_F(QF8200EchoWindow, ControlsLieBelowTheFrameLines) { ExpectControlsBelowTheFrameLines(window.get()); }

TEST_F(QF8200EchoWindow, LabelsEndClearOfTheirBoxes) { ExpectLabelsClearOfTheirBoxes(window.get()); }

// Every control's texts and the lists by their names; the evaluation
// methods and the taught mode in the new language; the status texts of the
// sensor's answers.
TEST_F(QF8200EchoWindow, Languages) {
    frmQF8200Echo& w = *window;
    const QByteArray lines = "frameSwitch1=Output 1\r\ncmbOPMode11=Window\r\ncmbEvalMethod1=Mean\r\n"
                             "ErrStr2=82h <invalid command>\r\n";
    ExpectTranslatedAndBack(program, w, lines,
                            {{w.frameSwitch1, -1, "Output 1"}, {w.cmbOPMode1, 1, "Window"}, {w.cmbOPMode2, 1, nullptr},
                             {w.lblCOPModeTeach, -1, "Window"}, {w.cmbEvalMethod, 1, "Mean"}});
    int english = 1;
    LanguageUtil::SelectLanguage(english);
    window->SetLanguage();
    sensor.values["RM,XE1D"] = Rejected;
    sensor.silent.insert("RM,WXE2");
    messages.answer(MsgBox::Ignore);
    messages.answer(MsgBox::Ignore);
    window->readdata();
    ASSERT_EQ(messages.count(), 2);
    EXPECT_TRUE(messages.shown()[0].text.contains("<TIMEOUT>"));
    EXPECT_TRUE(messages.shown()[1].text.contains("<82h <invalid command>>"));
}

// Labels and sliders show the topic of what they name, the headings notes of
// their own; a frame's bare area clears the line, over one of its controls
// the frame shows nothing of its own. On every page the timer finds each list
// shown. Every topic has its text; the teach-in check boxes clear the line.
TEST_F(QF8200EchoWindow, QuickHelp) {
    frmQF8200Echo& w = *window;
    ExpectHoverTopics(fakes.host, {
        {w.lblSound, {IdSoundHeading}}, {w.lblms, {IdVS0}},        {w.lblStartup, {IdCOF1}},
        {w.lblEchoError, {IdBITS}},     {w.slideRange, {IdPOTI2}}, {w.frameSwitch1, {0}},
        {w.frameSwitch1, {}, w.txtSwitchDis11},
    });
    RegisterQF8200EchoEditor();
    for (bool analog : {false, true}) {
        open(analog);
        for (int page = 0; page < window->tabData->count(); ++page) {
            window->tabData->setCurrentIndex(page);
            ExpectTheTimerFindsEachShownList(fakes.host, *window);
        }
        EXPECT_EQ(TopicsWithoutText(fakes.host, window.get()), QList<int>({IdTOPM})) << analog;
    }
}

// frmQF8200Echo's part of the parameter sheet: its sections in order, values
// in their shown (German) forms.
TEST_F(QF8200EchoWindow, ParameterSheetOfASwitchSensor) {
    const QStringList lines = ExportedSheet(*window);
    EXPECT_EQ(SheetSections(lines), QStringList({"Messung", "Auswertung", "Auswertemethode", "Teach-In",
                                                 "Schaltausgang 1", "Schaltausgang 2", "Sensor Initialisierung"}));
    for (const char* line : {"bei 0°C|343,2m/s", "Temperatur Offset|-5,0°C", "Auswertemethode|Mittelwert",
                             "Ungültige Werte|2", "Betriebsart|Hysteresebetrieb", "Zustand nach Reset|standard"})
        EXPECT_TRUE(lines.contains(QString(line))) << line;
}

// The sensor's page shows its identification as the sensor gave it, never
// read as markup.
TEST_F(QF8200EchoWindow, SensorInfoShowsTheSensorsTextsAsTheyAre) {
    SensorStateData& s = Sensor::State();
    s.SensorType = "QE3000<BR>62HN";
    s.SensorVersionLetter = "<b>x</b>";
    s.SensorDate = "Q&B";
    s.SensorTime = "&amp;";
    s.SensorEprom = "<EM>E1</EM>";
    window->tabData->setCurrentIndex(window->tabData->count() - 1);
    const std::pair<QLabel*, QString> shown[] = {
        {window->lbTyp, "QE3000<BR>62HN"}, {window->lbSoftware, "<b>x</b> (Q&B &amp;)"}, {window->lbEprom, "<EM>E1</EM>"}};
    for (const auto& [label, text] : shown) EXPECT_EQ(ShownText(label), text);
}

}  // namespace
