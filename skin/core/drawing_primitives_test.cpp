// Colours, rounded paths and glowing text.
#include <gtest/gtest.h>

#include <cmath>

#include "gdiplus/gdip_path.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/skin_test_support.h"

TEST(SkinPrimitivesTest, ColourReferenceToArgb)
{
    struct Case {
        COLORREF colour;
        int alpha;  // -1: not given
        uint32_t argb;
    } cases[] = {
        {0x00FFFFFF, -1, 0xFFFFFFFF},
        {0x00FFFFFF, 0, 0x00FFFFFF},
        {0x00FF8040, 60, 0x3C4080FF},  // red 0x40, green 0x80, blue 0xFF
        {0xAB0000FF, -1, 0xFFFF0000},  // the top byte of a COLORREF is not used
        {0x000000FF, -1, 0xFFFF0000},
        {0x00000000, 128, 0x80000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.colour << " alpha " << std::dec << c.alpha);
        uint32_t argb = c.alpha < 0 ? MakeArgbColor(c.colour) : MakeArgbColor(c.colour, static_cast<BYTE>(c.alpha));
        EXPECT_EQ(argb, c.argb);
    }
}

namespace {

struct ArcBox {
    float x, y, size;
    float startDegrees;
};

PointF PointOnArc(const ArcBox& arc, float degrees)
{
    const double radians = degrees * 3.14159265358979 / 180.0;
    const double r = arc.size / 2.0;
    return PointF{static_cast<float>(arc.x + r + r * std::cos(radians)),
                  static_cast<float>(arc.y + r + r * std::sin(radians))};
}

}  // namespace

TEST(SkinPrimitivesTest, RoundRectangleArcBoxes)
{
    struct Case {
        const char* what;
        float x, y, width, height;
        int corner;
        ArcBox arcs[4];  // top right, bottom right, bottom left, top left
    } cases[] = {
        {"corner 5", 0, 5, 80, 50, 5, {{75, 5, 5, 270}, {74, 49, 6, 0}, {0, 50, 5, 90}, {0, 5, 5, 180}}},
        {"corner 0 uses 1", 10, 10, 40, 30, 0, {{49, 10, 1, 270}, {48, 38, 2, 0}, {10, 39, 1, 90}, {10, 10, 1, 180}}},
        {"negative uses 1", 10, 10, 40, 30, -3, {{49, 10, 1, 270}, {48, 38, 2, 0}, {10, 39, 1, 90}, {10, 10, 1, 180}}},
        {"corner 150 uses 100",
         0,
         0,
         300,
         200,
         150,
         {{200, 0, 100, 270}, {199, 99, 101, 0}, {0, 100, 100, 90}, {0, 0, 100, 180}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        GdipPath path;
        ASSERT_TRUE(path.CreatePath());
        EXPECT_TRUE(AddRoundRectPath(path, c.x, c.y, c.width, c.height, c.corner));
        std::vector<PointF> points;
        ASSERT_TRUE(path.GetPathPoints(points));
        std::string types;
        ASSERT_TRUE(path.GetPathTypes(types));
        // Four 90-degree arcs of one Bezier each, joined: 4 points per arc, the figure closed at the end.
        ASSERT_EQ(points.size(), 16u);
        EXPECT_EQ(static_cast<unsigned char>(types.back()) & 0x80, 0x80) << "closed";
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(i);
            PointF start = PointOnArc(c.arcs[i], c.arcs[i].startDegrees);
            PointF end = PointOnArc(c.arcs[i], c.arcs[i].startDegrees + 90);
            EXPECT_NEAR(points[4 * i].x, start.x, 0.01);
            EXPECT_NEAR(points[4 * i].y, start.y, 0.01);
            EXPECT_NEAR(points[4 * i + 3].x, end.x, 0.01);
            EXPECT_NEAR(points[4 * i + 3].y, end.y, 0.01);
        }
    }
    GdipPath empty;
    EXPECT_FALSE(AddRoundRectPath(empty, 0, 0, 10, 10, 5));
}
