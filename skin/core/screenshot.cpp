#include "skin/core/screenshot.h"

#include <algorithm>

#include "gdiplus/gdip_bitmap.h"
#include "skin/core/memory_dc.h"

namespace {

// The folder comes from the build as a host path; Wine sees the host's root as drive Z:.
std::string ScreenshotFolder()
{
    std::string folder = BN_SCREENSHOT_DIR;
    if (!folder.empty() && folder[0] == '/')
        folder = "Z:" + folder;
    std::replace(folder.begin(), folder.end(), '/', '\\');
    return folder;
}

}  // namespace

std::string SaveDcScreenshot(HDC dc, int width, int height, const std::string& name)
{
    const std::string folder = ScreenshotFolder();
    CreateDirectoryA(folder.c_str(), nullptr);
    HDC copy = CreateMemoryDC(width, height);
    if (!copy)
        return {};
    BitBlt(copy, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    GdiFlush();
    std::string path = folder + "\\" + name;
    GdipBitmap bitmap;
    const bool saved = bitmap.CreateBitmapFromHBITMAP(static_cast<HBITMAP>(GetCurrentObject(copy, OBJ_BITMAP))) &&
                       bitmap.SaveImageToFile(path, kImageFormatPng);
    bitmap.DisposeBitmap();
    ReleaseMemoryDC(copy);
    return saved ? path : std::string();
}

std::string SaveWindowScreenshot(HWND window, const std::string& name)
{
    RECT client = {};
    GetClientRect(window, &client);
    HDC dc = GetDC(window);
    std::string path = SaveDcScreenshot(dc, client.right, client.bottom, name);
    ReleaseDC(window, dc);
    return path;
}
