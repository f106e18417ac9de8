// The navigation bar's attach, window procedure, hot tracking, hover fade, clicks and detach.
#include "skin/custom/nav_bar.h"

#include "skin/controls/control_framework.h"
#include "skin/controls/message_words.h"
#include "skin/core/drawing_core.h"
#include "skin/core/memory_dc.h"
#include "skin/core/mouse_tracking.h"
#include "skin/custom/nav_bar_painting.h"

namespace {

struct MousePoint {
    double x = 0;
    double y = 0;
};

MousePoint PointOf(LPARAM position)
{
    const auto packed = static_cast<uint32_t>(position);
    return MousePoint{static_cast<double>(static_cast<int16_t>(LowWord(packed))),
                      static_cast<double>(HighWord(packed))};
}

constexpr double kEdge = 1e-7;

// Left and right edges lie outside the item, top and bottom inside.
bool ItemContains(const RectF& r, const MousePoint& p)
{
    return p.x - r.x > kEdge && p.x - (r.x + r.width) < -kEdge && p.y - r.y >= -kEdge &&
           p.y - (r.y + r.height) <= kEdge;
}

// The first item whose drop part (right of its divider, top edge excluded) holds the point; 0 none.
int DropPartAt(const NavBarRecord& bar, const MousePoint& p)
{
    for (int i = 1; i <= RecordCount(bar.items); ++i) {
        const RectF& r = bar.itemRects[static_cast<size_t>(i) - 1];
        const double divider = r.x + RecordAt(bar.items, i)->splitOffset;
        if (p.x - divider > kEdge && p.x - (r.x + r.width) < -kEdge && p.y - r.y > kEdge &&
            p.y - (r.y + r.height) <= kEdge)
            return i;
    }
    return 0;
}

UINT_PTR FadeTimerId(HWND window)
{
    return reinterpret_cast<UINT_PTR>(window);
}

// The hot item starts fading out; a fade-out still running ends at once.
void StartFadeOut(HWND window, NavBarRecord& bar)
{
    bar.fadeIn = NavBarFade{};
    if (bar.fadeOut.step < kNavFadeSteps)
        RedrawNavItem(window, bar.fadeOut.item, false);
    bar.fadeOut = NavBarFade{bar.hotItem, 0};
    bar.hotItem = 0;
}

void StepFade(HWND window, NavBarRecord& bar)
{
    if (bar.fadeIn.item > 0 && bar.fadeIn.step < kNavFadeSteps) {
        ++bar.fadeIn.step;
        DrawNavItem(window, bar.fadeIn.item, nullptr, NavItemLook{true, false, 20 * bar.fadeIn.step});
    }
    if (bar.fadeOut.item > 0 && bar.fadeOut.step < kNavFadeSteps) {
        ++bar.fadeOut.step;
        DrawNavItem(window, bar.fadeOut.item, nullptr, NavItemLook{false, false, 160 - 20 * bar.fadeOut.step});
    }
    if (bar.fadeOut.step >= kNavFadeSteps && !bar.mouseInside) {
        bar.fadeIn = NavBarFade{};
        bar.fadeOut = NavBarFade{};
        KillTimer(window, FadeTimerId(window));
    }
}

void OnMouseLeave(HWND window, NavBarRecord& bar)
{
    bar.mouseInside = false;
    bar.fadeIn = NavBarFade{};
    bar.mouseItem = 0;
    if (bar.hotItem > 0)
        StartFadeOut(window, bar);
    bar.hotItem = 0;
}

// Where the pointer is, in the bar's client coordinates; false when it is not over the bar.
bool PointerOverBar(HWND window, POINT& client)
{
    POINT screen = {};
    if (!GetCursorPos(&screen))
        return true;  // nothing known: the leave report decides
    HWND under = WindowFromPoint(screen);
    if (under != window && !IsChild(window, under))
        return false;
    client = screen;
    ScreenToClient(window, &client);
    return true;
}

// Ends the hover look as a leave report does; the fade-out needs the timer even when the hover that
// starts it never came.
void EndHover(HWND window, NavBarRecord& bar)
{
    const bool fading = bar.hotItem > 0 || bar.fadeIn.item > 0;
    OnMouseLeave(window, bar);
    if (fading)
        SetTimer(window, FadeTimerId(window), kNavFadePeriod, nullptr);
}

// After a click callback: the window it opened may have taken the pointer away and closed again
// before the system's leave report was read, or without one. So the pointer is asked where it is:
// away from the bar, the hover look fades out as on a leave; still on it, the hot item follows it and
// the leave report is asked for again.
void FollowPointerAfterCallback(HWND window, NavBarRecord& bar)
{
    POINT client = {};
    if (!PointerOverBar(window, client)) {
        EndHover(window, bar);
        return;
    }
    TrackNavBarHotItem(window, MAKELPARAM(static_cast<WORD>(client.x), static_cast<WORD>(client.y)));
    TrackMouseHoverAndLeave(window);
}

void OnButtonDown(HWND window, NavBarRecord& bar, LPARAM position)
{
    SetCapture(window);
    bar.fadeIn = NavBarFade{};
    bar.mouseItem = HitTestNavItem(window, position);
    bar.pressedItem = bar.mouseItem;
    if (bar.mouseItem > 0)
        DrawNavItem(window, bar.mouseItem, nullptr, NavItemLook{false, true, 0});
    bar.buttonDown = true;
}

// Items the keyboard can be on: shown and enabled.
bool Reachable(const NavBarRecord& bar, int item)
{
    const NavBarItem* record = RecordAt(bar.items, item);
    return record && !record->hidden && !record->disabled;
}

// The reachable item `steps` away from `from` (1 forwards, -1 backwards), round the bar; `from` itself
// when there is no other.
int NeighbourItem(const NavBarRecord& bar, int from, int direction)
{
    const int count = RecordCount(bar.items);
    for (int n = 1; n <= count; ++n) {
        const int item = ((from - 1 + direction * n) % count + count) % count + 1;
        if (Reachable(bar, item))
            return item;
    }
    return from;
}

void MoveKeyboardTo(HWND window, NavBarRecord& bar, int item)
{
    const int before = bar.focusItem;
    bar.focusItem = item;
    if (before != item)
        RedrawNavItem(window, before, before == bar.hotItem);
    RedrawNavItem(window, item, item == bar.hotItem);
}

// The focus comes: the keyboard starts on the current item, else on the first it can reach.
void OnFocus(HWND window, NavBarRecord& bar)
{
    if (!Reachable(bar, bar.focusItem))
        bar.focusItem = Reachable(bar, bar.currentItem) ? bar.currentItem : NeighbourItem(bar, 0, 1);
    RedrawNavItem(window, bar.focusItem, bar.focusItem == bar.hotItem);
}

bool IsActivationKey(WPARAM key)
{
    return key == VK_RETURN || key == VK_SPACE;
}

// The arrow keys move through the items, Home and End go to the ends, Enter and Space open the item
// as a click on it does. False for any other key.
bool OnKey(HWND window, NavBarRecord& bar, WPARAM key)
{
    switch (key) {
    case VK_LEFT:
    case VK_UP:
        MoveKeyboardTo(window, bar, NeighbourItem(bar, bar.focusItem, -1));
        return true;
    case VK_RIGHT:
    case VK_DOWN:
        MoveKeyboardTo(window, bar, NeighbourItem(bar, bar.focusItem, 1));
        return true;
    case VK_HOME:
        MoveKeyboardTo(window, bar, NeighbourItem(bar, 0, 1));
        return true;
    case VK_END:
        MoveKeyboardTo(window, bar, NeighbourItem(bar, RecordCount(bar.items) + 1, -1));
        return true;
    default:
        if (!IsActivationKey(key))
            return false;
        if (Reachable(bar, bar.focusItem))
            ClickNavItem(window, bar.focusItem);
        return true;
    }
}

void ShowPage(const NavBarRecord& bar, int item, int command)
{
    if (const NavBarItem* record = RecordAt(bar.items, item); record && record->pageWindow)
        ShowWindow(record->pageWindow, command);
}

}  // namespace

NavBarRecord* FindNavBar(HWND window)
{
    return FindCustomRecord(g_navBars, window, kNavBarKeys);
}

NavBarRecord* SkinNavBar::Record() const
{
    return FindNavBar(window);
}

int SkinNavBar::Attach(HWND barWindow, int itemWidth, int itemHeight, std::optional<COLORREF> captionColour,
                       std::optional<COLORREF> backColour, std::optional<int> backAlpha,
                       std::optional<bool> pageMode, std::optional<int> vertical)
{
    const int index =
        AttachCustomControl(g_navBars, barWindow, kNavBarKeys, NavBarWindowProcEntry, [&](NavBarRecord& bar) {
            bar.toolTip.Create(barWindow);
            bar.fontName = "宋体";
            bar.fontSize = 12;
            bar.itemWidth = itemWidth;
            bar.itemHeight = itemHeight;
            bar.vertical = vertical.value_or(0);
            bar.captionColour = captionColour.value_or(0);
            bar.backColour = backColour.value_or(0);
            bar.backAlpha = backAlpha.value_or(255);
            bar.pageMode = pageMode.value_or(false);
            bar.dropWidth = 13;
            // The bar goes to the top of its siblings' order, and the keyboard reaches it by Tab.
            SetWindowPos(barWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
            SetWindowLongPtrA(barWindow, GWL_STYLE, GetWindowLongPtrA(barWindow, GWL_STYLE) | WS_TABSTOP);
        });
    if (index > 0)
        window = barWindow;
    return index;
}

int SkinNavBar::SetClickCallback(SkinCallback handler) const
{
    NavBarRecord* bar = Record();
    if (!bar)
        return 0;
    bar->clickCallback = handler;
    return 1;
}

int SkinNavBar::SetSecondCallback(SkinCallback handler) const
{
    NavBarRecord* bar = Record();
    if (!bar)
        return 0;
    bar->secondCallback = handler;
    return 1;
}

int SkinNavBar::Refresh() const
{
    return InvalidateNavBar(window);
}

int InvalidateNavBar(HWND window)
{
    NavBarRecord* bar = FindNavBar(window);
    if (!bar)
        return 0;
    bar->dirty = true;
    InvalidateRect(window, nullptr, FALSE);
    return 1;
}

int HitTestNavItem(HWND window, LPARAM position)
{
    const NavBarRecord* bar = FindNavBar(window);
    if (!bar)
        return 0;
    const MousePoint p = PointOf(position);
    for (int i = 1; i <= RecordCount(bar->items); ++i) {
        if (ItemContains(bar->itemRects[static_cast<size_t>(i) - 1], p))
            return RecordAt(bar->items, i)->disabled ? 0 : i;
    }
    return 0;
}

int TrackNavBarHotItem(HWND window, LPARAM position)
{
    NavBarRecord* bar = FindNavBar(window);
    if (!bar)
        return 0;
    bar->mouseItem = HitTestNavItem(window, position);
    if (bar->mouseItem < 1) {
        if (bar->hotItem >= 1)
            StartFadeOut(window, *bar);
    } else if (bar->hotItem != bar->mouseItem) {
        if (bar->hotItem > 0)
            StartFadeOut(window, *bar);
        bar->hotItem = bar->mouseItem;
        bar->fadeIn = NavBarFade{bar->mouseItem, 0};
    }
    return 1;
}

int HandleNavItemClick(HWND window, LPARAM position)
{
    const NavBarRecord* bar = FindNavBar(window);
    if (!bar)
        return 0;
    const int hit = HitTestNavItem(window, position);
    const NavBarItem* item = RecordAt(bar->items, hit);
    if (!item || item->disabled)
        return 1;
    return ClickNavItem(window, hit, item->hasDropPart ? DropPartAt(*bar, PointOf(position)) : 0);
}

int ClickNavItem(HWND window, int hit, int drop)
{
    NavBarRecord* bar = FindNavBar(window);
    if (!bar)
        return 0;
    NavBarItem* item = RecordAt(bar->items, hit);
    if (!item || item->disabled)
        return 1;
    const bool wasChecked = item->checked;
    const int current = bar->currentItem;
    // A window button of a page-mode bar is no page button: pages and checks stay as they are.
    const bool pageButton = bar->pageMode && !item->keepsPage;

    if (pageButton) {
        bar->selectedItem = hit;
        if (drop == 0) {
            for (const auto& other : bar->items)
                other->checked = false;
            item->checked = true;
            if (current > 0 && current != hit) {
                RedrawNavItem(window, current, false);
                ShowPage(*bar, current, SW_HIDE);
            }
        }
    } else if (!bar->pageMode && drop == 0 && item->toggle) {
        item->checked = !item->checked;
    }

    if (drop == 0) {
        bar->hotItem = hit;
        if (pageButton || (item->toggle && item->checked))
            RedrawNavItem(window, hit, true);
        else
            bar->fadeIn = NavBarFade{hit, 0};
        if (pageButton && current != hit)
            ShowPage(*bar, hit, SW_SHOWNA);
    }

    const bool reported = !bar->pageMode || item->opensWindow || (current != hit && !wasChecked);
    bool called = false;
    if (bar->clickCallback && drop == 0 && reported) {
        bar = InvokeControlCallback(bar->clickCallback, {hit}, g_navBars, window, kNavBarKeys);
        if (!bar)
            return 0;
        called = true;
    }
    if (bar->secondCallback && drop > 0) {
        bar = InvokeControlCallback(bar->secondCallback, {drop}, g_navBars, window, kNavBarKeys);
        if (!bar)
            return 0;
        called = true;
    }
    if (called)
        FollowPointerAfterCallback(window, *bar);
    if (drop == 0 && hit <= RecordCount(bar->items) && !(bar->pageMode && RecordAt(bar->items, hit)->keepsPage))
        bar->currentItem = hit;
    return 1;
}

int BlitNavBarMemoryDC(HWND window, HDC dc)
{
    const NavBarRecord* bar = FindNavBar(window);
    if (!bar || !bar->memoryDC)
        return 0;
    RECT client = {};
    GetClientRect(window, &client);
    if (dc) {
        ExcludeChildrenFromClip(window, dc);
        BitBlt(dc, 0, 0, client.right, client.bottom, bar->memoryDC, 0, 0, SRCCOPY);
        return 1;
    }
    HDC windowDc = GetDC(window);
    BitBlt(windowDc, 0, 0, client.right, client.bottom, bar->memoryDC, 0, 0, SRCCOPY);
    ReleaseDC(window, windowDc);
    BlitToControl(window, bar->memoryDC);
    return 1;
}

int DetachNavBar(HWND window)
{
    return DetachCustomControl(g_navBars, window, kNavBarKeys, false, [](NavBarRecord& bar) {
        ReleaseMemoryDC(bar.memoryDC);
        bar.memoryDC = nullptr;
        bar.toolTip.DestroyTipWindow();
        bar.toolTip.Destroy();
    }) ? 1 : 0;
}

LRESULT CALLBACK NavBarWindowProcEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return NavBarWindowProc(window, message, wParam, lParam);
}

LRESULT NavBarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    NavBarRecord* bar = FindNavBar(window);
    if (!bar)
        return CallPreviousProc(window, kNavBarKeys, message, wParam, lParam);
    // Kept here: a handler may detach the control (its record goes, its properties stay).
    const WNDPROC previous = bar->oldWndProc;
    bar->toolTip.RelayMouseMessage(message, wParam, lParam);
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        bar->dirty = true;
        InvalidateRect(window, nullptr, FALSE);
        LayoutNavBarPages(window);
        break;
    case WM_SIZE:
        bar->dirty = true;
        break;
    case WM_NCDESTROY:
        KillTimer(window, FadeTimerId(window));
        ReleaseMemoryDC(bar->memoryDC);
        bar->memoryDC = nullptr;
        DetachNavBar(window);
        break;
    case WM_ERASEBKGND:
        return EraseTransparently(wParam);
    case WM_PAINT:
        return RunPaintCycle(window, wParam, lParam, [window](HDC dc) {
            const NavBarRecord* painted = FindNavBar(window);
            if (painted && painted->dirty)
                PaintNavBar(window, dc);
            else
                BlitNavBarMemoryDC(window);
        });
    case WM_MOUSEMOVE:
        TrackNavBarHotItem(window, lParam);
        if (!bar->mouseInside)
            TrackMouseHoverAndLeave(window);
        break;
    case WM_MOUSEHOVER:
        bar->mouseInside = true;
        SetTimer(window, FadeTimerId(window), kNavFadePeriod, nullptr);
        break;
    case WM_MOUSELEAVE:
        OnMouseLeave(window, *bar);
        break;
    case WM_TIMER:
        if (wParam == FadeTimerId(window)) {
            // A leave report can go missing (the pointer left while a window over the bar went away):
            // while the hover look shows, each step also asks where the pointer is.
            POINT client = {};
            if (bar->mouseInside && !PointerOverBar(window, client))
                EndHover(window, *bar);
            StepFade(window, *bar);
        }
        break;
    case WM_LBUTTONDOWN:
        OnButtonDown(window, *bar, lParam);
        break;
    case WM_LBUTTONUP:
        ReleaseCapture();
        if ((bar = FindNavBar(window)) != nullptr && bar->buttonDown) {
            // A press released over another item (or off the items) clicks nothing.
            const int pressed = bar->pressedItem;
            bar->pressedItem = 0;
            if (pressed > 0 && HitTestNavItem(window, lParam) == pressed) {
                HandleNavItemClick(window, lParam);
                // The click's callbacks may have destroyed the bar.
                if (!IsWindow(window))
                    return 0;
            } else if (pressed > 0) {
                RedrawNavItem(window, pressed, pressed == bar->hotItem);
            }
            if ((bar = FindNavBar(window)) != nullptr)
                bar->buttonDown = false;
        }
        break;
    case WM_GETDLGCODE:
        // Arrows always; Enter too, which the dialog keys would otherwise give to the default button.
        if (const auto* pending = reinterpret_cast<const MSG*>(lParam);
            pending && pending->message == WM_KEYDOWN && IsActivationKey(pending->wParam))
            return DLGC_WANTARROWS | DLGC_WANTMESSAGE;
        return DLGC_WANTARROWS;
    case WM_SETFOCUS:
        OnFocus(window, *bar);
        break;
    case WM_KILLFOCUS:
        RedrawNavItem(window, bar->focusItem, bar->focusItem == bar->hotItem);
        break;
    case WM_KEYDOWN:
        if (OnKey(window, *bar, wParam))
            return 0;
        break;
    default:
        break;
    }
    return CallRecordedProc(previous, window, message, wParam, lParam);
}
