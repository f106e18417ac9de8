#pragma once
// The class object and the window properties of a custom-drawn control class, apart from the rest of
// the frame (custom_control_frame.h) so that a record can embed a control object.
#include <windows.h>

#include "skin/core/record_numbers_memo.h"

// The window properties of one class: the record's 1-based index and the replaced procedure. Like
// every skin property they stay on the window, so a procedure can still pass WM_NCDESTROY on after
// the detach.
struct CustomControlKeys {
    const char* index;
    const char* previousProc;
    RecordNumberFamily family;  // where the index is remembered
};

// The class object: the window of the last attach, 0 before the first. Its operations return their
// failure value when that window carries no record of the class.
struct CustomControlObject {
    HWND window = nullptr;
    // Does nothing: the control lives until its window goes.
    void Destroy() {}
};
