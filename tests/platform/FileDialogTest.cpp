#include "platform/FileDialog.h"

#include <gtest/gtest.h>

// File names are case-sensitive here, while the filters were written for a
// platform where they were not: every pattern must match both spellings.
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
