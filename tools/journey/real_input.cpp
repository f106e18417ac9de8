#include "tools/journey/real_input.h"

#include <cstdlib>
#include <vector>

namespace journey {
namespace {

void SendKey(WORD key, bool up)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
    Sleep(5);
}

void SendMouse(DWORD flags, POINT screen)
{
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, width) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, height) + 1;
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

std::wstring GbkToWide(const std::string& gbk)
{
    const int length = MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(936, 0, gbk.data(), static_cast<int>(gbk.size()), &wide[0], length);
    return wide;
}

std::string WideToGbk(const std::wstring& wide)
{
    const int length = WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                           nullptr);
    std::string gbk(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(936, 0, wide.data(), static_cast<int>(wide.size()), &gbk[0], length, nullptr, nullptr);
    return gbk;
}

// The last separate click: a click of the same button at the same place within the double-click time
// would be the second half of a double-click (a right-click soon after choosing from its menu, say).
struct LastClick {
    MouseButton button = MouseButton::Left;
    POINT at = {-1000, -1000};
    DWORD time = 0;
};
LastClick g_lastClick;

void WaitOutDoubleClick(POINT screen, MouseButton button)
{
    const bool nearby = std::abs(screen.x - g_lastClick.at.x) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
                      std::abs(screen.y - g_lastClick.at.y) <= GetSystemMetrics(SM_CYDOUBLECLK);
    const DWORD since = GetTickCount() - g_lastClick.time;
    const DWORD wait = GetDoubleClickTime() + 50;
    if (nearby && button == g_lastClick.button && since < wait)
        Sleep(wait - since);
}

}  // namespace

void MovePointer(POINT screen)
{
    SendMouse(0, screen);
    Sleep(20);
}

void ClickAt(POINT screen, MouseButton button, int clicks)
{
    WaitOutDoubleClick(screen, button);
    MovePointer(screen);
    const DWORD down = button == MouseButton::Left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    const DWORD up = button == MouseButton::Left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    for (int i = 0; i < clicks; ++i) {
        SendMouse(down, screen);
        Sleep(15);
        SendMouse(up, screen);
        Sleep(15);
    }
    g_lastClick = {button, screen, GetTickCount()};
}

void HoldAt(POINT screen, int milliseconds)
{
    WaitOutDoubleClick(screen, MouseButton::Left);
    MovePointer(screen);
    SendMouse(MOUSEEVENTF_LEFTDOWN, screen);
    Sleep(static_cast<DWORD>(milliseconds));
    SendMouse(MOUSEEVENTF_LEFTUP, screen);
    Sleep(15);
    g_lastClick = {MouseButton::Left, screen, GetTickCount()};
}

void WheelAt(POINT screen, int notches)
{
    MovePointer(screen);
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    SendInput(1, &input, sizeof input);
    Sleep(20);
}

void PressKey(WORD key, WORD modifier, WORD secondModifier)
{
    if (modifier)
        SendKey(modifier, false);
    if (secondModifier)
        SendKey(secondModifier, false);
    SendKey(key, false);
    SendKey(key, true);
    if (secondModifier)
        SendKey(secondModifier, true);
    if (modifier)
        SendKey(modifier, true);
}

bool SetClipboardGbk(const std::string& gbk)
{
    const std::wstring wide = GbkToWide(gbk);
    const size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes);
    if (!memory)
        return false;
    void* target = GlobalLock(memory);
    memcpy(target, wide.c_str(), bytes);
    GlobalUnlock(memory);
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(nullptr)) {
            EmptyClipboard();
            const bool set = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
            CloseClipboard();
            if (!set)
                GlobalFree(memory);
            return set;
        }
        Sleep(25);
    }
    GlobalFree(memory);
    return false;
}

std::string ClipboardGbk()
{
    std::string text;
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (!OpenClipboard(nullptr)) {
            Sleep(25);
            continue;
        }
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* wide = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = WideToGbk(wide);
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        break;
    }
    return text;
}

bool PasteText(const std::string& gbk)
{
    if (!SetClipboardGbk(gbk))
        return false;
    PressKey('V', VK_CONTROL);
    return true;
}

void TypeAscii(const std::string& text)
{
    for (char c : text) {
        const SHORT key = VkKeyScanA(c);
        if (key == -1)
            continue;
        PressKey(LOBYTE(key), (HIBYTE(key) & 1) ? VK_SHIFT : 0);
    }
}

}  // namespace journey
