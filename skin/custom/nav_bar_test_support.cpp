#include "skin/custom/nav_bar_test_support.h"

#include <commctrl.h>

#include <fstream>
#include <iterator>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/core/skin_test_support.h"

HWND CreateBarHost(HWND parent, int x, int y, int width, int height)
{
    return CreateTestChild(parent, "Static", x, y, width, height, SS_NOTIFY);
}

BarTestForm MakeBarTestForm(int width, int height, const RECT& barRect)
{
    BarTestForm f;
    f.form = CreateTestForm(20, 20, width, height);
    f.number = SkinTestForm(f.form);
    PaintTestFrame(f.number);
    f.host = CreateBarHost(f.form, barRect.left, barRect.top, barRect.right - barRect.left,
                           barRect.bottom - barRect.top);
    return f;
}

LPARAM MouseAt(int x, int y)
{
    return MAKELPARAM(x, y);
}

void Press(HWND bar, int x, int y)
{
    SendMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, MouseAt(x, y));
}

void Release(HWND bar, int x, int y)
{
    SendMessageA(bar, WM_LBUTTONUP, 0, MouseAt(x, y));
}

void ClickAt(HWND bar, int x, int y)
{
    Press(bar, x, y);
    Release(bar, x, y);
}

void HoverAt(HWND bar, int x, int y)
{
    SendMessageA(bar, WM_MOUSEMOVE, 0, MouseAt(x, y));
    SendMessageA(bar, WM_MOUSEHOVER, 0, MouseAt(x, y));
}

void TickFade(HWND bar, int ticks)
{
    for (int i = 0; i < ticks; ++i)
        SendMessageA(bar, WM_TIMER, reinterpret_cast<WPARAM>(bar), 0);
}

std::vector<int>& RecordedClicks()
{
    static std::vector<int> clicks;
    return clicks;
}

std::vector<int>& RecordedSeconds()
{
    static std::vector<int> seconds;
    return seconds;
}

void ClearRecordedCallbacks()
{
    RecordedClicks().clear();
    RecordedSeconds().clear();
}

int RecordClick(const int* arguments, int count)
{
    RecordedClicks().push_back(count > 0 ? arguments[0] : -1);
    return 0;
}

int RecordSecond(const int* arguments, int count)
{
    RecordedSeconds().push_back(count > 0 ? arguments[0] : -1);
    return 0;
}

std::string ProgramPicture(const std::string& file)
{
    std::ifstream in(std::string(BN_PROGRAM_PICTURE_DIR) + "/" + file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ProgramNavPicture(int index)
{
    static const char* const files[kProgramNavPictureCount] = {
        "nav_naming.png", "nav_scoring.png", "nav_favourites.png", "nav_combination.png",
        "nav_poem.png",   "nav_english.png", "nav_nickname.png",   "nav_birth_chart.png"};
    return index >= 0 && index < kProgramNavPictureCount ? ProgramPicture(files[index]) : std::string();
}

NavBarItemOptions PictureItem(const std::string& image, const std::string& caption)
{
    NavBarItemOptions item;
    if (!image.empty())
        item.image = image;
    item.caption = caption;
    return item;
}

std::string SolidPng(int width, int height, uint32_t argb)
{
    GdipBitmap bitmap;
    bitmap.CreateBitmapFromScan0Default(width, height);
    {
        GdipGraphics g;
        g.CreateFromImage(bitmap);
        g.GraphicsClear(argb);
    }
    return bitmap.SaveImageToStream(kImageFormatPng);
}

namespace {

BOOL CALLBACK CountTooltip(HWND window, LPARAM count)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof(name));
    if (lstrcmpiA(name, TOOLTIPS_CLASSA) == 0)
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

}  // namespace

int CountThreadTooltips()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountTooltip, reinterpret_cast<LPARAM>(&count));
    return count;
}

ToolReading ReadTool(HWND tipWindow, HWND owner, int id)
{
    char buffer[256] = {};
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.hwnd = owner;
    info.uId = static_cast<UINT_PTR>(id);
    info.lpszText = buffer;
    ToolReading reading;
    reading.found = SendMessageA(tipWindow, TTM_GETTOOLINFOA, 0, reinterpret_cast<LPARAM>(&info)) != 0;
    reading.rect = info.rect;
    info.lpszText = buffer;
    SendMessageA(tipWindow, TTM_GETTEXTA, sizeof(buffer), reinterpret_cast<LPARAM>(&info));
    reading.text = buffer;
    return reading;
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool PumpUntil(const std::function<bool()>& condition, DWORD milliseconds, const std::function<void()>& again)
{
    const DWORD start = GetTickCount();
    DWORD last = start;
    while (!condition()) {
        const DWORD now = GetTickCount();
        if (now - start > milliseconds)
            return false;
        if (again && now - last >= 150) {
            again();
            last = now;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return true;
}

void MoveMouseTo(int x, int y)
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

POINT ScreenPoint(HWND window, int x, int y)
{
    POINT p = {x, y};
    ClientToScreen(window, &p);
    return p;
}

void MoveMouseOver(HWND window, int x, int y)
{
    const POINT p = ScreenPoint(window, x, y);
    MoveMouseTo(p.x, p.y);
}
