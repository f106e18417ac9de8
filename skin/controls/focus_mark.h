#pragma once
// The dotted rectangle that shows which control item has the keyboard focus (the focused tab of a tab
// control, the focused item of the navigation bar), drawn in the colour of the item's text over a faint
// line of its complement, so it shows on any background.
#include <windows.h>

class GdipGraphics;

// Inside the rectangle (x, y, w, h) by one pixel; false when it could not be drawn.
bool DrawFocusMark(GdipGraphics& graphics, float x, float y, float w, float h, COLORREF colour);
