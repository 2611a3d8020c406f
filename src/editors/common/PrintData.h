#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

class PrintCanvas;
class QIODevice;

// The parameter sheet's output: one run prints it on paper or exports it as
// a text or CSV file. The printing and export commands set up ExportState;
// every editor's PrintData hands its lines to PrintLine, which writes them in
// the form of the run.
namespace PrintData {

// Texts of the value column on paper and in the text export.
constexpr int PrinterValueColumn = 50;
constexpr int TextValueColumn = 40;
// Left margin of every printed line, millimetres.
constexpr double PrinterLeftMargin = 15;

struct ExportStateData {
    int ExportFileNo = 0;                  // 0 while printing, else the export file is open
    int ExportCsv = 0;                     // 1: the export file gets the CSV layout
    int PrintLineHeight = 0;               // mm: reserve below the last line of a page
    std::array<QString, 2> CsvRows;        // labels row, values row
    std::array<QStringList, 2> CsvFields;  // the items of both rows, before quoting
    QIODevice* ExportFile = nullptr;       // the open export file
    int ExportColumn = 1;                  // text export: the column the next text starts at
    PrintCanvas* Printer = nullptr;        // the page while printing
    std::function<void()> PrintPageHeader; // draws a new page's header
};
ExportStateData& ExportState();
void ResetExportStateForTests();

// Writes one sheet line: label, then value in the value column. newLine False
// leaves the line open for more. In the CSV form the label loses a trailing
// ":" (also in the caller's variable) and lines without a value add nothing.
void PrintLine(QString& label, const QString& value, bool newLine = true);

}  // namespace PrintData
