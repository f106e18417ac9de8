// The drawing board's attach, setters, window procedure, mouse reports and detach.
#include "skin/custom/skin_canvas.h"

#include "skin/controls/control_framework.h"
#include "skin/controls/form_repaint.h"
#include "skin/core/drawing_core.h"
#include "skin/core/memory_dc.h"
#include "skin/custom/skin_canvas_painting.h"

namespace {

int BoardArgument(HWND window)
{
    return static_cast<int>(reinterpret_cast<INT_PTR>(window));
}

LRESULT PaintBoard(HWND window, WPARAM wParam, LPARAM lParam)
{
    PAINTSTRUCT ps = {};
    HDC dc = BeginPaint(window, &ps);
    SkinCanvasRecord* board = FindSkinCanvas(window);
    const bool compose = board && (board->dirty || board->formDirty);
    if (compose) {
        PaintSkinCanvas(window);
        board->dirty = false;
        board->formDirty = false;
    } else {
        EraseSkinCanvas(window, dc);
    }
    EndPaint(window, &ps);
    if (compose)
        InvalidateTransparentChildren(window);
    return DefWindowProcA(window, WM_PAINT, wParam, lParam);
}

}  // namespace

SkinCanvasRecord* FindSkinCanvas(HWND window)
{
    return FindCustomRecord(g_skinCanvases, window, kSkinCanvasKeys);
}

SkinCanvasRecord* SkinCanvas::Record() const
{
    return FindSkinCanvas(window);
}

int SkinCanvas::Attach(HWND board, std::optional<int> shape, std::optional<int> glowEdges, std::optional<int> border,
                       std::optional<COLORREF> dividerColour, std::optional<std::string> backgroundImage,
                       std::optional<int> imageMode)
{
    RECT client = {};
    GetClientRect(board, &client);
    const int index =
        AttachCustomControl(g_skinCanvases, board, kSkinCanvasKeys, SkinCanvasWindowProcEntry, [&](SkinCanvasRecord& r) {
            r.shape = shape.value_or(1);
            r.glowEdges = glowEdges.value_or(0);
            r.border = border.value_or(0);
            r.dividerColour = dividerColour.value_or(0);
            r.backgroundImage = backgroundImage.value_or(std::string());
            r.imageMode = imageMode.value_or(0);
            r.clientWidth = client.right;
            r.clientHeight = client.bottom;
            r.dirty = true;
            HostSkinCanvasChildren(r);
        });
    if (index > 0)
        window = board;
    return index;
}

bool SkinCanvas::SetGradient(std::optional<int> mode, std::optional<COLORREF> colour1, std::optional<int> alpha1,
                             std::optional<COLORREF> colour2, std::optional<int> alpha2) const
{
    SkinCanvasRecord* board = Record();
    if (!board)
        return false;
    board->gradientMode = mode.value_or(board->gradientMode);
    board->gradientColour1 = colour1.value_or(board->gradientColour1);
    board->gradientColour2 = colour2.value_or(board->gradientColour2);
    board->gradientAlpha1 = alpha1 ? (*alpha1 & 0xFF) : board->gradientAlpha1;
    board->gradientAlpha2 = alpha2 ? (*alpha2 & 0xFF) : board->gradientAlpha2;
    return true;
}

bool SkinCanvas::SetGlow(int edges, int width, COLORREF colour, int alpha) const
{
    SkinCanvasRecord* board = Record();
    if (!board)
        return false;
    board->glowEdges = edges;
    board->glowWidth = width;
    board->glowColour = colour;
    board->glowAlpha = alpha;
    return Refresh();
}

bool SkinCanvas::Refresh() const
{
    return InvalidateSkinCanvas(window);
}

bool SkinCanvas::SetBorderColour(std::optional<COLORREF> colour, std::optional<int> alpha) const
{
    SkinCanvasRecord* board = Record();
    if (!board)
        return false;
    board->borderColour = colour.value_or(board->borderColour);
    board->borderAlpha = alpha.value_or(board->borderAlpha);
    return true;
}

bool SkinCanvas::SetMouseEnterCallback(SkinCallback handler) const
{
    SkinCanvasRecord* board = Record();
    if (!board)
        return false;
    board->mouseEnterCallback = handler;
    return true;
}

bool SkinCanvas::SetMouseLeaveCallback(SkinCallback handler) const
{
    SkinCanvasRecord* board = Record();
    if (!board)
        return false;
    board->mouseLeaveCallback = handler;
    return true;
}

bool SkinCanvas::SetBackgroundImage(const std::string& picture, std::optional<int> mode) const
{
    SkinCanvasRecord* board = Record();
    if (!board)
        return false;
    board->backgroundImage = picture;
    board->imageMode = mode.value_or(0);
    return Refresh();
}

HDC SkinCanvas::GetBackgroundDC() const
{
    const SkinCanvasRecord* board = Record();
    return board ? board->backgroundDC : nullptr;
}

bool InvalidateSkinCanvas(HWND window)
{
    SkinCanvasRecord* board = FindSkinCanvas(window);
    if (!board)
        return false;
    board->dirty = true;
    InvalidateRect(window, nullptr, FALSE);
    return true;
}

void EraseSkinCanvas(HWND window, HDC dc)
{
    const SkinCanvasRecord* board = FindSkinCanvas(window);
    if (!board || !board->backgroundDC)
        return;
    RECT client = {};
    GetClientRect(window, &client);
    HDC target = ExcludeChildrenFromClip(window, dc);
    BitBlt(target, 0, 0, client.right, client.bottom, board->backgroundDC, 0, 0, SRCCOPY);
    if (!dc)
        ReleaseDC(window, target);
    BlitToControl(window, board->backgroundDC);
}

bool HasChildWindow(HWND window)
{
    return GetWindow(window, GW_CHILD) != nullptr;
}

void DetachSkinCanvas(HWND window)
{
    // The workers are joined before the record goes, and with no guard held: a worker clipping its
    // frame takes the registry's read guard.
    if (SkinCanvasRecord* board = FindSkinCanvas(window))
        StopAllAnimatedImages(*board);
    DetachCustomControl(g_skinCanvases, window, kSkinCanvasKeys, true, [](SkinCanvasRecord& board) {
        ReleaseMemoryDC(board.backgroundDC);
        board.backgroundDC = nullptr;
    });
    UnhostSkinCanvasChildren(window);
}

LRESULT CALLBACK SkinCanvasWindowProcEntry(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return SkinCanvasWindowProc(window, message, wParam, lParam);
}

LRESULT SkinCanvasWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    SkinCanvasRecord* board = FindSkinCanvas(window);
    if (!board)
        return CallPreviousProc(window, kSkinCanvasKeys, message, wParam, lParam);
    // Kept here: a handler may detach the control (its record goes, its properties stay).
    const WNDPROC previous = board->oldWndProc;
    switch (message) {
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_NCDESTROY:
        DetachSkinCanvas(window);
        break;
    case WM_MOVE: {
        const LRESULT result = CallRecordedProc(previous, window, message, wParam, lParam);
        InvalidateSkinCanvas(window);
        return result;
    }
    case WM_ERASEBKGND:
        return EraseTransparently(wParam);
    case WM_PAINT:
        return PaintBoard(window, wParam, lParam);
    case WM_MOUSEMOVE:
        if (!board->hovering)
            TrackMouseHoverAndLeave(window);
        break;
    case WM_MOUSELEAVE:
        board->buttonDown = false;
        board->hovering = false;
        if (board->mouseLeaveCallback &&
            !InvokeControlCallback(board->mouseLeaveCallback, {BoardArgument(window)}, g_skinCanvases, window,
                                   kSkinCanvasKeys))
            return 0;
        break;
    case WM_MOUSEHOVER:
        board->hovering = true;
        if (board->mouseEnterCallback &&
            !InvokeControlCallback(board->mouseEnterCallback, {BoardArgument(window)}, g_skinCanvases, window,
                                   kSkinCanvasKeys))
            return 0;
        break;
    case WM_SIZE:
        board->dirty = true;
        break;
    case WM_LBUTTONUP:
        board->buttonDown = false;
        break;
    case WM_LBUTTONDOWN:
        board->buttonDown = true;
        break;
    default:
        break;
    }
    return CallRecordedProc(previous, window, message, wParam, lParam);
}
