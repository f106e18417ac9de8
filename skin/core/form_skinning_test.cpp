// Skinning a window: the record built from the options and the window's style, the caption buttons
// with their tooltips, the status band, the subclassing, and the release at the window's end.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/core/caption_actions.h"
#include "skin/core/form_skinning.h"
#include "skin/core/form_window_proc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

std::vector<int> ButtonKinds(const SkinFormRecord& form)
{
    std::vector<int> kinds;
    for (const auto& button : form.captionButtons)
        kinds.push_back(button->kind);
    return kinds;
}

std::string SolidPng(int width, int height, uint32_t argb)
{
    GdipBitmap bitmap;
    bitmap.CreateBitmapFromScan0Default(width, height);
    {
        GdipGraphics graphics;
        graphics.CreateFromImage(bitmap);
        GdipSolidBrush brush;
        brush.CreateSolidFill(argb);
        graphics.FillRectangle(brush, 0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    return bitmap.SaveImageToStream(kImageFormatPng);
}

}  // namespace

TEST(SkinFormTest, CaptionHeightAndButtonsComeFromTheOptionsAndTheStyle)
{
    constexpr DWORD kBoxes = WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    struct Case {
        const char* what;
        DWORD style;
        SkinFormOptions options;
        int captionHeight;
        std::vector<int> kinds;
        int stripWidth;
    };
    auto with = [](auto change) {
        SkinFormOptions o;
        change(o);
        return o;
    };
    const Case cases[] = {
        {"defaults, no box styles", 0, {}, 25, {kCaptionClose}, 41},
        {"caption 10", 0, with([](SkinFormOptions& o) { o.captionHeight = 10; }), 25, {kCaptionClose}, 41},
        {"caption 120", 0, with([](SkinFormOptions& o) { o.captionHeight = 120; }), 120, {kCaptionClose}, 41},
        {"both box styles", kBoxes, {}, 25, {kCaptionMinimize, kCaptionMaximize, kCaptionClose}, 95},
        {"help and menu too", kBoxes, with([](SkinFormOptions& o) { o.helpButton = 1; o.menuButton = 1; }), 25,
         {kCaptionHelp, kCaptionMenu, kCaptionMinimize, kCaptionMaximize, kCaptionClose}, 149},
        {"close hidden, frame off", WS_MINIMIZEBOX,
         with([](SkinFormOptions& o) { o.hideClose = 1; o.frameEnabled = 0; }), 25, {kCaptionMinimize}, 29},
        {"close hidden, frame on", WS_MINIMIZEBOX,
         with([](SkinFormOptions& o) { o.hideClose = 1; o.frameEnabled = 1; }), 25, {kCaptionMinimize}, 29},
        {"frame off", 0, with([](SkinFormOptions& o) { o.frameEnabled = 0; }), 25, {}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScopedWindow window(CreateFrameForm(10, 10, 400, 300, c.style));
        SkinForm(window, c.options);
        const SkinFormRecord& form = FormRecord(FindSkinnedWindow(window));
        EXPECT_EQ(form.captionHeight, c.captionHeight);
        EXPECT_EQ(ButtonKinds(form), c.kinds);
        EXPECT_EQ(form.captionStrip.width, c.stripWidth);
        EXPECT_EQ(form.captionStrip.height, 22);
        for (const auto& button : form.captionButtons) {
            EXPECT_EQ(button->width, button->kind == kCaptionClose ? 38 : 26);
            EXPECT_EQ(button->height, 18);
            EXPECT_FALSE(button->image.empty());
            EXPECT_EQ(button->altImage.empty(), button->kind != kCaptionMaximize);
        }
    }
    EXPECT_EQ(SkinFormCount(), 0) << "every form is released with its window";
}

TEST(SkinFormTest, TooltipWindowOnlyWhenTheFrameBehaviourIsGiven)
{
    ScopedWindow plain(CreateFrameForm(10, 10, 400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    SkinForm(plain);
    const SkinFormRecord& a = FormRecord(FindSkinnedWindow(plain));
    EXPECT_TRUE(a.frameEnabled);
    EXPECT_EQ(a.tooltip.tipWindow, nullptr);
    EXPECT_EQ(a.tooltipCount, 3);
    EXPECT_EQ(a.captionButtons[2]->tipText, "关闭");

    ScopedWindow tipped(CreateFrameForm(10, 10, 400, 300, WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    SkinFormOptions options;
    options.frameEnabled = 1;
    SkinForm(tipped, options);
    const SkinFormRecord& b = FormRecord(FindSkinnedWindow(tipped));
    ASSERT_NE(b.tooltip.tipWindow, nullptr);
    EXPECT_EQ(GetWindow(b.tooltip.tipWindow, GW_OWNER), tipped.get());
    EXPECT_EQ(SendMessageA(b.tooltip.tipWindow, TTM_GETTOOLCOUNT, 0, 0), 3);
    // Tool 2 lies on the maximise button.
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = tipped;
    info.uId = 2;
    ASSERT_TRUE(SendMessageA(b.tooltip.tipWindow, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)));
    EXPECT_EQ(info.rect.left, 335);
    EXPECT_EQ(info.rect.right, 361);
}

TEST(SkinFormTest, StatusBandOnlyAboveZero)
{
    std::vector<StatusBandSegment> segments(2);
    segments[0].width = 100;
    segments[0].text = "就绪";

    ScopedWindow none(CreateFrameForm(10, 10, 400, 300));
    SkinFormOptions noBand;
    noBand.statusSegments = segments;
    SkinForm(none, noBand);
    const SkinFormRecord& a = FormRecord(FindSkinnedWindow(none));
    EXPECT_EQ(a.statusHeight, 0);
    EXPECT_TRUE(a.statusSegments.empty());
    EXPECT_EQ(a.statusRect.height, 0);
    EXPECT_EQ(a.statusRect.y, 296);

    ScopedWindow banded(CreateFrameForm(10, 10, 400, 300));
    SkinFormOptions band;
    band.statusHeight = 5;
    SkinForm(banded, band);
    const SkinFormRecord& b = FormRecord(FindSkinnedWindow(banded));
    EXPECT_EQ(b.statusHeight, 5);
    ASSERT_EQ(b.statusSegments.size(), 1u);
    EXPECT_EQ(b.statusSegments[0].width, -1);
    EXPECT_EQ(b.statusFont, "宋体");
    EXPECT_EQ(b.statusSize, 12);
    EXPECT_EQ(b.statusGlowColour, 0xFFFFFFu);
    EXPECT_FALSE(b.statusInverseText);
}

TEST(SkinFormTest, SkinsOnceAndSubclasses)
{
    ScopedWindow window(CreateFrameForm(10, 10, 400, 300, WS_CLIPCHILDREN));
    const LONG_PTR own = GetWindowLongPtrA(window, GWLP_WNDPROC);
    g_captionClickHandler = nullptr;
    SkinForm(window);
    SkinForm(window);
    EXPECT_EQ(SkinFormCount(), 1);
    const int n = FindSkinnedWindow(window);
    const SkinFormRecord& form = FormRecord(n);
    EXPECT_EQ(GetWindowLongPtrA(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(SkinFormWindowProc));
    EXPECT_EQ(GetWindowProp(window, kPropHwProc), own);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(form.savedWndProc), own);
    EXPECT_EQ(GetWindowPropNumber(window, kPropHwListIndex), n);
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_CLIPCHILDREN);
    EXPECT_EQ(g_frameBorder, 3);
    EXPECT_EQ(g_captionClickHandler, OnCaptionButtonClick);
    EXPECT_EQ(form.minTrackWidth, 200);
    EXPECT_EQ(form.minTrackHeight, 150);
    EXPECT_EQ(form.maxWidth, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(form.clientWidth, 400);
    EXPECT_EQ(form.clientHeight, 300);
    EXPECT_TRUE(form.needsFullRepaint);
    EXPECT_EQ(form.titleFont, "宋体");
    EXPECT_EQ(form.titleGlowColour, 0x808080u);
}

TEST(SkinFormTest, PictureIsSampledAndPrepared)
{
    const std::string blue = SolidPng(60, 40, 0xFF0A78C8);
    SkinFormOptions faded;
    faded.backgroundImage = blue;
    faded.imageMode = 0;
    ScopedWindow a(CreateFrameForm(10, 10, 200, 150));
    SkinForm(a, faded);
    const SkinFormRecord& first = FormRecord(FindSkinnedWindow(a));
    EXPECT_EQ(first.imageColour, 0xFFC8780Au);
    GdipBitmap prepared;
    ASSERT_TRUE(prepared.CreateBitmapFromStream(first.backgroundImage));
    EXPECT_EQ(prepared.GetImageWidth(), 60);
    EXPECT_EQ(prepared.BitmapGetPixel(5, 5), 0xFF0A78C8u);

    SkinFormOptions asGiven;
    asGiven.backgroundImage = blue;
    asGiven.imageMode = 3;
    ScopedWindow b(CreateFrameForm(10, 10, 200, 150));
    SkinForm(b, asGiven);
    EXPECT_EQ(FormRecord(FindSkinnedWindow(b)).backgroundImage, blue);

    SkinFormOptions broken;
    broken.backgroundImage = "not a picture";
    ScopedWindow c(CreateFrameForm(10, 10, 200, 150));
    SkinForm(c, broken);
    EXPECT_EQ(FormRecord(FindSkinnedWindow(c)).imageColour, 0xFF000000u);
}

TEST(SkinFormTest, ReleasedAtTheWindowsEndThenItsOwnProcedureRuns)
{
    HWND window = CreateFrameForm(10, 10, 300, 200);
    SkinForm(window);
    SetTimer(window, reinterpret_cast<UINT_PTR>(window), 20, nullptr);
    // Messages the skin does not answer reach the window's own procedure.
    FormMessages().clear();
    SendMessageA(window, WM_USER + 7, 1, 2);
    EXPECT_EQ(CountFormMessages(window, WM_USER + 7), 1);
    DestroyWindow(window);
    EXPECT_EQ(SkinFormCount(), 0);
    EXPECT_EQ(CountFormMessages(window, WM_NCDESTROY), 1);
}

TEST(SkinFormTest, SkinOptions)
{
    SetSkinOptions(true, 0);
    EXPECT_TRUE(g_skinChildControls);
    EXPECT_EQ(g_veilAlpha, 0);
    EXPECT_TRUE(g_veilEnabled);
    EXPECT_TRUE(g_trackbarEffect);
    SetSkinOptions(false, std::nullopt, false);
    EXPECT_FALSE(g_skinChildControls);
    EXPECT_EQ(g_veilAlpha, 160);
    EXPECT_FALSE(g_veilEnabled);
    EXPECT_FALSE(g_trackbarEffect);
    SetSkinOptions(true, 0);
}
