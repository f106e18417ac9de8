#include "runtime/forms/static_backgrounds.h"

#include <string>

#include "runtime/forms/runtime_internal.h"
#include "runtime/forms/unit.h"

namespace forms {
namespace {

// The label's text as the native static draws it: its font and colour, aligned by its style,
// wrapped at words.
void DrawLabelText(Unit& unit, HWND window, HDC dc, RECT area)
{
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return;
    std::string text(static_cast<size_t>(length) + 1, '\0');
    text.resize(static_cast<size_t>(GetWindowTextA(window, &text[0], length + 1)));
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    UINT format = DT_EXPANDTABS | DT_WORDBREAK;
    if ((style & SS_TYPEMASK) == SS_CENTER)
        format |= DT_CENTER;
    else if ((style & SS_TYPEMASK) == SS_RIGHT)
        format |= DT_RIGHT;
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    const long colour = unit.TextColour();
    SetTextColor(dc, !IsWindowEnabled(window)   ? GetSysColor(COLOR_GRAYTEXT)
                     : colour == kDefaultColour ? GetSysColor(COLOR_WINDOWTEXT)
                                                : static_cast<COLORREF>(colour));
    SetBkMode(dc, TRANSPARENT);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, format);
    if (old)
        SelectObject(dc, old);
}

void Paint(Unit& unit, HWND window, HDC dc)
{
    RECT area;
    GetClientRect(window, &area);
    HBRUSH brush = UnitAccess::BackBrush(unit);
    if (!brush) {
        // What the parent gives its statics: under a skin, the picture behind the control.
        brush = reinterpret_cast<HBRUSH>(
            SendMessageA(GetParent(window), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(window)));
    }
    if (brush)
        FillRect(dc, &area, brush);
    if (unit.Kind() == UnitKind::Label)
        DrawLabelText(unit, window, dc, area);
}

}  // namespace

bool PaintsOwnBackground(const Unit& unit)
{
    if (unit.Kind() == UnitKind::Label)
        return UnitAccess::BackBrush(unit) != nullptr;
    return unit.Kind() == UnitKind::PictureBox && unit.Picture().empty();
}

void PaintOwnBackground(Unit& unit, HWND window, WPARAM wParam)
{
    if (wParam) {
        Paint(unit, window, reinterpret_cast<HDC>(wParam));
        return;
    }
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (dc)
        Paint(unit, window, dc);
    EndPaint(window, &ps);
}

}  // namespace forms
