// The combination mode under Wine, the result list's cost against the worker's own:
// - 10,000 rows (a pool of 100 characters): from the click of 生成 until the button is enabled again
//   and the list has painted, against the worker alone making and scoring the same rows plus one
//   paint of a plain unskinned list view filled with them in the same run;
// - 100,000 rows (317 characters): the resident memory above the idle window's once they are listed.
// Medians of five runs.
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "app/main_window_definition.h"
#include "app/main_window_scoring.h"
#include "naming/combinations.h"
#include "naming/name_lists.h"
#include "naming/sc_fixture.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/forms/forms_test_support.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRuns = 5;
constexpr double kMemoryBudgetMb = 60;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

double ResidentMb()
{
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
    return static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
}

std::string PoolOf(int characters)
{
    return std::string(BoyNameChars).substr(0, static_cast<size_t>(characters) * 2);
}

// The worker's own part: the same names made and scored on a thread, the rows dropped.
double WorkerAloneMs(const std::string& surname, const std::string& pool, std::vector<TextRow>& kept)
{
    double elapsed = 0;
    std::thread worker([&] {
        const auto start = Clock::now();
        const std::atomic<bool> stop{false};
        ProduceCombinationRows(SplitCandidateLines(BuildCombinationLines(surname, CleanCombinationPool(pool))),
                               MainWindowTalents(), stop, [&](std::vector<TextRow>& rows) {
                                   kept.insert(kept.end(), rows.begin(), rows.end());
                                   return true;
                               });
        elapsed = MillisecondsSince(start);
    });
    worker.join();
    return elapsed;
}

// One paint of a plain list view (no skin, no owner data) holding the rows, in a window of its own.
double PlainListPaintMs(const std::vector<TextRow>& rows)
{
    HWND frame = CreateWindowExA(0, "Static", "", WS_POPUP | WS_VISIBLE, 20, 20, 900, 560, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    HWND list = CreateWindowExA(WS_EX_CLIENTEDGE, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 900,
                                560, frame, nullptr, GetModuleHandleA(nullptr), nullptr);
    const size_t columns = rows.empty() ? 0 : rows[0].size();
    for (size_t c = 0; c < columns; ++c) {
        LVCOLUMNA column = {};
        column.mask = LVCF_WIDTH;
        column.cx = 100;
        SendMessageA(list, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&column));
    }
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    for (size_t r = 0; r < rows.size(); ++r) {
        LVITEMA item = {};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(r);
        item.pszText = const_cast<char*>(rows[r][0].c_str());
        const int index = static_cast<int>(SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
        for (size_t c = 1; c < rows[r].size(); ++c) {
            LVITEMA cell = {};
            cell.iSubItem = static_cast<int>(c);
            cell.pszText = const_cast<char*>(rows[r][c].c_str());
            SendMessageA(list, LVM_SETITEMTEXTA, index, reinterpret_cast<LPARAM>(&cell));
        }
    }
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    forms_test::PumpUntilPainted(frame);
    const auto start = Clock::now();
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
    const double elapsed = MillisecondsSince(start);
    DestroyWindow(frame);
    return elapsed;
}

}  // namespace

int main()
{
    char temp[MAX_PATH] = {};
    GetTempPathA(sizeof temp, temp);
    ScFixture database;
    const std::vector<ScRow> rows = {{"木火土", "吉", ""}, {"金金金", "凶", ""}};
    if (!forms::InitFormRuntime() || !database.Create(UniqueDatabasePath(temp, "combination_fill"), rows)) {
        std::printf("combination_fill_benchmark: the runtime or the database did not start\n");
        return 1;
    }
    forms::Form* window = forms::OpenModeless(MainWindowDefinition());
    if (!window || !window->Get("数据库连接1").Connection()->Open(database.db.Path())) {
        std::printf("combination_fill_benchmark: the main window could not be made\n");
        return 1;
    }
    const std::string surname = "张";
    window->Get("编辑框_姓1").SetText(surname);
    window->Get("高级选择夹1").SetCurrentPage(1);
    forms::Unit& button = window->Get("按钮生成");
    forms::Unit& list = window->Get("组合模式_超级列表框");
    forms::ProcessPendingMessages();

    // One timed run into an empty list: the click, the worker's rows, the button enabled again and the
    // list painted.
    auto run = [&](const std::string& pool) {
        list.DeleteAllRows();
        window->Get("编辑框名字").SetText(pool);
        forms_test::PumpUntilPainted(window->Window());
        const auto start = Clock::now();
        SendMessageA(button.Window(), BM_CLICK, 0, 0);
        while (!button.Enabled()) {
            forms::ProcessPendingMessages();
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
        }
        forms_test::PumpUntilPainted(window->Window());
        return MillisecondsSince(start);
    };

    const std::string pool10k = PoolOf(100);
    run(pool10k);  // warms the three-talents table and the caches
    const int listed10k = list.RowCount();
    std::vector<double> listedMs, workerMs, paintMs;
    for (int i = 0; i < kRuns; ++i) {
        listedMs.push_back(run(pool10k));
        std::vector<TextRow> made;
        workerMs.push_back(WorkerAloneMs(surname, pool10k, made));
        paintMs.push_back(PlainListPaintMs(made));
    }
    const double listed = Median(listedMs), alone = Median(workerMs) + Median(paintMs);
    std::printf("bench combination list %d rows listed: %.0f ms; worker alone %.0f ms plus one plain list paint "
                "%.0f ms: %.0f ms; ratio %.2f (target 1.5)\n",
                listed10k, listed, Median(workerMs), Median(paintMs), alone, listed / alone);

    list.DeleteAllRows();
    forms_test::PumpUntilPainted(window->Window());
    const double idleMb = ResidentMb();
    const std::string pool100k = PoolOf(317);
    std::vector<double> aboveIdleMb;
    int listed100k = 0;
    for (int i = 0; i < kRuns; ++i) {
        run(pool100k);
        listed100k = list.RowCount();
        aboveIdleMb.push_back(ResidentMb() - idleMb);
    }
    const double above = Median(aboveIdleMb);
    std::printf("bench combination list %d rows memory: %.1f MB above idle (idle %.1f MB); budget: %.0f MB; ratio "
                "%.2f (target 1)\n",
                listed100k, above, idleMb, kMemoryBudgetMb, above / kMemoryBudgetMb);
    window->Destroy();
    forms::ShutdownFormRuntime();
    return 0;
}
