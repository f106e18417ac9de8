// Solid and linear-gradient brushes, and pens.
#include <gtest/gtest.h>

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_matrix.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_test_support.h"

namespace {

constexpr int kInvalidParameter = 2;

TEST(GdipBrushTest, PresetBlendReadsBack)
{
    GdipLinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrush(PointF{0, 0}, PointF{0, 30}, 0xFF000000, 0xFFFFFFFF));
    const std::vector<uint32_t> colours{0xFFFF0000, 0xFF00FF00, 0xFF0000FF};
    const std::vector<float> positions{0, 0.5f, 1};
    ASSERT_TRUE(brush.SetLinePresetBlend(colours, positions));
    std::vector<uint32_t> readColours{1};
    std::vector<float> readPositions;
    EXPECT_EQ(brush.GetLinePresetBlend(readColours, readPositions), 3);
    EXPECT_EQ(readColours, colours);
    EXPECT_EQ(readPositions, positions);

    // Fewer positions than colours would make GDI+ read past the list.
    EXPECT_FALSE(brush.SetLinePresetBlend(colours, {0, 1}));
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
}

TEST(GdipBrushTest, BlendsColoursAndWrapMode)
{
    GdipLinearGradientBrush brush;
    std::vector<float> factors{7}, positions{7};
    EXPECT_EQ(brush.GetLineBlend(factors, positions), 0);
    EXPECT_EQ(factors, std::vector<float>{7}) << "an empty brush leaves the arrays alone";

    ASSERT_TRUE(brush.CreateLineBrushFromRect(RectF{0, 0, 40, 20}, 0xFF112233, 0xFF445566, 1));
    EXPECT_TRUE(brush.SetLineLinearBlend(0.5f, 1.0f));
    EXPECT_EQ(brush.GetLineBlend(factors, positions), 3);
    EXPECT_FLOAT_EQ(factors[1], 1.0f);
    EXPECT_FLOAT_EQ(positions[1], 0.5f);
    EXPECT_TRUE(brush.SetLineBlend({0, 1}, {0, 1}));
    EXPECT_EQ(brush.GetLineBlendCount(), 2);
    uint32_t start = 0, end = 0;
    EXPECT_TRUE(brush.GetLineColors(start, end));
    EXPECT_EQ(start, 0xFF112233u);
    EXPECT_EQ(end, 0xFF445566u);
    EXPECT_EQ(brush.GetLineWrapMode(), 0);
    EXPECT_TRUE(brush.SetLineWrapMode(1));
    EXPECT_EQ(brush.GetLineWrapMode(), 1);
    const RectF rect = brush.GetLineRect();
    EXPECT_FLOAT_EQ(rect.width, 40);
}

TEST(GdipBrushTest, SolidCloneOutlivesTheOriginal)
{
    GdipSolidBrush original, copy;
    ASSERT_TRUE(original.CreateSolidFill(0x80FF8000));
    EXPECT_EQ(original.GetBrushType(), 0);
    ASSERT_TRUE(original.CloneBrush(copy));
    EXPECT_TRUE(original.DeleteBrush());
    EXPECT_EQ(copy.GetSolidFillColor(), 0x80FF8000u);
}

TEST(GdipPenTest, WidthUnitCapsAndFill)
{
    GdipPen pen;
    ASSERT_TRUE(pen.CreatePen(0xFF000000, 1.0f));
    EXPECT_FLOAT_EQ(pen.GetPenWidth(), 1.0f);
    EXPECT_EQ(pen.GetPenUnit(), 0);
    // (GdipSetPenUnit is an aborting stub in Wine 8, so the unit is checked through the create.)
    GdipPen pixelPen;
    ASSERT_TRUE(pixelPen.CreatePen(0xFF000000, 1.0f, 2));
    EXPECT_EQ(pixelPen.GetPenUnit(), 2);
    EXPECT_TRUE(pen.SetPenWidth(3));
    EXPECT_FLOAT_EQ(pen.GetPenWidth(), 3);
    EXPECT_EQ(pen.GetPenColor(), 0xFF000000u);

    EXPECT_TRUE(pen.SetPenLineCap(2, 2, 2));
    const int start = pen.GetPenStartCap(), end = pen.GetPenEndCap(), dash = pen.GetPenDashCap();
    EXPECT_TRUE(pen.SetPenLineCap2(2, 2, 2));
    EXPECT_EQ(pen.GetPenStartCap(), start);
    EXPECT_EQ(pen.GetPenEndCap(), end);
    EXPECT_EQ(pen.GetPenDashCap2(), dash);
    EXPECT_EQ(start, 2);

    std::vector<float> dashes{5, 5};
    EXPECT_EQ(pen.GetPenDashArray(dashes), 0);
    EXPECT_EQ(dashes.size(), 2u) << "a solid pen leaves the array alone";
    EXPECT_FALSE(pen.SetPenDashArray({}));
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
    EXPECT_TRUE(pen.SetPenDashArray({2, 1}));
    EXPECT_EQ(pen.GetPenDashArray(dashes), 2);
    EXPECT_EQ(dashes, (std::vector<float>{2, 1}));

    GdipLinearGradientBrush gradient;
    ASSERT_TRUE(gradient.CreateLineBrush(PointF{0, 0}, PointF{10, 0}, 0xFF000000, 0xFFFFFFFF));
    GdipPen brushed;
    ASSERT_TRUE(brushed.CreatePenFromBrush(gradient, 2));
    EXPECT_EQ(brushed.GetPenFillType(), 4);
    GdipLinearGradientBrush fill;
    ASSERT_TRUE(brushed.GetPenBrushFill(fill));
    EXPECT_EQ(fill.GetBrushType(), 4);
    GdipPen copy;
    ASSERT_TRUE(brushed.ClonePen(copy));
    EXPECT_FLOAT_EQ(copy.GetPenWidth(), 2);
}

}  // namespace
