#pragma once
// Colour-keyed copies of finished control pictures: the pixels of the key colour are left out, so what
// lies beneath (a native child window, the form's back buffer) shows through them.
#include <windows.h>

// TransparentBlt of width x height pixels from (sourceX, sourceY) of the source to (x, y) of the
// target, leaving out the pixels whose colour is `key`; the target's clip is kept. Between two 32-bpp
// DIB sections TransparentBlt also compares the alpha byte, which GDI+ writes, so there the copied
// part of the source first gets alpha 0 (no skin picture uses the alpha of a finished picture) and the
// colour bits alone decide. False when TransparentBlt fails.
bool KeyedCopy(HDC target, int x, int y, int width, int height, HDC source, int sourceX, int sourceY, COLORREF key);

// Copies a control's finished picture (its whole window rectangle, from (0, 0) of the source) into the
// back buffer of the form that owns it, at the control's place and with its visible children clipped
// out, leaving out the key colour. The form is named by the control's Kj_FuID (useKjNumber) or
// Hw_FuID; a form's own window, which carries neither, names itself through Hw_lbID. A window that
// names no form is left alone.
void TransparentBlitToControl(HWND control, HDC source, COLORREF key, bool useKjNumber = false);
