// Hyperlink label: its text underlined in the link colour, a hand cursor, and a click that opens its
// address in the browser (through the platform actions) before the parent hears of the click.
#include "runtime/forms/own_control_procs.h"
#include "runtime/forms/own_controls.h"
#include "runtime/forms/platform_actions.h"

#include <vector>

namespace forms {
namespace {

struct LinkState {
    std::string address;
    COLORREF colour = RGB(0, 0, 255);
    HFONT font = nullptr;       // the font given by WM_SETFONT
    HFONT underlined = nullptr; // made from it
    bool pressed = false;
};

LinkState* Link(HWND window)
{
    return StateOf<LinkState>(window, kHyperlinkClass);
}

void SetFont(LinkState& state, HFONT font)
{
    state.font = font;
    if (state.underlined)
        DeleteObject(state.underlined);
    LOGFONTA description = {};
    GetObjectA(font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT), sizeof description,
               &description);
    description.lfUnderline = TRUE;
    state.underlined = CreateFontIndirectA(&description);
}

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    return text.data();
}

void Paint(HWND window, LinkState& state)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    RECT client;
    GetClientRect(window, &client);
    // The parent decides the background, as it does for labels (transparent labels get none).
    auto brush = reinterpret_cast<HBRUSH>(SendMessageA(GetParent(window), WM_CTLCOLORSTATIC,
                                                       reinterpret_cast<WPARAM>(dc),
                                                       reinterpret_cast<LPARAM>(window)));
    if (brush)
        FillRect(dc, &client, brush);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, state.colour);
    if (!state.underlined)
        SetFont(state, state.font);
    HGDIOBJ old = SelectObject(dc, state.underlined);
    const std::string text = WindowText(window);
    DrawTextA(dc, text.c_str(), -1, &client, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, old);
    EndPaint(window, &paint);
}

}  // namespace

LRESULT CALLBACK HyperlinkProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    LinkState* state = reinterpret_cast<LinkState*>(GetWindowLongPtrA(window, 0));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(new LinkState));
        break;
    case WM_SETFONT:
        if (state) {
            SetFont(*state, reinterpret_cast<HFONT>(wParam));
            if (LOWORD(lParam))
                InvalidateRect(window, nullptr, TRUE);
        }
        return 0;
    case WM_GETFONT:
        return state ? reinterpret_cast<LRESULT>(state->font) : 0;
    case WM_SETTEXT: {
        const LRESULT result = DefWindowProcA(window, message, wParam, lParam);
        InvalidateRect(window, nullptr, TRUE);
        return result;
    }
    case WM_PAINT:
        if (state) {
            Paint(window, *state);
            return 0;
        }
        break;
    case WM_ERASEBKGND:
        return 1;
    case WM_SETCURSOR:
        SetCursor(LoadCursor(nullptr, IDC_HAND));
        return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
        if (state && TrackClick(window, message, lParam, state->pressed)) {
            OpenUrl(state->address.empty() ? WindowText(window) : state->address);
            if (IsWindow(window))
                NotifyParent(window, kOwnClicked);
        }
        return 0;
    case WM_NCDESTROY:
        if (state) {
            if (state->underlined)
                DeleteObject(state->underlined);
            delete state;
            SetWindowLongPtrA(window, 0, 0);
        }
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

bool HyperlinkSetAddress(HWND window, const std::string& address)
{
    LinkState* state = Link(window);
    if (!state)
        return false;
    state->address = address;
    return true;
}

std::string HyperlinkAddress(HWND window)
{
    LinkState* state = Link(window);
    if (!state)
        return {};
    return state->address.empty() ? WindowText(window) : state->address;
}

bool HyperlinkSetColour(HWND window, COLORREF colour)
{
    LinkState* state = Link(window);
    if (!state)
        return false;
    state->colour = colour;
    InvalidateRect(window, nullptr, TRUE);
    return true;
}

}  // namespace forms
