// Report-style list views: columns, rows and cells. The rows live in the unit's row store; the list
// view is an owner-data one that keeps only the count and the selection and asks for the cells it
// paints, so a row costs its bytes once and no message to add.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>

#include "runtime/forms/form.h"
#include "runtime/forms/runtime_internal.h"
#include "runtime/forms/unit.h"
#include "runtime/row_store.h"

namespace forms {
namespace {

constexpr UINT kGbkCodePage = 936;

// Appends tell the list view the new count once, when pending messages are next processed or a message
// reaches it (the unit's procedure tells it first).
void DeferRowCount(Unit& list)
{
    bool& deferred = UnitAccess::RowCountPending(list);
    if (deferred)
        return;
    deferred = true;
    PostMessageA(list.Window(), RowCountMessage(), 0, 0);
}

void RedrawRows(HWND window, int first, int last)
{
    SendMessageA(window, LVM_REDRAWITEMS, first, last);
}

void CopyCell(const char* cell, char* buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    const size_t length = std::min(std::strlen(cell), static_cast<size_t>(size - 1));
    std::memcpy(buffer, cell, length);
    buffer[length] = '\0';
}

void CopyCell(const char* cell, wchar_t* buffer, int size)
{
    if (!buffer || size <= 0)
        return;
    const int length = MultiByteToWideChar(kGbkCodePage, 0, cell, -1, buffer, size);
    if (length == 0)
        buffer[size - 1] = L'\0';  // a cell longer than the buffer: cut short
}

template <typename Display>
void AnswerDisplayInfo(const RowStore& rows, Display& display)
{
    auto& item = display.item;
    const char* cell = rows.Cell(item.iItem, item.iSubItem);
    if (!cell)
        return;
    if (item.mask & LVIF_TEXT)
        CopyCell(cell, item.pszText, item.cchTextMax);
    if (item.mask & LVIF_PARAM)
        item.lParam = static_cast<LPARAM>(rows.Data(item.iItem));
}

bool StartsWith(const char* text, const std::string& start, bool partial)
{
    return partial ? std::strncmp(text, start.c_str(), start.size()) == 0 : start == text;
}

// The row whose first cell starts with (or is) the typed text, from the start row on, wrapping round
// when asked; -1 when none. Letters compare without case, as the list view's own search does.
int FindRow(const RowStore& rows, int start, std::string sought, bool partial, bool wrap)
{
    const int count = rows.Count();
    if (count == 0)
        return -1;
    CharLowerBuffA(&sought[0], static_cast<DWORD>(sought.size()));
    start = std::max(0, std::min(start, count - 1));
    for (int step = 0; step < count; ++step) {
        const int row = start + step;
        if (row >= count && !wrap)
            break;
        std::string first = rows.Cell(row % count, 0);
        CharLowerBuffA(&first[0], static_cast<DWORD>(first.size()));
        if (StartsWith(first.c_str(), sought, partial))
            return row % count;
    }
    return -1;
}

template <typename Find>
int AnswerFind(const RowStore& rows, const Find& find, const std::string& sought)
{
    if (!(find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) || sought.empty())
        return -1;
    return FindRow(rows, find.iStart, sought, (find.lvfi.flags & LVFI_PARTIAL) != 0,
                   (find.lvfi.flags & LVFI_WRAP) != 0);
}

std::string GbkOf(const wchar_t* text)
{
    if (!text)
        return {};
    const int size = WideCharToMultiByte(kGbkCodePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (size <= 1)
        return {};
    std::string gbk(static_cast<size_t>(size), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, text, -1, &gbk[0], size, nullptr, nullptr);
    gbk.resize(static_cast<size_t>(size - 1));
    return gbk;
}

}  // namespace

void SyncListRowCount(Unit& list)
{
    UnitAccess::RowCountPending(list) = false;
    const RowStore* rows = UnitAccess::Rows(list);
    HWND window = list.Window();
    if (!rows || !window)
        return;
    SendMessageA(window, LVM_SETITEMCOUNT, static_cast<WPARAM>(rows->Count()), LVSICF_NOSCROLL | LVSICF_NOINVALIDATEALL);
    InvalidateRect(window, nullptr, TRUE);
}

bool AnswerListRequest(Unit& list, const NMHDR& header, LRESULT& result)
{
    const RowStore* rows = UnitAccess::Rows(list);
    if (!rows)
        return false;
    NMHDR& writable = const_cast<NMHDR&>(header);
    switch (header.code) {
    case LVN_GETDISPINFOA:
        AnswerDisplayInfo(*rows, reinterpret_cast<NMLVDISPINFOA&>(writable));
        break;
    case LVN_GETDISPINFOW:
        AnswerDisplayInfo(*rows, reinterpret_cast<NMLVDISPINFOW&>(writable));
        break;
    case LVN_ODFINDITEMA: {
        const auto& find = reinterpret_cast<const NMLVFINDITEMA&>(header);
        result = AnswerFind(*rows, find, find.lvfi.psz ? find.lvfi.psz : "");
        return true;
    }
    case LVN_ODFINDITEMW: {
        const auto& find = reinterpret_cast<const NMLVFINDITEMW&>(header);
        result = AnswerFind(*rows, find, GbkOf(find.lvfi.psz));
        return true;
    }
    case LVN_ODCACHEHINT:
        break;
    default:
        return false;
    }
    result = 0;
    return true;
}

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
    if (!Usable() || !rows_)
        return 0;
    return rows_->Count();
}

int Unit::AppendRow(const std::vector<std::string>& cells)
{
    return InsertRow(RowCount(), cells);
}

int Unit::InsertRow(int row, const std::vector<std::string>& cells)
{
    if (!Usable() || !rows_ || !rows_->Insert(row, cells))
        return -1;
    if (row == rows_->Count() - 1) {
        DeferRowCount(*this);
        return row;
    }
    // Rows below move down, and the selection with them.
    const int selected = SelectedRow();
    SyncListRowCount(*this);
    if (selected >= row)
        SelectRow(selected + 1);
    return row;
}

bool Unit::SetCell(int row, int column, const std::string& text)
{
    if (!Usable() || !rows_ || row < 0 || row >= rows_->Count() || column < 0 || column >= ColumnCount() ||
        !rows_->SetCell(row, column, text))
        return false;
    RedrawRows(hwnd_, row, row);
    return true;
}

std::string Unit::Cell(int row, int column) const
{
    if (!Usable() || !rows_ || column < 0 || column >= ColumnCount())
        return {};
    const char* cell = rows_->Cell(row, column);
    return cell ? std::string(cell) : std::string();
}

int Unit::SelectedRow() const
{
    if (!Usable() || !rows_)
        return -1;
    const int row = static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return row < rows_->Count() ? row : -1;
}

std::string Unit::SelectedCell(int column) const
{
    const int row = SelectedRow();
    return row < 0 ? std::string() : Cell(row, column);
}

bool Unit::SelectRow(int row)
{
    if (!Usable() || !rows_ || row < -1 || row >= rows_->Count())
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
    if (!Usable() || !rows_ || row < 0 || row >= rows_->Count())
        return false;
    // The list view moves the selection of the rows below up as it drops the row.
    if (!SendMessageA(hwnd_, LVM_DELETEITEM, row, 0) || !rows_->Erase(row))
        return false;
    if (SendMessageA(hwnd_, LVM_GETITEMCOUNT, 0, 0) != rows_->Count())
        SyncListRowCount(*this);
    InvalidateRect(hwnd_, nullptr, TRUE);
    return true;
}

bool Unit::DeleteAllRows()
{
    if (!Usable() || !rows_)
        return false;
    rows_->Clear();
    UnitAccess::RowCountPending(*this) = false;
    return SendMessageA(hwnd_, LVM_DELETEALLITEMS, 0, 0) != FALSE;
}

bool Unit::EnsureRowVisible(int row)
{
    if (!Usable() || !rows_ || row < 0 || row >= rows_->Count())
        return false;
    return SendMessageA(hwnd_, LVM_ENSUREVISIBLE, row, FALSE) != FALSE;
}

bool Unit::SetRowData(int row, intptr_t value)
{
    return Usable() && rows_ && rows_->SetData(row, value);
}

intptr_t Unit::RowData(int row) const
{
    return Usable() && rows_ ? rows_->Data(row) : 0;
}

}  // namespace forms
