// The navigation bar as a person meets it: real mouse input for the hover fade and a tooltip, many
// lifetimes of a used bar, and a screenshot of the main window's bar on a skinned form; the tips of a
// skinned form's caption buttons and of a tab strip's items under the real mouse.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/core/form_skinning.h"
#include "skin/core/form_test_support.h"
#include "skin/core/memory_dc.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/custom/nav_bar_painting.h"
#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/screen_test_support.h"
#include "skin/custom/tab_strip.h"

namespace {

const char* const kMainCaptions[kProgramNavPictureCount] = {"宝宝取名", "姓名评测", "自选列表", "组合模式",
                                                         "诗词模式", "取英文名", "取小名",   "生辰八字"};

}  // namespace

// Both with real input, one after the other: the mouse is one for every test that runs at the time.
TEST(NavBarScreenTest, RealMouseFadesAnItemAndShowsItsTip)
{
    InitCommonControls();
    BarTestForm f = MakeBarTestForm(400, 200, RECT{10, 40, 270, 118});
    ScopedWindow form(f.form);
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(form);
    PumpUntil([&] { return GetForegroundWindow() == form.get(); }, 1000);
    SkinNavBar bar;
    ASSERT_GT(bar.Attach(f.host, 85, 75), 0);
    for (int i = 0; i < 3; ++i) {
        NavBarItemOptions item;
        item.image = SolidPng(16, 16, 0xFF2060C0);
        item.caption = "宝宝取名";
        item.tipText = i == 2 ? "按姓氏和生辰取名" : "";
        bar.AddItem(item);
    }
    UpdateWindow(f.host);
    NavBarRecord* record = FindNavBar(f.host);
    ASSERT_NE(record, nullptr);
    HWND tip = record->toolTip.tipWindow;
    ASSERT_NE(tip, nullptr);
    SendMessageA(tip, TTM_SETDELAYTIME, TTDT_INITIAL, 30);

    MoveMouseOver(form, 350, 180);
    PumpUntil([] { return false; }, 50);
    MoveMouseOver(f.host, 130, 40);  // item 2
    ASSERT_TRUE(PumpUntil([&] { return record->fadeIn.item == 2 && record->fadeIn.step == kNavFadeSteps; }, 3000,
                          [&] { MoveMouseOver(f.host, 131, 40); }))
        << "fade-in of item 2 at step " << record->fadeIn.step;
    EXPECT_TRUE(record->mouseInside);
    EXPECT_EQ(record->hotItem, 2);
    EXPECT_FALSE(IsWindowVisible(tip)) << "item 2 has no tip";

    // On to item 3, which has one: 2 fades out while 3 fades in, and the tip shows while the mouse rests.
    MoveMouseOver(f.host, 220, 40);
    PumpUntil([] { return false; }, 20);
    MoveMouseOver(f.host, 222, 42);
    ASSERT_TRUE(PumpUntil([&] { return record->fadeIn.item == 3 && record->fadeIn.step == kNavFadeSteps; }));
    EXPECT_EQ(record->fadeOut.item, 2);
    EXPECT_EQ(record->fadeOut.step, kNavFadeSteps);
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) != 0; })) << "the tip shows on rest";

    MoveMouseOver(form, 350, 180);  // off the bar
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(tip) == 0; }, 3000, [&] { MoveMouseOver(form, 351, 180); }))
        << "the tip hides on leave";
    ASSERT_TRUE(PumpUntil([&] { return !record->mouseInside && record->fadeOut.item == 0 && record->fadeIn.item == 0; }))
        << "fade-out step " << record->fadeOut.step;
    EXPECT_EQ(record->hotItem, 0);
    EXPECT_FALSE(KillTimer(f.host, reinterpret_cast<UINT_PTR>(f.host))) << "the fade timer stopped by itself";
}

// The form and the strip hand their mouse messages to their tooltips, which do not subclass them.
TEST(NavBarScreenTest, RealMouseShowsTheTipsOfACaptionButtonAndATabItem)
{
    InitCommonControls();
    ScopedWindow form(ShowProgramLikeForm(500, 300, "提示"));
    SetWindowPos(form, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    SetForegroundWindow(form);
    PumpUntil([&] { return GetForegroundWindow() == form.get(); }, 1000);
    const SkinFormRecord& record = FormRecord(FindSkinnedWindow(form));
    HWND captionTip = record.tooltip.tipWindow;
    ASSERT_NE(captionTip, nullptr);
    SendMessageA(captionTip, TTM_SETDELAYTIME, TTDT_INITIAL, 30);
    const RectF close = record.captionButtons.back()->rect;

    HWND host = CreateBarHost(form, 20, 150, 200, 30);
    SkinTabStrip strip;
    ASSERT_GT(strip.Create(host), 0);
    for (int i = 0; i < 3; ++i) {
        TabItemOptions item;
        item.caption = "标签";
        strip.AddItem(item);
    }
    ASSERT_EQ(strip.SetItemTip(2, "第二页"), 1);
    const RECT second = strip.GetItemRect(2);
    HWND tabTip = FindTabStrip(host)->toolTip.tipWindow;
    ASSERT_NE(tabTip, nullptr);
    SendMessageA(tabTip, TTM_SETDELAYTIME, TTDT_INITIAL, 30);
    UpdateWindow(form);

    const struct {
        const char* what;
        HWND over;
        POINT at;
        HWND tip;
    } cases[] = {
        {"the close button", form, {static_cast<LONG>(close.x + close.width / 2), static_cast<LONG>(close.y + close.height / 2)}, captionTip},
        {"tab item 2", host, {(second.left + second.right) / 2, (second.top + second.bottom) / 2}, tabTip},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        MoveMouseOver(form, 250, 260);  // off both
        PumpUntil([] { return false; }, 50);
        MoveMouseOver(c.over, c.at.x, c.at.y);
        PumpUntil([] { return false; }, 20);
        MoveMouseOver(c.over, c.at.x + 1, c.at.y);
        EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(c.tip) != 0; }, 3000,
                              [&] { MoveMouseOver(c.over, c.at.x, c.at.y + 1); }))
            << "the tip shows on rest";
        MoveMouseOver(form, 250, 260);
        EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(c.tip) == 0; }, 3000,
                              [&] { MoveMouseOver(form, 251, 260); }))
            << "the tip hides on leave";
    }
}

TEST(NavBarScreenTest, ManyLifetimesOfAUsedBarLeaveNothingBehind)
{
    PumpUntil([] { return false; }, 20);
    const int memoryDcs = MemoryDcCount();
    const int tooltips = CountThreadTooltips();
    const std::string picture = SolidPng(8, 8, 0xFF40A040);
    for (int cycle = 0; cycle < 16; ++cycle) {
        BarTestForm f = MakeBarTestForm(400, 200, RECT{10, 40, 270, 118});
        SkinNavBar bar;
        ASSERT_GT(bar.Attach(f.host, 85, 75, std::nullopt, std::nullopt, std::nullopt, true), 0);
        for (int i = 0; i < 3; ++i) {
            NavBarItemOptions item;
            item.image = picture;
            item.caption = "页";
            item.tipText = "提示";
            bar.AddItem(item);
        }
        bar.SetItemDisabled(3);
        UpdateWindow(f.host);
        HoverAt(f.host, 40, 30);
        TickFade(f.host, 3);
        ClickAt(f.host, 130, 30);
        HDC picture = bar.GetMemoryDC();
        ASSERT_NE(picture, nullptr);
        HGDIOBJ bitmap = GetCurrentObject(picture, OBJ_BITMAP);
        DestroyWindow(f.form);
        EXPECT_EQ(GetObjectType(picture), 0u) << "cycle " << cycle;
        EXPECT_EQ(GetObjectType(bitmap), 0u) << "cycle " << cycle;
    }
    EXPECT_TRUE(g_navBars.empty());
    EXPECT_EQ(SkinFormCount(), 0);
    EXPECT_EQ(MemoryDcCount(), memoryDcs);
    EXPECT_EQ(CountThreadTooltips(), tooltips);
}

TEST(NavBarScreenTest, MainWindowBarScreenshot)
{
    ScopedWindow window(MakeScreenshotForm(900, 400, 120, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    // The main window's bar: 85 x 75 items in page mode.
    HWND host = CreateBarHost(window, 12, 32, 8 * 85 + 7 * 5, 78);
    SkinNavBar bar;
    ASSERT_GT(bar.Attach(host, 85, 75, std::nullopt, std::nullopt, std::nullopt, true), 0);
    for (int i = 0; i < kProgramNavPictureCount; ++i) {
        NavBarItemOptions item;
        item.image = ProgramNavPicture(i);
        item.caption = kMainCaptions[i];
        item.layout = 0;
        item.hasDropPart = i == 5;
        bar.AddItem(item);
    }
    bar.AddSeparator(4);
    bar.SetClickCallback(RecordClick);
    bar.SetItemDisabled(7);

    // A vertical bar of pictures left of their captions, with a toggle checked.
    HWND side = CreateBarHost(window, 12, 130, 130, 4 * 36 + 3 * 5 + 3);
    SkinNavBar column;
    ASSERT_GT(column.Attach(side, 130, 36, std::nullopt, 0xFFFFFF, 90, false, 1), 0);
    for (int i = 0; i < 4; ++i) {
        NavBarItemOptions item;
        item.image = ProgramNavPicture(i + 4);
        item.caption = kMainCaptions[i + 4];
        item.layout = 1;
        item.toggle = i == 1;
        item.checked = i == 1;
        column.AddItem(item);
    }

    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    UpdateWindow(host);
    UpdateWindow(side);
    ClickAt(host, 40, 40);  // 宝宝取名 becomes the checked page
    HoverAt(host, 90 * 2 + 40, 40);
    TickFade(host, kNavFadeSteps);  // 自选列表 fully hot
    RECT dropItem = bar.GetItemRect(6);
    Press(host, dropItem.left + 30, 40);  // 取英文名 pressed, the drop part's divider shows
    HoverAt(side, 60, 20);
    TickFade(side, kNavFadeSteps);

    EXPECT_EQ(bar.IsItemChecked(1), 1);
    EXPECT_FALSE(SaveWindowScreenshot(window, "navigation-bar.png").empty());
    Release(host, 5000, 5000);
    ClearRecordedCallbacks();
    EndScreenshotLook();
}
