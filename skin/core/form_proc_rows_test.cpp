// The skinned form procedure's rows for quitting, closing, mouse notices, the fade timer, the size
// limits, system commands, titles, activation, commands and notifications: for each message, the state
// before, what reaches the form's own procedure, the result and the state after.
#include <gtest/gtest.h>

#include <functional>

#include "gdiplus/gdip_graphics.h"
#include "skin/core/caption_title.h"
#include "skin/core/engine_startup.h"
#include "skin/core/form_caption_mouse.h"
#include "skin/core/form_rows_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_appearance.h"
#include "skin/core/form_window_proc.h"
#include "skin/core/frame_hit_testing.h"
#include "skin/core/skin_menus.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

class FormRowsTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_firstFormSize = false;
        g_skinBaseColour = RGB(70, 110, 160);
        FormAnsweredMessages() = {WM_SYSCOMMAND, WM_CLOSE};
    }
    void TearDown() override
    {
        FormAnsweredMessages().clear();
        g_skinBaseColour = 0;
    }
};

struct Row {
    const char* what;
    std::function<void()> before;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    std::function<void(const Delivery&)> after;
    bool passedOn = true;
};

}  // namespace

TEST_F(FormRowsTest, MessageTable)
{
    ScopedWindow window(CreateFrameForm(40, 40, 400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    SkinForm(window);
    const int n = FindSkinnedWindow(window);
    SkinFormRecord& form = FormRecord(n);
    UpdateWindow(window);

    const ULONG_PTR engineToken = g_gdiplusToken, savedToken = g_savedGdiplusToken;
    MINMAXINFO limits = {};
    limits.ptMaxPosition = POINT{7, 9};
    limits.ptMaxSize = POINT{11, 13};
    const LPARAM limitsParam = reinterpret_cast<LPARAM>(&limits);
    int trims = 0;
    NMHDR nothing = {};

    const Row rows[] = {
        {"WM_QUIT shuts GDI+ down with the engine's token", [] { g_gdiplusToken = StartGdiplus(); }, WM_QUIT, 0, 0,
         [](const Delivery&) { EXPECT_EQ(g_gdiplusToken, 0u); }},
        {"a second WM_QUIT finds no token", nullptr, WM_QUIT, 0, 0,
         [](const Delivery&) { EXPECT_EQ(g_gdiplusToken, 0u); }},
        {"WM_CLOSE without an effect", nullptr, WM_CLOSE, 0, 0,
         [&](const Delivery& d) {
             EXPECT_FALSE(d.exStyle & WS_EX_LAYERED);
             EXPECT_EQ(d.result, kFormOwnAnswer);
             EXPECT_TRUE(IsWindowVisible(window));
         }},
        {"WM_MOUSEHOVER", nullptr, WM_MOUSEHOVER, 0, PointParam(100, 100),
         [&](const Delivery&) { EXPECT_TRUE(form.mouseInside); }},
        {"WM_MOUSELEAVE with no button lit", nullptr, WM_MOUSELEAVE, 0, 0,
         [&](const Delivery&) {
             EXPECT_FALSE(form.mouseInside);
             EXPECT_EQ(form.fadeOut.button, 0);
         }},
        {"WM_TIMER of another timer",
         [&] {
             form.mouseInside = form.inCaptionStrip = true;
             form.fadeIn = CaptionFade{1, 3};
         },
         WM_TIMER, 77, 0, [&](const Delivery&) { EXPECT_EQ(form.fadeIn.level, 3); }},
        {"WM_TIMER of the fade: one step", nullptr, WM_TIMER, CaptionFadeTimerId(window), 0,
         [&](const Delivery&) { EXPECT_EQ(form.fadeIn.level, 4); }},
        {"WM_GETMINMAXINFO", nullptr, WM_GETMINMAXINFO, 0, limitsParam,
         [&](const Delivery& d) {
             EXPECT_EQ(d.lParam, limitsParam);
             EXPECT_EQ(limits.ptMinTrackSize.x, 200);
             EXPECT_EQ(limits.ptMinTrackSize.y, 150);
             EXPECT_EQ(limits.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
             EXPECT_EQ(limits.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));
             // Maximised, the form covers the work area, caption included.
             MONITORINFO monitor = {};
             monitor.cbSize = sizeof monitor;
             GetMonitorInfoA(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &monitor);
             EXPECT_EQ(limits.ptMaxPosition.x, monitor.rcWork.left - monitor.rcMonitor.left);
             EXPECT_EQ(limits.ptMaxPosition.y, monitor.rcWork.top - monitor.rcMonitor.top);
             EXPECT_EQ(limits.ptMaxSize.x, monitor.rcWork.right - monitor.rcWork.left);
             EXPECT_EQ(limits.ptMaxSize.y, monitor.rcWork.bottom - monitor.rcWork.top);
         }},
        {"WM_GETMINMAXINFO of a form with a minimum size", [&] { SetFormMinimumSize(window, 352, 251); },
         WM_GETMINMAXINFO, 0, limitsParam,
         [&](const Delivery&) {
             EXPECT_EQ(limits.ptMinTrackSize.x, 352);
             EXPECT_EQ(limits.ptMinTrackSize.y, 251);
             SetFormMinimumSize(window, 200, 150);
         }},
        {"WM_GETMINMAXINFO while maximised", [&] { form.maximized = true; }, WM_GETMINMAXINFO, 0, limitsParam,
         [&](const Delivery&) {
             const SIZE area = MaximizedFormSize(true);
             EXPECT_EQ(limits.ptMaxTrackSize.x, area.cx);
             EXPECT_EQ(limits.ptMaxTrackSize.y, area.cy);
             form.maximized = false;
         }},
        {"SC_MAXIMIZE", [&] { form.needsFullRepaint = false; }, WM_SYSCOMMAND, SC_MAXIMIZE, 0,
         [&](const Delivery& d) {
             EXPECT_TRUE(form.maximized);
             EXPECT_TRUE(form.needsFullRepaint);
             EXPECT_EQ(d.wParam, static_cast<WPARAM>(SC_MAXIMIZE));
             EXPECT_EQ(d.result, kFormOwnAnswer);
         }},
        {"SC_RESTORE",
         [&] {
             form.needsFullRepaint = false;
             form.minimized = true;
         },
         WM_SYSCOMMAND, SC_RESTORE, 0,
         [&](const Delivery&) {
             EXPECT_FALSE(form.minimized);
             EXPECT_TRUE(form.needsFullRepaint);
         }},
        // The maximise button's glyph follows the window's state however it changed (the system menu's
        // restore included).
        {"WM_SIZE of a maximise", [&] { form.maximized = false; }, WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(400, 300),
         [&](const Delivery&) { EXPECT_TRUE(form.maximized); }},
        {"WM_SIZE of a restore", nullptr, WM_SIZE, SIZE_RESTORED, MAKELPARAM(400, 300),
         [&](const Delivery&) {
             EXPECT_FALSE(form.maximized);
             EXPECT_TRUE(form.needsFullRepaint);
         }},
        {"SC_MINIMIZE", [&] { form.needsFullRepaint = false; }, WM_SYSCOMMAND, SC_MINIMIZE, 0,
         [&](const Delivery&) {
             EXPECT_TRUE(form.minimized);
             EXPECT_TRUE(form.needsFullRepaint);
         }},
        {"0xF032 is no SC_MAXIMIZE",
         [&] {
             form.needsFullRepaint = form.maximized = form.minimized = false;
         },
         WM_SYSCOMMAND, 0xF032, 0,
         [&](const Delivery& d) {
             EXPECT_FALSE(form.maximized);
             EXPECT_FALSE(form.needsFullRepaint);
             EXPECT_EQ(d.wParam, 0xF032u);
         }},
        {"WM_ACTIVATEAPP 0 trims the working set", [&] { trims = TrimWorkingSetCalls(); }, WM_ACTIVATEAPP, 0, 0,
         [&](const Delivery&) {
             EXPECT_FALSE(form.active);
             EXPECT_GE(TrimWorkingSetCalls(), trims + 1);
         }},
        {"WM_ACTIVATEAPP 1", nullptr, WM_ACTIVATEAPP, 1, 0, [&](const Delivery&) { EXPECT_TRUE(form.active); }},
        {"WM_COMMAND of a menu", nullptr, WM_COMMAND, 2007, 0, [](const Delivery& d) { EXPECT_EQ(d.wParam, 2007u); }},
        {"WM_NOTIFY", nullptr, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&nothing), nullptr},
        {"WM_NOTIFY without a header", nullptr, WM_NOTIFY, 0, 0, nullptr},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        if (row.before)
            row.before();
        const Delivery d = Deliver(window, row.message, row.wParam, row.lParam);
        EXPECT_EQ(d.passedOn, row.passedOn);
        if (d.passedOn) {
            EXPECT_EQ(d.wParam, row.wParam);
            EXPECT_EQ(d.lParam, row.lParam);
        }
        if (row.after)
            row.after(d);
    }
    g_gdiplusToken = engineToken;
    g_savedGdiplusToken = savedToken;
}

TEST_F(FormRowsTest, TitleIsDrawnBeforeTheFormStoresTheText)
{
    ScopedWindow window(CreateFrameForm(40, 40, 400, 200));
    SkinForm(window);
    const int n = FindSkinnedWindow(window);
    SkinFormRecord& form = FormRecord(n);
    UpdateWindow(window);
    const RECT title = {30, 4, 200, 20};

    struct Case {
        const char* text;
        const char* stored;
    } cases[] = {{"新的标题", "新的标题"}, {nullptr, ""}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        // What the title showed when the form's own procedure received the text.
        Pixels whenReceived;
        FormMessageProbe() = [&](const FormMessage& m) {
            if (m.message == WM_SETTEXT) {
                whenReceived = CopyPixels(form.frameDc, title);
                char stored[64] = {};
                GetWindowTextA(window, stored, sizeof(stored));
                EXPECT_STRNE(stored, c.stored) << "not stored yet";
            }
        };
        const Pixels old = CopyPixels(form.frameDc, title);
        SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(c.text));
        FormMessageProbe() = nullptr;
        EXPECT_NE(whenReceived, old);
        GdipGraphics graphics;
        DrawFormTitle(n, graphics, false);
        EXPECT_EQ(whenReceived, CopyPixels(form.frameDc, title)) << "the title of the stored text";
    }
}

TEST_F(FormRowsTest, CloseEffectPlaysBeforeTheFormHearsOfTheClose)
{
    ScopedWindow plain(CreateFrameForm(0, 0, 50, 50));
    EXPECT_FALSE(SetFormCloseEffect(plain, 1)) << "not a skinned form";

    ScopedWindow window(CreateFrameForm(60, 60, 300, 200));
    SkinForm(window);
    SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
    UpdateWindow(window);
    HWND child = CreateTestChild(window, "Static", 10, 40, 50, 20);
    EXPECT_FALSE(SetFormCloseEffect(child, 1)) << "a control of a skinned form";
    EXPECT_TRUE(SetFormCloseEffect(window, 1));
    EXPECT_EQ(form.closeEffect, 1);

    const DWORD start = GetTickCount();
    const Delivery d = Deliver(window, WM_CLOSE, 0, 0);
    EXPECT_GE(GetTickCount() - start, 100u) << "ten steps of 10 to 19 ms";
    ASSERT_TRUE(d.passedOn);
    EXPECT_TRUE(d.exStyle & WS_EX_LAYERED) << "the effect had run when the form's procedure saw WM_CLOSE";
    // The form's procedure vetoed the close: the form stays in the effect's last state.
    EXPECT_TRUE(IsWindow(window));
    EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED);

    SetFormCloseEffect(window, 2);
    const DWORD again = GetTickCount();
    Deliver(window, WM_CLOSE, 0, 0);
    EXPECT_LT(GetTickCount() - again, 100u) << "effect 2 plays nothing";
}

namespace {

HWND g_formToClose = nullptr;

int DestroyTheForm(const int*, int)
{
    DestroyWindow(g_formToClose);
    SetLastError(0);
    return 0;
}

}  // namespace

// A menu command whose handler destroyed the form ends there: nothing touches the dead window after
// the handler (a pass to the form's own procedure would read its property and call it with the dead
// handle, each failing with ERROR_INVALID_WINDOW_HANDLE).
TEST_F(FormRowsTest, AMenuCommandWhoseHandlerDestroyedTheFormGoesNoFurther)
{
    ScopedWindow window(CreateFrameForm(40, 40, 300, 200));
    SkinForm(window);
    UpdateWindow(window);
    const int menu = CreateSkinPopupMenu();
    ASSERT_TRUE(AddSkinMenuItem(menu, "关闭"));
    ASSERT_TRUE(SetSkinMenuCallback(menu, DestroyTheForm));
    g_formToClose = window;
    FormMessages().clear();
    const LRESULT result = SendMessageA(window, WM_COMMAND, SkinMenuCommandId(menu, 1), 0);
    const DWORD error = GetLastError();
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(result, 0);
    EXPECT_EQ(error, 0u);
    for (const FormMessage& m : FormMessages())
        EXPECT_NE(m.message, static_cast<UINT>(WM_COMMAND)) << "the form's own procedure never saw it";
    SetSkinMenuCallback(menu, nullptr);
}
