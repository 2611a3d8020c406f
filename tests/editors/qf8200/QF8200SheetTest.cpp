// frmQF8200's part of the parameter sheet: the lines the window's state
// gives, and on paper the DIP-switch row.
#include "editors/common/PrintData.h"
#include "editors/common/RecordingCanvas.h"
#include "editors/qf8200/QF8200Fixture.h"

#include <QBuffer>

namespace {

class QF8200SheetTest : public QF8200WindowTest {
protected:
    void TearDown() override {
        PrintData::ResetExportStateForTests();
        QF8200WindowTest::TearDown();
    }

    // The sheet as a text export, one "label|value" per line.
    QStringList exported() {
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        PrintData::ResetExportStateForTests();
        PrintData::ExportState().ExportFileNo = 1;
        PrintData::ExportState().ExportFile = &file;
        window->PrintData();
        QStringList lines;
        for (const QByteArray& line : file.data().split('\n')) {
            const QString text = QString::fromLatin1(line).remove('\r');
            lines.append(text.left(39).trimmed() + '|' + text.mid(39));
        }
        lines.removeLast();   // after the last line end
        return lines;
    }
};

TEST_F(QF8200SheetTest, AnalogSensorWithLowPassMethod) {
    open(true);
    const QStringList expected = {
        "|",
        "Messung|",
        "Schallgeschwindigkeit|343.3m/s",
        "bei 0°C|331.3m/s",
        "Temperatur Offset|0.0°C",
        "Temperatur|20.0°C",
        "Taktzeit|0",
        "Offset Zykluszeit|10ms",   // the unit letters of the cycle-time labels
        "|",
        "Auswertung|",
        "Filter Timeout|5",
        "Konservatives Filter|3",
        "Blindbereich|200mm",
        "Reduzierte Reichweite|3000",
        "Störverhalten|1",
        "Fehlerstrom|4.0mA",
        "Kein Echo|kein Fehler",
        "|",
        "Schaltausgang 1|",
        "Schaltpunkt 11|500mm",
        "Schaltpunkt 12|1000mm",
        "Schalthysterese|5%",
        "Schaltmodus|Öffner",
        "Betriebsart|Schaltpunkt",
        "Schaltverhalten|statisch",
        "|",
        "Analogausgang|",
        "Nahe Grenze|300",
        "Ferne Grenze|2000",
        "Betriebsart|Bereichsüberwachung",
        "|",
        "Fehler LED|",
        "Fehlerzustand anzeigen|Ja",
        "|",
        "Auswertemethode|Tiefpass",
        "Abweichung|5",
        "Gewicht|100",
        "Verwerfungszähler|3",
        "|",
        "DIP-Schalter|Inaktiv",
    };
    EXPECT_EQ(exported(), expected);
}

TEST_F(QF8200SheetTest, SensorWithoutOptionsHasOnlyTheBasicGroups) {
    const QString rejected(QChar(0x82));
    open(false, {{"SD21", rejected}, {"OT", rejected}, {"SE", rejected}, {"RR", rejected}, {"NEF", rejected},
                 {"EM", "NONE"}, {"FSF", "0"}});
    const QStringList lines = exported();
    EXPECT_EQ(lines.size(), 25);
    QStringList groups;   // the line after each empty line opens a group
    for (int i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == "|") groups.append(lines[i + 1].section('|', 0, 0));
    EXPECT_EQ(groups, QStringList({"Messung", "Auswertung", "Schaltausgang 1", "Auswertemethode", "DIP-Schalter"}));
    EXPECT_TRUE(lines.contains("Auswertemethode|Keine"));
    EXPECT_FALSE(lines.join(' ').contains("Fehlerstrom"));
}

TEST_F(QF8200SheetTest, PaperGetsTheDipSwitchRow) {
    RecordingCanvas page;
    PrintData::ExportState().Printer = &page;
    page.CurrentY = 29;
    window->PrintData();
    ASSERT_EQ(page.markers.size(), 10);
    QString on;
    for (const RecordingCanvas::Marker& m : page.markers) on += m.upper ? '1' : '0';
    EXPECT_EQ(on, "1010010100");   // A50
    EXPECT_DOUBLE_EQ(page.markers[0].x, 16);   // 1 mm right of the margin
    EXPECT_DOUBLE_EQ(page.markers[9].x, 52);
    EXPECT_DOUBLE_EQ(page.markers[0].inset, 0.7);
    const RecordingCanvas::Text& word = page.texts[page.texts.size() - 11];
    EXPECT_EQ(word.text, "ON");
    EXPECT_DOUBLE_EQ(word.y, page.markers[0].y);
    const RecordingCanvas::Text& zero = page.texts.back();
    EXPECT_EQ(zero.text, "0");
    EXPECT_DOUBLE_EQ(zero.x, 16 + 9 * 4 + 1);   // centred under switch 10
    EXPECT_DOUBLE_EQ(zero.y, page.markers[0].y + 10);
}

}  // namespace
