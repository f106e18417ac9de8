#pragma once
// The one owner-draw dispatcher of the skinned form, dialog and container procedures.
#include <windows.h>

// Paints what a WM_DRAWITEM of form `formNumber` asks for when the skin owns it: the push buttons the
// button family made owner-drawn and the items of the skin's popup menus. Any other item is left to
// the window's own procedure.
void HandleDrawItem(int formNumber, const DRAWITEMSTRUCT& item);
