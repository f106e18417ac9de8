#include "skin/custom/tooltip.h"

#include <commctrl.h>

namespace {

constexpr int kMaxTipWidth = 600;

// The first-version layout every tool message carries, whatever the size the headers default to
// (a larger cbSize on x64 registers a garbage tool).
TTTOOLINFOA ToolInfo(HWND owner, int id, const RECT& rect, const char* text)
{
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    // No TTF_SUBCLASS: the owner's procedure relays its mouse messages.
    info.uFlags = 0;
    info.hwnd = owner;
    info.uId = static_cast<UINT_PTR>(id);
    info.rect = rect;
    info.hinst = nullptr;
    // The tooltip copies the text when it takes the message.
    info.lpszText = const_cast<char*>(text);
    return info;
}

LRESULT SendTool(HWND tipWindow, UINT message, const TTTOOLINFOA& info)
{
    return tipWindow ? SendMessageA(tipWindow, message, 0, reinterpret_cast<LPARAM>(&info)) : 0;
}

}  // namespace

HWND ToolTipClass::Create(HWND ownerWindow, bool balloon)
{
    owner = ownerWindow;
    DWORD style = TTS_ALWAYSTIP | (balloon ? TTS_BALLOON : 0);
    // Owned by the owner window, so it is destroyed with it.
    tipWindow = CreateWindowExA(0, TOOLTIPS_CLASSA, "", style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                CW_USEDEFAULT, ownerWindow, nullptr, GetModuleHandleA(nullptr), nullptr);
    SetMaxWidth(kMaxTipWidth);
    return tipWindow;
}

void ToolTipClass::AddTool(std::optional<RECT> rect, const std::string& text, int id) const
{
    if (!tipWindow)
        return;
    if (!rect) {
        rect = RECT{};
        GetClientRect(owner, &*rect);
    }
    SendTool(tipWindow, TTM_ADDTOOLA, ToolInfo(owner, id, *rect, text.c_str()));
}

void ToolTipClass::AddCallbackTool(const RECT& rect, int id) const
{
    SendTool(tipWindow, TTM_ADDTOOLA, ToolInfo(owner, id, rect, LPSTR_TEXTCALLBACKA));
}

LRESULT ToolTipClass::SetBackColour(COLORREF colour) const
{
    return tipWindow ? SendMessageA(tipWindow, TTM_SETTIPBKCOLOR, colour, 0) : 0;
}

LRESULT ToolTipClass::SetTextColour(COLORREF colour) const
{
    return tipWindow ? SendMessageA(tipWindow, TTM_SETTIPTEXTCOLOR, colour, 0) : 0;
}

LRESULT ToolTipClass::SetMaxWidth(int width) const
{
    return tipWindow ? SendMessageA(tipWindow, TTM_SETMAXTIPWIDTH, 0, width) : 0;
}

void ToolTipClass::DeleteTool(int id) const
{
    SendTool(tipWindow, TTM_DELTOOLA, ToolInfo(owner, id, RECT{}, nullptr));
}

void ToolTipClass::SetToolRect(int id, const RECT& rect) const
{
    SendTool(tipWindow, TTM_NEWTOOLRECTA, ToolInfo(owner, id, rect, nullptr));
}

void ToolTipClass::UpdateTipText(int id, const std::string& text) const
{
    SendTool(tipWindow, TTM_UPDATETIPTEXTA, ToolInfo(owner, id, RECT{}, text.c_str()));
}

void ToolTipClass::RelayMouseMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    if (!tipWindow || message < WM_MOUSEFIRST || message > WM_MOUSELAST)
        return;
    MSG relayed = {};
    relayed.hwnd = owner;
    relayed.message = message;
    relayed.wParam = wParam;
    relayed.lParam = lParam;
    relayed.time = static_cast<DWORD>(GetMessageTime());
    const DWORD at = GetMessagePos();
    relayed.pt = POINT{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    SendMessageA(tipWindow, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relayed));
}

void ToolTipClass::DestroyTipWindow()
{
    if (tipWindow && IsWindow(tipWindow))
        DestroyWindow(tipWindow);
    tipWindow = nullptr;
}
