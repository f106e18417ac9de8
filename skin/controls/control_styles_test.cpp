// Which list boxes the application draws itself.
#include <gtest/gtest.h>

#include "skin/controls/control_styles.h"
#include "skin/core/skin_test_support.h"

TEST(ControlStylesTest, OnlyOwnerDrawnListBoxesCount)
{
    ScopedWindow form(CreateTestForm(10, 10, 300, 200));
    struct Case {
        const char* className;
        DWORD style;
        bool ownerDraw;
    } cases[] = {
        {"ListBox", 0, false},
        {"ListBox", LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, true},
        {"ListBox", LBS_OWNERDRAWVARIABLE, true},
        {"Edit", 0x10, false},  // the same style bit on another class
    };
    for (const Case& c : cases) {
        HWND control = CreateTestChild(form, c.className, 0, 0, 100, 80, c.style);
        EXPECT_EQ(IsOwnerDrawListBox(control), c.ownerDraw) << c.className << " " << std::hex << c.style;
    }

    // The list of an owner-drawn combo box is a "ComboLBox".
    HWND combo = CreateTestChild(form, "ComboBox", 0, 0, 100, 120, CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED);
    COMBOBOXINFO info = {};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetComboBoxInfo(combo, &info));
    ASSERT_NE(info.hwndList, nullptr);
    EXPECT_FALSE(IsOwnerDrawListBox(info.hwndList));
    EXPECT_FALSE(IsOwnerDrawListBox(nullptr));
}

TEST(ControlStylesTest, ScrollStylesVisibilityAndBorderKinds)
{
    ScopedWindow form(CreateTestForm(10, 10, 300, 200));
    struct Case {
        DWORD style;
        DWORD exStyle;
        bool vertical, horizontal;
        int border;
    } cases[] = {
        {0, 0, false, false, kBorderNone},
        {WS_VSCROLL, 0, true, false, kBorderNone},
        {WS_HSCROLL | WS_BORDER, 0, false, true, kBorderLine},
        {WS_VSCROLL | WS_HSCROLL, WS_EX_CLIENTEDGE, true, true, kBorderEdge},
        {WS_DLGFRAME, WS_EX_WINDOWEDGE, false, false, kBorderEdge},  // a child keeps the edge only with a frame
        {0, WS_EX_DLGMODALFRAME, false, false, kBorderEdge},
        {WS_BORDER, WS_EX_CLIENTEDGE, false, false, kBorderLine},  // the line comes first
        {0, WS_EX_STATICEDGE, false, false, kBorderNone},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.style << " " << c.exStyle);
        HWND control = CreateTestChild(form, "Static", 0, 0, 100, 80, c.style, c.exStyle);
        EXPECT_EQ(HasVerticalScrollStyle(control), c.vertical);
        EXPECT_EQ(HasHorizontalScrollStyle(control), c.horizontal);
        EXPECT_EQ(HasAnyScrollStyle(control), c.vertical || c.horizontal);
        EXPECT_EQ(GetBorderKind(control), c.border);
    }
    // The window's own WS_VISIBLE bit, whatever its parent shows.
    HWND hidden = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    HWND child = CreateTestChild(hidden, "Static", 0, 0, 10, 10, WS_VISIBLE);
    EXPECT_TRUE(IsVisibleStyle(child));
    EXPECT_FALSE(IsWindowVisible(child));
    ShowWindow(child, SW_HIDE);
    EXPECT_FALSE(IsVisibleStyle(child));
    DestroyWindow(hidden);
}
