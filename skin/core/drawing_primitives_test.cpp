// Colours, rounded paths and glowing text.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_string_format.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
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

namespace {

// A white memory context to draw glowing text on.
class TextCanvas {
public:
    TextCanvas(int width, int height) : width_(width), height_(height), dc_(CreateMemoryDC(width, height))
    {
        RECT all = {0, 0, width, height};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~TextCanvas() { ReleaseMemoryDC(dc_); }
    HDC Dc() const { return dc_; }

    template <class Test>
    int Count(Test test) const
    {
        int n = 0;
        for (int y = 0; y < height_; ++y)
            for (int x = 0; x < width_; ++x)
                n += test(PixelRgb(dc_, x, y)) ? 1 : 0;
        return n;
    }
    // Bounding box of the pixels the test accepts; empty (right < left) when none does.
    template <class Test>
    RECT Bounds(Test test) const
    {
        RECT box = {width_, height_, -1, -1};
        for (int y = 0; y < height_; ++y) {
            for (int x = 0; x < width_; ++x) {
                if (!test(PixelRgb(dc_, x, y)))
                    continue;
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x);
                box.bottom = std::max<LONG>(box.bottom, y);
            }
        }
        return box;
    }

private:
    int width_, height_;
    HDC dc_;
};

bool IsDark(uint32_t rgb)
{
    return ((rgb >> 16) & 0xFF) < 0x80 && ((rgb >> 8) & 0xFF) < 0x80 && (rgb & 0xFF) < 0x80;
}

// Red glow: red clearly above green and blue.
bool IsReddish(uint32_t rgb)
{
    int r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r > 0x80 && r - g > 24 && r - b > 24;
}

bool IsNotWhite(uint32_t rgb)
{
    return rgb != 0xFFFFFF;
}

constexpr COLORREF kBlackText = RGB(0, 0, 0);
constexpr COLORREF kRedGlow = RGB(0xFF, 0, 0);

}  // namespace

TEST(SkinPrimitivesTest, GlowTextIsRingedByItsGlow)
{
    TextCanvas glowing(200, 40);
    {
        GdipGraphics graphics;
        ASSERT_TRUE(graphics.CreateFromHDC(glowing.Dc()));
        DrawTextGdiPlus(graphics, "测试文字", RectF{10, 5, 180, 30}, kBlackText, kRedGlow);
    }
    // The text alone, drawn where the glow text puts it: one pixel right of and below the layout.
    TextCanvas plain(200, 40);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(plain.Dc());
        GdipStringFormat format;
        format.CreateStringFormat(0x2000);
        GdipFont font;
        ASSERT_TRUE(font.CreateFontFromName("宋体", 12));
        GdipSolidBrush ink;
        ink.CreateSolidFill(0xFF000000);
        graphics.DrawString("测试文字", font, ink, RectF{11, 6, 180, 30}, format);
    }
    RECT text = glowing.Bounds(IsDark);
    ASSERT_LE(text.left, text.right) << "the text is drawn";
    RECT expected = plain.Bounds(IsDark);
    EXPECT_EQ(text.left, expected.left);
    EXPECT_EQ(text.top, expected.top);
    EXPECT_EQ(text.right, expected.right);
    EXPECT_EQ(text.bottom, expected.bottom);

    RECT glow = glowing.Bounds(IsReddish);
    ASSERT_LE(glow.left, glow.right) << "the glow is drawn";
    EXPECT_LE(glow.left, text.left);
    EXPECT_LE(glow.top, text.top);
    EXPECT_GE(glow.bottom, text.bottom);
    // The four faint copies reach one pixel beyond the text; the blurred glow further.
    EXPECT_GE(glow.right - text.right, 2);
    EXPECT_LE(text.left - glow.left, 4) << "the glow stays close to the text";
    EXPECT_EQ(PixelRgb(glowing.Dc(), 5, 2), 0xFFFFFFu) << "outside the layout";
}

TEST(SkinPrimitivesTest, GlowTextFormatAndFailures)
{
    SCOPED_TRACE("wrapping gives a second line; no wrap with ellipsis keeps one line");
    const std::string longText = "一二三四五六七八九十";
    TextCanvas wrapped(100, 60);
    TextCanvas oneLine(100, 60);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(wrapped.Dc());
        DrawTextGdiPlus(graphics, longText, RectF{0, 0, 60, 50}, kBlackText, kRedGlow);
        GdipGraphics single;
        single.CreateFromHDC(oneLine.Dc());
        GlowTextStyle style;
        style.wrap = false;
        style.ellipsis = true;
        DrawTextGdiPlus(single, longText, RectF{0, 0, 60, 50}, kBlackText, kRedGlow, style);
    }
    RECT two = wrapped.Bounds(IsDark);
    RECT one = oneLine.Bounds(IsDark);
    EXPECT_GT(two.bottom - two.top, 16);
    EXPECT_LT(one.bottom - one.top, 16);
    EXPECT_LE(one.right, 61);

    SCOPED_TRACE("a layout smaller than the blur factor: no blurred glow, but halo and text");
    TextCanvas small(60, 30);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(small.Dc());
        GlowTextStyle style;
        style.blurFactor = 40;
        DrawTextGdiPlus(graphics, "测", RectF{10, 5, 30, 20}, kBlackText, kRedGlow, style);
    }
    EXPECT_GT(small.Count(IsDark), 0);
    EXPECT_GT(small.Count(IsReddish), 0);

    SCOPED_TRACE("an unknown font draws nothing");
    TextCanvas unknown(100, 30);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(unknown.Dc());
        GlowTextStyle style;
        style.fontName = "没有这种字体";
        DrawTextGdiPlus(graphics, "测试", RectF{0, 0, 100, 30}, kBlackText, kRedGlow, style);
    }
    EXPECT_EQ(unknown.Count(IsNotWhite), 0);
}

namespace {

// What DrawSkinText would draw without its ring: the text alone in the layout box.
void DrawPlainText(HDC dc, const std::string& text, const RectF& layout, float size)
{
    GdipGraphics graphics;
    graphics.CreateFromHDC(dc);
    GdipStringFormat format;
    format.CreateStringFormat(0x2000);
    GdipFont font;
    font.CreateFontFromName("宋体", size);
    GdipSolidBrush ink;
    ink.CreateSolidFill(0xFF000000);
    graphics.DrawString(text, font, ink, layout, format);
}

bool SameDarkPixels(const TextCanvas& a, const TextCanvas& b, int width, int height)
{
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (IsDark(PixelRgb(a.Dc(), x, y)) != IsDark(PixelRgb(b.Dc(), x, y)))
                return false;
    return true;
}

}  // namespace

TEST(SkinPrimitivesTest, SkinTextIsRingedOnePixelEachWay)
{
    const RectF layout{10, 5, 180, 30};
    TextCanvas ringed(200, 40);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(ringed.Dc());
        DrawSkinText(graphics, "测试文字", layout, kBlackText, kRedGlow);
    }
    TextCanvas plain(200, 40);
    DrawPlainText(plain.Dc(), "测试文字", layout, 13);
    // The text sits in the layout box itself, at 13 when no size is given.
    EXPECT_TRUE(SameDarkPixels(ringed, plain, 200, 40));
    RECT text = plain.Bounds(IsDark);
    RECT ring = ringed.Bounds(IsReddish);
    ASSERT_LE(ring.left, ring.right) << "the ring is drawn";
    // One pixel each way, plus the soft edge of the glyphs.
    for (LONG outside : {text.left - ring.left, ring.right - text.right, text.top - ring.top, ring.bottom - text.bottom}) {
        EXPECT_GE(outside, 1);
        EXPECT_LE(outside, 2);
    }
}

TEST(SkinPrimitivesTest, SkinTextOptions)
{
    SCOPED_TRACE("offset 0 lays the ring under the text, where it does not show");
    TextCanvas under(120, 30);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(under.Dc());
        SkinTextStyle style;
        style.glowOffset = 0;
        DrawSkinText(graphics, "测试", RectF{0, 0, 120, 30}, kBlackText, kRedGlow, style);
    }
    RECT text = under.Bounds(IsDark);
    RECT glow = under.Bounds(IsReddish);
    ASSERT_LE(text.left, text.right);
    // Only the soft edges of the glyphs let the glow show, never beyond them.
    if (glow.left <= glow.right) {
        EXPECT_GE(glow.left, text.left - 1);
        EXPECT_LE(glow.right, text.right + 1);
        EXPECT_GE(glow.top, text.top - 1);
        EXPECT_LE(glow.bottom, text.bottom + 1);
    }

    SCOPED_TRACE("size 12 differs from the default 13");
    TextCanvas twelve(120, 30);
    TextCanvas plainTwelve(120, 30);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(twelve.Dc());
        SkinTextStyle style;
        style.fontSize = 12;
        DrawSkinText(graphics, "测试", RectF{0, 0, 120, 30}, kBlackText, kRedGlow, style);
    }
    DrawPlainText(plainTwelve.Dc(), "测试", RectF{0, 0, 120, 30}, 12);
    EXPECT_TRUE(SameDarkPixels(twelve, plainTwelve, 120, 30));
    EXPECT_FALSE(SameDarkPixels(twelve, under, 120, 30));

    SCOPED_TRACE("no wrap with ellipsis keeps one line inside the width");
    TextCanvas oneLine(100, 60);
    {
        GdipGraphics graphics;
        graphics.CreateFromHDC(oneLine.Dc());
        SkinTextStyle style;
        style.wrap = false;
        style.ellipsis = true;
        DrawSkinText(graphics, "一二三四五六七八九十", RectF{0, 0, 60, 50}, kBlackText, kRedGlow, style);
    }
    RECT one = oneLine.Bounds(IsDark);
    EXPECT_LT(one.bottom - one.top, 16);
    EXPECT_LE(one.right, 61);
}
