// The parameter sheet around an editor's lines: the printed page with its
// header, page breaks and wrapped comment, and the text and CSV exports of
// the QF8200 editor as the commands write them.
#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "ScriptedFileDialogs.h"
#include "TestEditor.h"
#include "editors/common/PrintData.h"
#include "editors/common/RecordingCanvas.h"
#include "editors/qf8200/QF8200Fixture.h"
#include "link/SensorState.h"
#include "mainwin/PrintParameterSheet.h"
#include "mainwin/SheetFrame.h"
#include "mainwin/SheetHeader.h"
#include "mainwin/frmPrintComment.h"
#include "support/ScriptedMessages.h"
#include "support/TempWindowsFolder.h"

#include <QAction>
#include <QBuffer>
#include <QDate>
#include <QFile>
#include <QLineF>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <map>

namespace {

using PrintData::ExportState;

// A recording page that also notes where each page's texts begin.
class PagedCanvas : public RecordingCanvas {
public:
    void NewPage() override {
        RecordingCanvas::NewPage();
        pageStarts.append(texts.size());
    }
    QList<qsizetype> pageStarts{0};
};

class RecordingArt : public HeaderArt {
public:
    void SetFont(double pointSize, bool bold) override { fonts.append({pointSize, bold}); }
    void DrawLogo(const QRectF& box) override { logos.append(box); }
    void DrawRule(double x1, double y, double x2) override { rules.append(QLineF(x1, y, x2, y)); }

    QList<std::pair<double, bool>> fonts;
    QList<QRectF> logos;
    QList<QLineF> rules;
};

// An editor whose part of the sheet is a given number of lines.
class LinesEditor : public TestEditor {
public:
    LinesEditor() : TestEditor("frmQF8200") {}
    void PrintData() override {
        for (int i = 1; i <= lines; ++i) {
            QString label = QStringLiteral("Zeile %1").arg(i);
            PrintData::PrintLine(label, QStringLiteral("Wert"));
        }
    }
    int lines = 0;
};

class SheetFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        PrintData::ResetExportStateForTests();
        Sensor::ResetStateForTests();
        SensorStateData& s = Sensor::State();
        s.SensorType = "QF3000";
        s.SensorVersion = "1.0";
        s.SensorVersionLetter = "A";
        s.SensorDate = "01.02.03";
        s.SensorTime = "10:00";
        s.SensorEprom = "E1 ";
        s.SensorForm = &editor;
    }
    void TearDown() override {
        Sensor::ResetStateForTests();
        PrintData::ResetExportStateForTests();
    }

    void print(const QString& comment = QString()) { PrintData::PrintSheet(page, art, comment); }

    // The lines printed below the comment's heading (5 mm each), as texts;
    // empty when there is no heading.
    QStringList commentLines() const {
        QStringList lines;
        double headingY = -1;
        for (const RecordingCanvas::Text& text : page.texts) {
            if (text.text == "Zusatzbeschreibung") {
                headingY = text.y;
                continue;
            }
            if (headingY < 0) continue;
            const int row = int(std::lround((text.y - headingY) / 5)) - 1;
            while (lines.size() <= row) lines.append(QString());
            lines[row] += text.text;
        }
        return lines;
    }

    LinesEditor editor;
    PagedCanvas page;
    RecordingArt art;
};

TEST_F(SheetFrameTest, FirstPageHasHeaderDateAndIdentification) {
    print();
    const QString today = QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat);
    const QString title = "Zelvo 8200 - Parametereinstellung";
    struct Expected {
        QString text;
        double x, y;
    };
    const QList<Expected> expected = {
        {"QUENDIX+BORVA", 23, 16},
        {title, 185 - 2.0 * title.size(), 16},   // flush with the right margin
        {"Druckdatum", 15, 29},
        {today, 98, 29},
        {"Typenbezeichnung", 15, 39},             // after one empty line height
        {"QF3000", 98, 39},
        {"Version", 15, 44},
        {"1.0", 98, 44},
        {"Softwareversion", 15, 49},
        {"A 01.02.03 10:00", 98, 49},
        {"Eprom", 15, 54},
        {"E1 ", 98, 54},
    };
    ASSERT_EQ(page.texts.size(), expected.size());
    for (qsizetype i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(page.texts[i].text, expected[i].text);
        EXPECT_DOUBLE_EQ(page.texts[i].x, expected[i].x);
        EXPECT_DOUBLE_EQ(page.texts[i].y, expected[i].y);
    }
    EXPECT_EQ(art.logos, QList<QRectF>({QRectF(15, 15, 7, 7)}));
    EXPECT_EQ(art.rules, QList<QLineF>({QLineF(15, 24, 185, 24)}));
    EXPECT_EQ(art.fonts, (QList<std::pair<double, bool>>{{18, true}, {10, false}}));
    EXPECT_EQ(ExportState().Printer, nullptr);   // nothing points at the page once it is done
}

// Text as wide as its font is large (2 mm a character at 10 points) on a
// page of a chosen width.
class FontScaledCanvas : public PagedCanvas {
public:
    double ScaleWidth() const override { return width; }
    double TextWidth(const QString& text) const override { return 0.2 * points * text.size(); }
    double width = 200;
    double points = 10;
};

class FontScaledArt : public RecordingArt {
public:
    explicit FontScaledArt(FontScaledCanvas& page) : page_(page) {}
    void SetFont(double pointSize, bool bold) override {
        RecordingArt::SetFont(pointSize, bold);
        page_.points = pointSize;
    }

private:
    FontScaledCanvas& page_;
};

TEST(SheetHeaderTest, TitleNeverRunsIntoTheMakerName) {
    const struct {
        double pageWidth;
        bool shrinks;
    } cases[] = {{300, false}, {200, true}, {140, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.pageWidth);
        FontScaledCanvas page;
        page.width = c.pageWidth;
        FontScaledArt art(page);
        PrintData::PrintPageHeader(page, art);
        ASSERT_EQ(page.texts.size(), 2);
        const RecordingCanvas::Text& maker = page.texts[0];
        const RecordingCanvas::Text& title = page.texts[1];
        const double makerEnd = maker.x + 0.2 * 18 * maker.text.size();
        const double right = c.pageWidth - 15;
        EXPECT_GE(title.x, makerEnd + 3 - 1e-9);
        ASSERT_EQ(art.fonts.size(), c.shrinks ? 3 : 2);
        const double titlePoints = art.fonts[art.fonts.size() - 2].first;
        EXPECT_NEAR(title.x + 0.2 * titlePoints * title.text.size(), right, 1e-9);   // still flush right
        EXPECT_EQ(art.fonts.last(), std::make_pair(10.0, false));     // the body font follows
        EXPECT_DOUBLE_EQ(page.CurrentY, 29);
    }
}

TEST_F(SheetFrameTest, LongSheetsBreakBeforeTheBottomAndRepeatTheHeader) {
    editor.lines = 40;
    print();
    ASSERT_GE(page.pageStarts.size(), 3);
    EXPECT_EQ(art.logos.size(), page.pageStarts.size());
    EXPECT_EQ(art.rules.size(), page.pageStarts.size());
    for (qsizetype p = 0; p < page.pageStarts.size(); ++p) {
        SCOPED_TRACE(p);
        const qsizetype first = page.pageStarts[p];
        ASSERT_GT(page.texts.size(), first + 2);
        EXPECT_EQ(page.texts[first].text, "QUENDIX+BORVA");
        EXPECT_EQ(page.texts[first + 1].text, "Zelvo 8200 - Parametereinstellung");
        if (p > 0) {
            EXPECT_DOUBLE_EQ(page.texts[first + 2].y, 29);
        }
    }
    QStringList bodyLabels;
    for (const RecordingCanvas::Text& text : page.texts) {
        EXPECT_LE(text.y + 5, 100) << qPrintable(text.text);   // a whole line fits on its page
        if (text.text.startsWith("Zeile")) bodyLabels.append(text.text);
    }
    ASSERT_EQ(bodyLabels.size(), 40);
    EXPECT_EQ(bodyLabels.first(), "Zeile 1");
    EXPECT_EQ(bodyLabels.last(), "Zeile 40");
}

TEST_F(SheetFrameTest, CommentWrapsAtTheRightMargin) {
    // 2 mm a character; a line runs from 15 to 185 mm, 85 characters.
    const QString wide(100, 'x');
    const struct {
        QString comment;
        QStringList lines;   // below the heading, after its empty line; none: no comment block
    } cases[] = {
        {"   ", {}},
        {"eins zwei", {"", "eins zwei"}},
        {"abc\r\ndef", {"", "abc", "def"}},
        {"ab\r\n\r\ncd", {"", "ab", "", "cd"}},
        {QStringList(20, "wort").join(' '), {"", QString("wort ").repeated(17), "wort wort wort"}},
        {wide, {"", wide}},                           // runs over the margin, no empty line before it
        {"ab " + wide + " cd", {"", "ab ", wide + ' ', "cd"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.comment.left(30)));
        page = PagedCanvas();
        print(c.comment);
        EXPECT_EQ(commentLines(), c.lines);
    }
}

// The identification lines in every form: the EPROM line only when the
// sensor has an EPROM text, the print date only on paper.
TEST_F(SheetFrameTest, IdentificationInEveryForm) {
    enum Form { Paper, Text, Csv };
    const struct {
        Form form;
        QString eprom;
    } cases[] = {{Paper, "E1 "}, {Paper, ""}, {Text, "E1 "}, {Text, ""}, {Csv, "E1 "}, {Csv, ""}};
    for (const auto& c : cases) {
        SCOPED_TRACE(int(c.form) * 10 + int(c.eprom.size()));
        Sensor::State().SensorEprom = c.eprom;
        QString all;
        if (c.form == Paper) {
            page = PagedCanvas();
            print();
            for (const RecordingCanvas::Text& text : page.texts) all += text.text + '\n';
        } else {
            QBuffer file;
            file.open(QIODevice::WriteOnly);
            PrintData::ExportSheet(file, c.form == Csv);
            all = QString::fromLatin1(file.data());
        }
        EXPECT_EQ(all.contains("Eprom"), !c.eprom.isEmpty());
        EXPECT_EQ(all.contains("Druckdatum"), c.form == Paper);
        EXPECT_TRUE(all.contains("Softwareversion"));
    }
}

TEST(SheetExportName, LastThreeLettersCsvInAnyCaseGiveTheCsvForm) {
    const std::map<QString, bool> cases = {
        {"/tmp/out.csv", true}, {"/tmp/OUT.CsV", true}, {"/tmp/foocsv", true}, {"/tmp/out.txt", false},
        {"/tmp/csv.txt", false}, {"/tmp/out.csv.TXT", false}, {"cs", false},
    };
    for (const auto& [name, csv] : cases) EXPECT_EQ(PrintData::IsCsvName(name), csv) << qPrintable(name);
}

// The commands on the QF8200 editor with the values of the fake sensor.
class SheetCommandTest : public QF8200WindowTest {
protected:
    void SetUp() override {
        PrintData::ResetExportStateForTests();
        open(true);   // the analogue variant, in place of the fixture's switch variant
        SensorStateData& s = Sensor::State();
        s.SensorForm = window.get();
        s.SensorVersion = "2.1";
        s.SensorVersionLetter = "B";
        s.SensorDate = "05.06.07";
        s.SensorTime = "08:09";
        s.SensorEprom = "";
    }
    void TearDown() override {
        PrintData::SetPrinterCheck({});
        frmPrintComment::ResetForTests();
        PrintData::ResetExportStateForTests();
        QF8200WindowTest::TearDown();
    }

    QByteArray exportTo(const QString& name) {
        ScriptedFileDialogs dialogs({folder.filePath(name)});
        PrintData::PrintParameterSheet(true, false);
        EXPECT_EQ(dialogs.count(), 1);
        QFile file(folder.filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The editor's lines for the analogue sensor with the low-pass method.
    static QList<std::pair<QString, QString>> editorLines() {
        return {
            {"", ""}, {"Messung", ""}, {"Schallgeschwindigkeit", "343.3m/s"}, {"bei 0°C", "331.3m/s"},
            {"Temperatur Offset", "0.0°C"}, {"Temperatur", "20.0°C"}, {"Taktzeit", "0"},
            {"Offset Zykluszeit", "10ms"}, {"", ""}, {"Auswertung", ""}, {"Filter Timeout", "5"},
            {"Konservatives Filter", "3"}, {"Blindbereich", "200mm"}, {"Reduzierte Reichweite", "3000"},
            {"Störverhalten", "1"}, {"Fehlerstrom", "4.0mA"}, {"Kein Echo", "kein Fehler"}, {"", ""},
            {"Schaltausgang 1", ""}, {"Schaltpunkt 11", "500mm"}, {"Schaltpunkt 12", "1000mm"},
            {"Schalthysterese", "5%"}, {"Schaltmodus", "Öffner"}, {"Betriebsart", "Schaltpunkt"},
            {"Schaltverhalten", "statisch"}, {"", ""}, {"Analogausgang", ""}, {"Nahe Grenze", "300"},
            {"Ferne Grenze", "2000"}, {"Betriebsart", "Bereichsüberwachung"}, {"", ""}, {"Fehler LED", ""},
            {"Fehlerzustand anzeigen", "Ja"}, {"", ""}, {"Auswertemethode", "Tiefpass"}, {"Abweichung", "5"},
            {"Gewicht", "100"}, {"Verwerfungszähler", "3"}, {"", ""}, {"DIP-Schalter", "Inaktiv"},
        };
    }

    QTemporaryDir folder;
    ScriptedMessages boxes;
};

TEST_F(SheetCommandTest, TextExportIsTheTitledSheetInColumns) {
    const QString title = "Zelvo 8200 - Parametereinstellung";
    QList<std::pair<QString, QString>> lines = {
        {title, ""}, {QString(title.size(), '='), ""}, {"", ""}, {"Typenbezeichnung", "QF3000"},
        {"Version", "2.1"}, {"Softwareversion", "B 05.06.07 08:09"},   // no EPROM text: no EPROM line
    };
    lines += editorLines();
    QString expected;
    for (const auto& [label, value] : lines)
        expected += (label.isEmpty() && value.isEmpty() ? QString() : label.leftJustified(39) + value) + "\r\n";

    const QByteArray written = exportTo("sheet.txt");
    EXPECT_EQ(written, expected.toLatin1());
    EXPECT_TRUE(written.contains("bei 0\xB0" "C"));   // one byte a character, not UTF-8
    EXPECT_EQ(boxes.count(), 0);
}

TEST_F(SheetCommandTest, CsvExportIsTwoRowsOfTheLinesWithValues) {
    QStringList labels = {"Typenbezeichnung", "Version", "Softwareversion"};
    QStringList values = {"QF3000", "2.1", "B 05.06.07 08:09"};
    for (const auto& [label, value] : editorLines()) {
        if (value.isEmpty()) continue;
        labels.append(label);
        values.append(value);
    }
    const QString expected = labels.join(';') + "\r\n" + values.join(';') + "\r\n";
    EXPECT_EQ(exportTo("sheet.CSV"), expected.toLatin1());
}

TEST_F(SheetCommandTest, UnwritableExportIsReportedAndLeavesNoFile) {
    const QString path = folder.filePath("missing/sheet.txt");
    ScriptedFileDialogs dialogs({path});
    PrintData::PrintParameterSheet(true, false);
    EXPECT_FALSE(QFile::exists(path));
    ASSERT_EQ(boxes.count(), 1);
    EXPECT_EQ(boxes.shown().first().text, "Die Datei <" + path + "> konnte nicht geschrieben werden.");
}

TEST_F(SheetCommandTest, PrintingWithoutPrinterWritesAPdfAfterTheComment) {
    PrintData::SetPrinterCheck([] { return false; });
    const QString pdf = folder.filePath("sheet.pdf");
    const QString unwritable = folder.filePath("missing/sheet.pdf");
    const struct {
        bool commentOk;
        QString file;   // answer of the file dialog; "" cancels
        int fileDialogs;
        int messages;
    } cases[] = {
        {false, pdf, 0, 0},         // cancelled comment: nothing else happens
        {true, "", 1, 0},           // cancelled file choice: nothing printed
        {true, unwritable, 1, 1},   // reported, not silently lost
        {true, pdf, 1, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(qPrintable(c.file));
        ScriptedFileDialogs dialogs({c.file});
        const int before = boxes.count();
        WhenShown<frmPrintComment>([ok = c.commentOk](frmPrintComment* dialog) {
            dialog->txtComment->setPlainText("Anlage 7\nHalle 2");
            (ok ? dialog->btOk : dialog->btCancel)->click();
        });
        PrintData::PrintParameterSheet(false, true);
        EXPECT_EQ(dialogs.count(), c.fileDialogs);
        EXPECT_EQ(boxes.count() - before, c.messages);
        EXPECT_EQ(QFile::exists(pdf), &c == &cases[std::size(cases) - 1]);
    }
    EXPECT_FALSE(QFile::exists(unwritable));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString content = QString::fromLatin1(file.readAll());
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_TRUE(content.contains(QRegularExpression("/Type\\s*/Page[^s]")));
}

// The main window's commands reach the sheet once printing is installed.
class PrintCommandsTest : public MainWindowFixture {};

TEST_F(PrintCommandsTest, FileMenuPrintsAndExports) {
    start();
    activate();
    PrintData::InstallPrinting(*window);
    ScriptedFileDialogs dialogs;   // every dialog cancelled
    window->MenuItem("mnExport")->trigger();
    ASSERT_EQ(dialogs.count(), 1);
    const FileDialog::Request& request = dialogs.shown().first();
    EXPECT_EQ(request.kind, FileDialog::Kind::Save);
    EXPECT_EQ(request.defaultExtension, "TXT");
    // Names are case-sensitive here: both spellings of each extension are offered.
    EXPECT_EQ(FileDialog::NameFilters(request.filter),
              QStringList({"Textdatei (*.TXT *.txt)", "CSV Datei (*.CSV *.csv)"}));

    bool commentAsked = false;
    WhenShown<frmPrintComment>([&](frmPrintComment* dialog) {
        commentAsked = true;
        dialog->btCancel->click();
    });
    window->MenuItem("mnPrint")->trigger();
    EXPECT_TRUE(commentAsked);
    EXPECT_EQ(dialogs.count(), 1);   // cancelled before a printer was chosen
    frmPrintComment::ResetForTests();
}

}  // namespace
