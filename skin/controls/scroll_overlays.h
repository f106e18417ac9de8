#pragma once
// Overlay scroll bars: small disabled "Static" windows laid over the native scroll bars of edit boxes
// and list-type controls (their owners), siblings of the owner above it, that show the bar in the
// skin's look: a gradient track, a rounded thumb and two rounded arrow buttons. The native bars keep
// the range, the position and the scrolling; an overlay reads what it shows from its owner's bar
// (GetScrollBarInfo) and handles no message but WM_PAINT. Being disabled, it lets the mouse through to
// the owner, whose procedure repaints it with the part under the mouse highlighted. UI thread only.
#include <windows.h>

#include "skin/controls/control_records.h"

class GdipGraphics;

// On an overlay: its owner.
inline constexpr char kPropOverlayOwner[] = "Mngd_zct";

// The part of a bar that is highlighted, or that a hit test finds.
inline constexpr int kOverlayHitNone = 0;  // the track, or outside the bar
inline constexpr int kOverlayHitThumb = 1;
inline constexpr int kOverlayHitFirstArrow = 3;   // up or left
inline constexpr int kOverlayHitSecondArrow = 4;  // down or right

// What the overlay painter reads of the overlay and of its owner's native bar.
struct ScrollBarSnapshot {
    bool vertical = true;
    int width = 0;  // of the overlay
    int height = 0;
    // The cross size of the native bar, the side of its arrow buttons. Taken from the bar's rectangle:
    // Wine reports the thumb length in dxyLineButton.
    int buttonSize = 0;
    int thumbStart = 0;  // xyThumbTop, xyThumbBottom: along the bar from its top or left edge
    int thumbEnd = 0;
    bool available = true;  // false: the bar is disabled, shown without a thumb and never hot
    int hotPart = kOverlayHitNone;
};

// Creates the overlay of the owner's vertical (horizontal) native bar, above the owner among its
// siblings: at the bar's place when `visible`, else hidden at the parent's corner at 10 x 10 until the
// next SyncScrollOverlays. Returns its window, 0 when it cannot be made.
HWND CreateVScrollOverlay(HWND owner, bool visible);
HWND CreateHScrollOverlay(HWND owner, bool visible);
LRESULT CALLBACK VScrollOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HScrollOverlayProc(HWND overlay, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the owner's vertical (horizontal) overlay with `hotPart` highlighted, onto the overlay and
// into its form's back buffer, and rewrites the owner record's part rectangles. Nothing when the owner
// has no record (not skinned, or gone) or the record no overlay of that direction.
void PaintVScrollBar(HWND owner, int hotPart);
void PaintHScrollBar(HWND owner, int hotPart);

// The part of the owner's overlay under the screen point in lParam (as WM_NCMOUSEMOVE carries it),
// by the part rectangles of the last paint, edges included.
int HitTestVScrollOverlay(HWND owner, LPARAM lParam);
int HitTestHScrollOverlay(HWND owner, LPARAM lParam);

// Shows, hides and moves the owner's overlays as its native bars are. An edit box's overlay is shown
// while the Edit has both the scroll style and its own WS_VISIBLE bit; another owner's only changes
// while the owner has the scroll style (an overlay whose list lost the style stays as it was).
void SyncScrollOverlays(HWND owner);

// For the owner's WM_NCDESTROY: destroys the overlays of the record that still exist and zeroes the
// record's handles, so that no overlay outlives its owner.
void DestroyScrollOverlays(HWND& vertical, HWND& horizontal, HWND owner);

// The same work for an owner procedure that holds its record already (each property read costs):
// paint one overlay (0: nothing) and rewrite its parts, hit-test by those parts, and sync both. With
// `raise` off an overlay already at its bar's place keeps its place among its siblings (moving a
// window costs a round trip to the server under Wine, and owners sync at every paint); pass it on
// when the owner itself may have moved among its siblings.
void PaintScrollOverlay(HWND owner, HWND overlay, bool vertical, int hotPart, ScrollBarParts& parts);
int HitTestScrollOverlay(HWND overlay, const ScrollBarParts& parts, LPARAM lParam);
void SyncOverlayWindows(HWND owner, bool isEdit, HWND vertical, HWND horizontal, bool raise = true);
// Whether an owner's message may have moved it among its siblings: a WM_WINDOWPOSCHANGED that changed
// its place in the z-order.
bool RaisesOverlays(UINT message, LPARAM lParam);

// The snapshot of the owner's native bar under its overlay; false without an overlay.
bool TakeScrollBarSnapshot(HWND owner, HWND overlay, bool vertical, int hotPart, ScrollBarSnapshot& bar);
// The part rectangles of a bar (first arrow, second arrow, thumb) in overlay coordinates.
ScrollBarParts ScrollBarPartsOf(const ScrollBarSnapshot& bar);
// The layers of the bar onto a graphics of the overlay's size.
void DrawScrollBarFace(GdipGraphics& graphics, const ScrollBarSnapshot& bar);

// Repaints the record's overlays of the directions asked for that the owner's style has, no part hot.
template <class Record>
void RepaintScrollOverlays(HWND owner, Record& record, LONG_PTR style, bool vertical = true, bool horizontal = true)
{
    if (vertical && record.verticalScrollBar && (style & WS_VSCROLL))
        PaintScrollOverlay(owner, record.verticalScrollBar, true, kOverlayHitNone, record.verticalParts);
    if (horizontal && record.horizontalScrollBar && (style & WS_HSCROLL))
        PaintScrollOverlay(owner, record.horizontalScrollBar, false, kOverlayHitNone, record.horizontalParts);
}

// Repaints the record's overlays of the owner's scroll styles with the part under the screen point in
// lParam hot.
template <class Record>
void HighlightScrollOverlays(HWND owner, Record& record, LONG_PTR style, LPARAM lParam, bool vertical = true,
                             bool horizontal = true)
{
    if (vertical && record.verticalScrollBar && (style & WS_VSCROLL))
        PaintScrollOverlay(owner, record.verticalScrollBar, true,
                           HitTestScrollOverlay(record.verticalScrollBar, record.verticalParts, lParam),
                           record.verticalParts);
    if (horizontal && record.horizontalScrollBar && (style & WS_HSCROLL))
        PaintScrollOverlay(owner, record.horizontalScrollBar, false,
                           HitTestScrollOverlay(record.horizontalScrollBar, record.horizontalParts, lParam),
                           record.horizontalParts);
}
