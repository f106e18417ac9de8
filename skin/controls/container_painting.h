#pragma once
// The painters of containers that draw themselves: what lies behind the container, then the frame of
// a plain container, the frame and caption of a group box, or the page frame, tabs and junction patch
// of a tab control; the picture goes into the form's back buffer and onto the container, its children
// clipped out. Thin black and white lines at fixed alphas, no antialiasing. UI thread only.
#include <windows.h>

class GdipPath;

// Where a tab control's tabs lie, from its style.
inline constexpr int kTabsTop = 0;
inline constexpr int kTabsLeft = 1;
inline constexpr int kTabsRight = 2;
inline constexpr int kTabsBottom = 3;
int TabOrientation(LONG_PTR style);

// Paints container `containerIndex` of form `formNumber` at once and clears its dirty flags; records
// its client size. Nothing when the numbers name no live container.
void PaintContainer(int formNumber, int containerIndex);
// Frame and caption of a group box into the memory context (the container's client size).
void PaintGroupBox(int formNumber, int containerIndex, HDC memoryDc);
// Page frame, tabs and the patch where the selected tab meets its page, into the memory context.
void PaintTabControlStrip(HWND tabControl, HDC memoryDc);
// Tab `item` (from 0) of the tab control into the memory context.
void PaintTabShapes(HWND tabControl, HDC memoryDc, int item, bool selected, int orientation);

// Open tab outlines: at the left of its page (open at the right, corners cut by e / 2), below its page
// (open at the top) and at the right of its page (open at the left, rounded corners). None closes
// its figure.
void AddTabOutlineA(GdipPath& path, int x, int y, int w, int h, int e);
void AddTabOutlineB(GdipPath& path, int x, int y, int w, int h, int e);
void AddRoundedTabOutline(GdipPath& path, int x, int y, int w, int h, int e);
