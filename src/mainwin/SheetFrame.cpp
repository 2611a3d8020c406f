#include "mainwin/SheetFrame.h"

#include "editors/common/PrintCanvas.h"
#include "editors/common/PrintData.h"
#include "frame/RuntimeError.h"
#include "frame/STRING_UTIL.h"
#include "link/SensorEditor.h"
#include "link/SensorInfo.h"
#include "link/SensorState.h"
#include "mainwin/SheetHeader.h"
#include "mainwin/SheetTexts.h"

#include <QDate>
#include <QIODevice>
#include <QList>
#include <QLocale>
#include <QScopeGuard>

#include <cmath>

using STRING_UTIL::TrimBlanks;

namespace PrintData {
namespace {

// Editors only ask whether it is 0 (paper) or not (a file).
constexpr int ExportFileNumber = 1;
const QString CrLf = QStringLiteral("\r\n");

void line(const QString& label, const QString& value) {
    QString text = label;
    PrintLine(text, value);
}

void emptyLine() { line(QString(), QString()); }

QString sensorItem(int item) {
    QVariant value;
    Sensor::GetSensorData(item, value);
    return value.toString();
}

void printIdentification() {
    line(SheetTexts::Text(QStringLiteral("lblTyp")), sensorItem(SensorInfoItem::SensorType));
    line(SheetTexts::Text(QStringLiteral("lblVersion")), sensorItem(SensorInfoItem::Version));
    line(SheetTexts::Text(QStringLiteral("lblSoftVersion")),
         sensorItem(SensorInfoItem::VersionLetter) + QLatin1Char(' ') + sensorItem(SensorInfoItem::DateTime));
    const QString eprom = sensorItem(SensorInfoItem::Eprom);
    if (!eprom.isEmpty()) line(SheetTexts::Text(QStringLiteral("lblEprom")), eprom);
}

void printEditorLines() {
    SensorEditor* editor = Sensor::State().SensorForm;
    if (!editor) return;
    try {
        editor->PrintData();
    } catch (const RuntimeError&) {
        // A line the editor could not make is missing; the sheet goes on.
    }
}

// A piece of the comment as it wraps: a word with its trailing blank, or
// the part of a word before or after a line break typed into it.
struct CommentPiece {
    QString text;
    bool endsLine = false;
};

QList<CommentPiece> commentPieces(const QString& comment) {
    QList<CommentPiece> pieces;
    qsizetype start = 0;
    for (;;) {
        const qsizetype blank = comment.indexOf(QLatin1Char(' '), start);
        const qsizetype end = blank < 0 ? comment.size() : blank + 1;
        const QStringList parts = comment.mid(start, end - start).split(CrLf);
        for (qsizetype i = 0; i < parts.size(); ++i) pieces.append({parts[i], i + 1 < parts.size()});
        if (blank < 0) break;
        start = end;
    }
    return pieces;
}

void printComment(PrintCanvas& page, const QString& comment) {
    const double right = page.ScaleWidth() - PrinterLeftMargin;
    for (const CommentPiece& piece : commentPieces(comment)) {
        // A piece that would cross the right margin goes to the next line;
        // one wider than a whole line runs over the margin on a line of its
        // own, without an empty line before it.
        if (page.CurrentX > PrinterLeftMargin && page.CurrentX + page.TextWidth(piece.text) > right) emptyLine();
        page.Print(piece.text, false);
        if (piece.endsLine) emptyLine();
    }
}

}  // namespace

void PrintSheet(PrintCanvas& page, HeaderArt& art, const QString& comment) {
    ExportStateData& state = ExportState();
    state.ExportFileNo = 0;
    state.ExportFile = nullptr;
    state.Printer = &page;
    state.PrintPageHeader = [&page, &art] { PrintPageHeader(page, art); };
    const auto detach = qScopeGuard([&state] {
        state.Printer = nullptr;
        state.PrintPageHeader = nullptr;
    });

    PrintPageHeader(page, art);
    state.PrintLineHeight = int(std::nearbyint(page.TextHeight(QStringLiteral("T"))));
    line(SheetTexts::Text(QStringLiteral("lblPrintDate")),
         QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    page.CurrentY += state.PrintLineHeight;
    printIdentification();
    page.CurrentY += state.PrintLineHeight;
    printEditorLines();

    if (TrimBlanks(comment).isEmpty()) return;
    emptyLine();
    line(SheetTexts::Text(QStringLiteral("lblComment")), QString());
    emptyLine();
    printComment(page, comment);
}

void ExportSheet(QIODevice& file, bool csv) {
    ExportStateData& state = ExportState();
    state.ExportFileNo = ExportFileNumber;
    state.ExportCsv = csv ? 1 : 0;
    state.ExportFile = &file;
    state.ExportColumn = 1;
    state.Printer = nullptr;
    state.CsvRows = {};
    state.CsvFields = {};
    const auto detach = qScopeGuard([&state] { state.ExportFile = nullptr; });

    if (!csv) {
        const QString title = SheetTexts::Text(QStringLiteral("Print"));
        line(title, QString());
        line(QString(title.size(), QLatin1Char('=')), QString());
        emptyLine();
    }
    printIdentification();
    printEditorLines();
    if (csv) file.write((state.CsvRows[0] + CrLf + state.CsvRows[1] + CrLf).toLatin1());
}

bool IsCsvName(const QString& fileName) {
    return fileName.right(3).compare(QLatin1String("CSV"), Qt::CaseInsensitive) == 0;
}

}  // namespace PrintData
