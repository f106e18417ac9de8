#include "skin/custom/tooltip.h"

#include <commctrl.h>

namespace {

constexpr int kMaxTipWidth = 600;

// The first-version layout every tool message carries, whatever the size the headers default to.
TTTOOLINFOA ToolInfo(HWND owner, int id, const RECT& rect, const std::string* text)
{
    TTTOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_SUBCLASS;
    info.hwnd = owner;
    info.uId = static_cast<UINT_PTR>(id);
    info.rect = rect;
    info.hinst = nullptr;
    // The tooltip copies the text when it takes the message.
    info.lpszText = text ? const_cast<char*>(text->c_str()) : nullptr;
    return info;
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

void ToolTipClass::AddTool(const RECT& rect, const std::string& text, int id) const
{
    if (!tipWindow)
        return;
    TTTOOLINFOA info = ToolInfo(owner, id, rect, &text);
    SendMessageA(tipWindow, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTipClass::AddTool(const std::string& text, int id) const
{
    RECT client = {};
    GetClientRect(owner, &client);
    AddTool(client, text, id);
}

void ToolTipClass::SetToolRect(int id, const RECT& rect) const
{
    if (!tipWindow)
        return;
    TTTOOLINFOA info = ToolInfo(owner, id, rect, nullptr);
    SendMessageA(tipWindow, TTM_NEWTOOLRECTA, 0, reinterpret_cast<LPARAM>(&info));
}

void ToolTipClass::UpdateTipText(int id, const std::string& text) const
{
    if (!tipWindow)
        return;
    TTTOOLINFOA info = ToolInfo(owner, id, RECT{}, &text);
    SendMessageA(tipWindow, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
}

LRESULT ToolTipClass::SetMaxWidth(int width) const
{
    return tipWindow ? SendMessageA(tipWindow, TTM_SETMAXTIPWIDTH, 0, width) : 0;
}
