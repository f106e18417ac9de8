#pragma once
// Painting the navigation bar: the full repaint into its kept picture, the separators, one item in
// every state, and the single-item redraw of hovers, presses, fades and item changes. The look is
// made of neutral overlays (white and black at fixed alphas) over what lies behind the bar, the item's
// picture and its caption.
#include <windows.h>

#include "skin/custom/custom_control_records.h"

class GdipGraphics;

// The state an item is drawn in besides its own checked and disabled flags.
struct NavItemLook {
    bool hot = false;
    bool pressed = false;
    int overlayAlpha = 0;  // the hover fade's level, 0..255
};

// Full repaint: a fresh memoryDC holding what lies behind the bar (a plain one for a bar no skinned
// form owns), the back colour, separators and every item; published into the form's back buffer and
// copied to the paint DC (or a DC of the window). Clears dirty.
void PaintNavBar(HWND window, HDC paintDc = nullptr);
// The separators of the bar.
void PaintNavBarBackground(const NavBarRecord& bar, GdipGraphics& surface);
// Item `item` (1-based) of the bar onto the surface, from the record alone; nothing for a number
// outside 1..count or a hidden item. `keepInside`, when given, is the clip left after the shadow ring;
// `surfaceDc`, when given, is the context whose pixels the surface draws into (icons are drawn
// there with GDI).
void PaintNavItem(GdipGraphics& surface, const NavBarRecord& bar, int item, const NavItemLook& look,
                  const RectF* keepInside = nullptr, HDC surfaceDc = nullptr);
// With a surface: PaintNavItem on it. Without one (the own pass): restores the background of the
// item's rectangle and the 3 pixels below it in memoryDC, draws the item there and copies that
// area to `target` (a DC of the window when not given). Before the first full repaint there is no
// picture to draw into, and nothing is drawn.
void DrawNavItem(HWND window, int item, GdipGraphics* surface = nullptr, const NavItemLook& look = NavItemLook(),
                 HDC target = nullptr);
void RedrawNavItem(HWND window, int item, bool hot = false);
