#include "tools/journey/window_shots.h"

#include <objidl.h>
#include <gdiplus.h>

#include <algorithm>
#include <climits>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"
#include "runtime/forms/pending_paint.h"

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

void WaitForPaints(const std::vector<HWND>& windows, int milliseconds)
{
    const DWORD end = GetTickCount() + static_cast<DWORD>(milliseconds);
    while (std::any_of(windows.begin(), windows.end(), WaitsForPaint) && static_cast<int>(end - GetTickCount()) > 0)
        Sleep(20);
}

bool SaveWindowsPicture(const std::vector<HWND>& windows, const std::string& pngPath)
{
    // A person looks at what the windows show once they have painted, not at the moment between.
    WaitForPaints(windows, 1000);
    RECT area = {INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (HWND window : windows) {
        RECT r;
        // Hidden windows and the program's tiny helper windows are nothing a person sees.
        if (!IsWindow(window) || !IsWindowVisible(window) || !GetWindowRect(window, &r) || r.right - r.left < 8 ||
            r.bottom - r.top < 8)
            continue;
        area.left = std::min(area.left, r.left);
        area.top = std::min(area.top, r.top);
        area.right = std::max(area.right, r.right);
        area.bottom = std::max(area.bottom, r.bottom);
    }
    if (area.left > area.right)
        return false;  // no window a person sees
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

std::vector<COLORREF> ScreenPixels(const RECT& area)
{
    std::vector<COLORREF> colours;
    const int w = area.right - area.left;
    const int h = area.bottom - area.top;
    if (w <= 0 || h <= 0)
        return colours;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = w;
    info.bmiHeader.biHeight = -h;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, w, h, screen, area.left, area.top, SRCCOPY);
        GdiFlush();
        const auto* quads = static_cast<const DWORD*>(bits);
        colours.resize(static_cast<size_t>(w) * h);
        for (size_t i = 0; i < colours.size(); ++i)
            colours[i] = RGB((quads[i] >> 16) & 0xFF, (quads[i] >> 8) & 0xFF, quads[i] & 0xFF);
        SelectObject(memory, old);
    }
    if (bitmap)
        DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return colours;
}

}  // namespace journey
