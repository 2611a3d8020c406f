#include "mainwin/DisplayScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

using namespace DisplayScale;

namespace {

struct RangeCase {
    long reported;
    long display;
    int factor;
    const char* legend;
};

TEST(DisplayScale, RangeFactorAndLegend) {
    const RangeCase cases[] = {
        {0, 4500, 1000, "[x1000mm]"},      // not reported: 3000 assumed
        {-20, 4500, 1000, "[x1000mm]"},    // nonsense counts as not reported
        {3000, 4500, 1000, "[x1000mm]"},
        {1001, 1502, 1000, "[x1000mm]"},   // 1501.5 rounds to even
        {1003, 1504, 1000, "[x1000mm]"},   // 1504.5 rounds to even
        {667, 1000, 100, "[x100mm]"},      // 1000.5 rounds down to even: still factor 100
        {668, 1002, 1000, "[x1000mm]"},
        {1, 2, 100, "[x100mm]"},           // 1.5 rounds to 2
    };
    for (const RangeCase& c : cases) {
        SCOPED_TRACE(c.reported);
        const long display = DisplayRange(c.reported);
        EXPECT_EQ(display, c.display);
        EXPECT_EQ(ScaleFactor(display), c.factor);
        EXPECT_EQ(Legend(ScaleFactor(display)), c.legend);
    }
    EXPECT_EQ(ScaleFactor(1000), 100);
    EXPECT_EQ(ScaleFactor(1001), 1000);
}

struct TickCase {
    long displayRange;
    int width;
    double labelWidth;
    std::vector<int> xs;   // x of ticks 1.. that are visible
};

TEST(DisplayScale, TicksEndAfterTheFirstOneBeyondTheEdge) {
    const TickCase cases[] = {
        // Ticks 1 to 4 inside; 5 starts beyond the edge and ends the loop.
        {4500, 450, 6, {100, 200, 300, 400, 500}},
        // A label that starts exactly at the edge is not beyond it.
        {4000, 400, 1, {100, 200, 300, 400, 500}},
        // Positions round halves to even: 187.5 -> 188, 312.5 -> 312.
        {1024, 192, 6, {188, 375}},
        {1024, 320, 6, {312, 625}},
        // Not laid out yet: every tick sits at the origin.
        {4500, 0, 6, {0, 0, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const TickCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.displayRange << " on " << c.width);
        const auto ticks = Ticks(c.displayRange, c.width, [&c](int) { return c.labelWidth; });
        EXPECT_TRUE(ticks[0].visible);
        EXPECT_EQ(ticks[0].x, 1);
        EXPECT_EQ(ticks[0].labelLeft, -1);
        std::vector<int> xs;
        for (size_t i = 1; i < ticks.size(); ++i) {
            if (!ticks[i].visible) continue;
            EXPECT_EQ(xs.size() + 1, i) << "a hidden tick before a visible one";
            xs.push_back(ticks[i].x);
            EXPECT_DOUBLE_EQ(ticks[i].labelLeft, ticks[i].x - c.labelWidth / 2 + 0.5);
        }
        EXPECT_EQ(xs, c.xs);
    }
}

struct ChoiceCase {
    const char* name;
    MarkerSources sources;
    std::vector<std::pair<QString, double>> expected;   // text and value of each marker with a value > 0
    bool analog;
};

MarkerSources standard(const char* p10, const char* p11, const char* p12, const char* p13, bool valid12,
                       bool valid18 = false, bool taught = false) {
    MarkerSources s;
    s.output1Point1 = p10;
    s.output1Point2 = p11;
    s.output2Point1 = p12;
    s.output2Point2 = p13;
    s.output3Point = "2222";
    s.nearLimit = "300";
    s.farLimit = "3500";
    s.output2Valid = valid12;
    s.nearLimitValid = valid18;
    s.taught = taught;
    return s;
}

MarkerSources ofKind(MarkerSources s, int kind) {
    s.sensorKind = kind;
    return s;
}

TEST(DisplayScale, MarkersFollowTheEditorsItems) {
    const ChoiceCase cases[] = {
        {"two points of output 1", standard("500", "800", "", "", false), {{"S11", 500}, {"S12", 800}}, false},
        {"taught points", standard("500", "800", "1000", "1200", true, false, true), {{"S1", 500}, {"S2", 800}},
         false},
        {"one point of output 1", standard("500", "0", "", "", false), {{"S1", 500}}, false},
        {"two points of output 2", standard("500", "", "1000", "1500", true),
         {{"S1", 500}, {"S21", 1000}, {"S22", 1500}}, false},
        {"one point of output 2", standard("500", "", "1000", "", true), {{"S1", 500}, {"S2", 1000}}, false},
        {"analogue range", standard("500", "", "1000", "", false, true), {{"S1", 500}, {"NDE", 300}, {"FDE", 3500}},
         true},
        {"a lone point nothing explains", standard("500", "", "700", "900", false), {{"S1", 500}, {"S2", 700}},
         false},
        {"echo sensor like standard", ofKind(standard("500", "800", "", "", false, true), 2),
         {{"S11", 500}, {"S12", 800}, {"NDE", 300}, {"FDE", 3500}}, true},
        {"texts read by their leading number", standard("500mm", "abc", " 1200.5", "", true),
         {{"S1", 500}, {"S2", 1200.5}}, false},
        {"negative and missing points", standard("-50", "", "", "", true), {}, false},
        {"RDX line maps all five", ofKind(standard("500", "800", "1000", "1200", false, true), 1),
         {{"S1", 500}, {"S2", 1000}, {"S3", 2222}, {"NDE", 300}, {"FDE", 3500}}, false},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const MarkerChoice choice = ChooseMarkers(c.sources);
        std::vector<std::pair<QString, double>> shown;
        for (const Marker& m : choice.markers)
            if (m.value > 0) shown.emplace_back(m.text, m.value);
        EXPECT_EQ(shown, c.expected);
        EXPECT_EQ(choice.analog, c.analog);
    }
}

std::array<Marker, MarkerCount> at(std::initializer_list<double> values) {
    std::array<Marker, MarkerCount> markers;
    size_t k = 0;
    for (double v : values) markers[k++] = {"S", v};
    return markers;
}

// No two shown text boxes overlap, none starts left of the origin, and the
// leftmost box belongs to the leftmost marker.
void expectSeparated(const std::array<MarkerBox, MarkerCount>& boxes) {
    std::vector<const MarkerBox*> shown;
    for (const MarkerBox& box : boxes)
        if (box.shown) shown.push_back(&box);
    std::sort(shown.begin(), shown.end(), [](auto a, auto b) { return a->position < b->position; });
    for (size_t i = 0; i < shown.size(); ++i) {
        EXPECT_GE(shown[i]->left, 0);
        EXPECT_GT(shown[i]->right, shown[i]->left);
        if (i > 0) {
            EXPECT_GE(shown[i]->left, shown[i - 1]->right) << "boxes " << i - 1 << " and " << i;
        }
    }
}

TEST(DisplayScale, CloseSwitchPointsArePushedApart) {
    struct Case {
        const char* name;
        std::array<Marker, MarkerCount> markers;
        std::vector<double> lefts;   // of the shown boxes in marker order; empty: only checked for overlap
    };
    const Case cases[] = {
        {"far apart: centred", at({1000, 2000, 0, -300}), {990, 1990}},
        {"1 mm apart: 10.5 each way", at({1000, 1001}), {979.5, 1001.5}},
        {"pushed past the origin: both move back", at({5, 6}), {0, 22}},
        {"five on one spot", at({200, 200, 200, 200, 200}), {}},
        {"five at the origin", at({1, 1, 1, 1, 1}), {}},
        {"out of order", at({3000, 1000, 1001, 0, 2995}), {}},
        {"hidden between", at({0, 1500, -1, 1502, 1499}), {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        // 1 mm per pixel, texts 20 wide, arrows 8 wide.
        const auto boxes = LayoutMarkers(c.markers, 4500, 4500, 20, 8);
        expectSeparated(boxes);
        std::vector<double> lefts;
        for (size_t k = 0; k < MarkerCount; ++k) {
            EXPECT_EQ(boxes[k].shown, c.markers[k].value > 0);
            if (!boxes[k].shown) continue;
            lefts.push_back(boxes[k].left);
            // The arrows stay at the true switch points.
            EXPECT_DOUBLE_EQ(boxes[k].arrowLeft, c.markers[k].value - 3);
        }
        if (!c.lefts.empty()) {
            EXPECT_EQ(lefts, c.lefts);
        }
    }
}

struct BarCase {
    long distance;
    int textWidth;
    int width;
    bool textInBar;
};

TEST(DisplayScale, DistanceBar) {
    // 4500 mm on 450 pixels.
    const BarCase cases[] = {
        {1000, 40, 100, true},
        {400, 40, 40, true},       // exactly as wide as the text
        {390, 40, 39, false},      // the text goes right of the marker
        {1005, 10, 100, true},     // 100.5 rounds to even
        {1015, 10, 102, true},     // 101.5 rounds to even
        {-5, 30, 0, false},        // an error: the marker at the origin
        {9000, 40, 450, true},     // beyond the scale: the marker stops at its end
    };
    for (const BarCase& c : cases) {
        SCOPED_TRACE(c.distance);
        const DistanceBar bar = BarFor(c.distance, 4500, 450, c.textWidth);
        EXPECT_EQ(bar.width, c.width);
        EXPECT_EQ(bar.textInBar, c.textInBar);
    }
}

}  // namespace
