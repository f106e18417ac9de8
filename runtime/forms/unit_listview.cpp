// Report-style list views: columns, rows and cells.
#include <windows.h>
#include <commctrl.h>

#include "runtime/forms/form.h"
#include "runtime/forms/runtime_internal.h"
#include "runtime/forms/unit.h"

namespace forms {
namespace {

// A list view with redrawing on repaints (or under Wine, even hidden, recomputes its scroll bars)
// for every inserted row; appends switch its redrawing off until the posted restore message comes
// back, that is until pending messages are next processed.
void DeferRedraw(Unit& list)
{
    bool& deferred = UnitAccess::RedrawDeferred(list);
    HWND window = list.Window();
    if (deferred)
        return;
    SendMessageA(window, WM_SETREDRAW, FALSE, 0);
    deferred = true;
    PostMessageA(window, RestoreRedrawMessage(), 0, 0);
}

bool SetItemText(HWND window, int row, int column, const std::string& text)
{
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = const_cast<char*>(text.c_str());
    return SendMessageA(window, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

}  // namespace

int Unit::AddColumn(const std::string& title, int width)
{
    if (!Usable() || !IsKind(UnitKind::ListView))
        return -1;
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    column.fmt = LVCFMT_LEFT;
    column.cx = width;
    column.pszText = const_cast<char*>(title.c_str());
    const LRESULT index = SendMessageA(hwnd_, LVM_INSERTCOLUMNA, ColumnCount(), reinterpret_cast<LPARAM>(&column));
    return index < 0 ? -1 : static_cast<int>(index);
}

int Unit::ColumnCount() const
{
    if (!Usable() || !IsKind(UnitKind::ListView))
        return 0;
    HWND header = reinterpret_cast<HWND>(SendMessageA(hwnd_, LVM_GETHEADER, 0, 0));
    const LRESULT count = header ? SendMessageA(header, HDM_GETITEMCOUNT, 0, 0) : 0;
    return count < 0 ? 0 : static_cast<int>(count);
}

int Unit::RowCount() const
{
    if (!Usable() || !IsKind(UnitKind::ListView))
        return 0;
    return static_cast<int>(SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0));
}

int Unit::AppendRow(const std::vector<std::string>& cells)
{
    return InsertRow(RowCount(), cells);
}

int Unit::InsertRow(int row, const std::vector<std::string>& cells)
{
    if (!Usable() || !IsKind(UnitKind::ListView) || row < 0 || row > RowCount())
        return -1;
    DeferRedraw(*this);
    const std::string first = cells.empty() ? std::string() : cells[0];
    LVITEMA item = {};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = row;
    item.pszText = const_cast<char*>(first.c_str());
    const LRESULT index = SendMessageA(hwnd_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    if (index < 0)
        return -1;
    for (size_t column = 1; column < cells.size(); ++column)
        SetItemText(hwnd_, static_cast<int>(index), static_cast<int>(column), cells[column]);
    return static_cast<int>(index);
}

bool Unit::SetCell(int row, int column, const std::string& text)
{
    if (!Usable() || !IsKind(UnitKind::ListView) || row < 0 || row >= RowCount() || column < 0 ||
        column >= ColumnCount())
        return false;
    return SetItemText(hwnd_, row, column, text);
}

std::string Unit::Cell(int row, int column) const
{
    if (!Usable() || !IsKind(UnitKind::ListView) || row < 0 || row >= RowCount() || column < 0 ||
        column >= ColumnCount())
        return {};
    // The list view answers with the length it copied; a full buffer may mean a longer text.
    for (size_t size = 256;; size *= 4) {
        std::string text(size, '\0');
        LVITEMA item = {};
        item.iSubItem = column;
        item.pszText = &text[0];
        item.cchTextMax = static_cast<int>(size);
        const LRESULT length = SendMessageA(hwnd_, LVM_GETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
        if (length < static_cast<LRESULT>(size) - 1 || size > (1u << 24)) {
            text.resize(length > 0 ? static_cast<size_t>(length) : 0);
            return text;
        }
    }
}

int Unit::SelectedRow() const
{
    if (!Usable() || !IsKind(UnitKind::ListView))
        return -1;
    return static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

std::string Unit::SelectedCell(int column) const
{
    const int row = SelectedRow();
    return row < 0 ? std::string() : Cell(row, column);
}

bool Unit::SelectRow(int row)
{
    if (!Usable() || !IsKind(UnitKind::ListView) || row < -1 || row >= RowCount())
        return false;
    LVITEMA item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&item));
    if (row < 0)
        return true;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    return SendMessageA(hwnd_, LVM_SETITEMSTATE, row, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

bool Unit::DeleteRow(int row)
{
    if (!Usable() || !IsKind(UnitKind::ListView) || row < 0 || row >= RowCount())
        return false;
    return SendMessageA(hwnd_, LVM_DELETEITEM, row, 0) != FALSE;
}

bool Unit::DeleteAllRows()
{
    if (!Usable() || !IsKind(UnitKind::ListView))
        return false;
    return SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0) != FALSE;
}

bool Unit::EnsureRowVisible(int row)
{
    if (!Usable() || !IsKind(UnitKind::ListView) || row < 0 || row >= RowCount())
        return false;
    return SendMessageA(hwnd_, LVM_ENSUREVISIBLE, row, FALSE) != FALSE;
}

bool Unit::SetRowData(int row, intptr_t value)
{
    if (!Usable() || !IsKind(UnitKind::ListView) || row < 0 || row >= RowCount())
        return false;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = static_cast<LPARAM>(value);
    return SendMessageA(hwnd_, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item)) != FALSE;
}

intptr_t Unit::RowData(int row) const
{
    if (!Usable() || !IsKind(UnitKind::ListView) || row < 0 || row >= RowCount())
        return 0;
    LVITEMA item = {};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (!SendMessageA(hwnd_, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return static_cast<intptr_t>(item.lParam);
}

}  // namespace forms
