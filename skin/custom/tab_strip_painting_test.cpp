// The tab strip's pixels: background, base line, dividers, pictures, captions and every highlight
// look drawn from a record onto a canvas of a known colour; the single-item redraw; a screenshot.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/tab_strip.h"
#include "skin/custom/tab_strip_highlights.h"
#include "skin/custom/tab_strip_painting.h"
#include "skin/custom/tab_strip_test_support.h"

namespace {

constexpr uint32_t kWhiteRgb = 0xFFFFFF;
constexpr uint32_t kGreyRgb = 0x808080;

// A strip record without a window: `count` items of 60 laid out for a strip `clientHeight` high, after
// `configure` set its options.
std::unique_ptr<TabStripRecord> MakeStrip(int count, int clientHeight,
                                          const std::function<void(TabStripRecord&)>& configure = nullptr)
{
    auto strip = std::make_unique<TabStripRecord>();
    strip->itemHeight = clientHeight;
    strip->highlightStyle = 1;
    if (configure)
        configure(*strip);
    for (int i = 1; i <= count; ++i) {
        auto item = std::make_unique<TabStripItem>();
        item->index = i;
        item->rect = TabItemPlace(*strip, i, clientHeight);
        strip->items.push_back(std::move(item));
        strip->contentWidth = 2 * strip->margin + i * strip->itemWidth + (i - 1) * kTabItemGap;
    }
    return strip;
}

void Draw(TabStripRecord& strip, TestCanvas& canvas, const std::function<void(GdipGraphics&)>& draw)
{
    DrawLikeAPainter(canvas, [&](HDC, GdipGraphics& g) { draw(g); });
}

RECT ClientOf(const TestCanvas& canvas)
{
    return RECT{0, 0, canvas.Width(), canvas.Height()};
}

// The bounding box (right and bottom inclusive) of the pixels that pass; false when none does.
bool BoundsWhere(const TestCanvas& canvas, const std::function<bool(uint32_t)>& pass, RECT& box)
{
    box = RECT{canvas.Width(), canvas.Height(), -1, -1};
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (pass(canvas.Rgb(x, y))) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x);
                box.bottom = std::max<LONG>(box.bottom, y);
            }
    return box.right >= 0;
}

std::string RectText(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

}  // namespace

TEST(TabStripPaintingTest, TheFillIsColour2UnlessItIsBlack)
{
    const struct {
        COLORREF colour2;
        uint32_t expected;
    } cases[] = {{0x000000, kWhiteRgb}, {0x000001, 0x010000}, {0xFF8040, 0x4080FF}};
    for (const auto& c : cases) {
        auto strip = MakeStrip(0, 30, [&](TabStripRecord& s) {
            s.shapeStyle = 1;
            s.colour2 = c.colour2;
        });
        TestCanvas canvas(200, 30);
        Draw(*strip, canvas, [&](GdipGraphics& g) { PaintTabStripSurface(g, *strip, ClientOf(canvas)); });
        EXPECT_EQ(canvas.Rgb(100, 15), c.expected) << std::hex << c.colour2;
        EXPECT_EQ(canvas.Rgb(0, 0), c.expected) << std::hex << c.colour2;
    }
}

TEST(TabStripPaintingTest, EachShapeDrawsItsFrameAndGloss)
{
    const struct {
        int shape;
        bool frame;
        bool gloss;
    } cases[] = {{0, false, true}, {5, false, true}, {1, false, false}, {2, true, true}, {3, true, true}};
    for (const auto& c : cases) {
        auto strip = MakeStrip(2, 30, [&](TabStripRecord& s) { s.shapeStyle = c.shape; });
        TestCanvas canvas(200, 30, kGreyRgb);
        Draw(*strip, canvas, [&](GdipGraphics& g) { PaintTabStripBackground(g, *strip, 200); });
        EXPECT_EQ(canvas.Rgb(0, 15) != kGreyRgb, c.frame) << "shape " << c.shape;
        EXPECT_EQ(RedOf(canvas.Rgb(60, 4)) > 0x88, c.gloss) << "shape " << c.shape;
        EXPECT_EQ(canvas.Rgb(150, 15), kGreyRgb) << "shape " << c.shape << ": nothing beyond the content width";
    }
    // The glossy band: a dark line on its top row and a light one under it, to the client's right edge.
    auto band = MakeStrip(2, 30, [](TabStripRecord& s) { s.shapeStyle = 4; });
    TestCanvas canvas(200, 30, kGreyRgb);
    Draw(*band, canvas, [&](GdipGraphics& g) { PaintTabStripBackground(g, *band, 200); });
    EXPECT_EQ(canvas.Rgb(60, 1), kGreyRgb);
    EXPECT_TRUE(RgbNear(canvas.Rgb(190, 2), Blend(kGreyRgb, 0, 60)));
    EXPECT_TRUE(RgbNear(canvas.Rgb(190, 3), Blend(kGreyRgb, kWhiteRgb, 100)));
}

TEST(TabStripPaintingTest, TheBaseLineOpensUnderTheSelectedItem)
{
    const uint32_t line = Blend(kWhiteRgb, 0, 50);
    const struct {
        int shape;
        bool attached;
        int selected;
        std::vector<int> drawn;
        std::vector<int> open;
    } cases[] = {
        // Item 2 spans 65..124: its first pixel and its last two stay drawn.
        {1, true, 2, {0, 64, 65, 123, 124, 125, 199}, {66, 100, 122}},
        {2, true, 0, {0, 65, 100, 199}, {}},
        {3, true, 2, {}, {0, 65, 100, 199}},
        {1, false, 2, {}, {0, 100}},
    };
    for (const auto& c : cases) {
        auto strip = MakeStrip(3, 30, [&](TabStripRecord& s) {
            s.shapeStyle = c.shape;
            s.attachedTabs = c.attached;
            s.baseline = true;
        });
        if (c.selected)
            RecordAt(strip->items, c.selected)->selected = true;
        TestCanvas canvas(200, 30);
        Draw(*strip, canvas, [&](GdipGraphics& g) { PaintTabStripBaseLine(g, *strip, ClientOf(canvas)); });
        for (int x : c.drawn)
            EXPECT_TRUE(RgbNear(canvas.Rgb(x, 29), line)) << "shape " << c.shape << " x " << x;
        for (int x : c.open)
            EXPECT_EQ(canvas.Rgb(x, 29), kWhiteRgb) << "shape " << c.shape << " x " << x;
        EXPECT_EQ(canvas.Rgb(100, 28), kWhiteRgb) << "only the last row";
    }
}

TEST(TabStripPaintingTest, AnItemDrawnAloneCarriesItsPieceOfTheBaseLine)
{
    const uint32_t line = Blend(kWhiteRgb, 0, 50);
    for (bool selectionMode : {true, false}) {
        auto strip = MakeStrip(1, 30, [&](TabStripRecord& s) {
            s.shapeStyle = 1;
            s.attachedTabs = true;
            s.baseline = true;
            s.selectionMode = selectionMode;
            s.colour1 = 0xFFFFFF;
            s.alpha1 = 0;
        });
        TabStripItem& item = *RecordAt(strip->items, 1);
        item.selected = selectionMode;
        ASSERT_EQ(item.rect.bottom - item.rect.top, 28);
        TestCanvas canvas(60, 28);
        Draw(*strip, canvas, [&](GdipGraphics& g) { PaintTabStripItem(g, *strip, 1, 0, 0, true); });
        // The selected item keeps its first pixel and its last two; a push button (never selected) the
        // whole row, as the full paint draws it.
        for (int x : {0, 58, 59})
            EXPECT_TRUE(RgbNear(canvas.Rgb(x, 27), line)) << selectionMode << " x " << x;
        for (int x : {3, 30, 55})
            EXPECT_EQ(RgbNear(canvas.Rgb(x, 27), line), !selectionMode) << selectionMode << " x " << x;
    }
}

TEST(TabStripPaintingTest, OneDividerPairPerGap)
{
    for (int count : {1, 3}) {
        auto strip = MakeStrip(count, 30, [](TabStripRecord& s) { s.shapeStyle = 1; });
        TestCanvas canvas(200, 30, kGreyRgb);
        Draw(*strip, canvas, [&](GdipGraphics& g) { PaintTabStripDividers(g, *strip); });
        const bool drawn = count > 1;
        // The gap after item 1 is 62..64, after item 2 125..127.
        for (int gap : {62, 125}) {
            EXPECT_EQ(canvas.Rgb(gap, 15), kGreyRgb) << count;
            EXPECT_EQ(RgbNear(canvas.Rgb(gap + 1, 15), Blend(kGreyRgb, 0, 60)), drawn) << count << " at " << gap;
            EXPECT_EQ(RgbNear(canvas.Rgb(gap + 2, 15), Blend(kGreyRgb, kWhiteRgb, 100)), drawn) << count;
            EXPECT_EQ(canvas.Rgb(gap + 1, 5), kGreyRgb) << "from margin + 5 down";
        }
        EXPECT_EQ(canvas.Rgb(188, 15), kGreyRgb) << "none after the last item";
    }
    auto hidden = MakeStrip(3, 30, [](TabStripRecord& s) {
        s.shapeStyle = 1;
        s.separators = false;
    });
    TestCanvas canvas(200, 30, kGreyRgb);
    Draw(*hidden, canvas, [&](GdipGraphics& g) { PaintTabStripDividers(g, *hidden); });
    EXPECT_EQ(canvas.Rgb(63, 15), kGreyRgb);
}

TEST(TabStripPaintingTest, ATallPictureIsDrawnAsASquareInsideTheItem)
{
    const std::string picture = SolidPng(20, 40, 0xFFFF0000);
    const auto red = [](uint32_t c) { return RedOf(c) > 0xC0 && GreenOf(c) < 0x40; };
    const struct {
        const char* caption;
        RECT bounds;
    } cases[] = {{"", RECT{18, 3, 41, 26}}, {"图片", RECT{3, 3, 26, 26}}};
    // Wine's scaling blends the picture's first row and column with what lies outside it: the box of
    // pure red starts one pixel in.
    for (const auto& c : cases) {
        auto strip = MakeStrip(1, 30, [](TabStripRecord& s) { s.shapeStyle = 1; });
        TabStripItem& item = *RecordAt(strip->items, 1);
        item.rect = RECT{0, 0, 60, 30};
        item.image = picture;
        item.caption = c.caption;
        TestCanvas canvas(60, 30);
        Draw(*strip, canvas, [&](GdipGraphics& g) { PaintTabStripItem(g, *strip, 1, 0, 0, false); });
        RECT box = {};
        ASSERT_TRUE(BoundsWhere(canvas, red, box)) << c.caption;
        const RECT inner = {c.bounds.left + 1, c.bounds.top + 1, c.bounds.right, c.bounds.bottom};
        EXPECT_EQ(RectText(box), RectText(inner)) << "24 x 24 whatever the picture's proportions";
    }
}

TEST(TabStripPaintingTest, CaptionsArePlainWithoutAHaloOrWhenInverse)
{
    const COLORREF savedBase = g_skinBaseColour;
    g_skinBaseColour = 0x00FF00;
    const struct {
        int halo;
        bool inverse;
        COLORREF plainColour;
        bool plain;
    } cases[] = {{-1, false, 0x0000FF, true}, {0x00FF00, true, 0xFF00FF, true}, {0x00FF00, false, 0x0000FF, false}};
    for (const auto& c : cases) {
        auto strip = MakeStrip(1, 30, [&](TabStripRecord& s) {
            s.shapeStyle = 1;
            s.inverseCaptions = c.inverse;
        });
        TabStripItem& item = *RecordAt(strip->items, 1);
        item.caption = "推荐";
        item.textColour = 0x0000FF;
        item.haloColour = c.halo;
        const RECT& r = item.rect;
        TestCanvas drawn(100, 30);
        Draw(*strip, drawn, [&](GdipGraphics& g) { PaintTabStripItem(g, *strip, 1, 2, 2, false); });
        TestCanvas plain(100, 30);
        DrawLikeAPainter(plain, [&](HDC, GdipGraphics& g) {
            CaptionStyle style;
            style.face = "宋体";
            style.size = 12;
            style.unit = 2;
            style.colour = c.plainColour;
            style.alignment = 1;
            style.lineAlignment = 1;
            style.formatFlags = 0x3000;
            style.trimming = 3;
            DrawCaption(g, "推荐", MakeRect(2, 2, static_cast<float>(r.right - r.left),
                                             static_cast<float>(r.bottom - r.top)),
                        style);
        });
        EXPECT_EQ(SameImage(drawn, plain), c.plain) << "halo " << c.halo << " inverse " << c.inverse;
        RECT box = {};
        EXPECT_TRUE(BoundsWhere(drawn, [](uint32_t c) { return c != kWhiteRgb; }, box)) << "a caption is drawn";
    }
    g_skinBaseColour = savedBase;
}

namespace {

using HighlightPainter = std::function<void(GdipGraphics&, const TabHighlightInputs&, const RECT&)>;

HighlightPainter Gradient(TabGradientLook look)
{
    return [look](GdipGraphics& g, const TabHighlightInputs& in, const RECT& r) {
        DrawTabGradientHighlight(g, in, r, look);
    };
}

void DrawHighlight(TestCanvas& canvas, const HighlightPainter& paint, const TabHighlightInputs& in,
                   const RECT& item = RECT{0, 0, 60, 24})
{
    DrawLikeAPainter(canvas, [&](HDC, GdipGraphics& g) { paint(g, in, item); });
}

}  // namespace

TEST(TabStripHighlightTest, ShapesOfA60By24Item)
{
    // colour1 at alpha 0 leaves only the outlines.
    const struct {
        const char* look;
        HighlightPainter paint;
        bool ext;
        RECT outline;
    } cases[] = {
        {"solid", DrawTabStripItemPart1, false, RECT{1, 1, 57, 23}},
        {"solid, attached", DrawTabStripItemPart1, true, RECT{1, 1, 57, 30}},
        {"selection", Gradient(TabGradientLook::Selection), false, RECT{1, 2, 57, 22}},
        {"selection, attached", Gradient(TabGradientLook::Selection), true, RECT{1, 2, 57, 31}},
        {"hover, attached", Gradient(TabGradientLook::Hover), true, RECT{1, 2, 57, 30}},
        {"pressed", Gradient(TabGradientLook::Pressed), false, RECT{1, 2, 57, 22}},
        {"glass selected", DrawTabStripItemPart2, false, RECT{1, 0, 57, 23}},
        {"glass lit", DrawTabStripItemPart3, false, RECT{1, 1, 57, 23}},
    };
    for (const auto& c : cases) {
        TestCanvas canvas(60, 40);
        DrawHighlight(canvas, c.paint, TabHighlightInputs{0xFFFFFF, 0, c.ext});
        RECT box = {};
        ASSERT_TRUE(canvas.DarkBounds(box, 0xF8)) << c.look;
        EXPECT_EQ(RectText(box), RectText(c.outline)) << c.look;
    }
}

TEST(TabStripHighlightTest, AttachedTabsExtendTheShapeUnlessTheStripIsRound)
{
    for (int shape : {2, 3}) {
        auto strip = MakeStrip(1, 30, [&](TabStripRecord& s) {
            s.shapeStyle = shape;
            s.attachedTabs = true;
        });
        EXPECT_EQ(HighlightInputsOf(*strip).ext, shape == 2) << shape;
    }
    TestCanvas canvas(60, 40);
    DrawHighlight(canvas, Gradient(TabGradientLook::Selection), TabHighlightInputs{0xFFFFFF, 0, true});
    RECT box = {};
    ASSERT_TRUE(canvas.DarkBounds(box, 0xF8));
    EXPECT_EQ(box.bottom, 24 + 7) << "h + 5 high from y + 2";
}

TEST(TabStripHighlightTest, TheWhiteEndsFollowAlpha1)
{
    // Over black with a black colour1 only the white shares show: white at `top` next to the top edge
    // (y 2, under the outline) and white at `bottom` next to the bottom edge (y 22). Wine's gradients
    // do not run linearly in between, so only rows next to the ends are compared.
    const struct {
        int alpha1;
        int top;
        int bottom;
    } cases[] = {{160, 96, 128}, {255, 153, 204}};
    for (const auto& c : cases) {
        TestCanvas canvas(60, 24, 0x000000);
        DrawHighlight(canvas, Gradient(TabGradientLook::Selection), TabHighlightInputs{0x000000, c.alpha1, false});
        EXPECT_NEAR(RedOf(canvas.Rgb(30, 3)), c.top, 12) << c.alpha1;
        EXPECT_NEAR(RedOf(canvas.Rgb(30, 21)), c.bottom, 12) << c.alpha1;
        EXPECT_EQ(canvas.Rgb(30, 23), 0u) << "nothing below the shape";
    }
    // alpha1 0: the fills vanish and the outline stays.
    TestCanvas canvas(60, 24);
    DrawHighlight(canvas, Gradient(TabGradientLook::Selection), TabHighlightInputs{0x0000FF, 0, false});
    EXPECT_EQ(canvas.Rgb(30, 12), kWhiteRgb);
    EXPECT_TRUE(RgbNear(canvas.Rgb(30, 22), Blend(kWhiteRgb, 0, 50)));
    // The solid look: colour1 at alpha1 inside its outline.
    TestCanvas solid(60, 24);
    DrawHighlight(solid, DrawTabStripItemPart1, TabHighlightInputs{0x0000FF, 160, false});
    EXPECT_TRUE(RgbNear(solid.Rgb(30, 12), Blend(kWhiteRgb, 0xFF0000, 160)));
}

TEST(TabStripHighlightTest, TheGlowIgnoresAlpha1AndStaysInsideTheItem)
{
    const COLORREF blue = 0xFF0000;
    uint32_t centres[2] = {};
    for (int i = 0; i < 2; ++i) {
        TestCanvas canvas(60, 40);
        DrawHighlight(canvas, DrawTabStripItemPart4, TabHighlightInputs{blue, i == 0 ? 0 : 255, false});
        centres[i] = canvas.Rgb(30, 4);
        EXPECT_EQ(canvas.Rgb(30, 30), kWhiteRgb) << "clipped to the item";
        EXPECT_EQ(canvas.Rgb(59, 39), kWhiteRgb);
    }
    EXPECT_EQ(centres[0], centres[1]);
    EXPECT_GT(BlueOf(centres[0]), 0xC0);
    EXPECT_LT(RedOf(centres[0]), 0x80) << "colour1 at full strength near the centre point";
}

namespace {

// A strip host on a skinned form, with items.
HWND AddStrip(HWND form, int top, const TabStripOptions& options, const std::vector<TabItemOptions>& items)
{
    HWND host = CreateBarHost(form, 10, top, 320, 30);
    SkinTabStrip strip;
    strip.Create(host, options);
    for (const TabItemOptions& item : items)
        strip.AddItem(item);
    return host;
}

}  // namespace

TEST(TabStripScreenTest, SingleItemRedrawsKeepTheKeptPictureCurrent)
{
    ParkCursor();
    ScopedWindow form(CreateFrameForm(20, 20, 400, 120, 0, false));
    TabStripOptions o;
    o.shapeStyle = 1;
    o.highlightStyle = 3;
    o.colour1 = 0x0000FF;
    o.alpha1 = 255;
    o.separators = false;
    HWND host = AddStrip(form, 40, o, {CaptionItem(""), CaptionItem("")});
    ShowSkinnedForm(form);
    const TabStripRecord* s = FindTabStrip(host);
    ASSERT_NE(s->memoryDC, nullptr);
    const uint32_t red = 0xFF0000;
    EXPECT_TRUE(RgbNear(PixelRgb(s->memoryDC, 30, 12), red)) << "item 1 selected at the first paint";
    EXPECT_FALSE(RgbNear(PixelRgb(s->memoryDC, 95, 12), red));
    SendMessageA(host, WM_LBUTTONDOWN, MK_LBUTTON, MouseAt(95, 12));
    SendMessageA(host, WM_LBUTTONUP, 0, MouseAt(95, 12));
    EXPECT_TRUE(s->dirty == false) << "no full repaint";
    EXPECT_FALSE(RgbNear(PixelRgb(s->memoryDC, 30, 12), red));
    EXPECT_TRUE(RgbNear(PixelRgb(s->memoryDC, 95, 12), red));
}

TEST(TabStripScreenTest, Screenshot)
{
    ParkCursor();
    // A light skin, as the program's default skin looks.
    const COLORREF baseColour = g_skinBaseColour;
    g_skinBaseColour = RGB(214, 226, 236);
    ScopedWindow form(CreateFrameForm(20, 20, 360, 240, 0, false));
    // The skin-settings window's strip.
    HWND settings = AddStrip(form, 30, SkinSettingsStripOptions(), {CaptionItem("推荐皮肤"), CaptionItem("颜色换肤")});

    TabStripOptions gradient;
    HWND styleOne = AddStrip(form, 70, gradient, {CaptionItem("渐变"), CaptionItem("选中"), CaptionItem("悬停")});

    TabStripOptions glass;
    glass.highlightStyle = 4;
    glass.shapeStyle = 2;
    glass.attachedTabs = true;
    glass.baseline = true;
    HWND styleFour = AddStrip(form, 110, glass, {CaptionItem("玻璃"), CaptionItem("悬停"), CaptionItem("三")});

    TabStripOptions glow;
    glow.highlightStyle = 2;
    glow.shapeStyle = 4;
    glow.colour1 = 0x3080FF;
    HWND glowing = AddStrip(form, 150, glow, {CaptionItem("光晕"), CaptionItem("选中"), CaptionItem("三")});

    TabStripOptions plain;
    plain.shapeStyle = 3;
    plain.highlightStyle = 3;
    plain.colour2 = 0xF0E0D0;
    TabItemOptions picture = CaptionItem("图片");
    picture.image = SolidPng(16, 16, 0xFF2080E0);
    TabItemOptions halo = CaptionItem("光环");
    halo.haloColour = 0xFFFFFF;
    halo.textColour = 0x802000;
    TabItemOptions alone;
    alone.image = SolidPng(40, 40, 0xFF40A040);
    HWND pictures = AddStrip(form, 190, plain, {picture, halo, alone});

    ShowSkinnedForm(form);
    SkinTabStrip strip;
    strip.window = settings;
    SendMessageA(settings, WM_MOUSEMOVE, 0, MouseAt(120, 12));
    strip.window = styleOne;
    strip.SelectItem(2);
    SendMessageA(styleOne, WM_MOUSEMOVE, 0, MouseAt(150, 12));
    strip.window = styleFour;
    SendMessageA(styleFour, WM_MOUSEMOVE, 0, MouseAt(90, 12));
    strip.window = glowing;
    strip.SelectItem(2);
    strip.window = pictures;
    strip.SelectItem(-1);

    const TabStripRecord* s = FindTabStrip(settings);
    EXPECT_EQ(s->selectedItem, 1);
    EXPECT_EQ(s->hotItem, 2);
    EXPECT_FALSE(SaveWindowScreenshot(form, "tab-strip.png").empty());
    g_skinBaseColour = baseColour;
}
