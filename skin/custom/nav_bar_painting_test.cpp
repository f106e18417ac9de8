// The navigation bar's pixels: items drawn from a record onto a canvas in each state, the full
// repaint over what lies behind the bar, and the own pass of one item.
#include <gtest/gtest.h>

#include <cstdlib>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/nav_bar_images.h"
#include "skin/custom/nav_bar_painting.h"
#include "skin/custom/nav_bar_test_support.h"

namespace {

constexpr int kX = 10, kY = 10, kW = 85, kH = 75;
constexpr uint32_t kGround = 0xC0C0C0;

// A bar record with one 85 x 75 item at (10, 10), not attached to any window.
NavBarRecord OneItemBar(int vertical = 0)
{
    NavBarRecord bar;
    bar.itemWidth = kW;
    bar.itemHeight = kH;
    bar.vertical = vertical;
    auto item = std::make_unique<NavBarItem>();
    item->caption = "取名";
    item->image = SolidPng(16, 16, 0xFF2050D0);
    bar.items.push_back(std::move(item));
    bar.itemRects.push_back(RectF{kX, kY, kW, kH});
    return bar;
}

NavBarItem& FirstItem(NavBarRecord& bar)
{
    return *bar.items.front();
}

void WithDropPart(NavBarRecord& bar)
{
    FirstItem(bar).hasDropPart = true;
    FirstItem(bar).dropWidth = 13;
    FirstItem(bar).splitOffset = kW - 13 - 2;
}

// Paints item 1 onto a fresh canvas of the ground colour.
void PaintOnCanvas(const TestCanvas& canvas, const NavBarRecord& bar, const NavItemLook& look)
{
    GdipGraphics g;
    g.CreateFromHDC(canvas.Dc());
    PaintNavItem(g, bar, 1, look);
}

int CountDifferences(const TestCanvas& a, const TestCanvas& b)
{
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            n += a.Rgb(x, y) != b.Rgb(x, y);
    return n;
}

// A 16 x 16 icon file of one opaque colour: a 32-bit image with an empty mask.
std::string SolidIcon(uint32_t rgb)
{
    std::string file;
    auto put16 = [&file](int v) { file += static_cast<char>(v & 0xFF), file += static_cast<char>((v >> 8) & 0xFF); };
    auto put32 = [&](uint32_t v) { put16(static_cast<int>(v & 0xFFFF)), put16(static_cast<int>(v >> 16)); };
    const int pixels = 16 * 16 * 4, mask = 16 * 4;
    put16(0), put16(1), put16(1);                                   // an icon file of one image
    file += '\x10', file += '\x10', file += '\0', file += '\0';  // 16 x 16, no palette
    put16(1), put16(32), put32(40 + pixels + mask), put32(22);
    put32(40), put32(16), put32(32), put16(1), put16(32), put32(0), put32(pixels + mask);
    put32(0), put32(0), put32(0), put32(0);
    for (int i = 0; i < 16 * 16; ++i)
        put32(0xFF000000u | rgb);
    file.append(mask, '\0');
    return file;
}

std::string WriteTempFile(const char* name, const std::string& bytes)
{
    char folder[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, folder);
    const std::string path = std::string(folder) + name;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    return path;
}

bool IsGrey(uint32_t rgb)
{
    return RedOf(rgb) == GreenOf(rgb) && GreenOf(rgb) == BlueOf(rgb);
}

bool IsDarkerThan(uint32_t rgb, uint32_t ground, int by)
{
    return RedOf(rgb) + by <= RedOf(ground) && GreenOf(rgb) + by <= GreenOf(ground) &&
           BlueOf(rgb) + by <= BlueOf(ground);
}

}  // namespace

TEST(NavBarPaintingTest, HotAtAlphaZeroLooksNormalAndAt160Differs)
{
    for (int layout : {0, 1}) {
        NavBarRecord bar = OneItemBar();
        FirstItem(bar).layout = layout;
        TestCanvas normal(110, 100, kGround), hot0(110, 100, kGround), hot160(110, 100, kGround);
        PaintOnCanvas(normal, bar, NavItemLook{});
        PaintOnCanvas(hot0, bar, NavItemLook{true, false, 0});
        PaintOnCanvas(hot160, bar, NavItemLook{true, false, 160});
        EXPECT_EQ(CountDifferences(normal, hot0), 0) << "layout " << layout;
        EXPECT_GT(CountDifferences(normal, hot160), 500) << "layout " << layout;
        // The black outline at the top edge, the white gloss inside.
        EXPECT_TRUE(IsDarkerThan(hot160.Rgb(kX + kW / 2, kY), kGround, 40)) << "layout " << layout;
        EXPECT_GT(RedOf(hot160.Rgb(kX + 6, kY + 4)), RedOf(kGround) + 20) << "layout " << layout;
    }
}

TEST(NavBarPaintingTest, ACheckedItemHasItsShadowRingOnlyOnAHorizontalBar)
{
    NavBarRecord horizontal = OneItemBar(0);
    NavBarRecord vertical = OneItemBar(1);
    FirstItem(horizontal).checked = true;
    FirstItem(vertical).checked = true;
    TestCanvas withRing(110, 100, kGround), withoutRing(110, 100, kGround);
    PaintOnCanvas(withRing, horizontal, NavItemLook{});
    PaintOnCanvas(withoutRing, vertical, NavItemLook{});
    // Below the outline's bottom, inside the shadow box.
    const int x = kX + kW / 2;
    // The ring fades toward the shadow box's edge and is faint there.
    EXPECT_TRUE(IsDarkerThan(withRing.Rgb(x, kY + kH + 1), kGround, 3)) << std::hex << withRing.Rgb(x, kY + kH + 1);
    EXPECT_EQ(withoutRing.Rgb(x, kY + kH + 1), kGround);
    EXPECT_TRUE(IsDarkerThan(withRing.Rgb(x, kY + kH), withoutRing.Rgb(x, kY + kH), 3));
    // Both show the checked look itself: the outline and the light fill.
    EXPECT_EQ(withRing.Rgb(x, kY + kH / 2), withoutRing.Rgb(x, kY + kH / 2));
    EXPECT_TRUE(IsDarkerThan(withoutRing.Rgb(x, kY), kGround, 30));
}

TEST(NavBarPaintingTest, TheDropArrowShowsInEveryState)
{
    struct State {
        const char* name;
        bool checked;
        bool disabled;
        NavItemLook look;
    };
    const State states[] = {
        {"normal", false, false, NavItemLook{}},
        {"hot", false, false, NavItemLook{true, false, 160}},
        {"pressed", false, false, NavItemLook{false, true, 0}},
        {"checked", true, false, NavItemLook{}},
        {"disabled", false, true, NavItemLook{true, false, 160}},
    };
    for (const State& s : states) {
        NavBarRecord bar = OneItemBar();
        WithDropPart(bar);
        FirstItem(bar).checked = s.checked;
        FirstItem(bar).disabled = s.disabled;
        TestCanvas canvas(110, 100, kGround);
        PaintOnCanvas(canvas, bar, s.look);
        const int left = kX + FirstItem(bar).splitOffset + 2;
        const int top = kY + (kH - 5) / 2;
        EXPECT_EQ(canvas.Rgb(left + 3, top), 0x3C3C3Cu) << s.name;
        EXPECT_EQ(canvas.Rgb(left + 3, top + 3), 0x3C3C3Cu) << s.name << ": the tip";
        EXPECT_NE(canvas.Rgb(left, top + 3), 0x3C3C3Cu) << s.name << ": beside the tip";
        // The divider only while hot, pressed or checked, and never disabled.
        const bool divider = !s.disabled && (s.look.hot || s.look.pressed || s.checked);
        const uint32_t line = canvas.Rgb(kX + FirstItem(bar).splitOffset, kY + kH / 2);
        EXPECT_EQ(IsDarkerThan(line, canvas.Rgb(kX + FirstItem(bar).splitOffset + 1, kY + kH / 2), 8), divider)
            << s.name;
    }
}

TEST(NavBarPaintingTest, APictureThatCannotBeReadLeavesItsSquareEmpty)
{
    // The picture square of layout 0: side min(0.8 (75 - 12), 85 - 4) = 50.4 at (27.3, 13).
    auto squareColour = [](const NavBarRecord& bar) {
        TestCanvas canvas(110, 100, kGround);
        PaintOnCanvas(canvas, bar, NavItemLook{});
        return canvas.Rgb(kX + 42, kY + 28);
    };
    NavBarRecord good = OneItemBar();
    EXPECT_EQ(squareColour(good), 0x2050D0u);
    FirstItem(good).disabled = true;
    const uint32_t grey = squareColour(good);
    EXPECT_TRUE(IsGrey(grey)) << std::hex << grey;

    NavBarRecord bad = OneItemBar();
    FirstItem(bad).image = "not a picture";
    EXPECT_EQ(squareColour(bad), kGround);
    FirstItem(bad).disabled = true;
    EXPECT_EQ(squareColour(bad), kGround);
    NavBarRecord missing = OneItemBar();
    FirstItem(missing).imagePath = "Z:\\no\\such\\picture.png";
    EXPECT_EQ(squareColour(missing), kGround);

    // The caption is drawn all the same.
    TestCanvas canvas(110, 100, kGround);
    PaintOnCanvas(canvas, bad, NavItemLook{});
    RECT dark = {};
    EXPECT_TRUE(canvas.DarkBounds(dark, 0x90));
}

TEST(NavBarPaintingTest, PicturesComeFromFilesIconsIncluded)
{
    const std::string png = WriteTempFile("bn_nav_item.png", SolidPng(16, 16, 0xFF20A040));
    const std::string icon = WriteTempFile("bn_nav_item.ico", SolidIcon(0xD03030));
    auto squareColour = [](const std::string& path, bool disabled) {
        NavBarRecord bar = OneItemBar();
        FirstItem(bar).imagePath = path;  // the item's picture bytes stay: the file wins
        FirstItem(bar).disabled = disabled;
        TestCanvas canvas(110, 100, kGround);
        {
            GdipGraphics g;
            g.CreateFromHDC(canvas.Dc());
            PaintNavItem(g, bar, 1, NavItemLook{}, nullptr, canvas.Dc());
        }
        return canvas.Rgb(kX + 42, kY + 28);
    };
    EXPECT_EQ(squareColour(png, false), 0x20A040u);
    EXPECT_EQ(squareColour(icon, false), 0xD03030u);
    const uint32_t greyPng = squareColour(png, true);
    const uint32_t greyIcon = squareColour(icon, true);
    EXPECT_TRUE(IsGrey(greyPng) && RedOf(greyPng) == (0x20 + 0xA0 + 0x40) / 3) << std::hex << greyPng;
    EXPECT_TRUE(IsGrey(greyIcon) && RedOf(greyIcon) == (0xD0 + 0x30 + 0x30) / 3) << std::hex << greyIcon;
    HICON loaded = LoadIconFromFile(icon);
    ASSERT_NE(loaded, nullptr);
    DestroyIcon(loaded);

    // In a bar the icon goes straight into the kept picture, under what GDI+ draws there.
    BarTestForm f = MakeBarTestForm(300, 150, RECT{10, 10, 200, 90});
    ScopedWindow form(f.form);
    SkinNavBar bar;
    bar.Attach(f.host, 85, 75);
    NavBarItemOptions item;
    item.caption = "图标";
    item.imagePath = icon;
    bar.AddItem(item);
    bar.AddItem(item);
    bar.SetItemDisabled(2);
    UpdateWindow(f.host);
    EXPECT_EQ(PixelRgb(bar.GetMemoryDC(), 42, 18), 0xD03030u);
    DrawNavItem(f.host, 1, nullptr, NavItemLook{true, false, 160});
    EXPECT_EQ(PixelRgb(bar.GetMemoryDC(), 42, 18), 0xD03030u);
    EXPECT_EQ(PixelRgb(bar.GetMemoryDC(), 90 + 42, 18), 0x656565u);
    DeleteFileA(png.c_str());
    DeleteFileA(icon.c_str());
}

TEST(NavBarPaintingTest, SeparatorsSitInTheGapAfterTheirItem)
{
    for (int vertical : {0, 1}) {
        NavBarRecord bar = OneItemBar(vertical);
        bar.itemRects[0] = RectF{0, 0, kW, kH};
        bar.separators = {1};
        TestCanvas canvas(110, 100, 0x808080);
        {
            GdipGraphics g;
            g.CreateFromHDC(canvas.Dc());
            PaintNavBarBackground(bar, g);
        }
        // Horizontal: the dark line at x = 85 + 3 from y 4 to 71; vertical: at y = 75 + 3.
        const uint32_t dark = vertical ? canvas.Rgb(40, 78) : canvas.Rgb(88, 40);
        const uint32_t light = vertical ? canvas.Rgb(40, 79) : canvas.Rgb(89, 40);
        EXPECT_LT(RedOf(dark), 0x80) << "vertical " << vertical;
        EXPECT_GT(RedOf(light), 0x80) << "vertical " << vertical;
        EXPECT_EQ(vertical ? canvas.Rgb(40, 80) : canvas.Rgb(90, 40), 0x808080u);
    }
    // After a hidden item (a rectangle of no size) the separator sits 3 pixels right of its place.
    NavBarRecord bar = OneItemBar();
    bar.itemRects[0] = RectF{20, 0, 0, 0};
    FirstItem(bar).hidden = true;
    bar.separators = {1, 7};
    TestCanvas canvas(110, 100, 0x808080);
    {
        GdipGraphics g;
        g.CreateFromHDC(canvas.Dc());
        PaintNavBarBackground(bar, g);
        PaintNavItem(g, bar, 1, NavItemLook{true, false, 160});
    }
    EXPECT_LT(RedOf(canvas.Rgb(23, 40)), 0x80);
}

TEST(NavBarPaintingTest, AnEmptyBarShowsWhatLiesBehindIt)
{
    BarTestForm f = MakeBarTestForm(400, 200, RECT{30, 40, 330, 120});
    ScopedWindow form(f.form);
    SkinNavBar bar;
    bar.Attach(f.host, 85, 75);
    bar.Refresh();
    UpdateWindow(f.host);
    HDC picture = bar.GetMemoryDC();
    ASSERT_NE(picture, nullptr);
    int differing = 0;
    for (int y = 0; y < 80; y += 3)
        for (int x = 0; x < 300; x += 3)
            differing += PixelRgb(picture, x, y) != PatternColour(30 + x, 40 + y);
    EXPECT_EQ(differing, 0);
}

TEST(NavBarPaintingTest, AnOwnPassChangesNothingOutsideItsItem)
{
    BarTestForm f = MakeBarTestForm(400, 200, RECT{30, 40, 330, 120});
    ScopedWindow form(f.form);
    SkinNavBar bar;
    bar.Attach(f.host, 85, 75, std::nullopt, 0xFFFFFF, 60);
    for (int i = 0; i < 3; ++i)
        bar.AddItem(PictureItem(SolidPng(16, 16, 0xFF20A020), "项目"));
    bar.AddSeparator(1);
    bar.AddSeparator(2);
    NavBarItemOptions dropping = PictureItem(SolidPng(16, 16, 0xFF20A020), "下拉");
    dropping.hasDropPart = true;
    bar.AddItem(dropping);
    // Before the first full repaint there is no picture: the own pass draws nothing.
    const int memoryDcs = MemoryDcCount();
    DrawNavItem(f.host, 2, nullptr, NavItemLook{true, false, 160});
    EXPECT_EQ(bar.GetMemoryDC(), nullptr);
    EXPECT_EQ(MemoryDcCount(), memoryDcs);

    UpdateWindow(f.host);
    HDC picture = bar.GetMemoryDC();
    ASSERT_NE(picture, nullptr);
    std::vector<uint32_t> before;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 300; ++x)
            before.push_back(PixelRgb(picture, x, y));
    for (NavItemLook look : {NavItemLook{true, false, 160}, NavItemLook{false, true, 0}}) {
        for (int item : {2, 4}) {
            DrawNavItem(f.host, item, nullptr, look);
            const RECT r = bar.GetItemRect(item);
            int inside = 0;
            for (int y = 0; y < 80; ++y)
                for (int x = 0; x < 300; ++x) {
                    const uint32_t now = PixelRgb(picture, x, y);
                    const bool within = x >= r.left && x < r.right && y >= r.top && y < r.bottom + 3;
                    if (within)
                        inside += now != before[y * 300 + x];
                    else
                        ASSERT_EQ(now, before[y * 300 + x]) << "item " << item << " at " << x << "," << y;
                }
            EXPECT_GT(inside, 100) << "item " << item;
            DrawNavItem(f.host, item);  // back to normal
        }
    }
    // Normal again: the same picture as the full repaint's.
    int differing = 0;
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 300; ++x)
            differing += PixelRgb(picture, x, y) != before[y * 300 + x];
    EXPECT_EQ(differing, 0);
}
