// Window rectangles in the coordinate systems the skin draws in.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include "skin/core/skin_test_support.h"
#include "skin/core/window_rects.h"

namespace {

void ExpectRect(const RECT& r, int left, int top, int right, int bottom)
{
    EXPECT_EQ(r.left, left);
    EXPECT_EQ(r.top, top);
    EXPECT_EQ(r.right, right);
    EXPECT_EQ(r.bottom, bottom);
}

}  // namespace

TEST(SkinWindowRectsTest, ControlInsideABorderedPanel)
{
    ScopedWindow form(CreateTestForm(100, 100, 300, 200));
    SkinTestForm(form);
    // A panel with a 2-pixel client edge at (10, 20); its child sits at (5, 15) of the panel's client area.
    HWND panel = CreateTestChild(form, "Static", 10, 20, 150, 100, 0, WS_EX_CLIENTEDGE);
    HWND child = CreateTestChild(panel, "Button", 5, 15, 60, 20);

    SCOPED_TRACE("child");
    ExpectRect(GetRectInSkinnedWindow(child), 17, 37, 77, 57);
    ExpectRect(GetRectInCustomContainer(child), 17, 37, 77, 57);
    ExpectRect(GetWindowRectInParent(child), 7, 17, 67, 37);
    ExpectRect(GetRectInAncestorClient(child), 5, 15, 65, 35);
    ExpectRect(GetRectRelativeTo(panel, child), 7, 17, 67, 37);
    ExpectRect(GetClientRectInWindow(panel), 12, 22, 158, 118);
}

TEST(SkinWindowRectsTest, AFormItselfLiesNowhere)
{
    ScopedWindow form(CreateTestForm(100, 100, 300, 200));
    SkinTestForm(form);
    ExpectRect(GetRectInCustomContainer(form), 0, 0, 0, 0);
    ExpectRect(GetWindowRectInParent(form), 0, 0, 0, 0);
    ExpectRect(GetRectInAncestorClient(form), 0, 0, 0, 0);
    ExpectRect(GetRectInSkinnedWindow(form), 0, 0, 300, 200);

    // Outside every form the walk ends at 0 and gives the screen rectangle.
    ScopedWindow plain(CreateTestForm(40, 30, 100, 100));
    HWND child = CreateTestChild(plain, "Static", 5, 6, 10, 10);
    ExpectRect(GetRectInCustomContainer(child), 45, 36, 55, 46);
}

TEST(SkinWindowRectsTest, BordersAndScrollBarsOfAnEditBox)
{
    ScopedWindow form(CreateTestForm(100, 100, 300, 200));
    SkinTestForm(form);
    HWND scrolled = CreateTestChild(form, "Edit", 30, 40, 104, 54, ES_MULTILINE | WS_VSCROLL, WS_EX_CLIENTEDGE);
    RECT client = {};
    GetClientRect(scrolled, &client);
    ASSERT_LT(client.right, 100) << "the scroll bar takes part of the width";
    ExpectRect(GetNonClientOffsets(scrolled), 2, 2, 102, 52);
    ExpectRect(GetClientRectInWindow(scrolled), 32, 42, 132, 92);

    HWND plain = CreateTestChild(form, "Edit", 150, 40, 100, 30, 0, WS_EX_CLIENTEDGE);
    ExpectRect(GetEditNonClientOffsets(plain), 2, 2, 98, 28);
}

TEST(SkinWindowRectsTest, TabPageAreas)
{
    INITCOMMONCONTROLSEX init = {sizeof(init), ICC_TAB_CLASSES};
    InitCommonControlsEx(&init);
    ScopedWindow form(CreateTestForm(100, 100, 400, 300));
    SkinTestForm(form);

    struct Case {
        const char* what;
        DWORD style;
        int tabs;
        RECT page;
    } cases[] = {
        {"one row on top", 0, 2, {0, 21, 300, 200}},
        {"two rows on top", TCS_MULTILINE, 7, {0, 41, 300, 200}},
        {"one row at the bottom", TCS_BOTTOM, 2, {0, 0, 300, 179}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND tab = CreateTestChild(form, WC_TABCONTROLA, 0, 0, 300, 200, TCS_FIXEDWIDTH | c.style);
        SendMessageA(tab, TCM_SETITEMSIZE, 0, MAKELPARAM(60, 20));
        for (int i = 0; i < c.tabs; ++i) {
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            char text[] = "page";
            item.pszText = text;
            SendMessageA(tab, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        RECT first = {};
        SendMessageA(tab, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
        ASSERT_EQ(first.bottom - first.top, 20);
        ExpectRect(GetTabPageRect(tab), c.page.left, c.page.top, c.page.right, c.page.bottom);
        DestroyWindow(tab);
    }
}
