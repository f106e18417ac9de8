#include "skin/controls/button_family.h"

#include <memory>

#include "skin/controls/button_painters.h"
#include "skin/controls/control_framework.h"

namespace {

constexpr char kButtonClass[] = "Button";
constexpr LONG_PTR kOwnerDraw = BS_OWNERDRAW;  // 0xB: all three bits present

LONG_PTR StyleOf(HWND window)
{
    return GetWindowLongPtrA(window, GWL_STYLE);
}

bool IsOwnerDrawn(LONG_PTR style)
{
    return HasStyleBits(style, kOwnerDraw);
}

bool IsIndicatorKind(int kind)
{
    return kind == kButtonKindRadio || kind == kButtonKindCheckBox;
}

// The native code paints a disabled button without asking its parent: the disabled look comes from the
// window itself, whatever state the caller names.
void PaintIndicator(HWND window, int kind, UINT state)
{
    if (!IsWindowEnabled(window))
        state |= ODS_DISABLED;
    if (kind == kButtonKindRadio)
        PaintRadioButton(window, state);
    else
        PaintCheckBox(window, state);
}

// Radio buttons and check boxes: the native code handles the message first (press, check, space key),
// then the new look is painted.
LRESULT PassThenPaintIndicator(HWND window, WNDPROC previous, UINT message, WPARAM wParam, LPARAM lParam, int kind)
{
    CallRecordedProc(previous, window, message, wParam, lParam);
    PaintIndicator(window, kind, kind == kButtonKindRadio ? ODS_SELECTED : 0);
    return DefWindowProcA(window, message, wParam, lParam);
}

// A record for a button of the given kind, its caption and font taken from the control.
std::unique_ptr<SkinButtonRecord> MakeRecord(HWND button, int kind)
{
    auto record = std::make_unique<SkinButtonRecord>();
    record->hwnd = button;
    record->kind = kind;
    record->caption = GetWindowTextAsText(button);
    ControlFontInfo font = GetControlFontInfo(button);
    record->fontFace = font.face;
    record->fontSize = font.size;
    record->fontStyle = font.style;
    return record;
}

// The direct "BUTTON" children of the parent not yet in the form's button list and not owner-drawn,
// each passed to `take` with its style.
template <class Take>
void VisitNewButtons(int formNumber, HWND parent, Take take)
{
    ForEachNewChild(formNumber, parent, kButtonClass, &SkinFormRecord::buttons, [&](HWND child) {
        const LONG_PTR style = StyleOf(child);
        if (!IsOwnerDrawn(style))
            take(child, style);
    });
}

}  // namespace

bool IsPushButtonStyle(HWND window)
{
    const LONG_PTR style = StyleOf(window);
    return !HasStyleBits(style, 0x2) && !(HasStyleBits(style, 0x1) && HasStyleBits(style, 0x8)) && !HasStyleBits(style, 0x4);
}

bool IsAutoRadioStyle(HWND window)
{
    const LONG_PTR style = StyleOf(window);
    return !HasStyleBits(style, 0x2) && HasStyleBits(style, 0x1) && HasStyleBits(style, 0x8) && !HasStyleBits(style, 0x4);
}

bool IsCheckBoxStyle(HWND window)
{
    const LONG_PTR style = StyleOf(window);
    return HasStyleBits(style, 0x2) && !HasStyleBits(style, 0x4);
}

int FindButtonRecord(int formNumber, HWND window)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    return form ? FindListIndex(form->buttons, window) : 0;
}

void SkinPushButtons(int formNumber, HWND parent)
{
    VisitNewButtons(formNumber, parent, [formNumber](HWND child, LONG_PTR style) {
        if (!IsPushButtonStyle(child))
            return;
        RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->buttons, MakeRecord(child, kButtonKindPush),
                               ButtonWindowProc);
        // The native button now asks its parent to draw it (WM_DRAWITEM); a default push button loses
        // its default type, every other style bit stays.
        SetWindowLongPtrA(child, GWL_STYLE, style | kOwnerDraw);
    });
}

void SkinCheckAndRadioButtons(int formNumber, HWND parent)
{
    VisitNewButtons(formNumber, parent, [formNumber](HWND child, LONG_PTR) {
        int kind = 0;
        if (IsCheckBoxStyle(child))
            kind = kButtonKindCheckBox;
        else if (IsAutoRadioStyle(child))
            kind = kButtonKindRadio;
        else
            return;
        RegisterSkinnedControl(formNumber, SkinFormAt(formNumber)->buttons, MakeRecord(child, kind),
                               ButtonWindowProc);
    });
}

void PaintButtonByKind(HWND window, UINT state, bool hot)
{
    const SkinButtonRecord* button = FindOwnRecord(window, &SkinFormRecord::buttons);
    if (!button)
        return;
    if (hot)
        state |= ODS_HOTLIGHT;
    switch (button->kind) {
    case kButtonKindPush: {
        RECT rect = {};
        GetClientRect(window, &rect);
        HDC dc = GetDC(window);
        PaintPushButton(window, dc, state, rect);
        ReleaseDC(window, dc);
        break;
    }
    case kButtonKindRadio:
    case kButtonKindCheckBox:
        PaintIndicator(window, button->kind, state);
        break;
    default:
        break;
    }
}

LRESULT CALLBACK ButtonWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const OwnRecord<SkinButtonRecord> own = LookUpOwnRecord(window, &SkinFormRecord::buttons);
    if (!own.record)
        return CallPreviousProc(window, message, wParam, lParam);
    SkinButtonRecord* button = own.record;
    SkinFormRecord* form = own.form;
    const WNDPROC previous = button->previousProc;
    const int kind = button->kind;
    const bool indicator = IsIndicatorKind(kind);

    switch (message) {
    case WM_MOUSEMOVE:
        if (EnterControlHover(window, *form, own.listIndex, kHoverButtons))
            PaintButtonByKind(window, 0, true);
        break;
    case WM_MOUSELEAVE:
        form->prevHotIndex = 0;
        PaintButtonByKind(window, button->focused ? ODS_FOCUS : 0, false);
        break;
    case WM_WINDOWPOSCHANGING:
        MarkContainerDirty(window);
        break;
    case WM_MOVE:
        InvalidateRect(window, nullptr, TRUE);
        break;
    case WM_LBUTTONDOWN:
        button->pressed = true;
        if (indicator)
            return PassThenPaintIndicator(window, previous, message, wParam, lParam, kind);
        break;
    case WM_LBUTTONUP:
        button->pressed = false;
        // The next mouse move paints the button hot again.
        form->prevHotIndex = 0;
        break;
    case WM_ERASEBKGND:
        return EraseWithTextColour(window, wParam);
    case WM_PAINT:
        // A push button's native code asks its parent to draw it (WM_DRAWITEM).
        if (indicator) {
            PAINTSTRUCT ps;
            BeginPaint(window, &ps);
            PaintIndicator(window, kind, 0);
            EndPaint(window, &ps);
            return DefWindowProcA(window, message, wParam, lParam);
        }
        break;
    case WM_SETFOCUS:
        button->focused = true;
        break;
    case WM_KILLFOCUS:
        button->focused = false;
        break;
    case WM_SETTEXT:
        // A null text is a legal way to clear the caption.
        button->caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
        break;
    case WM_NCPAINT:
        return 1;
    case WM_LBUTTONDBLCLK:
        // The second press of a double click neither presses nor clicks the button.
        return 0;
    case BM_SETCHECK:
    case WM_ENABLE:
        if (indicator)
            return PassThenPaintIndicator(window, previous, message, wParam, lParam, kind);
        if (message == WM_ENABLE)
            InvalidateRect(window, nullptr, TRUE);  // the disabled look comes and goes with the state
        break;
    case WM_KEYDOWN:
        if (indicator && wParam == VK_SPACE)
            return PassThenPaintIndicator(window, previous, message, wParam, lParam, kind);
        break;
    case BM_SETSTATE:
        // While the mouse button is down the native code must not drop the pushed look.
        if (wParam == 0 && button->pressed)
            return 0;
        break;
    default:
        break;
    }
    return CallRecordedProc(previous, window, message, wParam, lParam);
}
