#pragma once
// The group list: an ordinary child window made into a two-level list of rows (headers with an arrow
// and a caption that open and close) and, under each open row, its entries (picture, caption, note and
// tag). It draws itself into a kept picture, highlights the item under the mouse, marks the clicked
// item selected and reports clicks as (row, entry), openings and closings as (row). When the content
// is taller than the window an embedded SkinScrollBar shows at its right edge. The record is a
// GroupListRecord of g_groupLists (custom_control_records.h); painting is in group_list_painting.cpp,
// the row and entry operations in group_list_items.cpp.
#include <windows.h>

#include <optional>
#include <string>

#include "skin/custom/custom_control_frame.h"
#include "skin/custom/custom_control_records.h"
#include "skin/custom/group_list_painting.h"
#include "skin/custom/group_list_parts.h"

class GdipGraphics;

// The optional arguments of SkinGroupList::Create.
struct GroupListOptions {
    std::optional<int> rowHeight;              // 26
    std::optional<int> childHeight;            // 26
    std::optional<int> backColour;             // -1: none
    std::optional<int> backAlpha;              // 0
    std::optional<COLORREF> childTextColour;   // 0
    std::optional<COLORREF> childNoteColour;   // 0x808080
    std::optional<bool> frame;                 // true
};

// Every operation works on the list of the object's window and returns its failure value (0, -1 for
// the additions, an empty text) when that window carries no list. Row and entry numbers outside
// 1..count fail the same way, except where an operation says otherwise.
struct SkinGroupList : CustomControlObject {
    SkinGroupList Copy() const { return *this; }

    // Makes the window a list with an embedded bar; returns its index.
    int Create(HWND window, const GroupListOptions& options = GroupListOptions());
    int SetAutoRefresh(std::optional<bool> on = std::nullopt) const;
    // A row closed unless `expanded`, appended, or inserted at position 1..count + 1. Returns its number.
    int AddRow(const std::string& caption, std::optional<bool> expanded = std::nullopt,
               std::optional<int> position = std::nullopt) const;
    int AddChild(int row, const std::string& caption, std::optional<std::string> picture = std::nullopt,
                 std::optional<std::string> tag = std::nullopt, std::optional<std::string> note = std::nullopt,
                 std::optional<int> position = std::nullopt) const;
    // Removals refresh unless refresh is given as false.
    int DeleteRow(int row, std::optional<bool> refresh = std::nullopt) const;
    int DeleteChild(int row, int entry, std::optional<bool> refresh = std::nullopt) const;
    int Clear() const;
    int ClearChildren(int row) const;
    int ExpandRow(int row) const;
    int CollapseRow(int row) const;
    // Marks the list dirty, lays it out and invalidates it.
    int Refresh() const;
    // 1 with row and entry (0: the header) of the item at the point; 0 leaves them alone.
    int HitTest(int x, int y, int& row, int& entry) const;
    int SetExpandCallback(SkinCallback handler) const;
    int SetCollapseCallback(SkinCallback handler) const;
    int SetClickCallback(SkinCallback handler) const;
    // 1 with the first selected header (entry left alone) or entry, in row order; 0 leaves them alone.
    int AnyHighlighted(int& row, int& entry) const;
    int GetRowCount() const;
    int GetChildCount(int row) const;
    // Moves the selection; an entry outside the row's entries selects the header but is kept.
    int Select(int row, std::optional<int> entry = std::nullopt) const;
    int SetInverseCaptions(std::optional<bool> on = std::nullopt) const;
    // Caption font and the four caption colours; what is not given stays.
    int SetFont(std::optional<std::string> fontName = std::nullopt, std::optional<int> fontSize = std::nullopt,
                std::optional<COLORREF> rowText = std::nullopt, std::optional<COLORREF> childText = std::nullopt,
                std::optional<COLORREF> childNote = std::nullopt, std::optional<COLORREF> childTag = std::nullopt) const;
    // The header's caption for entry 0, the entry's for 1..count, else empty.
    std::string GetText(int row, std::optional<int> entry = std::nullopt) const;
    // An omitted text empties the caption; an omitted picture keeps the entry's. Redraws the item.
    int SetText(int row, std::optional<int> entry = std::nullopt, std::optional<std::string> text = std::nullopt,
                std::optional<std::string> picture = std::nullopt) const;
    HDC GetMemoryDC() const;

private:
    GroupListRecord* Record() const;
};

// The program's one list object.
inline SkinGroupList g_groupList;

LRESULT CALLBACK GroupListWindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT GroupListWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// 1 with the first header, or entry of an open row, whose rectangle holds the point (edges included).
int HitTestGroupList(HWND window, int x, int y, int& row, int& entry);
// Open or close a row, relayout and invalidate; no callback. 0 for a row outside 1..count.
int ExpandGroupListRow(HWND window, int row);
int CollapseGroupListRow(HWND window, int row);
// Sets or clears the hover (or, with `selection`, the selected) flag of an item and redraws it. An
// entry number outside the row's entries names the header; a row outside 1..count changes nothing.
void MarkGroupListItem(HWND window, int row, int entry, bool selection, bool on);
// dirty, layout, invalidate.
int RelayoutGroupList(HWND window);
// The bar's scroll handler: (window, position) to RelayoutAndRepaintGroupList.
int GroupListScrollThunk(const int* arguments, int count);
void DetachGroupList(HWND window);

