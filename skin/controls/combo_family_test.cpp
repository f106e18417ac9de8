// Combo boxes: the layers of the box per style and state, the holes where the child windows show, the
// messages they repaint on, the edit field's brush pair, and no key colour left in the back buffer.
#include <windows.h>

#include <gtest/gtest.h>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_test_support.h"
#include "skin/controls/combo_family.h"
#include "skin/controls/control_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

constexpr uint32_t kGrey = 0x808080;
constexpr uint32_t kTheme = 0x22CADD;  // kStartThemeColour as 0xRRGGBB
constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kKey = 0xFF00FF;

class ComboFamilyTest : public testing::Test {
protected:
    void SetUp() override
    {
        NativeMessages().clear();
        g_themeColour = kStartThemeColour;
    }
    void TearDown() override { SetSkinOptions(true, 0); }
};

HWND AddCombo(HWND form, DWORD style, int y)
{
    HWND combo = CreateControl(form, "ComboBox", "", 10, y, 120, style == CBS_SIMPLE ? 100 : 200, style);
    for (const char* text : {"张伟", "王芳", "李娜"})
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    return combo;
}

}  // namespace

TEST_F(ComboFamilyTest, FaceLayersPerStyleAndState)
{
    struct Case {
        const char* name;
        LONG_PTR style;
        bool hot, focused;
        uint32_t frame;   // pixel (0, 10)
        uint32_t button;  // the button's left edge, halfway down
    } cases[] = {
        {"drop-down", CBS_DROPDOWN, false, false, Blend(kGrey, kBlack, 80), Blend(kGrey, kBlack, 80)},
        {"drop-down focused", CBS_DROPDOWN, false, true, Blend(kGrey, kTheme, 200), Blend(kGrey, kBlack, 80)},
        {"drop-down hot", CBS_DROPDOWN, true, false, Blend(kGrey, kTheme, 200), Blend(kGrey, kTheme, 200)},
        {"drop-down list", CBS_DROPDOWNLIST, false, false, Blend(kGrey, kBlack, 80), Blend(kGrey, kBlack, 80)},
        {"simple", CBS_SIMPLE, false, false, Blend(kGrey, kBlack, 80), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ComboSnapshot box;
        box.width = 100;
        box.height = 22;
        box.style = c.style;
        box.hot = c.hot;
        box.focused = c.focused;
        box.veil = true;
        box.button = RECT{82, 2, 98, 20};
        if (c.style == CBS_SIMPLE)
            box.holes = {RECT{3, 3, 40, 19}};
        if (c.style == CBS_DROPDOWN)
            box.holes = {RECT{3, 3, 80, 19}};
        if (c.style == CBS_DROPDOWNLIST)
            box.text = "王芳";
        TestCanvas canvas(100, 22, kGrey);
        DrawLikeAPainter(canvas, [&](HDC, GdipGraphics& graphics) { DrawComboFace(graphics, box); });
        EXPECT_TRUE(RgbNear(canvas.Rgb(0, 10), c.frame, 4)) << std::hex << canvas.Rgb(0, 10);
        EXPECT_TRUE(RgbNear(canvas.Rgb(99, 10), c.frame, 4));
        if (c.style != CBS_SIMPLE) {
            EXPECT_TRUE(RgbNear(canvas.Rgb(82, 11), c.button, 8)) << std::hex << canvas.Rgb(82, 11);
        }
        for (const RECT& hole : box.holes)
            EXPECT_EQ(canvas.Rgb(hole.left + 1, hole.top + 1), kKey) << "the child window shows there";
        // Only a drop-down list draws its text, from x 2; the arrow is drawn on the button.
        RECT ink = {};
        const bool dark = canvas.DarkBounds(ink, 0x50);
        if (c.style == CBS_DROPDOWNLIST) {
            ASSERT_TRUE(dark);
            EXPECT_GE(ink.left, 2);
            EXPECT_LE(ink.left, 6);
        } else if (dark) {
            EXPECT_GE(ink.left, 82) << "no text outside the button";
        }
    }
}

TEST_F(ComboFamilyTest, SnapshotsHolesAndText)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 260, 0, false));
    HWND simple = AddCombo(form, CBS_SIMPLE, 40);
    HWND dropDown = AddCombo(form, CBS_DROPDOWN, 150);
    HWND dropList = AddCombo(form, CBS_DROPDOWNLIST, 190);
    SendMessageA(dropList, CB_SETCURSEL, 1, 0);
    SendMessageA(dropDown, CB_SETCURSEL, 2, 0);
    const int n = ShowSkinnedForm(form);
    ASSERT_EQ(RecordCount(FormRecord(n).comboBoxes), 3);

    const ComboSnapshot s = TakeComboSnapshot(*RecordAt(FormRecord(n).comboBoxes, 1), false, std::nullopt);
    ASSERT_EQ(s.holes.size(), 2u) << "the edit field and the list";
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(simple, &info));
    RECT list = {};
    GetWindowRect(info.hwndList, &list);
    RECT window = {};
    GetWindowRect(simple, &window);
    OffsetRect(&list, -window.left, -window.top);
    InflateRect(&list, -2, -2);
    bool shrunk = false;
    for (const RECT& hole : s.holes)
        shrunk = shrunk || EqualRect(&hole, &list);
    EXPECT_TRUE(shrunk) << "the list is shrunk by 2";
    EXPECT_TRUE(s.text.empty());

    const ComboSnapshot d = TakeComboSnapshot(*RecordAt(FormRecord(n).comboBoxes, 2), false, std::nullopt);
    EXPECT_EQ(d.holes.size(), 1u) << "the edit field only: the dropped list is no child";
    EXPECT_TRUE(d.text.empty()) << "the edit field shows the text";
    EXPECT_GT(d.button.right, d.button.left);

    const ComboSnapshot l = TakeComboSnapshot(*RecordAt(FormRecord(n).comboBoxes, 3), false, std::nullopt);
    EXPECT_TRUE(l.holes.empty());
    EXPECT_EQ(l.text, "王芳");
}

TEST_F(ComboFamilyTest, HoverTextAndTheEditFieldsBrush)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 260, 0, false));
    HWND dropDown = AddCombo(form, CBS_DROPDOWN, 40);
    HWND dropList = AddCombo(form, CBS_DROPDOWNLIST, 80);
    RecordNativeMessages(dropDown);
    ShowSkinnedForm(form);
    ParkCursor();

    // Hover paints once on entering.
    BlankBackBufferWindow(dropList);
    SendMessageA(dropList, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    EXPECT_NE(BackBufferWindowPixel(dropList, 0, 10), kBlankPatch);
    BlankBackBufferWindow(dropList);
    SendMessageA(dropList, WM_MOUSEMOVE, 0, MAKELPARAM(5, 4));
    EXPECT_EQ(BackBufferWindowPixel(dropList, 0, 10), kBlankPatch) << "once per entry";
    SendMessageA(dropList, WM_MOUSELEAVE, 0, 0);

    // A new text repaints a box with an edit field.
    RECT update = {};
    ValidateRect(dropDown, nullptr);
    SendMessageA(dropDown, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("李娜"));
    EXPECT_TRUE(GetUpdateRect(dropDown, &update, FALSE));
    UpdateWindow(dropList);
    SendMessageA(dropList, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("李娜"));
    EXPECT_FALSE(GetUpdateRect(dropList, &update, FALSE)) << "a drop-down list paints its text itself";

    // The edit field's pattern brush replaces the pair it had.
    HWND field = FindWindowExA(dropDown, nullptr, "Edit", nullptr);
    HDC dc = GetDC(field);
    const LRESULT first = SendMessageA(dropDown, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    ASSERT_NE(first, 0);
    HGDIOBJ firstBitmap = GetWindowPropHandle<HGDIOBJ>(field, kPropKjCtlBitmap);
    const LRESULT second = SendMessageA(dropDown, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    ASSERT_NE(second, 0);
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(first)), 0u);
    EXPECT_EQ(GetObjectType(firstBitmap), 0u);
    EXPECT_EQ(GetWindowPropHandle<HGDIOBJ>(field, kPropKjCtlBrush), reinterpret_cast<HGDIOBJ>(second));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    // Without the veil the message goes on to the combo box's own code.
    const int passed = CountNative(dropDown, WM_CTLCOLOREDIT);
    SetSkinOptions(true);
    SendMessageA(dropDown, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(field));
    EXPECT_EQ(CountNative(dropDown, WM_CTLCOLOREDIT), passed + 1);
    SetSkinOptions(true, 0);
    ReleaseDC(field, dc);
}

TEST_F(ComboFamilyTest, NoKeyColourLeftInTheBackBufferOrOnTheScreen)
{
    ScopedWindow form(CreateFrameForm(20, 20, 300, 260, 0, false));
    HWND combos[] = {AddCombo(form, CBS_SIMPLE, 40), AddCombo(form, CBS_DROPDOWN, 150),
                     AddCombo(form, CBS_DROPDOWNLIST, 190)};
    HWND edit = CreateControl(form, "Edit", "文字", 150, 40, 120, 22, WS_BORDER | ES_AUTOHSCROLL);
    HWND memo = CreateControl(form, "Edit", "", 150, 80, 120, 80, WS_BORDER | WS_VSCROLL | ES_MULTILINE);
    ShowSkinnedForm(form);
    ParkCursor();
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    SendMessageA(combos[1], WM_SETFOCUS, 0, 0);
    SendMessageA(combos[2], WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    SendMessageA(edit, WM_SETFOCUS, 0, 0);
    SendMessageA(memo, WM_MOUSEMOVE, 0, MAKELPARAM(4, 4));
    for (HWND control : {combos[0], combos[1], combos[2], edit, memo})
        EXPECT_EQ(CountKeyPixels(control), 0);
}
