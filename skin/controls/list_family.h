#pragma once
// List-type controls: list boxes, list views, tree views, date-time pickers, IP-address fields and the
// list of a simple combo box. They keep their native item painting, but draw it into a memory context
// that already holds what lies behind them under the white veil; the finished picture goes onto the
// control and into the form's back buffer, from which a paint during a form drag copies it back. The
// skin also draws a thin frame in their non-client ring, and lays overlay scroll bars
// (scroll_overlays.h) over the native bars of list boxes, list views and tree views. UI thread only.
#include <windows.h>

#include <optional>
#include <string>

class GdipGraphics;
struct SkinListControlRecord;

// How a WM_PAINT of a list-type control is answered.
enum class ListPaintWay {
    kTree,        // the tree draws into a scratch context; its 0xFF00FF background is keyed out over the veil
    kVeiled,      // the control draws its items straight over the veiled background
    kNative,      // the control's own procedure paints as it would unskinned
    kBackBuffer,  // the last picture is copied back from the form's back buffer
};
// The way for a control of that class: not dirty, the back buffer; dirty, by class while the veil is
// on, natively while it is off.
ListPaintWay ChooseListPaintWay(const std::string& className, bool veil, bool dirty);

// What the frame painter reads of the control.
struct ListFrameSnapshot {
    int width = 0;  // of the window rectangle
    int height = 0;
    RECT client = {};        // the client area in window coordinates (GetEditNonClientOffsets)
    bool keyedWhole = false;  // a combo box's list or a control without a border: nothing is drawn
    bool hot = false;
    bool focused = false;
    bool veil = false;
    int veilAlpha = 0;
    bool frameEffect = true;  // g_listFrameEffect: the hot frame is 2 pixels wide
};

// Registers the direct children of the parent in six passes: list boxes, the lists of simple combo
// boxes (not owner-drawn with fixed height), list views (not those with LVS_SORTASCENDING; with the
// veil on their text background becomes transparent), tree views (with the veil on their background
// becomes 0xFF00FF), IP-address fields and date-time pickers. List boxes, list views and tree views get
// both overlays. A control already listed in form `formNumber` is left alone; nothing happens while
// g_skinChildControls is off.
void SkinListControls(int formNumber, HWND parent);

LRESULT CALLBACK ListControlWndProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the non-client ring of list-type control `listIndex` of form `formNumber` onto its window and
// into the form's back buffer. A flag not given is the record's.
void PaintListControlFrame(int formNumber, int listIndex, std::optional<bool> hot = std::nullopt,
                           std::optional<bool> focused = std::nullopt);

// The snapshot of a registered control; a flag not given is the record's.
ListFrameSnapshot TakeListFrameSnapshot(const SkinListControlRecord& record, std::optional<bool> hot,
                                        std::optional<bool> focused);
// The ring (veil or white, the frame line) and the keyed client hole onto a graphics of the window's size.
void DrawListFrameFace(GdipGraphics& graphics, const ListFrameSnapshot& frame);
