#pragma once
// The skin's popup menus: numbered menus of owner-drawn items that the program builds item by item,
// pops at the mouse over a skinned form and hears back from through one handler per menu. A menu's
// number is its 1-based place in g_skinMenus; menus are only ever appended, so numbers stay valid for
// the whole run. Item i of menu n carries the command id whose digits are n's followed by i's written
// with at least three digits (n x 1000 + i below 1000), so WM_COMMAND names menu and item without any
// table. UI thread only.
#include <windows.h>

#include <string>

#include "skin/core/skin_callback.h"
#include "skin/core/skin_menu_records.h"

// Makes an empty popup menu and returns its number.
int CreateSkinPopupMenu(int itemWidth = 150, int itemHeight = 22);

struct SkinMenuItemOptions {
    std::string picture;  // picture bytes (PNG), empty: none
    bool separator = false;
    bool disabled = false;
    bool checked = false;
    int submenu = 0;    // number of the skin menu the item opens; 0 or out of range: none
    int position = -1;  // 1..count + 1 inserts there; -1 appends
};

// Adds an owner-drawn item and its record. The item data of a plain item is its number; an item that
// opens a submenu and a separator (whose command id the system drops) carry their command id there,
// so the menu can be found from the data alone. False, and nothing changed, for a menu number out of
// range, a position outside 1..count + 1 and an item whose command id would not survive WM_COMMAND.
bool AddSkinMenuItem(int menuNumber, const std::string& text, const SkinMenuItemOptions& options = SkinMenuItemOptions());
// Gives items fromItem..count of the menu the command ids and item data of their positions again.
void RenumberSkinMenuItems(int menuNumber, int fromItem = 1);

bool SetSkinMenuCallback(int menuNumber, SkinCallback handler);
bool IsSkinMenuItemChecked(int menuNumber, int itemNumber);
bool SetSkinMenuItemChecked(int menuNumber, int itemNumber, bool checked);

// Pops the menu with its top-left corner at the screen point; the window receives WM_MEASUREITEM,
// WM_DRAWITEM and the chosen item's WM_COMMAND. A window without a menu is first given an empty menu
// bar, kept in its Ck_cdjb property for the form's release. Returns when the menu has closed; false for
// a menu number out of range.
bool PopupSkinMenuAtCursor(int menuNumber, HWND window, int x, int y);

// WM_MEASUREITEM of a skin menu item: the menu's item width, and its item height (12 for a separator).
// Items of other menus are left as the system measured them.
void MeasureSkinMenuItem(HWND formWindow, MEASUREITEMSTRUCT* measure);

// WM_COMMAND of a skinned form: when it comes from a menu (lParam 0, not an accelerator) and names a
// menu with a handler, calls the handler with the item number. True when a handler was called.
bool DispatchSkinMenuCommand(WPARAM wParam, LPARAM lParam);
