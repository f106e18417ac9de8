#pragma once
// Copies of finished control pictures into the back buffer of their form, whole or part, and
// colour-keyed copies, which leave out the pixels of the key colour so that what lies beneath (a
// native child window, the form's back buffer) shows through them.
#include <windows.h>

#include <vector>

// Copies width x height pixels from (sourceX, sourceY) of the source to (x, y) of the target, leaving
// out the pixels whose colour is `key`, within the target's clip region. Between two 32-bpp DIB
// sections the pixels are copied here and only their colour bits are compared (TransparentBlt would
// compare the alpha byte too, which GDI+ writes, and let the key through); otherwise TransparentBlt
// does it. False when TransparentBlt fails.
bool KeyedCopy(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, COLORREF key);

// Copies a control's finished picture (its whole window rectangle, from (0, 0) of the source) into the
// back buffer of the form that owns it, at the control's place and with its visible children clipped
// out, leaving out the key colour. The form is named by the control's Kj_FuID (useKjNumber) or
// Hw_FuID; a form's own window, which carries neither, names itself through Hw_lbID. A window that
// names no form is left alone.
void TransparentBlitToControl(HWND control, HDC source, COLORREF key, bool useKjNumber = false);

// Copies the picture of part of a control (the area, in the control's window coordinates, held from
// (0, 0) of the source) into its form's back buffer at that part's place. The form is found as for
// TransparentBlitToControl. The `covered` rectangles (window coordinates) are left as they are.
void BlitAreaToControl(HWND control, HDC source, const RECT& area, bool useKjNumber = false,
                       const std::vector<RECT>& covered = {});

// Copies the control's non-client ring (its window rectangle less the client area, both in window
// coordinates) from its form's back buffer onto the control, as the frame painters last left it.
void BlitRingFromBackBuffer(HWND control, int width, int height, const RECT& client, bool useKjNumber = false);
