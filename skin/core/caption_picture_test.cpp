// Caption pictures: the sampled average colour and the edges faded into a colour.
#include <gtest/gtest.h>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "runtime/random.h"
#include "skin/core/caption_picture.h"

namespace {

// A picture of two colours: the left half `left`, the right half `right` (ARGB).
std::string TwoColourPng(int width, int height, uint32_t left, uint32_t right)
{
    GdipBitmap bitmap;
    bitmap.CreateBitmapFromScan0Default(width, height);
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(bitmap);
        GdipSolidBrush a, b;
        a.CreateSolidFill(left);
        b.CreateSolidFill(right);
        graphics.FillRectangleI(a, 0, 0, width / 2, height);
        graphics.FillRectangleI(b, width / 2, 0, width - width / 2, height);
    }
    return bitmap.SaveImageToStream(kImageFormatPng);
}

uint32_t PixelOf(const std::string& png, int x, int y)
{
    GdipBitmap bitmap;
    bitmap.CreateBitmapFromStream(png);
    return bitmap.BitmapGetPixel(x, y) & 0xFFFFFF;
}

int Channel(uint32_t rgb, int shift)
{
    return static_cast<int>((rgb >> shift) & 0xFF);
}

}  // namespace

TEST(CaptionPictureTest, SamplingAUniformPictureGivesItsColour)
{
    const std::string green = TwoColourPng(40, 30, 0xFF20A040, 0xFF20A040);
    EXPECT_EQ(SampleImageColour(green, 2000), 0xFF40A020u);
    // Same day, same places, same result; a mixed picture lands between its colours.
    const std::string mixed = TwoColourPng(40, 30, 0xFF000000, 0xFFFFFFFF);
    const COLORREF first = SampleImageColour(mixed, 2000);
    EXPECT_EQ(SampleImageColour(mixed, 2000), first);
    EXPECT_GT(first & 0xFF, 0x40u);
    EXPECT_LT(first & 0xFF, 0xC0u);
    // Only the last 10 columns: all white.
    EXPECT_EQ(SampleImageColour(mixed, 500, 10), 0xFFFFFFFFu);
    EXPECT_EQ(SampleImageColour("not a picture", 2000), 0xFF000000u);
    EXPECT_EQ(SampleImageColour(green, 0), 0xFF000000u);
}

TEST(CaptionPictureTest, SamplingLeavesTheProgramsRandomNumbersAlone)
{
    const std::string picture = TwoColourPng(40, 30, 0xFF000000, 0xFFFFFFFF);
    SeedRandom(42);
    const int a = RandomInRange(0, 1000000);
    const int b = RandomInRange(0, 1000000);
    SeedRandom(42);
    const int c = RandomInRange(0, 1000000);
    SampleImageColour(picture, 2000);
    EXPECT_EQ(c, a);
    EXPECT_EQ(RandomInRange(0, 1000000), b);
}

TEST(CaptionPictureTest, EdgesFadeIntoTheColour)
{
    const uint32_t blue = 0xFF0000FF;
    const std::string picture = TwoColourPng(100, 60, blue, blue);
    const COLORREF red = RGB(255, 0, 0);

    SCOPED_TRACE("right-hand fade, 30 pixels by default");
    const std::string right = RenderSkinImageToPng(picture, std::nullopt, red, true);
    ASSERT_FALSE(right.empty());
    EXPECT_EQ(PixelOf(right, 70, 30), 0x0000FFu) << "the corner of the untouched part";
    EXPECT_EQ(PixelOf(right, 0, 0), 0x0000FFu);
    EXPECT_EQ(PixelOf(right, 69, 29), 0x0000FFu);
    EXPECT_GT(Channel(PixelOf(right, 99, 10), 16), 0xE0) << "turned red at the right edge";
    EXPECT_GT(Channel(PixelOf(right, 10, 59), 16), 0xE0) << "and at the bottom edge";
    const uint32_t middle = PixelOf(right, 85, 10);
    EXPECT_GT(Channel(middle, 16), 0x20);
    EXPECT_GT(Channel(middle, 0), 0x20);

    SCOPED_TRACE("left-hand fade of 10 pixels");
    const std::string left = RenderSkinImageToPng(picture, 10, red, false);
    EXPECT_GT(Channel(PixelOf(left, 0, 10), 16), 0xE0);
    EXPECT_EQ(PixelOf(left, 10, 10), 0x0000FFu);
    EXPECT_EQ(PixelOf(left, 99, 10), 0x0000FFu) << "the right edge keeps the picture";
    EXPECT_GT(Channel(PixelOf(left, 50, 59), 16), 0xE0);
}
