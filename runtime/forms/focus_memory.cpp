#include "runtime/forms/focus_memory.h"

#include <unordered_map>

namespace forms {
namespace {

// Window -> its control last focused; user-interface thread only.
std::unordered_map<HWND, HWND>& Kept()
{
    static std::unordered_map<HWND, HWND> kept;
    return kept;
}

}  // namespace

void RememberFocus(HWND window)
{
    HWND focus = GetFocus();
    if (focus && IsChild(window, focus))
        Kept()[window] = focus;
    else
        Kept().erase(window);  // the window itself had it: nothing older comes back
}

bool RestoreFocus(HWND window)
{
    auto found = Kept().find(window);
    if (found == Kept().end())
        return false;
    HWND control = found->second;
    if (!IsWindow(control) || !IsChild(window, control) || !IsWindowVisible(control) || !IsWindowEnabled(control))
        return false;
    if (GetFocus() != control)
        SetFocus(control);
    return GetFocus() == control;
}

void ForgetFocus(HWND window)
{
    Kept().erase(window);
}

}  // namespace forms
