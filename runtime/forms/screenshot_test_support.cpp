// Screenshots for the Wine tests: what a window shows, saved as PNG under the build's screenshots
// folder (BN_SCREENSHOT_DIR). GDI+ must be running (bn_gdiplus_test_env starts it).
#include "runtime/forms/forms_test_support.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"

namespace forms_test {

bool SaveScreenshot(HWND window, const std::string& fileName)
{
    RECT area;
    if (!GetWindowRect(window, &area))
        return false;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC source = GetWindowDC(window);
    HDC memory = CreateCompatibleDC(source);
    HBITMAP bitmap = CreateCompatibleBitmap(source, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const bool copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
    SelectObject(memory, old);
    DeleteDC(memory);
    ReleaseDC(window, source);

    CreateDirectoryA(BN_SCREENSHOT_DIR, nullptr);
    GdipBitmap picture;
    const bool saved = copied && picture.CreateBitmapFromHBITMAP(bitmap) &&
                       picture.SaveImageToFile(std::string(BN_SCREENSHOT_DIR) + "/" + fileName, kImageFormatPng);
    picture.DisposeBitmap();
    DeleteObject(bitmap);
    return saved;
}

}  // namespace forms_test
