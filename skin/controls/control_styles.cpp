#include "skin/controls/control_styles.h"

#include "skin/core/skin_registry.h"

bool IsOwnerDrawListBox(HWND window)
{
    if (GetWindowClassName(window) != "ListBox")
        return false;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    return (style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0;
}
