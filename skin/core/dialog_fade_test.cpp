// The fade-in of skinned dialogs, one thread per dialog. It runs alone: a dialog that another
// process's window hands the activation (and with it the focus) would play its close effect.
#include <gtest/gtest.h>

#include "skin/core/dialog_frame_proc.h"
#include "skin/core/dialog_test_support.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/skinned_dialog.h"
#include "skin/core/window_props.h"

TEST(DialogFadeTest, EachDialogFadesInOnItsOwnThread)
{
    const int open = OpenDialogFadeThreads();
    ScopedWindow first(ShowSkinnedTestDialog());
    ScopedWindow second(ShowSkinnedTestDialog());
    EXPECT_EQ(OpenDialogFadeThreads(), open + 2) << "one fade per dialog, the second too";
    InvalidateRect(second, nullptr, TRUE);
    UpdateWindow(second);
    EXPECT_EQ(OpenDialogFadeThreads(), open + 2) << "a later paint starts none";
    PumpFor(300);
    EXPECT_EQ(LayeredAlpha(first), 240);
    EXPECT_EQ(LayeredAlpha(second), 240);

    HDC frame = FormRecord(FindSkinnedWindow(second)).frameDc;
    HGDIOBJ bitmap = GetWindowPropHandle<HGDIOBJ>(second, kPropFrameBitmap);
    ASSERT_NE(bitmap, nullptr);
    DestroyWindow(second);
    EXPECT_EQ(OpenDialogFadeThreads(), open + 1);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    EXPECT_EQ(GetObjectType(frame), 0u);
    DestroyWindow(first);
    EXPECT_EQ(OpenDialogFadeThreads(), open);
}

TEST(DialogFadeTest, ClosingDuringTheFadeStopsItBeforeTheShrink)
{
    ScopedWindow dialog(ShowSkinnedTestDialog());
    const int open = OpenDialogFadeThreads();
    const RECT full = WindowRectOf(dialog);
    // The focus reaches the dialog itself as it closes: the fade stops, then the shrink plays.
    SendMessageA(dialog, WM_SETFOCUS, 0, 0);
    EXPECT_EQ(OpenDialogFadeThreads(), open - 1) << "joined and its handle closed";
    const RECT last = WindowRectOf(dialog);
    EXPECT_LT(last.right - last.left, (full.right - full.left) / 5) << "every shrink step was shown";
    EXPECT_GT(last.left, full.left);
    PumpFor(100);
    EXPECT_EQ(WindowRectOf(dialog).right - WindowRectOf(dialog).left, last.right - last.left)
        << "no fade step comes after";
}
