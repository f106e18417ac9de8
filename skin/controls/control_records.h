#pragma once
// The records of the skinned standard controls, one per control, kept in the per-type lists of the
// control's SkinFormRecord. Each record starts with the control's window, which the skin engine core
// reads when it renumbers a form's controls; the control families add the state of their own painting.
// A list starts empty; the first control registered gets index 1, and records stay at their index for
// as long as the form is skinned (containers excepted: theirs go with their window).
#include <windows.h>

#include <commctrl.h>

#include <array>
#include <atomic>
#include <string>
#include <vector>

// A page window that a navigation bar lays out on a form or inside a container.
struct AttachedPage {
    HWND page = nullptr;
    int top = 0;
    int left = 0;
    bool fill = false;
};

// Button kinds the installers assign.
inline constexpr int kButtonKindPush = 0;
inline constexpr int kButtonKindRadio = 4;
inline constexpr int kButtonKindCheckBox = 5;

struct SkinButtonRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;  // also in Hw_hProc
    int kind = kButtonKindPush;
    std::string caption;  // the window text, kept up to date from WM_SETTEXT
    bool focused = false;
    std::string fontFace;
    int fontSize = 0;   // em size in pixels
    int fontStyle = 0;  // GDI+ style bits: 1 bold, 2 italic, 4 underline, 8 strike-out
    bool pressed = false;  // between WM_LBUTTONDOWN and WM_LBUTTONUP
};

// Edit boxes and list-type controls carry two skin-drawn scroll bars laid over their native ones;
// those windows belong to the form too (0 when absent).
// The parts of an overlay scroll bar in its own coordinates, rewritten by every paint of the overlay
// and read by its hit test.
inline constexpr int kScrollPartFirstArrow = 0;  // up or left
inline constexpr int kScrollPartSecondArrow = 1;  // down or right
inline constexpr int kScrollPartThumb = 2;
using ScrollBarParts = std::array<RECT, 3>;

struct SkinEditRecord {
    HWND hwnd = nullptr;
    HWND verticalScrollBar = nullptr;
    HWND horizontalScrollBar = nullptr;
    WNDPROC previousProc = nullptr;  // also in Hw_hProc
    bool focused = false;
    bool hot = false;      // the frame painters' default; nothing sets it, the hover look is painted once
    bool pressed = false;  // between WM_LBUTTONDOWN and WM_LBUTTONUP
    ScrollBarParts verticalParts = {};
    ScrollBarParts horizontalParts = {};
};

// What an overlay scroll bar showed when its owner last painted it: the owner's native bar, the
// overlay's place and what it was drawn over. Two equal states give the same picture.
struct OverlayState {
    bool painted = false;  // false: nothing known, the next paint is due
    RECT place = {};       // the overlay's window rectangle on the screen
    int minimum = 0, maximum = 0, page = 0, position = 0;
    COLORREF theme = 0;
    int framePaints = 0;  // of the owning form
};

// What a list control's ring (its frame around the client area) was last painted with: its place,
// looks and what lies behind it. Two equal states give the same pixels.
struct ListRingState {
    bool painted = false;  // false: nothing known, the next paint is due
    RECT place = {};       // the control's window rectangle on the screen
    RECT client = {};
    bool hot = false, focused = false, veil = false, frameEffect = false;
    int veilAlpha = 0;
    COLORREF theme = 0;
    int framePaints = 0;  // of the owning form
};

struct SkinListControlRecord {
    HWND hwnd = nullptr;
    HWND verticalScrollBar = nullptr;
    HWND horizontalScrollBar = nullptr;
    // The next paint renders the control afresh instead of copying it from the form's back buffer.
    bool dirty = true;
    WNDPROC previousProc = nullptr;  // also in Hw_hProc
    bool focused = false;
    bool hot = false;
    bool arrowKeyDown = false;  // from an arrow key's WM_KEYDOWN to the next WM_KEYUP
    bool hoverSeen = false;     // WM_MOUSEHOVER came since the mouse entered
    ScrollBarParts verticalParts = {};
    ScrollBarParts horizontalParts = {};
    OverlayState verticalShown;
    OverlayState horizontalShown;
    ListRingState ringShown;
    // A list view's own text colour: rows are drawn in it while it stands out from the veil behind
    // them, else in black or white.
    COLORREF wantedTextColour = CLR_INVALID;
};

// Where a track bar's ticks are, as its style says.
inline constexpr int kTickModeTopOrLeft = 0;
inline constexpr int kTickModeBottomOrRight = 1;
inline constexpr int kTickModeBoth = 2;
inline constexpr int kTickModeNone = 3;

struct SkinTrackbarRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    bool vertical = false;
    int tickMode = kTickModeBottomOrRight;
    bool hot = false;  // the mouse is over the control: the thumb is drawn large
    bool selectionRange = false;
};

struct SkinProgressRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;
    bool vertical = false;
};

struct SkinComboRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;  // also in Hw_hProc
    bool focused = false;
};

struct SkinUpDownRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;  // also in Hw_hProc
    bool hot = false;
    int hotPart = 0;  // the half under the mouse at the last hover check: 0 top or left, 1 the other
    bool pressed = false;  // between WM_LBUTTONDOWN and WM_LBUTTONUP
    bool horizontal = false;  // UDS_HORZ
    LPARAM pressPoint = 0;  // of the last WM_LBUTTONDOWN or WM_LBUTTONUP, client coordinates
};

struct SkinHeaderRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;  // also in Hw_hProc
    bool hot = false;        // the mouse is over an item
    int hotItem = 0;         // 1-based item under the mouse, 0 for none
    int paintedHotItem = 0;  // the hot item of the last hover repaint
    bool buttons = false;    // HDS_BUTTONS at install: items show hover and press
    int pressedItem = 0;     // 1-based item the left button went down on
    bool buttonDown = false;
    std::string fontFace;
    int fontStyle = 0;
    int fontSize = 12;
    HIMAGELIST imageList = nullptr;  // HDM_GETIMAGELIST at install
};

// Toolbars and controls skinned on request; their windows carry the Kj_ properties.
struct SkinKjRecord {
    HWND hwnd = nullptr;
    WNDPROC previousProc = nullptr;  // also in Kj_hProc
    // Left out when the control's native picture is laid over the background.
    COLORREF colourKey = 0;
    std::string fontFace;  // toolbar button text
    int fontSize = 12;
    int fontStyle = 0;
    // The next paint renders the control afresh (toolbars; the others keep it unread).
    bool repaint = false;
    bool mouseTracking = false;  // a TME_LEAVE request is armed
};

inline constexpr int kStaticKindText = 1;
inline constexpr int kStaticKindBitmap = 2;
inline constexpr int kStaticKindIcon = 3;

// Where an icon or bitmap static puts its picture.
inline constexpr int kImageAtTopLeft = 0;
inline constexpr int kImageAtBottomRight = 1;
inline constexpr int kImageCentred = 2;
inline constexpr int kImageStretched = 3;

struct SkinStaticRecord {
    HWND hwnd = nullptr;
    int imageAlignment = kImageAtTopLeft;  // bitmap and icon statics
    int kind = kStaticKindText;
    WNDPROC previousProc = nullptr;
    std::string fontFace;
    int fontSize = 12;
    int fontStyle = 0;
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
    // Non-zero: a container that is neither a tab control nor a group box gets a rounded frame.
    int option = 0;
    WNDPROC previousProc = nullptr;  // also in Hw_hProc, from which it is restored
    // The next paint renders the container's background afresh; its children have moved.
    bool backgroundDirty = true;
    bool childrenMoved = false;
    std::atomic<int> clientWidth{0};
    std::atomic<int> clientHeight{0};
    int kind = kContainerKindOther;
    // Non-zero: the container paints itself and controls inside it take its fill as their background;
    // zero: only its children are skinned.
    int paintAsContainer = 0;
    std::string fontFace;  // tab controls and group boxes
    int fontSize = 0;
    int fontStyle = 0;
    // Page windows laid out inside the container when it is resized.
    std::vector<AttachedPage> attachedPages;
};
