// Page 6 (诗词模式): names made of the characters picked from poems, listed on the user-interface
// thread with pending messages handled after every row, so 停止 and the other handlers run meanwhile.
#include "app/generator_handlers.h"

#include <cmath>
#include <memory>

#include "app/main_window_scoring.h"
#include "app/poem_mode.h"
#include "app/poem_page.h"
#include "naming/char_data.h"
#include "naming/combinations.h"
#include "naming/generation_state.h"
#include "naming/name_score.h"
#include "naming/surname_text.h"
#include "runtime/forms/form_runtime.h"
#include "runtime/text.h"

namespace {

std::string PoolBox(size_t element)
{
    return std::string("编辑框") + kPoolElements[element];
}

// A stop empties the work box, both poem lists and the picked characters.
void StopPoemMode(forms::Form& window)
{
    window.Get("编辑框诗词模式临时用").SetText("");
    window.Get("超级列表框诗人").DeleteAllRows();
    window.Get("超级列表框诗词标题").DeleteAllRows();
    window.Get("编辑框诗内容").SetText("");
}

}  // namespace

void StartPoemModeNaming(forms::Form& form)
{
    if (form.Get("编辑框诗内容").Text().empty())
        return;
    form.Get("超级列表框诗词模式").DeleteAllRows();
    OnCharPickerOk(form);
    form.Get("按钮生成").SetEnabled(false);
    GeneratePoemModeNames(form);
}

void GeneratePoemModeNames(forms::Form& window)
{
    // Handlers run while the rows come, and one of them may close the window: once it is gone the loop
    // ends without touching a unit.
    const std::shared_ptr<forms::Form> keep = window.shared_from_this();
    ElementPools pools;
    for (size_t e = 0; e < pools.size(); ++e)
        window.Get(PoolBox(e)).SetText("");
    window.Get("编辑框诗词模式临时用").SetText("");
    SortPoemCharsByElement(window.Get("编辑框诗内容").Text(), ShippedCharData(), g_seenTexts, pools);
    for (size_t e = 0; e < pools.size(); ++e)
        window.Get(PoolBox(e)).SetText(pools[e]);
    const std::string pool = JoinElementPools(pools);
    std::string cleanedPool;
    ExtractChineseChars(pool, cleanedPool);
    forms::Unit& button = window.Get("按钮生成");
    button.SetEnabled(false);
    const std::vector<std::string> givenNames = PoemModeGivenNames(pool, cleanedPool, g_seenTexts);

    // A stop pressed before this run (on another page) is not meant for it.
    g_stopGeneration = false;
    forms::Unit& list = window.Get("超级列表框诗词模式");
    const size_t perFirst = static_cast<size_t>(std::sqrt(static_cast<double>(givenNames.size())) + 0.5);
    for (size_t k = 0; k < givenNames.size(); ++k) {
        g_loopIndex = static_cast<int>(2 * (k / perFirst) + 1);  // the first character's byte position
        const std::string surname = CleanSurname(window.Get("编辑框_姓1").Text());
        const std::string fullName = surname + givenNames[k];
        list.AppendRow(ScoredNameRowCells(MakeScoredNameRow(MainWindowTalents(), IntToText(k + 1), fullName,
                                                            SurnameCharsOfName(fullName, surname))));
        if (g_stopGeneration) {
            StopPoemMode(window);
            break;
        }
        forms::ProcessPendingMessages();
        if (!keep->IsAlive()) {
            g_stopGeneration = false;
            return;
        }
    }
    g_stopGeneration = false;
    button.SetEnabled(true);
}
