// A whole skinned form as the program shows one: picture, tint, title, caption buttons and status
// segments on an 800 x 600 frameless window, its region, resizing, screenshots, and the objects it
// leaves behind over many lifetimes.
#include <gtest/gtest.h>

#include "skin/core/form_skinning.h"
#include "skin/core/form_test_support.h"
#include "skin/core/form_window_proc.h"
#include "skin/core/frame_painting.h"
#include "skin/core/memory_dc.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

class SkinnedFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        SetSkinOptions(true, 0);
        g_firstFormSize = false;
        g_skinBaseColour = RGB(0x3C, 0x8C, 0xC8);
        g_themeColour = kStartThemeColour;
    }
    void TearDown() override
    {
        SetSkinOptions(true);
        g_skinBaseColour = 0;
    }
};

SIZE BitmapSize(HGDIOBJ bitmap)
{
    BITMAP b = {};
    GetObjectA(bitmap, sizeof(b), &b);
    return SIZE{b.bmWidth, b.bmHeight};
}

}  // namespace

TEST_F(SkinnedFormTest, ShownFormWithEverything)
{
    ScopedWindow window(CreateFrameForm(80, 60, 800, 600, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false));
    SetWindowTextA(window, "宝宝起名 - 起名测名");
    SkinForm(window, ProgramLikeOptions());
    HWND button = CreateTestChild(window, "Button", 40, 130, 100, 28);
    SetWindowTextA(button, "生成");
    HWND edit = CreateTestChild(window, "Edit", 160, 132, 160, 24, 0, WS_EX_CLIENTEDGE);
    SetWindowTextA(edit, "张");
    HWND label = CreateTestChild(window, "Static", 40, 180, 200, 20);
    SetWindowTextA(label, "请输入宝宝的姓氏：");
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    for (HWND child : {button, edit, label})
        UpdateWindow(child);

    const int n = FindSkinnedWindow(window);
    const SkinFormRecord& form = FormRecord(n);
    ASSERT_NE(form.frameDc, nullptr);
    EXPECT_EQ(form.captionButtons.size(), 3u);
    EXPECT_EQ(form.statusSegmentRects.size(), 3u);

    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(window, region), ERROR);
    EXPECT_FALSE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 400, 300));
    DeleteObject(region);

    HDC dc = GetDC(window);
    for (auto [x, y] : {std::pair{400, 40}, {600, 300}, {20, 590}, {700, 586}, {780, 10}})
        EXPECT_EQ(PixelRgb(dc, x, y), PixelRgb(form.frameDc, x, y)) << x << "," << y;
    ReleaseDC(window, dc);
    EXPECT_FALSE(SaveWindowScreenshot(window, "skinned-form.png").empty());

    // A resize rebuilds every picture at the new size.
    SetWindowPos(window, nullptr, 0, 0, 700, 500, SWP_NOMOVE | SWP_NOZORDER);
    UpdateWindow(window);
    EXPECT_FALSE(form.needsFullRepaint);
    const SIZE frame = BitmapSize(GetWindowPropHandle<HGDIOBJ>(window, kPropFrameBitmap));
    EXPECT_EQ(frame.cx, 700);
    EXPECT_EQ(frame.cy, 500);
    const SIZE back = BitmapSize(GetCurrentObject(form.backBufferDc, OBJ_BITMAP));
    EXPECT_EQ(back.cx, 700);
    EXPECT_EQ(back.cy, 500);
    EXPECT_EQ(form.clientWidth, 700);
    EXPECT_EQ(form.captionStrip.x, 700 - 95 + 1);
    EXPECT_EQ(form.statusSegmentRects[2].width, 700 - 160 - 180 - 6) << "the last segment takes the rest";
}

TEST_F(SkinnedFormTest, PlainFormScreenshot)
{
    ScopedWindow window(CreateFrameForm(100, 100, 400, 300, 0, false));
    SetWindowTextA(window, "关于");
    SkinForm(window);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    const SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
    EXPECT_EQ(form.captionHeight, 25);
    ASSERT_EQ(form.captionButtons.size(), 1u);
    EXPECT_FALSE(SaveWindowScreenshot(window, "skinned-form-plain.png").empty());
}

TEST_F(SkinnedFormTest, HundredLifetimesLeaveNothingBehind)
{
    const int memoryDcs = MemoryDcCount();
    // Everything but the picture, whose sampling only adds time.
    SkinFormOptions options = ProgramLikeOptions();
    options.backgroundImage.clear();
    for (int cycle = 0; cycle < 100; ++cycle) {
        HWND window = CreateFrameForm(60, 60, 320, 240, WS_MINIMIZEBOX | WS_MAXIMIZEBOX, false);
        SkinForm(window, options);
        HWND edit = CreateTestChild(window, "Edit", 10, 100, 120, 24);
        ShowWindow(window, SW_SHOW);
        UpdateWindow(window);
        UpdateWindow(edit);
        // A second, rebuilding paint.
        FormRecord(FindSkinnedWindow(window)).needsFullRepaint = true;
        InvalidateRect(window, nullptr, TRUE);
        UpdateWindow(window);

        const SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
        const HGDIOBJ held[] = {
            form.frameDc,
            GetWindowPropHandle<HGDIOBJ>(window, kPropFrameBitmap),
            form.captionCacheDc,
            form.captionCacheBitmap,
            form.backBufferDc,
            GetCurrentObject(form.backBufferDc, OBJ_BITMAP),
            GetWindowPropHandle<HGDIOBJ>(edit, kPropKjCtlBrush),
            GetWindowPropHandle<HGDIOBJ>(edit, kPropKjCtlBitmap),
        };
        for (HGDIOBJ object : held)
            ASSERT_NE(GetObjectType(object), 0u) << "cycle " << cycle;
        DestroyWindow(window);
        for (size_t i = 0; i < sizeof(held) / sizeof(held[0]); ++i)
            ASSERT_EQ(GetObjectType(held[i]), 0u) << "cycle " << cycle << ", object " << i;
        ASSERT_EQ(SkinFormCount(), 0);
        ASSERT_EQ(MemoryDcCount(), memoryDcs);
    }
}
