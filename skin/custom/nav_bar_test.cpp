// The navigation bar's items, clicks, hover fade and page windows, driven by messages.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/core/attached_pages.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_rects.h"
#include "skin/custom/nav_bar_painting.h"
#include "skin/custom/nav_bar_test_support.h"

namespace {

NavBarItemOptions Item(const char* caption, std::optional<int> width = std::nullopt,
                       std::optional<int> height = std::nullopt)
{
    NavBarItemOptions o;
    o.caption = caption;
    o.width = width;
    o.height = height;
    return o;
}

// Moves the pointer with real input and waits until the system has reported it there for a while
// (a move the display server has not caught up with yet can put it back). Without `dispatch` the
// mouse messages this causes are left in the queue, as a window that takes the pointer and closes
// before they are read would leave them.
void PutPointerAt(POINT screen, bool dispatch = true)
{
    const DWORD start = GetTickCount();
    DWORD there = 0;
    MoveMouseTo(screen.x, screen.y);
    while (GetTickCount() - start < 3000) {
        POINT now = {};
        GetCursorPos(&now);
        if (now.x != screen.x || now.y != screen.y) {
            there = 0;
            MoveMouseTo(screen.x, screen.y);
        } else if (!there) {
            there = GetTickCount();
        } else if (GetTickCount() - there >= 150) {
            return;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        if (!dispatch) {
            PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
            continue;
        }
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

class NavBarTest : public testing::Test {
protected:
    void SetUp() override
    {
        ClearRecordedCallbacks();
        f_ = MakeBarTestForm(600, 400, RECT{10, 10, 400, 90});
        form_ = f_.form;
        host_ = f_.host;
        // The real pointer rests on the bar right of the fourth item: the bar asks where it is.
        PutPointerAt(ScreenPoint(host_, 385, 40));
    }
    void TearDown() override
    {
        if (IsWindow(form_))
            DestroyWindow(form_);
        ClearRecordedCallbacks();
    }
    // A bar of `count` items 85 x 75 with callbacks.
    NavBarRecord* Attach(int count, bool pageMode = false, int vertical = 0)
    {
        EXPECT_GT(bar_.Attach(host_, 85, 75, std::nullopt, std::nullopt, std::nullopt, pageMode, vertical), 0);
        for (int i = 0; i < count; ++i)
            bar_.AddItem(Item("项"));
        bar_.SetClickCallback(RecordClick);
        bar_.SetSecondCallback(RecordSecond);
        return FindNavBar(host_);
    }

    BarTestForm f_;
    HWND form_ = nullptr;
    HWND host_ = nullptr;
    SkinNavBar bar_;
};

// The x of item i's middle on a bar of 85-pixel items.
int MiddleOf(int item)
{
    return (item - 1) * 90 + 42;
}

}  // namespace

TEST_F(NavBarTest, ItemsAreLaidOutWithGaps)
{
    bar_.Attach(host_, 85, 75);
    bar_.AddItem(Item("一"));
    bar_.AddItem(Item("二", 60));
    bar_.AddItem(Item("三"));
    EXPECT_TRUE(SameRect(bar_.GetItemRect(1), RECT{0, 0, 85, 75}));
    EXPECT_TRUE(SameRect(bar_.GetItemRect(2), RECT{90, 0, 150, 75}));
    EXPECT_TRUE(SameRect(bar_.GetItemRect(3), RECT{155, 0, 240, 75}));
    EXPECT_TRUE(SameRect(bar_.GetItemRect(4), RECT{}));
    EXPECT_TRUE(SameRect(bar_.GetItemRect(0), RECT{}));

    // Hiding the middle one leaves its two gaps; showing it again restores its size.
    EXPECT_EQ(bar_.SetItemHidden(2), 1);
    EXPECT_EQ(bar_.IsItemHidden(2), 1);
    EXPECT_TRUE(SameRect(bar_.GetItemRect(3), RECT{95, 0, 180, 75}));
    EXPECT_EQ(HitTestNavItem(host_, MouseAt(92, 30)), 0);
    EXPECT_EQ(bar_.SetItemHidden(2, false), 1);
    EXPECT_TRUE(SameRect(bar_.GetItemRect(2), RECT{90, 0, 150, 75}));
    EXPECT_TRUE(SameRect(bar_.GetItemRect(3), RECT{155, 0, 240, 75}));

    // A drop part: the divider 70 pixels in, 13 pixels wide.
    NavBarItemOptions dropping = Item("四");
    dropping.hasDropPart = true;
    bar_.AddItem(dropping);
    const NavBarItem* fourth = RecordAt(FindNavBar(host_)->items, 4);
    EXPECT_EQ(fourth->splitOffset, 70);
    EXPECT_EQ(fourth->dropWidth, 13);
    NavBarItemOptions beyond = Item("五");
    beyond.position = 6;
    EXPECT_EQ(bar_.AddItem(beyond), 0) << "a position outside 1..count adds nothing";
    EXPECT_EQ(RecordCount(FindNavBar(host_)->items), 4);
}

TEST_F(NavBarTest, AVerticalBarStacksItsItems)
{
    Attach(0, false, 1);
    for (int i = 0; i < 3; ++i)
        bar_.AddItem(Item("项"));
    EXPECT_TRUE(SameRect(bar_.GetItemRect(1), RECT{0, 0, 85, 75}));
    EXPECT_TRUE(SameRect(bar_.GetItemRect(2), RECT{0, 80, 85, 155}));
    EXPECT_TRUE(SameRect(bar_.GetItemRect(3), RECT{0, 160, 85, 235}));
    EXPECT_EQ(HitTestNavItem(host_, MouseAt(40, 80)), 2) << "the top edge is inside";
    EXPECT_EQ(HitTestNavItem(host_, MouseAt(0, 100)), 0) << "the left edge is outside";
    EXPECT_EQ(HitTestNavItem(host_, MouseAt(40, 157)), 0) << "the gap";
}

TEST_F(NavBarTest, RemovalKeepsSeparatorsBelowTheNewCount)
{
    Attach(4);
    bar_.AddSeparator(1);
    bar_.AddSeparator(3);
    EXPECT_EQ(bar_.RemoveItem(2), 1);
    EXPECT_EQ(FindNavBar(host_)->separators, std::vector<int>{1});
    EXPECT_TRUE(SameRect(bar_.GetItemRect(3), RECT{180, 0, 265, 75}));
    EXPECT_EQ(bar_.RemoveItem(4), 0);
    EXPECT_EQ(bar_.RemoveItem(0), 0);
}

TEST_F(NavBarTest, ToolKHoldsItemKAfterInsertsAndRemovals)
{
    bar_.Attach(host_, 85, 75);
    NavBarItemOptions a = Item("甲");
    a.tipText = "提示甲";
    NavBarItemOptions c = Item("丙");
    c.tipText = "提示丙";
    bar_.AddItem(a);
    bar_.AddItem(Item("乙"));
    bar_.AddItem(c);
    HWND tip = FindNavBar(host_)->toolTip.tipWindow;
    auto expectTool = [&](int id, const char* text, int left) {
        const ToolReading tool = ReadTool(tip, host_, id);
        if (!text) {
            EXPECT_FALSE(tool.found) << "tool " << id;
            return;
        }
        ASSERT_TRUE(tool.found) << "tool " << id;
        EXPECT_EQ(tool.text, text) << "tool " << id;
        EXPECT_TRUE(SameRect(tool.rect, RECT{left, 0, left + 85, 75})) << "tool " << id << " at " << tool.rect.left;
    };
    expectTool(1, "提示甲", 0);
    expectTool(2, nullptr, 0);
    expectTool(3, "提示丙", 180);

    NavBarItemOptions first = Item("新");
    first.tipText = "提示新";
    first.position = 1;
    ASSERT_EQ(bar_.AddItem(first), 1);
    expectTool(1, "提示新", 0);
    expectTool(2, "提示甲", 90);
    expectTool(3, nullptr, 0);
    expectTool(4, "提示丙", 270);

    bar_.RemoveItem(2);
    expectTool(1, "提示新", 0);
    expectTool(2, nullptr, 0);
    expectTool(3, "提示丙", 180);
    expectTool(4, nullptr, 0);
    EXPECT_EQ(SendMessageA(tip, TTM_GETTOOLCOUNT, 0, 0), 2);
}

TEST_F(NavBarTest, ThePressDrawsAndTheReleaseClicks)
{
    NavBarRecord* bar = Attach(3);
    UpdateWindow(host_);
    PutPointerAt(ScreenPoint(host_, MiddleOf(2), 30));  // where the button will go up
    Press(host_, MiddleOf(1), 30);
    EXPECT_EQ(bar->mouseItem, 1);
    EXPECT_TRUE(bar->buttonDown);
    EXPECT_EQ(GetCapture(), host_);
    Release(host_, MiddleOf(2), 30);
    EXPECT_TRUE(RecordedClicks().empty()) << "a press released over another item clicks neither";
    EXPECT_FALSE(bar->buttonDown);
    EXPECT_EQ(bar->currentItem, 0);
    Press(host_, MiddleOf(2), 30);
    Release(host_, MiddleOf(2) + 20, 60);
    EXPECT_EQ(RecordedClicks(), std::vector<int>{2}) << "released over the pressed item";
    EXPECT_FALSE(bar->buttonDown);
    EXPECT_EQ(bar->currentItem, 2);
    EXPECT_EQ(bar->hotItem, 2);
    EXPECT_EQ(bar->fadeIn.item, 2) << "a plain item fades its hover look in again";

    Release(host_, MiddleOf(3), 30);
    EXPECT_EQ(RecordedClicks().size(), 1u) << "a release without a press clicks nothing";
    ClickAt(host_, 300, 30);
    bar_.SetItemDisabled(3);
    ClickAt(host_, MiddleOf(3), 30);
    EXPECT_EQ(RecordedClicks().size(), 1u) << "outside every item, or on a disabled one, nothing happens";
}

// The colours of the item's pixels in the bar's kept picture, as one text.
std::string ItemPixels(const NavBarRecord& bar, int item)
{
    const RectF& r = bar.itemRects[static_cast<size_t>(item) - 1];
    std::string pixels;
    for (int y = static_cast<int>(r.y); y < static_cast<int>(r.y + r.height); ++y)
        for (int x = static_cast<int>(r.x); x < static_cast<int>(r.x + r.width); ++x)
            pixels += std::to_string(GetPixel(bar.memoryDC, x, y)) + ",";
    return pixels;
}

TEST_F(NavBarTest, TheKeyboardMovesThroughTheItemsMarksTheFocusedOneAndOpensIt)
{
    NavBarRecord* bar = Attach(4, true);
    bar_.SetItemDisabled(3);
    UpdateWindow(host_);
    EXPECT_TRUE(GetWindowLongPtrA(host_, GWL_STYLE) & WS_TABSTOP) << "the bar is a tab stop";
    MSG enter = {host_, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    MSG letter = {host_, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_EQ(SendMessageA(host_, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&enter)),
              DLGC_WANTARROWS | DLGC_WANTMESSAGE);
    EXPECT_EQ(SendMessageA(host_, WM_GETDLGCODE, 'A', reinterpret_cast<LPARAM>(&letter)), DLGC_WANTARROWS);

    const std::string unmarked = ItemPixels(*bar, 1);
    SetFocus(host_);
    ASSERT_EQ(GetFocus(), host_);
    EXPECT_EQ(bar->focusItem, 1) << "with no current item the keyboard starts on the first";
    const std::string marked = ItemPixels(*bar, 1);
    EXPECT_NE(marked, unmarked) << "the focused item shows the focus mark";

    const struct {
        WPARAM key;
        int item;
    } moves[] = {{VK_RIGHT, 2}, {VK_RIGHT, 4}, {VK_RIGHT, 1}, {VK_LEFT, 4}, {VK_UP, 2}, {VK_DOWN, 4},
                 {VK_HOME, 1}, {VK_END, 4}};  // the disabled item 3 is passed over
    for (const auto& m : moves) {
        SendMessageA(host_, WM_KEYDOWN, m.key, 1);
        EXPECT_EQ(bar->focusItem, m.item) << m.key;
    }
    EXPECT_EQ(ItemPixels(*bar, 1), unmarked) << "the mark left item 1";
    EXPECT_TRUE(RecordedClicks().empty());

    SendMessageA(host_, WM_KEYDOWN, VK_RETURN, 1);
    EXPECT_EQ(RecordedClicks(), std::vector<int>{4});
    EXPECT_EQ(bar->currentItem, 4);
    EXPECT_EQ(bar_.IsItemChecked(4), 1);
    SendMessageA(host_, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(RecordedClicks().size(), 1u) << "the page shown already is not reported again";
    SendMessageA(host_, WM_KEYDOWN, VK_HOME, 1);
    SendMessageA(host_, WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(RecordedClicks(), (std::vector<int>{4, 1}));

    // The focus leaves: no mark. It comes back: on the current item.
    SetFocus(form_);
    bar->focusItem = 0;
    SetFocus(host_);
    EXPECT_EQ(bar->focusItem, 1);
}

TEST_F(NavBarTest, AToggleFlipsAndReportsEveryClick)
{
    bar_.Attach(host_, 85, 75);
    NavBarItemOptions toggle = Item("开关");
    toggle.toggle = true;
    toggle.checked = true;
    bar_.AddItem(toggle);
    bar_.AddItem(Item("普通"));
    bar_.SetClickCallback(RecordClick);
    EXPECT_EQ(bar_.IsItemChecked(1), 1);
    ClickAt(host_, MiddleOf(1), 30);
    EXPECT_EQ(bar_.IsItemChecked(1), 0);
    ClickAt(host_, MiddleOf(1), 30);
    EXPECT_EQ(bar_.IsItemChecked(1), 1);
    ClickAt(host_, MiddleOf(2), 30);
    EXPECT_EQ(bar_.IsItemChecked(2), 0) << "a plain item never checks";
    EXPECT_EQ(RecordedClicks(), (std::vector<int>{1, 1, 2}));

    EXPECT_EQ(bar_.SelectItem(1, false), 1);
    EXPECT_EQ(bar_.IsItemChecked(1), 0);
    EXPECT_EQ(bar_.SelectItem(2, true), 0) << "outside page mode only toggles select";
    EXPECT_EQ(RecordedClicks().size(), 3u) << "selecting reports nothing outside page mode";
}

TEST_F(NavBarTest, PageModeShowsOnePageAndReportsOnlyChanges)
{
    bar_.Attach(host_, 85, 75, std::nullopt, std::nullopt, std::nullopt, true);
    bar_.SetClickCallback(RecordClick);
    HWND pages[3];
    for (int i = 0; i < 3; ++i) {
        pages[i] = CreateTestChild(form_, "Static", 0, 0, 10, 10);
        NavBarItemOptions item = Item("页");
        item.pageWindow = pages[i];
        item.checked = i == 0;
        bar_.AddItem(item);
    }
    NavBarRecord* bar = FindNavBar(host_);
    EXPECT_EQ(bar->currentItem, 1);
    EXPECT_TRUE(IsWindowVisible(pages[0]));
    EXPECT_FALSE(IsWindowVisible(pages[1]));

    ClickAt(host_, MiddleOf(1), 30);
    EXPECT_TRUE(RecordedClicks().empty()) << "the page already shown";
    ClickAt(host_, MiddleOf(2), 30);
    EXPECT_EQ(RecordedClicks(), std::vector<int>{2});
    EXPECT_FALSE(IsWindowVisible(pages[0]));
    EXPECT_TRUE(IsWindowVisible(pages[1]));
    EXPECT_EQ(bar_.IsItemChecked(1) + bar_.IsItemChecked(2) * 2 + bar_.IsItemChecked(3) * 4, 2);
    ClickAt(host_, MiddleOf(2), 30);
    EXPECT_EQ(RecordedClicks().size(), 1u);

    // Selecting reports every time, the current page too, and shows the page.
    EXPECT_EQ(bar_.SelectItem(3, true), 1);
    EXPECT_EQ(bar_.SelectItem(3, true), 1);
    EXPECT_EQ(RecordedClicks(), (std::vector<int>{2, 3, 3}));
    EXPECT_FALSE(IsWindowVisible(pages[1]));
    EXPECT_TRUE(IsWindowVisible(pages[2]));
    EXPECT_EQ(bar->currentItem, 3);
    bar_.SetClickCallback(nullptr);
    EXPECT_EQ(bar_.SelectItem(1, true), 1);
    EXPECT_TRUE(IsWindowVisible(pages[0])) << "the page shows without a callback too";
    EXPECT_FALSE(IsWindowVisible(pages[2]));
    bar_.SetItemDisabled(2);
    EXPECT_EQ(bar_.SelectItem(2, true), 0);
    bar_.SetItemHidden(3);
    EXPECT_EQ(bar_.SelectItem(3, true), 0);

    // A checked item added later becomes the only checked item and the current one.
    NavBarItemOptions added = Item("新");
    added.checked = true;
    bar_.AddItem(added);
    EXPECT_EQ(bar_.IsItemChecked(1), 0);
    EXPECT_EQ(bar_.IsItemChecked(4), 1);
    EXPECT_EQ(bar->currentItem, 4);
}

TEST_F(NavBarTest, ADropPartClickCallsOnlyTheSecondCallback)
{
    bar_.Attach(host_, 85, 75, std::nullopt, std::nullopt, std::nullopt, true);
    bar_.AddItem(Item("一"));
    NavBarItemOptions dropping = Item("二");
    dropping.hasDropPart = true;
    bar_.AddItem(dropping);
    bar_.SetClickCallback(RecordClick);
    bar_.SetSecondCallback(RecordSecond);
    NavBarRecord* bar = FindNavBar(host_);
    ClickAt(host_, 90 + 78, 30);
    EXPECT_EQ(RecordedSeconds(), std::vector<int>{2});
    EXPECT_TRUE(RecordedClicks().empty());
    EXPECT_EQ(bar_.IsItemChecked(2), 0);
    EXPECT_EQ(bar->selectedItem, 2);
    EXPECT_EQ(bar->currentItem, 0);
    ClickAt(host_, 90 + 70, 30);  // on the divider: the main part
    EXPECT_EQ(RecordedClicks(), std::vector<int>{2});
    EXPECT_EQ(bar_.IsItemChecked(2), 1);
    EXPECT_EQ(RecordedSeconds().size(), 1u);
}

TEST_F(NavBarTest, MovingFromAToBFadesBothInEightTicks)
{
    NavBarRecord* bar = Attach(3);
    UpdateWindow(host_);
    HoverAt(host_, MiddleOf(1), 30);
    EXPECT_TRUE(bar->mouseInside);
    EXPECT_EQ(bar->hotItem, 1);
    TickFade(host_, kNavFadeSteps);
    EXPECT_EQ(bar->fadeIn.step, kNavFadeSteps);

    SendMessageA(host_, WM_MOUSEMOVE, 0, MouseAt(MiddleOf(2), 30));
    EXPECT_EQ(bar->hotItem, 2);
    for (int tick = 1; tick <= kNavFadeSteps; ++tick) {
        TickFade(host_);
        EXPECT_EQ(bar->fadeIn.item, 2);
        EXPECT_EQ(bar->fadeIn.step, tick);
        EXPECT_EQ(bar->fadeOut.item, 1);
        EXPECT_EQ(bar->fadeOut.step, tick);
    }
    TickFade(host_);
    EXPECT_EQ(bar->fadeIn.step, kNavFadeSteps) << "no step beyond the eighth";

    // A fade-out still running when the next one starts ends at once.
    SendMessageA(host_, WM_MOUSEMOVE, 0, MouseAt(MiddleOf(3), 30));
    TickFade(host_, 3);
    SendMessageA(host_, WM_MOUSEMOVE, 0, MouseAt(MiddleOf(1), 30));
    EXPECT_EQ(bar->fadeOut.item, 3);
    EXPECT_EQ(bar->fadeOut.step, 0);
    EXPECT_EQ(bar->fadeIn.item, 1);
}

TEST_F(NavBarTest, TheTimerStopsOnTheEighthTickAfterLeaving)
{
    NavBarRecord* bar = Attach(2);
    UpdateWindow(host_);
    HoverAt(host_, MiddleOf(2), 30);
    TickFade(host_, 2);
    SendMessageA(host_, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(bar->mouseInside);
    EXPECT_EQ(bar->hotItem, 0);
    EXPECT_EQ(bar->fadeOut.item, 2);
    EXPECT_EQ(bar->fadeIn.item, 0);
    TickFade(host_, kNavFadeSteps - 1);
    EXPECT_EQ(bar->fadeOut.step, kNavFadeSteps - 1);
    TickFade(host_);
    EXPECT_EQ(bar->fadeOut.item, 0);
    EXPECT_EQ(bar->fadeOut.step, 0);
    EXPECT_FALSE(KillTimer(host_, reinterpret_cast<UINT_PTR>(host_))) << "the eighth tick killed the timer";
}

TEST_F(NavBarTest, RemovingTheCurrentOrFadingItemKeepsEveryNumberInRange)
{
    NavBarRecord* bar = Attach(4, true);
    UpdateWindow(host_);
    ClickAt(host_, MiddleOf(3), 30);
    ASSERT_EQ(bar->currentItem, 3);
    HoverAt(host_, MiddleOf(4), 30);
    TickFade(host_, 2);
    SendMessageA(host_, WM_MOUSEMOVE, 0, MouseAt(MiddleOf(2), 30));
    ASSERT_EQ(bar->fadeOut.item, 4);
    ASSERT_EQ(bar->fadeIn.item, 2);

    // Item 2 fades in: it goes; 3 and 4 move down.
    EXPECT_EQ(bar_.RemoveItem(2), 1);
    EXPECT_EQ(bar->fadeIn.item, 0);
    EXPECT_EQ(bar->hotItem, 0);
    EXPECT_EQ(bar->fadeOut.item, 3);
    EXPECT_EQ(bar->currentItem, 2);
    EXPECT_EQ(bar->selectedItem, 2);
    // The fading one goes too, then the current one.
    EXPECT_EQ(bar_.RemoveItem(3), 1);
    EXPECT_EQ(bar->fadeOut.item, 0);
    EXPECT_EQ(bar_.RemoveItem(2), 1);
    EXPECT_EQ(bar->currentItem, 0);
    EXPECT_EQ(RecordCount(bar->items), 1);
    TickFade(host_, kNavFadeSteps + 1);
    SendMessageA(host_, WM_MOUSELEAVE, 0, 0);
    TickFade(host_, kNavFadeSteps + 1);
    ClearRecordedCallbacks();
    ClickAt(host_, MiddleOf(1), 30);
    EXPECT_EQ(RecordedClicks(), std::vector<int>{1});
    ClickAt(host_, MiddleOf(3), 30);
    EXPECT_EQ(RecordedClicks().size(), 1u);
}

namespace {

// A click whose window takes the pointer off the bar (as a modal window the click opens does) and
// closes before the system reports the leave.
int PointerLeavesTheBar(const int* arguments, int count)
{
    RecordClick(arguments, count);
    PutPointerAt(POINT{0, 0}, false);
    return 0;
}

}  // namespace

TEST_F(NavBarTest, AClickWhoseWindowTookThePointerAwayEndsTheHoverLook)
{
    NavBarRecord* bar = Attach(3, true);
    UpdateWindow(host_);
    bar_.SetClickCallback(PointerLeavesTheBar);
    PutPointerAt(ScreenPoint(host_, MiddleOf(2), 30));
    HoverAt(host_, MiddleOf(2), 30);
    ClickAt(host_, MiddleOf(2), 30);
    EXPECT_EQ(RecordedClicks(), std::vector<int>{2});
    EXPECT_EQ(bar->hotItem, 0) << "the hover look ends when the window is gone";
    EXPECT_FALSE(bar->mouseInside);
    EXPECT_EQ(bar->fadeOut.item, 2);
    TickFade(host_, kNavFadeSteps);
    EXPECT_EQ(bar->fadeOut.item, 0) << "the fade-out ran to its end";
    EXPECT_EQ(bar_.IsItemChecked(2), 1) << "the page button stays checked";

    // A window that leaves the pointer on the bar: the item under it stays hot.
    bar_.SetClickCallback(RecordClick);
    PutPointerAt(ScreenPoint(host_, MiddleOf(3), 30));
    ClickAt(host_, MiddleOf(3), 30);
    EXPECT_EQ(bar->hotItem, 3);
}

TEST_F(NavBarTest, AHoverWhosePointerLeftUnreportedEndsAtTheNextFadeStep)
{
    NavBarRecord* bar = Attach(3);
    UpdateWindow(host_);
    HoverAt(host_, MiddleOf(2), 30);
    TickFade(host_, kNavFadeSteps);
    ASSERT_EQ(bar->hotItem, 2);
    PutPointerAt(POINT{0, 0}, false);  // no leave report is read
    TickFade(host_);
    EXPECT_FALSE(bar->mouseInside);
    EXPECT_EQ(bar->hotItem, 0);
    EXPECT_EQ(bar->fadeOut.item, 2);
    TickFade(host_, kNavFadeSteps);
    EXPECT_EQ(bar->fadeOut.item, 0) << "the fade-out ran to its end";
}

TEST_F(NavBarTest, ItemsThatOpenAWindowReportEveryClick)
{
    bar_.Attach(host_, 85, 75, std::nullopt, std::nullopt, std::nullopt, true);
    bar_.AddItem(Item("页"));
    NavBarItemOptions overPage = Item("评测");
    overPage.opensWindow = true;
    bar_.AddItem(overPage);
    NavBarItemOptions keepsPage = Item("八字");
    keepsPage.opensWindow = true;
    keepsPage.keepsPage = true;
    bar_.AddItem(keepsPage);
    bar_.SetClickCallback(RecordClick);
    NavBarRecord* bar = FindNavBar(host_);

    ClickAt(host_, MiddleOf(1), 30);
    ClickAt(host_, MiddleOf(3), 30);
    ClickAt(host_, MiddleOf(3), 30);
    EXPECT_EQ(RecordedClicks(), (std::vector<int>{1, 3, 3})) << "a window button acts on every click";
    EXPECT_EQ(bar->currentItem, 1) << "and leaves the current page";
    EXPECT_EQ(bar_.IsItemChecked(1), 1);
    EXPECT_EQ(bar_.IsItemChecked(3), 0);

    ClickAt(host_, MiddleOf(2), 30);
    ClickAt(host_, MiddleOf(2), 30);
    EXPECT_EQ(RecordedClicks(), (std::vector<int>{1, 3, 3, 2, 2})) << "its window opens again on the current item";
    EXPECT_EQ(bar->currentItem, 2);
    EXPECT_EQ(bar_.IsItemChecked(2), 1);
    EXPECT_EQ(bar_.IsItemChecked(1), 0);
    ClickAt(host_, MiddleOf(3), 30);
    EXPECT_EQ(bar->currentItem, 2);
    ClickAt(host_, MiddleOf(1), 30);
    ClickAt(host_, MiddleOf(1), 30);
    EXPECT_EQ(RecordedClicks(), (std::vector<int>{1, 3, 3, 2, 2, 3, 1})) << "a plain page button acts once";

    // Outside page mode the options mean nothing.
    SkinNavBar plain;
    HWND other = CreateBarHost(form_, 10, 200, 300, 80);
    plain.Attach(other, 85, 75);
    plain.AddItem(keepsPage);
    EXPECT_FALSE(RecordAt(FindNavBar(other)->items, 1)->opensWindow);
}

TEST_F(NavBarTest, AnInsertMovesTheNumbersItPassed)
{
    NavBarRecord* bar = Attach(2, true);
    ClickAt(host_, MiddleOf(2), 30);
    ASSERT_EQ(bar->currentItem, 2);
    NavBarItemOptions first = Item("首");
    first.position = 1;
    bar_.AddItem(first);
    EXPECT_EQ(bar->currentItem, 3);
    EXPECT_EQ(bar_.IsItemChecked(3), 1);
    ClearRecordedCallbacks();
    ClickAt(host_, MiddleOf(3), 30);
    EXPECT_TRUE(RecordedClicks().empty()) << "still the current page";
}

namespace {

HWND g_formToDestroy = nullptr;

int DestroyTheForm(const int*, int)
{
    DestroyWindow(g_formToDestroy);
    return 0;
}

}  // namespace

TEST_F(NavBarTest, ACallbackMayDestroyTheForm)
{
    Attach(2, true);
    UpdateWindow(host_);
    g_formToDestroy = form_;
    bar_.SetClickCallback(DestroyTheForm);
    ClickAt(host_, MiddleOf(2), 30);
    EXPECT_FALSE(IsWindow(form_));
    EXPECT_TRUE(g_navBars.empty());

    SetUp();
    Attach(2, true);
    g_formToDestroy = form_;
    bar_.SetClickCallback(DestroyTheForm);
    EXPECT_EQ(bar_.SelectItem(2, true), 1);
    EXPECT_FALSE(IsWindow(form_));
    EXPECT_EQ(bar_.IsItemChecked(2), 0);
}

TEST_F(NavBarTest, ContentChangesKeepWhatIsNotGiven)
{
    bar_.Attach(host_, 85, 75);
    NavBarItemOptions item = Item("旧");
    item.image = SolidPng(8, 8, 0xFF00FF00);
    item.tipText = "提示";
    bar_.AddItem(item);
    NavBarItemOptions fromFile = Item("文件");
    fromFile.image = SolidPng(8, 8, 0xFF00FF00);
    fromFile.imagePath = "Z:\\nowhere.png";
    bar_.AddItem(fromFile);
    const NavBarRecord* bar = FindNavBar(host_);
    EXPECT_TRUE(RecordAt(bar->items, 2)->image.empty()) << "a path wins over bytes";

    EXPECT_EQ(bar_.SetItemContent(1, std::string("新")), 1);
    const NavBarItem* first = RecordAt(bar->items, 1);
    EXPECT_EQ(bar_.GetItemText(1), "新");
    EXPECT_EQ(first->image, *item.image);
    EXPECT_EQ(first->tipText, "提示");
    EXPECT_TRUE(first->imagePath.empty());
    bar_.SetItemContent(1, std::nullopt, std::nullopt, std::nullopt, std::string("Z:\\pic.png"));
    EXPECT_TRUE(first->image.empty());
    EXPECT_EQ(first->imagePath, "Z:\\pic.png");
    EXPECT_EQ(bar_.SetItemContent(3, std::string("x")), 0);
}

TEST_F(NavBarTest, FontAndCaptionModesWaitForTheNextFullRepaint)
{
    Attach(1);
    UpdateWindow(host_);
    const NavBarRecord* bar = FindNavBar(host_);
    const uint32_t before = PixelRgb(bar->memoryDC, 40, 65);
    EXPECT_EQ(bar_.SetFont(std::string("黑体"), 20, 0x0000FF), 1);
    EXPECT_EQ(bar_.SetInverseCaptions(), 1);
    EXPECT_FALSE(bar->dirty);
    EXPECT_EQ(PixelRgb(bar->memoryDC, 40, 65), before);
    EXPECT_EQ(bar->fontName, "黑体");
    EXPECT_EQ(bar->fontSize, 20);
    EXPECT_EQ(bar->haloColour, 0xFFFFFFu);
    EXPECT_TRUE(bar->fontSet);
    EXPECT_FALSE(bar->haloText);
    EXPECT_TRUE(bar->inverseCaptions);
}

TEST(NavBarPagesTest, PagesAreRegisteredAndPlacedOnAFormAndInAContainer)
{
    ScopedWindow form(CreateTestForm(0, 0, 600, 400));
    const int n = SkinTestForm(form);
    FormRecord(n).statusHeight = 20;
    FormRecord(n).attachedPages.push_back(AttachedPage{});  // the placeholder of a new form
    HWND host = CreateBarHost(form, 10, 10, 400, 78);
    SkinNavBar bar;
    bar.Attach(host, 85, 75, std::nullopt, std::nullopt, std::nullopt, true);
    HWND page = CreateWindowExA(0, "Static", "", WS_POPUP | WS_CLIPCHILDREN, 0, 0, 10, 10, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    NavBarItemOptions item;
    item.pageWindow = page;
    item.checked = true;
    bar.AddItem(item);
    EXPECT_EQ(GetParent(page), form.get());
    const LONG_PTR style = GetWindowLongPtrA(page, GWL_STYLE);
    EXPECT_TRUE(style & WS_CHILD);
    EXPECT_FALSE(style & (WS_POPUP | WS_CLIPCHILDREN));
    EXPECT_TRUE(IsWindowVisible(page));
    const auto& pages = FormRecord(n).attachedPages;
    ASSERT_EQ(pages.size(), 1u) << "the placeholder made way";
    EXPECT_EQ(pages[0].page, page);
    EXPECT_EQ(pages[0].top, 88);
    EXPECT_EQ(pages[0].left, 2);
    EXPECT_TRUE(pages[0].fill);
    EXPECT_TRUE(SameRect(GetRectInAncestorClient(page), RECT{2, 88, 598, 400 - 20 - 2}));
    // The form lays it out on its size changes; the bar re-places it when it moves.
    LayoutAttachedPages(n);
    EXPECT_TRUE(SameRect(GetRectInAncestorClient(page), RECT{2, 88, 598, 400 - 20 - 4}));
    SetWindowPos(host, nullptr, 10, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_TRUE(SameRect(GetRectInAncestorClient(page), RECT{2, 108, 598, 400 - 20 - 4}));

    // A vertical bar in a registered container: the page lies right of it.
    HWND box = CreateTestChild(form, "Static", 100, 100, 400, 250);
    const int index = RegisterTestContainer(n, box, 0, 255, kContainerKindOther);
    HWND column = CreateBarHost(box, 0, 10, 90, 200);
    SkinNavBar side;
    side.Attach(column, 85, 40, std::nullopt, std::nullopt, std::nullopt, true, 1);
    HWND sidePage = CreateTestChild(box, "Static", 0, 0, 5, 5);
    NavBarItemOptions sideItem;
    sideItem.pageWindow = sidePage;
    side.AddItem(sideItem);
    EXPECT_FALSE(IsWindowVisible(sidePage)) << "an unchecked item's page is hidden";
    const auto& boxPages = RecordAt(FormRecord(n).containers, index)->attachedPages;
    ASSERT_EQ(boxPages.size(), 1u);
    EXPECT_EQ(boxPages[0].top, 10);
    EXPECT_EQ(boxPages[0].left, 90);
    EXPECT_FALSE(boxPages[0].fill);
    EXPECT_TRUE(SameRect(GetRectInAncestorClient(sidePage), RECT{90, 10, 398, 248}));

    // Outside page mode a page window is ignored.
    HWND plainHost = CreateBarHost(form, 10, 300, 200, 78);
    SkinNavBar plain;
    plain.Attach(plainHost, 85, 75);
    HWND ignored = CreateTestChild(form, "Static", 0, 0, 5, 5);
    NavBarItemOptions plainItem;
    plainItem.pageWindow = ignored;
    plain.AddItem(plainItem);
    EXPECT_EQ(RecordAt(FindNavBar(plainHost)->items, 1)->pageWindow, nullptr);
    EXPECT_TRUE(IsWindowVisible(ignored));
    EXPECT_EQ(FormRecord(n).attachedPages.size(), 1u);
}
