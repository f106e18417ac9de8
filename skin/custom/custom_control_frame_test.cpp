// The frame every custom control shares, seen through the navigation bar: records found through the
// index property and renumbered at a detach, calls on an unattached object, the dirty flag, the paint
// cycle, the passing on of messages and a second attach.
#include <gtest/gtest.h>

#include "skin/controls/form_repaint.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"
#include "skin/custom/nav_bar_painting.h"
#include "skin/custom/nav_bar_test_support.h"

namespace {

// The procedure under the bar: counts every message that reaches it, then lets the Static answer.
std::vector<UINT>& PassedOn()
{
    static std::vector<UINT> messages;
    return messages;
}

WNDPROC g_staticProc = nullptr;

LRESULT CALLBACK CountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PassedOn().push_back(message);
    return CallWindowProcA(g_staticProc, window, message, wParam, lParam);
}

HWND CountingHost(HWND parent)
{
    HWND host = CreateBarHost(parent, 10, 10, 200, 80);
    g_staticProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(host, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CountingProc)));
    return host;
}

int TimesPassedOn(UINT message)
{
    int n = 0;
    for (UINT m : PassedOn())
        n += m == message;
    return n;
}

}  // namespace

TEST(CustomControlFrameTest, DetachingTheFirstBarRenumbersTheSecond)
{
    BarTestForm f = MakeBarTestForm(400, 300, RECT{10, 10, 300, 90});
    ScopedWindow form(f.form);
    HWND second = CreateBarHost(f.form, 10, 100, 300, 80);
    SkinNavBar first;
    ASSERT_EQ(first.Attach(f.host, 85, 75), 1);
    SkinNavBar& object = g_navBar;
    ASSERT_EQ(object.Attach(second, 60, 60), 2);
    EXPECT_EQ(GetWindowPropNumber(second, kPropHwFormNumber), f.number);
    EXPECT_EQ(GetWindowPropNumber(second, kPropHwListIndex), 2);

    const int tooltips = CountThreadTooltips();
    DestroyWindow(f.host);
    EXPECT_EQ(CountThreadTooltips(), tooltips - 1) << "the bar's tooltip window goes with it";
    ASSERT_EQ(RecordCount(g_navBars), 1);
    EXPECT_EQ(GetWindowPropNumber(second, kPropHwListIndex), 1);
    EXPECT_EQ(object.AddItem(PictureItem("", "取名")), 1)
        << "the object still reaches its bar";
    EXPECT_EQ(object.GetItemText(1), "取名");
    EXPECT_EQ(first.AddItem(), 0) << "the destroyed bar's object finds nothing";
    EXPECT_EQ(FindNavBar(second)->itemRects[0].width, 60);

    DestroyWindow(second);
    EXPECT_TRUE(g_navBars.empty());
    EXPECT_EQ(object.GetItemText(1), "");
    g_navBar = SkinNavBar();
}

TEST(CustomControlFrameTest, EveryCallBeforeAttachFails)
{
    SkinNavBar bar;
    EXPECT_EQ(bar.SetClickCallback(RecordClick), 0);
    EXPECT_EQ(bar.SetSecondCallback(RecordSecond), 0);
    EXPECT_EQ(bar.Refresh(), 0);
    EXPECT_EQ(bar.AddItem(), 0);
    EXPECT_EQ(bar.AddSeparator(1), 0);
    EXPECT_EQ(bar.RemoveItem(1), 0);
    EXPECT_EQ(bar.SetFont(), 0);
    EXPECT_EQ(bar.SetInverseCaptions(), 0);
    EXPECT_EQ(bar.SelectItem(1, true), 0);
    EXPECT_EQ(bar.IsItemChecked(1), 0);
    EXPECT_EQ(bar.IsItemHidden(1), 0);
    EXPECT_EQ(bar.IsItemDisabled(1), 0);
    const RECT r = bar.GetItemRect(1);
    EXPECT_EQ(r.left | r.top | r.right | r.bottom, 0);
    EXPECT_EQ(bar.SetItemContent(1, std::string("x")), 0);
    EXPECT_EQ(bar.GetItemText(1), "");
    EXPECT_EQ(bar.SetItemDisabled(1), 0);
    EXPECT_EQ(bar.SetItemHidden(1), 0);
    EXPECT_EQ(bar.GetMemoryDC(), nullptr);
    EXPECT_EQ(InvalidateNavBar(nullptr), 0);
    EXPECT_EQ(DetachNavBar(nullptr), 0);
}

TEST(CustomControlFrameTest, FormBackgroundsMarkTheBarOnlyWithoutTheContainersFlag)
{
    BarTestForm f = MakeBarTestForm(400, 300, RECT{10, 10, 300, 90});
    ScopedWindow form(f.form);
    SkinNavBar bar;
    bar.Attach(f.host, 85, 75);
    NavBarRecord* record = FindNavBar(f.host);
    EXPECT_FALSE(record->dirty) << "a new bar starts clean";
    MarkFormBackgroundsDirty(f.form, true);
    EXPECT_FALSE(record->dirty);
    MarkFormBackgroundsDirty(f.form, false);
    EXPECT_TRUE(record->dirty);
}

TEST(CustomControlFrameTest, ACleanPaintOnlyCopiesTheKeptPicture)
{
    BarTestForm f = MakeBarTestForm(400, 300, RECT{30, 40, 230, 120});
    ScopedWindow form(f.form);
    SkinNavBar bar;
    bar.Attach(f.host, 85, 75);
    UpdateWindow(f.host);
    EXPECT_EQ(bar.GetMemoryDC(), nullptr) << "nothing is painted before the first item";

    bar.AddItem(PictureItem(SolidPng(8, 8, 0xFF0000FF), "取名"));
    ASSERT_TRUE(FindNavBar(f.host)->dirty);
    UpdateWindow(f.host);
    HDC kept = bar.GetMemoryDC();
    ASSERT_NE(kept, nullptr);
    EXPECT_FALSE(FindNavBar(f.host)->dirty);

    // A mark only the kept picture holds: a clean paint shows it and keeps the same picture.
    SetPixel(kept, 150, 60, RGB(1, 2, 3));
    InvalidateRect(f.host, nullptr, FALSE);
    UpdateWindow(f.host);
    EXPECT_EQ(bar.GetMemoryDC(), kept);
    HDC dc = GetDC(f.host);
    EXPECT_EQ(PixelRgb(dc, 150, 60), 0x010203u);
    ReleaseDC(f.host, dc);
    EXPECT_EQ(PixelRgb(FormRecord(f.number).backBufferDc, 30 + 150, 40 + 60), 0x010203u)
        << "the copy refreshes the form's back buffer";

    // A dirty bar paints afresh over what lies behind it.
    bar.Refresh();
    UpdateWindow(f.host);
    EXPECT_EQ(PixelRgb(bar.GetMemoryDC(), 150, 60), PatternColour(30 + 150, 40 + 60));
}

TEST(CustomControlFrameTest, ABarNoFormOwnsPaintsOverAPlainPicture)
{
    ScopedWindow plain(CreateTestForm(0, 0, 300, 120));
    HWND host = CreateBarHost(plain, 10, 10, 200, 80);
    const int memoryDcs = MemoryDcCount();
    SkinNavBar bar;
    ASSERT_EQ(bar.Attach(host, 85, 75), 1);
    EXPECT_EQ(GetWindowPropNumber(host, kPropHwFormNumber), 0);
    bar.AddItem(PictureItem(SolidPng(8, 8, 0xFF0000FF), "取名"));
    UpdateWindow(host);
    ASSERT_NE(bar.GetMemoryDC(), nullptr);
    EXPECT_EQ(PixelRgb(bar.GetMemoryDC(), 150, 40), 0u) << "nothing lies behind it";
    DestroyWindow(host);
    EXPECT_EQ(MemoryDcCount(), memoryDcs);
}

TEST(CustomControlFrameTest, MessagesTheBarDoesNotAnswerReachThePreviousProcedureOnce)
{
    ScopedWindow form(CreateTestForm(0, 0, 300, 200));
    SkinTestForm(form);
    HWND host = CountingHost(form);
    SkinNavBar bar;
    ASSERT_GT(bar.Attach(host, 85, 75), 0);
    EXPECT_EQ(GetWindowProp(host, kPropHwProc), reinterpret_cast<LONG_PTR>(CountingProc));
    EXPECT_EQ(bar.Attach(host, 60, 60), bar.Attach(host, 85, 75)) << "a second attach answers the same index";
    EXPECT_EQ(RecordCount(g_navBars), 1);

    struct Row {
        UINT message;
        WPARAM wParam;
        int timesPassedOn;
    };
    HDC dc = GetDC(host);
    const Row rows[] = {
        {WM_USER + 7, 0, 1},
        {WM_KEYDOWN, VK_F2, 1},
        {WM_KEYDOWN, VK_SPACE, 0},  // the bar's own key: it opens the focused item
        {WM_RBUTTONDOWN, 0, 1},
        {WM_MOUSEWHEEL, 0, 1},
        {WM_SETFOCUS, 0, 1},
        {WM_SIZE, 0, 1},
        {WM_MOVE, 0, 1},
        {WM_MOUSEMOVE, 0, 1},
        {WM_MOUSEHOVER, 0, 1},
        {WM_MOUSELEAVE, 0, 1},
        {WM_TIMER, reinterpret_cast<WPARAM>(host), 1},
        {WM_TIMER, 99, 1},
        {WM_LBUTTONDOWN, 0, 1},
        {WM_LBUTTONUP, 0, 1},
        {WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0},
        {WM_PAINT, 0, 0},
    };
    for (const Row& row : rows) {
        PassedOn().clear();
        const LRESULT result = SendMessageA(host, row.message, row.wParam, MouseAt(5, 5));
        EXPECT_EQ(TimesPassedOn(row.message), row.timesPassedOn) << "message 0x" << std::hex << row.message;
        if (row.message == WM_ERASEBKGND) {
            EXPECT_EQ(result, 1);
        }
    }
    ReleaseDC(host, dc);
    KillTimer(host, reinterpret_cast<UINT_PTR>(host));

    PassedOn().clear();
    DestroyWindow(host);
    EXPECT_EQ(TimesPassedOn(WM_NCDESTROY), 1);
    EXPECT_TRUE(g_navBars.empty());
}

TEST(CustomControlFrameTest, WindowsSkinnedOtherwiseAreRefused)
{
    BarTestForm f = MakeBarTestForm(300, 200, RECT{10, 10, 200, 90});
    ScopedWindow form(f.form);
    HWND button = CreateTestChild(f.form, "Button", 10, 100, 80, 24);
    RegisterTestButton(f.number, button);
    SkinNavBar bar;
    EXPECT_EQ(bar.Attach(f.form, 85, 75), 0) << "a skinned form";
    EXPECT_EQ(bar.Attach(button, 85, 75), 0) << "a listed control";
    EXPECT_EQ(bar.Attach(nullptr, 85, 75), 0);
    EXPECT_EQ(bar.window, nullptr) << "a refused window is not designated";
    EXPECT_TRUE(g_navBars.empty());
    EXPECT_EQ(bar.Attach(f.host, 85, 75), 1);
}
