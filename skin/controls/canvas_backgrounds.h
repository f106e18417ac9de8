#pragma once
// What lies behind part of a window, for painters that redraw only that part: the piece of the picture
// the window stands on (its form's frame picture, or a hosting drawing board's background) with the
// fill of the container that is, or holds, the window laid over it. UI thread only.
#include <windows.h>

// Paints what lies behind `area` of the window (in the window's own coordinates) into the same
// rectangle of the DC, whose origin is the window's top-left corner; the DC's other pixels are left
// alone. A group box shows its own fill only from 4 pixels below the top of the area, and above that
// the fill of the container it lies on. Nothing is painted for a window outside every form and host.
void PaintBackgroundInSkinCanvas(HWND window, HDC dc, const RECT& area);
