#pragma once
// Lookups in a form's container list (SkinContainerRecord, control_records.h).
#include <windows.h>

// True when the window is a registered container of form `formNumber`; false too when the number
// names no form.
bool IsContainer(int formNumber, HWND window);
