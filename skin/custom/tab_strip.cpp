// The tab strip's creation, window procedure, item geometry, hit test, hover and press handling and
// detach.
#include "skin/custom/tab_strip.h"

#include <cmath>

#include "skin/controls/control_framework.h"
#include "skin/controls/message_words.h"
#include "skin/core/memory_dc.h"
#include "skin/custom/tab_strip_painting.h"

namespace {

int ClientHeight(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    return client.bottom;
}

// Drops the hot item, its hover flag with it; redraws it when asked.
void DropHotItem(HWND window, TabStripRecord& strip, bool redraw)
{
    if (TabStripItem* hot = RecordAt(strip.items, strip.hotItem)) {
        hot->hover = false;
        if (redraw)
            DrawTabStripItem(window, strip.hotItem);
    }
    strip.hotItem = 0;
}

void TrackHover(HWND window, TabStripRecord& strip, LPARAM position)
{
    if (strip.buttonDown)
        return;
    TrackMouseLeave(window);
    strip.mouseItem = HitTestTabStrip(window, position);
    if (strip.mouseItem > 0 && strip.mouseItem != strip.hotItem) {
        DropHotItem(window, strip, true);
        RecordAt(strip.items, strip.mouseItem)->hover = true;
        DrawTabStripItem(window, strip.mouseItem);
        strip.hotItem = strip.mouseItem;
    } else if (strip.mouseItem == 0 && strip.hotItem > 0) {
        DropHotItem(window, strip, true);
    }
}

// The press: selection or the pressed look, then the select callback. False when the callback took
// the strip away.
bool Press(HWND window, TabStripRecord& strip, LPARAM position)
{
    SetCapture(window);
    strip.buttonDown = true;
    strip.mouseItem = HitTestTabStrip(window, position);
    const int hit = strip.mouseItem;
    if (strip.selectionMode) {
        if (hit > 0 && hit != strip.selectedItem) {
            if (TabStripItem* old = RecordAt(strip.items, strip.selectedItem)) {
                old->selected = false;
                DrawTabStripItem(window, strip.selectedItem);
            }
            RecordAt(strip.items, hit)->selected = true;
            DrawTabStripItem(window, hit);
            strip.selectedItem = hit;
        }
    } else if (TabStripItem* pressed = RecordAt(strip.items, hit)) {
        pressed->pressed = true;
        DrawTabStripItem(window, hit);
    }
    if (strip.selectCallback && hit > 0)
        return InvokeControlCallback(strip.selectCallback, {hit}, g_tabStrips, window, kTabStripKeys) != nullptr;
    return true;
}

void Release(HWND window, TabStripRecord& strip)
{
    ReleaseCapture();
    strip.buttonDown = false;
    if (TabStripItem* item = RecordAt(strip.items, strip.mouseItem)) {
        item->pressed = false;
        DrawTabStripItem(window, strip.mouseItem);
    }
}

}  // namespace

TabStripRecord* FindTabStrip(HWND window)
{
    return FindCustomRecord(g_tabStrips, window, kTabStripKeys);
}

TabStripRecord* SkinTabStrip::Record() const
{
    return FindTabStrip(window);
}

int SkinTabStrip::Create(HWND stripWindow, const TabStripOptions& options)
{
    const int index =
        AttachCustomControl(g_tabStrips, stripWindow, kTabStripKeys, TabStripWindowProcThunk, [&](TabStripRecord& s) {
            s.toolTip.Create(stripWindow);
            s.itemWidth = options.itemWidth.value_or(60);
            s.highlightStyle = options.highlightStyle.value_or(1);
            s.shapeStyle = options.shapeStyle.value_or(3);
            s.selectionMode = options.selectionMode.value_or(true);
            s.colour1 = options.colour1.value_or(0xDDCA22);
            s.alpha1 = options.alpha1.value_or(160);
            s.colour2 = options.colour2.value_or(0);
            s.alpha2 = options.alpha2.value_or(255);
            s.separators = options.separators.value_or(true);
            s.attachedTabs = options.attachedTabs.value_or(false);
            s.baseline = options.baseline.value_or(false);
            s.originX = 0;
            s.originY = 0;
            s.margin = 2;
            s.itemHeight = ClientHeight(stripWindow);
            s.dirty = true;
        });
    if (index > 0)
        window = stripWindow;
    return index;
}

void ComputeTabWidths(HWND window)
{
    TabStripRecord* strip = FindTabStrip(window);
    const int n = strip ? RecordCount(strip->items) : 0;
    // Without items there is nothing to share the width among: itemWidth stays.
    if (n == 0)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    strip->itemWidth = static_cast<int>(std::floor((client.right - (n - 1) * static_cast<double>(kTabItemGap)) / n));
}

RECT TabItemPlace(const TabStripRecord& strip, int number, int clientHeight)
{
    RECT place = {};
    place.left = strip.margin + strip.originX + (number - 1) * (strip.itemWidth + kTabItemGap);
    place.top = strip.margin + strip.originY;
    place.right = place.left + strip.itemWidth;
    place.bottom = strip.attachedTabs && strip.shapeStyle != 3 ? clientHeight : strip.originY + strip.itemHeight - 3;
    return place;
}

void LayoutTabStripItems(HWND window)
{
    TabStripRecord* strip = FindTabStrip(window);
    if (!strip)
        return;
    for (int i = 1; i <= RecordCount(strip->items); ++i) {
        TabStripItem* item = RecordAt(strip->items, i);
        item->rect = TabItemPlace(*strip, i, strip->itemHeight);
        strip->contentWidth = 2 * strip->margin + i * strip->itemWidth + (i - 1) * kTabItemGap;
        strip->toolTip.SetToolRect(i, item->rect);
    }
}

int HitTestTabStrip(HWND window, LPARAM position)
{
    const TabStripRecord* strip = FindTabStrip(window);
    if (!strip)
        return 0;
    const auto packed = static_cast<uint32_t>(position);
    const int x = static_cast<int16_t>(LowWord(packed));
    const int y = HighWord(packed);
    for (int i = 1; i <= RecordCount(strip->items); ++i) {
        const RECT& r = RecordAt(strip->items, i)->rect;
        if (r.left <= x && x <= r.right && y <= r.bottom)
            return i;
    }
    return 0;
}

int FirstSelectedTab(const TabStripRecord& strip)
{
    for (int i = 1; i <= RecordCount(strip.items); ++i) {
        if (RecordAt(strip.items, i)->selected)
            return i;
    }
    return 0;
}

int FindSelectedTab(HWND window)
{
    const TabStripRecord* strip = FindTabStrip(window);
    return strip ? FirstSelectedTab(*strip) : -1;
}

void InvalidateTabStrip(HWND window)
{
    TabStripRecord* strip = FindTabStrip(window);
    if (!strip)
        return;
    strip->dirty = true;
    DropHotItem(window, *strip, false);
    InvalidateRect(window, nullptr, FALSE);
}

void DetachTabStrip(HWND window)
{
    DetachCustomControl(g_tabStrips, window, kTabStripKeys, true, [](TabStripRecord& strip) {
        ReleaseMemoryDC(strip.memoryDC);
        strip.memoryDC = nullptr;
        strip.toolTip.DestroyTipWindow();
        strip.toolTip.Destroy();
    });
}

LRESULT CALLBACK TabStripWindowProcThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return TabStripWindowProc(window, message, wParam, lParam);
}

LRESULT TabStripWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    TabStripRecord* strip = FindTabStrip(window);
    if (!strip) {
        if (message == WM_NCDESTROY)
            DetachTabStrip(window);
        return CallPreviousProc(window, kTabStripKeys, message, wParam, lParam);
    }
    // Kept here: a handler may detach the control (its record goes, its properties stay).
    const WNDPROC previous = strip->oldWndProc;
    strip->toolTip.RelayMouseMessage(message, wParam, lParam);
    switch (message) {
    case WM_NCDESTROY:
        ReleaseMemoryDC(strip->memoryDC);
        strip->memoryDC = nullptr;
        DetachTabStrip(window);
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        strip->dirty = true;
        InvalidateRect(window, nullptr, FALSE);
        break;
    case WM_ERASEBKGND:
        return EraseTransparently(wParam);
    case WM_PAINT:
        return RunPaintCycle(window, wParam, lParam, [window](HDC dc) {
            const TabStripRecord* painted = FindTabStrip(window);
            if (painted && painted->dirty)
                PaintTabStrip(window, dc);
            else
                BlitTabStripBuffer(window);
        });
    case WM_MOUSEMOVE:
        TrackHover(window, *strip, lParam);
        break;
    case WM_MOUSELEAVE:
        ReleaseCapture();
        DropHotItem(window, *strip, true);
        break;
    case WM_SIZE:
        strip->dirty = true;
        DropHotItem(window, *strip, false);
        if (strip->fillWidth) {
            ComputeTabWidths(window);
            LayoutTabStripItems(window);
        }
        break;
    case WM_LBUTTONDOWN:
        // The select callback may have destroyed the strip.
        if (!Press(window, *strip, lParam))
            return IsWindow(window) ? CallRecordedProc(previous, window, message, wParam, lParam) : 0;
        break;
    case WM_LBUTTONUP:
        Release(window, *strip);
        break;
    default:
        break;
    }
    return CallRecordedProc(previous, window, message, wParam, lParam);
}
