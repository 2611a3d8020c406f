#include "mainwin/DisplayScale.h"
#include "mainwin/ScaleView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

using namespace DisplayScale;

namespace {

// The scale reaches 1.5 x the sensor range, halves to even; ticks stand 100
// mm apart below 1001 mm, else 1000 mm.
TEST(DisplayScale, RangeFactorAndLegend) {
    const struct {
        long reported, display;
        const char* legend;
    } cases[] = {
        {0, 4500, "[x1000mm]"},     // not reported: 3000 assumed
        {-20, 4500, "[x1000mm]"},   // nonsense counts as not reported
        {1001, 1502, "[x1000mm]"},  // 1501.5 rounds to even
        {1003, 1504, "[x1000mm]"},  // 1504.5 rounds to even
        {667, 1000, "[x100mm]"},    // 1000.5 rounds down to even: still factor 100
        {668, 1002, "[x1000mm]"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DisplayRange(c.reported), c.display) << c.reported;
        EXPECT_EQ(Legend(ScaleFactor(DisplayRange(c.reported))), c.legend) << c.reported;
    }
}

TEST(DisplayScale, PixelsRoundHalvesToEvenAndStayCoordinates) {
    const std::pair<double, int> cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2},
        // A switch point of 1e308 mm lies far right of any screen, never left of the origin.
        {1e308, 1 << 24}, {-1e308, -(1 << 24)}, {std::nan(""), 0},
    };
    for (const auto& [value, pixels] : cases) EXPECT_EQ(WholePixels(value), pixels) << value;
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

// Text boxes centred over their switch points and pushed apart symmetrically
// until none overlaps, moved back together where one would start left of the
// origin; the arrows stay at the true points. 1 mm per pixel, texts 20 wide,
// arrows 8 wide.
TEST(DisplayScale, CloseSwitchPointsArePushedApart) {
    const auto at = [](std::initializer_list<double> values) {
        std::array<Marker, MarkerCount> markers;
        size_t k = 0;
        for (double v : values) markers[k++] = {"S", v};
        return markers;
    };
    const struct {
        const char* name;
        std::array<Marker, MarkerCount> markers;
        std::vector<double> lefts;   // of the shown boxes in marker order
    } cases[] = {
        {"far apart: centred", at({1000, 2000, 0, -300}), {990, 1990}},
        {"1 mm apart: 10.5 each way", at({1000, 1001}), {979.5, 1001.5}},
        {"pushed past the origin: both move back", at({5, 6}), {0, 22}},
        {"out of order", at({3000, 1000, 1001, 0, 2995}), {2998.5, 979.5, 1001.5, 2976.5}},
    };
    for (const auto& c : cases) {
        const auto boxes = LayoutMarkers(c.markers, 4500, 4500, 20, 8);
        std::vector<double> lefts;
        for (size_t k = 0; k < MarkerCount; ++k) {
            EXPECT_EQ(boxes[k].shown, c.markers[k].value > 0) << c.name << k;
            if (!boxes[k].shown) continue;
            lefts.push_back(boxes[k].left);
            EXPECT_DOUBLE_EQ(boxes[k].right, boxes[k].left + 20) << c.name << k;
            EXPECT_DOUBLE_EQ(boxes[k].arrowLeft, c.markers[k].value - 3) << c.name << k;
        }
        EXPECT_EQ(lefts, c.lefts) << c.name;
    }
}

// The green bar reaches the distance, limited to the scale, in whole pixels
// (halves to even); the text goes right of the marker when it does not fit.
TEST(DisplayScale, DistanceBar) {
    const struct {
        long distance;
        int textWidth, width;
        bool textInBar;
    } cases[] = {
        {400, 40, 40, true},    // exactly as wide as the text
        {390, 40, 39, false},
        {1005, 10, 100, true},  // 100.5 rounds to even
        {1015, 10, 102, true},  // 101.5 rounds to even
        {-5, 30, 0, false},     // an error: the marker at the origin
        {9000, 40, 450, true},  // beyond the scale: the marker stops at its end
    };
    for (const auto& c : cases) {
        const DistanceBar bar = BarFor(c.distance, 4500, 450, c.textWidth);
        EXPECT_EQ(bar.width, c.width) << c.distance;
        EXPECT_EQ(bar.textInBar, c.textInBar) << c.distance;
    }
}

// ---------------------------------------------------------------------------
// The scale as it is drawn, measured with its own font.

std::unique_ptr<ScaleView> drawnScale(long displayRange, int width, const MarkerSources& sources) {
    auto view = std::make_unique<ScaleView>(nullptr);
    view->resize(width, view->DesignHeight());
    std::array<bool, MarkerCount> enabled;
    enabled.fill(true);
    view->SetScale(displayRange, ChooseMarkers(sources), enabled);
    return view;
}

TEST(ScaleView, EveryTickNumberIsShownWhole) {
    const struct {
        long displayRange;
        int width;
        int ticks;   // shown, 0 included
    } cases[] = {
        {9000, 330, 10},   // the last number at the very end of the scale
        {9000, 331, 10},
        {4500, 450, 5},
        {4990, 400, 5},    // tick 5 just beyond the end
        {1000, 300, 10},   // factor 100
        {1502, 250, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.displayRange << " on " << c.width);
        const auto view = drawnScale(c.displayRange, c.width, {});
        const QFontMetrics metrics = view->fontMetrics();
        int shown = 0;
        for (size_t i = 0; i < view->Ticks().size(); ++i) {
            const Tick& tick = view->Ticks()[i];
            if (!tick.visible) continue;
            ++shown;
            const int left = WholePixels(tick.labelLeft);
            EXPECT_GE(left, -1) << i;
            EXPECT_LE(left + metrics.horizontalAdvance(QString::number(i)), c.width) << i;
            EXPECT_LE(tick.x, view->ScaleLength()) << i;
        }
        EXPECT_EQ(shown, c.ticks);
    }
}

MarkerSources points(const char* p10, const char* p11, const char* p12, const char* p13) {
    MarkerSources s = standard(p10, p11, p12, p13, true);
    s.output3Point = s.nearLimit = s.farLimit = "";
    return s;
}

MarkerSources rdxPoints(const char* s1, const char* s2, const char* s3, const char* near, const char* far) {
    MarkerSources s;
    s.sensorKind = 1;
    s.output1Point1 = s1;
    s.output2Point1 = s2;
    s.output3Point = s3;
    s.nearLimit = near;
    s.farLimit = far;
    return s;
}

TEST(ScaleView, CloseSwitchPointTextsStandApartInPointOrder) {
    const struct {
        const char* name;
        MarkerSources sources;
    } cases[] = {
        {"four points 40 mm apart", points("1000", "1040", "1080", "1120")},
        {"at the origin", points("5", "6", "7", "8")},
        {"a hidden point between", points("1000", "0", "1010", "1020")},
        {"five on one spot", rdxPoints("2000", "2000", "2000", "2000", "2000")},
        {"out of order", rdxPoints("3000", "1000", "1001", "0", "2995")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto view = drawnScale(9000, 330, c.sources);
        const QFontMetrics metrics = view->fontMetrics();
        // The painted texts, by switch point from left to right.
        std::vector<std::pair<double, std::pair<double, double>>> texts;
        for (int k = 0; k < MarkerCount; ++k) {
            const MarkerBox& box = view->MarkerBoxes()[size_t(k)];
            if (!box.shown) continue;
            const QRect rect(WholePixels(box.left), 0, WholePixels(box.right - box.left), 1);
            const int width = metrics.horizontalAdvance(view->MarkerText(k));
            const double left = rect.x() + (rect.width() - width) / 2.0;   // centred in its box
            texts.push_back({box.position, {left, left + width}});
        }
        ASSERT_FALSE(texts.empty());
        std::stable_sort(texts.begin(), texts.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
        EXPECT_GE(texts.front().second.first, 0);
        for (size_t i = 1; i < texts.size(); ++i)
            EXPECT_GT(texts[i].second.first, texts[i - 1].second.second) << "texts " << i - 1 << " and " << i;
    }
}

}  // namespace
