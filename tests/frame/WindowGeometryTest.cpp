#include "frame/WindowGeometry.h"

#include <gtest/gtest.h>

using WindowGeometry::Placement;

namespace {

TEST(WindowGeometry, ParsesStoredValues) {
    struct Case {
        const char* value;
        std::optional<Placement> expected;
    } cases[] = {
        {"640x480+-8+20", Placement{false, 640, 480, -8, 20}},
        {"1024x768+0+0", Placement{false, 1024, 768, 0, 0}},
        {"300x200+-20+10", Placement{false, 300, 200, -20, 10}},
        {"-1", Placement{true}},
        {"-5x100+1+1", Placement{true}},
        // A missing separator leaves its number 0.
        {"300", Placement{false, 300, 0, 0, 0}},
        {"300x200", Placement{false, 300, 200, 0, 0}},
        {"300x200+15", Placement{false, 300, 200, 15, 0}},
        {"300+7x9+3", Placement{false, 300, 9, 7, 3}},
        {"", Placement{false, 0, 0, 0, 0}},
        {"  640 x 480 + 5 + 6", Placement{false, 640, 480, 5, 6}},
        {"640.5x480.5+0+0", Placement{false, 640, 480, 0, 0}},
        {"32767x32767+-32768+-32768", Placement{false, 32767, 32767, -32768, -32768}},
        // A number beyond 16 bits breaks the whole value.
        {"70000x480+0+0", std::nullopt},
        {"640x480+0+40000", std::nullopt},
        {"1e9x1+1+1", std::nullopt},
    };
    for (const Case& c : cases) {
        const auto parsed = WindowGeometry::Parse(QString::fromLatin1(c.value));
        ASSERT_EQ(parsed.has_value(), c.expected.has_value()) << c.value;
        if (!parsed) continue;
        EXPECT_EQ(parsed->maximised, c.expected->maximised) << c.value;
        if (parsed->maximised) continue;
        EXPECT_EQ(parsed->width, c.expected->width) << c.value;
        EXPECT_EQ(parsed->height, c.expected->height) << c.value;
        EXPECT_EQ(parsed->left, c.expected->left) << c.value;
        EXPECT_EQ(parsed->top, c.expected->top) << c.value;
    }
}

TEST(WindowGeometry, ScreenClassSections) {
    struct Case {
        int screenWidth;
        double labelHeight;
        const char* section;
    } cases[] = {
        {640, 12, "640*480"},          {640, 40, "640*480"},
        {799, 25, "640*480"},          {800, 20.0, "800*600*SmallFonts"},
        {800, 20.01, "800*600*LargeFonts"}, {800, 21, "800*600*LargeFonts"},
        {1023, 13, "800*600*SmallFonts"},  {1024, 20, "1024*768*SmallFonts"},
        {1024, 21, "1024*768*LargeFonts"}, {3840, 16, "1024*768*SmallFonts"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WindowGeometry::ScreenClassSection(c.screenWidth, c.labelHeight), c.section)
            << c.screenWidth << " " << c.labelHeight;
}

}  // namespace
