#pragma once
// Labels and picture boxes are static controls, which take their background from their parent at
// every paint (WM_CTLCOLORSTATIC). A skinned parent answers with what lies behind the control, so a
// label's own back colour would never show; and a picture box without a picture paints nothing at
// all, keeping whatever was on the screen before. These paints fill the whole control first.
#include <windows.h>

namespace forms {

class Unit;

// True when the unit paints itself here: a label (not a transparent one) with its own back colour,
// or a picture box without a picture.
bool PaintsOwnBackground(const Unit& unit);
// WM_PAINT of such a unit, on the DC in wParam when one is given (a painter of the skin drawing the
// control into its own memory), else between BeginPaint and EndPaint.
void PaintOwnBackground(Unit& unit, HWND window, WPARAM wParam);

}  // namespace forms
