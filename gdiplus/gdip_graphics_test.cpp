// Drawing through the graphics wrapper onto a memory context, read back pixel by pixel (colour bits
// only; Wine does no anti-aliasing).
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_image.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_region.h"
#include "gdiplus/gdip_string_format.h"
#include "gdiplus/gdip_test_support.h"

namespace {

constexpr int kInvalidParameter = 2;

TEST(GdipGraphicsDrawing, FilledRectangleAndLine)
{
    TestCanvas canvas(32, 32);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    GdipSolidBrush red;
    ASSERT_TRUE(red.CreateSolidFill(0xFFFF0000));
    EXPECT_TRUE(g.FillRectangle(red, 4, 4, 8, 6));
    GdipPen blue;
    ASSERT_TRUE(blue.CreatePen(0xFF0000FF, 1));
    EXPECT_TRUE(g.DrawLine(blue, 0, 20, 31, 20));
    ASSERT_TRUE(g.DeleteGraphics());

    EXPECT_EQ(canvas.Rgb(4, 4), 0xFF0000u);
    EXPECT_EQ(canvas.Rgb(11, 9), 0xFF0000u);
    EXPECT_EQ(canvas.Rgb(12, 9), 0xFFFFFFu);
    EXPECT_EQ(canvas.Rgb(11, 10), 0xFFFFFFu);
    EXPECT_EQ(canvas.Rgb(3, 4), 0xFFFFFFu);
    EXPECT_EQ(canvas.Rgb(16, 20), 0x0000FFu);
    EXPECT_EQ(canvas.Rgb(16, 18), 0xFFFFFFu);
}

TEST(GdipGraphicsDrawing, ClearWithoutColourGivesTransparentBlack)
{
    TestCanvas canvas(4, 4);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    EXPECT_TRUE(g.GraphicsClear());
    g.Flush();
    EXPECT_EQ(canvas.Rgb(1, 1), 0u);
}

TEST(GdipGraphicsDrawing, VerticalGradientRunsFromTopColourToBottomColour)
{
    TestCanvas canvas(8, 64);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    GdipLinearGradientBrush brush;
    ASSERT_TRUE(brush.CreateLineBrush(PointF{0, 0}, PointF{0, 64}, 0xFFFF0000, 0xFF0000FF));
    EXPECT_EQ(brush.GetLineWrapMode(), 0);
    EXPECT_EQ(brush.GetBrushType(), 4);
    EXPECT_TRUE(g.FillRectangle(brush, 0, 0, 8, 64));
    ASSERT_TRUE(g.DeleteGraphics());

    const uint32_t top = canvas.Rgb(4, 0), middle = canvas.Rgb(4, 32), bottom = canvas.Rgb(4, 63);
    EXPECT_GT(RedOf(top), 240);
    EXPECT_LT(BlueOf(top), 16);
    EXPECT_LT(RedOf(bottom), 16);
    EXPECT_GT(BlueOf(bottom), 240);
    EXPECT_NEAR(RedOf(middle), 127, 12);
    EXPECT_NEAR(BlueOf(middle), 127, 12);
}

TEST(GdipGraphicsDrawing, CentredStringSitsInTheMiddleOfItsBox)
{
    TestCanvas canvas(96, 64);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    GdipFont font;
    ASSERT_TRUE(font.CreateFontFromName("宋体", 24, 0, 2));
    GdipSolidBrush black;
    ASSERT_TRUE(black.CreateSolidFill(0xFF000000));
    GdipStringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(format.SetStringFormatAlign(1));
    ASSERT_TRUE(format.SetStringFormatLineAlign(1));
    const RectF box{16, 8, 64, 48};
    EXPECT_TRUE(g.DrawString("张", font, black, box, format));
    const RectF measured = g.MeasureString("张", font, box, format);
    ASSERT_TRUE(g.DeleteGraphics());

    RECT ink;
    ASSERT_TRUE(canvas.DarkBounds(ink)) << "the glyph left no dark pixels";
    EXPECT_NEAR((ink.left + ink.right) / 2.0, 48, 4);
    EXPECT_NEAR((ink.top + ink.bottom) / 2.0, 32, 4);
    // Wine measures the box at the near edges whatever the alignment: check its size and place.
    EXPECT_GE(measured.x, box.x);
    EXPECT_GE(measured.y, box.y);
    EXPECT_LE(measured.x + measured.width, box.x + box.width + 0.5f);
    EXPECT_GT(measured.width, 12);
    EXPECT_GT(measured.height, 12);
}

TEST(GdipGraphicsDrawing, WholeImageIsScaledIntoTheDestination)
{
    // A 16 x 16 picture, red on the left half and blue on the right, made here and handed to the
    // image wrapper, which releases it.
    Gdiplus::GpBitmap* native = nullptr;
    ASSERT_EQ(Gdiplus::DllExports::GdipCreateBitmapFromScan0(16, 16, 0, PixelFormat32bppARGB, nullptr, &native),
              Gdiplus::Ok);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            Gdiplus::DllExports::GdipBitmapSetPixel(native, x, y, x < 8 ? 0xFFFF0000 : 0xFF0000FF);
    GdipImage image;
    image.SetNativeHandle(native);
    ASSERT_EQ(image.GetImageWidth(), 16);

    TestCanvas canvas(48, 48);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    EXPECT_TRUE(g.DrawImageRectRect(image, 0, 0, 32, 32));
    ASSERT_TRUE(g.DeleteGraphics());

    EXPECT_EQ(canvas.Rgb(2, 2), 0xFF0000u);
    EXPECT_EQ(canvas.Rgb(13, 30), 0xFF0000u);
    EXPECT_EQ(canvas.Rgb(19, 2), 0x0000FFu);
    EXPECT_EQ(canvas.Rgb(30, 30), 0x0000FFu);
    EXPECT_EQ(canvas.Rgb(40, 16), 0xFFFFFFu) << "drawn beyond the destination";
    EXPECT_EQ(canvas.Rgb(16, 40), 0xFFFFFFu) << "drawn beyond the destination";

    // Into a parallelogram: upper-left (34, 0), upper-right (42, 0), lower-left (34, 32).
    GdipGraphics tall;
    ASSERT_TRUE(tall.CreateFromHDC(canvas.Dc()));
    EXPECT_TRUE(tall.DrawImagePoints(image, 34, 0, 42, 0, 34, 32));
    ASSERT_TRUE(tall.DeleteGraphics());
    EXPECT_EQ(canvas.Rgb(35, 28), 0xFF0000u);
    EXPECT_EQ(canvas.Rgb(41, 28), 0x0000FFu);
    EXPECT_EQ(canvas.Rgb(44, 16), 0xFFFFFFu);
    EXPECT_EQ(canvas.Rgb(38, 40), 0xFFFFFFu);

    GdipImage empty;
    GdipGraphics again;
    ASSERT_TRUE(again.CreateFromHDC(canvas.Dc()));
    EXPECT_FALSE(again.DrawImageRectRect(empty, 0, 0, 8, 8));
}

TEST(GdipGraphicsDrawing, ClipRectangleLimitsTheFill)
{
    TestCanvas canvas(16, 16);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    GdipSolidBrush green;
    ASSERT_TRUE(green.CreateSolidFill(0xFF00FF00));
    ASSERT_TRUE(g.SetClipRect(0, 0, 8, 16));
    ASSERT_TRUE(g.SetClipRect(0, 0, 16, 8, 1));  // intersect: the upper left quarter
    EXPECT_TRUE(g.FillRectangle(green, 0, 0, 16, 16));
    ASSERT_TRUE(g.ResetClip());
    EXPECT_TRUE(g.IsVisiblePoint(15, 15));
    ASSERT_TRUE(g.DeleteGraphics());
    EXPECT_EQ(canvas.Rgb(3, 3), 0x00FF00u);
    EXPECT_EQ(canvas.Rgb(12, 3), 0xFFFFFFu);
    EXPECT_EQ(canvas.Rgb(3, 12), 0xFFFFFFu);
}

TEST(GdipGraphicsText, DriverStringLooksGlyphsUpByDefault)
{
    TestCanvas canvas(64, 40);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    GdipFont font;
    ASSERT_TRUE(font.CreateFontFromName("宋体", 24, 0, 2));
    GdipSolidBrush black;
    ASSERT_TRUE(black.CreateSolidFill(0xFF000000));
    EXPECT_TRUE(g.DrawDriverString("张三", font, black, {{4, 30}, {32, 30}}));
    ASSERT_TRUE(g.DeleteGraphics());
    RECT ink;
    ASSERT_TRUE(canvas.DarkBounds(ink));
    EXPECT_LT(ink.left, 16);
    EXPECT_GT(ink.right, 40) << "the second glyph sits at its own position";
}

TEST(GdipGraphicsText, MeasureCharacterRangesGivesOneRegionPerRange)
{
    TestCanvas canvas(128, 32);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    GdipFont font;
    ASSERT_TRUE(font.CreateFontFromName("宋体", 16, 0, 2));
    GdipStringFormat format;
    ASSERT_TRUE(format.CreateStringFormat());
    ASSERT_TRUE(format.SetStringFormatMeasurableCharacterRanges({{0, 1}, {2, 2}}));
    std::vector<GdipRegion> regions(5);
    EXPECT_FALSE(g.MeasureCharacterRanges("ab张三", font, RectF{0, 0, 128, 32}, format, 0, regions));
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
    EXPECT_EQ(regions.size(), 5u) << "a refused count leaves the array alone";
    ASSERT_TRUE(g.MeasureCharacterRanges("ab张三", font, RectF{0, 0, 128, 32}, format, 2, regions));
    ASSERT_EQ(regions.size(), 2u);
    const RectF first = regions[0].GetRegionBounds(g);
    const RectF second = regions[1].GetRegionBounds(g);
    EXPECT_GT(first.width, 0);
    EXPECT_GT(second.x, first.x);
    EXPECT_GT(second.width, first.width) << "two Chinese characters are wider than one letter";
}

TEST(GdipGraphicsState, SettingsReadBackAndEmptyWrapperDefaults)
{
    TestCanvas canvas(8, 8);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    EXPECT_TRUE(g.SetSmoothingMode(4));
    EXPECT_EQ(g.GetSmoothingMode(), 4);
    EXPECT_TRUE(g.SetCompositingQuality(2));
    EXPECT_EQ(g.GetCompositingQuality(), 2);
    EXPECT_TRUE(g.SetInterpolationMode(7));
    EXPECT_EQ(g.GetInterpolationMode(), 7);
    EXPECT_TRUE(g.SetPageUnit(2));
    EXPECT_EQ(g.GetPageUnit(), 2);
    const unsigned int state = g.SaveGraphics();
    EXPECT_TRUE(g.SetSmoothingMode(3));
    EXPECT_TRUE(g.RestoreGraphics(state));
    EXPECT_EQ(g.GetSmoothingMode(), 4);
    EXPECT_GT(g.GetDpiX(), 0.0f);
    EXPECT_EQ(g.GetNearestColor(0xFF102030), 0xFF102030u);

    GdipGraphics empty;
    EXPECT_EQ(empty.GetNearestColor(0xFF445566), 0xFF445566u);
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
    EXPECT_EQ(empty.GetClipBounds().width, 0.0f);
}

}  // namespace
