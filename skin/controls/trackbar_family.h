#pragma once
// Track bars ("msctls_trackbar32"): native dragging, keys and notifications kept, drawn whole by the
// skin: an optional soft frame, a thin shaded channel, a theme-coloured line up to the thumb, an
// optional white selection line and a small round thumb that grows while the mouse is over the bar.
// UI thread only.
#include <windows.h>

class GdipGraphics;

// What the track-bar painter reads of the control.
struct TrackbarSnapshot {
    int width = 0;  // of the window rectangle
    int height = 0;
    bool vertical = false;
    int tickMode = 1;  // kTickMode*
    bool hot = false;
    bool selectionRange = false;
    float position = 0;  // TBM_GETPOS
    float maximum = 0;   // TBM_GETRANGEMAX; positions are scaled against it alone
    RECT channel = {};   // TBM_GETCHANNELRECT, taken as (along, across) for vertical bars too
    RECT thumb = {};     // TBM_GETTHUMBRECT
    float selectionStart = 0;  // TBM_GETSELSTART, TBM_GETSELEND
    float selectionEnd = 0;
    bool frameEffect = true;  // g_trackbarEffect
};

// Registers the direct "msctls_trackbar32" children of `parent` not yet listed in form `formNumber`,
// and subclasses them; nothing while g_skinChildControls is off.
void SkinTrackbars(int formNumber, HWND parent);

LRESULT CALLBACK TrackbarWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The snapshot of a registered track bar; false when the window is none.
bool TakeTrackbarSnapshot(HWND window, TrackbarSnapshot& snapshot);
// The layers of the bar onto a graphics of the snapshot's size.
void DrawTrackbarFace(GdipGraphics& graphics, const TrackbarSnapshot& bar);
// Paints track bar `listIndex` of form `formNumber` over its whole window and into the back buffer.
void PaintTrackbar(int formNumber, int listIndex);
