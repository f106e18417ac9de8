#include "app/favourites_page.h"

#include <cstdint>
#include <vector>

#include "app/favourites_store.h"
#include "app/main_window_scoring.h"
#include "naming/generation_state.h"
#include "naming/name_score.h"
#include "naming/surname_text.h"
#include "runtime/files.h"
#include "runtime/forms/form.h"
#include "runtime/text.h"
#include "skin/core/message_box.h"

namespace {

const char kFavouritesList[] = "超级列表框3";

DbRecordSet* FavouriteRecords(forms::Form& window)
{
    return window.Get("记录集3").RecordSet();
}

// A row's record key as the list keeps it; 0 (no record) for a key a pointer-sized number cannot
// hold, so such a row is never mistaken for another record.
intptr_t RowDataOfKey(long long rowKey)
{
    return rowKey == static_cast<intptr_t>(rowKey) ? static_cast<intptr_t>(rowKey) : 0;
}

// Serials count from 1, as in the other lists.
std::string SerialOfRow(int row)
{
    return IntToText(row + 1);
}

// True when the collected names hold nothing but blanks and line breaks.
bool NothingCollected(const std::string& text)
{
    return text.find_first_not_of(" \t\r\n") == std::string::npos;
}

}  // namespace

FavouriteStoreResult StoreFavouriteName(forms::Form& window, const std::string& name)
{
    DbRecordSet* records = FavouriteRecords(window);
    return records ? StoreFavouriteOnce(*records, name) : FavouriteStoreResult::Failed;
}

void RefreshFavouritesList(forms::Form& window)
{
    DbRecordSet* records = FavouriteRecords(window);
    std::vector<FavouriteRecord> names;
    if (!records || !ListFavouriteNames(*records, names))
        return;
    // The list is the table as it is now: a name deleted and stored again, or produced by a
    // generator before it was stored, is listed all the same.
    forms::Unit& list = window.Get(kFavouritesList);
    const std::string surname = CleanSurname(window.Get("编辑框_姓1").Text());
    list.DeleteAllRows();
    for (const FavouriteRecord& record : names) {
        const int row = list.RowCount();
        const ScoredNameRow cells = MakeScoredNameRow(MainWindowTalents(), SerialOfRow(row), record.name,
                                                      SurnameCharsOfName(record.name, surname));
        if (list.AppendRow(ScoredNameRowCells(cells)) < 0)
            continue;
        list.SetRowData(row, RowDataOfKey(record.rowKey));
        g_loopIndex = row;
    }
}

void ShowFavourites(forms::Form& window)
{
    window.Get("高级选择夹1").SetCurrentPage(3);
    RefreshFavouritesList(window);
}

void OnMenuDeleteSavedName(forms::Form& window)
{
    forms::Unit& list = window.Get(kFavouritesList);
    const int row = list.SelectedRow();
    DbRecordSet* records = FavouriteRecords(window);
    if (row < 0 || !records)
        return;
    if (!DeleteFavouriteName(*records, list.Cell(row, 1)))
        ShowMessageBox(window.Window(), "删除失败", 0);
    RefreshFavouritesList(window);
}

void OnMenuDeleteAllSaved(forms::Form& window)
{
    DbRecordSet* records = FavouriteRecords(window);
    if (!records)
        return;
    if (ShowMessageBox(window.Window(), "确定删除全部自选名字吗？", MB_YESNO | MB_ICONQUESTION) != IDYES - 1)
        return;
    if (!DeleteAllFavourites(*records))
        ShowMessageBox(window.Window(), "删除失败", 0);
    RefreshFavouritesList(window);
}

void OnExportButtonClicked(forms::Event& event)
{
    forms::Form& window = event.form;
    const std::string names = window.Get("超级编辑框1").Text();
    if (NothingCollected(names)) {
        ShowMessageBox(window.Window(), "没有可导出的名字", 0);
        return;
    }
    forms::Unit& dialog = window.Get("通用对话框保存");
    if (!dialog.ShowSaveDialog())
        return;
    // The names live only in the box: a failed export must not pass for a saved one, and a saved one
    // says where it went.
    if (WriteFileBytes(dialog.FileName(), names))
        ShowMessageBox(window.Window(), "已导出到：" + dialog.FileName(), 0);
    else
        ShowMessageBox(window.Window(), "导出失败", 0);
}
