#pragma once
// The skin's popup menus: numbered menus of owner-drawn items that the program builds item by item,
// pops at the mouse over a skinned form and hears back from through one handler per menu. A menu's
// number is its 1-based place in g_skinMenus; menus are only ever appended, so numbers stay valid for
// the whole run. Item i of menu n carries the command id whose digits are n's followed by i's written
// with at least three digits (n x 1000 + i below 1000), so WM_COMMAND names menu and item without any
// table. UI thread only.
#include <windows.h>

#include <string>

#include "skin/core/record_list.h"
#include "skin/core/skin_callback.h"

struct SkinMenuItemRecord {
    int itemNumber = 0;  // 1-based position in the menu
    std::string picture;  // picture bytes drawn 16 x 16 in the item's left margin; empty: none
    std::string text;
    HMENU submenu = nullptr;
    std::string fontFace = "宋体";
    COLORREF textColour = 0;
    int fontSize = 12;
    int fontStyle = 0;  // GDI+ FontStyle bits
};

struct SkinMenuRecord {
    HMENU menu = nullptr;
    SkinCallback callback = nullptr;  // called with the item number of a chosen item
    int itemWidth = 150;
    int itemHeight = 22;               // every item but a separator
    COLORREF highlightColour = CLR_INVALID;  // -1: g_themeColour
    RecordList<SkinMenuItemRecord> items;
};

int SkinMenuCount();
// Menu n, or nullptr when n is outside 1..count.
SkinMenuRecord* SkinMenuAt(int menuNumber);
// Item i of menu n, or nullptr when either number is out of range.
SkinMenuItemRecord* SkinMenuItemAt(int menuNumber, int itemNumber);
// The number of the menu whose handle this is; 0 for none.
int FindSkinnedMenu(HMENU menu);

// The command id of item i of menu n: n's digits followed by i's with at least three digits.
UINT_PTR SkinMenuCommandId(int menuNumber, int itemNumber);
// The menu number a command id or item datum names (all its decimal digits but the last three; 0 when
// it has no more than three) and the item number (the last three digits).
int MenuNumberOfId(UINT_PTR id);
int ItemNumberOfId(UINT_PTR id);
// The command id naming a skin menu item from what WM_MEASUREITEM and WM_DRAWITEM give: submenu items and
// separators carry it in their item data (the system drops a separator's own id, and a submenu item's
// id need not be its own), plain items carry only their number there.
UINT_PTR SkinMenuItemId(UINT itemID, ULONG_PTR itemData);
// Windows reports menu commands in the low word of wParam: no larger id survives the trip.
inline constexpr UINT_PTR kLargestMenuCommandId = 0xFFFF;

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
