// Page 1 (组合模式): every name of the surname and two of the user's own characters, listed with its
// score by a worker thread.
#include "app/generator_handlers.h"

#include "app/generator_workers.h"
#include "app/main_window_scoring.h"
#include "naming/combinations.h"
#include "naming/generation_state.h"
#include "naming/surname_text.h"
#include "naming/three_talents.h"
#include "runtime/forms/form_runtime.h"

namespace {

// Cleans the pool and writes the candidate lines into the work box, all at once.
void BuildAllCombinations(forms::Form& form)
{
    const std::string pool = CleanCombinationPool(g_combinationPool);
    g_surname = CleanSurname(form.Get("编辑框_姓1").Text());
    form.Get("编辑框临时用").SetText(BuildCombinationLines(g_surname, pool));
}

// Turns the work box's lines into scored rows, a batch per call to the window.
void FillCombinationList(const forms::FormRef& window, const std::atomic<bool>& stop)
{
    std::string lines;
    ThreeTalentsTable* talents = nullptr;
    if (!window.Call([&](forms::Form& form) {
            lines = form.Get("编辑框临时用").Text();
            talents = &MainWindowTalents();
        }))
        return;
    ProduceCombinationRows(SplitCandidateLines(lines), *talents, stop, [&](std::vector<TextRow>& rows) {
        return window.Call([&](forms::Form& form) {
            forms::Unit& list = form.Get("组合模式_超级列表框");
            for (const TextRow& row : rows)
                list.AppendRow(row);
        });
    });
}

void CombinationListThread(const forms::FormRef& window, const std::atomic<bool>& stop)
{
    FillCombinationList(window, stop);
}

}  // namespace

void StartCombinationNaming(forms::Form& form)
{
    g_surname = CleanSurname(form.Get("编辑框_姓1").Text());
    g_combinationPool = form.Get("编辑框名字").Text();
    form.Get("组合模式_超级列表框").DeleteAllRows();
    form.Get("编辑框临时用").SetText("");
    // The lines exist before the worker starts, so it misses none.
    BuildAllCombinations(form);
    const forms::FormRef window(form);
    StartListWorker(form, [window](const std::atomic<bool>& stop) { CombinationListThread(window, stop); });
}
