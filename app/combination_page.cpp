// Page 1 (组合模式): every name of the surname and two of the user's own characters, made and listed
// with its score by a worker thread.
#include "app/generator_handlers.h"

#include <algorithm>

#include "app/generator_workers.h"
#include "app/main_window_scoring.h"
#include "naming/combinations.h"
#include "naming/generation_state.h"
#include "naming/surname_text.h"
#include "naming/three_talents.h"
#include "runtime/forms/form_runtime.h"

namespace {

constexpr size_t kRowsPerCall = 2000;

// Makes the names of the pool on the worker, a batch at a time, and lists each batch: its scored rows
// and, in the work box, its candidate lines. A pool of thousands of characters is bounded where it is
// read (CleanCombinationPool), and no batch holds the window longer than a batch of rows.
void FillCombinationList(const forms::FormRef& window, const std::string& surname, const std::string& pool,
                         const std::atomic<bool>& stop)
{
    ThreeTalentsTable* talents = nullptr;
    if (!window.Call([&](forms::Form&) { talents = &MainWindowTalents(); }))
        return;
    ProducePoolCombinationRows(surname, pool, *talents, stop, [&](std::vector<TextRow>& rows) {
        std::string lines;
        for (const TextRow& row : rows)
            lines.append(row[1]).append("\r\n");
        // A batch of thousands of rows goes to the window in parts: between them the window answers
        // whatever else waits.
        for (size_t first = 0; first < rows.size(); first += kRowsPerCall) {
            const size_t end = std::min(rows.size(), first + kRowsPerCall);
            const bool ok = window.Call([&](forms::Form& form) {
                forms::Unit& list = form.Get("组合模式_超级列表框");
                for (size_t i = first; i < end; ++i)
                    list.AppendRow(rows[i]);
                if (end == rows.size()) {
                    // A one-line box cuts a replacement at its first line break: the whole text is set again.
                    forms::Unit& work = form.Get("编辑框临时用");
                    work.SetText(work.Text() + lines);
                }
            });
            if (!ok)
                return false;
        }
        return true;
    });
}

void CombinationListThread(const forms::FormRef& window, const std::string& surname, const std::string& pool,
                           const std::atomic<bool>& stop)
{
    FillCombinationList(window, surname, pool, stop);
}

}  // namespace

void StartCombinationNaming(forms::Form& form)
{
    g_surname = CleanSurname(form.Get("编辑框_姓1").Text());
    g_combinationPool = form.Get("编辑框名字").Text();
    form.Get("组合模式_超级列表框").DeleteAllRows();
    form.Get("编辑框临时用").SetText("");
    // The worker gets the cleaned pool and the surname as they are now; it makes the lines itself.
    const std::string pool = CleanCombinationPool(g_combinationPool);
    const std::string surname = g_surname;
    const forms::FormRef window(form);
    StartListWorker(form, [window, surname, pool](const std::atomic<bool>& stop) {
        CombinationListThread(window, surname, pool, stop);
    });
}
