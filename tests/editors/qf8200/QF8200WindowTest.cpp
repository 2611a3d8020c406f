// frmQF8200 as a window: the rules every editor window follows (loading,
// fixed size, closing, hosting), the layout the sensor's variant gives, the
// display window's questions, quick help, languages and the parameter sheet.
#include "editors/common/Twips.h"
#include "editors/qf8200/QF8200Fixture.h"
#include "editors/qf8200/RegisterQF8200.h"
#include "frame/Inifile_Utils.h"
#include "frame/Options.h"

#include <QMdiArea>
#include <QMdiSubWindow>

namespace {

using namespace QF8200;
using QF8200Window = QF8200WindowTest;

TEST_F(QF8200Window, LoadsAtItsFixedSizeAndClosesWithItsPlace) {
    WriteIniString(Options::SettingsFile, "Windows", "frmQF8200", "900x700+10+20");
    open(false);
    EXPECT_EQ(window->size(), window->FixedSize());
    EXPECT_EQ(window->pos(), QPoint(10, 20));
    EXPECT_TRUE(fakes.host.storeRecall);
    QApplication::processEvents();
    window->Unload();
    EXPECT_FALSE(window->Loaded());
    EXPECT_FALSE(fakes.host.parameterChecked);
    EXPECT_TRUE(ReadIniString(Options::SettingsFile, "Windows", "frmQF8200", "")
                    .startsWith(QString("%1x%2+").arg(window->width()).arg(window->height())));
    // Loading again fills the window from the table and writes nothing.
    window->Show();
    EXPECT_TRUE(sensor.take().isEmpty());
    EXPECT_TRUE(window->Loaded());
}

// The main window hosts editors in its MDI area; closing the sub-window only hides the editor.
TEST_F(QF8200Window, LivesInTheMdiAreaAcrossClosing) {
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
    EXPECT_EQ(sub->size(), outer);   // not shrunk to the bare title bar while it was hidden
    window.reset();
    Editors::SetHost(&fakes.host);
}

// Output 1's frame is as high as designed (1572 twips) with its output-toggle
// row, ending just above output 2 as designed; without the row it ends above it.
TEST_F(QF8200Window, FirstOutputFrameHeight) {
    EXPECT_EQ(window->frameSwitch1->height(), Twips::ToPixels(1572));
    EXPECT_EQ(window->frameSwitch2->y() - window->frameSwitch1->height(), Twips::ToPixels(1620 - 1572));
    EXPECT_LE(window->cmbOutputToggle1->geometry().bottom(), window->frameSwitch1->height());
    open(false, {{"OT", Rejected}});
    EXPECT_EQ(window->frameSwitch1->height(), window->cmbOutputToggle1->y());
}

TEST_F(QF8200Window, ControlsLieBelowTheFrameLines) { ExpectControlsBelowTheFrameLines(window.get()); }

TEST_F(QF8200Window, LabelsEndClearOfTheirBoxes) { ExpectLabelsClearOfTheirBoxes(window.get()); }

TEST_F(QF8200Window, DisplayItems) {
    struct Case { bool analog; int item; QVariant value; bool valid; } const cases[] = {
        {true, 22, true, false}, {true, 18, "300", true}, {true, 12, Rejected, false}, {false, 14, "unchanged", false},
    };
    for (const Case& c : cases) {
        open(c.analog);
        QVariant value = "unchanged";
        window->GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item;
        EXPECT_EQ(window->ValidPar(c.item), c.valid) << c.item;
    }
}

// The sound velocity and the temperature offset are only shown; when the
// sensor did not give them (a status byte, no answer) they stay empty, as
// every field not read does: "0.0" would pass for a value it reported.
TEST_F(QF8200Window, ShownValuesNotReadStayEmpty) {
    const QString ok(QChar(0x80));
    struct Case { const char* how; QHash<QString, QString> answers; QSet<QString> silent; const char* shown; };
    const Case cases[] = {
        {"read", {{"VS", "34330"}, {"TO", "-15"}}, {}, "343.3|-1.5"},
        {"80h", {{"VS", ok}, {"TO", ok}}, {}, "|"},
        {"82h", {{"VS", Rejected}, {"TO", Rejected}}, {}, "|"},
        {"no answer", {}, {"VS", "TO"}, "|"},
    };
    for (const Case& c : cases) {
        sensor.silent = c.silent;
        open(false, c.answers);
        EXPECT_EQ(window->lbSound->text() + '|' + window->lbTemperatureOffset->text(), QString(c.shown)) << c.how;
    }
}

// A label or unit shows the topic of the field it names; the values the
// sensor computed have topics of their own; a frame's bare area clears the
// line, the DIP-switch frame's shows the use list's topic, and over one of
// its controls the frame shows nothing of its own. Every topic has its text.
TEST_F(QF8200Window, QuickHelpOnHover) {
    frmQF8200& w = *window;
    ExpectHoverTopics(fakes.host, {
        {w.lbSound, {IdVS}},           {w.lblms[0], {IdVS}},          {w.lblms[1], {IdVS0}},
        {w.lblTemp[0], {IdTO}},        {w.lblReferenceDisMM, {IdREF}}, {w.lblCycleTime[0], {IdCCT}},   // the burst's unit
        {w.txtBurst, {IdCBT}},         {w.MethodFields.lblDiffPercent, {IdDiff}},
        {w.imgOPMode1, {IdOPM}},       {w.lblSDis1[2], {IdSH1}},      {w.frameMeasurement, {0}},
        {w.frameDip, {IdUDS}},         {w.frameMeasurement, {}, w.txtSound},
    });
    RegisterQF8200Editor();
    for (bool analog : {false, true}) {
        open(analog);
        EXPECT_EQ(TopicsWithoutText(fakes.host, window.get()), QList<int>()) << analog;
    }
}

// The timer finds each list shown but the echo-error list; the error-LED list
// only where its frame is shown: without the setting the place shows the
// second output's bare frame.
TEST_F(QF8200Window, QuickHelpTimerAndTheErrorLedOnlyWithItsFrame) {
    for (bool analog : {false, true}) {
        open(analog);
        ExpectTheTimerFindsEachShownList(fakes.host, *window, {window->cmbEchoError});
    }
    open(false, {{"SE", Rejected}});
    fakes.host.quickHelp.clear();
    window->ShowComboHelpAt(window->cmbErrorLED->mapTo(window.get(), window->cmbErrorLED->rect().center()));
    EXPECT_EQ(fakes.host.quickHelp, QList<int>());
}

// Lists that show the same items share their keys; the fail-safe digits
// and lists the file has no keys for keep their texts.
TEST_F(QF8200Window, Languages) {
    TempProgramFolder program;
    frmQF8200& w = *window;
    ExpectTranslatedAndBack(program, w, "frameMeasurement=Measurement\r\nlblSwitchMode1=Mode\r\ncmbOutput0=Closer\r\n"
                                        "cmbOPMode1=Window\r\ncmbFailSafe0=None\r\n",
                            {{w.frameMeasurement, -1, "Measurement"}, {w.lblSwitchMode1, -1, "Mode"},
                             {w.cmbSwitchMode1, 0, "Closer"}, {w.cmbSwitchMode2, 0, "Closer"},
                             {w.cmbOPMode1, 1, "Window"}, {w.cmbOPMode2, 1, "Window"},
                             {w.cmbFailSafe, 0, nullptr}, {w.cmbEvalMethod, 0, nullptr}});
}

// Line noise answering a read is no value: a switch point's box stays empty
// rather than showing a 0 the sensor never held, and the DIP switches show
// none on rather than the bits of the noise.
TEST_F(QF8200Window, NoiseAnsweringAReadShowsNothing) {
    messages.answer(MsgBox::Ignore);
    messages.answer(MsgBox::Ignore);
    open(false, {{"SD11", QString::fromLatin1("Y\xAB" "f\xEF")}, {"DIP", QString::fromLatin1("F\xB8")}});
    EXPECT_EQ(messages.count(), 2);
    EXPECT_EQ(window->txtSwitchDis11->text(), "");
    EXPECT_EQ(window->picDips->States(), (std::array<bool, DipSwitches::Count>{}));
}

// The sections in the order of the sheet; the lines whose form is the
// sheet's own (unit letters of the labels, Latin-1 units, the method's fields).
TEST_F(QF8200Window, SheetOfAnAnalogSensorWithLowPassMethod) {
    open(true);
    const QStringList lines = ExportedSheet(*window);
    EXPECT_EQ(SheetSections(lines), QStringList({"Messung", "Auswertung", "Schaltausgang 1", "Analogausgang",
                                                 "Fehler LED", "Auswertemethode", "DIP-Schalter"}));
    for (const char* line : {"bei 0°C|331.3m/s", "Offset Zykluszeit|10ms", "Fehlerstrom|4.0mA",
                             "Auswertemethode|Tiefpass", "Verwerfungszähler|3", "DIP-Schalter|Inaktiv"})
        EXPECT_TRUE(lines.contains(QString(line))) << line;
}

TEST_F(QF8200Window, SheetOfASensorWithoutOptionsHasOnlyTheBasicGroups) {
    open(false, {{"SD21", Rejected}, {"OT", Rejected}, {"SE", Rejected}, {"RR", Rejected}, {"NEF", Rejected},
                 {"EM", "NONE"}, {"FSF", "0"}});
    const QStringList lines = ExportedSheet(*window);
    EXPECT_EQ(lines.size(), 25);
    EXPECT_EQ(SheetSections(lines),
              QStringList({"Messung", "Auswertung", "Schaltausgang 1", "Auswertemethode", "DIP-Schalter"}));
    EXPECT_TRUE(lines.contains("Auswertemethode|Keine"));
    EXPECT_FALSE(lines.join(' ').contains("Fehlerstrom"));
}

}  // namespace
