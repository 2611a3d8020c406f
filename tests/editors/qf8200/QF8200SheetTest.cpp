// frmQF8200's part of the parameter sheet: the lines the window's state gives.
#include "editors/qf8200/QF8200Fixture.h"

namespace {

using QF8200SheetTest = QF8200WindowTest;

TEST_F(QF8200SheetTest, AnalogSensorWithLowPassMethod) {
    open(true);
    const QStringList expected = {
        "|", "Messung|", "Schallgeschwindigkeit|343.3m/s", "bei 0°C|331.3m/s", "Temperatur Offset|0.0°C",
        "Temperatur|20.0°C", "Taktzeit|0",
        "Offset Zykluszeit|10ms",   // the unit letters of the cycle-time labels
        "|", "Auswertung|", "Filter Timeout|5", "Konservatives Filter|3", "Blindbereich|200mm",
        "Reduzierte Reichweite|3000", "Störverhalten|1", "Fehlerstrom|4.0mA", "Kein Echo|kein Fehler",
        "|", "Schaltausgang 1|", "Schaltpunkt 11|500mm", "Schaltpunkt 12|1000mm", "Schalthysterese|5%",
        "Schaltmodus|Öffner", "Betriebsart|Schaltpunkt", "Schaltverhalten|statisch",
        "|", "Analogausgang|", "Nahe Grenze|300", "Ferne Grenze|2000", "Betriebsart|Bereichsüberwachung",
        "|", "Fehler LED|", "Fehlerzustand anzeigen|Ja",
        "|", "Auswertemethode|Tiefpass", "Abweichung|5", "Gewicht|100", "Verwerfungszähler|3",
        "|", "DIP-Schalter|Inaktiv",
    };
    EXPECT_EQ(ExportedSheet(*window), expected);
}

TEST_F(QF8200SheetTest, SensorWithoutOptionsHasOnlyTheBasicGroups) {
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
