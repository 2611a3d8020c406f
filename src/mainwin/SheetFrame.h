#pragma once
#include <QString>

class HeaderArt;
class PrintCanvas;
class QIODevice;

// The parameter sheet around the active editor's lines: on paper the page
// header, print date, identification lines and the user's comment; in an
// export file the title (text form only) and the identification lines. The
// editor's own lines come from its PrintData, written through PrintLine in
// the form of the run.
namespace PrintData {

// Prints the whole sheet on page, which stands at the top of its first page.
void PrintSheet(PrintCanvas& page, HeaderArt& art, const QString& comment);

// Writes the whole sheet into file as text or as the two CSV rows.
void ExportSheet(QIODevice& file, bool csv);

// A name whose last three characters are "CSV" in any letter case gets the
// CSV form; every other name the text form.
bool IsCsvName(const QString& fileName);

}  // namespace PrintData
