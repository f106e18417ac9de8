#include "skin/controls/control_styles.h"

#include "skin/core/skin_registry.h"

namespace {

bool StyleHas(HWND window, LONG_PTR bits)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    return (style | bits) == style;
}

}  // namespace

bool IsOwnerDrawListBox(HWND window)
{
    if (GetWindowClassName(window) != "ListBox")
        return false;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}

bool HasVerticalScrollStyle(HWND window)
{
    return StyleHas(window, WS_VSCROLL);
}

bool HasHorizontalScrollStyle(HWND window)
{
    return StyleHas(window, WS_HSCROLL);
}

bool HasAnyScrollStyle(HWND window)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    return (style & (WS_VSCROLL | WS_HSCROLL)) != 0;
}

bool IsVisibleStyle(HWND window)
{
    return StyleHas(window, WS_VISIBLE);
}

int GetBorderKind(HWND window)
{
    if (StyleHas(window, WS_BORDER))
        return kBorderLine;
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    if (exStyle & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME))
        return kBorderEdge;
    return kBorderNone;
}
