// The shared drawing routines: the top-rounded figure and the red/blue swap.
#include <gtest/gtest.h>

#include "gdiplus/gdip_path.h"
#include "skin/controls/paint_helpers.h"

namespace {

constexpr BYTE kPathTypeMask = 0x07;
constexpr BYTE kPathLine = 1;
constexpr BYTE kPathBezier = 3;
constexpr BYTE kPathCloseSubpath = 0x80;

bool Near(const PointF& p, float x, float y)
{
    return std::abs(p.x - x) < 0.01f && std::abs(p.y - y) < 0.01f;
}

}  // namespace

TEST(PaintHelpersTest, TopRoundedFigureIsOpenAtTheBottom)
{
    struct Case {
        int x, y, w, h, d;
    } cases[] = {
        {5, 3, 40, 20, 6},
        {0, 0, 26, 3, 10},  // lower than the corner: the same five parts
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h << " corner " << c.d);
        GdipPath path;
        ASSERT_TRUE(path.CreatePath());
        AddTopRoundedRectPath(path, c.x, c.y, c.w, c.h, c.d);
        PathData data;
        ASSERT_TRUE(path.GetPathData(data));
        ASSERT_GE(data.count, 10);
        // Starts at the bottom left, ends at the bottom right, never closed.
        EXPECT_TRUE(Near(data.points.front(), static_cast<float>(c.x), static_cast<float>(c.y + c.h)));
        EXPECT_TRUE(Near(data.points.back(), static_cast<float>(c.x + c.w), static_cast<float>(c.y + c.h)));
        for (char type : data.types)
            EXPECT_FALSE(static_cast<BYTE>(type) & kPathCloseSubpath);
        // Lines, then the two corner arcs as curves, then the right side as a line.
        EXPECT_EQ(static_cast<BYTE>(data.types.back()) & kPathTypeMask, kPathLine);
        int curves = 0;
        for (char type : data.types)
            curves += (static_cast<BYTE>(type) & kPathTypeMask) == kPathBezier;
        EXPECT_EQ(curves, 6) << "two quarter arcs of one curve each";
        // The top side runs along y.
        bool topSide = false;
        for (const PointF& p : data.points)
            topSide |= Near(p, static_cast<float>(c.x + c.d), static_cast<float>(c.y));
        EXPECT_TRUE(topSide);
    }
}

TEST(PaintHelpersTest, SwapRedBlueTurnsArgbIntoAColourReference)
{
    struct Case {
        uint32_t colour;
        COLORREF swapped;
        BYTE alpha;
    } cases[] = {
        {0xFF112233, 0x00332211, 0xFF},
        {0x80AABBCC, 0x00CCBBAA, 0x80},
        {0x00FFFFFF, 0x00FFFFFF, 0x00},
        {0x12000000, 0x00000000, 0x12},
    };
    for (const Case& c : cases) {
        BYTE alpha = 0x5A;
        EXPECT_EQ(SwapRedBlue(c.colour, alpha), c.swapped) << std::hex << c.colour;
        EXPECT_EQ(alpha, c.alpha);
        BYTE back = 0;
        EXPECT_EQ(SwapRedBlue(c.swapped, back), c.colour & 0xFFFFFF) << "swapping twice gives the colour";
        EXPECT_EQ(back, 0);
    }
}
