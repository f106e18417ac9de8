// The registry of skinned forms and the lookups from a window to its form.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "skin/core/drawing_core.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

TEST(SkinRegistryTest, WindowsFindTheFormTheyBelongTo)
{
    ScopedWindow form(CreateTestForm(100, 100, 300, 200));
    const int n = SkinTestForm(form);
    ASSERT_EQ(n, SkinFormCount());
    HWND groupBox = CreateTestChild(form, "Button", 10, 20, 150, 100, BS_GROUPBOX);
    HWND inGroup = CreateTestChild(groupBox, "Button", 5, 15, 60, 20);
    ScopedWindow popup(CreateTestForm(50, 50, 80, 60, form));
    HWND inPopup = CreateTestChild(popup, "Static", 2, 2, 10, 10);
    ScopedWindow plain(CreateTestForm(0, 0, 100, 100));
    HWND plainChild = CreateTestChild(plain, "Static", 0, 0, 10, 10);
    HWND plainGrandChild = CreateTestChild(plainChild, "Static", 0, 0, 5, 5);

    struct Case {
        const char* what;
        HWND window;
        int owning;
    } cases[] = {
        {"the form itself", form, n},
        {"a control inside a group box", inGroup, n},
        {"an owned unskinned popup", popup, n},
        {"a control on that popup", inPopup, n},
        {"an unskinned window", plain, 0},
        {"two levels below an unskinned window", plainGrandChild, 0},
        {"handle 0", nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FindOwningSkinnedWindow(c.window), c.owning);
    }
    EXPECT_EQ(FindSkinnedWindow(form), n);
    EXPECT_EQ(FindSkinnedWindow(inGroup), 0) << "only the form's own window is its record";
    EXPECT_EQ(FindSkinnedWindow(nullptr), 0);
}

TEST(SkinRegistryTest, NumbersOutsideTheRegistryNameNothing)
{
    ScopedWindow form(CreateTestForm(100, 100, 200, 150));
    const int n = SkinTestForm(form);
    HWND tab = CreateTestChild(form, "SysTabControl32", 5, 5, 100, 80);
    HWND box = CreateTestChild(form, "Button", 110, 5, 80, 80, BS_GROUPBOX);
    EXPECT_EQ(RegisterTestContainer(n, tab, 0xFF, 255, kContainerKindTabControl), 1);
    EXPECT_EQ(RegisterTestContainer(n, box, 0xFF, 255, kContainerKindGroupBox), 2);

    EXPECT_EQ(FindContainerIndex(n, box), 2);
    EXPECT_EQ(FindContainerIndex(n, form), 0);
    EXPECT_EQ(FindContainerIndex(0, box), 0);
    EXPECT_EQ(FindContainerIndex(SkinFormCount() + 1, box), 0);
    EXPECT_EQ(SkinFormAt(0), nullptr);
    EXPECT_EQ(SkinFormAt(-1), nullptr);
    EXPECT_EQ(SkinFormAt(SkinFormCount() + 1), nullptr);
    EXPECT_EQ(SkinFormAt(n)->hwnd, form.get());

    EXPECT_EQ(GetWindowClassName(tab), "SysTabControl32");
    EXPECT_EQ(GetWindowClassName(box), "Button");
    EXPECT_EQ(GetWindowClassName(nullptr), "");
}

TEST(SkinRegistryTest, AnimationThreadsReadWhileFormsComeAndGo)
{
    // A drawing board's animation thread clips the children of a form out of its drawing while the UI
    // thread skins and releases other forms (and their containers) in front of it.
    ScopedWindow board(CreateTestForm(400, 100, 200, 150));
    const int boardForm = SkinTestForm(board);
    CreateTestChild(board, "Static", 10, 10, 50, 50);
    HDC canvas = CreateCompatibleDC(nullptr);
    std::atomic<bool> stop{false};
    std::atomic<int> rounds{0};
    std::thread animation([&] {
        while (!stop) {
            ExcludeChildrenFromClip(board, canvas);
            SelectClipRgn(canvas, nullptr);
            ++rounds;
        }
    });
    for (int i = 0; i < 60; ++i) {
        HWND form = CreateTestForm(0, 0, 120, 90);
        int n = SkinTestForm(form);
        HWND box = CreateTestChild(form, "Button", 5, 5, 60, 40, BS_GROUPBOX);
        RegisterTestContainer(n, box, 0x808080, 100, kContainerKindGroupBox);
        DestroyWindow(form);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    stop = true;
    animation.join();
    DeleteDC(canvas);
    EXPECT_GT(rounds.load(), 0);
    EXPECT_EQ(FindSkinnedWindow(board), boardForm);
    EXPECT_EQ(GetWindowPropNumber(board, kPropHwListIndex), boardForm);
}
