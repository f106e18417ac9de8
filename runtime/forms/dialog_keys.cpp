// The keyboard of dialog boxes for the program's windows, applied by the message loops to each key
// press before it is translated: Tab and Shift+Tab move the focus through the tab stops (tab_order.h),
// the arrow keys move within a radio group and check, Ctrl+Tab, Ctrl+Shift+Tab, Ctrl+PageDown and
// Ctrl+PageUp switch the pages of a tab control, Enter presses the focused push button or the window's
// default button, Escape closes a secondary window as its close button does, and Shift+F10 or the menu
// key opens the focused list's menu at its selected row.
//
// IsDialogMessage is not used: on a window that is no dialog it sends Enter and Escape as commands 1
// and 2, which name ordinary units here, and it puts edit boxes into a dialog mode in which Escape
// closes their parent, which here is a container unit.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runtime/forms/form.h"
#include "runtime/forms/runtime_internal.h"
#include "runtime/forms/tab_order.h"

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

bool IsComboBox(HWND window)
{
    char name[16] = {};
    return window && GetClassNameA(window, name, sizeof name) && lstrcmpiA(name, "ComboBox") == 0;
}

// A combo box whose list is dropped down uses Enter and Escape to close it; the focus may be on the
// combo box or its edit field, a unit or a part of one (the lists of a lunar date box).
bool ComboListOpen(HWND focus)
{
    HWND combo = IsComboBox(focus) ? focus : IsComboBox(GetParent(focus)) ? GetParent(focus) : nullptr;
    return combo && SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0) != 0;
}

bool IsPushButton(const Unit* unit)
{
    return unit && (unit->Kind() == UnitKind::Button || unit->Kind() == UnitKind::PictureButton);
}

bool IsTextBox(const Unit* unit)
{
    return unit && (unit->Kind() == UnitKind::Edit || unit->Kind() == UnitKind::RichEdit);
}

// Multi-line edit boxes and rich edit boxes type Enter into their text.
bool TypesLineBreaks(const Unit* unit)
{
    if (!unit || !unit->Window())
        return false;
    return unit->Kind() == UnitKind::RichEdit ||
           (unit->Kind() == UnitKind::Edit && (GetWindowLongPtrA(unit->Window(), GWL_STYLE) & ES_MULTILINE));
}

// Only a box that asks for Tab (a rich edit box does, a multi-line edit box does not) types it, and
// only while it is editable; from every other box Tab goes on to the next control, so no tab
// character ends up in a text by accident. No message is passed: that would put the box into its
// dialog mode.
bool TypesTabs(const Unit* unit)
{
    return IsTextBox(unit) && unit->Window() &&
           (SendMessageA(unit->Window(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB) &&
           !(GetWindowLongPtrA(unit->Window(), GWL_STYLE) & ES_READONLY);
}

// A control of the program's own drawing (the navigation bar) may use Enter itself, and says so when
// asked about the key. Edit boxes are not asked (see TypesTabs).
bool WantsKey(HWND window, const Unit* unit, const MSG& msg)
{
    char name[16] = {};
    GetClassNameA(window, name, sizeof name);
    if (IsTextBox(unit) || (unit && unit->Kind() == UnitKind::ComboBox) || lstrcmpiA(name, "Edit") == 0 ||
        std::string(name).rfind("RichEdit", 0) == 0)
        return false;
    MSG copy = msg;
    return (SendMessageA(window, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&copy)) & DLGC_WANTMESSAGE) != 0;
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

void FocusControl(HWND next)
{
    // As in dialogs, an edit box reached by the keyboard has its whole text selected.
    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
        SendMessageA(next, EM_SETSEL, 0, -1);
    SetFocus(next);
}

void MoveFocus(HWND root, HWND focus, bool backwards)
{
    HWND next = NextTabStop(root, focus, backwards);
    if (next && next != focus)
        FocusControl(next);
}

// The arrow keys in a radio group: the next usable radio round the group takes the focus and is
// checked, as a click on it would check it.
bool MoveInRadioGroup(HWND focus, bool backwards)
{
    const std::vector<HWND> group = RadioGroupOf(focus);
    const auto at = std::find(group.begin(), group.end(), focus);
    if (at == group.end())
        return false;
    const int count = static_cast<int>(group.size());
    const int from = static_cast<int>(at - group.begin());
    for (int n = 1; n < count; ++n) {
        HWND next = group[static_cast<size_t>(((from + (backwards ? -n : n)) % count + count) % count)];
        if (!IsWindowVisible(next) || !IsWindowEnabled(next))
            continue;
        SetFocus(next);
        for (HWND member : group)
            if (member != next && SendMessageA(member, BM_GETCHECK, 0, 0) != BST_UNCHECKED)
                SendMessageA(member, BM_SETCHECK, BST_UNCHECKED, 0);
        SendMessageA(next, BM_SETCHECK, BST_CHECKED, 0);
        SendMessageA(GetParent(next), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(next), BN_CLICKED),
                     reinterpret_cast<LPARAM>(next));
        return true;
    }
    return true;
}

bool ShowsTabs(const Unit& unit)
{
    return unit.Kind() == UnitKind::TabControl && unit.IsAlive() && unit.Window() &&
           IsWindowVisible(unit.Window()) && IsWindowEnabled(unit.Window()) && unit.PageCount() > 0 &&
           !(UnitAccess::Flags(unit) & kNoTabRow);
}

// The tab control whose pages Ctrl+Tab turns: the nearest one around the focus that shows its tabs,
// else the window's first one that does.
Unit* PagedTabControl(const Form& form, HWND focus)
{
    for (HWND w = focus; w && w != form.Window(); w = GetParent(w))
        if (Unit* unit = UnitOfWindow(w); unit && ShowsTabs(*unit))
            return unit;
    for (const auto& unit : form.Units())
        if (ShowsTabs(*unit))
            return unit.get();
    return nullptr;
}

// The tab control shows its next (previous) page round its pages, as a click on that tab does. A focus
// left on the page that went away goes to the tabs.
bool TurnPage(const Form& form, HWND focus, bool backwards)
{
    Unit* tabs = PagedTabControl(form, focus);
    if (!tabs)
        return false;
    HWND window = tabs->Window();
    const int count = tabs->PageCount();
    const int page = ((tabs->CurrentPage() + (backwards ? -1 : 1)) % count + count) % count;
    // The notifications a click on the tab sends, so the page changes by the same path (and the
    // skin repaints the tabs).
    NMHDR note = {};
    note.hwndFrom = window;
    note.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(window));
    note.code = TCN_SELCHANGING;
    HWND parent = GetParent(window);
    if (SendMessageA(parent, WM_NOTIFY, note.idFrom, reinterpret_cast<LPARAM>(&note)))
        return true;
    SendMessageA(window, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    note.code = TCN_SELCHANGE;
    SendMessageA(parent, WM_NOTIFY, note.idFrom, reinterpret_cast<LPARAM>(&note));
    HWND now = GetFocus();
    if (!now || !IsWindowVisible(now) || !IsWindowEnabled(now))
        SetFocus(tabs->Window());
    return true;
}

// Escape in a multi-line box of the main window leaves the box for the tabs of its page (or else the
// next control), as Tab would leave it.
void LeaveTextBox(const Form& form, HWND root, HWND focus)
{
    for (HWND w = GetParent(focus); w && w != root; w = GetParent(w))
        if (Unit* unit = UnitOfWindow(w); unit && unit->Owner() == &form && ShowsTabs(*unit)) {
            SetFocus(unit->Window());
            return;
        }
    MoveFocus(root, focus, false);
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
    // With no focus at all the system hands every key to the active window as a system key: without
    // Alt held it is an ordinary press, so Tab still finds a control.
    const bool alt = KeyDown(VK_MENU) || (msg.message == WM_SYSKEYDOWN && GetFocus());
    const bool control = KeyDown(VK_CONTROL);
    const bool shift = KeyDown(VK_SHIFT);

    if ((key == VK_APPS && !alt) || (key == VK_F10 && shift && !control)) {
        if (focused && focused->Kind() == UnitKind::ListView && focused->Window() == msg.hwnd)
            return OpenListMenu(*form, *focused);
        return false;
    }
    if (alt)
        return false;
    switch (key) {
    case VK_TAB:
        // Without pages to turn Ctrl+Tab still types no tab into a box that does not ask for it (the
        // system's edit box takes Ctrl+Tab for a tab character).
        if (control)
            return TurnPage(*form, msg.hwnd, shift) || !TypesTabs(focused);
        if (TypesTabs(focused))
            return false;
        MoveFocus(root, msg.hwnd, shift);
        return true;
    case VK_NEXT:
    case VK_PRIOR:
        return control && !ComboListOpen(msg.hwnd) && TurnPage(*form, msg.hwnd, key == VK_PRIOR);
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
        if (control || !IsRadioButton(msg.hwnd))
            return false;
        return MoveInRadioGroup(msg.hwnd, key == VK_LEFT || key == VK_UP);
    case VK_RETURN:
        if (ComboListOpen(msg.hwnd) || TypesLineBreaks(focused) || WantsKey(msg.hwnd, focused, msg))
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
        if (ComboListOpen(msg.hwnd))
            return false;
        if (!(FormAccess::Flags(*form) & kFormMain))
            SendMessageA(root, WM_SYSCOMMAND, SC_CLOSE, 0);
        else if (TypesLineBreaks(focused))
            LeaveTextBox(*form, root, msg.hwnd);
        // The main window stays; the key reaches no edit box, which would close its container.
        return true;
    default:
        return false;
    }
}

}  // namespace forms
