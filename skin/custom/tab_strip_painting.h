#pragma once
// Painting the tab strip: the whole strip into its kept picture, the kept picture again, and one item
// alone when its state changes. Back to front: the strip's fill (colour2), its own background by
// shape style, the base line with its gap under the selected item, divider pairs between items, and
// for every item its highlight (tab_strip_highlights.h), picture and caption.
#include <windows.h>

#include "skin/custom/custom_control_records.h"

class GdipGraphics;

// Everything of the whole strip onto a surface in client coordinates: fill, background, base line,
// dividers and every item.
void PaintTabStripSurface(GdipGraphics& g, const TabStripRecord& strip, const RECT& client);
// The strip's own background by shapeStyle: 1 nothing, 4 a glossy band, 2 and 3 a frame (rounded at
// the top, all round) with its gloss, any other value the gloss alone.
void PaintTabStripBackground(GdipGraphics& g, const TabStripRecord& strip, int clientRight);
// With attached tabs and a base line (shape style other than 3): a line along the last row, open under
// the selected item but for its first pixel and its last two.
void PaintTabStripBaseLine(GdipGraphics& g, const TabStripRecord& strip, const RECT& client);
// With separators: a dark line on the middle pixel of each gap and a light one on its last.
void PaintTabStripDividers(GdipGraphics& g, const TabStripRecord& strip);
// Item `item` with its top-left corner at (x, y) of the surface: its highlight, on a surface of its
// own (`alone`) the base-line piece under it, then its picture and caption.
void PaintTabStripItem(GdipGraphics& g, const TabStripRecord& strip, int item, float x, float y, bool alone);

// Full repaint: a fresh memoryDC holding what lies behind the strip, the strip drawn on it, published
// into the owning form's back buffer and copied to the paint DC (a DC of the window when 0). Clears
// dirty.
void PaintTabStrip(HWND window, HDC paintDc = nullptr);
// The kept picture onto the window and into the form's back buffer, without drawing.
void BlitTabStripBuffer(HWND window);
// Redraws one item on a surface of its size over what lies behind it and shows it on the window; a
// selection strip's kept picture takes it too. Nothing for a number outside 1..count.
void DrawTabStripItem(HWND window, int item);
