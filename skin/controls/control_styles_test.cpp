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
