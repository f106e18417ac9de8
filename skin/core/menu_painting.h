#pragma once
// The look of the skin's popup menus. Every item is owner-drawn: the owner form's WM_DRAWITEM reaches
// PaintMenuItem through the owner-draw dispatch, which paints the item off screen in the skin's look.
// The first item painted in a menu window also takes the window over: subclassed so the system draws
// no frame, layered at alpha 240 and rounded, its border repainted with every item. UI thread only.
#include <windows.h>

// Puts PaintSkinMenuItem into the owner-draw dispatch; the menu service does it with its first menu.
void InstallMenuItemPainter();
// The dispatch's menu branch: paints the item when its menu is a skin menu, for the form whose number
// is given (0 or out of range: no owner form).
void PaintSkinMenuItem(int formNumber, const DRAWITEMSTRUCT& item);

// Paints the whole item onto item.hDC: the owner form's frame beneath its caption band under a veil
// when a skin picture is loaded, else the skin base colour (also when the owner is no skinned form);
// the white veil, the icon column and the content.
void PaintMenuItem(HWND owner, const DRAWITEMSTRUCT& item);
// The rounded border of a taken-over menu window, drawn around its client area.
void PaintMenuBorder(HWND menuWindow);
// The item's content on a memory context of the item's size: a separator's three lines, or the tick of
// a checked item, the highlight, the text (grey when disabled) and the item's picture. The item's record
// gives text, font and picture; without one the text the menu item itself holds is drawn.
void PaintMenuItemContent(const DRAWITEMSTRUCT& item, HDC dc);
// The procedure of a taken-over menu window: no system frame, everything else as before.
LRESULT CALLBACK MenuWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
