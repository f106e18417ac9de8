// The look of skin menu items, painted off screen from made-up DRAWITEMSTRUCTs: separators, disabled
// text, check marks over pictures, the highlight, the background with and without a skin picture, and
// what the owner-draw dispatch paints.
#include <gtest/gtest.h>

#include <string>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/draw_item.h"
#include "skin/core/memory_dc.h"
#include "skin/core/menu_painting.h"
#include "skin/core/skin_menus.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_test_support.h"

namespace {

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kBlue = 0x0000FF;

class MenuPaintingTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_themeColour = RGB(0x51, 0xAE, 0x51);
        g_skinBaseColour = RGB(200, 220, 240);
        g_skinImage.clear();
    }
    void TearDown() override
    {
        g_themeColour = kStartThemeColour;
        g_skinBaseColour = 0;
        g_skinImage.clear();
    }
};

// A 16 x 16 picture of one colour (PNG).
std::string SolidPicture(uint32_t rgb)
{
    GdipBitmap bitmap;
    bitmap.CreateBitmapFromScan0Default(16, 16);
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(bitmap);
        graphics.GraphicsClear(0xFF000000u | rgb);
    }
    return bitmap.SaveImageToStream(kImageFormatPng);
}

// What the system hands the owner for item i of menu n: its ids, its place, the target context.
DRAWITEMSTRUCT ItemOf(int n, int i, HDC dc, int width, int height, UINT state = 0)
{
    const HMENU menu = SkinMenuAt(n)->menu;
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = GetMenuItemID(menu, i - 1);
    if (item.itemID == static_cast<UINT>(-1))
        item.itemID = 0;
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_DATA;
    GetMenuItemInfoA(menu, static_cast<UINT>(i - 1), TRUE, &info);
    item.itemData = info.dwItemData;
    item.itemState = state;
    item.hwndItem = reinterpret_cast<HWND>(menu);
    item.hDC = dc;
    item.rcItem = RECT{0, 0, width, height};
    return item;
}

// PaintMenuItemContent onto a skin memory context (a bottom-up DIB, as the painter gets from
// PaintMenuItem) holding the canvas's pixels, copied back onto the canvas.
void PaintContent(TestCanvas& canvas, DRAWITEMSTRUCT item)
{
    HDC memory = CreateMemoryDC(canvas.Width(), canvas.Height());
    ASSERT_NE(memory, nullptr);
    BitBlt(memory, 0, 0, canvas.Width(), canvas.Height(), canvas.Dc(), 0, 0, SRCCOPY);
    item.hDC = memory;
    PaintMenuItemContent(item, memory);
    BitBlt(canvas.Dc(), 0, 0, canvas.Width(), canvas.Height(), memory, 0, 0, SRCCOPY);
    GdiFlush();
    ReleaseMemoryDC(memory);
}

// The colour pixels of the area that differ from the background.
std::vector<uint32_t> ChangedPixels(const TestCanvas& canvas, RECT area, uint32_t background)
{
    std::vector<uint32_t> changed;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (canvas.Rgb(x, y) != background)
                changed.push_back(canvas.Rgb(x, y));
    return changed;
}

}  // namespace

TEST_F(MenuPaintingTest, SeparatorLinesSitInTheMiddle)
{
    const int n = CreateSkinPopupMenu();
    SkinMenuItemOptions separator;
    separator.separator = true;
    ASSERT_TRUE(AddSkinMenuItem(n, "", separator));
    TestCanvas canvas(150, 12, kGrey);
    PaintContent(canvas, ItemOf(n, 1, canvas.Dc(), 150, 12));

    const uint32_t theme = 0x51AE51;
    const uint32_t dark = Blend(Blend(kGrey, 0x000000, 80), theme, 80);
    const uint32_t light = Blend(kGrey, 0xFFFFFF, 160);
    for (int x : {30, 75, 140}) {
        SCOPED_TRACE(x);
        EXPECT_TRUE(RgbNear(canvas.Rgb(x, 6), dark, 3)) << std::hex << canvas.Rgb(x, 6);
        EXPECT_TRUE(RgbNear(canvas.Rgb(x, 7), light, 3)) << std::hex << canvas.Rgb(x, 7);
        for (int y : {0, 5, 8, 11})
            EXPECT_EQ(canvas.Rgb(x, y), kGrey) << y;
    }
    EXPECT_EQ(canvas.Rgb(10, 6), kGrey) << "the icon column is left alone";
    EXPECT_EQ(canvas.Rgb(148, 6), kGrey);
}

TEST_F(MenuPaintingTest, DisabledTextIsGreyWhateverItsColour)
{
    const int n = CreateSkinPopupMenu();
    ASSERT_TRUE(AddSkinMenuItem(n, "复制名字"));
    SkinMenuItemAt(n, 1)->textColour = RGB(255, 0, 0);
    // The text is smoothed toward the background: every pixel lies between white and the colour,
    // and the strokes reach the colour itself.
    for (const auto& [state, colour] : {std::pair<UINT, uint32_t>{0u, 0xFF0000}, {ODS_DISABLED, kGrey}}) {
        SCOPED_TRACE(state);
        TestCanvas canvas(150, 22, 0xFFFFFF);
        PaintContent(canvas, ItemOf(n, 1, canvas.Dc(), 150, 22, state));
        const std::vector<uint32_t> text = ChangedPixels(canvas, RECT{22, 0, 150, 22}, 0xFFFFFF);
        ASSERT_GT(text.size(), 20u) << "the text is drawn";
        int full = 0;
        for (uint32_t pixel : text) {
            full += pixel == colour;
            if (colour == kGrey)
                ASSERT_TRUE(RedOf(pixel) == GreenOf(pixel) && GreenOf(pixel) == BlueOf(pixel) && RedOf(pixel) >= 0x80)
                    << std::hex << pixel;
            else
                ASSERT_TRUE(RedOf(pixel) == 0xFF && GreenOf(pixel) == BlueOf(pixel)) << std::hex << pixel;
        }
        EXPECT_GT(full, 0);
        EXPECT_TRUE(ChangedPixels(canvas, RECT{0, 0, 22, 22}, 0xFFFFFF).empty());
    }
}

TEST_F(MenuPaintingTest, ACheckedItemShowsTheTickInsteadOfItsPicture)
{
    const int n = CreateSkinPopupMenu();
    SkinMenuItemOptions options;
    options.picture = SolidPicture(kBlue);
    ASSERT_TRUE(AddSkinMenuItem(n, "", options));
    const auto blueInMargin = [](const TestCanvas& canvas) {
        int blue = 0;
        for (int y = 3; y < 19; ++y)
            for (int x = 2; x < 18; ++x)
                blue += canvas.Rgb(x, y) == kBlue;
        return blue;
    };

    TestCanvas plain(150, 22, 0xFFFFFF);
    PaintContent(plain, ItemOf(n, 1, plain.Dc(), 150, 22));
    EXPECT_EQ(blueInMargin(plain), 16 * 16) << "the picture fills (2, 3, 16, 16)";

    ASSERT_TRUE(SetSkinMenuItemChecked(n, 1, true));
    TestCanvas checked(150, 22, 0xFFFFFF);
    PaintContent(checked, ItemOf(n, 1, checked.Dc(), 150, 22));
    EXPECT_EQ(blueInMargin(checked), 0);
    const std::vector<uint32_t> tick = ChangedPixels(checked, RECT{3, 4, 17, 18}, 0xFFFFFF);
    ASSERT_GT(tick.size(), 10u) << "the tick is drawn in (3, 4, 14, 14)";
    EXPECT_TRUE(ChangedPixels(checked, RECT{0, 0, 150, 4}, 0xFFFFFF).empty());
    EXPECT_TRUE(ChangedPixels(checked, RECT{18, 0, 150, 22}, 0xFFFFFF).empty());
}

TEST_F(MenuPaintingTest, TheHighlightIsARoundedThemeFace)
{
    const int n = CreateSkinPopupMenu();
    ASSERT_TRUE(AddSkinMenuItem(n, ""));
    MENUITEMINFOA hilite = {};
    hilite.cbSize = sizeof(hilite);
    hilite.fMask = MIIM_STATE;
    hilite.fState = MFS_HILITE;
    ASSERT_TRUE(SetMenuItemInfoA(SkinMenuAt(n)->menu, 0, TRUE, &hilite));
    TestCanvas canvas(150, 22, 0xFFFFFF);
    PaintContent(canvas, ItemOf(n, 1, canvas.Dc(), 150, 22));

    const uint32_t face = Blend(0xFFFFFF, 0x51AE51, 80);
    for (auto [x, y] : {std::pair{10, 10}, {75, 3}, {140, 18}})
        EXPECT_TRUE(RgbNear(canvas.Rgb(x, y), face, 3)) << x << "," << y << " " << std::hex << canvas.Rgb(x, y);
    EXPECT_TRUE(RgbNear(canvas.Rgb(75, 0), Blend(face, 0, 80), 3)) << "the outline";
    EXPECT_EQ(canvas.Rgb(1, 10), 0xFFFFFFu) << "left of the face";
    EXPECT_EQ(canvas.Rgb(149, 10), 0xFFFFFFu) << "right of the face";
}

TEST_F(MenuPaintingTest, AnItemWithoutARecordShowsTheTextTheMenuHolds)
{
    // A menu the program made itself, and a skin menu asked for an item it does not have.
    HMENU menu = CreatePopupMenu();
    ASSERT_TRUE(AppendMenuA(menu, MF_STRING, 77, "外部"));
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_MENU;
    item.itemID = 77;
    item.hwndItem = reinterpret_cast<HWND>(menu);
    item.rcItem = RECT{0, 0, 150, 22};
    TestCanvas canvas(150, 22, 0xFFFFFF);
    item.hDC = canvas.Dc();
    PaintContent(canvas, item);
    EXPECT_GT(ChangedPixels(canvas, RECT{22, 0, 150, 22}, 0xFFFFFF).size(), 20u);
    DestroyMenu(menu);

    const int n = CreateSkinPopupMenu();
    ASSERT_TRUE(AddSkinMenuItem(n, "一"));
    TestCanvas other(150, 22, 0xFFFFFF);
    DRAWITEMSTRUCT missing = ItemOf(n, 1, other.Dc(), 150, 22);
    missing.itemID = static_cast<UINT>(SkinMenuCommandId(n, 9));
    missing.itemData = 9;
    PaintContent(other, missing);
    EXPECT_TRUE(ChangedPixels(other, RECT{0, 0, 150, 22}, 0xFFFFFF).empty()) << "nothing to show, nothing read";
}

TEST_F(MenuPaintingTest, BackgroundIsTheOwnersFrameWhenASkinPictureIsLoaded)
{
    ScopedWindow window(CreateTestForm(20, 20, 300, 200));
    const int form = SkinTestForm(window);
    PaintTestFrame(form);
    const int n = CreateSkinPopupMenu();
    ASSERT_TRUE(AddSkinMenuItem(n, ""));
    const int captionHeight = FormRecord(form).captionHeight;
    const uint32_t base = 0xC8DCF0;
    const int w = 150, h = 22;
    // The item sits 30 pixels down its menu.
    const RECT place{0, 30, w, 30 + h};
    const auto veil = [&](uint32_t under, int x) { return Blend(under, 0xFFFFFF, 220 - 20 * x / w); };

    struct Case {
        const char* what;
        bool picture;
        HWND owner;
        bool frameBeneath;
    } cases[] = {
        {"no skin picture", false, window, false},
        {"skin picture", true, window, true},
        {"skin picture, no owner form", true, nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_skinImage = c.picture ? SolidPicture(0x123456) : std::string();
        TestCanvas canvas(w, 60, 0x000000);
        DRAWITEMSTRUCT item = ItemOf(n, 1, canvas.Dc(), w, h);
        item.rcItem = place;
        PaintMenuItem(c.owner, item);
        for (int x : {40, 100, 145}) {
            const uint32_t under = c.frameBeneath ? Blend(PatternColour(x, 30 + captionHeight + 10), base, 200) : base;
            EXPECT_TRUE(RgbNear(canvas.Rgb(x, 30 + 10), veil(under, x), 4))
                << x << " " << std::hex << canvas.Rgb(x, 40) << " " << veil(under, x);
        }
        // The icon column: theme at 50, then white from 150 down to 20.
        const uint32_t column = Blend(Blend(veil(base, 5), 0x51AE51, 50), 0xFFFFFF, 150 - 130 * 5 / 20);
        if (!c.frameBeneath) {
            EXPECT_TRUE(RgbNear(canvas.Rgb(5, 40), column, 6)) << std::hex << canvas.Rgb(5, 40) << " " << column;
        }
        EXPECT_EQ(canvas.Rgb(75, 29), 0u) << "only the item's rectangle is painted";
        EXPECT_EQ(canvas.Rgb(75, 30 + h), 0u);
    }
}

TEST_F(MenuPaintingTest, TheDispatchPaintsOnlySkinMenus)
{
    const int n = CreateSkinPopupMenu();
    ASSERT_NE(g_menuItemPainter, nullptr) << "installed with the first menu";
    ASSERT_TRUE(AddSkinMenuItem(n, "一"));
    TestCanvas skin(150, 22, 0);
    HandleDrawItem(0, ItemOf(n, 1, skin.Dc(), 150, 22));
    EXPECT_NE(skin.Rgb(75, 11), 0u) << "painted with no owner form too";

    HMENU plain = CreatePopupMenu();
    AppendMenuA(plain, MF_STRING, 5, "x");
    TestCanvas other(150, 22, 0);
    DRAWITEMSTRUCT item = ItemOf(n, 1, other.Dc(), 150, 22);
    item.hwndItem = reinterpret_cast<HWND>(plain);
    HandleDrawItem(0, item);
    EXPECT_TRUE(ChangedPixels(other, RECT{0, 0, 150, 22}, 0).empty());
    DestroyMenu(plain);
}
