#pragma once
// Painting what lies behind part of a window, for painters that redraw one area of themselves.
#include <windows.h>

// Paints what lies behind `area` of the window (its own coordinates, origin at its top-left corner)
// into the same area of `dc`, whose origin is the window's top-left corner: the owning form's frame
// picture or the hosting drawing board's picture, with the fill of the container the window lies in
// (the rules of CreateBackgroundDC, skin/core/drawing_core.h). Pixels outside the area are left alone;
// a window outside every skinned form and board leaves the context as it was.
void PaintBackgroundInSkinCanvas(HWND window, HDC dc, const RECT& area);
