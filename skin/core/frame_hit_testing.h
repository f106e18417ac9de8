#pragma once
// The mouse behaviour of a skinned form's painted frame: which caption button or status-band segment
// lies under a point, the resize cursors near the edges, dragging by the caption and resizing from
// edges and corners, and how large a maximised form may become. Points are client coordinates packed
// as in a mouse message's lParam (signed words) or given as x and y.
#include <windows.h>

// True when the point lies in the caption-button strip, counting one pixel more on the left (2 left of
// the strip's x) and its top and bottom rows.
bool IsPointInCaptionStrip(int formNumber, LPARAM point);
// The caption button whose rectangle holds the point strictly inside; 0 when none does.
int HitTestCaptionButtons(int formNumber, int x, int y);
// The border zone under the point (the edges 1 left, 2 right, 3 top, 4 bottom, the corners 5 top left,
// 6 top right, 7 bottom left, 8 bottom right), 0 when none; zones are `border` pixels deep at the
// edges and 10 at the corners, tested edges first.
int FindBorderZone(int x, int y, const RECT& client, int border);
// The zone's WM_SYSCOMMAND (SC_SIZE + WMSZ_*) and cursor (IDC_SIZE*).
WPARAM BorderZoneCommand(int zone);
LPCSTR BorderZoneCursor(int zone);
// On a resizable form, shows the resize cursor of the zone under the point.
void UpdateResizeCursor(int formNumber, LPARAM point, const RECT& client);
// A left press on the frame: in the caption (off the buttons) the system drags the form, in a border
// zone of a resizable form it resizes it; both return when the modal loop ends.
void BeginBorderDrag(int formNumber, LPARAM point, const RECT& client);
// The status-band segment holding the point strictly inside (the band itself counts its edges); 0
// when none does or the form has no band.
int IsPointInStatusBand(int formNumber, int x, int y);
// The first maximise/restore button, 0 when the form has none.
int FindMaximizeButton(int formNumber);

// The size a maximised form may take so that a taskbar stays free, from the taskbar's rectangle
// (empty when there is none) and the screen size. For WM_GETMINMAXINFO a hidden vertical taskbar
// frees the full width.
SIZE MaximizedSizeFor(const RECT& taskbar, bool taskbarVisible, int screenWidth, int screenHeight,
                      bool forMinMaxInfo);
// The same for the system's taskbar ("Shell_TrayWnd") and the primary screen.
SIZE MaximizedFormSize(bool forMinMaxInfo);
