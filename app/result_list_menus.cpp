#include "app/result_list_menus.h"

#include <string>

#include "app/clipboard_text.h"
#include "app/favourites_page.h"
#include "app/main_window_scoring.h"
#include "app/report_window.h"
#include "naming/generation_state.h"
#include "naming/name_score.h"
#include "naming/report_input.h"
#include "runtime/forms/form.h"
#include "runtime/forms/platform_actions.h"

namespace {

// The menus' items as units of the window, in item order, until the skin's popup menus take their
// place (CreateSkinPopupMenu with SetSkinMenuCallback calling the item handlers with the number).
const char* const kResultListMenuItems[] = {"右键菜单名字评分", "右键菜单复制此名", "右键菜单加入列表", "右键菜单查看自选"};
const char* const kSavedListMenuItems[] = {"右键菜单1查看评分", "右键菜单1删除此名", "右键菜单1删除全部"};

enum ResultListItem { kScoreName = 1, kCopyName, kAddToList, kShowFavourites };
enum SavedListItem { kShowDetails = 1, kDeleteName, kDeleteAll };

template <size_t N>
int ItemNumber(const char* const (&items)[N], const std::string& unitName)
{
    for (size_t i = 0; i < N; ++i)
        if (unitName == items[i])
            return static_cast<int>(i) + 1;
    return 0;
}

int CurrentPage(forms::Form& window)
{
    return window.Get("高级选择夹1").CurrentPage();
}

// The scored-name list of pages 1 and 6; null on the other pages.
const char* ScoredListOfPage(int page)
{
    return page == 1 ? "组合模式_超级列表框" : page == 6 ? "超级列表框诗词模式" : nullptr;
}

// Hands the line to the report and opens it, unless the name is empty (no row was selected).
void OpenReport(const std::string& name, const std::string& reportLine)
{
    g_reportInput = reportLine;
    if (!name.empty())
        OpenNameReportWindow();
}

void ShowMessage(forms::Form& window, const char* text, const char* caption = "")
{
    forms::ShowPlainMessageBox(window.Window(), text, caption, 0);
}

// Page 0: the selected row's text (name and tag) onto the clipboard.
void CopySelectedRandomName(forms::Form& window)
{
    const std::string text = window.Get("超级列表框1").SelectedCell(0);
    if (!text.empty() && SetClipboardText(window.Window(), text))
        ShowMessage(window, "复制成功", "复制");
}

// Page 0: the selected row's text into the collected names, once for the whole run.
void CollectSelectedRandomName(forms::Form& window)
{
    const std::string text = window.Get("超级列表框1").SelectedCell(0);
    if (!text.empty() && g_seenTexts.Add(text))
        window.Get("超级编辑框1").AppendText(text + "\r\n");
}

// The name of the selected row of a scored-name list into the favourites.
void AddSelectedNameToFavourites(forms::Form& window, const char* list)
{
    const std::string name = window.Get(list).SelectedCell(1);
    if (name.empty())
        return;
    ShowMessage(window, StoreFavouriteName(window, name) ? "增加成功" : "增加失败");
}

}  // namespace

void OnResultListMenuItem(forms::Form& window, int item)
{
    const int page = CurrentPage(window);
    switch (item) {
    case kScoreName:
        OpenSelectedNameReport(window);
        break;
    case kCopyName:
        if (page == 0)
            CopySelectedRandomName(window);
        else if (page == 1)
            OpenFreshlyScoredRowReport(window, "组合模式_超级列表框");
        else if (page == 6)
            CopyPoemModeRowName(window);
        break;
    case kAddToList:
        if (page == 0)
            CollectSelectedRandomName(window);
        else if (page == 1)
            AddCombinationNameToFavourites(window);
        else if (page == 6)
            AddPoemModeNameToFavourites(window);
        break;
    case kShowFavourites:
        ShowFavourites(window);
        break;
    default:
        break;
    }
}

void OnSavedListMenuItem(forms::Form& window, int item)
{
    switch (item) {
    case kShowDetails:
        OpenFreshlyScoredRowReport(window, "超级列表框3");
        break;
    case kDeleteName:
        OnMenuDeleteSavedName(window);
        break;
    case kDeleteAll:
        OnMenuDeleteAllSaved(window);
        break;
    default:
        break;
    }
}

void OnResultListRightPress(forms::Event& event)
{
    event.form.PopupMenu(event.form.Get("右键菜单"));
}

void OnSavedListRightPress(forms::Event& event)
{
    event.form.PopupMenu(event.form.Get("右键菜单1"));
}

void OnResultListMenuClick(forms::Event& event)
{
    OnResultListMenuItem(event.form, ItemNumber(kResultListMenuItems, event.sender.Name()));
}

void OnSavedListMenuClick(forms::Event& event)
{
    OnSavedListMenuItem(event.form, ItemNumber(kSavedListMenuItems, event.sender.Name()));
}

void OpenSelectedNameReport(forms::Form& window)
{
    const int page = CurrentPage(window);
    if (page == 0) {
        const std::string line = window.Get("超级列表框1").SelectedCell(0);
        OpenReport(line, line);
    } else if (const char* list = ScoredListOfPage(page)) {
        forms::Unit& rows = window.Get(list);
        const std::string name = rows.SelectedCell(1);
        OpenReport(name, name + ScoreTag(rows.SelectedCell(7)));
    }
}

void OpenFreshlyScoredRowReport(forms::Form& window, const char* list)
{
    const std::string name = window.Get(list).SelectedCell(1);
    OpenReport(name, name + ScoreTag(ScoreName(MainWindowTalents(), name)));
}

void CopyPoemModeRowName(forms::Form& window)
{
    const std::string name = window.Get("超级列表框诗词模式").SelectedCell(1);
    if (!name.empty() && SetClipboardText(window.Window(), name))
        ShowMessage(window, "复制成功");
}

void AddCombinationNameToFavourites(forms::Form& window)
{
    AddSelectedNameToFavourites(window, "组合模式_超级列表框");
}

void AddPoemModeNameToFavourites(forms::Form& window)
{
    AddSelectedNameToFavourites(window, "超级列表框诗词模式");
}

void OnRandomNamesDoubleClick(forms::Event& event)
{
    OpenSelectedNameReport(event.form);
}

void OnCombinationListDoubleClick(forms::Event& event)
{
    OpenFreshlyScoredRowReport(event.form, "组合模式_超级列表框");
}

void OnSavedListDoubleClicked(forms::Event& event)
{
    OpenFreshlyScoredRowReport(event.form, "超级列表框3");
}
