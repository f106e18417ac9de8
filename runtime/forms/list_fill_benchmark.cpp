// Filling a visible report-style list view with 10,000 rows of eight cells through the runtime
// (redrawing deferred during the appends), against a few hundred rows inserted with redrawing left on.
#include <windows.h>
#include <commctrl.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/forms/form_runtime.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

forms::FormDef ListWindow()
{
    forms::FormDef d;
    d.id = 1;
    d.name = "BenchWindow";
    d.caption = "组合模式";
    d.rect = {20, 20, 900, 600};
    d.units = {forms::Define(forms::UnitKind::ListView, 1, "组合模式_超级列表框", {4, 4, 870, 550})
                   .Columns({{"序号", 50}, {"名字", 80}, {"汉字拼音", 140}, {"汉字五行", 80}, {"汉字笔画", 80},
                             {"康熙笔画", 80}, {"五格", 200}, {"评分", 60}})};
    return d;
}

std::vector<std::string> RowCells(int i)
{
    return {std::to_string(i + 1), "张三丰",          "zhang san feng", "火金水", "7 3 4",
            "11 3 4",             "12 14 5 18 7", "95"};
}

}  // namespace

int main()
{
    if (!forms::InitFormRuntime()) {
        std::printf("list_fill_benchmark: the form runtime did not start\n");
        return 1;
    }
    forms::Form* form = forms::OpenModeless(ListWindow());
    if (!form) {
        std::printf("list_fill_benchmark: the window could not be made\n");
        return 1;
    }
    forms::Unit& list = form->Get("组合模式_超级列表框");
    forms::ProcessPendingMessages();

    constexpr int kRows = 10000;
    auto start = Clock::now();
    for (int i = 0; i < kRows; ++i)
        list.AppendRow(RowCells(i));
    const double appendMs = MillisecondsSince(start);
    start = Clock::now();
    forms::ProcessPendingMessages();
    UpdateWindow(list.Window());
    const double repaintMs = MillisecondsSince(start);
    std::printf("runtime append of %d rows x 8 cells into a visible list: %.1f ms, then repaint %.1f ms (%d rows)\n",
                kRows, appendMs, repaintMs, list.RowCount());

    // The same rows inserted directly, with the list repainting as it goes.
    list.DeleteAllRows();
    forms::ProcessPendingMessages();
    constexpr int kDirectRows = 200;
    start = Clock::now();
    for (int i = 0; i < kDirectRows; ++i) {
        const std::vector<std::string> cells = RowCells(i);
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(cells[0].c_str());
        SendMessageA(list.Window(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < 8; ++c) {
            LVITEMA sub = {};
            sub.iSubItem = c;
            sub.pszText = const_cast<char*>(cells[c].c_str());
            SendMessageA(list.Window(), LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&sub));
        }
        UpdateWindow(list.Window());
    }
    const double directMs = MillisecondsSince(start);
    std::printf("direct insert of %d rows with redrawing on: %.1f ms (%.2f ms a row)\n", kDirectRows, directMs,
                directMs / kDirectRows);
    form->Destroy();
    forms::ShutdownFormRuntime();
    return 0;
}
