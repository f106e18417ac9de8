#pragma once
// The painted frame of skinned dialogs: the whole window is drawn into the dialog's frame picture
// (frameDc, window-sized: base colour, skin picture, veils, caption sheen, double rounded border, the
// program icon, the title with a glow and the close button) and copied onto the window around its
// visible child controls.
#include <windows.h>

#include <string>

#include "gdiplus/gdip_types.h"
#include "skin/core/drawing_primitives.h"

class GdipGraphics;

// Paints the whole dialog afresh; nothing for a window that is no skinned dialog.
void PaintDialogFrame(HWND dialog);
// Paints caption button `button` of dialog `formNumber`. Given a graphics (the full repaint), only the
// button's picture is drawn into it. Otherwise the button is drawn into the frame picture, hot (a red
// rounded face) or normal (the frame's background layers), and copied onto the window.
void PaintDialogCloseButton(int formNumber, int button, GdipGraphics* graphics, bool hot);
// The window's whole-window context with the rectangle of every visible direct child excluded from its
// clip; the caller releases it with ReleaseDC.
HDC ExcludeVisibleChildrenFromWindowDc(HWND window);
