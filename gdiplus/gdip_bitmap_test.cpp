// Bitmaps, path-gradient and texture brushes, and regions.
#include <gtest/gtest.h>

#include <cmath>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_matrix.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_path_gradient.h"
#include "gdiplus/gdip_region.h"
#include "gdiplus/gdip_test_support.h"
#include "gdiplus/gdip_texture.h"

namespace {

constexpr int kInvalidParameter = 2;

TEST(GdipBitmapTest, EmptyArgbBitmapAndPixels)
{
    GdipBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromScan0Default(100, 50));
    EXPECT_EQ(bitmap.GetImageWidth(), 100);
    EXPECT_EQ(bitmap.GetImageHeight(), 50);
    EXPECT_EQ(bitmap.GetImagePixelFormat(), kPixelFormat32bppArgb);
    EXPECT_EQ(bitmap.BitmapGetPixel(0, 0), 0u);
    EXPECT_TRUE(bitmap.BitmapSetPixel(3, 4, 0xFF336699));
    EXPECT_EQ(bitmap.BitmapGetPixel(3, 4), 0xFF336699u);
    EXPECT_EQ(bitmap.BitmapGetPixel(100, 0), 0u);

    GdipBitmap rgb;
    ASSERT_TRUE(rgb.CreateBitmapFromScan0Default(4, 4, kPixelFormat32bppRgb));
    EXPECT_EQ(rgb.GetImagePixelFormat(), kPixelFormat32bppRgb);
    EXPECT_FALSE(rgb.CreateBitmapFromScan0Default(0, 4));
    EXPECT_TRUE(rgb.IsEmpty());

    EXPECT_TRUE(bitmap.DisposeBitmap());
    EXPECT_FALSE(bitmap.DisposeBitmap());
}

TEST(GdipBitmapTest, GdiBitmapsAndIcons)
{
    GdipBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateBitmapFromScan0Default(30, 20));
    {
        GdipGraphics g;
        ASSERT_TRUE(g.CreateFromImage(bitmap));
        EXPECT_TRUE(g.GraphicsClear(0xFF20A040));
    }
    HBITMAP gdi = bitmap.CreateHBITMAPFromBitmap();
    ASSERT_NE(gdi, nullptr);
    DIBSECTION dib = {};
    ASSERT_EQ(GetObjectA(gdi, sizeof dib, &dib), static_cast<int>(sizeof dib)) << "a DIB section";
    EXPECT_EQ(dib.dsBm.bmWidth, 30);
    EXPECT_EQ(std::abs(dib.dsBm.bmHeight), 20);
    EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);

    GdipBitmap back;
    ASSERT_TRUE(back.CreateBitmapFromHBITMAP(gdi));
    EXPECT_EQ(back.GetImageWidth(), 30);
    EXPECT_EQ(back.BitmapGetPixel(5, 5) & 0xFFFFFF, 0x20A040u);
    DeleteObject(gdi);

    GdipBitmap empty;
    EXPECT_EQ(empty.CreateHBITMAPFromBitmap(), nullptr);
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);

    HICON icon = LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    ASSERT_NE(icon, nullptr);
    GdipBitmap fromIcon;
    ASSERT_TRUE(fromIcon.CreateBitmapFromHICON(icon));
    EXPECT_GT(fromIcon.GetImageWidth(), 0);

    BitmapData data;
    ASSERT_TRUE(back.BitmapLockBits(Rect{0, 0, 30, 20}, 1, kPixelFormat32bppArgb, data));
    EXPECT_EQ(data.width, 30u);
    EXPECT_EQ(data.stride, 120);
    EXPECT_EQ(static_cast<const uint32_t*>(data.scan0)[0] & 0xFFFFFF, 0x20A040u);
    EXPECT_TRUE(back.BitmapUnlockBits(data));

    GdipBitmap part;
    ASSERT_TRUE(back.CloneBitmapAreaI(Rect{10, 5, 8, 6}, kPixelFormat32bppArgb, part));
    EXPECT_EQ(part.GetImageWidth(), 8);
    EXPECT_EQ(part.GetImageHeight(), 6);
}

TEST(GdipBitmapTest, RotatedSizes)
{
    struct Case {
        float w, h;
        int angle;
        float rotatedW, rotatedH;
    };
    const float diagonal = 150 * std::sqrt(0.5f);
    const Case cases[] = {
        {101, 51, 0, 100, 50}, {101, 51, 90, 50, 100}, {101, 51, 45, diagonal, diagonal},
        {101, 51, 180, 100, 50}, {101, 51, -90, 50, 100}, {1, 1, 30, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        float w = -1, h = -1;
        GdipBitmap::ComputeRotatedSize(c.w, c.h, c.angle, w, h);
        EXPECT_NEAR(w, c.rotatedW, 1e-3);
        EXPECT_NEAR(h, c.rotatedH, 1e-3);
    }

    GdipBitmap source, rotated;
    ASSERT_TRUE(source.CreateBitmapFromScan0Default(101, 51));
    ASSERT_TRUE(source.RotateToNewBitmap(90, rotated, 0xFFFFFFFF));
    EXPECT_EQ(rotated.GetImageWidth(), 50);
    EXPECT_EQ(rotated.GetImageHeight(), 100);
    ASSERT_TRUE(source.RotateToNewBitmap(10, rotated, std::nullopt, 5, SizeF{40, 30}));
    EXPECT_EQ(rotated.GetImageWidth(), 40);
}

TEST(GdipBrushFillTest, PathGradientEllipseHasItsCentreColourAtTheCentre)
{
    GdipPath ellipse;
    ASSERT_TRUE(ellipse.CreatePath());
    ASSERT_TRUE(ellipse.AddPathEllipse(0, 0, 40, 40));
    GdipPathGradientBrush glow;
    ASSERT_TRUE(glow.CreatePathGradientFromPath(ellipse));
    EXPECT_EQ(glow.GetBrushType(), 3);
    ASSERT_TRUE(glow.SetPathGradientCenterColor(0xFFFF0000));
    ASSERT_TRUE(glow.SetPathGradientSurroundColorsWithCount({0xFF0000FF}));
    ASSERT_TRUE(glow.SetPathGradientFocusScales(0.2f, 0.2f));

    TestCanvas canvas(40, 40);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    ASSERT_TRUE(g.FillPath(glow, ellipse));
    g.DeleteGraphics();
    const uint32_t centre = canvas.Rgb(20, 20), rim = canvas.Rgb(20, 1);
    EXPECT_GT(RedOf(centre), 224);
    EXPECT_LT(BlueOf(centre), 32);
    EXPECT_GT(BlueOf(rim), RedOf(rim)) << "towards the outline the surround colour takes over";
    EXPECT_EQ(canvas.Rgb(1, 1), 0xFFFFFFu) << "outside the ellipse";
}

TEST(GdipBrushFillTest, PathGradientSettings)
{
    GdipPathGradientBrush brush;
    ASSERT_TRUE(brush.CreatePathGradient({{0, 0}, {30, 0}, {15, 20}}));
    EXPECT_EQ(brush.GetPathGradientWrapMode(), 4);
    EXPECT_EQ(brush.GetPathGradientPointCount(), 3);
    int count = 7;
    ASSERT_TRUE(brush.SetPathGradientSurroundColorsWithCount({0xFF00FF00}, count));
    EXPECT_EQ(count, 1);
    ASSERT_TRUE(brush.SetPathGradientCenterPointI(Point{5, 7}));
    const Point centre = brush.GetPathGradientCenterPointI();
    EXPECT_EQ(centre.x, 5);
    EXPECT_EQ(centre.y, 7);
    float fx = 0, fy = 0;
    ASSERT_TRUE(brush.SetPathGradientFocusScales(0.5f, 0.25f));
    ASSERT_TRUE(brush.GetPathGradientFocusScales(fx, fy));
    EXPECT_FLOAT_EQ(fx, 0.5f);
    EXPECT_FLOAT_EQ(fy, 0.25f);
    const RectF bounds = brush.GetPathGradientRect();
    EXPECT_FLOAT_EQ(bounds.width, 30);
    GdipPath outline;
    if (brush.GetPathGradientPath(outline)) {
        EXPECT_EQ(outline.GetPointCount(), 3);
    }

    for (int order : {0, 1}) {
        SCOPED_TRACE(order);
        GdipPathGradientBrush turned;
        ASSERT_TRUE(turned.CreatePathGradient({{0, 0}, {30, 0}, {15, 20}}));
        if (!turned.RotatePathGradientTransformAt(90, PointF{10, 10}, order))
            continue;  // not every GDI+ turns path-gradient transforms
        GdipMatrix transform;
        ASSERT_TRUE(turned.GetPathGradientTransform(transform));
        std::vector<PointF> point{{20, 10}};
        ASSERT_TRUE(transform.TransformMatrixPoints(point));
        EXPECT_NEAR(point[0].x, 10, 1e-4);
        EXPECT_NEAR(point[0].y, 20, 1e-4);
    }
}

TEST(GdipBrushFillTest, TextureTilesThePicture)
{
    GdipBitmap tile;
    ASSERT_TRUE(tile.CreateBitmapFromScan0Default(2, 2));
    const uint32_t colours[2][2] = {{0xFFFF0000, 0xFF0000FF}, {0xFF00FF00, 0xFFFFFF00}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            tile.BitmapSetPixel(x, y, colours[y][x]);
    GdipTextureBrush texture;
    ASSERT_TRUE(texture.CreateTexture(tile));
    EXPECT_EQ(texture.GetBrushType(), 2);
    EXPECT_EQ(texture.GetTextureWrapMode(), 0);

    TestCanvas canvas(8, 8);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));
    ASSERT_TRUE(g.FillRectangle(texture, 0, 0, 8, 8));
    g.DeleteGraphics();
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(canvas.Rgb(x, y), colours[y % 2][x % 2] & 0xFFFFFF) << x << "," << y;

    GdipTextureBrush flipped;
    ASSERT_TRUE(flipped.CreateTexture(tile, 1));
    EXPECT_EQ(flipped.GetTextureWrapMode(), 1);
    GdipImage picture;
    ASSERT_TRUE(flipped.GetTextureImage(picture));
    EXPECT_EQ(picture.GetImageWidth(), 2);

    for (int order : {0, 1}) {
        GdipTextureBrush scaled;
        ASSERT_TRUE(scaled.CreateTexture(tile));
        ASSERT_TRUE(scaled.ScaleTextureTransformAt(2, 2, PointF{10, 10}, order));
        GdipMatrix transform;
        ASSERT_TRUE(scaled.GetTextureTransform(transform));
        std::vector<PointF> point{{11, 10}};
        ASSERT_TRUE(transform.TransformMatrixPoints(point));
        EXPECT_NEAR(point[0].x, 12, 1e-4) << "order " << order;
        EXPECT_NEAR(point[0].y, 10, 1e-4) << "order " << order;
    }

    GdipImage none;
    GdipTextureBrush refused;
    EXPECT_FALSE(refused.CreateTexture(none));
    EXPECT_EQ(LastGdipStatus(), kInvalidParameter);
}

TEST(GdipRegionTest, CombineScansAndData)
{
    TestCanvas canvas(4, 4);
    GdipGraphics g;
    ASSERT_TRUE(g.CreateFromHDC(canvas.Dc()));

    GdipRegion region;
    ASSERT_TRUE(region.CreateRegionFromRect(RectF{0, 0, 10, 10}));
    ASSERT_TRUE(region.CombineRegionRect(RectF{5, 5, 10, 10}));  // no mode: intersect
    RectF bounds = region.GetRegionBounds(g);
    EXPECT_FLOAT_EQ(bounds.x, 5);
    EXPECT_FLOAT_EQ(bounds.width, 5);
    ASSERT_TRUE(region.CombineRegionRect(RectF{20, 20, 4, 4}, 0));  // replace
    bounds = region.GetRegionBounds(g);
    EXPECT_FLOAT_EQ(bounds.x, 20);
    EXPECT_TRUE(region.IsVisibleRegionPoint(PointF{21, 21}, g));

    GdipRegion bands;
    ASSERT_TRUE(bands.CreateRegionFromRectI(Rect{0, 0, 10, 2}));
    ASSERT_TRUE(bands.CombineRegionRectI(Rect{0, 4, 10, 2}, 2));
    ASSERT_TRUE(bands.CombineRegionRectI(Rect{0, 8, 10, 2}, 2));
    GdipMatrix identity;
    ASSERT_TRUE(identity.CreateMatrix());
    std::vector<RectF> scans(5);
    EXPECT_EQ(bands.GetRegionScansCount(identity), 3);
    EXPECT_EQ(bands.GetRegionScans(identity, scans), 3);
    ASSERT_EQ(scans.size(), 3u);
    EXPECT_FLOAT_EQ(scans[1].y, 4);
    EXPECT_FLOAT_EQ(scans[1].height, 2);
    std::vector<Rect> intScans;
    EXPECT_EQ(bands.GetRegionScansI(identity, intScans), 3);
    EXPECT_EQ(intScans[2].y, 8);

    GdipRegion empty;
    std::vector<RectF> kept(2);
    EXPECT_EQ(empty.GetRegionScans(identity, kept), 0);
    EXPECT_EQ(kept.size(), 2u) << "a failed count leaves the array as it was";
    EXPECT_EQ(empty.GetRegionData(64), std::string(64, '\0'));

    const int size = bands.GetRegionDataSize();
    ASSERT_GT(size, 0);
    int written = 0;
    const std::string data = bands.GetRegionData(size, written);
    EXPECT_EQ(data.size(), static_cast<size_t>(size));
    EXPECT_EQ(written, size);
    EXPECT_EQ(bands.GetRegionData(64).size(), 64u);
    GdipRegion copy;
    ASSERT_TRUE(copy.CreateRegionFromData(data, size));
    EXPECT_TRUE(copy.RegionEquals(bands, g));
    GdipRegion truncated;
    EXPECT_FALSE(truncated.CreateRegionFromData(data.substr(0, 8), size)) << "no more than the data is read";

    HRGN hrgn = bands.GetRegionHrgn(g);
    ASSERT_NE(hrgn, nullptr);
    GdipRegion fromHrgn;
    EXPECT_TRUE(fromHrgn.CreateRegionFromHrgn(hrgn));
    DeleteObject(hrgn);
    EXPECT_TRUE(fromHrgn.RegionEquals(bands, g));
    EXPECT_TRUE(fromHrgn.MakeRegionEmpty());
    EXPECT_TRUE(fromHrgn.IsRegionEmpty(g));
    EXPECT_TRUE(fromHrgn.MakeRegionInfinite());
    EXPECT_TRUE(fromHrgn.IsRegionInfinite(g));
}

}  // namespace
