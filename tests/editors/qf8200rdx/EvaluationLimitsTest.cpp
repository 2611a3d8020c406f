// The search for the evaluation limits in the QF8200RDX's EEPROM: which cells
// are read in which order, and which answers count.
#include "editors/qf8200rdx/EvaluationLimits.h"

#include <QMap>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

using EvaluationLimits::Limits;

TEST(EvaluationLimits, FirstPlausiblePlaceWins) {
    struct Case { const char* what; QMap<int, QString> cells; Limits limits; QList<int> cellsRead; } const cases[] = {
        {"base 110", {{111, "32"}, {110, "3"}, {113, "128"}, {112, "12"}}, {800, 4000}, {111, 110, 113, 112}},
        {"lower limit 8195 at 110, found at 114",
         {{111, "3"}, {110, "32"}, {115, "32"}, {114, "3"}, {117, "128"}, {116, "12"}},
         {800, 4000},
         {111, 110, 115, 114, 117, 116}},
        {"upper limit 3700 everywhere: defaults",
         {{111, "32"}, {110, "3"}, {113, "84"}, {112, "11"}, {115, "32"}, {114, "3"}, {117, "84"}, {116, "11"},
          {109, "32"}, {108, "3"}},
         {800, 4000},
         {111, 110, 113, 112, 115, 114, 117, 116, 109, 108, 111, 110}},
        {"bounds 700 and 4100 count", {{111, "188"}, {110, "2"}, {113, "72"}, {112, "13"}}, {700, 4100},
         {111, 110, 113, 112}},
        {"699 does not", {{111, "187"}, {110, "2"}, {113, "145"}, {112, "13"}}, {800, 4000},
         {111, 110, 115, 114, 109, 108}},
        {"4101 does not", {{111, "188"}, {110, "2"}, {113, "73"}, {112, "13"}}, {800, 4000},
         {111, 110, 113, 112, 115, 114, 109, 108}},
        {"no answers at all", {}, {800, 4000}, {111, 110, 115, 114, 109, 108}},
        {"a decimal answer is read by its number", {{111, "32 "}, {110, "3x"}, {113, "128.0"}, {112, "12"}},
         {800, 4000}, {111, 110, 113, 112}},
        // The limits are never made of one place's lower limit and another place's span.
        {"an answer that is no byte spoils its place as a whole",
         {{111, "300"}, {110, "3"}, {115, "32"}, {114, "3"}, {117, "-1"}, {116, "12"}, {109, "32"}, {108, "3"}},
         {800, 4000},
         {111, 110, 115, 114, 117, 116, 109, 108, 111, 110}},
    };
    for (const Case& c : cases) {
        QList<int> cellsRead;
        const Limits limits = EvaluationLimits::Search([&](int cell) {
            cellsRead.append(cell);
            return c.cells.value(cell);
        });
        EXPECT_EQ(limits, c.limits) << c.what;
        EXPECT_EQ(cellsRead, c.cellsRead) << c.what;
    }
}

}  // namespace
