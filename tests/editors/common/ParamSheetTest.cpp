// The DIP-switch row of a printed sheet: ten switches 4 mm wide beside or
// below the word "ON", their states from the DIP value, the switch numbers
// centred under them.
#include "editors/common/ParamSheet.h"
#include "editors/common/PrintData.h"
#include "editors/common/RecordingCanvas.h"

#include <gtest/gtest.h>

namespace {

TEST(ParamSheet, DipSwitchRowBesideOrBelowOn) {
    for (bool onEndsLine : {false, true}) {
        SCOPED_TRACE(onEndsLine);
        PrintData::ResetExportStateForTests();
        RecordingCanvas page;
        PrintData::ExportState().Printer = &page;
        page.CurrentY = 29;
        ParamSheet::PrintDipSwitchRow("A5F", onEndsLine);
        ASSERT_EQ(page.markers.size(), 10);
        ASSERT_EQ(page.texts.size(), 11);
        EXPECT_EQ(page.MarkerStates(), "1010010110");   // switch 9 follows the third digit, switch 10 is always off
        // 1 mm right of "ON" (two characters of 2 mm), or of the margin (15 mm) below it.
        const RecordingCanvas::Text& word = page.texts.front();
        EXPECT_EQ(word.text, "ON");
        const double first = onEndsLine ? 16 : word.x + 2 * 2 + 1;
        EXPECT_DOUBLE_EQ(page.markers[0].x, first);
        EXPECT_DOUBLE_EQ(page.markers[9].x, first + 9 * 4);
        EXPECT_DOUBLE_EQ(page.markers[0].y, 30);
        EXPECT_DOUBLE_EQ(page.markers[0].inset, 0.7);
        const RecordingCanvas::Text& zero = page.texts.back();
        EXPECT_EQ(zero.text, "0");
        EXPECT_DOUBLE_EQ(zero.x, first + 9 * 4 + 1);   // centred under switch 10
        EXPECT_DOUBLE_EQ(zero.y, 30 + 10);
    }
    PrintData::ResetExportStateForTests();
}

}  // namespace
