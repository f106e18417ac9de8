#pragma once
// The control that had the focus when a window was deactivated, given the focus again when the window
// is activated: after a message box or another window closes, the keyboard goes on where it was, as in
// dialog boxes, rather than on the window itself.
#include <windows.h>

namespace forms {

// From the window's deactivation: keeps the focused control when it lies inside the window (and
// forgets the one kept before otherwise).
void RememberFocus(HWND window);
// From the window's activation or focus: focuses the kept control; false when there is none or it can
// no longer take the focus (gone, hidden, disabled).
bool RestoreFocus(HWND window);
// From the window's destruction.
void ForgetFocus(HWND window);

}  // namespace forms
