#pragma once
// The self-drawn vertical scroll bar: up arrow, track, thumb and down arrow in the skin's theme
// colour, with auto-repeat while an arrow or the track is held (a 10 ms timer, id 1, on its window from
// creation to WM_NCDESTROY), thumb dragging, the wheel and a hover look. Every scroll action is
// reported to one handler with (window, position).
//
// Stand-alone, the bar is a child window of its own and paints itself. Embedded, it is a 17-pixel strip
// at the right edge of a host that draws itself (the group list): the bar subclasses the host first,
// so the host's procedure sees every message first and passes it on, and the host hands the bar its
// back buffer to draw into. Detached, it draws into a context its owner hands over, at the embedded
// strip's place in window coordinates, and copies the strip through the window DC. The record is a
// ScrollBarRecord of g_scrollBars (custom_control_records.h).
#include <windows.h>

#include <optional>

#include "skin/core/skin_callback.h"
#include "skin/core/window_props.h"
#include "skin/custom/custom_control_object.h"
#include "skin/custom/scroll_bar_painting.h"
#include "skin/custom/scroll_bar_parts.h"

struct ScrollBarRecord;

// The optional arguments of a new bar.
struct ScrollBarOptions {
    std::optional<int> minimum;     // 1
    std::optional<int> maximum;     // 100
    std::optional<int> step;        // 1
    std::optional<int> page;        // 10
    std::optional<int> position;    // 1
    std::optional<COLORREF> backColour;  // GetSysColor(COLOR_BTNFACE); 0 = no fill
    std::optional<int> backAlpha;   // 0
};

// The bar's parts cut to whole pixels, in GetPartRects order.
struct ScrollPartRects {
    RECT bar = {};
    RECT up = {};
    RECT down = {};
    RECT thumb = {};
};

// Every operation works on the bar of the object's window and returns its failure value (false, 0, -1,
// zero rectangles) when that window carries no bar.
struct SkinScrollBar : CustomControlObject {
    SkinScrollBar Copy() const { return *this; }

    // A stand-alone bar when standAlone is true, else one embedded in the window. Returns the index.
    int Create(HWND window, std::optional<bool> standAlone = std::nullopt,
               const ScrollBarOptions& options = ScrollBarOptions());
    int CreateDetached(HWND window, const ScrollBarOptions& options = ScrollBarOptions());
    // The picture to draw into (embedded, detached), then Refresh.
    bool SetTargetDC(HDC dc) const;
    // Lays the bar out again and marks it dirty; stand-alone it is invalidated, embedded it paints now.
    bool Refresh() const;
    // With a value: stores it unclamped, places the thumb and refreshes. Returns the position (0 on failure).
    int Position(std::optional<int> position = std::nullopt) const;
    // Stores each value given; no clamping, placement or repaint.
    bool SetRange(std::optional<int> minimum = std::nullopt, std::optional<int> maximum = std::nullopt,
                  std::optional<int> step = std::nullopt, std::optional<int> page = std::nullopt,
                  std::optional<int> position = std::nullopt) const;
    ScrollPartRects GetPartRects() const;
    int HitTest(int x, int y) const;
    bool SetScrollCallback(SkinCallback handler) const;
    // Thumb length and bar length alone: no placement, layout or repaint.
    bool SetThumbLength(int length) const;
    bool SetBarLength(int length) const;

private:
    ScrollBarRecord* Record() const;
};

LRESULT CALLBACK ScrollBarWindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT ScrollBarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// One scroll action: `argument` is the mouse lParam of a drag, the direction (0 up, 1 down) of a page
// or wheel notch. Repaints and calls the handler.
void ApplyScrollAction(HWND window, LPARAM argument, int action);
// Thumb, up, down, then the whole bar (the track); every edge belongs to its part.
int HitTestScrollPart(HWND window, int x, int y);
// Repaints the bar for the part under the mouse, unless it moved from the track to the track.
void SetScrollHoverPart(HWND window, int part);
void BeginThumbDrag(HWND window, LPARAM position);
// From WM_NCDESTROY: the frame's detach for g_scrollBars.
void DetachScrollBar(HWND window);

