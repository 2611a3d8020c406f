// frmQF8200RDX's part of the parameter sheet: the sections and lines the
// window's state gives.
#include "editors/qf8200rdx/QF8200RDXFixture.h"

namespace {

using QF8200RDXSheetTest = QF8200RDXWindowTest;

TEST_F(QF8200RDXSheetTest, SectionsFollowTheSensorAndItsSettings) {
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

}  // namespace
