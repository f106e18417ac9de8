#pragma once
// Up-down controls ("msctls_updown32"): native clicks, auto-repeat and buddy updates kept, drawn by the
// skin as a white rounded base and two rounded gradient buttons with arrow pictures; the half under
// the mouse lights up in the theme colour and shows a reversed gradient while pressed. UI thread only.
#include <windows.h>

#include <optional>

// Registers the direct "msctls_updown32" children of `parent` not yet listed in form `formNumber`,
// and subclasses them; nothing while g_skinChildControls is off.
void SkinUpDowns(int formNumber, HWND parent);

LRESULT CALLBACK UpDownWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Which half of up-down `listIndex` of form `formNumber` the client point (x in the low word, y in the
// high word, both signed) lies in: 0 the first (top, or left when horizontal), 1 the second. The
// second half starts after the middle pixel. 0 when the numbers name no live up-down.
int HitTestUpDownPart(int formNumber, int listIndex, LPARAM point);

// Paints the whole control onto its window and into the back buffer; what is not given comes from the
// record (hot, pressed, the last press point).
void PaintUpDown(int formNumber, int listIndex, std::optional<bool> hot = std::nullopt,
                 std::optional<bool> pressed = std::nullopt, std::optional<LPARAM> point = std::nullopt);
