#include "skin/controls/control_colour_brushes.h"

#include "skin/controls/control_framework.h"
#include "skin/controls/control_styles.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

void PrepareControlDc(HDC dc, HWND control)
{
    SetTextColor(dc, static_cast<COLORREF>(GetWindowProp(control, kPropKjTextColour)));
    SetBkMode(dc, TRANSPARENT);
}

}  // namespace

HBRUSH VeiledControlBrush(HDC dc, HWND control)
{
    PrepareControlDc(dc, control);
    FreeControlColourObjects(control);
    HBITMAP bitmap = MakeVeiledBackgroundBitmap(control);
    if (!bitmap)
        return nullptr;
    // The text stands out from the background the theme gives the control: white on a dark one.
    SetTextColor(dc, ReadableTextColour(static_cast<COLORREF>(GetWindowProp(control, kPropKjTextColour)),
                                        MeanColourOfBitmap(bitmap)));
    HBRUSH brush = CreatePatternBrush(bitmap);
    KeepControlColourObjects(control, brush, bitmap);
    return brush;
}

namespace {

// The null brush, after the control's previous brush is deleted (its bitmap stays until the next
// pattern brush or the control's end).
HBRUSH HollowBrush(HDC dc, HWND control)
{
    PrepareControlDc(dc, control);
    HGDIOBJ previous = GetWindowPropHandle<HGDIOBJ>(control, kPropKjCtlBrush);
    HGDIOBJ nullBrush = GetStockObject(NULL_BRUSH);
    if (previous && previous != nullBrush)
        DeleteObject(previous);
    SetWindowProp(control, kPropKjCtlBrush, reinterpret_cast<LONG_PTR>(nullBrush));
    return static_cast<HBRUSH>(nullBrush);
}

bool VeilOn()
{
    return g_skinChildControls && g_veilEnabled;
}

}  // namespace

HBRUSH ControlColourBrush(UINT message, HDC dc, HWND control)
{
    switch (message) {
    case WM_CTLCOLOREDIT:
        // The edit field of a combo box is the combo family's.
        if (GetWindowClassName(GetParent(control)) == "ComboBox")
            return nullptr;
        return VeilOn() ? VeiledControlBrush(dc, control) : nullptr;
    case WM_CTLCOLORSTATIC:
        return VeilOn() ? VeiledControlBrush(dc, control) : nullptr;
    case WM_CTLCOLORLISTBOX:
        if (VeilOn() && GetWindowClassName(control) == "ListBox" && !IsOwnerDrawListBox(control))
            return HollowBrush(dc, control);
        return nullptr;
    case WM_CTLCOLORBTN:
        return VeilOn() ? HollowBrush(dc, control) : nullptr;
    default:
        return nullptr;
    }
}

void FreeChildrensColourObjects(HWND window)
{
    HWND child = nullptr;
    while ((child = FindWindowExA(window, child, nullptr, nullptr)) != nullptr)
        FreeControlColourObjects(child);
}
