#include "platform/FileDialog.h"

#include <gtest/gtest.h>

// File names are case-sensitive, while the program's files come named in
// either case: every pattern must match both spellings.
TEST(FileDialogFilters, OfferEveryPatternInBothCases) {
    struct Case {
        QString filter;
        QStringList expected;
    };
    const Case cases[] = {
        {"Zelvo 8200 Parameter|*.zlv", {"Zelvo 8200 Parameter (*.zlv *.ZLV)"}},
        {"Textdatei (*.TXT)|*.TXT|CSV Datei (*.CSV)|*.CSV", {"Textdatei (*.TXT *.txt)", "CSV Datei (*.CSV *.csv)"}},
        {"Protokoll|*.out;*.Log", {"Protokoll (*.out *.OUT *.Log *.log *.LOG)"}},
        {"Alle Dateien|*.*", {"Alle Dateien (*.*)"}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(FileDialog::NameFilters(c.filter), c.expected) << c.filter.toStdString();
}

// A name typed without an extension gets that of the file type in use; the
// default extension keeps its spelling where the filter names it too.
TEST(FileDialogShow, ATypedNameGetsTheExtensionOfTheChosenType) {
    struct Case {
        QString filter;
        QString defaultExtension;
        QString typed;
        int filterIndex;
        QString expected;
    };
    const QString exportFilter = "Textdatei (*.TXT)|*.TXT|CSV Datei (*.CSV)|*.CSV";
    const Case cases[] = {
        {exportFilter, "TXT", "/d/sheet", 1, "/d/sheet.TXT"},
        {exportFilter, "TXT", "/d/sheet", 2, "/d/sheet.CSV"},
        {exportFilter, "TXT", "/d/sheet.txt", 2, "/d/sheet.txt"},   // a typed extension stays
        {exportFilter, "TXT", "/d.v1/sheet", 2, "/d.v1/sheet.CSV"},  // a dot in a folder is no extension
        {"Zelvo 8200 Parameter|*.zlv", "ZLV", "/d/keep", 1, "/d/keep.ZLV"},
        {"Alle Dateien|*.*", "OUT", "/d/log", 1, "/d/log.OUT"},
        {exportFilter, "TXT", "", 2, ""},   // cancelled
    };
    for (const Case& c : cases) {
        FileDialog::SetHandler([&c](const FileDialog::Request&) { return FileDialog::Result{c.typed, c.filterIndex}; });
        FileDialog::Request request;
        request.kind = FileDialog::Kind::Save;
        request.filter = c.filter;
        request.defaultExtension = c.defaultExtension;
        const FileDialog::Result result = FileDialog::Show(request);
        EXPECT_EQ(result.fileName, c.expected) << c.typed.toStdString() << " " << c.filterIndex;
        EXPECT_EQ(result.filterIndex, c.filterIndex);
    }
    FileDialog::SetHandler({});
}
