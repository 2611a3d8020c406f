// frmQF8200Echo's part of the parameter sheet: the lines the window's pages
// give, in the order of the sheet, for either variant.
#include "editors/qf8200echo/QF8200EchoFixture.h"

#include <QCheckBox>
#include <QRadioButton>

namespace {

using namespace QF8200Echo;

using QF8200EchoSheetTest = QF8200EchoWindowTest;

TEST_F(QF8200EchoSheetTest, SwitchSensor) {
    const QStringList expected = {
        "|", "Messung|", "bei 0°C|343,2m/s", "Temperatur Offset|-5,0°C", "Taktzeit|0", "Offset Zykluszeit|0ms",
        "|", "Auswertung|", "Filter Timeout|3", "Reduzierte Reichweite|3000", "Blindbereich|200mm",
        "Empfindlichkeit|15", "Störverhalten|0", "Kein Echo|kein Fehler",
        "|", "Auswertemethode|Mittelwert", "Messwerte|5", "Ungültige Werte|2",
        "|", "Teach-In|", "eingelernte Schaltpunkte verwenden|Nein", "Schaltpunkt 1|300mm", "Schaltpunkt 2|800mm",
        "Betriebsart|Fensterbetrieb",
        "|", "Schaltausgang 1|", "Schaltpunkt 11|500mm", "Schaltpunkt 12|700mm", "Schalthysterese|5%",
        "Schaltmodus|Schließer", "Einschaltverzug|0", "Ausschaltverzug|0", "Betriebsart|Fensterbetrieb",
        "|", "Schaltausgang 2|", "Schaltpunkt 21|1000mm", "Schaltpunkt 22|1200mm", "Schalthysterese|5%",
        "Schaltmodus|Öffner", "Einschaltverzug|0", "Ausschaltverzug|0", "Betriebsart|Hysteresebetrieb",
        "|", "Sensor Initialisierung|", "Zustand nach Reset|standard",
    };
    EXPECT_EQ(ExportedSheet(*window), expected);
}

TEST_F(QF8200EchoSheetTest, AnalogSensorTaughtWithoutMethod) {
    open(true, true, {{"XE22", "08"}, {"XE1E", "00"}, {"XE2E", "00"}});
    window->rdSens[1]->setChecked(true);   // the beam widths set: still the sensitivity is printed
    const QStringList lines = ExportedSheet(*window);
    EXPECT_EQ(SheetSections(lines), QStringList({"Messung", "Auswertung", "Auswertemethode", "Teach-In", "Analogausgang",
                                            "Sensor Initialisierung"}));
    const int method = int(lines.indexOf("Auswertemethode|Keine"));
    ASSERT_GE(method, 0);
    EXPECT_EQ(lines[method + 1], "|");   // the method's title line alone
    for (const char* line : {"Empfindlichkeit|15", "eingelernte Auswertegrenzen verwenden|Ja", "Nahe Grenze|300mm",
                             "Ferne Grenze|800mm", "Betriebsart|Nullpunktsgerade", "Nahe Grenze|500mm",
                             "Betriebsart|fallende Rampe", "Kompensation|Strom- und Spannungsausgang"})
        EXPECT_TRUE(lines.contains(line)) << line;
    EXPECT_EQ(lines.size(), 31);
}

}  // namespace
