#include "app/favourites_page.h"

#include <cstdint>
#include <vector>

#include "app/favourites_store.h"
#include "app/main_window_scoring.h"
#include "naming/generation_state.h"
#include "naming/name_score.h"
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

}  // namespace

bool StoreFavouriteName(forms::Form& window, const std::string& name)
{
    DbRecordSet* records = FavouriteRecords(window);
    return records && AppendFavouriteName(*records, name);
}

void RefreshFavouritesList(forms::Form& window)
{
    DbRecordSet* records = FavouriteRecords(window);
    std::vector<FavouriteRecord> fresh;
    if (!records || !CollectUnlistedFavourites(*records, g_seenTexts, fresh))
        return;
    forms::Unit& list = window.Get(kFavouritesList);
    for (const FavouriteRecord& record : fresh) {
        const int row = list.RowCount();
        const ScoredNameRow cells = MakeScoredNameRow(MainWindowTalents(), IntToText(row), record.name);
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
    if (row >= 0 && records && DeleteFavourite(*records, list.RowData(row)))
        list.DeleteRow(row);
    RefreshFavouritesList(window);
}

void OnMenuDeleteAllSaved(forms::Form& window)
{
    DbRecordSet* records = FavouriteRecords(window);
    if (records && DeleteAllFavourites(*records))
        window.Get(kFavouritesList).DeleteAllRows();
    RefreshFavouritesList(window);
}

void OnExportButtonClicked(forms::Event& event)
{
    forms::Form& window = event.form;
    forms::Unit& dialog = window.Get("通用对话框保存");
    if (!dialog.ShowSaveDialog())
        return;
    // The names live only in the box: a failed export must not pass for a saved one.
    if (!WriteFileBytes(dialog.FileName(), window.Get("超级编辑框1").Text()))
        ShowMessageBox(window.Window(), "导出失败", 0);
}
