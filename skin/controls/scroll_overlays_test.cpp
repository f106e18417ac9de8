// Overlay scroll bars: where they lie, what they show of their owner's native bar, their parts and hit
// tests, keeping in step with the owner, and their end with it.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_styles.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/edit_family.h"
#include "skin/controls/scroll_overlays.h"
#include "skin/controls/static_family.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/form_skinning.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

std::string ManyLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "第" + std::to_string(i + 1) + "行，一行比编辑框宽得多的文字，好让它横向也能滚动\r\n";
    return text;
}

HWND MakeMemo(HWND form, int x, int y, DWORD extra = 0)
{
    HWND memo = CreateControl(form, "Edit", "", x, y, 200, 120,
                              WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | extra);
    SetWindowTextA(memo, ManyLines(30).c_str());
    return memo;
}

SCROLLBARINFO BarInfo(HWND owner, LONG id)
{
    SCROLLBARINFO info = {};
    info.cbSize = sizeof(info);
    EXPECT_TRUE(GetScrollBarInfo(owner, id, &info));
    return info;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b) != FALSE;
}

RECT WindowRectOf(HWND window)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return r;
}

// True when `upper` comes before `lower` among their siblings, from the top.
bool IsAbove(HWND upper, HWND lower)
{
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == lower)
            return true;
    return false;
}

LPARAM ScreenPoint(HWND overlay, int x, int y)
{
    const RECT r = WindowRectOf(overlay);
    return MAKELPARAM(r.left + x, r.top + y);
}

class ScrollOverlaysTest : public testing::Test {
protected:
    void SetUp() override
    {
        InitCommonControls();
        NativeMessages().clear();
        g_themeColour = kStartThemeColour;
    }
};

}  // namespace

TEST_F(ScrollOverlaysTest, OverlaysLieOverTheNativeBarsAboveTheirOwners)
{
    ScopedWindow form(CreateFrameForm(20, 20, 520, 320, 0, false));
    HWND memo = MakeMemo(form, 10, 40, WS_VSCROLL | WS_HSCROLL);
    HWND list = CreateControl(form, "ListBox", "", 240, 40, 120, 100, WS_BORDER | WS_VSCROLL);
    for (int i = 0; i < 30; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("名字"));
    const int n = ShowSkinnedForm(form);
    ASSERT_GT(n, 0);
    const SkinEditRecord& edit = *RecordAt(FormRecord(n).edits, 1);
    const SkinListControlRecord& box = *RecordAt(FormRecord(n).listControls, 1);
    struct Case {
        HWND owner;
        HWND overlay;
        LONG id;
        WNDPROC procedure;
    } cases[] = {
        {memo, edit.verticalScrollBar, OBJID_VSCROLL, VScrollOverlayProc},
        {memo, edit.horizontalScrollBar, OBJID_HSCROLL, HScrollOverlayProc},
        {list, box.verticalScrollBar, OBJID_VSCROLL, VScrollOverlayProc},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.id == OBJID_VSCROLL ? "vertical" : "horizontal");
        ASSERT_NE(c.overlay, nullptr);
        EXPECT_TRUE(SameRect(BarInfo(c.owner, c.id).rcScrollBar, WindowRectOf(c.overlay)));
        EXPECT_EQ(GetParent(c.overlay), form.get()) << "a sibling of its owner";
        EXPECT_TRUE(IsAbove(c.overlay, c.owner));
        EXPECT_EQ(GetWindowClassName(c.overlay), "Static");
        const LONG_PTR style = GetWindowLongPtrA(c.overlay, GWL_STYLE);
        EXPECT_EQ(style & (WS_DISABLED | WS_CLIPCHILDREN | WS_VISIBLE), WS_DISABLED | WS_CLIPCHILDREN | WS_VISIBLE);
        EXPECT_EQ(GetWindowPropHandle<HWND>(c.overlay, kPropOverlayOwner), c.owner);
        EXPECT_EQ(GetWindowPropNumber(c.overlay, kPropHwFormNumber), n);
        EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(c.overlay, GWLP_WNDPROC)), c.procedure);
    }
    // A list box has a horizontal overlay too, hidden while it has no horizontal bar.
    ASSERT_NE(box.horizontalScrollBar, nullptr);
    EXPECT_FALSE(IsWindowVisible(box.horizontalScrollBar));
}

TEST_F(ScrollOverlaysTest, PartsComeFromTheNativeBarWithTheButtonSizeItsCrossSize)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 300, 0, false));
    HWND memo = MakeMemo(form, 10, 40, WS_VSCROLL | WS_HSCROLL);
    const int n = ShowSkinnedForm(form);
    SendMessageA(memo, WM_VSCROLL, SB_PAGEDOWN, 0);
    const SkinEditRecord& edit = *RecordAt(FormRecord(n).edits, 1);

    const SCROLLBARINFO v = BarInfo(memo, OBJID_VSCROLL);
    const int w = v.rcScrollBar.right - v.rcScrollBar.left;
    const int h = v.rcScrollBar.bottom - v.rcScrollBar.top;
    // Under Wine dxyLineButton holds the thumb length; the arrow buttons are as long as the bar is wide.
    ASSERT_GT(v.xyThumbBottom, v.xyThumbTop);
    const ScrollBarParts& vertical = edit.verticalParts;
    EXPECT_TRUE(SameRect(vertical[kScrollPartFirstArrow], RECT{1, 1, w - 2, 17}));
    EXPECT_TRUE(SameRect(vertical[kScrollPartSecondArrow], RECT{1, h - 17, w - 2, h - 1}));
    EXPECT_TRUE(SameRect(vertical[kScrollPartThumb], RECT{1, v.xyThumbTop, w + 1, v.xyThumbBottom}));

    PaintHScrollBar(memo, kOverlayHitNone);
    const SCROLLBARINFO hb = BarInfo(memo, OBJID_HSCROLL);
    const int hw = hb.rcScrollBar.right - hb.rcScrollBar.left;
    const int hh = hb.rcScrollBar.bottom - hb.rcScrollBar.top;
    const ScrollBarParts& horizontal = edit.horizontalParts;
    EXPECT_TRUE(SameRect(horizontal[kScrollPartFirstArrow], RECT{1, 1, 17, hh - 2}));
    EXPECT_TRUE(SameRect(horizontal[kScrollPartSecondArrow], RECT{hw - 17, 1, hw - 4, hh - 1}));
    EXPECT_TRUE(SameRect(horizontal[kScrollPartThumb], RECT{hb.xyThumbTop, 1, hb.xyThumbBottom, hh + 1}));

    // Hit tests by the parts of the last paint, edges inside, the first arrow before the thumb.
    HWND overlay = edit.verticalScrollBar;
    struct Hit {
        int x, y;
        int part;
    } hits[] = {
        {1, 1, kOverlayHitFirstArrow},
        {w - 2, 17, kOverlayHitFirstArrow},
        {w - 1, 17, kOverlayHitNone},
        {0, 5, kOverlayHitNone},
        {1, h - 17, kOverlayHitSecondArrow},
        {w - 2, h - 1, kOverlayHitSecondArrow},
        {w - 2, h, kOverlayHitNone},
        {2, v.xyThumbTop, kOverlayHitThumb},
        {w + 1, v.xyThumbBottom, kOverlayHitThumb},
    };
    for (const Hit& hit : hits)
        EXPECT_EQ(HitTestVScrollOverlay(memo, ScreenPoint(overlay, hit.x, hit.y)), hit.part) << hit.x << "," << hit.y;
}

TEST_F(ScrollOverlaysTest, FaceLayers)
{
    constexpr int kW = 17, kH = 120;
    ScrollBarSnapshot bar;
    bar.vertical = true;
    bar.width = kW;
    bar.height = kH;
    bar.buttonSize = 17;
    bar.thumbStart = 40;
    bar.thumbEnd = 70;
    const auto paint = [&](const ScrollBarSnapshot& snapshot, TestCanvas& canvas) {
        DrawLikeAPainter(canvas, [&](HDC, GdipGraphics& graphics) { DrawScrollBarFace(graphics, snapshot); });
    };
    TestCanvas plain(kW, kH, 0x000000);
    paint(bar, plain);
    // The track fades from the theme colour at alpha 40 on the left to white on the right.
    EXPECT_TRUE(RgbNear(plain.Rgb(0, 25), Blend(0x000000, 0x22CADD, 40), 6));
    EXPECT_GT(GreenOf(plain.Rgb(kW - 1, 25)), 0xE0);
    // The arrow pictures: the up arrow's point at (5 + 3, 7), the down arrow's base at the row H - 10.
    EXPECT_LT(GreenOf(plain.Rgb(8, 7)), 0x10);
    EXPECT_GT(GreenOf(plain.Rgb(7, 7)), 0x40);
    EXPECT_LT(GreenOf(plain.Rgb(5, kH - 10)), 0x10);
    EXPECT_LT(GreenOf(plain.Rgb(11, kH - 10)), 0x10);

    ScrollBarSnapshot unavailable = bar;
    unavailable.available = false;
    unavailable.hotPart = kOverlayHitThumb;
    TestCanvas noThumb(kW, kH, 0x000000);
    paint(unavailable, noThumb);
    EXPECT_NE(plain.Rgb(8, 55), noThumb.Rgb(8, 55)) << "the thumb shows while the bar is available";
    EXPECT_EQ(noThumb.Rgb(8, 55), noThumb.Rgb(8, 30)) << "no thumb: the track alone";

    ScrollBarSnapshot hotThumb = bar;
    hotThumb.hotPart = kOverlayHitThumb;
    TestCanvas hot(kW, kH, 0x000000);
    paint(hotThumb, hot);
    EXPECT_GT(GreenOf(hot.Rgb(8, 55)), GreenOf(plain.Rgb(8, 55)) + 20) << "a hot thumb is lighter";

    ScrollBarSnapshot hotArrow = bar;
    hotArrow.hotPart = kOverlayHitSecondArrow;
    TestCanvas arrow(kW, kH, 0x000000);
    paint(hotArrow, arrow);
    EXPECT_NE(arrow.Rgb(3, kH - 14), plain.Rgb(3, kH - 14)) << "the hot arrow takes its gradient";
    unavailable.hotPart = kOverlayHitSecondArrow;
    TestCanvas coldArrow(kW, kH, 0x000000);
    paint(unavailable, coldArrow);
    EXPECT_EQ(coldArrow.Rgb(3, kH - 14), plain.Rgb(3, kH - 14)) << "never on an unavailable bar";

    // A horizontal bar: the left picture in the band from x 2, the right one in the band from W - 17.
    ScrollBarSnapshot across;
    across.vertical = false;
    across.width = kH;
    across.height = kW;
    across.buttonSize = 17;
    across.thumbStart = 40;
    across.thumbEnd = 70;
    TestCanvas wide(kH, kW, 0x000000);
    paint(across, wide);
    EXPECT_LT(GreenOf(wide.Rgb(7, 8)), 0x10) << "the left arrow's point";
    EXPECT_LT(GreenOf(wide.Rgb(kH - 12, 5)), 0x10) << "the right arrow's base";
    EXPECT_LT(GreenOf(wide.Rgb(kH - 9, 8)), 0x10) << "the right arrow's point";
}

TEST_F(ScrollOverlaysTest, OverlaysFollowTheirOwners)
{
    ScopedWindow form(CreateFrameForm(20, 20, 520, 320, 0, false));
    HWND memo = MakeMemo(form, 10, 40, WS_VSCROLL | WS_HSCROLL);
    HWND list = CreateControl(form, "ListBox", "", 240, 40, 120, 100, WS_BORDER | WS_VSCROLL);
    for (int i = 0; i < 30; ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("名字"));
    const int n = ShowSkinnedForm(form);
    const SkinEditRecord& edit = *RecordAt(FormRecord(n).edits, 1);
    const SkinListControlRecord& box = *RecordAt(FormRecord(n).listControls, 1);

    // Moved with the Edit.
    SetWindowPos(memo, nullptr, 30, 60, 220, 140, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(SameRect(BarInfo(memo, OBJID_VSCROLL).rcScrollBar, WindowRectOf(edit.verticalScrollBar)));
    EXPECT_TRUE(SameRect(BarInfo(memo, OBJID_HSCROLL).rcScrollBar, WindowRectOf(edit.horizontalScrollBar)));
    // Raised again above an Edit that was put on top.
    SetWindowPos(memo, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_TRUE(IsAbove(edit.verticalScrollBar, memo));

    // A hidden Edit's overlays hide at the next sync: its own WS_VISIBLE bit counts.
    ShowWindow(memo, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(edit.verticalScrollBar));
    EXPECT_FALSE(IsWindowVisible(edit.horizontalScrollBar));
    ShowWindow(memo, SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(edit.verticalScrollBar));

    // A list that loses its bar loses its overlay too: a bar left standing would show over the empty
    // list, and over whatever is shown in its place once the list is hidden.
    ASSERT_TRUE(HasVerticalScrollStyle(list));
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    ASSERT_FALSE(HasVerticalScrollStyle(list)) << "the native list hides its bar";
    SetWindowPos(list, nullptr, 250, 50, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_FALSE(IsWindowVisible(box.verticalScrollBar));
    ShowWindow(list, SW_HIDE);
    ShowWindow(list, SW_SHOWNA);
    EXPECT_FALSE(IsWindowVisible(box.verticalScrollBar)) << "shown again without rows to scroll";
    // An Edit whose scroll style goes hides its overlay.
    SetWindowLongPtrA(memo, GWL_STYLE, GetWindowLongPtrA(memo, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_HSCROLL));
    SyncScrollOverlays(memo);
    EXPECT_FALSE(IsWindowVisible(edit.horizontalScrollBar));
    EXPECT_TRUE(IsWindowVisible(edit.verticalScrollBar));
}

TEST_F(ScrollOverlaysTest, AHiddenOwnersOverlaysWaitInTheCornerAndAGainedStyleGetsNone)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 300, 0, false));
    HWND memo = MakeMemo(form, 10, 40, WS_VSCROLL);
    ShowWindow(memo, SW_HIDE);
    const int n = ShowSkinnedForm(form);
    const SkinEditRecord& edit = *RecordAt(FormRecord(n).edits, 1);
    ASSERT_NE(edit.verticalScrollBar, nullptr);
    EXPECT_EQ(edit.horizontalScrollBar, nullptr) << "no overlay for a style the Edit lacked";
    RECT corner = WindowRectOf(edit.verticalScrollBar);
    POINT origin = {0, 0};
    ClientToScreen(form, &origin);
    OffsetRect(&corner, -origin.x, -origin.y);
    EXPECT_TRUE(SameRect(corner, RECT{0, 0, 10, 10}));
    EXPECT_FALSE(IsWindowVisible(edit.verticalScrollBar));
    ShowWindow(memo, SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(edit.verticalScrollBar));
    EXPECT_TRUE(SameRect(BarInfo(memo, OBJID_VSCROLL).rcScrollBar, WindowRectOf(edit.verticalScrollBar)));
}

TEST_F(ScrollOverlaysTest, AnUnavailableBarShowsNoThumb)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 300, 0, false));
    HWND memo = MakeMemo(form, 10, 40, WS_VSCROLL);
    const int n = ShowSkinnedForm(form);
    const SkinEditRecord& edit = *RecordAt(FormRecord(n).edits, 1);
    const RECT thumb = edit.verticalParts[kScrollPartThumb];
    const int x = 8;
    const int y = (thumb.top + thumb.bottom) / 2;
    PaintVScrollBar(memo, kOverlayHitNone);
    const uint32_t withThumb = BackBufferPixel(edit.verticalScrollBar, x, y);
    // Nothing left to scroll: the page is larger than the range.
    SetWindowTextA(memo, "一行");
    ASSERT_EQ(BarInfo(memo, OBJID_VSCROLL).rgstate[0], static_cast<DWORD>(STATE_SYSTEM_UNAVAILABLE));
    PaintVScrollBar(memo, kOverlayHitThumb);
    const uint32_t without = BackBufferPixel(edit.verticalScrollBar, x, y);
    EXPECT_NE(without, withThumb);
    EXPECT_EQ(without, BackBufferPixel(edit.verticalScrollBar, x, 30)) << "the track alone";
}

TEST_F(ScrollOverlaysTest, AnOwnerTakesItsOverlaysWithItAndPaintsForItDoNothing)
{
    ScopedWindow form(CreateFrameForm(20, 20, 520, 320, 0, false));
    HWND memo = MakeMemo(form, 10, 40, WS_VSCROLL | WS_HSCROLL);
    HWND list = CreateControl(form, "ListBox", "", 240, 40, 120, 100, WS_BORDER | WS_VSCROLL);
    const int n = ShowSkinnedForm(form);
    SkinEditRecord& edit = *RecordAt(FormRecord(n).edits, 1);
    SkinListControlRecord& box = *RecordAt(FormRecord(n).listControls, 1);
    const HWND overlays[] = {edit.verticalScrollBar, edit.horizontalScrollBar, box.verticalScrollBar,
                             box.horizontalScrollBar};
    const int contexts = MemoryDcCount();
    DestroyWindow(memo);
    DestroyWindow(list);
    for (HWND overlay : overlays)
        EXPECT_FALSE(IsWindow(overlay));
    EXPECT_EQ(edit.verticalScrollBar, nullptr);
    EXPECT_EQ(edit.horizontalScrollBar, nullptr);
    EXPECT_EQ(box.verticalScrollBar, nullptr);
    EXPECT_EQ(box.horizontalScrollBar, nullptr);
    PaintVScrollBar(memo, kOverlayHitNone);
    PaintHScrollBar(list, kOverlayHitFirstArrow);
    SyncScrollOverlays(memo);
    EXPECT_EQ(HitTestVScrollOverlay(memo, MAKELPARAM(1, 1)), kOverlayHitNone);
    EXPECT_EQ(MemoryDcCount(), contexts);

    // An overlay destroyed before its owner is forgotten by the owner's record.
    HWND other = MakeMemo(form, 10, 170, WS_VSCROLL);
    SkinEditsAndCombos(n, form);
    SkinEditRecord& second = *RecordAt(FormRecord(n).edits, FindEditRecord(n, other));
    HWND overlay = second.verticalScrollBar;
    ASSERT_NE(overlay, nullptr);
    DestroyWindow(overlay);
    EXPECT_EQ(second.verticalScrollBar, nullptr);
    SendMessageA(other, WM_VSCROLL, SB_PAGEDOWN, 0);
    PumpMessages();
}

TEST_F(ScrollOverlaysTest, DialogStaticsLeaveTheOverlaysAlone)
{
    ScopedWindow dialog(CreateFrameForm(20, 20, 400, 300, 0, false));
    HWND memo = MakeMemo(dialog, 10, 40, WS_VSCROLL);
    CreateControl(dialog, "Static", "说明", 10, 200, 80, 20);
    SetSkinOptions(true, 0);
    const int n = SkinTestForm(dialog);
    RunDialogControlInstallers(n, dialog);
    const SkinEditRecord& edit = *RecordAt(FormRecord(n).edits, FindEditRecord(n, memo));
    EXPECT_EQ(RecordCount(FormRecord(n).statics), 1) << "the label only";
    EXPECT_EQ(FindStaticIndex(n, edit.verticalScrollBar), 0);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(edit.verticalScrollBar, GWLP_WNDPROC)), VScrollOverlayProc);
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
    UpdateWindow(dialog);
    PumpMessages();
}
