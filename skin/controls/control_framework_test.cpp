// What the control families share: the control's font, the repaint rule of kept pictures, container
// marks, the container lookup and the owner-draw dispatch of push buttons.
#include <windows.h>

#include <gtest/gtest.h>

#include "skin/controls/button_family.h"
#include "skin/controls/container_records.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/draw_item.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

TEST(ControlFrameworkTest, ControlFontAsGdiplusSeesIt)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND plain = CreateControl(form, "Button", "a", 10, 10, 80, 24);
    ControlFontInfo none = GetControlFontInfo(plain);
    EXPECT_EQ(none.face, "宋体");
    EXPECT_EQ(none.size, 12);
    EXPECT_EQ(none.style, 0);

    struct Case {
        int weight;
        BOOL italic;
        BOOL underline;
        int style;
    } cases[] = {{FW_BOLD, FALSE, FALSE, 1}, {FW_NORMAL, TRUE, FALSE, 2}, {FW_BOLD, TRUE, TRUE, 7}};
    for (const Case& c : cases) {
        HFONT font = CreateFontA(-12, 0, 0, 0, c.weight, c.italic, c.underline, FALSE, GB2312_CHARSET, 0, 0, 0, 0,
                                 "宋体");
        HWND button = CreateControl(form, "Button", "b", 10, 40, 80, 24);
        SendMessageA(button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        ControlFontInfo info = GetControlFontInfo(button);
        EXPECT_EQ(info.style, c.style);
        EXPECT_FALSE(info.face.empty());
        // (The size is what GDI+ makes of the font's height here, not asserted.)
        EXPECT_GT(info.size, 0);
        DestroyWindow(button);
        DeleteObject(font);
    }
}

TEST(ControlFrameworkTest, KeptPicturesRepaintWhileTheFormIsActiveOrResized)
{
    ScopedWindow window(CreateTestForm(10, 10, 200, 150));
    const int n = SkinTestForm(window);
    SkinFormRecord& form = FormRecord(n);
    HWND control = CreateTestChild(window, "Static", 0, 0, 20, 20);
    SetWindowProp(control, kPropHwFormNumber, n);
    struct Case {
        bool moving, sizing, active, repaint;
    } cases[] = {
        {false, false, false, false},
        {false, false, true, true},
        {true, false, true, false},  // dragged by the caption: copy from the back buffer
        {true, true, false, true},
        {false, true, false, false},
    };
    for (const Case& c : cases) {
        form.moving = c.moving;
        form.sizing = c.sizing;
        form.active = c.active;
        EXPECT_EQ(FormAllowsControlRepaint(control), c.repaint) << c.moving << c.sizing << c.active;
    }
    // The Kj number is read only when asked for.
    EXPECT_FALSE(FormAllowsControlRepaint(control, true));
    SetWindowProp(control, kPropKjFormNumber, n);
    form.moving = false;
    form.active = true;
    EXPECT_TRUE(FormAllowsControlRepaint(control, true));
    SetWindowProp(control, kPropHwFormNumber, n + 1);
    EXPECT_FALSE(FormAllowsControlRepaint(control));
}

TEST(ControlFrameworkTest, AMovingControlMarksItsContainer)
{
    ScopedWindow window(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND box = CreateControl(window, "Button", "组", 10, 10, 200, 150, BS_GROUPBOX);
    const int n = ShowSkinnedForm(window);
    HWND onForm = CreateControl(window, "Button", "外", 220, 10, 60, 24);
    HWND inBox = CreateControl(box, "Button", "里", 10, 20, 80, 24);
    EXPECT_FALSE(IsContainer(n, box));
    EXPECT_FALSE(IsContainer(n + 1, box));
    RegisterTestContainer(n, box, 0, 255, kContainerKindGroupBox);
    EXPECT_TRUE(IsContainer(n, box));
    EXPECT_FALSE(IsContainer(n, onForm));
    SkinContainerRecord& container = *RecordAt(FormRecord(n).containers, 1);
    SkinPushButtons(n, box);
    ASSERT_GT(FindButtonRecord(n, inBox), 0);

    container.childrenMoved = false;
    MarkContainerDirty(onForm);
    EXPECT_FALSE(container.childrenMoved) << "a control on the form itself";
    SetWindowPos(inBox, nullptr, 12, 22, 80, 24, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(container.childrenMoved) << "WM_WINDOWPOSCHANGING of a skinned button";

    container.childrenMoved = false;
    SetWindowProp(box, kPropCanvasIndex, 1);
    MarkContainerDirty(inBox);
    EXPECT_FALSE(container.childrenMoved) << "a drawing board repaints by itself";
    RemovePropA(box, kPropCanvasIndex);
    SetWindowProp(box, kPropHwFormNumber, n + 3);
    MarkContainerDirty(inBox);
    EXPECT_FALSE(container.childrenMoved) << "a parent that names no form";
}

TEST(ControlFrameworkTest, OwnerDrawDispatchPaintsOnlyItsPushButtons)
{
    ScopedWindow window(CreateFrameForm(20, 20, 300, 200, 0, false));
    HWND push = CreateControl(window, "Button", "推", 10, 10, 80, 24);
    HWND check = CreateControl(window, "Button", "选", 10, 40, 80, 20, BS_AUTOCHECKBOX);
    const int n = ShowSkinnedForm(window);
    auto itemFor = [](HWND button) {
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.hwndItem = button;
        item.hDC = GetDC(button);
        GetClientRect(button, &item.rcItem);
        return item;
    };
    for (HWND button : {push, check}) {
        DRAWITEMSTRUCT item = itemFor(button);
        BlankBackBufferPatch(button);
        HandleDrawItem(n, item);
        EXPECT_EQ(PatchIsBlank(button), button == check) << "radio buttons and check boxes paint themselves";
        // Another form's number, or a list index naming another button: nothing.
        BlankBackBufferPatch(button);
        HandleDrawItem(n + 1, item);
        SetWindowProp(button, kPropHwListIndex, button == push ? 2 : 1);
        HandleDrawItem(n, item);
        EXPECT_TRUE(PatchIsBlank(button));
        SetWindowProp(button, kPropHwListIndex, button == push ? 1 : 2);
        item.CtlType = ODT_LISTBOX;
        HandleDrawItem(n, item);
        EXPECT_TRUE(PatchIsBlank(button));
        ReleaseDC(button, item.hDC);
    }
}
