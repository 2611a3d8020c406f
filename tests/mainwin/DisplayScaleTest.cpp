#include "mainwin/DisplayScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

using namespace DisplayScale;

namespace {

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

}  // namespace
