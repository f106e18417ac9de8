// Attached pages follow the form's client area and status band.
#include <gtest/gtest.h>

#include "skin/core/attached_pages.h"
#include "skin/core/skin_test_support.h"

namespace {

RECT PlaceInParent(HWND child)
{
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

TEST(AttachedPagesTest, PagesStretchToTheClientAreaAboveTheStatusBand)
{
    ScopedWindow form(CreateTestForm(0, 0, 800, 600));
    int n = SkinTestForm(form);
    HWND below = CreateTestChild(form, "Static", 0, 0, 10, 10);
    HWND beside = CreateTestChild(form, "Static", 0, 0, 10, 10);
    FormRecord(n).statusHeight = 5;
    FormRecord(n).attachedPages = {
        AttachedPage{nullptr, 0, 0, false},  // a list's empty placeholder
        AttachedPage{below, 130, 2, true},
        AttachedPage{beside, 40, 100, false},
    };
    LayoutAttachedPages(n);

    RECT r = PlaceInParent(below);
    EXPECT_EQ(r.left, 2);
    EXPECT_EQ(r.top, 130);
    EXPECT_EQ(r.right - r.left, 796);
    EXPECT_EQ(r.bottom - r.top, 461);
    r = PlaceInParent(beside);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 40);
    EXPECT_EQ(r.right - r.left, 698);
    EXPECT_EQ(r.bottom - r.top, 553);

    // A form that is no longer there moves nothing.
    SetWindowPos(below, nullptr, 0, 0, 10, 10, SWP_NOZORDER);
    LayoutAttachedPages(0);
    LayoutAttachedPages(n + 1);
    r = PlaceInParent(below);
    EXPECT_EQ(r.right - r.left, 10);
}
