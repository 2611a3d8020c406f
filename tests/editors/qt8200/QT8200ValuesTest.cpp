// The QT8200 line's own encodings, both ways: the switching-behaviour digits
// and the two-part evaluation method.
#include "editors/qt8200/QT8200Values.h"

#include <gtest/gtest.h>

namespace {

namespace V = QT8200Values;
using std::nullopt;

TEST(QT8200Values, SwitchModeDigits) {
    struct Shown {
        const char* value;
        int output1, output2;
    } const shown[] = {
        {"23", 0, 1}, {"32", 1, 0}, {"3", 1, -2}, {"", -2, -2},
        {"\x82", -2, -2},   // a rejected value selects nothing
        {"5", 3, -2},       // no entry of the list: the list stays as it was
    };
    for (const Shown& c : shown) {
        const V::SwitchModes modes = V::ShowSwitchModes(QString::fromLatin1(c.value));
        EXPECT_EQ(modes.output1, c.output1) << c.value;
        EXPECT_EQ(modes.output2, c.output2) << c.value;
    }

    struct Composed {
        int output1, output2;
        bool analog;
        std::optional<QString> value;
    } const composed[] = {
        {1, 0, false, "32"},  {1, 0, true, "3"},   {0, 1, false, "23"}, {0, -1, true, "2"},
        {-1, 0, false, nullopt}, {0, -1, false, nullopt},   // a list without a selection writes nothing
    };
    for (const Composed& c : composed)
        EXPECT_EQ(V::ComposeSwitchModes(c.output1, c.output2, c.analog), c.value) << c.output1 << c.output2 << c.analog;
}

TEST(QT8200Values, EvaluationMethodShown) {
    struct Case {
        const char* value;
        int first, second;
        const char* count;
    } const cases[] = {
        {"DYN,003", V::Dynamic, V::Static, "3"},
        {"BEW,M3", V::Weighted, V::Averaging, "3"},
        {"OFF,000", V::NoFirstMethod, V::NoSecondMethod, "0"},
        {"OFF,255", V::NoFirstMethod, V::Static, "255"},
        {"DYN", V::Dynamic, V::NoSecondMethod, "0"},   // no second field
        {"", V::NoFirstMethod, V::NoSecondMethod, "0"},
        {"XYZ,abc", V::NoFirstMethod, V::NoSecondMethod, "0"},
        {"DYNAMIC,003", V::NoFirstMethod, V::Static, "3"},   // the first field must be the word
        {"\x82", V::NoFirstMethod, V::NoSecondMethod, "0"},
        // What the editor writes itself (offline, or read back from its file)
        // shows as the choice that wrote it.
        {"DYN1,M0", V::Dynamic, V::NoSecondMethod, "0"},
        {"BEW1,M4", V::Weighted, V::Averaging, "4"},
        {"OFF,M0", V::NoFirstMethod, V::NoSecondMethod, "0"},
    };
    for (const Case& c : cases) {
        const V::EvalMethod shown = V::ShowEvalMethod(QString::fromLatin1(c.value));
        EXPECT_EQ(shown.first, c.first) << c.value;
        EXPECT_EQ(shown.second, c.second) << c.value;
        EXPECT_EQ(shown.count, c.count) << c.value;
    }
}

TEST(QT8200Values, EvaluationMethodComposed) {
    struct Case {
        int first, second;
        const char* count;
        const char* value;
        std::optional<QString> replaced;
    } const cases[] = {
        {V::Dynamic, V::Static, "5", "DYN1,005", nullopt},
        {V::Dynamic, V::Static, "2", "DYN1,003", "3"},        // below the static range
        {V::Weighted, V::Static, "255", "BEW1,255", nullopt},
        {V::Weighted, V::Static, "256", "BEW1,003", "3"},
        {V::Weighted, V::Static, "99999", "BEW1,003", "3"},   // beyond 16 bits counts as out of range
        {V::Weighted, V::Static, "2.5", "BEW1,003", "3"},     // 2.5 converts to 2 (halves to even)
        {V::Weighted, V::Static, "3.5", "BEW1,004", nullopt}, // ... and is written as 4 (halves away)
        {V::NoFirstMethod, V::Static, "", "OFF,003", "3"},
        {V::NoFirstMethod, V::Averaging, "4", "OFF,M4", nullopt},
        {V::NoFirstMethod, V::Averaging, "7", "OFF,M2", "2"},
        {V::NoFirstMethod, V::Averaging, "-3", "OFF,M2", "2"},
        {V::Dynamic, V::NoSecondMethod, "99", "DYN1,M0", nullopt},   // the count is not looked at
        {-1, -1, "5", "OFF,M0", nullopt},
    };
    for (const Case& c : cases) {
        const V::ComposedEvalMethod composed = V::ComposeEvalMethod(c.first, c.second, c.count);
        EXPECT_EQ(composed.Value(), c.value) << c.count;
        EXPECT_EQ(composed.replacedCount, c.replaced) << c.count;
    }
}

// Whatever the editor composes shows again as the same choice, so that an
// edit of one part never changes another.
TEST(QT8200Values, EvaluationMethodRoundTrip) {
    for (int first : {0, 1, 2}) {
        for (int second : {0, 1, 2}) {
            const V::ComposedEvalMethod composed = V::ComposeEvalMethod(first, second, "3");
            const V::EvalMethod shown = V::ShowEvalMethod(composed.Value());
            EXPECT_EQ(shown.first, first) << composed.Value().toStdString();
            EXPECT_EQ(shown.second, second) << composed.Value().toStdString();
        }
    }
}

}  // namespace
