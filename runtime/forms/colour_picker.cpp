// Colour picker: a swatch of its colour; a click lets the user choose another one in the system's
// colour dialog and tells the parent when the colour changed.
#include "runtime/forms/own_control_procs.h"
#include "runtime/forms/own_controls.h"

#include <commdlg.h>

namespace forms {
namespace {

struct PickerState {
    COLORREF colour = RGB(0, 0, 0);
    bool pressed = false;
    COLORREF custom[16] = {};
};

PickerState* Picker(HWND window)
{
    return StateOf<PickerState>(window, kColourPickerClass);
}

void Paint(HWND window, PickerState& state)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    DrawEdge(dc, &client, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    HBRUSH swatch = CreateSolidBrush(state.colour);
    FillRect(dc, &client, swatch);
    DeleteObject(swatch);
    EndPaint(window, &paint);
}

// Lets the user pick; true when the colour changed.
bool ChooseNewColour(HWND window, PickerState& state)
{
    CHOOSECOLORA choose = {};
    choose.lStructSize = sizeof choose;
    choose.hwndOwner = GetAncestor(window, GA_ROOT);
    choose.rgbResult = state.colour;
    choose.lpCustColors = state.custom;
    choose.Flags = CC_RGBINIT | CC_FULLOPEN;
    if (!ChooseColorA(&choose) || choose.rgbResult == state.colour)
        return false;
    state.colour = choose.rgbResult;
    InvalidateRect(window, nullptr, TRUE);
    return true;
}

}  // namespace

LRESULT CALLBACK ColourPickerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PickerState* state = reinterpret_cast<PickerState*>(GetWindowLongPtrA(window, 0));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(new PickerState));
        break;
    case WM_PAINT:
        if (state) {
            Paint(window, *state);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (state && TrackClick(window, message, lParam, state->pressed)) {
            NotifyParent(window, kOwnClicked);
            if (IsWindow(window) && ChooseNewColour(window, *state))
                NotifyParent(window, kOwnChanged);
        }
        return 0;
    case WM_NCDESTROY:
        delete state;
        SetWindowLongPtrA(window, 0, 0);
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

COLORREF ColourPickerColour(HWND window)
{
    PickerState* state = Picker(window);
    return state ? state->colour : 0;
}

bool ColourPickerSetColour(HWND window, COLORREF colour)
{
    PickerState* state = Picker(window);
    if (!state)
        return false;
    state->colour = colour & 0xFFFFFF;
    InvalidateRect(window, nullptr, TRUE);
    return true;
}

}  // namespace forms
