// Drawing panel: a persistent memory picture the size of the panel. Drawing goes into the picture and
// the window only copies it, so what was drawn survives covering, repainting and resizing.
#include "runtime/forms/own_control_procs.h"
#include "runtime/forms/own_controls.h"

#include <algorithm>

namespace forms {
namespace {

struct PanelState {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    int width = 0, height = 0;
    COLORREF back = RGB(255, 255, 255);
    COLORREF pen = RGB(0, 0, 0);
    int penWidth = 1;
    COLORREF fill = 0;
    bool hasFill = false;
    bool pressed = false;
};

PanelState* Panel(HWND window)
{
    return StateOf<PanelState>(window, kDrawPanelClass);
}

void FreePicture(PanelState& state)
{
    if (!state.dc)
        return;
    SelectObject(state.dc, state.previousBitmap);
    DeleteObject(state.bitmap);
    DeleteDC(state.dc);
    state.dc = nullptr;
}

// Makes a picture of the new size, keeping what the old one showed.
bool ResizePicture(HWND window, PanelState& state, int width, int height)
{
    width = std::max(width, 1);
    height = std::max(height, 1);
    if (state.dc && width == state.width && height == state.height)
        return true;
    HDC screen = GetDC(window);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(window, screen);
    if (!dc || !bitmap) {
        if (dc)
            DeleteDC(dc);
        if (bitmap)
            DeleteObject(bitmap);
        return false;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap);
    RECT all = {0, 0, width, height};
    HBRUSH back = CreateSolidBrush(state.back);
    FillRect(dc, &all, back);
    DeleteObject(back);
    if (state.dc)
        BitBlt(dc, 0, 0, std::min(width, state.width), std::min(height, state.height), state.dc, 0, 0, SRCCOPY);
    FreePicture(state);
    state.dc = dc;
    state.bitmap = bitmap;
    state.previousBitmap = previous;
    state.width = width;
    state.height = height;
    return true;
}

}  // namespace

LRESULT CALLBACK DrawPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    PanelState* state = reinterpret_cast<PanelState*>(GetWindowLongPtrA(window, 0));
    switch (message) {
    case WM_NCCREATE: {
        auto* created = new PanelState;
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(created));
        break;
    }
    case WM_CREATE: {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        return ResizePicture(window, *state, create->cx, create->cy) ? 0 : -1;
    }
    case WM_SIZE:
        if (state)
            ResizePicture(window, *state, LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (state && state->dc)
            BitBlt(dc, paint.rcPaint.left, paint.rcPaint.top, paint.rcPaint.right - paint.rcPaint.left,
                   paint.rcPaint.bottom - paint.rcPaint.top, state->dc, paint.rcPaint.left, paint.rcPaint.top,
                   SRCCOPY);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (state && TrackClick(window, message, lParam, state->pressed))
            NotifyParent(window, kOwnClicked);
        return 0;
    case WM_NCDESTROY:
        if (state) {
            FreePicture(*state);
            delete state;
            SetWindowLongPtrA(window, 0, 0);
        }
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool DrawPanelClear(HWND window)
{
    PanelState* state = Panel(window);
    if (!state || !state->dc)
        return false;
    RECT all = {0, 0, state->width, state->height};
    HBRUSH back = CreateSolidBrush(state->back);
    FillRect(state->dc, &all, back);
    DeleteObject(back);
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

bool DrawPanelSetBackColour(HWND window, COLORREF colour)
{
    PanelState* state = Panel(window);
    if (!state)
        return false;
    state->back = colour;
    return DrawPanelClear(window);
}

bool DrawPanelSetPen(HWND window, COLORREF colour, int width)
{
    PanelState* state = Panel(window);
    if (!state)
        return false;
    state->pen = colour;
    state->penWidth = std::max(width, 1);
    return true;
}

bool DrawPanelSetFill(HWND window, COLORREF colour)
{
    PanelState* state = Panel(window);
    if (!state)
        return false;
    state->fill = colour;
    state->hasFill = true;
    return true;
}

namespace {

// Runs one drawing step with the panel's pen and brush selected, then repaints the panel.
template <typename Draw>
bool DrawWithPen(HWND window, Draw draw)
{
    PanelState* state = Panel(window);
    if (!state || !state->dc)
        return false;
    HPEN pen = CreatePen(PS_SOLID, state->penWidth, state->pen);
    HBRUSH brush = state->hasFill ? CreateSolidBrush(state->fill) : nullptr;
    HGDIOBJ oldPen = SelectObject(state->dc, pen);
    HGDIOBJ oldBrush = SelectObject(state->dc, brush ? static_cast<HGDIOBJ>(brush) : GetStockObject(NULL_BRUSH));
    const bool drawn = draw(state->dc);
    SelectObject(state->dc, oldPen);
    SelectObject(state->dc, oldBrush);
    DeleteObject(pen);
    if (brush)
        DeleteObject(brush);
    InvalidateRect(window, nullptr, FALSE);
    return drawn;
}

}  // namespace

bool DrawPanelLine(HWND window, int x1, int y1, int x2, int y2)
{
    return DrawWithPen(window, [&](HDC dc) { return MoveToEx(dc, x1, y1, nullptr) && LineTo(dc, x2, y2); });
}

bool DrawPanelEllipse(HWND window, int left, int top, int right, int bottom)
{
    return DrawWithPen(window, [&](HDC dc) { return Ellipse(dc, left, top, right, bottom) != FALSE; });
}

HDC DrawPanelDC(HWND window)
{
    PanelState* state = Panel(window);
    return state ? state->dc : nullptr;
}

}  // namespace forms
