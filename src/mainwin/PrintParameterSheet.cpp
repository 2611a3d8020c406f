#include "mainwin/PrintParameterSheet.h"

#include "editors/common/PrintCanvas.h"
#include "editors/common/PrintData.h"
#include "frame/Message.h"
#include "frame/Window.h"
#include "mainwin/SheetFrame.h"
#include "mainwin/SheetHeader.h"
#include "mainwin/SheetTexts.h"
#include "mainwin/frmMain.h"
#include "mainwin/frmPrintComment.h"
#include "platform/FileDialog.h"
#include "platform/FileWriting.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace PrintData {
namespace {

const int MessageNotWritten = 14;
const QString ExportFilter = QStringLiteral("Textdatei (*.TXT)|*.TXT|CSV Datei (*.CSV)|*.CSV");
const QString ExportExtension = QStringLiteral("TXT");
const QString PdfFilter = QStringLiteral("PDF Datei (*.PDF)|*.PDF");
const QString PdfExtension = QStringLiteral("PDF");

std::function<bool()>& printerCheck() {
    static std::function<bool()> check;
    return check;
}

bool hasPrinter() {
    if (printerCheck()) return printerCheck()();
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

FileDialog::Request saveRequest(const QString& filter, const QString& extension) {
    FileDialog::Request request;
    request.kind = FileDialog::Kind::Save;
    request.filter = filter;
    request.defaultExtension = extension;
    request.overwritePrompt = true;
    return request;
}

// Without a printer the sheet becomes a PDF file.
bool choosePdfFile(QPrinter& printer) {
    const FileDialog::Result chosen = FileDialog::Show(saveRequest(PdfFilter, PdfExtension));
    if (chosen.cancelled()) return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(chosen.fileName);
    return true;
}

// The printer dialog offers neither a selection nor page numbers: the sheet
// is printed whole. Without a default printer it is shown even to the toolbar.
bool choosePrinter(QPrinter& printer, bool showDialog) {
    if (!hasPrinter()) return choosePdfFile(printer);
    if (!showDialog && !QPrinterInfo::defaultPrinter().isNull()) return true;
    QPrintDialog dialog(&printer, Window::MainWindow());
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
                      QAbstractPrintDialog::PrintCollateCopies);
    return dialog.exec() == QDialog::Accepted;
}

bool paintSheet(QPagedPaintDevice& device, const QString& comment) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PainterCanvas page(painter, device);
    PainterHeaderArt art(page);
    PrintSheet(page, art, comment);
    return painter.end();
}

// The printer would write its PDF file straight over an earlier one and
// never say when the disk is full: the sheet is made in memory with the
// printer's page and resolution and then written whole, or not at all.
bool writePdf(const QPrinter& printer, const QString& comment) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&buffer);
    pdf.setTitle(printer.docName());
    pdf.setPageLayout(printer.pageLayout());
    pdf.setResolution(printer.resolution());
    return paintSheet(pdf, comment) && FileWriting::WriteWholeFile(printer.outputFileName(), buffer.data());
}

void printSheet(bool showDialog) {
    QString comment;
    if (!frmPrintComment::GetComment(comment)) return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(SheetTexts::Text(QStringLiteral("Print")));
    if (!choosePrinter(printer, showDialog)) return;

    const bool toFile = !printer.outputFileName().isEmpty();
    if (!(toFile ? writePdf(printer, comment) : paintSheet(printer, comment)))
        ShowMessage(MessageNotWritten, std::nullopt, std::nullopt,
                    toFile ? printer.outputFileName() : printer.printerName());
}

// Written beside the chosen name and put in its place only when complete,
// so a failed export leaves any earlier file as it was. The name carries
// the extension of the file type chosen, which decides the form.
void exportSheet() {
    const FileDialog::Result chosen = FileDialog::Show(saveRequest(ExportFilter, ExportExtension));
    if (chosen.cancelled()) return;
    FileWriting::ReplacingFile file(chosen.fileName);
    bool written = file.Open();
    if (written) {
        ExportSheet(file.Device(), IsCsvName(chosen.fileName));
        written = file.Commit();
    }
    if (!written) ShowMessage(MessageNotWritten, std::nullopt, std::nullopt, chosen.fileName);
}

}  // namespace

void PrintParameterSheet(bool showDialog, bool toPrinter) {
    ExportState().ExportFileNo = 0;
    if (toPrinter)
        printSheet(showDialog);
    else
        exportSheet();
}

void SetPrinterCheck(std::function<bool()> hasPrinter) { printerCheck() = std::move(hasPrinter); }

void InstallPrinting(frmMain& window) { window.Steps.PrintParameterSheet = PrintParameterSheet; }

}  // namespace PrintData
