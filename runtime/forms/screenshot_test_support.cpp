// Screenshots for the Wine tests: what a window shows, frame included, saved as PNG under the build's
// screenshots folder (BN_SCREENSHOT_DIR, a Z: path). The picture is read from the window's own pixels,
// not off the screen: the windows of test programs running beside this one would cover it there.
// GDI+ must be running (bn_gdiplus_test_env starts it).
#include "runtime/forms/forms_test_support.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"
#include "runtime/forms/form_runtime.h"

namespace forms_test {

bool SaveScreenshot(HWND window, const std::string& fileName)
{
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    forms::ProcessPendingMessages();
    RECT area;
    const bool placed = GetWindowRect(window, &area) != FALSE;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    bool copied = false;
    HBITMAP bitmap = nullptr;
    if (placed && width > 0 && height > 0) {
        HDC source = GetWindowDC(window);
        HDC memory = CreateCompatibleDC(source);
        bitmap = CreateCompatibleBitmap(source, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, source, 0, 0, SRCCOPY) != FALSE;
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(window, source);
    }

    CreateDirectoryA(BN_SCREENSHOT_DIR, nullptr);
    GdipBitmap picture;
    const bool saved = copied && picture.CreateBitmapFromHBITMAP(bitmap) &&
                       picture.SaveImageToFile(std::string(BN_SCREENSHOT_DIR) + "\\" + fileName, kImageFormatPng);
    picture.DisposeBitmap();
    if (bitmap)
        DeleteObject(bitmap);
    return saved;
}

}  // namespace forms_test
