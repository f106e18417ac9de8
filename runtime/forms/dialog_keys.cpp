// The keyboard of dialog boxes for the program's windows, applied by the message loops to each key
// press before it is translated: Tab and Shift+Tab move the focus through the tab stops, Enter presses
// the focused push button or the window's default button, Escape closes a secondary window as its
// close button does, and Shift+F10 or the menu key opens the focused list's menu at its selected row.
//
// IsDialogMessage is not used: on a window that is no dialog it sends Enter and Escape as commands 1
// and 2, which name ordinary units here, and it puts edit boxes into a dialog mode in which Escape
// closes their parent, which here is a container unit.
#include <windows.h>
#include <commctrl.h>

#include "runtime/forms/form.h"
#include "runtime/forms/runtime_internal.h"

namespace forms {
namespace {

bool KeyDown(int key)
{
    return (GetKeyState(key) & 0x8000) != 0;
}

// The focus window's unit; the edit field of a combo box counts as its combo box.
Unit* FocusedUnit(HWND focus)
{
    if (Unit* unit = UnitOfWindow(focus))
        return unit;
    HWND parent = GetParent(focus);
    Unit* combo = parent ? UnitOfWindow(parent) : nullptr;
    return combo && combo->Kind() == UnitKind::ComboBox ? combo : nullptr;
}

// A combo box whose list is dropped down uses Enter and Escape to close it.
bool ComboListOpen(const Unit* unit)
{
    return unit && unit->Kind() == UnitKind::ComboBox && unit->Window() &&
           SendMessageA(unit->Window(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

bool IsPushButton(const Unit* unit)
{
    return unit && (unit->Kind() == UnitKind::Button || unit->Kind() == UnitKind::PictureButton);
}

// Multi-line edit boxes and rich edit boxes type Enter (and, when editable, Tab) into their text.
bool TypesLineBreaks(const Unit* unit)
{
    if (!unit || !unit->Window())
        return false;
    return unit->Kind() == UnitKind::RichEdit ||
           (unit->Kind() == UnitKind::Edit && (GetWindowLongPtrA(unit->Window(), GWL_STYLE) & ES_MULTILINE));
}

bool TypesTabs(const Unit* unit)
{
    return TypesLineBreaks(unit) && !(GetWindowLongPtrA(unit->Window(), GWL_STYLE) & ES_READONLY);
}

// A button press as the button itself reports it, so every handler of the click sees the usual path.
void PressButton(const Unit& button)
{
    HWND window = button.Window();
    SendMessageA(GetParent(window), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(window), BN_CLICKED),
                 reinterpret_cast<LPARAM>(window));
}

Unit* DefaultButton(const Form& form)
{
    for (const auto& unit : form.Units())
        if (IsPushButton(unit.get()) && (UnitAccess::Flags(*unit) & kDefaultButton) && unit->IsAlive() &&
            unit->Window() && IsWindowVisible(unit->Window()) && IsWindowEnabled(unit->Window()))
            return unit.get();
    return nullptr;
}

void MoveFocus(HWND root, HWND focus, bool backwards)
{
    HWND next = GetNextDlgTabItem(root, focus == root ? nullptr : focus, backwards);
    if (!next || next == focus)
        return;
    // As in dialogs, an edit box reached by Tab has its whole text selected.
    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(next, EM_SETSEL, 0, -1);
    SetFocus(next);
}

// The list's menu at its selected row (at its top left corner when no row is selected).
bool OpenListMenu(Form& form, Unit& list)
{
    EventInfo info;
    info.item = list.SelectedRow();
    RECT row = {};
    if (info.item >= 0) {
        row.left = LVIR_BOUNDS;
        SendMessageA(list.Window(), LVM_GETITEMRECT, static_cast<WPARAM>(info.item), reinterpret_cast<LPARAM>(&row));
    }
    info.x = row.left + 12;
    info.y = (row.top + row.bottom) / 2;
    info.button = 2;
    FormAccess::Raise(form, list, EventKind::RightPress, info);
    return true;
}

}  // namespace

bool HandleDialogKey(const MSG& msg)
{
    if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN)
        return false;
    HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    std::shared_ptr<Form> form = root ? FormOfWindow(root) : nullptr;
    if (!form || !form->IsAlive() || !IsWindowEnabled(root))
        return false;
    Unit* focused = FocusedUnit(msg.hwnd);
    const int key = static_cast<int>(msg.wParam);
    const bool alt = msg.message == WM_SYSKEYDOWN || KeyDown(VK_MENU);
    const bool control = KeyDown(VK_CONTROL);
    const bool shift = KeyDown(VK_SHIFT);

    if ((key == VK_APPS && !alt) || (key == VK_F10 && shift && !control)) {
        if (focused && focused->Kind() == UnitKind::ListView && focused->Window() == msg.hwnd)
            return OpenListMenu(*form, *focused);
        return false;
    }
    if (msg.message != WM_KEYDOWN || alt)
        return false;
    switch (key) {
    case VK_TAB:
        if (control || TypesTabs(focused))
            return false;
        MoveFocus(root, msg.hwnd, shift);
        return true;
    case VK_RETURN:
        if (ComboListOpen(focused) || TypesLineBreaks(focused))
            return false;
        if (IsPushButton(focused)) {
            PressButton(*focused);
            return true;
        }
        if (Unit* button = DefaultButton(*form)) {
            PressButton(*button);
            return true;
        }
        return false;
    case VK_ESCAPE:
        if (ComboListOpen(focused))
            return false;
        if (!(FormAccess::Flags(*form) & kFormMain))
            SendMessageA(root, WM_SYSCOMMAND, SC_CLOSE, 0);
        // The main window stays; the key reaches no edit box, which would close its container.
        return true;
    default:
        return false;
    }
}

}  // namespace forms
