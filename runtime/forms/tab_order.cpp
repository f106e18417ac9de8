#include "runtime/forms/tab_order.h"

#include <commctrl.h>

#include <algorithm>

namespace forms {
namespace {

LONG_PTR StyleOf(HWND window)
{
    return GetWindowLongPtrA(window, GWL_STYLE);
}

bool Usable(HWND window)
{
    return IsWindowVisible(window) && IsWindowEnabled(window);
}

bool HoldsControls(HWND window)
{
    return (GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_CONTROLPARENT) != 0;
}

bool IsTabControlWithTabs(HWND window)
{
    char name[32] = {};
    GetClassNameA(window, name, sizeof name);
    return lstrcmpiA(name, WC_TABCONTROLA) == 0 && SendMessageA(window, TCM_GETITEMCOUNT, 0, 0) > 0;
}

struct Walked {
    HWND window;
    bool stop;
};

// Appends the usable windows below `parent` in walking order; true when one of them is a stop.
bool Walk(HWND parent, std::vector<Walked>& order)
{
    bool anyStop = false;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const LONG_PTR style = StyleOf(child);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            continue;
        const size_t at = order.size();
        order.push_back({child, false});
        const bool inner = HoldsControls(child) && Walk(child, order);
        bool stop;
        if (IsRadioButton(child))
            stop = RadioGroupStop(child) == child;
        else
            stop = (style & WS_TABSTOP) && (!inner || IsTabControlWithTabs(child));
        order[at].stop = stop;
        anyStop = anyStop || stop || inner;
    }
    return anyStop;
}

}  // namespace

bool IsRadioButton(HWND window)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (lstrcmpiA(name, "Button") != 0)
        return false;
    const LONG_PTR type = StyleOf(window) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

std::vector<HWND> RadioGroupOf(HWND radio)
{
    std::vector<HWND> group;
    if (!radio || !IsRadioButton(radio))
        return group;
    HWND first = radio;
    while (!(StyleOf(first) & WS_GROUP)) {
        HWND previous = GetWindow(first, GW_HWNDPREV);
        if (!previous)
            break;
        first = previous;
    }
    for (HWND w = first; w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w != first && (StyleOf(w) & WS_GROUP))
            break;
        if (IsRadioButton(w))
            group.push_back(w);
    }
    return group;
}

HWND RadioGroupStop(HWND radio)
{
    const std::vector<HWND> group = RadioGroupOf(radio);
    for (HWND member : group)
        if (Usable(member) && SendMessageA(member, BM_GETCHECK, 0, 0) == BST_CHECKED)
            return member;
    for (HWND member : group)
        if (Usable(member))
            return member;
    return nullptr;
}

HWND NextTabStop(HWND root, HWND from, bool backwards)
{
    std::vector<Walked> order;
    Walk(root, order);
    if (order.empty())
        return nullptr;
    const int count = static_cast<int>(order.size());
    // Where `from` stands: itself, or the nearest of its ancestors that was walked (the edit field of a
    // combo box stands where its combo box does). Outside the walk the search starts at an end.
    int at = backwards ? count : -1;
    for (HWND w = from; w && w != root; w = GetParent(w)) {
        auto found = std::find_if(order.begin(), order.end(), [w](const Walked& o) { return o.window == w; });
        if (found != order.end()) {
            at = static_cast<int>(found - order.begin());
            break;
        }
    }
    const int step = backwards ? -1 : 1;
    for (int n = 1; n <= count; ++n) {
        const int i = ((at + step * n) % count + count) % count;
        if (order[static_cast<size_t>(i)].stop)
            return order[static_cast<size_t>(i)].window == from ? nullptr : order[static_cast<size_t>(i)].window;
    }
    return nullptr;
}

}  // namespace forms
