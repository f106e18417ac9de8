#include "skin/core/layered_windows.h"

#include "skin/controls/paint_helpers.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

constexpr int kSteps = 10;
constexpr int kAlphaStep = 25;

HDC FrameDcOfForm(HWND window)
{
    const SkinFormRecord* form = SkinFormOfWindow(window);
    return form ? form->frameDc : nullptr;
}

}  // namespace

void SetLayeredStyle(HWND window)
{
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_EXSTYLE);
    if (!(style & WS_EX_LAYERED))
        SetWindowLongPtrA(window, GWL_EXSTYLE, style | WS_EX_LAYERED);
}

void ClearLayeredStyle(HWND window)
{
    SetWindowLongPtrA(window, GWL_EXSTYLE, GetWindowLongPtrA(window, GWL_EXSTYLE) & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
}

bool UpdateLayeredWindowFromDc(HWND window, const LayeredUpdate& update)
{
    RECT r = {};
    GetWindowRect(window, &r);
    HDC source = update.source ? *update.source : FrameDcOfForm(window);
    if (!source)
        return false;
    POINT place = {update.x.value_or(r.left), update.y.value_or(r.top)};
    SIZE size = {update.width.value_or(r.right - r.left), update.height.value_or(r.bottom - r.top)};
    POINT from = {update.sourceX, update.sourceY};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, update.alpha, AC_SRC_ALPHA};
    HDC target = GetWindowDC(window);
    const BOOL shown = UpdateLayeredWindow(window, target, &place, &size, source, &from, 0, &blend, ULW_ALPHA);
    ReleaseDC(window, target);
    return shown != FALSE;
}

HDC SnapshotClientArea(HWND window)
{
    RECT client = {};
    GetClientRect(window, &client);
    HDC snapshot = CreateMemoryDC(client.right, client.bottom);
    if (!snapshot)
        return nullptr;
    HDC screen = GetDC(window);
    BitBlt(snapshot, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
    // A screen copy has alpha 0, which a layered window shows as nothing.
    MakeAreaOpaque(snapshot, RECT{0, 0, client.right, client.bottom});
    return snapshot;
}

void ShrinkFadeAnimation(HWND window)
{
    ClearLayeredStyle(window);
    RECT client = {};
    GetClientRect(window, &client);
    HDC snapshot = SnapshotClientArea(window);
    HDC frame = CreateMemoryDC(client.right, client.bottom);
    if (!snapshot || !frame) {
        ReleaseMemoryDC(snapshot);
        ReleaseMemoryDC(frame);
        return;
    }
    RECT r = {};
    GetWindowRect(window, &r);
    int x = r.left, y = r.top;
    int width = r.right - r.left, height = r.bottom - r.top;
    int alpha = 255;
    const int dx = width / kSteps, dy = height / kSteps;
    SetLayeredStyle(window);
    for (int i = 1; i <= kSteps; ++i) {
        x = static_cast<int>(x + dx / 2.0);
        y = static_cast<int>(y + dy / 2.0);
        width -= dx;
        height -= dy;
        alpha -= kAlphaStep;
        StretchBlt(frame, 0, 0, width, height, snapshot, 0, 0, client.right - client.left,
                   client.bottom - client.top, SRCCOPY);
        LayeredUpdate step;
        step.x = x;
        step.y = y;
        step.width = width;
        step.height = height;
        step.alpha = static_cast<BYTE>(alpha);
        step.source = frame;
        if (width > 0 && height > 0)
            UpdateLayeredWindowFromDc(window, step);
        Sleep(static_cast<DWORD>(20 - i));
    }
    ReleaseMemoryDC(snapshot);
    ReleaseMemoryDC(frame);
}
