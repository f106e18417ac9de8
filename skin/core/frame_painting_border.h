#pragma once
// The rounded border of a frame picture: a dark outer stroke two pixels wide and a light inner one.
// GDI+ under Wine strokes a wide pen by filling the whole bounding box of the widened outline, which
// over a whole frame costs more than all the other layers; the border's pixels are the same along each
// straight edge, so its strokes are drawn once on a small picture (the four corners and one pixel of
// each edge between them) and laid over the frame from there.
#include <windows.h>

class GdipGraphics;
struct DibPixels;

// Draws both strokes of the border of a width x height picture with GDI+.
void DrawFrameBorderStrokes(GdipGraphics& graphics, int width, int height);
// Lays the same strokes over the pixels of a picture, pixel for pixel what DrawFrameBorderStrokes
// gives there; false, with nothing drawn, for a picture too small to have straight edges between its
// corners (stroke it with GDI+ then).
bool LayFrameBorderStrokes(const DibPixels& pixels);
