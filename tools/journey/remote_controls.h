#pragma once
// Reading the standard controls of another process, as an accessibility tool does: list-view rows
// and tab headers through messages whose buffers live in the program's own memory.
#include <windows.h>

#include <string>
#include <vector>

namespace journey {

// The visible descendants of a window, in the order EnumChildWindows gives them.
std::vector<HWND> VisibleDescendants(HWND top);
// A visible descendant whose text is exactly this text (or starts with it, when the text ends in
// '*'), or null.
HWND FindByText(HWND top, const std::string& text);
// The nearest visible descendant below the unit with this text, overlapping it across.
HWND FindBelow(HWND top, const std::string& labelText);
// The nearest visible descendant to the right of the unit with this text, on the same line.
HWND FindRightOf(HWND top, const std::string& labelText);
// The n-th (0-based) visible descendant of this class, or null.
HWND FindByClass(HWND top, const std::string& className, int n);

// The first characters of a rich edit box (its WM_GETTEXT does not cross processes).
std::string RichEditText(HWND box, int maxCharacters = 4000);
// Rows of a report-style list view: each row its cells; at most maxRows rows.
std::vector<std::vector<std::string>> ListViewRows(HWND list, int maxRows = 10000);
int ListViewRowCount(HWND list);
// The row a person sees first: the list's top visible row.
int TopVisibleRow(HWND list);
// The screen rectangle of a row's first cell; false when the row does not exist.
bool ListViewRowRect(HWND list, int row, RECT& screen);
// The screen rectangle of the tab header with this text; false when there is none.
bool TabHeaderRect(HWND tabs, const std::string& text, RECT& screen);
// The selected page of a tab control (-1 when none).
int TabSelection(HWND tabs);

}  // namespace journey
