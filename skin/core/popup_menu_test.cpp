// A real skin popup menu over a skinned form: the menu window taken over (subclass, alpha, rounded
// corners), every item painted, an item chosen with the keyboard reaching the menu's handler, the empty
// menu bar the form is given once, and the picture of the open menu.
#include <gtest/gtest.h>

#include <set>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/controls/draw_item.h"
#include "skin/core/dialog_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_menus.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

constexpr DWORD kMenuWaitMs = 3000;

std::vector<int>& Chosen()
{
    static std::vector<int> chosen;
    return chosen;
}

int ChosenHandler(const int* arguments, int count)
{
    Chosen().insert(Chosen().end(), arguments, arguments + count);
    return 0;
}

// The items the dispatch was asked to paint, by item number.
std::set<int>& Painted()
{
    static std::set<int> painted;
    return painted;
}

MenuItemPainter g_realPainter = nullptr;

void CountingPainter(int formNumber, const DRAWITEMSTRUCT& item)
{
    Painted().insert(ItemNumberOfId(SkinMenuItemId(item.itemID, item.itemData)));
    g_realPainter(formNumber, item);
}

// A 16 x 16 picture: a blue disc on transparency (PNG).
std::string DiscPicture()
{
    GdipBitmap bitmap;
    bitmap.CreateBitmapFromScan0Default(16, 16);
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(bitmap);
        GdipSolidBrush blue;
        blue.CreateSolidFill(0xFF2060D0);
        graphics.FillEllipse(blue, 1, 1, 14, 14);
    }
    return bitmap.SaveImageToStream(kImageFormatPng);
}

class PopupMenuTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_skinBaseColour = RGB(150, 200, 150);
        g_themeColour = RGB(0x51, 0xAE, 0x51);
        form_ = CreateFrameForm(200, 150, 400, 300, 0, false);
        SkinForm(form_);
        ShowWindow(form_, SW_SHOW);
        UpdateWindow(form_);
        Chosen().clear();
        Painted().clear();
    }
    void TearDown() override
    {
        DestroyWindow(form_);
        g_skinBaseColour = 0;
        g_themeColour = kStartThemeColour;
    }
    HWND form_ = nullptr;
};

int MakeProgramMenu()
{
    const int n = CreateSkinPopupMenu();
    SkinMenuItemOptions picture;
    picture.picture = DiscPicture();
    AddSkinMenuItem(n, "复制名字", picture);
    SkinMenuItemOptions checked;
    checked.checked = true;
    AddSkinMenuItem(n, "加入收藏", checked);
    AddSkinMenuItem(n, "测试打分");
    SkinMenuItemOptions disabled;
    disabled.disabled = true;
    AddSkinMenuItem(n, "删除选中", disabled);
    SkinMenuItemOptions separator;
    separator.separator = true;
    AddSkinMenuItem(n, "", separator);
    AddSkinMenuItem(n, "导出列表");
    SetSkinMenuCallback(n, ChosenHandler);
    return n;
}

}  // namespace

TEST_F(PopupMenuTest, KeysChooseAnItemOfTheTakenOverMenu)
{
    const int n = MakeProgramMenu();
    g_realPainter = g_menuItemPainter;
    g_menuItemPainter = CountingPainter;

    HWND menuWindow = nullptr;
    int alpha = -1;
    bool rounded = false, subclassed = false;
    std::vector<RECT> items;
    std::string saved;
    int stage = 0;
    const DWORD start = GetTickCount();
    TimerScript script(20, [&] {
        if (GetTickCount() - start > kMenuWaitMs) {
            ADD_FAILURE() << "stuck at stage " << stage;
            EndMenu();
            return true;
        }
        menuWindow = OpenPopupMenuWindow();
        if (!menuWindow)
            return false;
        if (stage == 0) {
            if (Painted().size() < 6)
                return false;
            alpha = LayeredAlpha(menuWindow);
            rounded = HasRoundRegion(menuWindow, 3);
            subclassed = GetPropA(menuWindow, kPropHwProc) != nullptr;
            for (int i = 0; i < 6; ++i) {
                RECT item = {};
                GetMenuItemRect(form_, SkinMenuAt(n)->menu, static_cast<UINT>(i), &item);
                items.push_back(item);
            }
            for (int i = 0; i < 3; ++i)
                PostMessageA(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
            stage = 1;
            return false;
        }
        if (!(GetMenuState(SkinMenuAt(n)->menu, 2, MF_BYPOSITION) & MF_HILITE))
            return false;
        RedrawWindow(menuWindow, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_FRAME);
        saved = SaveWholeWindowScreenshot(menuWindow, "popup-menu.png");
        PostMessageA(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
        return true;
    });
    RECT r = {};
    GetWindowRect(form_, &r);
    EXPECT_TRUE(PopupSkinMenuAtCursor(n, form_, r.left + 40, r.top + 60));
    PumpFor(50);
    g_menuItemPainter = g_realPainter;

    EXPECT_TRUE(subclassed);
    EXPECT_EQ(alpha, 240);
    EXPECT_TRUE(rounded);
    EXPECT_EQ(Painted(), (std::set<int>{1, 2, 3, 4, 5, 6})) << "every item, the separator too";
    ASSERT_EQ(items.size(), 6u);
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE(i);
        // The system adds its check-mark column to the measured width.
        EXPECT_EQ(items[i].right - items[i].left, 150 + 14);
        EXPECT_EQ(items[i].bottom - items[i].top, i == 4 ? 12 : 22) << "measured by the menu service";
    }
    EXPECT_EQ(Chosen(), std::vector<int>{3});
    EXPECT_FALSE(saved.empty());
}

TEST_F(PopupMenuTest, TheFormGetsOneEmptyMenuBar)
{
    const int n = MakeProgramMenu();
    ASSERT_EQ(GetMenu(form_), nullptr);
    RECT before = {};
    GetClientRect(form_, &before);
    for (int round = 0; round < 2; ++round) {
        TimerScript script(20, [] {
            if (!OpenPopupMenuWindow())
                return false;
            EndMenu();
            return true;
        });
        EXPECT_TRUE(PopupSkinMenuAtCursor(n, form_, 300, 300));
        static HMENU first = nullptr;
        const HMENU bar = GetMenu(form_);
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(GetWindowPropHandle<HMENU>(form_, kPropFormMenu), bar);
        if (round == 0)
            first = bar;
        else
            EXPECT_EQ(bar, first) << "given once";
    }
    RECT after = {};
    GetClientRect(form_, &after);
    EXPECT_TRUE(EqualRect(&before, &after)) << "an empty bar takes no room on a frameless form";
    EXPECT_TRUE(Chosen().empty());
}
