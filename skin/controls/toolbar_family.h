#pragma once
// Toolbars and controls handed to the skin (Kj controls): they keep their own input handling and are
// repainted so that their background shows the skin. A toolbar is drawn whole by the skin (rounded
// state looks, etched separators, its image-list icons, greyed when disabled, dropdown arrows and
// text); month calendars, tab controls, status bars, buttons and track bars paint themselves over
// what lies behind them with one key colour left out; any other class paints on the screen and is
// read back over the background. Every finished picture goes into the form's back buffer, so a
// toolbar that has not changed repaints by copying it back. Kj controls carry Kj_lbID, Kj_FuID and
// Kj_hProc. UI thread only.
#include <windows.h>

#include <optional>

// Registers the direct "ToolbarWindow32" children of `parent` that are not Kj controls yet (their
// image list goes into Kj_wtjb). Runs whatever g_skinChildControls says; the form number is not used
// (each toolbar's own form is found).
void SkinToolbars(int formNumber, HWND parent);

// Registers the control in the Kj list of the skinned form that owns it and subclasses it with
// KjControlWndProc: colour key `colourKey` (default GetSysColor(COLOR_BTNFACE) now), font from the
// control (宋体 12 by default), and a toolbar's repaint flag set. A control with a child window also
// becomes a container that leaves its own painting to it (paint flag 0), with the fill given (0 and 0
// when left out). Returns the Kj index; 0 when nothing was done: no skinned form owns the control, it
// is a Kj control already (subclassing it twice would make it call itself), or the skin holds it
// already under its Hw_ properties (HoldsHwProperties: an installer skinned it, or it is a container):
// it keeps the one record and the one procedure it has.
int SkinKjControl(HWND control, std::optional<COLORREF> colourKey = std::nullopt, COLORREF fillColour = 0,
                  int fillAlpha = 0);

LRESULT CALLBACK KjControlWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws every button of the toolbar over what lies behind it, into the back buffer and onto the
// toolbar's own DC (children clipped out), and clears its repaint flag. Nothing for a toolbar that is
// no Kj control.
void PaintToolbar(HWND toolbar);
// Draws button `index` (from 0) of the toolbar into the memory context.
void PaintToolbarButtons(HWND toolbar, int index, HDC memoryDc, bool hot = false);
// Draws the grey version of the icon at (x, y): every coloured pixel becomes its grey (a reddish grey
// for an indeterminate button, TBSTATE_INDETERMINATE in `state`); black, white and greys are left out.
void DrawIconTinted(HDC dc, int x, int y, HICON icon, int state);
