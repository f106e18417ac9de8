// A full paint of a skinned 780 x 500 tab control with 8 tabs, a clean repaint of it (copied from the
// form's back buffer), and a full paint of a 20-button toolbar with icons. Median, mean and worst of each.
// Between two paints the thread goes idle (GoIdle), as the program's message loop does.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <string>

#include "skin/controls/container_family.h"
#include "skin/controls/container_painting.h"
#include "skin/controls/control_test_support.h"
#include "skin/controls/toolbar_family.h"
#include "skin/core/benchmark_timing.h"
#include "skin/core/engine_startup.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

constexpr int kPaints = 40;


HWND MakeToolbar(HWND parent)
{
    HWND bar = CreateWindowExA(0, TOOLBARCLASSNAMEA, "", WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | CCS_NODIVIDER |
                               CCS_NORESIZE | TBSTYLE_LIST, 0, 520, 780, 30, parent, nullptr, nullptr, nullptr);
    SendMessageA(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 4, 4);
    for (COLORREF colour : {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 40, 200), RGB(200, 160, 0)}) {
        HBITMAP picture = SolidBitmap(16, 16, colour);
        ImageList_Add(images, picture, nullptr);
        DeleteObject(picture);
    }
    SendMessageA(bar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    for (int i = 0; i < 20; ++i) {
        TBBUTTON b = {};
        b.iBitmap = i % 4;
        b.idCommand = 100 + i;
        b.fsState = TBSTATE_ENABLED | (i % 5 == 1 ? TBSTATE_CHECKED : 0);
        b.fsStyle = BTNS_BUTTON;
        b.iString = reinterpret_cast<INT_PTR>("按钮");
        SendMessageA(bar, TB_ADDBUTTONSA, 1, reinterpret_cast<LPARAM>(&b));
    }
    return bar;
}

}  // namespace

int main()
{
    InitSkinEngine();
    InitCommonControls();
    HWND window = CreateFrameForm(10, 10, 800, 560, 0, false);
    HWND tab = CreateControl(window, WC_TABCONTROLA, "", 10, 10, 780, 500, 0);
    for (int i = 0; i < 8; ++i) {
        std::string text = "选择页" + std::to_string(i + 1);
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        SendMessageA(tab, TCM_INSERTITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
    }
    HWND bar = MakeToolbar(window);
    const int n = ShowSkinnedForm(window);
    const int container = SkinContainerWindow(tab);
    SkinFormRecord* form = SkinFormAt(n);
    if (!form || container < 1 || RecordCount(form->kjControls) != 1) {
        std::printf("container_paint_benchmark: the controls were not skinned\n");
        return 1;
    }
    SkinContainerRecord* record = RecordAt(form->containers, container);
    const Timing full = Measure(kPaints, [&] {
        record->backgroundDirty = true;
        RedrawWindow(tab, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
    }, GoIdle);
    const Timing clean = Measure(kPaints * 5, [&] {
        record->backgroundDirty = false;
        RedrawWindow(tab, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
    }, GoIdle);
    const Timing toolbar = Measure(kPaints, [&] { PaintToolbar(bar); }, GoIdle);
    std::printf("Full paint of a skinned 780 x 500 tab control with 8 tabs: median %.2f ms, mean %.2f ms, worst "
                "%.2f ms of %d (target: under 15 ms)\n", full.median, full.mean, full.worst, kPaints);
    std::printf("Clean repaint of it from the back buffer: median %.3f ms, mean %.3f ms, worst %.3f ms of %d (target: "
                "under 1 ms)\n", clean.median, clean.mean, clean.worst, kPaints * 5);
    std::printf("Full paint of a 20-button toolbar with icons: median %.2f ms, mean %.2f ms, worst %.2f ms of %d "
                "(target: under 10 ms)\n", toolbar.median, toolbar.mean, toolbar.worst, kPaints);
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageA(bar, TB_GETIMAGELIST, 0, 0));
    DestroyWindow(window);
    ImageList_Destroy(images);
    ShutdownGdiplus(g_gdiplusToken);
    return 0;
}
