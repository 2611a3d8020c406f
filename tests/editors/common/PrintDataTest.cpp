// The three forms of a sheet line: the text export's columns, the CSV rows
// and the printer page with its page breaks.
#include "editors/common/PrintData.h"
#include "editors/common/RecordingCanvas.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace {

using PrintData::ExportState;
using PrintData::PrintLine;

class PrintLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrintData::ResetExportStateForTests();
        file.open(QIODevice::WriteOnly);
    }
    void TearDown() override { PrintData::ResetExportStateForTests(); }

    void exportTo(int csv) {
        ExportState().ExportFileNo = 1;
        ExportState().ExportCsv = csv;
        ExportState().ExportFile = &file;
    }
    void line(const QString& label, const QString& value, bool newLine = true) {
        QString text = label;
        PrintLine(text, value, newLine);
    }

    QBuffer file;
};

TEST_F(PrintLineTest, TextExportPutsValuesAtColumn40) {
    exportTo(0);
    const QString label39(39, 'L');
    const QString label40(40, 'L');
    line("Blindbereich", "200mm");
    line("", "");
    line(label39, "v");
    line(label40, "w");
    line("", "ON", false);
    line("", "");
    const QByteArray expected = "Blindbereich" + QByteArray(27, ' ') + "200mm\r\n" + "\r\n" + label39.toLatin1() +
                                "v\r\n" + label40.toLatin1() + "\r\n" + QByteArray(39, ' ') + "w\r\n" +
                                QByteArray(39, ' ') + "ON\r\n";
    EXPECT_EQ(file.data(), expected);
}

TEST_F(PrintLineTest, TextExportWritesOneBytePerCharacter) {
    exportTo(0);
    line("Störverhalten", QString(QChar(0x82)));
    EXPECT_EQ(file.data().left(13), QByteArray("St\xF6rverhalten"));
    EXPECT_EQ(file.data().mid(39, 1), QByteArray("\x82"));
}

TEST_F(PrintLineTest, CsvCollectsLabelsAndValuesInTwoRows) {
    exportTo(1);
    line("", "");
    line("Typenbezeichnung:", "QF3000");
    line("Temperatur", "20.0°C");
    line("", "mehr");
    QString label = "DIP-Schalter:";
    PrintLine(label, "Aktiv");
    EXPECT_EQ(label, "DIP-Schalter");
    EXPECT_EQ(ExportState().CsvRows[0], "Typenbezeichnung;Temperatur;DIP-Schalter");
    EXPECT_EQ(ExportState().CsvRows[1], "QF3000;20.0°C mehr;Aktiv");
    EXPECT_TRUE(file.data().isEmpty());
}

// A separator inside an item must not shift the later columns.
TEST_F(PrintLineTest, CsvQuotesOnlyItemsThatHoldTheSeparatorOrAQuote) {
    exportTo(1);
    line("Kommentar", "Halle 3; Band \"B\"");
    line("Typenbezeichnung", "QF3000");
    line("", "a;b");
    EXPECT_EQ(ExportState().CsvRows[0], "Kommentar;Typenbezeichnung");
    EXPECT_EQ(ExportState().CsvRows[1], "\"Halle 3; Band \"\"B\"\"\";\"QF3000 a;b\"");
}

TEST_F(PrintLineTest, PrinterLinesStartAtTheMarginAndBreakPages) {
    RecordingCanvas page;
    int headers = 0;
    ExportState().Printer = &page;
    ExportState().PrintLineHeight = 5;
    ExportState().PrintPageHeader = [&] {
        ++headers;
        page.CurrentY = 29;
    };
    page.CurrentY = 29;
    line("Blindbereich", "200mm");
    ASSERT_EQ(page.texts.size(), 2);
    EXPECT_DOUBLE_EQ(page.texts[0].x, 15);
    EXPECT_DOUBLE_EQ(page.texts[1].x, 98);   // column 50 of 2 mm columns
    EXPECT_DOUBLE_EQ(page.CurrentY, 34);
    line("  ", "");                           // blanks only: an empty line
    EXPECT_EQ(page.texts.size(), 2);
    for (int i = 0; i < 12; ++i) line("x", "y");
    // A page holds lines while one more line height is left below them.
    EXPECT_EQ(page.newPages, 1);
    EXPECT_EQ(headers, 1);
    EXPECT_LT(page.CurrentY + 5, 100);
}

}  // namespace
