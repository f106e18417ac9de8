// Many skinned dialogs, message boxes and popup menus in a row leave nothing behind: no memory context,
// form record, hook, fade thread or frame bitmap.
#include <gtest/gtest.h>

#include "skin/core/dialog_frame_proc.h"
#include "skin/core/dialog_test_support.h"
#include "skin/core/form_skinning.h"
#include "skin/core/memory_dc.h"
#include "skin/core/message_box.h"
#include "skin/core/skin_menus.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"
#include "skin/core/window_props.h"

TEST(DialogCyclesTest, NothingIsLeftBehind)
{
    ScopedWindow form(CreateFrameForm(200, 150, 400, 300, 0, false));
    SkinForm(form);
    ShowWindow(form, SW_SHOW);
    UpdateWindow(form);
    const int memoryDcs = MemoryDcCount();
    const int forms = SkinFormCount();
    const int fades = OpenDialogFadeThreads();

    for (int i = 0; i < 100; ++i) {
        HWND dialog = ShowSkinnedTestDialog();
        RedrawWindow(dialog, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        HGDIOBJ bitmap = GetWindowPropHandle<HGDIOBJ>(dialog, kPropFrameBitmap);
        HDC frame = FormRecord(FindSkinnedWindow(dialog)).frameDc;
        ASSERT_NE(bitmap, nullptr) << i;
        DestroyWindow(dialog);
        ASSERT_EQ(GetObjectType(bitmap), 0u) << i;
        ASSERT_EQ(GetObjectType(frame), 0u) << i;
    }
    EXPECT_EQ(OpenDialogFadeThreads(), fades);

    for (int i = 0; i < 20; ++i) {
        TimerScript close(10, [] {
            const std::vector<HWND> boxes = SkinnedDialogsOfThread();
            if (boxes.empty() || !FormRecord(FindSkinnedWindow(boxes[0])).dialogFade)
                return false;
            PostMessageA(boxes[0], WM_COMMAND, IDOK, 0);
            return true;
        });
        ASSERT_EQ(ShowMessageBox(form, "增加成功"), 0) << i;
    }

    const int n = CreateSkinPopupMenu();
    for (const char* text : {"复制", "收藏", "删除"})
        AddSkinMenuItem(n, text);
    for (int i = 0; i < 50; ++i) {
        TimerScript close(10, [] {
            HWND menu = OpenPopupMenuWindow();
            if (!menu || !GetPropA(menu, kPropHwProc))
                return false;
            EndMenu();
            return true;
        });
        ASSERT_TRUE(PopupSkinMenuAtCursor(n, form, 300, 300)) << i;
    }
    PumpFor(20);

    EXPECT_EQ(MemoryDcCount(), memoryDcs);
    EXPECT_EQ(SkinFormCount(), forms);
    EXPECT_EQ(g_cbtHook, nullptr);
    EXPECT_EQ(OpenDialogFadeThreads(), fades);
}
