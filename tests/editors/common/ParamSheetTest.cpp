// The DIP-switch row of a printed sheet: ten switches 4 mm wide beside or
// below the word "ON", the switch numbers centred under them.
#include "editors/common/ParamSheet.h"
#include "editors/common/PrintData.h"
#include "editors/common/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

TEST(ParamSheet, DipSwitchRowBesideOrBelowOn) {
    for (bool onEndsLine : {false, true}) {
        PrintData::ResetExportStateForTests();
        RecordingCanvas page;
        PrintData::ExportState().Printer = &page;
        page.CurrentY = 29;
        ParamSheet::PrintDipSwitchRow("A5F", onEndsLine);
        ASSERT_EQ(page.markers.size(), 10);
        EXPECT_EQ(page.MarkerStates(), "1010010110");   // A5F, switch 1 first
        ASSERT_EQ(page.texts.size(), 11);
        // 1 mm right of "ON" (two characters of 2 mm), or of the margin (15 mm) below it.
        const RecordingCanvas::Text& word = page.texts.front();
        const double first = onEndsLine ? 16 : word.x + 2 * 2 + 1;
        EXPECT_EQ(std::pair(page.markers[0].x, page.markers[9].x), std::pair(first, first + 9 * 4)) << onEndsLine;
        EXPECT_EQ(std::pair(page.markers[0].y, page.texts.back().y), std::pair(30.0, 30.0 + 10)) << onEndsLine;
        EXPECT_EQ(page.texts.back().x, first + 9 * 4 + 1) << onEndsLine;   // "0" centred under switch 10
    }
    PrintData::ResetExportStateForTests();
}

}  // namespace
