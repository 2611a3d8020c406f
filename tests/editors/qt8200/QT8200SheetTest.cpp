// frmQT8200's part of the parameter sheet: the lines the window's state
// gives, the variant's section, and on paper the DIP-switch row.
#include "editors/common/RecordingCanvas.h"
#include "editors/qt8200/QT8200Fixture.h"


namespace {

using QT8200SheetTest = QT8200WindowTest;

TEST_F(QT8200SheetTest, SwitchSensor) {
    const QStringList expected = {
        "|", "Messung|", "Schallgeschwindigkeit|343.2m/s", "Zufallspause|Nein", "Taktzeit|0",
        "Offset Zykluszeit|10ms",   // the unit letters stand beside the cycle time on paper
        "|", "DIP-Schalter|Inaktiv",   // no switch row in an export
        "|", "Schaltausgang 1|", "Schaltpunkt|500mm", "Schalthysterese|5%", "Filter|inaktiv", "Schaltmodus|Öffner",
        "|", "Schaltausgang 2|", "Schaltpunkt|1500mm", "Schalthysterese|7%", "Filter|aktiv", "Schaltmodus|Schließer",
        "|", "Auswertemethode|", "Filter Timeout|3", "Auswertung 1|Dynamisch", "Auswertung 2|Statisch",
        "Messwerte|3", "Konservatives Filter|5",
    };
    EXPECT_EQ(ExportedSheet(*window), expected);
}

TEST_F(QT8200SheetTest, AnalogSensorWithoutSecondEvaluation) {
    open(true, {{"EM", "BEW,000"}});
    const QStringList lines = ExportedSheet(*window);
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines.mid(12, 8), QStringList({"Filter|aktiv", "Schaltmodus|Öffner", "|", "Analogausgang|",
                                             "Nahe Grenze|300mm", "Ferne Grenze|2000mm", "Filter|inaktiv",
                                             "Fenster|10%"}));
    EXPECT_EQ(lines.mid(23), QStringList({"Auswertung 1|Bewertet", "Auswertung 2|Keine", "Konservatives Filter|5"}));
}

// On paper the DIP section's title is followed by the switch row beside "ON"
// (ParamSheetTest has the row's geometry), and the next section below it.
TEST_F(QT8200SheetTest, PaperGetsTheDipSwitchRowBesideOn) {
    RecordingCanvas page;
    PrintData::ExportState().Printer = &page;
    window->PrintData();
    ASSERT_EQ(page.markers.size(), 10);
    EXPECT_EQ(page.MarkerStates(), "1010010110");   // A5F
    const auto word = std::find_if(page.texts.begin(), page.texts.end(),
                                   [](const RecordingCanvas::Text& t) { return t.text == "ON"; });
    ASSERT_NE(word, page.texts.end());
    EXPECT_GT(page.markers[0].x, word->x);
    const auto zero = word + 10;
    EXPECT_EQ((zero + 1)->text, "Schaltausgang 1");
    EXPECT_GT((zero + 1)->y, zero->y);
}

}  // namespace
