// A form with every control of the button, bar and static families: painted in each state and
// destroyed again and again without leaving memory contexts, records or GDI objects behind; and the
// picture of every control in each of its states.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/controls/button_painters.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/paint_helpers.h"
#include "skin/controls/progress_family.h"
#include "skin/controls/static_family.h"
#include "skin/controls/trackbar_family.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/screenshot.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

struct FormControls {
    HWND push, check, radio, bar, progress, label, blank;
};

FormControls AddEveryControl(HWND form)
{
    FormControls c{};
    c.push = CreateControl(form, "Button", "按钮", 10, 40, 90, 26, BS_DEFPUSHBUTTON, 1);
    c.check = CreateControl(form, "Button", "复选框", 10, 80, 100, 20, BS_AUTOCHECKBOX, 2);
    c.radio = CreateControl(form, "Button", "单选框", 10, 110, 100, 20, BS_AUTORADIOBUTTON, 3);
    c.bar = CreateControl(form, TRACKBAR_CLASSA, "", 120, 40, 200, 30, TBS_ENABLESELRANGE, 4);
    c.progress = CreateControl(form, PROGRESS_CLASSA, "", 120, 80, 200, 20, 0, 5);
    c.label = CreateControl(form, "Static", "说明文字", 120, 110, 100, 20, SS_LEFT, 6);
    c.blank = CreateControl(form, "Static", "", 230, 110, 60, 20, SS_LEFT, 7);
    return c;
}

}  // namespace

TEST(SkinnedControlsTest, EveryStateAndAHundredFormsLeaveNothingBehind)
{
    InitCommonControls();
    const int memoryDcs = MemoryDcCount();
    const int forms = SkinFormCount();
    int handedOut = 0;
    for (int round = 0; round < 100; ++round) {
        HWND form = CreateFrameForm(30, 30, 340, 150, 0, false);
        const FormControls c = AddEveryControl(form);
        const int n = ShowSkinnedForm(form);
        ASSERT_GT(n, 0);
        SkinStatics(n, form, 6);

        // Every state once: hover and leave with the focus, press and release, checks, positions, a
        // disabled button, and a blank static painted by its own code.
        SendMessageA(c.push, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(c.push, WM_SETFOCUS, 0, 0);
        SendMessageA(c.push, WM_MOUSELEAVE, 0, 0);
        SendMessageA(c.push, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
        SendMessageA(c.push, WM_LBUTTONUP, 0, MAKELPARAM(400, 400));
        SendMessageA(c.check, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(c.check, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(c.radio, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(c.radio, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(c.bar, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
        SendMessageA(c.bar, TBM_SETSEL, TRUE, MAKELPARAM(20, 60));
        SendMessageA(c.bar, WM_MOUSELEAVE, 0, 0);
        SendMessageA(c.progress, PBM_SETPOS, 60, 0);
        SetWindowTextA(c.label, "新的说明");
        EnableWindow(c.push, FALSE);
        InvalidateRect(c.blank, nullptr, TRUE);
        PumpMessages();

        // The brush pairs the form handed its children for WM_CTLCOLOR*.
        std::vector<HGDIOBJ> objects;
        for (HWND child : {c.push, c.check, c.radio, c.bar, c.progress, c.label, c.blank}) {
            for (const char* key : {kPropKjCtlBrush, kPropKjCtlBitmap}) {
                HGDIOBJ object = GetWindowPropHandle<HGDIOBJ>(child, key);
                if (IsDeletable(object))
                    objects.push_back(object);
            }
        }
        handedOut += static_cast<int>(objects.size());
        DestroyWindow(form);
        PumpMessages();
        for (HGDIOBJ object : objects)
            ASSERT_EQ(GetObjectType(object), 0u) << "round " << round;
        ASSERT_EQ(MemoryDcCount(), memoryDcs) << "round " << round;
        ASSERT_EQ(SkinFormCount(), forms) << "round " << round;
    }
    EXPECT_GT(handedOut, 0) << "the statics were given brushes to paint with";
}

TEST(SkinnedControlsTest, PictureOfEveryControlInEachState)
{
    InitCommonControls();
    constexpr int kWidth = 660, kHeight = 430;
    // A light skin, as the program's default skin looks.
    const COLORREF baseColour = g_skinBaseColour;
    g_skinBaseColour = RGB(214, 226, 236);
    ScopedWindow form(CreateFrameForm(0, 0, kWidth, kHeight, 0, false));
    HWND bar = CreateControl(form, TRACKBAR_CLASSA, "", 0, 300, 150, 30, TBS_ENABLESELRANGE);
    HWND upright = CreateControl(form, TRACKBAR_CLASSA, "", 200, 300, 30, 100, TBS_VERT);
    const int n = ShowSkinnedForm(form);
    ASSERT_GT(n, 0);
    ShowWindow(bar, SW_HIDE);
    ShowWindow(upright, SW_HIDE);

    HDC picture = CreateMemoryDC(kWidth, kHeight);
    ASSERT_NE(picture, nullptr);
    BitBlt(picture, 0, 0, kWidth, kHeight, FormRecord(n).frameDc, 0, 0, SRCCOPY);
    // Draws one control at (x, y) over what the frame shows there.
    auto at = [&](int x, int y, int w, int h, const std::function<void(HDC, GdipGraphics&)>& draw) {
        HDC cell = CreateMemoryDC(w, h);
        BitBlt(cell, 0, 0, w, h, picture, x, y, SRCCOPY);
        {
            GdipBitmap surface;
            GdipGraphics graphics;
            AttachOpaqueGraphics(graphics, surface, cell);
            draw(cell, graphics);
        }
        BitBlt(picture, x, y, w, h, cell, 0, 0, SRCCOPY);
        ReleaseMemoryDC(cell);
    };
    auto label = [&](int x, int y, const char* text) {
        at(x, y, 80, 20, [&](HDC, GdipGraphics& graphics) {
            CaptionStyle style;
            style.face = "宋体";
            DrawCaption(graphics, text, RectF{0, 2, 80, 18}, style);
        });
    };

    struct ButtonState {
        const char* name;
        UINT state;
        bool checked;
    };
    const ButtonState pushStates[] = {{"普通", 0, false},
                                      {"悬停", ODS_HOTLIGHT, false},
                                      {"焦点", ODS_FOCUS, false},
                                      {"按下", ODS_SELECTED | ODS_FOCUS, false},
                                      {"禁用", ODS_DISABLED, false}};
    const ButtonState indicatorStates[] = {{"未选", 0, false},
                                           {"选中", 0, true},
                                           {"不定(未选)", 0, false},
                                           {"悬停", ODS_HOTLIGHT, false},
                                           {"悬停选中", ODS_HOTLIGHT, true},
                                           {"禁用", ODS_DISABLED, true}};
    label(10, 40, "按钮");
    for (int i = 0; i < 5; ++i) {
        ButtonFace face;
        face.caption = pushStates[i].name;
        at(90 + i * 100, 36, 90, 26,
           [&](HDC, GdipGraphics& g) { DrawPushButtonFace(g, 90, 26, pushStates[i].state, face); });
    }
    ButtonFace pictureButton;
    pictureButton.picture = SolidBitmap(16, 16, RGB(230, 120, 40));
    at(600, 36, 28, 28, [&](HDC, GdipGraphics& g) { DrawPushButtonFace(g, 28, 28, 0, pictureButton); });
    DeleteObject(pictureButton.picture);
    label(10, 80, "单选框");
    label(10, 110, "复选框");
    for (int i = 0; i < 6; ++i) {
        ButtonFace face;
        face.caption = indicatorStates[i].name;
        face.checked = indicatorStates[i].checked;
        at(90 + i * 95, 80, 90, 20,
           [&](HDC, GdipGraphics& g) { DrawRadioButtonFace(g, 90, 20, indicatorStates[i].state, face); });
        at(90 + i * 95, 110, 90, 20,
           [&](HDC, GdipGraphics& g) { DrawCheckBoxFace(g, 90, 20, indicatorStates[i].state, face); });
    }

    label(10, 150, "滑块");
    SendMessageA(bar, TBM_SETRANGE, TRUE, MAKELPARAM(0, 100));
    auto barState = [&](HWND control, int position, bool hot, bool effect, int x, int y) {
        SendMessageA(control, TBM_SETPOS, TRUE, position);
        SendMessageA(control, TBM_SETSEL, TRUE, MAKELPARAM(20, 70));
        TrackbarSnapshot snapshot;
        ASSERT_TRUE(TakeTrackbarSnapshot(control, snapshot));
        snapshot.hot = hot;
        snapshot.frameEffect = effect;
        at(x, y, snapshot.width, snapshot.height, [&](HDC, GdipGraphics& g) { DrawTrackbarFace(g, snapshot); });
    };
    barState(bar, 40, false, true, 90, 146);
    barState(bar, 40, true, true, 250, 146);
    barState(bar, 100, false, true, 410, 146);
    barState(bar, 70, false, false, 90, 186);
    barState(upright, 30, true, true, 600, 146);

    label(10, 230, "进度条");
    const int positions[] = {0, 50, 100};
    for (int i = 0; i < 3; ++i) {
        ProgressSnapshot snapshot;
        snapshot.width = 150;
        snapshot.height = 18;
        snapshot.position = positions[i];
        at(90 + i * 160, 230, 150, 18, [&](HDC, GdipGraphics& g) { DrawProgressFace(g, snapshot); });
    }
    ProgressSnapshot vertical;
    vertical.width = 18;
    vertical.height = 100;
    vertical.vertical = true;
    vertical.position = 30;
    at(570, 260, 18, 100, [&](HDC, GdipGraphics& g) { DrawProgressFace(g, vertical); });

    label(10, 280, "静态");
    StaticSnapshot text;
    text.text = "对话框里的说明文字";
    at(90, 280, 200, 20, [&](HDC dc, GdipGraphics&) { DrawStaticFace(dc, 200, 20, text); });
    StaticSnapshot icon;
    icon.kind = kStaticKindIcon;
    icon.picture = LoadIcon(nullptr, IDI_INFORMATION);
    at(300, 276, 32, 32, [&](HDC dc, GdipGraphics&) { DrawStaticFace(dc, 32, 32, icon); });

    const std::string saved = SaveDcScreenshot(picture, kWidth, kHeight, "skinned-buttons-bars-statics.png");
    ReleaseMemoryDC(picture);
    g_skinBaseColour = baseColour;
    EXPECT_FALSE(saved.empty());
}
