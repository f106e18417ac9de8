#pragma once
// Child-control notifications a skinned form sees on their way to its own procedure, after which the
// control (or its container) must paint again: its looks have changed behind the skin's back.
#include <windows.h>

// WM_COMMAND from a control (lParam): with the veiled painting on, an edit box that scrolled, is updated
// or changed, a list box whose selection changed or a combo box that lost the focus or changed its
// selection is invalidated; a changed edit box of the form's Edit list also repaints its overlay scroll
// bars. Menu commands (lParam 0) are not looked at.
void RepaintAfterControlCommand(WPARAM wParam, LPARAM lParam);
// WM_NOTIFY: a tree view that expands or collapses is invalidated; a tab control about to change its
// page, or the arrows of a tab control, mark that tab control's container background dirty, but only
// when it is a registered container of the form its properties name.
void RepaintAfterControlNotify(LPARAM lParam);
