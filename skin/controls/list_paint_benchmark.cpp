// Paging through a skinned report list view of 10,000 rows and 4 columns (600 x 400) with the scroll
// bar (SB_PAGEDOWN, then UpdateWindow), beside the same list on a window the skin never saw; and a
// paint of the skinned list while its form is dragged, which copies the last picture from the form's
// back buffer; a row appended to a skinned list of 40 rows, whose scroll bar shows, as the name generator
// appends them. Mean and worst of each.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "skin/core/benchmark_timing.h"
#include "skin/core/engine_startup.h"
#include "skin/core/form_skinning.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_test_support.h"

namespace {

constexpr int kRows = 10000;
constexpr int kPages = 60;
constexpr int kDragPaints = 200;
constexpr int kAppends = 100;
constexpr int kResultRows = 40;

// A report list view filled with its redraw off (a visible list repaints per row otherwise).
HWND MakeList(HWND parent, int rows = kRows, int width = 600, int height = 400)
{
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, 10, 40, width,
                                height, parent, nullptr, GetModuleHandleA(nullptr), nullptr);
    const char* titles[] = {"序号", "名字", "五格", "评分"};
    for (int i = 0; i < 4; ++i) {
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.cx = 130;
        column.pszText = const_cast<char*>(titles[i]);
        SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LVM_SETITEMCOUNT, rows, 0);
    for (int row = 0; row < rows; ++row) {
        const std::string cells[] = {std::to_string(row + 1), row % 2 ? "王思远" : "李佳怡", "天12 人23 地11",
                                     std::to_string(70 + row % 30) + "分"};
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = const_cast<char*>(cells[0].c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int column = 1; column < 4; ++column) {
            item.iSubItem = column;
            item.pszText = const_cast<char*>(cells[column].c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    return list;
}

// One row more at the end as the program's lists take it, their redraw off meanwhile, and the paints
// that follow: the list's frame with its scroll bar (the range grew) and its rows.
void AppendRow(HWND list, int row)
{
    const std::string name = "张三丰【" + std::to_string(70 + row % 30) + "分】";
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    item.pszText = const_cast<char*>(name.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    UpdateWindow(list);
}

Timing TimePageDown(HWND list)
{
    SendMessageA(list, WM_VSCROLL, SB_TOP, 0);
    UpdateWindow(list);
    return Measure(kPages, [list] {
        SendMessageA(list, WM_VSCROLL, SB_PAGEDOWN, 0);
        UpdateWindow(list);
    });
}

}  // namespace

int main()
{
    InitSkinEngine();
    InitCommonControls();
    g_skinBaseColour = RGB(214, 226, 236);
    HWND plainForm = CreateFrameForm(650, 20, 620, 460, 0, true);
    HWND plainList = MakeList(plainForm);
    UpdateWindow(plainForm);

    HWND skinnedForm = CreateFrameForm(20, 20, 620, 460, 0, false);
    HWND skinnedList = MakeList(skinnedForm);
    SetSkinOptions(true, 0);
    SkinForm(skinnedForm);
    ShowWindow(skinnedForm, SW_SHOWNOACTIVATE);
    UpdateWindow(skinnedForm);
    SkinFormRecord* form = SkinFormAt(FindSkinnedWindow(skinnedForm));
    if (!form || RecordCount(form->listControls) != 1) {
        std::printf("list_paint_benchmark: the list was not skinned\n");
        return 1;
    }

    const Timing plain = TimePageDown(plainList);
    const Timing skinned = TimePageDown(skinnedList);
    std::printf("Page down (SB_PAGEDOWN + UpdateWindow) of a skinned 600 x 400 report list view of %d rows and "
                "4 columns: mean %.2f ms, worst %.2f ms of %d (target: under 30 ms)\n",
                kRows, skinned.mean, skinned.worst, kPages);
    std::printf("The same list unskinned: mean %.2f ms, worst %.2f ms of %d (for comparison)\n", plain.mean,
                plain.worst, kPages);

    // While the form is dragged and the mouse has not rested on the list, a paint copies the list's last
    // picture from the back buffer.
    form->moving = true;
    // Between two paints the thread goes idle (GoIdle), as the program's message loop does.
    const Timing drag = Measure(kDragPaints, [skinnedList] {
        RedrawWindow(skinnedList, nullptr, nullptr, RDW_INVALIDATE | RDW_NOCHILDREN | RDW_UPDATENOW);
    }, GoIdle);
    form->moving = false;
    std::printf("Paint of the skinned list during a form drag (copied from the back buffer): median %.2f ms, mean "
                "%.2f ms, worst %.2f ms of %d (target: under 1 ms)\n",
                drag.median, drag.mean, drag.worst, kDragPaints);

    DestroyWindow(skinnedForm);

    // The generator's result list: 300 x 200, its rows overflowing.
    HWND resultForm = CreateFrameForm(20, 20, 340, 260, 0, false);
    HWND resultList = MakeList(resultForm, kResultRows, 300, 200);
    SkinForm(resultForm);
    ShowWindow(resultForm, SW_SHOWNOACTIVATE);
    UpdateWindow(resultForm);
    int row = 0;
    const Timing append = Measure(kAppends, [resultList, &row] { AppendRow(resultList, row++); }, GoIdle);
    std::printf("A row appended to a skinned list of %d rows and more, its scroll bar shown (redraw off, "
                "LVM_INSERTITEMA, redraw on, UpdateWindow): median %.2f ms, mean %.2f ms, worst %.2f ms of %d (the "
                "generator appends a row every 30 ms)\n",
                kResultRows, append.median, append.mean, append.worst, kAppends);
    DestroyWindow(resultForm);
    DestroyWindow(plainForm);
    ShutdownGdiplus(g_gdiplusToken);
    return 0;
}
