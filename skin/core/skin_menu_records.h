#pragma once
// The records of the skin's popup menus and the numbering of their items' command ids: what the menu
// service keeps and the painting of the items reads. A menu's number is its 1-based place in the list;
// menus are only ever appended, so numbers stay valid for the whole run. UI thread only.
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

// The list itself, for the menu service that appends to it.
RecordList<SkinMenuRecord>& SkinMenuRecords();
