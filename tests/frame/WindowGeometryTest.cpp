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
        {"-1", Placement{true}},
        // A missing separator leaves its number 0.
        {"300x200", Placement{false, 300, 200, 0, 0}},
        {"300+7x9+3", Placement{false, 300, 9, 7, 3}},
        {"640.5x480.5+0+0", Placement{false, 640, 480, 0, 0}},
        {"32767x32767+-32768+-32768", Placement{false, 32767, 32767, -32768, -32768}},
        // A number beyond 16 bits breaks the whole value.
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

}  // namespace
