// Screenshots for the Wine tests: what a window shows on the screen, frame included, saved as PNG under
// the build's screenshots folder (BN_SCREENSHOT_DIR, a Z: path). GDI+ must be running
// (bn_gdiplus_test_env starts it).
#include "runtime/forms/forms_test_support.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"
#include "runtime/forms/form_runtime.h"

namespace forms_test {

bool SaveScreenshot(HWND window, const std::string& fileName)
{
    // Above every window, also those of test programs running beside this one: the picture is read
    // off the screen, as a person sees it (layered windows and skinned children included).
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    forms::ProcessPendingMessages();
    RECT area;
    const bool placed = GetWindowRect(window, &area) != FALSE;
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    bool copied = false;
    HBITMAP bitmap = nullptr;
    if (placed && width > 0 && height > 0) {
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        bitmap = CreateCompatibleBitmap(screen, width, height);
        HGDIOBJ old = SelectObject(memory, bitmap);
        copied = BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY) != FALSE;
        SelectObject(memory, old);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
    }
    SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

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
