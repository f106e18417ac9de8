// A real click, through the system's input queue, on a skinned push button. The test moves the real
// pointer, so it runs while no other test runs.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/control_test_support.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

TEST(ButtonClickTest, ARealClickPaintsThePressedLookAndReachesTheApplication)
{
    FormMessages().clear();
    ScopedWindow form(CreateFrameForm(100, 100, 300, 200, 0, false));
    HWND push = CreateControl(form, "Button", "点我", 40, 60, 100, 30, BS_PUSHBUTTON, 77);
    const int n = ShowSkinnedForm(form);
    ASSERT_GT(n, 0);
    SetForegroundWindow(form);
    g_themeColour = 0xFF0000;
    RECT r = {};
    GetWindowRect(push, &r);
    SetCursorPos((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PumpMessages();

    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    ASSERT_EQ(SendInput(1, &input, sizeof(input)), 1u);
    for (int i = 0; i < 50 && !RecordAt(FormRecord(n).buttons, 1)->pressed; ++i) {
        Sleep(10);
        PumpMessages();
    }
    ASSERT_TRUE(RecordAt(FormRecord(n).buttons, 1)->pressed);
    PumpMessages();
    // The pressed look, the inner theme gradient, is what the back buffer shows.
    EXPECT_EQ(BackBufferPixel(push, 50, 4), ExpectedPushButtonPixel(push, ODS_SELECTED, 50, 4));
    EXPECT_NE(BackBufferPixel(push, 50, 4), ExpectedPushButtonPixel(push, 0, 50, 4));

    input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
    ASSERT_EQ(SendInput(1, &input, sizeof(input)), 1u);
    bool clicked = false;
    for (int i = 0; i < 50 && !clicked; ++i) {
        Sleep(10);
        PumpMessages();
        for (const FormMessage& m : FormMessages())
            clicked |= m.window == form.get() && m.message == WM_COMMAND && LOWORD(m.wParam) == 77 &&
                       HIWORD(m.wParam) == BN_CLICKED;
    }
    EXPECT_TRUE(clicked);
    EXPECT_FALSE(RecordAt(FormRecord(n).buttons, 1)->pressed);
    ParkCursor();
    PumpMessages();
    g_themeColour = kStartThemeColour;
}
