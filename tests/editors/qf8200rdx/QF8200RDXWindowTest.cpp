// frmQF8200RDX as a window: the display window's questions, quick help,
// languages and the parameter sheet.
#include "editors/qf8200rdx/QF8200RDXFixture.h"
#include "editors/qf8200rdx/RegisterQF8200RDX.h"

namespace {

using namespace QF8200RDX;
using QF8200RDXWindow = QF8200RDXWindowTest;

TEST_F(QF8200RDXWindow, DisplayItems) {
    open(Merged({TwoOutputs(), {{"OM", "1I"}}}));
    struct Case { int item; QVariant value; bool valid; } const cases[] = {
        {10, "800", true}, {14, Rejected, false}, {16, "I", true},   {17, "", true},
        {21, 4000, false}, {22, true, false},     {11, "unchanged", false},
    };
    for (const Case& c : cases) {
        QVariant value = "unchanged";
        window->GetData(c.item, value);
        EXPECT_EQ(value, c.value) << c.item;
        EXPECT_EQ(window->ValidPar(c.item), c.valid) << c.item;
    }
}

// The sound velocity and the temperature offset the sensor did not give
// stay empty, as every field not read does, rather than showing "0.0".
TEST_F(QF8200RDXWindow, ShownValuesNotReadStayEmpty) {
    for (const QString& status : {QString(QChar(0x80)), Rejected}) {
        open({{"VS", status}, {"TO", status}});
        EXPECT_EQ(window->lbSound->text() + '|' + window->lbTemperatureOffset->text(), QString("|"))
            << int(status.at(0).unicode());
    }
}

// A label or unit shows the topic of the field it names; the values the
// sensor computed have topics of their own; the bare area of the shared
// frames and the first two outputs' clears the line, the other frames leave
// the last text standing. The timer finds every list shown, and every topic
// has its text.
TEST_F(QF8200RDXWindow, QuickHelp) {
    frmQF8200RDX& w = *window;
    ExpectHoverTopics(fakes.host, {
        {w.lbSound, {IdVS}},          {w.lblTemperatureOffset, {IdTO}}, {w.lblSound0, {IdVS0}},
        {w.lblCycleTime[2], {IdCCT}}, {w.MethodFields.lblDiffPercent, {IdDiff}},
        {w.Outputs[2].units[1], {IdSH3}},                                {w.lblInclinationTime[1], {IdInclinationOff}},
        {w.frameEvalMethod, {0}},     {w.Outputs[1].frame, {0}},         {w.Outputs[2].frame, {}},
        {w.frameInclination, {}},
    });
    ExpectTheTimerFindsEachShownList(fakes.host, w);
    RegisterQF8200RDXEditor();
    EXPECT_EQ(TopicsWithoutText(fakes.host, window.get()), QList<int>());
}

// The three switching-mode lists share their keys; the fail-safe digits and
// lists the file has no keys for keep their texts.
TEST_F(QF8200RDXWindow, Languages) {
    TempProgramFolder program;
    frmQF8200RDX& w = *window;
    ExpectTranslatedAndBack(program, w, "frameMeasurement=Measurement\r\nlblInclinationOn=On delay\r\n"
                                        "cmbOutput0=Closer\r\ncmbFailSafe10=Hold\r\n",
                            {{w.frameMeasurement, -1, "Measurement"}, {w.lblInclinationOn, -1, "On delay"},
                             {w.Outputs[0].cmbSwitchMode, 0, "Closer"}, {w.Outputs[2].cmbSwitchMode, 0, "Closer"},
                             {w.Outputs[0].cmbFailSafe, 0, nullptr}, {w.cmbEvalMethod, 0, nullptr}});
}

TEST_F(QF8200RDXWindow, SheetSectionsFollowTheSensorAndItsSettings) {
    struct Case {
        QHash<QString, QString> sensor;
        QStringList sections;
        QStringList present;
        QStringList absent;
    } const cases[] = {
        {{},
         {"Messung", "Auswertung", "Schaltausgang 1", "Schaltausgang 2", "Schaltausgang 3", "Analogausgang",
          "Störverhalten", "Hauptanwendung", "Auswertemethode"},
         {"Temperatur|20.0°C", "Offset Zykluszeit|10ms", "    Einschaltverzögerung|1500ms",
          "    Ausschaltverzögerung|100ms", "Schaltmodus|Inaktiv", "Fehlerstrom|3.6mA", "Störverhalten|",
          "Hauptanwendung|Analogausgabe", "Auswertemethode|Tiefpass", "Verwerfungszähler|3"},
         {"Messwerte"}},
        {Merged({TwoOutputs(), NoAnalog(), NoInclination(), {{"EM", "NONE"}}}),
         {"Messung", "Auswertung", "Schaltausgang 1", "Schaltausgang 2", "Störverhalten", "Hauptanwendung",
          "Auswertemethode"},
         {"Auswertemethode|Keine"},
         {"Neigungsschalter", "Fehlerstrom", "Abweichung"}},
    };
    for (const Case& c : cases) {
        open(c.sensor);
        const QStringList lines = ExportedSheet(*window);
        EXPECT_EQ(SheetSections(lines), c.sections);
        for (const QString& line : c.present) EXPECT_TRUE(lines.contains(line)) << line.toStdString();
        for (const QString& word : c.absent) EXPECT_FALSE(lines.join(' ').contains(word)) << word.toStdString();
    }
    // The inclination switch belongs to the evaluation: no empty line before it.
    open();
    const QStringList lines = ExportedSheet(*window);
    EXPECT_EQ(lines.at(lines.indexOf("Neigungsschalter|Aktiv") - 1), "Blindbereich|250mm");
}

TEST_F(QF8200RDXWindow, ControlsLieBelowTheFrameLines) { ExpectControlsBelowTheFrameLines(window.get()); }

TEST_F(QF8200RDXWindow, LabelsEndClearOfTheirBoxes) { ExpectLabelsClearOfTheirBoxes(window.get()); }

}  // namespace
