#include "skin/custom/custom_control_frame.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/controls/control_framework.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_core.h"
#include "skin/core/memory_dc.h"

LRESULT CallPreviousProc(HWND window, const CustomControlKeys& keys, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallPreviousProc(window, keys.previousProc, message, wParam, lParam);
}

LRESULT EraseTransparently(WPARAM wParam)
{
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return 1;
}

HDC RenewKeptPicture(HWND window, HDC& kept)
{
    RECT client = {};
    GetClientRect(window, &client);
    ReleaseMemoryDC(kept);
    kept = CreateBackgroundDC(window, client);
    if (!kept)
        kept = CreateMemoryDC(client.right - client.left, client.bottom - client.top);
    return kept;
}

void DrawOnKeptPicture(HDC picture, const std::function<void(GdipGraphics&)>& draw)
{
    GdipBitmap pixels;  // outlives the graphics drawing into it
    GdipGraphics surface;
    AttachOpaqueGraphics(surface, pixels, picture);
    draw(surface);
}

void CopyPictureToWindow(HWND window, HDC picture, const RECT& area, HDC target)
{
    HDC dc = target ? target : GetDC(window);
    BitBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top, picture, area.left, area.top,
           SRCCOPY);
    if (!target)
        ReleaseDC(window, dc);
}
