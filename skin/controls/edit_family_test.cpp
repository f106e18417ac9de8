// Edit boxes: the ring per border kind and state, what their procedure keeps from the native code, the
// order of overlay repaints, the edit fields of combo boxes, hover, installing twice and the brush
// pair they are handed.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/button_family.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_styles.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/edit_family.h"
#include "skin/controls/scroll_overlays.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kTheme = 0x22CADD;  // kStartThemeColour as 0xRRGGBB
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

std::string ManyLines(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "第" + std::to_string(i + 1) + "行\r\n";
    return text;
}

WNDPROC ProcOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

class EditFamilyTest : public testing::Test {
protected:
    void SetUp() override
    {
        NativeMessages().clear();
        OnNativeMessage() = nullptr;
        g_themeColour = kStartThemeColour;
    }
    void TearDown() override
    {
        OnNativeMessage() = nullptr;
        SetSkinOptions(true, 0);
    }
};

}  // namespace

TEST_F(EditFamilyTest, RingPerBorderKindAndState)
{
    struct Case {
        const char* name;
        int border;
        bool focused, hot, veil;
        int veilAlpha;
        uint32_t outer, inner;  // pixels (0, 10) and (1, 10)
    } cases[] = {
        {"line", kBorderLine, false, false, true, 0, Blend(kGrey, kBlack, 80), kGrey},
        {"line focused", kBorderLine, true, false, true, 0, Blend(kGrey, kTheme, 180), kGrey},
        {"line hot, as if not", kBorderLine, false, true, true, 0, Blend(kGrey, kBlack, 80), kGrey},
        {"edge", kBorderEdge, false, false, true, 0, Blend(kGrey, kBlack, 80), kGrey},
        {"edge focused", kBorderEdge, true, false, true, 0, Blend(kGrey, kTheme, 180), kGrey},
        {"edge hot", kBorderEdge, false, true, true, 0, Blend(Blend(kGrey, kWhite, 60), kTheme, 90),
         Blend(kGrey, kTheme, 180)},
        {"edge hot and focused", kBorderEdge, true, true, true, 0, Blend(Blend(kGrey, kWhite, 60), kTheme, 90),
         Blend(kGrey, kTheme, 180)},
        {"none", kBorderNone, true, true, true, 0, kGrey, kGrey},
        {"veil off: opaque white", kBorderEdge, false, false, false, 0, Blend(kWhite, kBlack, 80), kWhite},
        {"veil alpha 100", kBorderEdge, false, false, true, 100, Blend(Blend(kGrey, kWhite, 100), kBlack, 80),
         Blend(kGrey, kWhite, 100)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EditFrameSnapshot frame;
        frame.width = 60;
        frame.height = 20;
        // A 3-D edge is 2 pixels wide, a line 1; without a border the client area fills the window.
        const int b = c.border == kBorderEdge ? 2 : c.border == kBorderLine ? 1 : 0;
        frame.client = RECT{b, b, 60 - b, 20 - b};
        frame.borderKind = c.border;
        frame.focused = c.focused;
        frame.hot = c.hot;
        frame.veil = c.veil;
        frame.veilAlpha = c.veilAlpha;
        TestCanvas canvas(60, 20, kGrey);
        DrawLikeAPainter(canvas, [&](HDC, GdipGraphics& graphics) { DrawEditFrameFace(graphics, frame); });
        EXPECT_TRUE(RgbNear(canvas.Rgb(0, 10), c.outer)) << std::hex << canvas.Rgb(0, 10) << " " << c.outer;
        EXPECT_TRUE(RgbNear(canvas.Rgb(59, 10), c.outer));
        if (b == 2) {
            EXPECT_TRUE(RgbNear(canvas.Rgb(1, 10), c.inner)) << std::hex << canvas.Rgb(1, 10) << " " << c.inner;
            EXPECT_TRUE(RgbNear(canvas.Rgb(30, 1), c.inner));
        }
        EXPECT_EQ(canvas.Rgb(30, 10), kGrey) << "the client area is the Edit's";
    }
}

TEST_F(EditFamilyTest, TheRingOnTheScreenAndInTheBackBufferNeverThroughTheNativeFrame)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND edge = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "立体", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 40,
                                120, 24, form, nullptr, GetModuleHandleA(nullptr), nullptr);
    // Wine's Edit takes WS_BORDER off a new Edit's style and draws the line in its client area: the
    // border is given afterwards, as a non-client line.
    HWND line = CreateControl(form, "Edit", "单线", 10, 80, 120, 22, ES_AUTOHSCROLL);
    SetWindowLongPtrA(line, GWL_STYLE, GetWindowLongPtrA(line, GWL_STYLE) | WS_BORDER);
    SetWindowPos(line, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
    ASSERT_EQ(GetBorderKind(line), kBorderLine);
    RecordNativeMessages(edge);
    RecordNativeMessages(line);
    const int n = ShowSkinnedForm(form);
    ASSERT_EQ(RecordCount(FormRecord(n).edits), 2);
    for (HWND edit : {edge, line}) {
        SCOPED_TRACE(edit == edge ? "edge" : "line");
        const uint32_t ring = Blend(FramePixel(edit, 0, 8), kBlack, 80);
        RedrawWindow(edit, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_UPDATENOW);
        EXPECT_EQ(CountNative(edit, WM_NCPAINT), 0);
        EXPECT_TRUE(RgbNear(WindowPixel(edit, 0, 8), ring)) << std::hex << WindowPixel(edit, 0, 8);
        EXPECT_TRUE(RgbNear(BackBufferWindowPixel(edit, 0, 8), ring));
        // WM_NCPAINT answers what DefWindowProcA does for no region, whatever region came.
        EXPECT_EQ(SendMessageA(edit, WM_NCPAINT, 1, 0), DefWindowProcA(edit, WM_NCPAINT, static_cast<WPARAM>(-1), 0));
        EXPECT_EQ(CountNative(edit, WM_NCPAINT), 0);
        EXPECT_TRUE(RgbNear(WindowPixel(edit, 0, 8), ring)) << "the ring survives";
    }
    // The hot look of an edge stays until the next frame paint.
    SendMessageA(edge, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    const uint32_t hotInner = Blend(FramePixel(edge, 1, 8), kTheme, 180);
    EXPECT_TRUE(RgbNear(WindowPixel(edge, 1, 8), hotInner));
    EXPECT_TRUE(RgbNear(BackBufferWindowPixel(edge, 1, 8), hotInner));
    SendMessageA(edge, WM_NCPAINT, 1, 0);
    EXPECT_TRUE(RgbNear(WindowPixel(edge, 1, 8), FramePixel(edge, 1, 8)));
}

TEST_F(EditFamilyTest, WhatReachesTheNativeCode)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND edit = CreateControl(form, "Edit", "文字", 10, 40, 120, 22, WS_BORDER | ES_AUTOHSCROLL);
    RecordNativeMessages(edit);
    const int n = ShowSkinnedForm(form);
    SkinEditRecord& record = *RecordAt(FormRecord(n).edits, 1);
    EXPECT_EQ(GetWindowProp(edit, kPropKjTextColour), 0);

    // With the veil the client background is the skin's: erasing paints it and answers 1.
    HDC dc = GetDC(edit);
    int passed = CountNative(edit, WM_ERASEBKGND);
    EXPECT_EQ(SendMessageA(edit, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 1);
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(CountNative(edit, WM_ERASEBKGND), passed);
    SetSkinOptions(true);
    SendMessageA(edit, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    EXPECT_EQ(CountNative(edit, WM_ERASEBKGND), passed + 1) << "without the veil the Edit erases";
    SetSkinOptions(true, 0);
    ReleaseDC(edit, dc);

    // Each goes on to the native code once, after the skin's work.
    const auto send = [&](UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        const int before = CountNative(edit, message);
        SendMessageA(edit, message, wParam, lParam);
        EXPECT_EQ(CountNative(edit, message), before + 1) << std::hex << message;
    };
    send(WM_SETFOCUS);
    EXPECT_TRUE(record.focused);
    send(WM_KILLFOCUS);
    EXPECT_FALSE(record.focused);
    RECT update = {};
    EXPECT_TRUE(GetUpdateRect(edit, &update, FALSE)) << "losing the focus repaints the Edit";
    ValidateRect(edit, nullptr);
    send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_TRUE(record.pressed);
    EXPECT_TRUE(GetUpdateRect(edit, &update, FALSE)) << "a press repaints an Edit without bars over the veil";
    send(WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    EXPECT_FALSE(record.pressed);
    send(WM_PAINT);
}

TEST_F(EditFamilyTest, OverlaysRepaintAfterScrollingAndBeforeTextAndWheel)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 240, 0, false));
    HWND memo = CreateControl(form, "Edit", "", 10, 40, 200, 120,
                              WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL);
    SetWindowTextA(memo, ManyLines(40).c_str());
    RecordNativeMessages(memo);
    const int n = ShowSkinnedForm(form);
    SkinEditRecord& record = *RecordAt(FormRecord(n).edits, 1);
    HWND overlay = record.verticalScrollBar;
    ASSERT_NE(overlay, nullptr);

    bool paintedBefore = false;
    OnNativeMessage() = [&](const NativeMessage& m) {
        if (m.window == memo && (m.message == WM_VSCROLL || m.message == WM_SETTEXT || m.message == WM_MOUSEWHEEL))
            paintedBefore = !PatchIsBlank(overlay);
    };
    struct Case {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        bool before;
    } cases[] = {
        {WM_VSCROLL, SB_PAGEDOWN, 0, false},
        {WM_SETTEXT, 0, reinterpret_cast<LPARAM>("短"), true},
        {WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.message);
        BlankBackBufferPatch(overlay);
        SendMessageA(memo, c.message, c.wParam, c.lParam);
        EXPECT_EQ(paintedBefore, c.before);
        EXPECT_FALSE(PatchIsBlank(overlay));
        if (c.message == WM_VSCROLL) {
            // The paint after the scroll shows the new thumb.
            SCROLLBARINFO info = {};
            info.cbSize = sizeof(info);
            GetScrollBarInfo(memo, OBJID_VSCROLL, &info);
            EXPECT_GT(info.xyThumbTop, 17);
            EXPECT_EQ(record.verticalParts[kScrollPartThumb].top, info.xyThumbTop);
        }
        SetWindowTextA(memo, ManyLines(40).c_str());
    }
}

TEST_F(EditFamilyTest, ComboEditFieldsOnlyWithTheVeilAndTheirFrameRepaintsOnLosingFocus)
{
    for (bool veil : {true, false}) {
        SCOPED_TRACE(veil ? "veil" : "no veil");
        ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
        HWND combo = CreateControl(form, "ComboBox", "", 10, 40, 120, 200, CBS_DROPDOWN);
        HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
        ASSERT_NE(field, nullptr);
        if (veil) {
            ShowSkinnedForm(form);
        } else {
            SetSkinOptions(true);
            SkinForm(form);
            ShowWindow(form, SW_SHOWNOACTIVATE);
            PumpMessages();
        }
        const int n = FindSkinnedWindow(form);
        EXPECT_EQ(RecordCount(FormRecord(n).comboBoxes), 1);
        const int index = FindEditRecord(n, field);
        if (!veil) {
            EXPECT_EQ(index, 0);
            continue;
        }
        ASSERT_GT(index, 0);
        const SkinEditRecord& record = *RecordAt(FormRecord(n).edits, index);
        EXPECT_EQ(record.verticalScrollBar, nullptr);
        EXPECT_EQ(record.horizontalScrollBar, nullptr);
        UpdateWindow(field);
        SendMessageA(field, WM_KILLFOCUS, 0, 0);
        RECT update = {};
        EXPECT_FALSE(GetUpdateRect(field, &update, FALSE)) << "painted at once, not invalidated";
    }
}

TEST_F(EditFamilyTest, HoverRepaintsOnEnteringAndForAnotherParentsEditOfTheSameIndex)
{
    ScopedWindow form(CreateFrameForm(20, 20, 400, 240, 0, false));
    HWND first = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "一", WS_CHILD | WS_VISIBLE, 10, 40, 100, 24, form,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    HWND button = CreateControl(form, "Button", "按钮", 10, 80, 80, 24, BS_PUSHBUTTON);
    HWND panel = CreateControl(form, "Static", "", 200, 40, 150, 100);
    HWND inner = CreateWindowExA(WS_EX_CLIENTEDGE, "Edit", "二", WS_CHILD | WS_VISIBLE, 10, 10, 100, 24, panel,
                                 nullptr, GetModuleHandleA(nullptr), nullptr);
    const int n = ShowSkinnedForm(form);
    SkinEditsAndCombos(n, panel);
    ASSERT_EQ(FindEditRecord(n, first), 1);
    ASSERT_EQ(FindEditRecord(n, inner), 2);
    ASSERT_EQ(FindButtonRecord(n, button), 1);

    // Hot: the inner line of the edge turns to the theme colour.
    const auto isHot = [](HWND edit) {
        return RgbNear(BackBufferWindowPixel(edit, 1, 8), Blend(FramePixel(edit, 1, 8), kTheme, 180));
    };
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(isHot(first));
    BlankBackBufferWindow(first);
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
    EXPECT_EQ(BackBufferWindowPixel(first, 1, 8), kBlankPatch) << "once per entry";
    // Index 1 of the buttons is another control.
    SendMessageA(button, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(isHot(first));
    // Leaving repaints it plain.
    SendMessageA(first, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(isHot(first));
    EXPECT_EQ(FormRecord(n).prevHotIndex, 0);
    // An Edit under another parent that had index 1 too was the last hot one.
    SendMessageA(inner, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(FormRecord(n).hotEditParent, panel);
    FormRecord(n).prevHotIndex = 1;
    SendMessageA(first, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(isHot(first)) << "same index, another parent";
    EXPECT_EQ(FormRecord(n).hotEditParent, form.get());
}

TEST_F(EditFamilyTest, InstallingTwiceKeepsOneRecordAndOneSubclassEach)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 240, 0, false));
    HWND edit = CreateControl(form, "Edit", "", 10, 40, 100, 22, WS_BORDER | WS_VSCROLL | ES_MULTILINE);
    HWND combo = CreateControl(form, "ComboBox", "", 10, 80, 120, 200, CBS_DROPDOWN);
    HWND field = FindWindowExA(combo, nullptr, "Edit", nullptr);
    const int n = ShowSkinnedForm(form);
    const WNDPROC nativeEdit = GetWindowPropHandle<WNDPROC>(edit, kPropHwProc);
    const WNDPROC nativeCombo = GetWindowPropHandle<WNDPROC>(combo, kPropHwProc);
    const WNDPROC nativeField = GetWindowPropHandle<WNDPROC>(field, kPropHwProc);
    const HWND overlay = RecordAt(FormRecord(n).edits, 1)->verticalScrollBar;
    for (int run = 0; run < 2; ++run) {
        SkinEditsAndCombos(n, form);
        RunControlInstallers(n, form);
    }
    EXPECT_EQ(RecordCount(FormRecord(n).edits), 2);
    EXPECT_EQ(RecordCount(FormRecord(n).comboBoxes), 1);
    EXPECT_EQ(RecordAt(FormRecord(n).edits, 1)->verticalScrollBar, overlay) << "no second overlay";
    EXPECT_EQ(GetWindowPropHandle<WNDPROC>(edit, kPropHwProc), nativeEdit);
    EXPECT_EQ(GetWindowPropHandle<WNDPROC>(combo, kPropHwProc), nativeCombo);
    EXPECT_EQ(GetWindowPropHandle<WNDPROC>(field, kPropHwProc), nativeField);
    EXPECT_EQ(ProcOf(edit), &EditWindowProc);
    // Messages still reach the native code, once.
    SetWindowTextA(field, "文字");
    char text[16] = {};
    GetWindowTextA(field, text, sizeof(text));
    EXPECT_STREQ(text, "文字");
}

TEST_F(EditFamilyTest, TheBrushPairGoesWithTheEditAndItsPropertiesToo)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND edit = CreateControl(form, "Edit", "文字", 10, 40, 120, 22, WS_BORDER);
    RecordNativeMessages(edit);
    ShowSkinnedForm(form);
    HGDIOBJ brush = GetWindowPropHandle<HGDIOBJ>(edit, kPropKjCtlBrush);
    HGDIOBJ bitmap = GetWindowPropHandle<HGDIOBJ>(edit, kPropKjCtlBitmap);
    ASSERT_NE(brush, nullptr) << "the form handed the Edit a pattern brush";
    ASSERT_NE(bitmap, nullptr);
    bool propertiesGone = false;
    OnNativeMessage() = [&](const NativeMessage& m) {
        if (m.window == edit && m.message == WM_DESTROY)
            propertiesGone = !GetPropA(edit, kPropKjCtlBrush) && !GetPropA(edit, kPropKjCtlBitmap);
    };
    DestroyWindow(edit);
    EXPECT_TRUE(propertiesGone);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
}
