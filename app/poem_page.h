#pragma once
// Page 6 (诗词模式) of MainWindow: the dynasty labels, the poet list 超级列表框诗人, the title list
// 超级列表框诗词标题 and the character picker 分组框1. Choosing a title lays the poem out as check boxes,
// copies of the hidden template 选择框X, one per character with a reading; the checked characters go
// to 编辑框诗内容, from which poem-mode naming makes names. Every query runs on 记录集_诗词, attached to
// 数据库连接1 first.
#include <vector>

namespace forms {
class Form;
struct Event;
}  // namespace forms

// The picker's check boxes made at run time, in poem order: (window id, unit id) of each. They live
// until the next title is chosen or the window is destroyed.
struct PickerBoxRef {
    int window;
    int unit;
};
extern std::vector<PickerBoxRef> g_pickerCheckBoxes;
// Destroys the boxes of g_pickerCheckBoxes that belong to the window and empties the array.
void DestroyPickerCheckBoxes(forms::Form& window);

// A dynasty label (透明标签_先秦 ... 透明标签_不详): empties both lists and lists that dynasty's poets.
void OnDynastyLabelClick(forms::Event& event);
// The poets of 唐, appended to what the poet list holds (the navigation item 诗词模式).
void ListTangPoets(forms::Form& window);
// A poet chosen: the list of that poet's titles.
void OnPoetSelected(forms::Event& event);
// A title chosen: the picker shows that poem's characters as unchecked boxes tagged "假".
void OnPoemTitleChosen(forms::Event& event);
// The click of a picker box: tag "真" unchecks it (black, tag "假"); any other tag checks it (red,
// tag "真"), whatever the click itself did.
void OnCharCheckBoxClicked(forms::Event& event);
// 全选 and 全不选: every box checked and red, or unchecked and black; tags stay as they are.
void OnCheckAllCharsClicked(forms::Event& event);
void OnCharPickerClearClicked(forms::Event& event);
void OnCharPickerClear(forms::Form& window);
// 确认选中 (also the generate button on page 6): the checked boxes' characters, in poem order, appended
// to 编辑框诗内容; the picker hides and every box is unchecked.
void OnCharPickerOkClicked(forms::Event& event);
void OnCharPickerOk(forms::Form& window);
// Either list taking the focus hides the picker.
void OnPoetListFocus(forms::Event& event);
void OnPoemTitleListFocus(forms::Event& event);

// A double-click on the title list opens the second connection 外部数据库1 on "\redadi\data\data.dll"
// (below the root of the current drive) unless it opened before; nothing reads from it.
void OpenPoemOdbcDatabase(forms::Event& event);
bool PoemOdbcDatabaseOpened();
