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
    EXPECT_EQ(exported(), expected);
}

TEST_F(QT8200SheetTest, AnalogSensorWithoutSecondEvaluation) {
    open(true, {{"EM", "BEW,000"}});
    const QStringList lines = exported();
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines.mid(12, 8), QStringList({"Filter|aktiv", "Schaltmodus|Öffner", "|", "Analogausgang|",
                                             "Nahe Grenze|300mm", "Ferne Grenze|2000mm", "Filter|inaktiv",
                                             "Fenster|10%"}));
    EXPECT_EQ(lines.mid(23), QStringList({"Auswertung 1|Bewertet", "Auswertung 2|Keine", "Konservatives Filter|5"}));
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
    // The row starts 1 mm right of "ON" (two characters of 2 mm), in the value column.
    EXPECT_DOUBLE_EQ(page.markers[0].x, word->x + 2 * 2 + 1);
    EXPECT_DOUBLE_EQ(page.markers[0].y, word->y);
    EXPECT_DOUBLE_EQ(page.markers[0].inset, 0.7);
    // The numbers centred under the switches, then the next section below them.
    const auto zero = word + 10;
    EXPECT_EQ(zero->text, "0");
    EXPECT_DOUBLE_EQ(zero->x, page.markers[0].x + 9 * 4 + 1);
    EXPECT_DOUBLE_EQ(zero->y, word->y + 10);
    EXPECT_EQ((zero + 1)->text, "Schaltausgang 1");
    EXPECT_GT((zero + 1)->y, zero->y);
}

}  // namespace
