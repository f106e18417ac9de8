// Skinned dialogs: what SkinDialogWindow makes of a system dialog, the dialog procedure's message table,
// hit test, close-button looks, resizing and the painted frame.
#include <gtest/gtest.h>

#include <algorithm>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/core/caption_button_pictures.h"
#include "skin/core/dialog_frame_proc.h"
#include "skin/core/dialog_painting.h"
#include "skin/core/dialog_test_support.h"
#include "skin/core/message_box.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/skinned_dialog.h"
#include "skin/core/window_props.h"
#include "skin/core/window_rects.h"

namespace {

constexpr uint32_t kBase = 0x5A8CC8;  // RGB(90, 140, 200) as 0xRRGGBB

class SkinnedDialogTest : public testing::Test {
protected:
    void SetUp() override
    {
        g_skinBaseColour = RGB(90, 140, 200);
        g_skinImage.clear();
        DialogMessages().clear();
    }
    void TearDown() override { g_skinBaseColour = 0; }

    HWND ShowSkinnedDialog() { return dialog_ = ShowSkinnedTestDialog(); }
    SkinFormRecord& Record() { return FormRecord(FindSkinnedWindow(dialog_)); }

    HWND dialog_ = nullptr;
};

bool IsDark(uint32_t rgb, int limit)
{
    return RedOf(rgb) < limit && GreenOf(rgb) < limit && BlueOf(rgb) < limit;
}

}  // namespace

TEST_F(SkinnedDialogTest, SkinningTakesTheDialogOver)
{
    ScopedWindow dialog(CreateSimpleTestDialog(300, 120));
    const LONG_PTR own = GetWindowLongPtrA(dialog, GWLP_WNDPROC);
    const int before = SkinFormCount();
    SkinDialogWindow(dialog);
    const int n = FindSkinnedWindow(dialog);
    ASSERT_EQ(n, before + 1);

    const RECT r = WindowRectOf(dialog);
    EXPECT_EQ(r.right - r.left, 306);
    EXPECT_EQ(r.bottom - r.top, 120);
    EXPECT_TRUE(HasRoundRegion(dialog, 5));
    EXPECT_EQ(GetWindowLongPtrA(dialog, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(DialogFrameWndProc));
    EXPECT_EQ(GetWindowProp(dialog, kPropHwProc), own);
    EXPECT_EQ(GetWindowPropNumber(dialog, kPropHwListIndex), n);
    EXPECT_TRUE(GetWindowLongPtrA(dialog, GWL_STYLE) & WS_SYSMENU);
    EXPECT_EQ(LayeredAlpha(dialog), 0) << "invisible until the first paint";

    const SkinFormRecord& form = FormRecord(n);
    EXPECT_EQ(form.captionHeight, 25);
    EXPECT_TRUE(form.hasCloseButton && form.showTitle && form.frameEnabled);
    EXPECT_FALSE(form.resizable || form.hasMinimizeButton || form.hasMaximizeButton || form.hasHelpButton);
    EXPECT_EQ(form.savedWndProc, nullptr) << "kept in Hw_hProc only";
    EXPECT_TRUE(form.needsFullRepaint);
    ASSERT_EQ(RecordCount(form.captionButtons), 1);
    const CaptionButtonRecord& close = *RecordAt(form.captionButtons, 1);
    EXPECT_EQ(close.width, 38);
    EXPECT_EQ(close.kind, kCaptionClose);
    EXPECT_EQ(close.tipText, "关闭");
    EXPECT_EQ(close.image, DialogCloseGlyphPng());
    EXPECT_FLOAT_EQ(close.rect.x, 270);
    EXPECT_FLOAT_EQ(close.rect.y, 0);
    EXPECT_FLOAT_EQ(close.rect.width, 36);
    EXPECT_FLOAT_EQ(close.rect.height, 22);
    EXPECT_EQ(form.captionStrip.x, 270);
    EXPECT_EQ(form.captionStrip.width, 41);
    EXPECT_EQ(form.captionStrip.height, 22);
    EXPECT_EQ(RecordCount(form.statics), 1) << "the text";
    EXPECT_EQ(RecordCount(form.buttons), 1) << "the OK button";

    SkinDialogWindow(dialog);
    EXPECT_EQ(SkinFormCount(), before + 1) << "once only";
    EXPECT_EQ(WindowRectOf(dialog).right - WindowRectOf(dialog).left, 306);

    DestroyWindow(dialog);
    EXPECT_EQ(SkinFormCount(), before) << "released with the window";
}

TEST_F(SkinnedDialogTest, MessageTable)
{
    ScopedWindow dialog(ShowSkinnedDialog());
    const RECT r = WindowRectOf(dialog);
    struct Row {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        LRESULT result;  // checked when answered by the skin
        bool passedOn;
    } rows[] = {
        {"WM_NCPAINT", WM_NCPAINT, 1, 0, 0, false},
        {"WM_NCACTIVATE", WM_NCACTIVATE, FALSE, 0, 1, false},
        {"WM_CHANGEUISTATE initialise", WM_CHANGEUISTATE, MAKEWPARAM(UIS_INITIALIZE, 0), 0, 0, false},
        {"WM_CHANGEUISTATE set", WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0, 0, true},
        {"WM_NCHITTEST", WM_NCHITTEST, 0, MAKELPARAM(r.right - 20, r.top + 10), HTCLOSE, false},
        {"WM_NCLBUTTONDOWN close", WM_NCLBUTTONDOWN, HTCLOSE, 0, 0, false},
        {"WM_NCLBUTTONUP caption", WM_NCLBUTTONUP, HTCAPTION, 0, 0, true},
        {"WM_NCMOUSEMOVE close", WM_NCMOUSEMOVE, HTCLOSE, 0, 0, false},
        {"WM_NCMOUSEMOVE caption", WM_NCMOUSEMOVE, HTCAPTION, 0, 0, true},
        {"another message", WM_USER + 5, 0, 0, 0, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        DialogMessages().clear();
        const LRESULT result = SendMessageA(dialog, row.message, row.wParam, row.lParam);
        EXPECT_EQ(CountDialogMessages(row.message) > 0, row.passedOn);
        if (!row.passedOn) {
            EXPECT_EQ(result, row.result);
        }
    }

    // Releasing the button over the close button closes the dialog (its own procedure decides how).
    DialogMessages().clear();
    EXPECT_EQ(SendMessageA(dialog, WM_NCLBUTTONUP, HTCLOSE, 0), 0);
    EXPECT_EQ(CountDialogMessages(WM_CLOSE), 1);
    EXPECT_EQ(CountDialogMessages(WM_NCLBUTTONUP), 0);

    // Activation removes the message-box hook.
    ASSERT_TRUE(InstallMessageBoxHook());
    SendMessageA(dialog, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(g_cbtHook, nullptr);
}

TEST_F(SkinnedDialogTest, HitTest)
{
    ScopedWindow dialog(ShowSkinnedDialog());
    const RECT r = WindowRectOf(dialog);
    const int strip = r.left + Record().captionStrip.x;
    struct Case {
        int x, y;
        LRESULT hit;
    } cases[] = {
        {r.right - 20, r.top + 10, HTCLOSE},  {strip + 1, r.top + 4, HTCLOSE},   {r.right - 6, r.top + 20, HTCLOSE},
        {strip, r.top + 10, HTCAPTION},       {r.right - 5, r.top + 10, HTCAPTION}, {r.right - 20, r.top + 3, HTCAPTION},
        {r.right - 20, r.top + 21, HTCAPTION}, {r.left + 50, r.top + 25, HTCAPTION}, {r.left + 50, r.top + 26, HTCLIENT},
        {r.right - 20, r.bottom - 5, HTCLIENT},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DialogHitTest(dialog, MAKELPARAM(c.x, c.y)), c.hit) << c.x - r.left << "," << c.y - r.top;
        EXPECT_EQ(SendMessageA(dialog, WM_NCHITTEST, 0, MAKELPARAM(c.x, c.y)), c.hit);
    }
}

TEST_F(SkinnedDialogTest, CloseButtonTurnsRedUnderThePointerAndBack)
{
    ScopedWindow dialog(ShowSkinnedDialog());
    SkinFormRecord& form = Record();
    const int x = 306 - 36 + 8, y = 11;
    const uint32_t normal = PixelRgb(form.frameDc, x, y);
    const uint32_t glyph = PixelRgb(form.frameDc, 306 - 36 + 18, 10);

    EXPECT_EQ(SendMessageA(dialog, WM_NCMOUSEMOVE, HTCLOSE, 0), 0);
    EXPECT_TRUE(form.closeHot);
    const uint32_t hot = PixelRgb(form.frameDc, x, y);
    EXPECT_GT(RedOf(hot), GreenOf(hot) + 40) << std::hex << hot;
    EXPECT_GT(RedOf(hot), BlueOf(hot) + 40) << std::hex << hot;
    EXPECT_EQ(PixelRgb(form.frameDc, 306 - 36 + 18, 10), glyph) << "the cross stays on top";
    SendMessageA(dialog, WM_NCMOUSEMOVE, HTCLOSE, 0);
    EXPECT_EQ(PixelRgb(form.frameDc, x, y), hot) << "painted hot once";

    SendMessageA(dialog, WM_NCMOUSEMOVE, HTCAPTION, 0);
    EXPECT_FALSE(form.closeHot);
    EXPECT_EQ(PixelRgb(form.frameDc, x, y), normal);
}

// The close button's picture is drawn from the pictures decoded once, not decoded at each hover change.
TEST_F(SkinnedDialogTest, CloseButtonDrawsItsPictureDecodedOnce)
{
    ScopedWindow dialog(ShowSkinnedDialog());
    const std::string glyph = RecordAt(Record().captionButtons, 1)->image;
    ASSERT_FALSE(glyph.empty());
    // Other pictures push it out of the kept ones.
    for (uint32_t i = 0; i < 64 && IsSmallPictureKept(glyph); ++i) {
        GdipBitmap other;
        ASSERT_TRUE(other.CreateBitmapFromScan0Default(1, 1));
        other.BitmapSetPixel(0, 0, 0xFF000000 | i);
        ASSERT_NE(DecodeSmallPicture(other.SaveImageToStream(kImageFormatPng)), nullptr);
    }
    ASSERT_FALSE(IsSmallPictureKept(glyph));
    for (WPARAM hit : {HTCLOSE, HTCAPTION}) {
        SendMessageA(dialog, WM_NCMOUSEMOVE, hit, 0);
        EXPECT_TRUE(IsSmallPictureKept(glyph)) << hit;
    }
}

TEST_F(SkinnedDialogTest, ResizingKeepsRegionAndCloseButton)
{
    ScopedWindow dialog(ShowSkinnedDialog());
    SetWindowPos(dialog, nullptr, 0, 0, 400, 150, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(HasRoundRegion(dialog, 5));
    const SkinFormRecord& form = Record();
    EXPECT_EQ(form.captionStrip.x, 364);
    EXPECT_FLOAT_EQ(RecordAt(form.captionButtons, 1)->rect.x, 364);
    EXPECT_FLOAT_EQ(RecordAt(form.captionButtons, 1)->rect.width, 36);
}

TEST_F(SkinnedDialogTest, FramePicture)
{
    ScopedWindow dialog(ShowSkinnedDialog());
    const SkinFormRecord& form = Record();
    ASSERT_NE(form.frameDc, nullptr);
    const uint32_t body = Blend(kBase, 0xFFFFFF, 100);
    EXPECT_TRUE(RgbNear(PixelRgb(form.frameDc, 200, 60), body, 2)) << std::hex << PixelRgb(form.frameDc, 200, 60);
    // The caption sheen: white at alpha 100 at the top fading to black at alpha 20 thirty pixels down,
    // over the top 26 rows. The gradient mixes its two colours weighted by their alpha.
    for (int y : {4, 12, 20, 25}) {
        const double t = (y + 0.5) / 30;
        const double alpha = 100 + (20 - 100) * t;
        const double grey = 255 * 100 * (1 - t) / alpha;
        const uint32_t sheen = Blend(body, static_cast<uint32_t>(grey + 0.5) * 0x010101u, static_cast<int>(alpha + 0.5));
        EXPECT_TRUE(RgbNear(PixelRgb(form.frameDc, 200, y), sheen, 4))
            << y << ": " << std::hex << PixelRgb(form.frameDc, 200, y) << " " << sheen;
    }
    EXPECT_EQ(PixelRgb(form.frameDc, 200, 26), PixelRgb(form.frameDc, 200, 60)) << "no sheen below the band";
    // The outer border is dark, the inner one light.
    EXPECT_LT(RedOf(PixelRgb(form.frameDc, 200, 119)), RedOf(body));
    EXPECT_GT(GreenOf(PixelRgb(form.frameDc, 200, 118)), GreenOf(body));
    // The title in black with a white glow, the white cross of the close button.
    int dark = 0;
    for (int y = 4; y < 24; ++y)
        for (int x = 25; x < 120; ++x)
            dark += IsDark(PixelRgb(form.frameDc, x, y), 0x30);
    EXPECT_GT(dark, 10);
    const uint32_t cross = PixelRgb(form.frameDc, 306 - 36 + 18, 10);
    EXPECT_GT(RedOf(cross) + GreenOf(cross) + BlueOf(cross), 3 * 0xF0) << std::hex << cross;

    // What reaches the window is the frame around the children.
    HWND text = GetDlgItem(dialog, 100);
    const RECT inText = GetWindowRectInParent(text);
    HDC dc = ExcludeVisibleChildrenFromWindowDc(dialog);
    EXPECT_FALSE(PtVisible(dc, (inText.left + inText.right) / 2, (inText.top + inText.bottom) / 2));
    EXPECT_TRUE(PtVisible(dc, 150, 5));
    ReleaseDC(dialog, dc);
    ShowWindow(text, SW_HIDE);
    dc = ExcludeVisibleChildrenFromWindowDc(dialog);
    EXPECT_TRUE(PtVisible(dc, (inText.left + inText.right) / 2, (inText.top + inText.bottom) / 2));
    ReleaseDC(dialog, dc);
}

namespace {

bool IsInk(uint32_t rgb)
{
    return RedOf(rgb) + GreenOf(rgb) + BlueOf(rgb) < 150;
}

// The box around the text's ink (not its glow) in an area of a context.
RECT InkBox(HDC dc, const RECT& area)
{
    RECT ink = {area.right, area.bottom, area.left - 1, area.top - 1};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (IsInk(PixelRgb(dc, x, y))) {
                ink.left = std::min<LONG>(ink.left, x);
                ink.top = std::min<LONG>(ink.top, y);
                ink.right = std::max<LONG>(ink.right, x + 1);
                ink.bottom = std::max<LONG>(ink.bottom, y + 1);
            }
    return ink;
}

}  // namespace

TEST_F(SkinnedDialogTest, TheTitleKeepsItsTopStrokesAndAGlow)
{
    // "示" begins with a short stroke over a long one; taken as an outline at the title's small size
    // the short one was lost, and the long one became the character's top.
    ScopedWindow dialog(ShowSkinnedDialog());
    SetWindowTextA(dialog, "示");
    PaintDialogFrame(dialog);
    HDC frame = Record().frameDc;
    const RECT ink = InkBox(frame, RECT{25, 0, 60, 30});
    ASSERT_LT(ink.top, ink.bottom);
    int topRow = 0;
    for (int x = ink.left; x < ink.right; ++x)
        topRow += IsInk(PixelRgb(frame, x, ink.top)) ? 1 : 0;
    // Lost, the long stroke would be the top row and span the whole character.
    EXPECT_LT(topRow + 1, ink.right - ink.left)
        << "the top row is the short stroke: " << topRow << " of " << ink.right - ink.left;
    EXPECT_GT(ink.top, 4);
    EXPECT_LT(ink.bottom, 25) << "within the caption band";
    // Around the strokes the glow lightens the band.
    const uint32_t glow = PixelRgb(frame, ink.left - 2, (ink.top + ink.bottom) / 2);
    const uint32_t band = PixelRgb(frame, 150, (ink.top + ink.bottom) / 2);
    EXPECT_GT(GreenOf(glow), GreenOf(band)) << std::hex << glow << " " << band;
}

TEST_F(SkinnedDialogTest, AnEmptyIconPlaceShowsTheBoxBackground)
{
    // A message box without an icon keeps its icon static, partly under the OK button.
    ScopedWindow dialog(CreateTestDialog(nullptr, "复制", 200, 110,
                                         {{0x0082, "", SS_ICON, 8, 18, 20, 20, 1088},
                                          {0x0082, "复制成功", SS_LEFT, 8, 6, 60, 10, 100},
                                          {0x0080, "确定", BS_DEFPUSHBUTTON | WS_TABSTOP, 16, 26, 40, 14, IDOK}}));
    SkinDialogWindow(dialog);
    // Its pixels are read off the screen: no window of a test running beside this one may cover them.
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(dialog, SW_SHOWNA);
    UpdateWindow(dialog);
    PumpFor(300);
    HWND icon = GetDlgItem(dialog, 1088);
    const RECT place = GetWindowRectInParent(icon);
    HDC frame = FormRecord(FindSkinnedWindow(dialog)).frameDc;
    HDC shown = GetDC(icon);
    // The corner left of the button, where the static is not covered. A busy machine may take a while
    // to paint it: it has two seconds to show what lies behind it.
    const POINT corners[] = {{1, 1}, {3, 8}};
    for (DWORD waited = 0; waited < 2000; waited += 50) {
        bool painted = true;
        for (const POINT& p : corners)
            painted = painted && RgbNear(PixelRgb(shown, p.x, p.y), PixelRgb(frame, place.left + p.x, place.top + p.y), 6);
        if (painted)
            break;
        PumpFor(50);
    }
    for (const POINT& p : corners) {
        const uint32_t pixel = PixelRgb(shown, p.x, p.y);
        const uint32_t behind = PixelRgb(frame, place.left + p.x, place.top + p.y);
        EXPECT_TRUE(RgbNear(pixel, behind, 6)) << std::hex << pixel << " over " << behind;
        EXPECT_NE(0xFFFFFFu, pixel) << "no white patch";
    }
    ReleaseDC(icon, shown);
}

