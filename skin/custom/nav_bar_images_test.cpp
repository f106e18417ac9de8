// The grey pictures of disabled items: one table of pixels through the three transforms; an icon
// converted with the GDI handles running out.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "skin/custom/nav_bar_images.h"
#include "skin/custom/nav_bar_test_support.h"

namespace {

constexpr int kBlock = 3;

struct PixelCase {
    const char* name;
    uint32_t argb;       // the picture's own pixel
    uint32_t derived;    // MakeDerivedItemImage and MakeDerivedItemImagePng
    uint32_t iconGrey;   // ConvertIconToPng, grey
    uint32_t iconColour; // ConvertIconToPng, colours kept
};

// Over white: grey (r + g + b) / 3. A 50 % black gives W = 128, so alpha 127 and shade(127); 50 %
// red gives W = (255, 127, 127), grey 169: alpha 86, shade(169) or W itself.
const PixelCase kCases[] = {
    {"opaque white", 0xFFFFFFFF, 0x00FFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},
    {"opaque black", 0xFF000000, 0xFF000000, 0xFF000000, 0xFF000000},
    {"transparent white", 0x00FFFFFF, 0x00FFFFFF, 0xFFFFFFFF, 0xFFFFFFFF},
    {"transparent black", 0x00000000, 0x00000000, 0x00000000, 0x00000000},
    {"half black", 0x7F000000, 0x7F7F7F7F, 0x7F7F7F7F, 0x7F7F7F7F},
    {"opaque colour", 0xFFD02050, 0xFF6A6A6A, 0xFF6A6A6A, 0xFFD02050},
    {"half red", 0x80FF0000, 0x56A9A9A9, 0x56A9A9A9, 0x56FF7F7F},
};
constexpr int kCount = sizeof(kCases) / sizeof(kCases[0]);

// Each case a 3 x 3 block side by side, so sampling the middle never meets a neighbour.
std::string TablePicture(GdipBitmap& bitmap)
{
    bitmap.CreateBitmapFromScan0Default(kCount * kBlock, kBlock);
    for (int i = 0; i < kCount; ++i)
        for (int x = 0; x < kBlock; ++x)
            for (int y = 0; y < kBlock; ++y)
                bitmap.BitmapSetPixel(i * kBlock + x, y, kCases[i].argb);
    return bitmap.SaveImageToStream(kImageFormatPng);
}

// An icon whose colour bits are the table's pixels as they stand, with an empty mask.
HICON TableIcon()
{
    const int width = kCount * kBlock, height = kBlock;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels[y * width + x] = kCases[x / kBlock].argb;
    HBITMAP mask = CreateBitmap(width, height, 1, 1, nullptr);
    ICONINFO iconInfo = {};
    iconInfo.fIcon = TRUE;
    iconInfo.hbmColor = colour;
    iconInfo.hbmMask = mask;
    HICON icon = CreateIconIndirect(&iconInfo);
    DeleteObject(colour);
    DeleteObject(mask);
    return icon;
}

bool Near(uint32_t a, uint32_t b)
{
    for (int shift = 0; shift < 32; shift += 8)
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 2)
            return false;
    return true;
}

// A fully transparent pixel's colour does not matter.
bool Matches(uint32_t got, uint32_t expected)
{
    if ((expected >> 24) == 0)
        return (got >> 24) == 0;
    return Near(got, expected);
}

void ExpectTable(GdipBitmap& result, uint32_t PixelCase::*column, const char* routine)
{
    ASSERT_EQ(result.GetImageWidth(), kCount * kBlock) << routine;
    for (int i = 0; i < kCount; ++i) {
        const uint32_t got = result.BitmapGetPixel(i * kBlock + 1, 1);
        EXPECT_TRUE(Matches(got, kCases[i].*column))
            << routine << ", " << kCases[i].name << ": " << std::hex << got << " for " << kCases[i].*column;
    }
}

}  // namespace

TEST(NavBarImagesTest, ThePixelTableThroughAllThreeRoutines)
{
    GdipBitmap source;
    const std::string png = TablePicture(source);
    ASSERT_FALSE(png.empty());

    GdipBitmap inPlace;
    ASSERT_TRUE(inPlace.CreateBitmapFromStream(png));
    EXPECT_TRUE(MakeDerivedItemImage(inPlace));
    ExpectTable(inPlace, &PixelCase::derived, "MakeDerivedItemImage");

    GdipBitmap fromBytes;
    ASSERT_TRUE(fromBytes.CreateBitmapFromStream(MakeDerivedItemImagePng(png)));
    ExpectTable(fromBytes, &PixelCase::derived, "MakeDerivedItemImagePng");
    EXPECT_EQ(source.BitmapGetPixel(1, 1), kCases[0].argb) << "the input stays as it was";

    HICON icon = TableIcon();
    ASSERT_NE(icon, nullptr);
    GdipBitmap grey, coloured;
    ASSERT_TRUE(grey.CreateBitmapFromStream(ConvertIconToPng(icon, true)));
    ExpectTable(grey, &PixelCase::iconGrey, "ConvertIconToPng, grey");
    ASSERT_TRUE(coloured.CreateBitmapFromStream(ConvertIconToPng(icon)));
    ExpectTable(coloured, &PixelCase::iconColour, "ConvertIconToPng");
    EXPECT_TRUE(DestroyIcon(icon)) << "the icon is left to the caller";
}

TEST(NavBarImagesTest, NothingReadableGivesNothing)
{
    EXPECT_TRUE(MakeDerivedItemImagePng("").empty());
    EXPECT_TRUE(MakeDerivedItemImagePng("not a picture").empty());
    EXPECT_TRUE(ConvertIconToPng(nullptr).empty());
    EXPECT_EQ(LoadIconFromFile("Z:\\no\\such.ico"), nullptr);
    GdipBitmap empty;
    EXPECT_TRUE(MakeDerivedItemImage(empty));
}

namespace {

// Takes every GDI handle the process has left (solid brushes), so that the next object made fails.
class ExhaustedHandles {
public:
    ExhaustedHandles()
    {
        for (HBRUSH brush; (brush = CreateSolidBrush(RGB(1, 2, 3))) != nullptr;)
            brushes_.push_back(brush);
    }
    ~ExhaustedHandles()
    {
        for (HBRUSH brush : brushes_)
            DeleteObject(brush);
    }
    ExhaustedHandles(const ExhaustedHandles&) = delete;
    ExhaustedHandles& operator=(const ExhaustedHandles&) = delete;
    size_t Count() const { return brushes_.size(); }
    // Gives `count` handles back.
    void Free(int count)
    {
        for (int i = 0; i < count && !brushes_.empty(); ++i) {
            DeleteObject(brushes_.back());
            brushes_.pop_back();
        }
    }
    // How many handles are free now (each is taken and given back).
    int CountFree() const
    {
        std::vector<HBRUSH> taken;
        for (HBRUSH brush; (brush = CreateSolidBrush(RGB(1, 2, 3))) != nullptr;)
            taken.push_back(brush);
        for (HBRUSH brush : taken)
            DeleteObject(brush);
        return static_cast<int>(taken.size());
    }

private:
    std::vector<HBRUSH> brushes_;
};

}  // namespace

// With only a few GDI handles left, wherever making an object fails (the picture, the memory context,
// the bitmap under it), the conversion gives nothing or a picture and keeps no handle.
TEST(NavBarImagesTest, AnIconConvertedWithFewHandlesLeftKeepsNone)
{
    HICON icon = TableIcon();
    ASSERT_NE(icon, nullptr);
    ASSERT_FALSE(ConvertIconToPng(icon, true).empty()) << "made once with handles to spare";
    int failed = 0;
    for (int spare = 0; spare <= 8; ++spare) {
        SCOPED_TRACE(spare);
        ExhaustedHandles table;
        ASSERT_GT(table.Count(), 1000u) << "the handle table filled up";
        table.Free(spare);
        ASSERT_EQ(table.CountFree(), spare);
        failed += ConvertIconToPng(icon, true).empty();
        EXPECT_EQ(table.CountFree(), spare) << "every handle made was given back";
    }
    EXPECT_GT(failed, 0) << "some conversions ran out of handles";
    EXPECT_TRUE(DestroyIcon(icon));
}
