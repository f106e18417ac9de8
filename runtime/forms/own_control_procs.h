#pragma once
// Window procedures of the runtime's own classes (own_controls.h), registered together.
#include <windows.h>

#include "runtime/forms/lunar_controls.h"
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

// Left-button click tracking shared by the own classes: a press captures the mouse, and the release
// completes a click when it comes after a press and lands inside the client area, as with buttons.
// Returns true for WM_LBUTTONUP messages that complete a click.
inline bool TrackClick(HWND window, UINT message, LPARAM lParam, bool& pressed)
{
    if (message == WM_LBUTTONDOWN) {
        pressed = true;
        SetCapture(window);
        return false;
    }
    if (message != WM_LBUTTONUP || !pressed)
        return false;
    pressed = false;
    ReleaseCapture();
    RECT client;
    GetClientRect(window, &client);
    const POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    return PtInRect(&client, at) != 0;
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
