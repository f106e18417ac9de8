#pragma once
// The records of the skinned standard controls, one per control, kept in the per-type lists of the
// control's SkinFormRecord. Each record starts with the control's window, which the skin engine core
// reads when it renumbers a form's controls; the control families add the state of their own painting.
#include <windows.h>

#include <atomic>
#include <vector>

#include "skin/controls/attached_page.h"

// Button kinds the installers assign.
inline constexpr int kButtonKindPush = 0;
inline constexpr int kButtonKindRadio = 4;
inline constexpr int kButtonKindCheckBox = 5;

struct SkinButtonRecord {
    HWND hwnd = nullptr;
    int kind = kButtonKindPush;
};

// Edit boxes and list-type controls carry two skin-drawn scroll bars laid over their native ones;
// those windows belong to the form too (0 when absent).
struct SkinEditRecord {
    HWND hwnd = nullptr;
    HWND verticalScrollBar = nullptr;
    HWND horizontalScrollBar = nullptr;
};

struct SkinListControlRecord {
    HWND hwnd = nullptr;
    HWND verticalScrollBar = nullptr;
    HWND horizontalScrollBar = nullptr;
    // The next paint renders the control afresh instead of copying it from the form's back buffer.
    bool dirty = true;
};

struct SkinTrackbarRecord {
    HWND hwnd = nullptr;
};

struct SkinProgressRecord {
    HWND hwnd = nullptr;
};

struct SkinComboRecord {
    HWND hwnd = nullptr;
};

struct SkinUpDownRecord {
    HWND hwnd = nullptr;
};

struct SkinHeaderRecord {
    HWND hwnd = nullptr;
};

// Toolbars and controls skinned on request; their windows carry the Kj_ properties.
struct SkinKjRecord {
    HWND hwnd = nullptr;
    // The next paint renders the control afresh.
    bool repaint = false;
};

struct SkinStaticRecord {
    HWND hwnd = nullptr;
};

inline constexpr int kContainerKindOther = 0;
inline constexpr int kContainerKindGroupBox = 1;
inline constexpr int kContainerKindTabControl = 2;

// A tab control, group box or other window that holds skinned controls. The client size is also read
// by the drawing board's animation threads, hence atomic.
struct SkinContainerRecord {
    HWND hwnd = nullptr;
    // Laid under the container's children at fillAlpha; 0 means no fill.
    COLORREF fillColour = 0;
    BYTE fillAlpha = 255;
    std::atomic<int> clientWidth{0};
    std::atomic<int> clientHeight{0};
    int kind = kContainerKindOther;
    // Non-zero: controls inside the container take its fill as their background.
    int paintAsContainer = 0;
    // The next paint renders the container's background afresh; its children have moved.
    bool backgroundDirty = true;
    bool childrenMoved = false;
    // Page windows of navigation bars inside the container, laid out on its size changes.
    std::vector<AttachedPage> attachedPages;
};
