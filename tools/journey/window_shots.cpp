#include "tools/journey/window_shots.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <climits>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"

namespace journey {

PictureEncoder::PictureEncoder()
{
    Gdiplus::GdiplusStartupInput input;
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok)
        token_ = 0;
}

PictureEncoder::~PictureEncoder()
{
    if (token_)
        Gdiplus::GdiplusShutdown(token_);
}

bool SaveWindowsPicture(const std::vector<HWND>& windows, const std::string& pngPath)
{
    RECT area = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (HWND window : windows) {
        RECT r;
        if (!IsWindow(window) || !GetWindowRect(window, &r))
            continue;
        area.left = std::min(area.left, r.left);
        area.top = std::min(area.top, r.top);
        area.right = std::max(area.right, r.right);
        area.bottom = std::max(area.bottom, r.bottom);
    }
    // Only what lies on the screen can be read.
    area.left = std::max<LONG>(area.left, 0);
    area.top = std::max<LONG>(area.top, 0);
    area.right = std::min<LONG>(area.right, GetSystemMetrics(SM_CXSCREEN));
    area.bottom = std::min<LONG>(area.bottom, GetSystemMetrics(SM_CYSCREEN));
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != FALSE;
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    GdipBitmap picture;
    const bool saved = copied && picture.CreateBitmapFromHBITMAP(bitmap) && picture.SaveImageToFile(pngPath, kImageFormatPng);
    picture.DisposeBitmap();
    DeleteObject(bitmap);
    return saved;
}

COLORREF ScreenPixel(POINT screen)
{
    HDC dc = GetDC(nullptr);
    const COLORREF colour = GetPixel(dc, screen.x, screen.y);
    ReleaseDC(nullptr, dc);
    return colour;
}

}  // namespace journey
