#include "skin/core/window_rects.h"

#include <commctrl.h>

#include "skin/core/skin_registry.h"

namespace {

RECT WindowRectOf(HWND window)
{
    RECT r = {};
    if (window && !GetWindowRect(window, &r))
        r = RECT{};
    return r;
}

RECT ClientRectOf(HWND window)
{
    RECT r = {};
    if (window && !GetClientRect(window, &r))
        r = RECT{};
    return r;
}

RECT Shifted(RECT r, int dx, int dy)
{
    return RECT{r.left - dx, r.top - dy, r.right - dx, r.bottom - dy};
}

HWND OwningFormWindow(HWND window)
{
    const SkinFormRecord* form = SkinFormAt(FindOwningSkinnedWindow(window));
    return form ? form->hwnd : nullptr;
}

int FloorHalf(int value)
{
    return value >= 0 ? value / 2 : -((-value + 1) / 2);
}

}  // namespace

RECT GetRectRelativeTo(HWND reference, HWND window)
{
    RECT origin = WindowRectOf(reference);
    return Shifted(WindowRectOf(window), origin.left, origin.top);
}

RECT GetRectInSkinnedWindow(HWND window)
{
    return GetRectRelativeTo(OwningFormWindow(window), window);
}

RECT GetRectInCustomContainer(HWND window)
{
    if (FindSkinnedWindow(window))
        return RECT{};
    HWND form = OwningFormWindow(window);
    HWND ancestor = window;
    do {
        ancestor = GetParent(ancestor);
    } while (ancestor && ancestor != form);
    return GetRectRelativeTo(ancestor, window);
}

RECT GetWindowRectInParent(HWND window)
{
    if (FindSkinnedWindow(window))
        return RECT{};
    return GetRectRelativeTo(GetParent(window), window);
}

RECT GetRectInAncestorClient(HWND window)
{
    if (FindSkinnedWindow(window))
        return RECT{};
    HWND parent = GetAncestor(window, GA_PARENT);
    RECT client = ClientRectOf(parent);
    POINT origin = {0, 0};
    if (parent)
        ClientToScreen(parent, &origin);
    OffsetRect(&client, origin.x, origin.y);
    return Shifted(WindowRectOf(window), client.left, client.top);
}

RECT GetNonClientOffsets(HWND window)
{
    RECT win = WindowRectOf(window);
    RECT client = ClientRectOf(window);
    SCROLLBARINFO horizontal = {};
    horizontal.cbSize = sizeof(horizontal);
    SCROLLBARINFO vertical = {};
    vertical.cbSize = sizeof(vertical);
    if (!GetScrollBarInfo(window, OBJID_HSCROLL, &horizontal))
        horizontal.rcScrollBar = RECT{};
    if (!GetScrollBarInfo(window, OBJID_VSCROLL, &vertical))
        vertical.rcScrollBar = RECT{};
    LONG style = GetWindowLongA(window, GWL_STYLE);

    int innerWidth = client.right - client.left;
    int innerHeight = client.bottom - client.top;
    if (style & WS_VSCROLL)
        innerWidth += vertical.rcScrollBar.right - vertical.rcScrollBar.left;
    if (style & WS_HSCROLL)
        innerHeight += horizontal.rcScrollBar.bottom - horizontal.rcScrollBar.top;
    int left = FloorHalf((win.right - win.left) - innerWidth);
    int top = FloorHalf((win.bottom - win.top) - innerHeight);
    return RECT{left, top, left + innerWidth, top + innerHeight};
}

RECT GetEditNonClientOffsets(HWND window)
{
    constexpr int kScrollBarSize = 17;
    RECT win = WindowRectOf(window);
    RECT client = ClientRectOf(window);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    int clientWidth = client.right - client.left;
    int clientHeight = client.bottom - client.top;
    int left = FloorHalf((win.right - win.left) - clientWidth - ((style & WS_VSCROLL) ? kScrollBarSize : 0));
    int top = FloorHalf((win.bottom - win.top) - clientHeight - ((style & WS_HSCROLL) ? kScrollBarSize : 0));
    return RECT{left, top, left + clientWidth, top + clientHeight};
}

RECT GetClientRectInWindow(HWND window)
{
    RECT form = WindowRectOf(OwningFormWindow(window));
    RECT r = WindowRectOf(window);
    RECT inner = GetNonClientOffsets(window);
    return RECT{r.left - form.left + inner.left, r.top - form.top + inner.top, r.right - form.left - inner.left,
                r.bottom - form.top - inner.top};
}

RECT GetTabPageRect(HWND tabControl)
{
    RECT client = ClientRectOf(tabControl);
    int rows = static_cast<int>(SendMessageA(tabControl, TCM_GETROWCOUNT, 0, 0));
    RECT item = {};
    if (!SendMessageA(tabControl, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)))
        item = RECT{};
    LONG style = GetWindowLongA(tabControl, GWL_STYLE);
    int itemWidth = item.right - item.left;
    int itemHeight = item.bottom - item.top;

    if ((style & TCS_VERTICAL) && (style & TCS_RIGHT))
        return RECT{0, 0, client.right - itemWidth * rows - 1, client.bottom};
    if (style & TCS_BOTTOM)
        return RECT{0, 0, client.right, client.bottom - itemHeight * rows - 1};
    if (style & TCS_VERTICAL)
        return RECT{itemWidth * rows + 1, 0, client.right, client.bottom};
    return RECT{0, itemHeight * rows + 1, client.right, client.bottom};
}

bool SetRoundRegion(HWND window, int corner)
{
    RECT r = {};
    GetWindowRect(window, &r);
    return SetRoundRegion(window, corner, r.right - r.left, r.bottom - r.top);
}

bool SetRoundRegion(HWND window, int corner, int width, int height)
{
    HRGN region = CreateRoundRectRgn(0, 0, width + 1, height + 1, corner, corner);
    if (region && SetWindowRgn(window, region, TRUE))
        return true;
    if (region)
        DeleteObject(region);
    return false;
}
