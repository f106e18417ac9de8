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
#include "skin/custom/tooltip.h"

// Each record's dirty flag makes the control render afresh at its next paint instead of copying its
// kept picture (a drawing board rebuilds its background when either of its two flags is set).
struct SkinCanvasRecord {
    HWND hwnd = nullptr;
    bool dirty = true;
    bool formDirty = false;
    // Client size at the last recomposition; read by the animation threads too.
    std::atomic<int> clientWidth{0};
    std::atomic<int> clientHeight{0};
};

struct NavBarRecord {
    HWND hwnd = nullptr;
    bool dirty = false;
};

struct GroupListRecord {
    HWND hwnd = nullptr;
    bool dirty = true;
};

struct TabStripRecord {
    HWND hwnd = nullptr;
    bool dirty = true;
};

inline constexpr int kScrollBarStandAlone = 0;
inline constexpr int kScrollBarEmbedded = 1;
inline constexpr int kScrollBarDetached = 2;

struct ScrollBarRecord {
    // The bar's own window when stand-alone, else its host's window.
    HWND hwnd = nullptr;
    int mode = kScrollBarStandAlone;
    bool dirty = true;
};

inline RecordList<SkinCanvasRecord> g_skinCanvases;
inline RecordList<NavBarRecord> g_navBars;
inline RecordList<GroupListRecord> g_groupLists;
inline RecordList<TabStripRecord> g_tabStrips;
inline RecordList<ScrollBarRecord> g_scrollBars;
