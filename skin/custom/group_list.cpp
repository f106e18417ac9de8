// The group list's creation, window procedure (hover, selection, opening and closing, callbacks), hit
// test, relayout, scrolling and detach.
#include "skin/custom/group_list.h"

#include "skin/controls/control_framework.h"
#include "skin/controls/message_words.h"
#include "skin/core/memory_dc.h"

namespace {

bool Inside(const RECT& r, int x, int y)
{
    return r.left <= x && x <= r.right && r.top <= y && y <= r.bottom;
}

void Unhover(HWND window, GroupListRecord& list)
{
    MarkGroupListItem(window, list.hoverRow, list.hoverChild, false, false);
}

void OnMouseMove(HWND window, GroupListRecord& list, int x, int y)
{
    TrackMouseLeave(window);
    int row = 0, entry = 0;
    if (!HitTestGroupList(window, x, y, row, entry)) {
        Unhover(window, list);
        list.hoverRow = list.hoverChild = 0;
        return;
    }
    if (row == list.hoverRow && entry == list.hoverChild)
        return;
    Unhover(window, list);
    MarkGroupListItem(window, row, entry, false, true);
    list.hoverRow = row;
    list.hoverChild = entry;
}

// Selection, opening or closing, then the callbacks; each callback may change or destroy the list.
void OnButtonDown(HWND window, GroupListRecord* list, int x, int y)
{
    int row = 0, entry = 0;
    if (!HitTestGroupList(window, x, y, row, entry))
        return;
    MarkGroupListItem(window, list->selectedRow, list->selectedChild, true, false);
    MarkGroupListItem(window, row, entry, true, true);
    // Stored before the callbacks run, so that they see the item they are told about as selected.
    list->selectedRow = row;
    list->selectedChild = entry;
    if (entry == 0) {
        const bool wasOpen = RecordAt(list->rows, row)->expanded;
        SkinCallback handler = wasOpen ? list->collapseCallback : list->expandCallback;
        if (wasOpen)
            CollapseGroupListRow(window, row);
        else
            ExpandGroupListRow(window, row);
        if (handler && !(list = InvokeControlCallback(handler, {row}, g_groupLists, window, kGroupListKeys)))
            return;
    }
    if (list->clickCallback)
        InvokeControlCallback(list->clickCallback, {row, entry}, g_groupLists, window, kGroupListKeys);
}

int SetRowOpen(HWND window, int row, bool open)
{
    GroupListRecord* list = FindGroupList(window);
    GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    if (!header)
        return 0;
    if (header->expanded == open)
        return 1;
    header->expanded = open;
    return RelayoutGroupList(window);
}

}  // namespace

void MarkGroupListItem(HWND window, int row, int entry, bool selection, bool on)
{
    GroupListRecord* list = FindGroupList(window);
    GroupListRow* header = list ? RecordAt(list->rows, row) : nullptr;
    if (!header)
        return;
    if (GroupListChild* child = RecordAt(header->children, entry)) {
        (selection ? child->selected : child->hover) = on;
        DrawGroupListChild(window, row, entry);
    } else {
        (selection ? header->selected : header->hover) = on;
        DrawGroupListRow(window, row);
    }
}

GroupListRecord* SkinGroupList::Record() const
{
    return FindGroupList(window);
}

int SkinGroupList::Create(HWND listWindow, const GroupListOptions& options)
{
    const int index = AttachCustomControl(
        g_groupLists, listWindow, kGroupListKeys, GroupListWindowProcThunk, [&](GroupListRecord& list) {
            list.rowHeight = options.rowHeight.value_or(26);
            list.childHeight = options.childHeight.value_or(26);
            list.backColour = options.backColour.value_or(-1);
            list.backAlpha = options.backAlpha.value_or(0);
            list.childTextColour = options.childTextColour.value_or(0);
            list.childNoteColour = options.childNoteColour.value_or(0x808080);
            list.frameVisible = options.frame.value_or(true);
            list.scrollCallback = GroupListScrollThunk;
            // The bar subclasses the window first, so the list's procedure runs before the bar's.
            ScrollBarOptions bar;
            bar.minimum = 0;
            list.scrollBar.Create(listWindow, false, bar);
            list.scrollBar.SetScrollCallback(list.scrollCallback);
        });
    if (index > 0)
        window = listWindow;
    return index;
}

int HitTestGroupList(HWND window, int x, int y, int& row, int& entry)
{
    const GroupListRecord* list = FindGroupList(window);
    if (!list)
        return 0;
    for (int r = 1; r <= RecordCount(list->rows); ++r) {
        const GroupListRow& header = *RecordAt(list->rows, r);
        if (Inside(header.rect, x, y)) {
            row = r;
            entry = 0;
            return 1;
        }
        if (!header.expanded)
            continue;
        for (int e = 1; e <= RecordCount(header.children); ++e) {
            if (Inside(RecordAt(header.children, e)->rect, x, y)) {
                row = r;
                entry = e;
                return 1;
            }
        }
    }
    return 0;
}

int ExpandGroupListRow(HWND window, int row)
{
    return SetRowOpen(window, row, true);
}

int CollapseGroupListRow(HWND window, int row)
{
    return SetRowOpen(window, row, false);
}

int RelayoutGroupList(HWND window)
{
    GroupListRecord* list = FindGroupList(window);
    if (!list)
        return 0;
    list->dirty = true;
    LayoutGroupList(window);
    InvalidateRect(window, nullptr, FALSE);
    return 1;
}

void RelayoutAndRepaintGroupList(HWND window, int)
{
    if (!FindGroupList(window))
        return;
    LayoutGroupList(window);
    PaintGroupList(window);
}

int GroupListScrollThunk(const int* arguments, int count)
{
    if (!arguments || count < 1)
        return 0;
    RelayoutAndRepaintGroupList(static_cast<HWND>(LongToHandle(arguments[0])), count > 1 ? arguments[1] : 0);
    return 0;
}

void DetachGroupList(HWND window)
{
    DetachCustomControl(g_groupLists, window, kGroupListKeys, true, [](GroupListRecord& list) {
        ReleaseMemoryDC(list.memoryDC);
        list.memoryDC = nullptr;
        list.scrollBar.Destroy();
    });
}

LRESULT CALLBACK GroupListWindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return GroupListWindowProc(window, message, wParam, lParam);
}

LRESULT GroupListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    GroupListRecord* list = FindGroupList(window);
    if (!list)
        return CallPreviousProc(window, kGroupListKeys, message, wParam, lParam);
    // Kept here: a handler may detach the control (its record goes, its properties stay).
    const WNDPROC previous = list->oldWndProc;
    const int x = static_cast<int16_t>(LowWord(static_cast<uint32_t>(lParam)));
    const int y = HighWord(static_cast<uint32_t>(lParam));
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE: {
        const LRESULT result = CallRecordedProc(previous, window, message, wParam, lParam);
        if ((list = FindGroupList(window)) != nullptr) {
            list->dirty = true;
            InvalidateRect(window, nullptr, FALSE);
        }
        return result;
    }
    case WM_SIZE:
        list->dirty = true;
        LayoutGroupList(window);
        break;
    case WM_NCDESTROY:
        // The bar must not paint into the picture released here.
        list->scrollBar.SetTargetDC(nullptr);
        ReleaseMemoryDC(list->memoryDC);
        list->memoryDC = nullptr;
        DetachGroupList(window);
        break;
    case WM_ERASEBKGND:
        return EraseTransparently(wParam);
    case WM_PAINT:
        return RunPaintCycle(window, wParam, lParam, [window](HDC dc) {
            const GroupListRecord* painted = FindGroupList(window);
            if (painted && painted->dirty)
                PaintGroupList(window, dc);
            else
                BlitGroupListBuffer(window);
        });
    case WM_MOUSEMOVE:
        OnMouseMove(window, *list, x, y);
        break;
    case WM_MOUSELEAVE:
        Unhover(window, *list);
        list->hoverRow = list->hoverChild = 0;
        break;
    case WM_LBUTTONDOWN:
        OnButtonDown(window, list, x, y);
        // A handler may have destroyed the list.
        if (!IsWindow(window))
            return 0;
        break;
    default:
        break;
    }
    return CallRecordedProc(previous, window, message, wParam, lParam);
}
