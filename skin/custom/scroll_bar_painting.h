#pragma once
// Layout and painting of the self-drawn scroll bar, from its record alone: the procedure calls these,
// they never call back into it.
#include <windows.h>

struct ScrollBarRecord;

// The window size, the bar rectangle by mode, the arrows and the thumb's x and width.
void LayoutScrollBar(HWND window);
// The thumb's y from the position; at the top of its run when the range is empty.
void ComputeScrollThumb(HWND window);
// Full paint into targetDC (stand-alone: a fresh kept picture) and a copy of the bar's rectangle to
// `target` (a DC of the window when not given). With no picture to draw into nothing is drawn.
void PaintScrollBar(HWND window, HDC target = nullptr);
// Draws the bar of the record onto a surface from the record alone (the look of every part).
class GdipGraphics;
void DrawScrollBarParts(GdipGraphics& surface, const ScrollBarRecord& bar);
// Stand-alone: copies the kept picture onto the window and into the form's back buffer.
void BlitScrollBarBuffer(HWND window);
