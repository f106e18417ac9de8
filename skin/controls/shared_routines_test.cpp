// The small routines the edit, combo, list and header families share with other painters: message
// words, the arrow pictures, text widths and colour-keyed copies.
#include <windows.h>

#include <gtest/gtest.h>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/arrow_pictures.h"
#include "skin/controls/back_buffer_copies.h"
#include "skin/controls/message_words.h"
#include "skin/controls/text_measure.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_test_support.h"

TEST(SharedRoutinesTest, MessageWords)
{
    struct Case {
        LONG_PTR value;
        int low, high;
    } cases[] = {
        {static_cast<LONG_PTR>(0xFFFF0005u), 5, -1},
        {static_cast<LONG_PTR>(0x80000000u), 0, -32768},
        {static_cast<LONG_PTR>(0x7FFFFFFFu), 65535, 32767},
        {MAKELPARAM(12, 34), 12, 34},
        {MAKELPARAM(-3, -4), 65533, -4},
        // Only the low 32 bits of a 64-bit parameter count.
        {static_cast<LONG_PTR>(0x123400020003ull), 3, 2},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(LowWord(c.value), c.low) << std::hex << c.value;
        EXPECT_EQ(HighWord(c.value), c.high) << std::hex << c.value;
    }
}

TEST(SharedRoutinesTest, ArrowPicturesAreSolidTrianglesAndDecodeAsTheirPixelTables)
{
    struct Case {
        std::string png;
        ArrowPicture picture;
        int width, height;
        const char* rows;  // '#' opaque near-black, '.' transparent white
    } cases[] = {
        {PngArrowUp7x4(), ArrowPicture::kUp, 7, 4, "...#..." "..###.." ".#####." "#######"},
        {PngArrowDown7x4(), ArrowPicture::kDown, 7, 4, "#######" ".#####." "..###.." "...#..."},
        {PngArrowLeft4x7(), ArrowPicture::kLeft, 4, 7, "...#" "..##" ".###" "####" ".###" "..##" "...#"},
        {PngArrowRight4x7(), ArrowPicture::kRight, 4, 7, "#..." "##.." "###." "####" "###." "##.." "#..."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rows);
        GdipBitmap decoded;
        ASSERT_TRUE(decoded.CreateBitmapFromStream(c.png));
        GdipBitmap table;
        ASSERT_TRUE(LoadArrowBitmap(c.picture, table));
        ASSERT_EQ(decoded.GetImageWidth(), c.width);
        ASSERT_EQ(decoded.GetImageHeight(), c.height);
        EXPECT_EQ(table.GetImageWidth(), c.width);
        EXPECT_EQ(table.GetImageHeight(), c.height);
        EXPECT_NEAR(decoded.GetImageHorizontalResolution(), 96.0f, 0.5f);
        for (int y = 0; y < c.height; ++y) {
            for (int x = 0; x < c.width; ++x) {
                const uint32_t pixel = decoded.BitmapGetPixel(x, y);
                if (c.rows[y * c.width + x] == '#') {
                    EXPECT_EQ(pixel >> 24, 0xFFu) << x << "," << y;
                    EXPECT_LE(RedOf(pixel), 3);
                    EXPECT_LE(GreenOf(pixel), 3);
                    EXPECT_LE(BlueOf(pixel), 3);
                } else {
                    EXPECT_EQ(pixel, 0x00FFFFFFu) << x << "," << y;
                }
                EXPECT_EQ(table.BitmapGetPixel(x, y), pixel) << x << "," << y;
            }
        }
    }
}

TEST(SharedRoutinesTest, TextWidths)
{
    EXPECT_EQ(MeasureTextWidth("", "宋体", 12, 0), 1);
    EXPECT_EQ(MeasureTextWidth("名字", "", 12, 0), 1) << "no font, nothing measured";
    EXPECT_EQ(MeasureTextWidth("名字", "宋体", 0, 0), 1);
    const int one = MeasureTextWidth("名", "宋体", 12, 0);
    const int two = MeasureTextWidth("名字", "宋体", 12, 0);
    EXPECT_GT(one, 10);
    EXPECT_GT(two, one + 8);
    EXPECT_GT(MeasureTextWidth("名字", "宋体", 24, 0), two + 16) << "twice the size";
    EXPECT_GE(MeasureTextWidth("名字", "宋体", 12, 1), two) << "bold is no narrower";
}

// A 32-bpp memory context of one colour (0xRRGGBB), with alpha 0xFF as GDI+ leaves its pixels.
HDC SolidDib(int width, int height, uint32_t rgb)
{
    HDC dc = CreateMemoryDC(width, height);
    DIBSECTION section = {};
    GetObjectA(GetCurrentObject(dc, OBJ_BITMAP), sizeof(section), &section);
    auto* pixels = static_cast<uint32_t*>(section.dsBm.bmBits);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = 0xFF000000u | rgb;
    return dc;
}

TEST(SharedRoutinesTest, KeyedCopiesLeaveOutTheKeyWhateverItsAlphaAndKeepTheClip)
{
    HDC source = SolidDib(6, 4, 0x123456);
    // A key pixel written by GDI+ carries alpha 0xFF: the colour bits alone decide.
    SetPixel(source, 1, 1, RGB(0xFF, 0x00, 0xFF));
    DIBSECTION section = {};
    GetObjectA(GetCurrentObject(source, OBJ_BITMAP), sizeof(section), &section);
    auto* pixels = static_cast<uint32_t*>(section.dsBm.bmBits);
    pixels[(4 - 1 - 2) * 6 + 3] = 0xFFFF00FFu;  // (3, 2), bottom-up rows
    HDC target = SolidDib(10, 8, 0x000000);
    ExcludeClipRect(target, 6, 0, 10, 8);
    EXPECT_TRUE(KeyedCopy(target, 2, 3, 6, 4, source, 0, 0, RGB(0xFF, 0x00, 0xFF)));
    EXPECT_EQ(PixelRgb(target, 2, 3), 0x123456u);
    EXPECT_EQ(PixelRgb(target, 3, 4), 0x000000u) << "key (1, 1) left out";
    EXPECT_EQ(PixelRgb(target, 5, 5), 0x000000u) << "key with alpha 0xFF left out";
    EXPECT_EQ(PixelRgb(target, 5, 6), 0x123456u);
    EXPECT_EQ(PixelRgb(target, 6, 4), 0x000000u) << "the clip stays";
    EXPECT_EQ(PixelRgb(target, 1, 3), 0x000000u);
    EXPECT_EQ(PixelRgb(target, 2, 7), 0x000000u);

    // Onto a window the copy goes through TransparentBlt, which compares colours there.
    ScopedWindow window(CreateTestForm(10, 10, 40, 40));
    HDC dc = GetDC(window);
    RECT all = {0, 0, 40, 40};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_TRUE(KeyedCopy(dc, 0, 0, 6, 4, source, 0, 0, RGB(0xFF, 0x00, 0xFF)));
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(dc, 3, 2), RGB(0, 0, 0));
    ReleaseDC(window, dc);
    ReleaseMemoryDC(source);
    ReleaseMemoryDC(target);
}
