// Layered windows and the shrink-and-fade close effect.
#include <gtest/gtest.h>

#include "skin/core/form_skinning.h"
#include "skin/core/frame_painting.h"
#include "skin/core/layered_windows.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

namespace {

bool IsLayered(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

}  // namespace

TEST(LayeredWindowsTest, LayeredStyle)
{
    ScopedWindow window(CreateFrameForm(50, 50, 120, 80));
    SetLayeredStyle(window);
    EXPECT_TRUE(IsLayered(window));
    const LONG_PTR before = GetWindowLongPtrA(window, GWL_EXSTYLE);
    SetLayeredStyle(window);
    EXPECT_EQ(GetWindowLongPtrA(window, GWL_EXSTYLE), before);
    ClearLayeredStyle(window);
    EXPECT_FALSE(IsLayered(window));
}

TEST(LayeredWindowsTest, UpdateDefaultsToTheFormsFramePicture)
{
    ScopedWindow window(CreateFrameForm(50, 50, 120, 80));
    SkinForm(window);
    const int n = FindSkinnedWindow(window);
    PaintFormFrame(n, false);
    SetLayeredStyle(window);
    EXPECT_TRUE(UpdateLayeredWindowFromDc(window, LayeredUpdate{}));
    RECT r = {};
    GetWindowRect(window, &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.right - r.left, 120);

    // No form, or a form number out of range: no picture to show.
    ScopedWindow plain(CreateFrameForm(50, 50, 120, 80));
    SetLayeredStyle(plain);
    EXPECT_FALSE(UpdateLayeredWindowFromDc(plain, LayeredUpdate{}));
    SetWindowProp(plain, kPropHwListIndex, 99);
    EXPECT_FALSE(UpdateLayeredWindowFromDc(plain, LayeredUpdate{}));
}

TEST(LayeredWindowsTest, SnapshotIsOpaque)
{
    ScopedWindow window(CreateFrameForm(50, 50, 60, 40));
    UpdateWindow(window);
    HDC snapshot = SnapshotClientArea(window);
    ASSERT_NE(snapshot, nullptr);
    DIBSECTION section = {};
    ASSERT_EQ(GetObjectA(GetCurrentObject(snapshot, OBJ_BITMAP), sizeof(section), &section),
              static_cast<int>(sizeof(section)));
    const auto* pixels = static_cast<const uint32_t*>(section.dsBm.bmBits);
    for (int i = 0; i < 60 * 40; ++i)
        ASSERT_EQ(pixels[i] >> 24, 0xFFu) << i;
    ReleaseMemoryDC(snapshot);
}

TEST(LayeredWindowsTest, ShrinkFadeEndsSmallAroundTheCentre)
{
    struct Case {
        int width, height;
        RECT last;  // the last frame a layered window could show (frames of size 0 are not shown)
    } cases[] = {
        {400, 300, {280, 235, 320, 265}},
        {405, 305, {300, 250, 305, 255}},
        {8, 50, {100, 118, 108, 123}},  // too narrow to shrink sideways
    };
    const int baseline = MemoryDcCount();
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        ScopedWindow window(CreateFrameForm(100, 100, c.width, c.height));
        UpdateWindow(window);
        const DWORD start = GetTickCount();
        ShrinkFadeAnimation(window);
        EXPECT_GE(GetTickCount() - start, 100u) << "ten paused steps";
        EXPECT_TRUE(IsLayered(window));
        RECT r = {};
        GetWindowRect(window, &r);
        EXPECT_EQ(r.left, c.last.left);
        EXPECT_EQ(r.top, c.last.top);
        EXPECT_EQ(r.right, c.last.right);
        EXPECT_EQ(r.bottom, c.last.bottom);
    }
    EXPECT_EQ(MemoryDcCount(), baseline);
}
