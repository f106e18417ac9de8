#pragma once
// The menus and double-clicks of MainWindow's result lists. 右键菜单 pops up on 超级列表框1 (page 0),
// 组合模式_超级列表框 (page 1) and 超级列表框诗词模式 (page 6), and its items act by the current page of
// 高级选择夹1; 右键菜单1 pops up on the favourites list 超级列表框3 (page 3). A name goes to the report
// through g_reportInput (name followed by its score tag); nothing opens for an empty name.
namespace forms {
class Form;
struct Event;
}  // namespace forms

// The captions of the menus' items in item order: 名字评分, 复制此名, 加入列表, 查看自选 (右键菜单) and
// 查看评分, 删除此名, 删除全部 (右键菜单1).
extern const char* const kResultListMenuCaptions[4];
extern const char* const kSavedListMenuCaptions[3];

// The menus' items by number (from 1, in caption order).
void OnResultListMenuItem(forms::Form& window, int item);
void OnSavedListMenuItem(forms::Form& window, int item);

// The numbers of the two skin popup menus, made at the first call; a chosen item goes to the item
// handler above with the main window.
int ResultListMenu();
int SavedListMenu();

// Right presses on the lists (and Shift+F10 or the menu key): the list's menu pops up where the press was.
void OnResultListRightPress(forms::Event& event);
void OnSavedListRightPress(forms::Event& event);

// 名字评分: the report of the selected row of the current page's list: on page 0 the row's text (name
// and tag), on pages 1 and 6 the name of column 1 with the tag of the score of column 7.
void OpenSelectedNameReport(forms::Form& window);
// The report of the name in column 1 of the selected row, scored afresh: of 组合模式_超级列表框 (a
// double-click), and of 超级列表框3 (查看评分 and a double-click).
void OpenComboModeRowReport(forms::Form& window);
void ShowFavouriteDetails(forms::Form& window);
// 复制此名: on page 0 the selected row's text (name and tag) onto the clipboard, with "复制成功" under the
// caption "复制"; on pages 1 and 6 the bare name of the selected row, with "复制成功".
void OnMenuCopyName(forms::Form& window);
// The bare name of the selected row of 超级列表框诗词模式 onto the clipboard, with "复制成功".
void CopyPoemModeRowName(forms::Form& window);
// 加入列表: on page 0 the selected row's text into the collected names 超级编辑框1, one line, once for
// the run (through g_seenTexts); on pages 1 and 6 the name into the favourites (below).
void AddToFavourites(forms::Form& window);
// The name of the selected row into the favourites, with "增加成功", "自选列表中已有这个名字" (a name
// already stored is not stored again) or "增加失败"; with no row selected
// nothing is stored or shown.
void AddCombinationNameToFavourites(forms::Form& window);
void AddPoemModeNameToFavourites(forms::Form& window);

void OnRandomNamesDoubleClick(forms::Event& event);
void OnCombinationListDoubleClick(forms::Event& event);
void OnSavedListDoubleClicked(forms::Event& event);
