#pragma once
// The favourites of MainWindow: the names kept in the database table mz (through 记录集3) and their
// list 超级列表框3 on page 3, and the export of the names collected in 超级编辑框1 on page 0.
//
// The favourites are a set of names; the list shows what the table holds, each name once, in table
// order, and a refresh lays it out afresh. Deleting a row deletes its name (every record of it).
#include <string>

#include "app/favourites_store.h"

namespace forms {
class Form;
struct Event;
}  // namespace forms

// Stores the name unless it is stored already.
FavouriteStoreResult StoreFavouriteName(forms::Form& window, const std::string& name);

// Lists the stored names again: per row column 0 its serial (the row's index + 1), then the cells of
// its ScoredNameRow. g_loopIndex is left at the last row's index.
void RefreshFavouritesList(forms::Form& window);
// Page 3, and the refresh.
void ShowFavourites(forms::Form& window);
// 删除此名: every record of the selected row's name; 删除全部: every record, once the skinned box
// 是/否 was answered 是. A deletion that fails says "删除失败". Both refresh the list afterwards.
void OnMenuDeleteSavedName(forms::Form& window);
void OnMenuDeleteAllSaved(forms::Form& window);

// 按钮导出: the text of 超级编辑框1, as its bytes without a terminating zero, over the file chosen in
// 通用对话框保存, and a message with the file's path. With nothing collected it says so and asks for
// no file; nothing is written when the dialog is cancelled; a failed write says "导出失败".
void OnExportButtonClicked(forms::Event& event);
