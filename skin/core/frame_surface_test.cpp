// Fills blended straight into a DIB's pixels give exactly the pixels GDI+ gives for the same fill.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_texture.h"
#include "skin/core/caption_button_pictures.h"
#include "skin/core/caption_glyphs.h"
#include "skin/core/frame_painting_border.h"
#include "skin/core/frame_painting_picture.h"
#include "skin/core/frame_surface.h"
#include "skin/core/memory_dc.h"

namespace {

// A memory context holding a 32-bpp DIB of varied colours: opaque pixels of every channel value, and
// a few rows of translucent ones.
class Scratch {
public:
    Scratch(int width, int height) : dc_(CreateCompatibleDC(nullptr)), dib_(CreateDib32(width, height))
    {
        previous_ = SelectObject(dc_, dib_);
        DibPixelsOf(dib_, pixels_);
        std::mt19937 random(7);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                pixels_.Row(y)[x] = (y % 17 == 5 ? (random() % 256) << 24 : 0xFF000000u) | (random() & 0xFFFFFF);
    }
    ~Scratch()
    {
        SelectObject(dc_, previous_);
        DeleteObject(dib_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }
    const DibPixels& pixels() const { return pixels_; }
    std::vector<uint32_t> All() const
    {
        GdiFlush();
        std::vector<uint32_t> all;
        for (int y = 0; y < pixels_.height; ++y)
            all.insert(all.end(), pixels_.Row(y), pixels_.Row(y) + pixels_.width);
        return all;
    }

private:
    HDC dc_;
    HBITMAP dib_;
    HGDIOBJ previous_ = nullptr;
    DibPixels pixels_;
};

// The pixels after GDI+ draws into the scratch picture.
std::vector<uint32_t> DrawnByGdiplus(int width, int height, const std::function<void(GdipGraphics&)>& draw)
{
    Scratch scratch(width, height);
    {
        GdipBitmap surface;
        GdipGraphics graphics;
        AttachGraphicsToDc(graphics, surface, scratch.dc());
        draw(graphics);
    }
    return scratch.All();
}

std::vector<uint32_t> DrawnDirectly(int width, int height, const std::function<void(const DibPixels&)>& draw)
{
    Scratch scratch(width, height);
    draw(scratch.pixels());
    return scratch.All();
}

// A picture with every alpha value across its width (opaque on the last rows) and varied colours.
std::string EveryAlphaPicture(const char* format)
{
    constexpr int kWidth = 256, kHeight = 12;
    GdipBitmap bitmap;
    bitmap.CreateBitmapFromScan0Default(kWidth, kHeight);
    std::mt19937 random(11);
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            bitmap.BitmapSetPixel(x, y, (y >= kHeight - 2 ? 0xFF000000u : static_cast<uint32_t>(x) << 24) |
                                            (random() & 0xFFFFFF));
    return bitmap.SaveImageToStream(format);
}

size_t FirstDifference(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b)
{
    for (size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i] != b[i])
            return i;
    return a.size() == b.size() ? SIZE_MAX : std::min(a.size(), b.size());
}

}  // namespace

TEST(FrameSurfaceTest, SolidFillsMatchGdiplus)
{
    constexpr int kWidth = 256, kHeight = 40;
    for (uint32_t colour : {0x96ECECECu, 0x2CFF0000u, 0xB4000000u, 0xB4FFFFFFu, 0x01123456u, 0xFE808080u,
                            0xFF3C8CC8u, 0x00FFFFFFu, 0x7F00FF7Fu}) {
        SCOPED_TRACE(testing::Message() << std::hex << colour);
        const auto expected = DrawnByGdiplus(kWidth, kHeight, [&](GdipGraphics& g) {
            GdipSolidBrush brush;
            brush.CreateSolidFill(colour);
            g.FillRectangle(brush, 3, 2, kWidth - 10, kHeight - 5);
        });
        const auto actual = DrawnDirectly(kWidth, kHeight, [&](const DibPixels& p) {
            FillOver(p, 3, 2, kWidth - 10, kHeight - 5, colour);
        });
        const size_t at = FirstDifference(expected, actual);
        EXPECT_EQ(at, SIZE_MAX) << "pixel " << at % kWidth << "," << at / kWidth << std::hex << " gdi+ "
                                << (at < expected.size() ? expected[at] : 0) << " direct "
                                << (at < actual.size() ? actual[at] : 0);
    }
}

TEST(FrameSurfaceTest, VerticalGradientRowsMatchGdiplus)
{
    struct Case {
        int width, y, height;
        uint32_t top, bottom;
    } cases[] = {
        {800, 0, 90, 0x2FECECECu, 0x96ECECECu}, {800, 0, 90, 0x96FFFFFFu, 0x00FFFFFFu},
        {1280, 0, 25, 0x3CFF0000u, 0xFFFF0000u}, {200, 0, 30, 0x96FFFFFFu, 0x00FFFFFFu},
        {1000, 0, 137, 0x0A123456u, 0xF0654321u}, {600, 20, 24, 0x3CFFFFFFu, 0x0AFFFFFFu},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << std::hex << " " << c.top);
        const int h = c.y + c.height + 3;
        const auto expected = DrawnByGdiplus(c.width, h, [&](GdipGraphics& g) {
            GdipLinearGradientBrush brush;
            brush.CreateLineBrush(PointF{0, float(c.y)}, PointF{0, float(c.y + c.height)}, c.top, c.bottom);
            g.FillRectangle(brush, 0, float(c.y), float(c.width), float(c.height));
        });
        const auto rows = VerticalGradientRows(c.y, c.height, c.top, c.bottom);
        const auto actual = DrawnDirectly(c.width, h, [&](const DibPixels& p) {
            FillRowsOver(p, 0, c.y, c.width, c.height, rows.data());
        });
        const size_t at = FirstDifference(expected, actual);
        EXPECT_EQ(at, SIZE_MAX) << "pixel " << at % c.width << "," << at / c.width << std::hex << " gdi+ "
                                << (at < expected.size() ? expected[at] : 0) << " direct "
                                << (at < actual.size() ? actual[at] : 0);
    }
}

TEST(FrameSurfaceTest, BorderLaidFromCornersMatchesGdiplusStroke)
{
    const std::pair<int, int> sizes[] = {{34, 34},   {35, 60},   {60, 35},   {200, 150},  {201, 151},
                                         {511, 512}, {800, 600}, {801, 601}, {1366, 700}, {2049, 90}};
    for (auto [width, height] : sizes) {
        SCOPED_TRACE(testing::Message() << width << " x " << height);
        const auto expected = DrawnByGdiplus(width, height, [&](GdipGraphics& g) {
            DrawFrameBorderStrokes(g, width, height);
        });
        bool laid = false;
        const auto actual = DrawnDirectly(width, height, [&](const DibPixels& p) { laid = LayFrameBorderStrokes(p); });
        EXPECT_TRUE(laid);
        const size_t at = FirstDifference(expected, actual);
        EXPECT_EQ(at, SIZE_MAX) << "pixel " << at % width << "," << at / width << std::hex << " gdi+ "
                                << (at < expected.size() ? expected[at] : 0) << " direct "
                                << (at < actual.size() ? actual[at] : 0);
    }
    Scratch small(33, 80);
    EXPECT_FALSE(LayFrameBorderStrokes(small.pixels()));
}

TEST(FrameSurfaceTest, PictureLayerLaidOverMatchesGdiplusDrawing)
{
    constexpr int kWidth = 300, kHeight = 40;
    struct Picture {
        const char* what;
        std::string bytes;
    };
    std::string lowResolution;
    {
        // Drawn at its natural size, a 72 dpi picture comes out a third larger and resampled.
        GdipBitmap bitmap;
        bitmap.CreateBitmapFromStream(EveryAlphaPicture(kImageFormatPng));
        bitmap.BitmapSetResolution(72, 72);
        lowResolution = bitmap.SaveImageToStream(kImageFormatPng);
    }
    const Picture pictures[] = {{"png, every alpha", EveryAlphaPicture(kImageFormatPng)},
                                {"jpeg", EveryAlphaPicture(kImageFormatJpeg)},
                                {"png at 72 dpi", lowResolution}};
    struct Placement {
        const char* what;
        std::function<void(GdipGraphics&, GdipBitmap&)> draw;
    };
    const Placement placements[] = {
        {"at 0, 0", [](GdipGraphics& g, GdipBitmap& b) { g.DrawImage(b, 0, 0); }},
        {"at the right", [](GdipGraphics& g, GdipBitmap& b) { g.DrawImage(b, float(kWidth - b.GetImageWidth()), 0); }},
        {"half off the top left", [](GdipGraphics& g, GdipBitmap& b) { g.DrawImage(b, -7, -3); }},
        {"centred", [](GdipGraphics& g, GdipBitmap& b) {
             const float w = float(b.GetImageWidth()), h = float(b.GetImageHeight());
             g.DrawImageRectRect(b, (kWidth - w) / 2, (kHeight - h) / 2, w, h);
         }},
        {"stretched", [](GdipGraphics& g, GdipBitmap& b) { g.DrawImageRectRect(b, 0, 0, kWidth, kHeight); }},
    };
    int mode = 0;
    for (const Picture& picture : pictures) {
        for (const Placement& placement : placements) {
            SCOPED_TRACE(testing::Message() << picture.what << ", " << placement.what);
            const auto draw = [&](GdipGraphics& g) {
                GdipBitmap decoded;
                decoded.CreateBitmapFromStream(picture.bytes);
                placement.draw(g, decoded);
            };
            const auto expected = DrawnByGdiplus(kWidth, kHeight, draw);
            Scratch surface(kWidth, kHeight);
            const auto layer = FramePictureLayer(picture.bytes, ++mode, false, surface.pixels(), draw);
            ASSERT_NE(layer, nullptr);
            EXPECT_EQ(FramePictureLayer(picture.bytes, mode, false, surface.pixels(), [](GdipGraphics&) { FAIL(); }),
                      layer)
                << "drawn once and kept";
            const auto actual = DrawnDirectly(kWidth, kHeight, [&](const DibPixels& p) { LayPictureLayer(p, *layer); });
            const size_t at = FirstDifference(expected, actual);
            EXPECT_EQ(at, SIZE_MAX) << "pixel " << at % kWidth << "," << at / kWidth << std::hex << " gdi+ "
                                    << (at < expected.size() ? expected[at] : 0) << " direct "
                                    << (at < actual.size() ? actual[at] : 0);
        }
    }
    Scratch surface(kWidth, kHeight);
    const auto nothing = FramePictureLayer("none", 0, false, surface.pixels(), [](GdipGraphics&) {});
    ASSERT_NE(nothing, nullptr);
    EXPECT_EQ(nothing->width * nothing->height, 0);
    EXPECT_EQ(FramePictureLayer("none", 0, false, DibPixels{}, [](GdipGraphics&) {}), nullptr);
}

// A picture at its natural size at (0, 0) is drawn the same in any client it lies clear inside; one
// reaching an edge is drawn again for every size.
TEST(FrameSurfaceTest, PictureLayerAtTheTopLeftServesEveryClientItLiesInside)
{
    std::string picture;
    {
        GdipBitmap bitmap;
        bitmap.CreateBitmapFromStream(EveryAlphaPicture(kImageFormatPng));
        bitmap.BitmapSetResolution(90, 100);
        picture = bitmap.SaveImageToStream(kImageFormatPng);
    }
    const auto draw = [&](GdipGraphics& g) {
        GdipBitmap decoded;
        decoded.CreateBitmapFromStream(picture);
        g.DrawImage(decoded, 0, 0);
    };
    int drawings = 0;
    const auto counted = [&](GdipGraphics& g) {
        ++drawings;
        draw(g);
    };
    int right = 0, bottom = 0;  // of the layer drawn first
    {
        Scratch first(400, 60);
        const auto layer = FramePictureLayer(picture, 0, true, first.pixels(), counted);
        ASSERT_NE(layer, nullptr);
        right = layer->x + layer->width;
        bottom = layer->y + layer->height;
        EXPECT_GT(right, 256) << "drawn at 90 dpi, wider than its pixels";
    }
    struct Size {
        int width, height;
        bool drawnAgain;
    } sizes[] = {{right + 2, bottom + 2, false}, {900, bottom + 2, false}, {right + 1, bottom + 5, true},
                 {right + 1, bottom + 5, false}, {right + 3, bottom + 3, false}, {right + 20, bottom, true}};
    for (const Size& size : sizes) {
        SCOPED_TRACE(testing::Message() << size.width << " x " << size.height);
        const auto expected = DrawnByGdiplus(size.width, size.height, draw);
        Scratch surface(size.width, size.height);
        const int before = drawings;
        const auto layer = FramePictureLayer(picture, 0, true, surface.pixels(), counted);
        ASSERT_NE(layer, nullptr);
        EXPECT_EQ(drawings - before, size.drawnAgain ? 1 : 0);
        const auto actual = DrawnDirectly(size.width, size.height, [&](const DibPixels& p) { LayPictureLayer(p, *layer); });
        EXPECT_EQ(FirstDifference(expected, actual), SIZE_MAX);
    }
}

TEST(FrameSurfaceTest, SmallPicturesDrawnOnceDecodedMatchDecodingEachTime)
{
    std::vector<std::string> pictures = {EveryAlphaPicture(kImageFormatPng), EveryAlphaPicture(kImageFormatJpeg)};
    for (CaptionGlyph glyph : {CaptionGlyph::Help, CaptionGlyph::Menu, CaptionGlyph::Minimize, CaptionGlyph::Maximize,
                               CaptionGlyph::Restore, CaptionGlyph::Close})
        pictures.push_back(CaptionGlyphPng(glyph));
    const RectF places[] = {{5, 3, 26, 18}, {40, 2, 25, 18}, {70.5f, 4.25f, 14, 14}, {100, 0, 256, 12}};
    constexpr int kWidth = 360, kHeight = 24;
    for (const std::string& bytes : pictures) {
        const auto picture = DecodeSmallPicture(bytes);
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(DecodeSmallPicture(bytes), picture) << "decoded once";
        for (const RectF& r : places) {
            SCOPED_TRACE(testing::Message() << picture->width << " x " << picture->height << " into " << r.x << ","
                                            << r.y << " " << r.width << " x " << r.height);
            const auto expected = DrawnByGdiplus(kWidth, kHeight, [&](GdipGraphics& g) {
                GdipImage decoded;
                decoded.LoadImageFromStream(bytes);
                g.DrawImageRectRect(decoded, r.x, r.y, r.width, r.height);
            });
            const auto actual = DrawnByGdiplus(kWidth, kHeight, [&](GdipGraphics& g) {
                EXPECT_TRUE(DrawDecodedPicture(g, *picture, r.x, r.y, r.width, r.height));
            });
            EXPECT_EQ(FirstDifference(expected, actual), SIZE_MAX);
        }
    }
    EXPECT_FALSE(DecodeSmallPicture(CaptionGlyphPng(CaptionGlyph::Close))->argb.empty()) << "kept as pixels";
    EXPECT_EQ(DecodeSmallPicture("not a picture"), nullptr);
    EXPECT_EQ(DecodeSmallPicture(""), nullptr);
}
