#include "editors/common/PrintData.h"

#include "editors/common/PrintCanvas.h"
#include "frame/STRING_UTIL.h"

#include <QIODevice>
#include <QRegularExpression>

using STRING_UTIL::TrimBlanks;

namespace PrintData {
namespace {

const QString CsvSeparator = QStringLiteral(";");

// The export file is ANSI text: one byte per character.
void writeText(ExportStateData& state, const QString& text) {
    if (state.ExportFile) state.ExportFile->write(text.toLatin1());
    state.ExportColumn += int(text.size());
}

void endTextLine(ExportStateData& state) {
    if (state.ExportFile) state.ExportFile->write("\r\n");
    state.ExportColumn = 1;
}

// Blanks up to column; a text already past it continues on the next line.
void tabTo(ExportStateData& state, int column) {
    if (state.ExportColumn > column) endTextLine(state);
    writeText(state, QString(column - state.ExportColumn, QLatin1Char(' ')));
}

void printTextLine(ExportStateData& state, const QString& label, const QString& value, bool newLine) {
    if (!label.isEmpty() || !value.isEmpty()) {
        writeText(state, label);
        tabTo(state, TextValueColumn);
        writeText(state, value);
    }
    if (newLine) endTextLine(state);
}

// Items stay bare as long as they can: only one holding the separator, a
// quote or a line break is quoted, so that it cannot shift the later columns.
QString csvItem(const QString& item) {
    static const QRegularExpression needsQuotes(QStringLiteral("[;\"\r\n]"));
    if (!item.contains(needsQuotes)) return item;
    return QLatin1Char('"') + QString(item).replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
}

QString csvRow(const QStringList& items) {
    QStringList quoted;
    quoted.reserve(items.size());
    for (const QString& item : items) quoted.append(csvItem(item));
    return quoted.join(CsvSeparator);
}

void printCsvLine(ExportStateData& state, QString& label, const QString& value) {
    if (value.isEmpty()) return;
    if (label.isEmpty()) {
        if (state.CsvFields[1].isEmpty()) state.CsvFields[1].append(QString());
        state.CsvFields[1].last() += QLatin1Char(' ') + value;
    } else {
        if (label.endsWith(QLatin1Char(':'))) label.chop(1);
        state.CsvFields[0].append(label);
        state.CsvFields[1].append(value);
    }
    state.CsvRows[0] = csvRow(state.CsvFields[0]);
    state.CsvRows[1] = csvRow(state.CsvFields[1]);
}

void printPrinterLine(ExportStateData& state, const QString& label, const QString& value, bool newLine) {
    PrintCanvas& page = *state.Printer;
    page.CurrentX = PrinterLeftMargin;
    if (!TrimBlanks(label).isEmpty() || !TrimBlanks(value).isEmpty()) {
        page.Print(label, false);
        const double valueX = (PrinterValueColumn - 1) * page.AverageCharWidth();
        if (page.CurrentX > valueX) page.Print(QString(), true);
        page.CurrentX = valueX;
        page.Print(value, false);
    }
    if (newLine) {
        page.Print(QString(), true);
        page.CurrentX = PrinterLeftMargin;
    }
    if (page.ScaleHeight() <= page.CurrentY + state.PrintLineHeight) {
        page.NewPage();
        if (state.PrintPageHeader) state.PrintPageHeader();
    }
}

}  // namespace

ExportStateData& ExportState() {
    static ExportStateData state;
    return state;
}

void ResetExportStateForTests() { ExportState() = ExportStateData(); }

void PrintLine(QString& label, const QString& value, bool newLine) {
    ExportStateData& state = ExportState();
    if (state.ExportFileNo == 0) {
        if (state.Printer) printPrinterLine(state, label, value, newLine);
    } else if (state.ExportCsv == 1) {
        printCsvLine(state, label, value);
    } else {
        printTextLine(state, label, value, newLine);
    }
}

}  // namespace PrintData
