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
        int output1, output2;   // list indexes; outside the list selects nothing
    } const shown[] = {{"23", 0, 1}, {"32", 1, 0}, {"3", 1, -2}, {"\x82", -2, -2}};
    for (const Shown& c : shown) {
        const V::SwitchModes modes = V::ShowSwitchModes(QString::fromLatin1(c.value));
        EXPECT_EQ(std::pair(modes.output1, modes.output2), std::pair(c.output1, c.output2)) << c.value;
    }
    struct Composed { int output1, output2; bool analog; std::optional<QString> value; } const composed[] = {
        {1, 0, false, "32"}, {1, 0, true, "3"}, {0, -1, true, "2"},
        {-1, 0, false, nullopt}, {0, -1, false, nullopt},   // a list without a selection writes nothing
    };
    for (const Composed& c : composed) EXPECT_EQ(V::ComposeSwitchModes(c.output1, c.output2, c.analog), c.value);
}

TEST(QT8200Values, EvaluationMethodShown) {
    struct Case { const char* value; int first, second; const char* count; } const cases[] = {
        {"DYN,003", V::Dynamic, V::Static, "3"},       {"BEW,M3", V::Weighted, V::Averaging, "3"},
        {"DYN", V::Dynamic, V::NoSecondMethod, "0"},   {"XYZ,abc", V::NoFirstMethod, V::NoSecondMethod, "0"},
        {"DYNAMIC,255", V::NoFirstMethod, V::Static, "255"},   // the first field must be the word
        // What the editor writes itself (offline, or into its file) shows as
        // the choice that wrote it, so that editing one part keeps the other.
        {"DYN1,M0", V::Dynamic, V::NoSecondMethod, "0"},  {"BEW1,M4", V::Weighted, V::Averaging, "4"},
    };
    for (const Case& c : cases) {
        const V::EvalMethod shown = V::ShowEvalMethod(QString::fromLatin1(c.value));
        EXPECT_EQ(std::tuple(shown.first, shown.second, shown.count), std::tuple(c.first, c.second, QString(c.count)))
            << c.value;
    }
}

TEST(QT8200Values, EvaluationMethodComposed) {
    struct Case {
        int first, second;
        const char* count;
        const char* value;
        std::optional<QString> replaced;   // the count shown in its field afterwards
    } const cases[] = {
        {V::Dynamic, V::Static, "2", "DYN1,003", "3"},        // below the static range
        {V::Weighted, V::Static, "99999", "BEW1,003", "3"},   // beyond 16 bits counts as out of range
        {V::Weighted, V::Static, "2.5", "BEW1,003", "3"},     // 2.5 converts to 2 (halves to even) ...
        {V::Weighted, V::Static, "3.5", "BEW1,004", nullopt}, // ... 3.5 to 4
        {V::NoFirstMethod, V::Averaging, "4.5", "OFF,M4", nullopt},   // the count checked is the count sent
        {V::NoFirstMethod, V::Averaging, "7", "OFF,M2", "2"},
        {V::Dynamic, V::NoSecondMethod, "99", "DYN1,M0", nullopt},   // the count is not looked at
        {-1, -1, "5", "OFF,M0", nullopt},
    };
    for (const Case& c : cases) {
        const V::ComposedEvalMethod composed = V::ComposeEvalMethod(c.first, c.second, c.count);
        EXPECT_EQ(composed.Value(), c.value) << c.count;
        EXPECT_EQ(composed.replacedCount, c.replaced) << c.count;
    }
}

}  // namespace
