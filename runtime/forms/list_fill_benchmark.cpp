// Filling a visible report-style list view with 10,000 rows of eight cells through the runtime and
// painting it once, against a plain list view (no owner data, redrawing off while it fills) filled
// with the same rows and painted once in the same run; medians of five fills.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "runtime/forms/form_runtime.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRows = 10000;
constexpr int kRuns = 5;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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

double RuntimeFillMs(forms::Unit& list)
{
    list.DeleteAllRows();
    forms::ProcessPendingMessages();
    UpdateWindow(list.Window());
    const auto start = Clock::now();
    for (int i = 0; i < kRows; ++i)
        list.AppendRow(RowCells(i));
    forms::ProcessPendingMessages();
    UpdateWindow(list.Window());
    return MillisecondsSince(start);
}

double PlainFillMs(HWND list)
{
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    UpdateWindow(list);
    const auto start = Clock::now();
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (int i = 0; i < kRows; ++i) {
        const std::vector<std::string> cells = RowCells(i);
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<char*>(cells[0].c_str());
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        for (int c = 1; c < 8; ++c) {
            LVITEMA sub = {};
            sub.iSubItem = c;
            sub.pszText = const_cast<char*>(cells[c].c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, i, reinterpret_cast<LPARAM>(&sub));
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    return MillisecondsSince(start);
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
    HWND plain = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_POPUP | WS_VISIBLE | LVS_REPORT, 40, 40, 870,
                                 550, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    for (int c = 0; c < 8; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 90;
        SendMessageA(plain, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    forms::ProcessPendingMessages();

    std::vector<double> runtimeMs, plainMs;
    for (int run = 0; run < kRuns; ++run) {
        runtimeMs.push_back(RuntimeFillMs(list));
        plainMs.push_back(PlainFillMs(plain));
    }
    const double runtime = Median(runtimeMs), reference = Median(plainMs);
    std::printf("bench runtime list fill %d rows x 8 cells and one paint: %.1f ms; plain list view filled and painted: "
                "%.1f ms; ratio %.2f (target 1.5)\n",
                list.RowCount(), runtime, reference, runtime / reference);
    DestroyWindow(plain);
    form->Destroy();
    forms::ShutdownFormRuntime();
    return 0;
}
