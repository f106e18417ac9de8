// The button family on skinned forms: which buttons are registered and how, what their procedure
// keeps from the native code, and hover repaints.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/button_family.h"
#include "skin/controls/button_painters.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_installers.h"
#include "skin/controls/control_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

WNDPROC ProcOf(HWND window)
{
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
}

class ButtonFamilyTest : public testing::Test {
protected:
    void SetUp() override
    {
        NativeMessages().clear();
        OnNativeMessage() = nullptr;
        FormMessages().clear();
        g_themeColour = kStartThemeColour;
    }
    void TearDown() override
    {
        OnNativeMessage() = nullptr;
        g_skinChildControls = true;
    }
};

}  // namespace

TEST_F(ButtonFamilyTest, ButtonTypesAndTheirKinds)
{
    ScopedWindow form(CreateFrameForm(20, 20, 420, 300, 0, false));
    constexpr LONG_PTR kOtherBits = WS_TABSTOP | BS_MULTILINE;
    HWND buttons[16];
    for (int type = 0; type < 16; ++type)
        buttons[type] = CreateControl(form, "Button", "按钮", 10 + (type % 4) * 100, 40 + (type / 4) * 50, 90, 24,
                                      static_cast<DWORD>(kOtherBits | type), 100 + type);
    const WNDPROC native = ProcOf(buttons[0]);
    const int n = ShowSkinnedForm(form);
    ASSERT_GT(n, 0);
    const SkinFormRecord& record = FormRecord(n);

    struct Case {
        int type;
        int kind;  // -1: not registered
        LONG_PTR typeAfter;
    } cases[] = {
        {0, kButtonKindPush, BS_OWNERDRAW},      {1, kButtonKindPush, BS_OWNERDRAW},
        {2, kButtonKindCheckBox, 2},             {3, kButtonKindCheckBox, 3},
        {4, -1, 4},                              {5, -1, 5},
        {6, -1, 6},                              {7, -1, 7},
        {8, kButtonKindPush, BS_OWNERDRAW},      {9, kButtonKindRadio, 9},
        {10, kButtonKindCheckBox, 10},           {11, -1, BS_OWNERDRAW},
        {12, -1, 12},                            {13, -1, 13},
        {14, -1, 14},                            {15, -1, 15},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "type " << c.type);
        HWND button = buttons[c.type];
        const LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
        EXPECT_EQ(style & 0xF, c.typeAfter);
        EXPECT_EQ(style & kOtherBits, kOtherBits) << "other style bits stay";
        const int index = FindButtonRecord(n, button);
        if (c.kind < 0) {
            EXPECT_EQ(index, 0);
            EXPECT_EQ(GetPropA(button, kPropHwFormNumber), nullptr);
            continue;
        }
        ASSERT_GT(index, 0);
        const SkinButtonRecord& b = *RecordAt(record.buttons, index);
        EXPECT_EQ(b.kind, c.kind);
        EXPECT_EQ(b.caption, "按钮");
        EXPECT_EQ(b.fontFace, "宋体") << "a button without a font";
        EXPECT_EQ(b.fontSize, 12);
        EXPECT_EQ(GetWindowPropNumber(button, kPropHwListIndex), index);
        EXPECT_EQ(GetWindowPropNumber(button, kPropHwFormNumber), n);
        EXPECT_EQ(ProcOf(button), &ButtonWindowProc);
        EXPECT_EQ(GetWindowPropHandle<WNDPROC>(button, kPropHwProc), b.previousProc);
        EXPECT_EQ(b.previousProc, native);
    }
    // Push buttons come first; the first one takes index 1.
    EXPECT_EQ(FindButtonRecord(n, buttons[0]), 1);
    EXPECT_EQ(FindButtonRecord(n, buttons[1]), 2);
    EXPECT_EQ(FindButtonRecord(n, buttons[8]), 3);
    EXPECT_EQ(FindButtonRecord(n, buttons[2]), 4);
    EXPECT_EQ(RecordCount(record.buttons), 7);
}

TEST_F(ButtonFamilyTest, InstallingTwiceKeepsOneRecordAndOneSubclass)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND push = CreateControl(form, "Button", "推", 10, 40, 80, 24, BS_PUSHBUTTON);
    HWND check = CreateControl(form, "Button", "选", 10, 70, 80, 20, BS_AUTOCHECKBOX);
    HWND radio = CreateControl(form, "Button", "单", 10, 100, 80, 20, BS_AUTORADIOBUTTON);
    const int n = ShowSkinnedForm(form);
    const WNDPROC nativeCheck = GetWindowPropHandle<WNDPROC>(check, kPropHwProc);
    for (int run = 0; run < 2; ++run) {
        SkinPushButtons(n, form);
        SkinCheckAndRadioButtons(n, form);
        RunControlInstallers(n, form);
    }
    EXPECT_EQ(RecordCount(FormRecord(n).buttons), 3);
    for (HWND button : {push, check, radio}) {
        EXPECT_EQ(GetWindowPropHandle<WNDPROC>(button, kPropHwProc), RecordAt(FormRecord(n).buttons, FindButtonRecord(n, button))->previousProc);
        EXPECT_NE(GetWindowPropHandle<WNDPROC>(button, kPropHwProc), &ButtonWindowProc) << "never its own previous";
    }
    EXPECT_EQ(GetWindowPropHandle<WNDPROC>(check, kPropHwProc), nativeCheck);
    // The controls still answer through one subclass.
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    char text[8] = {};
    EXPECT_EQ(GetWindowTextA(radio, text, sizeof(text)), 2);
}

TEST_F(ButtonFamilyTest, NothingIsSkinnedWhileChildSkinningIsOff)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND push = CreateControl(form, "Button", "推", 10, 40, 80, 24, BS_PUSHBUTTON);
    SetSkinOptions(false, 0);
    SkinForm(form);
    const int n = FindSkinnedWindow(form);
    SkinPushButtons(n, form);
    EXPECT_EQ(FindButtonRecord(n, push), 0);
    EXPECT_EQ(GetWindowLongPtrA(push, GWL_STYLE) & 0xF, BS_PUSHBUTTON);
}

TEST_F(ButtonFamilyTest, WhatReachesTheNativeCode)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND push = CreateControl(form, "Button", "推", 10, 40, 80, 24, BS_PUSHBUTTON, 1);
    HWND check = CreateControl(form, "Button", "选", 10, 70, 80, 20, BS_AUTOCHECKBOX, 2);
    HWND radio = CreateControl(form, "Button", "单", 10, 100, 80, 20, BS_AUTORADIOBUTTON, 3);
    for (HWND b : {push, check, radio})
        RecordNativeMessages(b);
    const int n = ShowSkinnedForm(form);
    ASSERT_GT(n, 0);
    NativeMessages().clear();

    SCOPED_TRACE("double click swallowed");
    for (HWND b : {push, check, radio}) {
        EXPECT_EQ(SendMessageA(b, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)), 0);
        EXPECT_EQ(CountNative(b, WM_LBUTTONDBLCLK), 0);
    }

    SCOPED_TRACE("non-client paint answered without the native code");
    for (HWND b : {push, check, radio}) {
        EXPECT_EQ(SendMessageA(b, WM_NCPAINT, 1, 0), 1);
        EXPECT_EQ(CountNative(b, WM_NCPAINT), 0);
    }

    SCOPED_TRACE("releasing the pushed look only once the mouse button is up");
    // (The native code sends itself BM_SETSTATE on a press and a release; only ours are counted.)
    SendMessageA(push, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(RecordAt(FormRecord(n).buttons, 1)->pressed);
    int before = CountNative(push, BM_SETSTATE);
    EXPECT_EQ(SendMessageA(push, BM_SETSTATE, 0, 0), 0);
    EXPECT_EQ(CountNative(push, BM_SETSTATE), before) << "swallowed while pressed";
    SendMessageA(push, BM_SETSTATE, 1, 0);
    EXPECT_EQ(CountNative(push, BM_SETSTATE), before + 1);
    SendMessageA(push, WM_LBUTTONUP, 0, MAKELPARAM(500, 500));  // released outside: no click
    EXPECT_FALSE(RecordAt(FormRecord(n).buttons, 1)->pressed);
    before = CountNative(push, BM_SETSTATE);
    SendMessageA(push, BM_SETSTATE, 0, 0);
    EXPECT_EQ(CountNative(push, BM_SETSTATE), before + 1) << "passed once released";

    SCOPED_TRACE("a check box hears press, check and space first, then is painted");
    bool blankWhenNativeRan = false;
    OnNativeMessage() = [&](const NativeMessage& m) {
        if (m.window == check && (m.message == WM_LBUTTONDOWN || m.message == BM_SETCHECK || m.message == WM_KEYDOWN))
            blankWhenNativeRan = PatchIsBlank(check);
    };
    for (UINT message : {static_cast<UINT>(WM_LBUTTONDOWN), static_cast<UINT>(BM_SETCHECK),
                         static_cast<UINT>(WM_KEYDOWN)}) {
        SCOPED_TRACE(message);
        BlankBackBufferPatch(check);
        blankWhenNativeRan = false;
        const WPARAM wParam = message == WM_KEYDOWN ? VK_SPACE : (message == BM_SETCHECK ? BST_CHECKED : MK_LBUTTON);
        SendMessageA(check, message, wParam, MAKELPARAM(5, 5));
        EXPECT_EQ(CountNative(check, message), 1);
        EXPECT_TRUE(blankWhenNativeRan) << "the native code ran before the paint";
        EXPECT_FALSE(PatchIsBlank(check)) << "painted afterwards";
    }
    OnNativeMessage() = nullptr;
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
    SendMessageA(check, WM_KEYUP, VK_SPACE, 0);

    SCOPED_TRACE("the tick is in the back buffer after BM_SETCHECK 1");
    g_themeColour = 0;  // a black tick
    SendMessageA(check, BM_SETCHECK, BST_UNCHECKED, 0);
    const int cy = (20 - 12) / 2;
    const uint32_t unticked = BackBufferPixel(check, 10, cy + 6);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_EQ(SendMessageA(check, BM_GETCHECK, 0, 0), BST_CHECKED);
    const uint32_t ticked = BackBufferPixel(check, 10, cy + 6);
    EXPECT_LT(ticked & 0xFF, 0x40) << std::hex << ticked;
    EXPECT_GT(unticked & 0xFF, 0x80) << std::hex << unticked;
    // An indeterminate box looks unchecked.
    SetWindowLongPtrA(check, GWL_STYLE, (GetWindowLongPtrA(check, GWL_STYLE) & ~0xF) | BS_AUTO3STATE);
    SendMessageA(check, BM_SETCHECK, BST_INDETERMINATE, 0);
    EXPECT_EQ(BackBufferPixel(check, 10, cy + 6), unticked);

    SCOPED_TRACE("erase: transparent, text colour from Kj_Ztys, old colour returned");
    ExpectEraseKeepsTheBackground(push, 0x0000FF);
    ExpectEraseKeepsTheBackground(check, 0x00FF00);

    SCOPED_TRACE("captions follow WM_SETTEXT, a null text clears them");
    SetWindowTextA(push, "新的");
    EXPECT_EQ(RecordAt(FormRecord(n).buttons, 1)->caption, "新的");
    EXPECT_EQ(GetWindowTextAsText(push), "新的");
    SendMessageA(push, WM_SETTEXT, 0, 0);
    EXPECT_EQ(RecordAt(FormRecord(n).buttons, 1)->caption, "");
    EXPECT_EQ(CountNative(push, WM_SETTEXT), 2);
}

TEST_F(ButtonFamilyTest, AControlWhoseNumbersNameAnotherRecordIsLeftToItsNativeCode)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND push = CreateControl(form, "Button", "推", 10, 40, 80, 24, BS_PUSHBUTTON);
    HWND other = CreateControl(form, "Button", "别", 10, 80, 80, 24, BS_PUSHBUTTON);
    RecordNativeMessages(push);
    const int n = ShowSkinnedForm(form);
    NativeMessages().clear();
    // Numbers that name no record, or another control's record: no skin work, every message passed on.
    for (int index : {0, 7, FindButtonRecord(n, other)}) {
        SCOPED_TRACE(index);
        SetWindowProp(push, kPropHwListIndex, index);
        FormRecord(n).prevHotIndex = 0;
        EXPECT_EQ(SendMessageA(push, WM_LBUTTONDBLCLK, 0, 0), 0);
        SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        EXPECT_EQ(FormRecord(n).prevHotIndex, 0) << "no hover bookkeeping";
    }
    EXPECT_EQ(CountNative(push, WM_LBUTTONDBLCLK), 3);
    SetWindowProp(push, kPropHwFormNumber, n + 5);
    SetWindowProp(push, kPropHwListIndex, 1);
    SendMessageA(push, WM_NCPAINT, 1, 0);
    EXPECT_EQ(CountNative(push, WM_NCPAINT), 1);
}

TEST_F(ButtonFamilyTest, HoverRepaintsOnceAndLeavingShowsTheFocus)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND push = CreateControl(form, "Button", "推", 10, 40, 80, 24, BS_PUSHBUTTON);
    HWND check = CreateControl(form, "Button", "选", 10, 70, 80, 20, BS_AUTOCHECKBOX);
    const int n = ShowSkinnedForm(form);
    SkinFormRecord& record = FormRecord(n);
    record.prevHotIndex = 0;  // whatever the real pointer did while the form was shown
    g_themeColour = 0xFF0000;  // a blue theme

    BlankBackBufferPatch(push);
    SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(PatchIsBlank(push)) << "entering paints hot";
    EXPECT_EQ(BackBufferPixel(push, 40, 18), ExpectedPushButtonPixel(push, ODS_HOTLIGHT, 40, 18));
    EXPECT_EQ(record.hoverKind, 0);
    EXPECT_EQ(record.prevHotIndex, 1);
    EXPECT_EQ(record.hotIndex, 1);
    BlankBackBufferPatch(push);
    SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(6, 6));
    SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(7, 6));
    EXPECT_TRUE(PatchIsBlank(push)) << "moves inside paint nothing";

    SendMessageA(push, WM_SETFOCUS, 0, 0);
    BlankBackBufferPatch(push);
    SendMessageA(push, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(record.prevHotIndex, 0);
    EXPECT_EQ(BackBufferPixel(push, 1, 12), ExpectedPushButtonPixel(push, ODS_FOCUS, 1, 12)) << "the focus glow";
    EXPECT_NE(BackBufferPixel(push, 1, 12), ExpectedPushButtonPixel(push, 0, 1, 12));

    // From the push button to the check box, and back: each entry repaints.
    SendMessageA(push, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    BlankBackBufferPatch(check);
    SendMessageA(check, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(PatchIsBlank(check));
    EXPECT_EQ(record.prevHotIndex, 2);
    // A release returns the form to no control hot without painting; the next move paints again.
    SendMessageA(check, WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
    EXPECT_EQ(record.prevHotIndex, 0);
    BlankBackBufferPatch(check);
    SendMessageA(check, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(PatchIsBlank(check));
}

TEST_F(ButtonFamilyTest, DisabledRadiosAndCheckBoxesShowTheSilverBlock)
{
    constexpr uint32_t kSilver = 0xC0C0C0;
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND check = CreateControl(form, "Button", "选", 10, 40, 80, 20, BS_AUTOCHECKBOX);
    HWND radio = CreateControl(form, "Button", "金", 10, 70, 80, 20, BS_AUTORADIOBUTTON);
    HWND greyFromTheStart = CreateControl(form, "Button", "木", 10, 100, 80, 20, BS_AUTORADIOBUTTON | WS_DISABLED);
    ShowSkinnedForm(form);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    for (HWND control : {check, radio, greyFromTheStart}) {
        const bool startsEnabled = control != greyFromTheStart;
        SCOPED_TRACE(startsEnabled ? "disabled by EnableWindow" : "created disabled");
        InvalidateRect(control, nullptr, TRUE);
        UpdateWindow(control);
        EXPECT_EQ(!startsEnabled, BackBufferPixel(control, 0, 0) == kSilver);
        if (startsEnabled) {
            BlankBackBufferPatch(control);
            EnableWindow(control, FALSE);
            EXPECT_EQ(kSilver, BackBufferPixel(control, 0, 0)) << "the disabled look at once";
            EXPECT_EQ(kSilver, BackBufferPixel(control, 79, 19));
        }
        InvalidateRect(control, nullptr, TRUE);
        UpdateWindow(control);
        EXPECT_EQ(kSilver, BackBufferPixel(control, 0, 0)) << "and at every repaint";
        SendMessageA(control, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(kSilver, BackBufferPixel(control, 0, 0)) << "no hot look";
        EnableWindow(control, TRUE);
        EXPECT_NE(kSilver, BackBufferPixel(control, 0, 0)) << "enabled again";
    }
}

TEST_F(ButtonFamilyTest, APictureButtonKeepsItsPicture)
{
    // The form runtime's picture button: a push button with BS_BITMAP and its bitmap set by message.
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND button = CreateControl(form, "Button", "", 10, 40, 28, 28, BS_PUSHBUTTON | BS_BITMAP);
    HBITMAP picture = SolidBitmap(12, 12, RGB(255, 0, 0));
    SendMessageA(button, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture));
    const int n = ShowSkinnedForm(form);
    ASSERT_EQ(FindButtonRecord(n, button), 1);
    EXPECT_EQ(GetWindowLongPtrA(button, GWL_STYLE) & (BS_BITMAP | 0xF), BS_BITMAP | BS_OWNERDRAW);
    BlankBackBufferPatch(button);
    InvalidateRect(button, nullptr, TRUE);
    UpdateWindow(button);
    EXPECT_EQ(BackBufferPixel(button, 14, 14), 0xFF0000u) << "the bitmap, centred";
    EXPECT_EQ(BackBufferPixel(button, 8, 8), 0xFF0000u);
    EXPECT_NE(BackBufferPixel(button, 3, 14), 0xFF0000u);
    EXPECT_NE(BackBufferPixel(button, 3, 14), kBlankPatch) << "over the push-button look";
    DestroyWindow(button);
    DeleteObject(picture);
}

// A disabled check box or radio button shows the disabled look whichever path of its procedure paints
// it: its own paint, a press, a new check state, the space key, the mouse over it.
TEST_F(ButtonFamilyTest, DisabledIndicatorsKeepTheDisabledLook)
{
    ParkCursor();
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND check = CreateControl(form, "Button", "选", 10, 40, 90, 20, BS_AUTOCHECKBOX);
    HWND radio = CreateControl(form, "Button", "单", 10, 70, 90, 20, BS_AUTORADIOBUTTON);
    ShowSkinnedForm(form);
    struct Path {
        const char* what;
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    const Path paths[] = {
        {"paint", WM_PAINT, 0, 0},
        {"press", WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5)},
        {"check state", BM_SETCHECK, BST_CHECKED, 0},
        {"space key", WM_KEYDOWN, VK_SPACE, 0},
        {"hover", WM_MOUSEMOVE, 0, MAKELPARAM(6, 6)},
    };
    for (HWND button : {check, radio}) {
        SCOPED_TRACE(button == check ? "check box" : "radio button");
        EnableWindow(button, FALSE);
        PumpMessages();
        for (const Path& path : paths) {
            SCOPED_TRACE(path.what);
            BlankBackBufferPatch(button);
            if (path.message == WM_PAINT)
                RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
            else
                SendMessageA(button, path.message, path.wParam, path.lParam);
            // No release: a disabled button never hears the mouse, and the native release of a disabled auto
            // radio button looks for the next enabled one in its group for ever.
            ReleaseCapture();
            const std::vector<uint32_t> disabled = ExpectedButtonPicture(button, ODS_DISABLED);
            ASSERT_FALSE(disabled.empty());
            EXPECT_NE(disabled, ExpectedButtonPicture(button, 0)) << "the looks differ";
            EXPECT_EQ(BackBufferPicture(button), disabled);
        }
        EnableWindow(button, TRUE);
        PumpMessages();
        BlankBackBufferPatch(button);
        RedrawWindow(button, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_EQ(BackBufferPicture(button), ExpectedButtonPicture(button, 0)) << "enabled again";
    }
}
