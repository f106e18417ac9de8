// Paths: the rounded rectangle every skin shape is made of, and reading points back.
#include <gtest/gtest.h>

#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_test_support.h"

namespace {

// The points of a rounded rectangle built from its four corner arcs by hand.
std::vector<PointF> ArcsByHand(float x, float y, float w, float h, float arcW, float arcH)
{
    GdipPath path;
    EXPECT_TRUE(path.CreatePath());
    EXPECT_TRUE(path.AddPathArc(x + w - arcW, y, arcW, arcH, 270, 90));
    EXPECT_TRUE(path.AddPathArc(x + w - arcW, y + h - arcH, arcW, arcH, 0, 90));
    EXPECT_TRUE(path.AddPathArc(x, y + h - arcH, arcW, arcH, 90, 90));
    EXPECT_TRUE(path.AddPathArc(x, y, arcW, arcH, 180, 90));
    EXPECT_TRUE(path.ClosePathFigure());
    std::vector<PointF> points;
    EXPECT_TRUE(path.GetPathPoints(points));
    return points;
}

std::vector<PointF> RoundRectangle(float x, float y, float w, float h, int roundness)
{
    GdipPath path;
    EXPECT_TRUE(path.CreatePath());
    EXPECT_TRUE(path.AddPathRoundRectangle(x, y, w, h, roundness));
    std::vector<PointF> points;
    EXPECT_TRUE(path.GetPathPoints(points));
    return points;
}

void ExpectSamePoints(const std::vector<PointF>& actual, const std::vector<PointF>& expected)
{
    ASSERT_EQ(actual.size(), expected.size());
    for (size_t i = 0; i < actual.size(); ++i) {
        EXPECT_FLOAT_EQ(actual[i].x, expected[i].x) << "point " << i;
        EXPECT_FLOAT_EQ(actual[i].y, expected[i].y) << "point " << i;
    }
}

TEST(GdipPathTest, RoundRectangleCornerBoxesFollowTheRoundness)
{
    struct Case {
        float w, h;
        int roundness;
        float arcW, arcH;
    };
    const Case cases[] = {
        {100, 40, 20, 20, 8},     // corner boxes at (80, 0), (80, 32), (0, 32), (0, 0)
        {200, 50, 10, 20, 5},
        {100, 40, 0, 1, 0},       // below 1 counts as 1; 40 x 1 % truncates to 0
        {100, 40, 150, 100, 40},  // above 100 counts as 100: the inscribed ellipse
        {33, 33, 50, 16, 16},     // truncated to whole numbers
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.roundness);
        ExpectSamePoints(RoundRectangle(0, 0, c.w, c.h, c.roundness), ArcsByHand(0, 0, c.w, c.h, c.arcW, c.arcH));
    }
    GdipPath ellipse;
    ASSERT_TRUE(ellipse.CreatePath());
    ASSERT_TRUE(ellipse.AddPathRoundRectangle(5, 5, 40, 20, 100));
    const RectF bounds = ellipse.GetPathWorldBounds();
    EXPECT_NEAR(bounds.x, 5, 0.01);
    EXPECT_NEAR(bounds.width, 40, 0.01);
    EXPECT_NEAR(bounds.height, 20, 0.01);
}

TEST(GdipPathTest, PointsAndDataReadBack)
{
    GdipPath path;
    ASSERT_TRUE(path.CreatePath());
    EXPECT_EQ(path.GetPathFillMode(), 0);
    PathData data;
    data.points.resize(3);
    EXPECT_FALSE(path.GetPathData(data)) << "an empty path has no data";
    EXPECT_TRUE(data.points.empty());
    EXPECT_TRUE(data.types.empty());
    std::vector<PointF> untouched{{1, 1}};
    EXPECT_FALSE(path.GetPathPoints(untouched));
    EXPECT_EQ(untouched.size(), 1u);

    ASSERT_TRUE(path.AddPathLine2({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {5, 5}}));
    std::vector<PointF> points;
    ASSERT_TRUE(path.GetPathPoints(points));
    ASSERT_EQ(points.size(), 5u);
    EXPECT_FLOAT_EQ(points[2].x, 10);
    EXPECT_FLOAT_EQ(points[2].y, 10);
    std::vector<Point> two;
    EXPECT_TRUE(path.GetPathPointsI(two, 5));
    EXPECT_EQ(two[4].x, 5);
    ASSERT_TRUE(path.GetPathData(data));
    EXPECT_EQ(data.count, 5);
    EXPECT_EQ(data.types[0], 0) << "start point";
    EXPECT_EQ(data.types[1], 1) << "line point";
    EXPECT_FLOAT_EQ(path.GetPathLastPoint().x, 5);

    GdipPath copy;
    ASSERT_TRUE(path.ClonePath(copy));
    ASSERT_TRUE(path.ResetPath());
    EXPECT_EQ(path.GetPointCount(), 0);
    EXPECT_EQ(copy.GetPointCount(), 5);

    GdipPath rebuilt;
    ASSERT_TRUE(rebuilt.CreatePath2(data.points, data.types, 1));
    EXPECT_EQ(rebuilt.GetPointCount(), 5);
    EXPECT_EQ(rebuilt.GetPathFillMode(), 1);
}

TEST(GdipPathTest, HitTestsAndFlattening)
{
    GdipPath path;
    ASSERT_TRUE(path.CreatePath());
    ASSERT_TRUE(path.AddPathEllipse(0, 0, 20, 20));
    EXPECT_TRUE(path.IsVisiblePathPoint(10, 10));
    EXPECT_FALSE(path.IsVisiblePathPoint(1, 1));
    GdipPen pen;
    ASSERT_TRUE(pen.CreatePen(0xFF000000, 3));
    EXPECT_TRUE(path.IsOutlineVisiblePathPoint(10, 0, pen));
    EXPECT_FALSE(path.IsOutlineVisiblePathPoint(10, 10, pen));
    const int curved = path.GetPointCount();
    ASSERT_TRUE(path.FlattenPath());
    EXPECT_GT(path.GetPointCount(), curved) << "curves become many line points";
    const RectF widened = path.GetPathWorldBounds(GdipMatrix(), pen);
    EXPECT_GT(widened.width, 20);
}

TEST(GdipPathTest, TextOutlines)
{
    GdipFontFamily family;
    ASSERT_TRUE(family.CreateFontFamilyFromName("黑体"));
    GdipPath path;
    ASSERT_TRUE(path.CreatePath());
    EXPECT_TRUE(path.AddPathString("张", family, 24, RectF{0, 0, 100, 40}));
    EXPECT_GT(path.GetPointCount(), 10);
    const RectF bounds = path.GetPathWorldBounds();
    EXPECT_GT(bounds.width, 8);
    EXPECT_LT(bounds.x + bounds.width, 40);
    EXPECT_TRUE(family.DeleteFontFamily());
}

}  // namespace
