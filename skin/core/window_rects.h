#pragma once
// Where a window lies in the coordinate systems the skin draws in. Window coordinates count from the
// top-left corner of a window's window rectangle; a form's frame context and back buffer use the
// form's window coordinates. Failed Windows calls leave their part zeroed.
#include <windows.h>

// The window's rectangle minus the reference window's top-left corner.
RECT GetRectRelativeTo(HWND reference, HWND window);
// The window in its owning form's window coordinates (for a window outside every form: its screen
// rectangle).
RECT GetRectInSkinnedWindow(HWND window);
// (0, 0, 0, 0) for a skinned form; otherwise the window relative to its owning form's window, found by
// walking up its parents (the screen rectangle when the walk finds no form).
RECT GetRectInCustomContainer(HWND window);
// (0, 0, 0, 0) for a skinned form; otherwise the window relative to its parent's window rectangle.
RECT GetWindowRectInParent(HWND window);
// (0, 0, 0, 0) for a skinned form; otherwise the window in its parent's client coordinates.
RECT GetRectInAncestorClient(HWND window);
// The client area plus scroll bars in the window's own window coordinates, taking the borders as
// equal on opposite sides.
RECT GetNonClientOffsets(HWND window);
// The client area in the window's own window coordinates, counting a scroll bar of 17 pixels where
// the style has WS_VSCROLL or WS_HSCROLL; borders taken as equal on opposite sides.
RECT GetEditNonClientOffsets(HWND window);
// The window's inner area (client area plus scroll bars) in its owning form's window coordinates.
RECT GetClientRectInWindow(HWND window);
// Gives the window a region of a width x height rectangle from its top-left corner (the window
// rectangle when no size is given) with corners rounded by `corner` pixels; the window owns the region
// afterwards. A round region leaves out its last row and column, so it is made one pixel larger each
// way. False when the window keeps the region it had.
bool SetRoundRegion(HWND window, int corner);
bool SetRoundRegion(HWND window, int corner, int width, int height);
// The page area of a tab control in its client coordinates; every row of tabs is taken as high (or,
// for vertical tabs, as wide) as tab 0.
RECT GetTabPageRect(HWND tabControl);
