#include "skin/core/form_window_proc.h"

#include "skin/core/form_release.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

LRESULT CallPrevious(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC previous = GetWindowPropHandle<WNDPROC>(window, kPropHwProc);
    return CallWindowProcA(previous ? previous : DefWindowProcA, window, message, wParam, lParam);
}

// The hover-fade timer of a form has the form's window handle as its id.
UINT_PTR HoverTimerId(HWND window)
{
    return reinterpret_cast<UINT_PTR>(window);
}

}  // namespace

LRESULT CALLBACK SkinFormWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const int n = GetWindowPropNumber(window, kPropHwListIndex);
    SkinFormRecord* form = SkinFormAt(n);
    if (!form || form->hwnd != window)
        return CallPrevious(window, message, wParam, lParam);

    switch (message) {
    case WM_NCDESTROY: {
        KillTimer(window, HoverTimerId(window));
        // The release gives the window its own procedure back and frees the record; the message goes on
        // to that procedure.
        WNDPROC previous = ReleaseSkinnedForm(window);
        return CallWindowProcA(previous ? previous : DefWindowProcA, window, message, wParam, lParam);
    }
    default:
        return CallPrevious(window, message, wParam, lParam);
    }
}
