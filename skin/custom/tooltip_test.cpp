// The tooltip class: its window, owned by the owner, and the tool messages in their first-version form.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/custom/nav_bar_test_support.h"
#include "skin/custom/tooltip.h"

namespace {

HWND MakeOwner(int width, int height)
{
    return CreateWindowExA(0, "Static", "owner", WS_POPUP | WS_VISIBLE, 50, 50, width, height, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
}

ToolReading ReadTool(const ToolTipClass& tip, int id)
{
    return ReadTool(tip.tipWindow, tip.owner, id);
}

}  // namespace

TEST(ToolTipTest, CreateMakesAnOwnedTipWindowOfTheAskedStyle)
{
    InitCommonControls();
    HWND owner = MakeOwner(200, 100);
    ToolTipClass plain;
    ASSERT_NE(plain.Create(owner), nullptr);
    EXPECT_EQ(plain.owner, owner);
    EXPECT_EQ(GetWindow(plain.tipWindow, GW_OWNER), owner);
    const LONG_PTR plainStyle = GetWindowLongPtrA(plain.tipWindow, GWL_STYLE);
    EXPECT_TRUE(plainStyle & TTS_ALWAYSTIP);
    EXPECT_FALSE(plainStyle & TTS_BALLOON);
    EXPECT_EQ(SendMessageA(plain.tipWindow, TTM_GETMAXTIPWIDTH, 0, 0), 600);

    ToolTipClass balloon;
    balloon.Create(owner, true);
    EXPECT_TRUE(GetWindowLongPtrA(balloon.tipWindow, GWL_STYLE) & TTS_BALLOON);

    // Copies name the same window; the owner takes both windows with it.
    ToolTipClass copy = plain;
    EXPECT_EQ(copy.tipWindow, plain.tipWindow);
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(plain.tipWindow));
    EXPECT_FALSE(IsWindow(balloon.tipWindow));
}

TEST(ToolTipTest, ToolsTakeTheirRectangleAndText)
{
    InitCommonControls();
    HWND owner = MakeOwner(200, 100);
    ToolTipClass tip;
    tip.Create(owner);
    tip.AddTool("关闭", 1);
    tip.AddTool(RECT{10, 2, 36, 20}, "最小化", 2);
    EXPECT_EQ(SendMessageA(tip.tipWindow, TTM_GETTOOLCOUNT, 0, 0), 2);

    // Without a rectangle the tool covers the client area of that moment, and keeps it.
    ToolReading whole = ReadTool(tip, 1);
    ASSERT_TRUE(whole.found);
    EXPECT_TRUE(SameRect(whole.rect, RECT{0, 0, 200, 100}));
    EXPECT_EQ(whole.text, "关闭");
    SetWindowPos(owner, nullptr, 0, 0, 300, 150, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_TRUE(SameRect(ReadTool(tip, 1).rect, RECT{0, 0, 200, 100}));
    tip.SetToolRect(1, RECT{0, 0, 300, 150});
    EXPECT_TRUE(SameRect(ReadTool(tip, 1).rect, RECT{0, 0, 300, 150}));

    tip.UpdateTipText(2, "还原");
    ToolReading second = ReadTool(tip, 2);
    EXPECT_TRUE(SameRect(second.rect, RECT{10, 2, 36, 20})) << "a text change keeps the rectangle";
    EXPECT_EQ(second.text, "还原");

    // Deleting and adding the id again gives the same as an update.
    tip.DeleteTool(2);
    EXPECT_EQ(SendMessageA(tip.tipWindow, TTM_GETTOOLCOUNT, 0, 0), 1);
    EXPECT_FALSE(ReadTool(tip, 2).found);
    tip.AddTool(RECT{10, 2, 36, 20}, "还原", 2);
    EXPECT_EQ(ReadTool(tip, 2).text, "还原");
    tip.DeleteTool(7);  // no such tool
    EXPECT_EQ(SendMessageA(tip.tipWindow, TTM_GETTOOLCOUNT, 0, 0), 2);

    // A callback tool asks the owner for its text each time.
    tip.AddCallbackTool(RECT{40, 0, 60, 20}, 3);
    char buffer[8] = {};
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = owner;
    info.uId = 3;
    info.lpszText = buffer;
    ASSERT_TRUE(SendMessageA(tip.tipWindow, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.lpszText, LPSTR_TEXTCALLBACKA);
    DestroyWindow(owner);
}

TEST(ToolTipTest, ColoursAndTheWindowOfAControl)
{
    InitCommonControls();
    HWND owner = MakeOwner(200, 100);
    ToolTipClass tip;
    tip.Create(owner);
    tip.SetBackColour(RGB(255, 255, 225));
    tip.SetTextColour(RGB(0, 0, 128));
    EXPECT_EQ(SendMessageA(tip.tipWindow, TTM_GETTIPBKCOLOR, 0, 0), RGB(255, 255, 225));
    EXPECT_EQ(SendMessageA(tip.tipWindow, TTM_GETTIPTEXTCOLOR, 0, 0), RGB(0, 0, 128));
    EXPECT_EQ(tip.SetMaxWidth(300), 600);
    EXPECT_EQ(tip.GetHandle(), tip.tipWindow);

    // Destroy leaves the window; the control that made it destroys it when it goes.
    HWND window = tip.tipWindow;
    tip.Destroy();
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(tip.Copy().GetHandle(), window);
    tip.DestroyTipWindow();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(tip.GetHandle(), nullptr);
    tip.DestroyTipWindow();
    DestroyWindow(owner);
}

TEST(ToolTipTest, WithoutAWindowNothingHappens)
{
    HWND owner = MakeOwner(100, 50);
    ToolTipClass tip;
    tip.owner = owner;
    tip.AddTool("关闭", 1);
    tip.SetToolRect(1, RECT{0, 0, 10, 10});
    tip.UpdateTipText(1, "x");
    tip.DeleteTool(1);
    tip.AddCallbackTool(RECT{0, 0, 10, 10}, 2);
    EXPECT_EQ(tip.SetBackColour(0), 0);
    EXPECT_EQ(tip.SetTextColour(0), 0);
    EXPECT_EQ(tip.SetMaxWidth(600), 0);
    EXPECT_EQ(tip.tipWindow, nullptr);
    DestroyWindow(owner);
}
