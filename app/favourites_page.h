#pragma once
// The favourites of MainWindow: the names kept in the database table mz (through 记录集3) and their
// list 超级列表框3 on page 3, and the export of the names collected in 超级编辑框1 on page 0.
//
// The list only grows by refreshes, which append the favourites not yet in g_seenTexts: a name
// already listed, or produced elsewhere in the run, does not show again. Each row keeps its record's
// row key, so deleting a row deletes that row's own record.
#include <string>

namespace forms {
class Form;
struct Event;
}  // namespace forms

// Appends a record holding the name; true only when it was stored.
bool StoreFavouriteName(forms::Form& window, const std::string& name);

// Appends a row for every favourite not yet listed: column 0 its serial (the row's index + 1), then the
// cells of its ScoredNameRow. g_loopIndex is left at the last new row's index.
void RefreshFavouritesList(forms::Form& window);
// Page 3, and the refresh.
void ShowFavourites(forms::Form& window);
// 删除此名: the record of the selected row, then its row, and the rows after it are numbered again;
// 删除全部: every record, then every row. A deletion that fails leaves the rows as they are. Both
// refresh the list afterwards.
void OnMenuDeleteSavedName(forms::Form& window);
void OnMenuDeleteAllSaved(forms::Form& window);

// 按钮导出: the text of 超级编辑框1, as its bytes without a terminating zero, over the file chosen in
// 通用对话框保存, and a message with the file's path. With nothing collected it says so and asks for
// no file; nothing is written when the dialog is cancelled; a failed write says "导出失败".
void OnExportButtonClicked(forms::Event& event);
