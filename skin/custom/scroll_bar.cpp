// The scroll bar's creation, window procedure, scroll actions, hit test, hover and detach, and the
// methods a host feeds it through.
#include "skin/custom/scroll_bar.h"

#include <algorithm>
#include <cmath>

#include "skin/controls/control_framework.h"
#include "skin/controls/message_words.h"
#include "skin/core/memory_dc.h"
#include "skin/custom/custom_control_frame.h"
#include "skin/custom/custom_control_records.h"

namespace {

int MouseX(LPARAM lParam)
{
    return static_cast<int16_t>(LowWord(static_cast<uint32_t>(lParam)));
}

int MouseY(LPARAM lParam)
{
    return HighWord(static_cast<uint32_t>(lParam));
}

bool Contains(const RectF& r, int x, int y)
{
    return r.x <= x && x <= r.x + r.width && r.y <= y && y <= r.y + r.height;
}

RECT Truncated(const RectF& r)
{
    return RECT{static_cast<LONG>(r.x), static_cast<LONG>(r.y), static_cast<LONG>(r.x + r.width),
                static_cast<LONG>(r.y + r.height)};
}

int CreateBar(SkinScrollBar& object, HWND window, int mode, const ScrollBarOptions& options)
{
    // Only a stand-alone bar belongs to a form itself; a host keeps the form number it had.
    const LONG_PTR hostFormNumber = GetWindowProp(window, kPropHwFormNumber);
    const int index = AttachCustomControl(
        g_scrollBars, window, kScrollBarKeys, ScrollBarWindowProcThunk, [&](ScrollBarRecord& bar) {
            if (mode != kScrollBarStandAlone)
                SetWindowProp(window, kPropHwFormNumber, hostFormNumber);
            bar.minimum = options.minimum.value_or(1);
            bar.maximum = options.maximum.value_or(100);
            bar.step = options.step.value_or(1);
            bar.page = options.page.value_or(10);
            bar.position = options.position.value_or(1);
            bar.backColour = options.backColour.value_or(GetSysColor(COLOR_BTNFACE));
            bar.backAlpha = options.backAlpha.value_or(0);
            bar.mode = mode;
            bar.thumbRect.height = kScrollThumbLength;
            LayoutScrollBar(window);
            ComputeScrollThumb(window);
            bar.dirty = true;
            SetTimer(window, kScrollRepeatTimer, kScrollRepeatPeriod, nullptr);
        });
    if (index > 0)
        object.window = window;
    return index;
}

void ClampPosition(ScrollBarRecord& bar)
{
    bar.position = std::min(std::max(bar.position, bar.minimum), bar.maximum);
}

// The thumb follows the mouse within its run; the position follows the thumb. A thumb that fills its
// whole run has nowhere to go.
void DragThumb(ScrollBarRecord& bar, LPARAM mouse)
{
    const int travel = static_cast<int>(bar.barRect.height - kScrollThumbLength - bar.thumbRect.height);
    if (travel <= 0)
        return;
    const double ratio = static_cast<double>(bar.maximum - bar.minimum + 1) / travel;
    const int y = MouseY(mouse);
    bar.thumbRect.y += static_cast<float>(y - bar.dragOriginY);
    const float lowest = bar.barRect.height - bar.thumbRect.height;
    if (bar.mode == kScrollBarStandAlone) {
        bar.thumbRect.y = std::min(std::max(bar.thumbRect.y, 15.0f), lowest - 15);
        bar.position = static_cast<int>((bar.thumbRect.y - 15) * ratio);
    } else if (bar.mode == kScrollBarEmbedded) {
        bar.thumbRect.y = std::min(std::max(bar.thumbRect.y, 16.0f), lowest - 13);
        bar.position = static_cast<int>((bar.thumbRect.y - 16) * ratio);
    }
    ClampPosition(bar);
    bar.dragOriginY = y;
}

}  // namespace

ScrollBarRecord* SkinScrollBar::Record() const
{
    return FindScrollBar(window);
}

int SkinScrollBar::Create(HWND barWindow, std::optional<bool> standAlone, const ScrollBarOptions& options)
{
    return CreateBar(*this, barWindow, standAlone.value_or(false) ? kScrollBarStandAlone : kScrollBarEmbedded,
                     options);
}

int SkinScrollBar::CreateDetached(HWND barWindow, const ScrollBarOptions& options)
{
    return CreateBar(*this, barWindow, kScrollBarDetached, options);
}

bool SkinScrollBar::SetTargetDC(HDC dc) const
{
    ScrollBarRecord* bar = Record();
    if (!bar)
        return false;
    bar->targetDC = dc;
    return Refresh();
}

bool SkinScrollBar::Refresh() const
{
    ScrollBarRecord* bar = Record();
    if (!bar)
        return false;
    LayoutScrollBar(window);
    bar->dirty = true;
    if (bar->mode == kScrollBarStandAlone)
        InvalidateRect(window, nullptr, FALSE);
    else if (bar->mode == kScrollBarEmbedded)
        PaintScrollBar(window);
    return true;
}

int SkinScrollBar::Position(std::optional<int> position) const
{
    ScrollBarRecord* bar = Record();
    if (!bar)
        return 0;
    if (position) {
        bar->position = *position;
        ComputeScrollThumb(window);
        Refresh();
        if (!(bar = Record()))
            return 0;
    }
    return bar->position;
}

bool SkinScrollBar::SetRange(std::optional<int> minimum, std::optional<int> maximum, std::optional<int> step,
                             std::optional<int> page, std::optional<int> position) const
{
    ScrollBarRecord* bar = Record();
    if (!bar)
        return false;
    bar->minimum = minimum.value_or(bar->minimum);
    bar->maximum = maximum.value_or(bar->maximum);
    bar->step = step.value_or(bar->step);
    bar->page = page.value_or(bar->page);
    bar->position = position.value_or(bar->position);
    return true;
}

ScrollPartRects SkinScrollBar::GetPartRects() const
{
    const ScrollBarRecord* bar = Record();
    if (!bar)
        return ScrollPartRects();
    return ScrollPartRects{Truncated(bar->barRect), Truncated(bar->upRect), Truncated(bar->downRect),
                           Truncated(bar->thumbRect)};
}

int SkinScrollBar::HitTest(int x, int y) const
{
    return Record() ? HitTestScrollPart(window, x, y) : kScrollHitNone;
}

bool SkinScrollBar::SetScrollCallback(SkinCallback handler) const
{
    ScrollBarRecord* bar = Record();
    if (!bar)
        return false;
    bar->scrollCallback = handler;
    return true;
}

bool SkinScrollBar::SetThumbLength(int length) const
{
    ScrollBarRecord* bar = Record();
    if (!bar)
        return false;
    bar->thumbRect.height = static_cast<float>(length);
    return true;
}

bool SkinScrollBar::SetBarLength(int length) const
{
    ScrollBarRecord* bar = Record();
    if (!bar)
        return false;
    bar->barRect.height = static_cast<float>(length);
    return true;
}

void ApplyScrollAction(HWND window, LPARAM argument, int action)
{
    ScrollBarRecord* bar = FindScrollBar(window);
    if (!bar)
        return;
    switch (action) {
    case kScrollDrag:
        DragThumb(*bar, argument);
        break;
    case kScrollStepUp:
        bar->position = std::max(bar->position - bar->step, bar->minimum);
        break;
    case kScrollStepDown:
        bar->position = std::min(bar->position + bar->step, bar->maximum);
        break;
    case kScrollPage:
        if (argument == 0)
            bar->position = std::max(bar->position - bar->page, bar->minimum);
        else
            bar->position = std::min(bar->position + bar->page, bar->maximum);
        break;
    case kScrollWheel: {
        const double tenth = bar->page / 10.0;
        const double notch = tenth >= 1 ? tenth : 1;
        if (argument == 0)
            bar->position = std::max(static_cast<int>(bar->position - notch), bar->minimum);
        else
            bar->position = std::min(static_cast<int>(bar->position + notch), bar->maximum);
        break;
    }
    default:
        return;
    }
    if (action != kScrollDrag)
        ComputeScrollThumb(window);
    bar->dirty = true;
    PaintScrollBar(window);
    if ((bar = FindScrollBar(window)) != nullptr && bar->scrollCallback)
        InvokeCallback(bar->scrollCallback, {HandleToLong(bar->hwnd), bar->position});
}

int HitTestScrollPart(HWND window, int x, int y)
{
    const ScrollBarRecord* bar = FindScrollBar(window);
    if (!bar)
        return kScrollHitNone;
    if (Contains(bar->thumbRect, x, y))
        return kScrollHitThumb;
    if (Contains(bar->upRect, x, y))
        return kScrollHitUp;
    if (Contains(bar->downRect, x, y))
        return kScrollHitDown;
    if (Contains(bar->barRect, x, y))
        return kScrollHitTrack;
    return kScrollHitNone;
}

void SetScrollHoverPart(HWND window, int part)
{
    ScrollBarRecord* bar = FindScrollBar(window);
    if (!bar || (part == bar->lastHoverPart && part == kScrollHitTrack))
        return;
    bar->hoverPart = part;
    PaintScrollBar(window);
    if ((bar = FindScrollBar(window)) != nullptr)
        bar->lastHoverPart = part;
}

void BeginThumbDrag(HWND window, LPARAM position)
{
    if (ScrollBarRecord* bar = FindScrollBar(window))
        bar->dragOriginY = MouseY(position);
}

void DetachScrollBar(HWND window)
{
    DetachCustomControl(g_scrollBars, window, kScrollBarKeys, true, [](ScrollBarRecord&) {});
}

LRESULT CALLBACK ScrollBarWindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return ScrollBarWindowProc(window, message, wParam, lParam);
}

namespace {

void OnButtonDown(HWND window, ScrollBarRecord& bar, LPARAM lParam)
{
    bar.held = true;
    const int y = MouseY(lParam);
    switch (HitTestScrollPart(window, MouseX(lParam), y)) {
    case kScrollHitThumb:
        BeginThumbDrag(window, lParam);
        bar.pressedPart = kScrollDrag;
        SetCapture(window);
        break;
    case kScrollHitUp:
        bar.pressedPart = kScrollStepUp;
        break;
    case kScrollHitDown:
        bar.pressedPart = kScrollStepDown;
        break;
    case kScrollHitTrack:
        bar.pressedPart = kScrollPage;
        bar.pageDirection = y < bar.thumbRect.y ? 0 : 1;
        break;
    default:
        bar.pressedPart = 0;
        break;
    }
}

}  // namespace

LRESULT ScrollBarWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    ScrollBarRecord* bar = FindScrollBar(window);
    if (!bar)
        return CallPreviousProc(window, kScrollBarKeys, message, wParam, lParam);
    // Kept here: a handler may detach the control (its record goes, its properties stay).
    const WNDPROC previous = bar->oldWndProc;
    const bool standAlone = bar->mode == kScrollBarStandAlone;
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        if (standAlone)
            MarkContainerDirty(window);
        break;
    case WM_MOVE:
        if (standAlone) {
            bar->dirty = true;
            InvalidateRect(window, nullptr, FALSE);
        }
        break;
    case WM_SIZE:
        bar->dirty = true;
        break;
    case WM_NCDESTROY:
        if (standAlone) {
            ReleaseMemoryDC(bar->targetDC);
            bar->targetDC = nullptr;
        }
        KillTimer(window, kScrollRepeatTimer);
        DetachScrollBar(window);
        break;
    case WM_ERASEBKGND:
        if (standAlone)
            return EraseTransparently(wParam);
        break;
    case WM_PAINT:
        if (standAlone)
            return RunPaintCycle(window, wParam, lParam, [window](HDC dc) {
                const ScrollBarRecord* painted = FindScrollBar(window);
                if (painted && painted->dirty)
                    PaintScrollBar(window, dc);
                else
                    BlitScrollBarBuffer(window);
            });
        break;
    case WM_MOUSEMOVE:
        TrackMouseLeave(window);
        if (bar->pressedPart == kScrollDrag && bar->held)
            ApplyScrollAction(window, lParam, kScrollDrag);
        SetScrollHoverPart(window, HitTestScrollPart(window, MouseX(lParam), MouseY(lParam)));
        break;
    case WM_MOUSELEAVE:
        bar->held = false;
        SetScrollHoverPart(window, kScrollHitNone);
        break;
    case WM_LBUTTONDOWN:
        OnButtonDown(window, *bar, lParam);
        break;
    case WM_LBUTTONUP:
        bar->held = false;
        bar->pressedPart = 0;
        ReleaseCapture();
        break;
    case WM_TIMER:
        // Every timer message counts as a tick: a host must not use timer 1 for anything else.
        if (bar->held && (bar->pressedPart == kScrollStepUp || bar->pressedPart == kScrollStepDown))
            ApplyScrollAction(window, 0, bar->pressedPart);
        else if (bar->held && bar->pressedPart == kScrollPage)
            ApplyScrollAction(window, bar->pageDirection, kScrollPage);
        break;
    case WM_MOUSEWHEEL:
        ApplyScrollAction(window, HighWord(static_cast<uint32_t>(wParam)) > 0 ? 0 : 1, kScrollWheel);
        break;
    default:
        break;
    }
    // The scroll handler may have destroyed the window.
    if (!IsWindow(window))
        return 0;
    return CallRecordedProc(previous, window, message, wParam, lParam);
}
