#pragma once
// The records of the custom-drawn controls (drawing board, navigation bar, group list, tab strip,
// scroll bar) and their global lists, 1-based. Every control window carries Hw_FuID, the number of the
// skinned form it lies in; a form release rewrites it from these lists. The controls add the state of
// their own painting to the records.
//
// The drawing board's animation threads read g_skinCanvases: append to it, or remove from it, only
// while holding a SkinRegistryWriteGuard (skin/core/skin_registry.h).
#include <windows.h>

#include <atomic>

#include "skin/core/record_list.h"

// A tooltip window made for an owner window (the caption buttons of a form keep one). Dropping the
// object leaves the tooltip window alone: it goes with its owner.
struct ToolTipClass {
    HWND window = nullptr;
    HWND owner = nullptr;
};

struct SkinCanvasRecord {
    HWND hwnd = nullptr;
    // Client size at the last recomposition; read by the animation threads too.
    std::atomic<int> clientWidth{0};
    std::atomic<int> clientHeight{0};
};

struct NavBarRecord {
    HWND hwnd = nullptr;
};

struct GroupListRecord {
    HWND hwnd = nullptr;
};

struct TabStripRecord {
    HWND hwnd = nullptr;
};

inline constexpr int kScrollBarStandAlone = 0;
inline constexpr int kScrollBarEmbedded = 1;
inline constexpr int kScrollBarDetached = 2;

struct ScrollBarRecord {
    // The bar's own window when stand-alone, else its host's window.
    HWND hwnd = nullptr;
    int mode = kScrollBarStandAlone;
};

inline RecordList<SkinCanvasRecord> g_skinCanvases;
inline RecordList<NavBarRecord> g_navBars;
inline RecordList<GroupListRecord> g_groupLists;
inline RecordList<TabStripRecord> g_tabStrips;
inline RecordList<ScrollBarRecord> g_scrollBars;
