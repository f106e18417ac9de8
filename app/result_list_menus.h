#pragma once
// The menus and double-clicks of MainWindow's result lists. 右键菜单 pops up on 超级列表框1 (page 0),
// 组合模式_超级列表框 (page 1) and 超级列表框诗词模式 (page 6), and its items act by the current page of
// 高级选择夹1; 右键菜单1 pops up on the favourites list 超级列表框3 (page 3). A name goes to the report
// through g_reportInput (name followed by its score tag); nothing opens for an empty name.
namespace forms {
class Form;
struct Event;
}  // namespace forms

// The items of 右键菜单 by number: 1 名字评分, 2 复制此名, 3 加入列表, 4 查看自选.
void OnResultListMenuItem(forms::Form& window, int item);
// The items of 右键菜单1 by number: 1 查看评分, 2 删除此名, 3 删除全部.
void OnSavedListMenuItem(forms::Form& window, int item);

// Right presses on the lists, and the menus' items as the window's menu units deliver them.
void OnResultListRightPress(forms::Event& event);
void OnSavedListRightPress(forms::Event& event);
void OnResultListMenuClick(forms::Event& event);
void OnSavedListMenuClick(forms::Event& event);

// 名字评分: the report of the selected row of the current page's list: on page 0 the row's text (name
// and tag), on pages 1 and 6 the name of column 1 with the tag of the score of column 7.
void OpenSelectedNameReport(forms::Form& window);
// The report of the name in column 1 of the list's selected row, scored afresh (组合模式_超级列表框 by
// 复制此名 on page 1 and a double-click; 超级列表框3 by 查看评分 and a double-click).
void OpenFreshlyScoredRowReport(forms::Form& window, const char* list);
// 复制此名 on page 6: the bare name of the selected row onto the clipboard.
void CopyPoemModeRowName(forms::Form& window);
// 加入列表 on pages 1 and 6: the name of the selected row into the favourites, with "增加成功" or
// "增加失败"; with no row selected nothing is stored or shown.
void AddCombinationNameToFavourites(forms::Form& window);
void AddPoemModeNameToFavourites(forms::Form& window);

void OnRandomNamesDoubleClick(forms::Event& event);
void OnCombinationListDoubleClick(forms::Event& event);
void OnSavedListDoubleClicked(forms::Event& event);
