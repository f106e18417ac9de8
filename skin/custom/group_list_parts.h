#pragma once
// What the group list's procedure, its item operations and its painting share: the keys of its record
// (a GroupListRecord of g_groupLists) and the fixed geometry of the items.
#include <windows.h>

#include "skin/custom/custom_control_frame.h"
#include "skin/custom/custom_control_records.h"

inline constexpr CustomControlKeys kGroupListKeys{kPropHwListIndex, kPropHwProc, RecordNumberFamily::kCustomListed};

// Fixed geometry of the items.
inline constexpr int kGroupListBarReserve = 17;  // right of the items while the bar shows
inline constexpr int kGroupListIndent = 10;      // entries, from marginLeft
inline constexpr int kGroupListInset = 3;        // glyph and picture, from the item's left

// The record of the list on the window; null when it carries none.
GroupListRecord* FindGroupList(HWND window);
