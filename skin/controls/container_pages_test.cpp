// The container side of the custom controls: navigation-bar pages in a container's list, and what lies
// behind part of a window.
#include <gtest/gtest.h>

#include "skin/controls/canvas_backgrounds.h"
#include "skin/controls/container_family.h"
#include "skin/controls/container_pages.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

RECT WindowRectIn(HWND parent, HWND child)
{
    RECT r = {};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

TEST(ContainerPagesTest, PlaceholderGoesAndPagesFollowTheContainer)
{
    ScopedWindow window(CreateTestForm(0, 0, 400, 300));
    const int n = SkinTestForm(window);
    HWND box = CreateTestChild(window, "Static", 10, 10, 300, 250);
    const int index = RegisterTestContainer(n, box, 0, 255, kContainerKindOther);
    SkinContainerRecord* container = RecordAt(FormRecord(n).containers, index);
    container->attachedPages.push_back(AttachedPage{});  // the placeholder a new list starts with

    HWND below = CreateTestChild(box, "Static", 0, 0, 10, 10);
    HWND beside = CreateTestChild(box, "Static", 0, 0, 10, 10);
    AppendAttachedPage(container->attachedPages, AttachedPage{below, 80, 2, true});
    ASSERT_EQ(container->attachedPages.size(), 1u) << "the placeholder made way";
    AppendAttachedPage(container->attachedPages, AttachedPage{beside, 0, 90, false});
    AppendAttachedPage(container->attachedPages, AttachedPage{});  // a page of window 0 is skipped
    ASSERT_EQ(container->attachedPages.size(), 3u);

    LayoutContainerChildren(n, index);
    EXPECT_TRUE(SameRect(WindowRectIn(box, below), RECT{2, 80, 298, 250}));
    EXPECT_TRUE(SameRect(WindowRectIn(box, beside), RECT{90, 0, 298, 248}));
    SetWindowPos(box, nullptr, 0, 0, 200, 150, SWP_NOMOVE | SWP_NOZORDER);
    LayoutContainerChildren(n, index);
    EXPECT_TRUE(SameRect(WindowRectIn(box, below), RECT{2, 80, 198, 150}));
    EXPECT_TRUE(SameRect(WindowRectIn(box, beside), RECT{90, 0, 198, 148}));
    LayoutContainerChildren(n, index + 1);  // no such container: nothing happens
    LayoutContainerChildren(n + 1, 1);
}

TEST(BackgroundPatchTest, PaintsOnlyTheAreaWithTheContainerFill)
{
    ScopedWindow window(CreateTestForm(0, 0, 300, 200));
    const int n = SkinTestForm(window);
    PaintTestFrame(n);
    HWND tab = CreateTestChild(window, "Static", 20, 30, 240, 150);
    RegisterTestContainer(n, tab, 0xFFFFFF, 100, kContainerKindOther);
    HWND bar = CreateTestChild(tab, "Static", 10, 5, 100, 40);
    const int dcs = MemoryDcCount();

    HDC dc = CreateMemoryDC(100, 40);
    RECT fill = {0, 0, 100, 40};
    FillRect(dc, &fill, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    PaintBackgroundInSkinCanvas(bar, dc, RECT{20, 10, 60, 30});
    // The bar lies at (30, 35) of the form, inside the filled container.
    for (auto [x, y] : {std::pair{20, 10}, {59, 29}, {40, 20}})
        EXPECT_TRUE(RgbNear(PixelRgb(dc, x, y), Blend(PatternColour(30 + x, 35 + y), 0xFFFFFF, 100)))
            << x << "," << y;
    for (auto [x, y] : {std::pair{19, 10}, {60, 20}, {40, 9}, {40, 30}})
        EXPECT_EQ(PixelRgb(dc, x, y), 0u) << "outside the area " << x << "," << y;

    // Outside every skinned form nothing is painted.
    ScopedWindow stray(CreateTestForm(320, 0, 100, 100));
    HWND strayChild = CreateTestChild(stray, "Static", 0, 0, 50, 50);
    PaintBackgroundInSkinCanvas(strayChild, dc, RECT{0, 0, 10, 10});
    EXPECT_EQ(PixelRgb(dc, 5, 5), 0u);
    ReleaseMemoryDC(dc);
    EXPECT_EQ(MemoryDcCount(), dcs);
}
