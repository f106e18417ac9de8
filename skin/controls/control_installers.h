#pragma once
// The installers of the skinned control families, run over the direct children of a skinned form,
// dialog or container.
#include <windows.h>

// Runs the installers with (formNumber, parent) in their fixed order: push buttons, check boxes and
// radio buttons, edit and combo boxes, track bars, progress bars, list-type controls, up-down
// controls, list headers, toolbars. Each registers the children of its classes in the form's lists
// and subclasses them, and does nothing while g_skinChildControls is off (toolbars excepted).
void RunControlInstallers(int formNumber, HWND parent);
// The same for a skinned dialog or message box, whose static controls are skinned too, after the list
// headers and before the toolbars.
void RunDialogControlInstallers(int formNumber, HWND dialog);
