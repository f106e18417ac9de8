#pragma once
// Small drawing routines shared by the control painters, the caption buttons and the custom controls.
#include <windows.h>

#include <cstdint>

class GdipPath;

// Adds an open figure to the path: the left side up from the bottom, the rounded top-left corner, the
// top side, the rounded top-right corner and the right side down. Each corner arc's box is d x d; the
// bottom edge is not part of the figure (a fill closes it, a stroke leaves it open).
void AddTopRoundedRectPath(GdipPath& path, int x, int y, int width, int height, int d);

// A GDI+ ARGB value as a COLORREF (red and blue bytes exchanged, top byte 0), or a COLORREF back to
// ARGB order; the former top byte, the alpha, goes to `alpha`.
COLORREF SwapRedBlue(uint32_t colour, BYTE& alpha);
