// frmQT8200's part of the parameter sheet: the lines the window's state
// gives, the variant's section, and on paper the DIP-switch row.
#include "editors/common/PrintData.h"
#include "editors/common/RecordingCanvas.h"
#include "editors/qt8200/QT8200Fixture.h"

#include <QBuffer>

namespace {

class QT8200SheetTest : public QT8200WindowTest {
protected:
    void TearDown() override {
        PrintData::ResetExportStateForTests();
        QT8200WindowTest::TearDown();
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

const QStringList Measurement = {
    "|",
    "Messung|",
    "Schallgeschwindigkeit|343.2m/s",
    "Zufallspause|Nein",
    "Taktzeit|0",
    "Offset Zykluszeit|10ms",   // the unit letters stand beside the cycle time on paper
    "|",
    "DIP-Schalter|Inaktiv",
    "|",
    "Schaltausgang 1|",
    "Schaltpunkt|500mm",
    "Schalthysterese|5%",
};

TEST_F(QT8200SheetTest, SwitchSensor) {
    const QStringList expected = Measurement + QStringList{
        "Filter|inaktiv",
        "Schaltmodus|Öffner",
        "|",
        "Schaltausgang 2|",
        "Schaltpunkt|1500mm",
        "Schalthysterese|7%",
        "Filter|aktiv",
        "Schaltmodus|Schließer",
        "|",
        "Auswertemethode|",
        "Filter Timeout|3",
        "Auswertung 1|Dynamisch",
        "Auswertung 2|Statisch",
        "Messwerte|3",
        "Konservatives Filter|5",
    };
    EXPECT_EQ(exported(), expected);
}

TEST_F(QT8200SheetTest, AnalogSensorWithoutSecondEvaluation) {
    open(true, {{"EM", "BEW,000"}});
    const QStringList expected = Measurement + QStringList{
        "Filter|aktiv",   // output 1's filter, FA2 on this variant
        "Schaltmodus|Öffner",
        "|",
        "Analogausgang|",
        "Nahe Grenze|300mm",
        "Ferne Grenze|2000mm",
        "Filter|inaktiv",
        "Fenster|10%",
        "|",
        "Auswertemethode|",
        "Filter Timeout|3",
        "Auswertung 1|Bewertet",
        "Auswertung 2|Keine",   // the count is greyed and left out
        "Konservatives Filter|5",
    };
    EXPECT_EQ(exported(), expected);
}

TEST_F(QT8200SheetTest, CsvHasTheDipUseAsAColumnAndNoSwitchRow) {
    QBuffer file;
    file.open(QIODevice::WriteOnly);
    PrintData::ExportState().ExportFileNo = 1;
    PrintData::ExportState().ExportCsv = 1;
    PrintData::ExportState().ExportFile = &file;
    window->PrintData();
    const std::array<QString, 2>& rows = PrintData::ExportState().CsvRows;
    EXPECT_TRUE(rows[0].startsWith("Schallgeschwindigkeit;Zufallspause;Taktzeit;Offset Zykluszeit;DIP-Schalter;"));
    EXPECT_TRUE(rows[1].startsWith("343.2m/s;Nein;0;10ms;Inaktiv;"));
    EXPECT_FALSE(rows[1].contains("ON"));
    EXPECT_EQ(rows[0].count(';'), rows[1].count(';'));
}

TEST_F(QT8200SheetTest, PaperGetsTheDipSwitchRowBesideOn) {
    RecordingCanvas page;
    PrintData::ExportState().Printer = &page;
    page.CurrentY = 29;
    window->PrintData();
    ASSERT_EQ(page.markers.size(), 10);
    QString on;
    for (const RecordingCanvas::Marker& m : page.markers) on += m.upper ? '1' : '0';
    EXPECT_EQ(on, "1010010110");   // A5F: switch 9 follows the third digit
    const auto word = std::find_if(page.texts.begin(), page.texts.end(),
                                   [](const RecordingCanvas::Text& t) { return t.text == "ON"; });
    ASSERT_NE(word, page.texts.end());
    // The row starts 1 mm right of "ON", which stands in the value column.
    EXPECT_DOUBLE_EQ(page.markers[0].x, word->x + 2 * 2 + 1);
    EXPECT_DOUBLE_EQ(page.markers[9].x, page.markers[0].x + 9 * 4);
    EXPECT_DOUBLE_EQ(page.markers[0].y, word->y);
    EXPECT_DOUBLE_EQ(page.markers[0].h, 10);
    EXPECT_DOUBLE_EQ(page.markers[0].inset, 0.7);
    // The numbers under the switches, then the next section below them.
    const auto zero = word + 10;
    EXPECT_EQ(zero->text, "0");
    EXPECT_DOUBLE_EQ(zero->x, page.markers[9].x + 1);   // centred under switch 10
    EXPECT_DOUBLE_EQ(zero->y, word->y + 10);
    const auto next = zero + 1;
    EXPECT_EQ(next->text, "Schaltausgang 1");
    EXPECT_GT(next->y, zero->y);
}

}  // namespace
