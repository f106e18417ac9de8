#pragma once
// The one owner-draw dispatcher of the skinned form, dialog and container procedures.
#include <windows.h>

// Paints what a WM_DRAWITEM of form `formNumber` asks for when the skin owns it: the push buttons the
// button family made owner-drawn and the items of the skin's popup menus. Any other item is left to
// the window's own procedure.
void HandleDrawItem(int formNumber, const DRAWITEMSTRUCT& item);

// Paints an item of a menu for form `formNumber` (0 or out of range: no owner form) when the menu is one
// of the skin's popup menus. The popup-menu service, which lives above the control families, puts its
// painter here when it makes its first menu; until then menu items are left alone.
using MenuItemPainter = void (*)(int formNumber, const DRAWITEMSTRUCT& item);
inline MenuItemPainter g_menuItemPainter = nullptr;
