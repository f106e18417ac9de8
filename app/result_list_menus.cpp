#include "app/result_list_menus.h"

#include <optional>
#include <string>

#include "app/clipboard_text.h"
#include "app/favourites_page.h"
#include "app/main_window_scoring.h"
#include "app/report_window.h"
#include "app/report_window_main_units.h"
#include "naming/generation_state.h"
#include "naming/name_score.h"
#include "naming/report_input.h"
#include "naming/surname_text.h"
#include "runtime/forms/form.h"
#include "skin/core/message_box.h"
#include "skin/core/skin_menus.h"

const char* const kResultListMenuCaptions[4] = {"名字评分", "复制此名", "加入列表", "查看自选"};
const char* const kSavedListMenuCaptions[3] = {"查看评分", "删除此名", "删除全部"};

namespace {

enum ResultListItem { kScoreName = 1, kCopyName, kAddToList, kShowFavourites };
enum SavedListItem { kShowDetails = 1, kDeleteName, kDeleteAll };

// The skin menus call back with the chosen item's number; the items act on the main window.
int OnResultListSkinMenu(const int* arguments, int count)
{
    if (forms::Form* main = FindMainWindow(); main && count > 0)
        OnResultListMenuItem(*main, arguments[0]);
    return 0;
}

int OnSavedListSkinMenu(const int* arguments, int count)
{
    if (forms::Form* main = FindMainWindow(); main && count > 0)
        OnSavedListMenuItem(*main, arguments[0]);
    return 0;
}

// Skin menus are never removed: each list menu is made once, at its first use, for the whole run.
template <size_t N>
int MakeSkinMenu(const char* const (&captions)[N], SkinCallback handler)
{
    const int menu = CreateSkinPopupMenu();
    for (const char* caption : captions)
        AddSkinMenuItem(menu, caption);
    SetSkinMenuCallback(menu, handler);
    return menu;
}

// The menu where the press was: at the mouse, or at the selected row for Shift+F10 and the menu key.
void PopupAtPress(int menu, forms::Event& event)
{
    POINT at = {event.x, event.y};
    ClientToScreen(event.sender.Window(), &at);
    PopupSkinMenuAtCursor(menu, event.form.Window(), at.x, at.y);
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

void ShowMessage(forms::Form& window, const char* text, std::optional<std::string> caption = std::nullopt)
{
    ShowMessageBox(window.Window(), text, 0, caption);
}

// The report of the name in column 1 of the list's selected row, scored afresh.
void OpenFreshlyScoredRowReport(forms::Form& window, const char* list)
{
    const std::string name = window.Get(list).SelectedCell(1);
    const std::string surname = CleanSurname(window.Get("编辑框_姓1").Text());
    OpenReport(name, name + ScoreTag(ScoreName(MainWindowTalents(), name, SurnameCharsOfName(name, surname))));
}

// The name in column 1 of the list's selected row onto the clipboard.
void CopySelectedName(forms::Form& window, const char* list)
{
    const std::string name = window.Get(list).SelectedCell(1);
    if (!name.empty() && SetClipboardText(window.Window(), name))
        ShowMessage(window, "复制成功");
}

// The name of the selected row of a scored-name list into the favourites.
void AddSelectedNameToFavourites(forms::Form& window, const char* list)
{
    const std::string name = window.Get(list).SelectedCell(1);
    if (name.empty())
        return;
    switch (StoreFavouriteName(window, name)) {
    case FavouriteStoreResult::Stored:
        ShowMessage(window, "增加成功");
        break;
    case FavouriteStoreResult::AlreadyStored:
        ShowMessage(window, "自选列表中已有这个名字");
        break;
    case FavouriteStoreResult::Failed:
        ShowMessage(window, "增加失败");
        break;
    }
}

}  // namespace

void OnResultListMenuItem(forms::Form& window, int item)
{
    switch (item) {
    case kScoreName:
        OpenSelectedNameReport(window);
        break;
    case kCopyName:
        OnMenuCopyName(window);
        break;
    case kAddToList:
        AddToFavourites(window);
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
        ShowFavouriteDetails(window);
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

int ResultListMenu()
{
    static const int menu = MakeSkinMenu(kResultListMenuCaptions, OnResultListSkinMenu);
    return menu;
}

int SavedListMenu()
{
    static const int menu = MakeSkinMenu(kSavedListMenuCaptions, OnSavedListSkinMenu);
    return menu;
}

void OnResultListRightPress(forms::Event& event)
{
    PopupAtPress(ResultListMenu(), event);
}

void OnSavedListRightPress(forms::Event& event)
{
    PopupAtPress(SavedListMenu(), event);
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

void OpenComboModeRowReport(forms::Form& window)
{
    OpenFreshlyScoredRowReport(window, "组合模式_超级列表框");
}

void ShowFavouriteDetails(forms::Form& window)
{
    OpenFreshlyScoredRowReport(window, "超级列表框3");
}

void OnMenuCopyName(forms::Form& window)
{
    const int page = CurrentPage(window);
    if (page == 0) {
        const std::string text = window.Get("超级列表框1").SelectedCell(0);
        if (!text.empty() && SetClipboardText(window.Window(), text))
            ShowMessage(window, "复制成功", "复制");
    } else if (page == 1) {
        CopySelectedName(window, "组合模式_超级列表框");
    } else if (page == 6) {
        CopyPoemModeRowName(window);
    }
}

void AddToFavourites(forms::Form& window)
{
    const int page = CurrentPage(window);
    if (page == 0) {
        // The collected names take each row once for the whole run.
        const std::string text = window.Get("超级列表框1").SelectedCell(0);
        if (!text.empty() && g_seenTexts.Add(text))
            window.Get("超级编辑框1").AppendText(text + "\r\n");
    } else if (page == 1) {
        AddCombinationNameToFavourites(window);
    } else if (page == 6) {
        AddPoemModeNameToFavourites(window);
    }
}

void CopyPoemModeRowName(forms::Form& window)
{
    CopySelectedName(window, "超级列表框诗词模式");
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
    OpenComboModeRowReport(event.form);
}

void OnSavedListDoubleClicked(forms::Event& event)
{
    ShowFavouriteDetails(event.form);
}
