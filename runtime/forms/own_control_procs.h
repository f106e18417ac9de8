#pragma once
// Window procedures of the runtime's own classes (own_controls.h), registered together.
#include <windows.h>

#include "runtime/forms/own_controls.h"

namespace forms {

LRESULT CALLBACK DrawPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK ColourPickerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK HyperlinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Tells the parent about a click or a change, as standard controls do with WM_COMMAND.
inline void NotifyParent(HWND window, WORD code)
{
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), code),
                 reinterpret_cast<LPARAM>(window));
}

// Per-window state records live in the first extra window bytes of windows of the given class.
template <typename State>
State* StateOf(HWND window, const char* className)
{
    char name[32] = {};
    if (!window || !GetClassNameA(window, name, sizeof name) || lstrcmpiA(name, className) != 0)
        return nullptr;
    return reinterpret_cast<State*>(GetWindowLongPtrA(window, 0));
}

}  // namespace forms
