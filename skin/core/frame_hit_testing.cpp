#include "skin/core/frame_hit_testing.h"

#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"

namespace {

constexpr int kCornerSize = 10;

int SignedLow(LPARAM value)
{
    return static_cast<short>(LOWORD(static_cast<DWORD_PTR>(value)));
}

int SignedHigh(LPARAM value)
{
    return static_cast<short>(HIWORD(static_cast<DWORD_PTR>(value)));
}

struct Zone {
    WPARAM command;
    LPCSTR cursor;
};

// Indexed by zone number.
const Zone kZones[] = {
    {0, nullptr},
    {SC_SIZE + WMSZ_LEFT, IDC_SIZEWE},
    {SC_SIZE + WMSZ_RIGHT, IDC_SIZEWE},
    {SC_SIZE + WMSZ_TOP, IDC_SIZENS},
    {SC_SIZE + WMSZ_BOTTOM, IDC_SIZENS},
    {SC_SIZE + WMSZ_TOPLEFT, IDC_SIZENWSE},
    {SC_SIZE + WMSZ_TOPRIGHT, IDC_SIZENESW},
    {SC_SIZE + WMSZ_BOTTOMLEFT, IDC_SIZENESW},
    {SC_SIZE + WMSZ_BOTTOMRIGHT, IDC_SIZENWSE},
};

void DragByCaption(HWND window)
{
    SendMessageA(window, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

}  // namespace

bool IsPointInCaptionStrip(int formNumber, LPARAM point)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return false;
    const int x = SignedLow(point), y = SignedHigh(point);
    const FormRect& strip = form->captionStrip;
    return x >= strip.x - 2 && x <= strip.x + strip.width && y >= 0 && y <= strip.height;
}

int HitTestCaptionButtons(int formNumber, int x, int y)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return 0;
    const FormRect& strip = form->captionStrip;
    if (x < strip.x || y < strip.y || y > strip.y + strip.height)
        return 0;
    for (int i = 1; i <= RecordCount(form->captionButtons); ++i) {
        const RectF& r = RecordAt(form->captionButtons, i)->rect;
        if (r.x < x && x < r.x + r.width && r.y < y && y < r.y + r.height)
            return i;
    }
    return 0;
}

int FindBorderZone(int x, int y, const RECT& client, int border)
{
    const int right = client.right, bottom = client.bottom, c = kCornerSize;
    if (x <= border && y > c && y < bottom - c)
        return 1;
    if (x >= right - border && y > c && y < bottom - c)
        return 2;
    if (x > c && x < right - c && y <= border)
        return 3;
    if (x > c && x < right - c && y >= bottom - border)
        return 4;
    if (x <= c && y <= c)
        return 5;
    if (x >= right - c && y <= c)
        return 6;
    if (x <= c && y >= bottom - c)
        return 7;
    if (x >= right - c && y >= bottom - c)
        return 8;
    return 0;
}

WPARAM BorderZoneCommand(int zone)
{
    return zone >= 1 && zone <= 8 ? kZones[zone].command : 0;
}

LPCSTR BorderZoneCursor(int zone)
{
    return zone >= 1 && zone <= 8 ? kZones[zone].cursor : nullptr;
}

void UpdateResizeCursor(int formNumber, LPARAM point, const RECT& client)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form || !form->resizable)
        return;
    if (int zone = FindBorderZone(SignedLow(point), SignedHigh(point), client, g_frameBorder))
        SetCursor(LoadCursorA(nullptr, BorderZoneCursor(zone)));
}

void BeginBorderDrag(int formNumber, LPARAM point, const RECT& client)
{
    SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    const int x = SignedLow(point), y = SignedHigh(point);
    const FormRect& strip = form->captionStrip;
    if (x >= strip.x && x <= strip.x + strip.width && y >= 3 && y <= strip.height)
        return;  // the press belongs to the caption buttons
    if (!form->frameEnabled)
        return;
    const HWND window = form->hwnd;
    if (y <= form->captionHeight && y > 3 && x > 3 && x < client.right - g_frameBorder) {
        DragByCaption(window);
        return;
    }
    if (!form->resizable)
        return;
    if (int zone = FindBorderZone(x, y, client, g_frameBorder)) {
        form->needsFullRepaint = true;
        SetCursor(LoadCursorA(nullptr, BorderZoneCursor(zone)));
        SendMessageA(window, WM_SYSCOMMAND, BorderZoneCommand(zone), 0);
        return;
    }
    if (y <= form->captionHeight)
        DragByCaption(window);
}

int IsPointInStatusBand(int formNumber, int x, int y)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form || form->statusHeight <= 0)
        return 0;
    const FormRect& band = form->statusRect;
    if (x < band.x || x > band.x + band.width || y < band.y || y > band.y + band.height)
        return 0;
    for (size_t i = 0; i < form->statusSegmentRects.size(); ++i) {
        const FormRect& s = form->statusSegmentRects[i];
        if (s.x < x && x < s.x + s.width && s.y < y && y < s.y + s.height)
            return static_cast<int>(i + 1);
    }
    return 0;
}

int FindMaximizeButton(int formNumber)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return 0;
    for (int i = 1; i <= RecordCount(form->captionButtons); ++i) {
        if (RecordAt(form->captionButtons, i)->kind == kCaptionMaximize)
            return i;
    }
    return 0;
}

SIZE MaximizedSizeFor(const RECT& taskbar, bool taskbarVisible, int screenWidth, int screenHeight,
                      bool forMinMaxInfo)
{
    const int tw = taskbar.right - taskbar.left;
    const int th = taskbar.bottom - taskbar.top;
    SIZE size = {screenWidth, screenHeight};
    if (tw > th) {
        // A horizontal taskbar pushed off the screen or hidden at the bottom edge frees the height.
        if (!(taskbar.top < 0 || taskbar.top >= screenHeight - 5))
            size.cy = screenHeight - th;
    } else {
        size.cx = screenWidth - tw;
        if (forMinMaxInfo && !taskbarVisible)
            size.cx = screenWidth;
    }
    return size;
}

SIZE MaximizedFormSize(bool forMinMaxInfo)
{
    RECT taskbar = {};
    HWND tray = FindWindowA("Shell_TrayWnd", nullptr);
    if (tray)
        GetWindowRect(tray, &taskbar);
    const bool visible = tray && (GetWindowLongPtrA(tray, GWL_STYLE) & WS_VISIBLE);
    return MaximizedSizeFor(taskbar, visible, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                            forMinMaxInfo);
}
