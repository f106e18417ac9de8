#pragma once
// Layout and painting of the group list, from its record: the procedure and the item operations call
// these, they never call back into them.
#include <windows.h>

class GdipGraphics;

// Content height, the bar's visibility, range and thumb, and every row's and entry's rectangle.
void LayoutGroupList(HWND window);
// Full paint into a fresh memoryDC, the bar into it while shown, then into the form's back buffer and
// onto `dc` (a DC of the window when 0). Clears dirty.
void PaintGroupList(HWND window, HDC dc = nullptr);
// With a surface: drawn onto it as part of a full paint. Without one: redrawn alone into memoryDC
// over its background and copied to the window (nothing before the first full paint).
void DrawGroupListRow(HWND window, int row, GdipGraphics* surface = nullptr);
void DrawGroupListChild(HWND window, int row, int entry, GdipGraphics* surface = nullptr);
void BlitGroupListBuffer(HWND window);
void RelayoutAndRepaintGroupList(HWND window, int position);
