#include "tools/journey/remote_controls.h"

#include <commctrl.h>
#include <richedit.h>

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "tools/journey/program_process.h"

namespace journey {
namespace {

// A block of memory inside the process that owns a window, freed when it goes.
class RemoteBlock {
public:
    RemoteBlock(HWND window, size_t size) : size_(size)
    {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, processId);
        if (process_)
            address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBlock()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    bool Valid() const { return address_ != nullptr; }
    char* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const
    {
        SIZE_T done = 0;
        return offset + size <= size_ && WriteProcessMemory(process_, At(offset), data, size, &done) && done == size;
    }
    bool Read(size_t offset, void* data, size_t size) const
    {
        SIZE_T done = 0;
        return offset + size <= size_ && ReadProcessMemory(process_, At(offset), data, size, &done) && done == size;
    }

private:
    HANDLE process_ = nullptr;
    void* address_ = nullptr;
    size_t size_ = 0;
};

LRESULT SendWithin(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 2000, &result))
        return -1;
    return static_cast<LRESULT>(result);
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM data)
{
    if (IsWindowVisible(window))
        reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

constexpr size_t kTextCapacity = 1024;

std::string CellText(HWND list, const RemoteBlock& block, int row, int column)
{
    LVITEMA item = {};
    item.iSubItem = column;
    item.pszText = block.At(sizeof item);
    item.cchTextMax = kTextCapacity;
    if (!block.Write(0, &item, sizeof item))
        return {};
    const LRESULT length = SendWithin(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(block.At(0)));
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length), '\0');
    block.Read(sizeof item, &text[0], text.size());
    return text;
}

}  // namespace

std::vector<HWND> VisibleDescendants(HWND top)
{
    std::vector<HWND> found;
    EnumChildWindows(top, CollectVisible, reinterpret_cast<LPARAM>(&found));
    // A child of a hidden parent is not shown, whatever its own style says.
    std::vector<HWND> shown;
    for (HWND window : found)
        if (IsWindowVisible(window))
            shown.push_back(window);
    return shown;
}

HWND FindByText(HWND top, const std::string& text)
{
    const bool prefix = !text.empty() && text.back() == '*';
    const std::string sought = prefix ? text.substr(0, text.size() - 1) : text;
    for (HWND window : VisibleDescendants(top)) {
        const std::string own = WindowText(window);
        if (prefix ? own.compare(0, sought.size(), sought) == 0 : own == sought)
            return window;
    }
    return nullptr;
}

HWND FindBelow(HWND top, const std::string& labelText)
{
    HWND label = FindByText(top, labelText);
    if (!label)
        return nullptr;
    RECT l;
    GetWindowRect(label, &l);
    HWND best = nullptr;
    int bestDistance = INT_MAX;
    for (HWND window : VisibleDescendants(top)) {
        RECT r;
        GetWindowRect(window, &r);
        if (window == label || r.top < l.bottom - 4 || r.left > l.right || r.right < l.left)
            continue;
        if (r.top - l.bottom < bestDistance) {
            bestDistance = r.top - l.bottom;
            best = window;
        }
    }
    return best;
}

HWND FindRightOf(HWND top, const std::string& labelText)
{
    HWND label = FindByText(top, labelText);
    if (!label)
        return nullptr;
    RECT l;
    GetWindowRect(label, &l);
    const int middle = (l.top + l.bottom) / 2;
    HWND best = nullptr;
    int bestDistance = INT_MAX;
    for (HWND window : VisibleDescendants(top)) {
        RECT r;
        GetWindowRect(window, &r);
        if (window == label || r.left < l.right - 4 || middle < r.top || middle > r.bottom)
            continue;
        if (r.left - l.right < bestDistance) {
            bestDistance = r.left - l.right;
            best = window;
        }
    }
    return best;
}

HWND FindByClass(HWND top, const std::string& className, int n)
{
    for (HWND window : VisibleDescendants(top))
        if (WindowClass(window) == className && n-- == 0)
            return window;
    return nullptr;
}

std::string RichEditText(HWND box, int maxCharacters)
{
    const size_t capacity = static_cast<size_t>(maxCharacters) * 2 + 2;
    RemoteBlock block(box, sizeof(TEXTRANGEA) + capacity);
    TEXTRANGEA range = {};
    range.chrg.cpMin = 0;
    range.chrg.cpMax = maxCharacters;
    range.lpstrText = block.At(sizeof range);
    if (!block.Valid() || !block.Write(0, &range, sizeof range))
        return {};
    const LRESULT length = SendWithin(box, EM_GETTEXTRANGE, 0, reinterpret_cast<LPARAM>(block.At(0)));
    if (length <= 0)
        return {};
    std::string text(std::min(static_cast<size_t>(length), capacity), '\0');
    block.Read(sizeof range, &text[0], text.size());
    return text.c_str();
}

int ListViewRowCount(HWND list)
{
    return static_cast<int>(SendWithin(list, LVM_GETITEMCOUNT, 0, 0));
}

std::vector<std::vector<std::string>> ListViewRows(HWND list, int maxRows)
{
    std::vector<std::vector<std::string>> rows;
    RemoteBlock block(list, sizeof(LVITEMA) + kTextCapacity);
    if (!block.Valid())
        return rows;
    HWND header = reinterpret_cast<HWND>(SendWithin(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? std::max<int>(1, static_cast<int>(SendWithin(header, HDM_GETITEMCOUNT, 0, 0))) : 1;
    const int count = std::min(ListViewRowCount(list), maxRows);
    for (int row = 0; row < count; ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < columns; ++column)
            cells.push_back(CellText(list, block, row, column));
        rows.push_back(cells);
    }
    return rows;
}

int TopVisibleRow(HWND list)
{
    return static_cast<int>(SendWithin(list, LVM_GETTOPINDEX, 0, 0));
}

bool ListViewRowRect(HWND list, int row, RECT& screen)
{
    RemoteBlock block(list, sizeof(RECT));
    RECT r = {};
    r.left = LVIR_LABEL;
    if (!block.Valid() || !block.Write(0, &r, sizeof r) ||
        SendWithin(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(block.At(0))) <= 0 ||
        !block.Read(0, &r, sizeof r))
        return false;
    MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
    screen = r;
    return true;
}

bool TabHeaderRect(HWND tabs, const std::string& text, RECT& screen)
{
    RemoteBlock block(tabs, sizeof(TCITEMA) + kTextCapacity);
    if (!block.Valid())
        return false;
    const int count = static_cast<int>(SendWithin(tabs, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = block.At(sizeof item);
        item.cchTextMax = kTextCapacity;
        char name[kTextCapacity] = {};
        if (!block.Write(0, &item, sizeof item) || SendWithin(tabs, TCM_GETITEMA, i, reinterpret_cast<LPARAM>(block.At(0))) <= 0 ||
            !block.Read(sizeof item, name, sizeof name - 1) || text != name)
            continue;
        RECT r = {};
        if (!block.Write(0, &r, sizeof r) || SendWithin(tabs, TCM_GETITEMRECT, i, reinterpret_cast<LPARAM>(block.At(0))) <= 0 ||
            !block.Read(0, &r, sizeof r))
            return false;
        MapWindowPoints(tabs, nullptr, reinterpret_cast<POINT*>(&r), 2);
        screen = r;
        return true;
    }
    return false;
}

int TabSelection(HWND tabs)
{
    return static_cast<int>(SendWithin(tabs, TCM_GETCURSEL, 0, 0));
}

}  // namespace journey
