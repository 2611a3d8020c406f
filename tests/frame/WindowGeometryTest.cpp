#include "frame/WindowGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowGeometry, ParsesStoredValues) {
    // Width, height, left, top; nothing when the value is broken.
    using Rect = std::optional<std::array<int, 4>>;
    const std::pair<const char*, Rect> cases[] = {
        {"640x480+-8+20", std::array{640, 480, -8, 20}},
        {"300x200", std::array{300, 200, 0, 0}},   // a missing separator leaves its number 0
        {"300+7x9+3", std::array{300, 9, 7, 3}},
        {"640.5x480.5+0+0", std::array{640, 480, 0, 0}},
        {"32767x32767+-32768+-32768", std::array{32767, 32767, -32768, -32768}},
        {"640x480+0+40000", std::nullopt},   // a number beyond 16 bits breaks the whole value
        {"1e9x1+1+1", std::nullopt},
    };
    for (const auto& [value, expected] : cases) {
        const auto parsed = WindowGeometry::Parse(QString::fromLatin1(value));
        Rect rect;
        if (parsed && !parsed->maximised) rect = std::array{parsed->width, parsed->height, parsed->left, parsed->top};
        EXPECT_EQ(rect, expected) << value;
    }
    const auto maximised = WindowGeometry::Parse("-1");
    ASSERT_TRUE(maximised);
    EXPECT_TRUE(maximised->maximised);
}

}  // namespace
