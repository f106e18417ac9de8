// From native messages to unit events. Standard controls report to their parent window, which is the
// form or a container unit (group box, tab control, picture box, drawing panel); both hand those
// reports here. Mouse and focus messages are seen in the units' own subclass procedure.
#include <windows.h>
#include <commctrl.h>

#include "runtime/forms/form.h"
#include "runtime/forms/own_controls.h"
#include "runtime/forms/bounded_paste.h"
#include "runtime/forms/runtime_internal.h"
#include "runtime/forms/static_backgrounds.h"

namespace forms {
namespace {

// Check boxes of a check list box are drawn this wide at the start of each item.
int CheckAreaWidth(HWND list)
{
    return static_cast<int>(SendMessageA(list, LB_GETITEMHEIGHT, 0, 0));
}

void DrawCheckListItem(const DRAWITEMSTRUCT& draw)
{
    if (draw.itemID == static_cast<UINT>(-1))
        return;
    const bool selected = (draw.itemState & ODS_SELECTED) != 0;
    RECT row = draw.rcItem;
    FillRect(draw.hDC, &row, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const int box = row.bottom - row.top;
    RECT check = {row.left + 1, row.top + 1, row.left + box - 1, row.bottom - 1};
    const bool checked = SendMessageA(draw.hwndItem, LB_GETITEMDATA, draw.itemID, 0) != 0;
    DrawFrameControl(draw.hDC, &check, DFC_BUTTON, DFCS_BUTTONCHECK | (checked ? DFCS_CHECKED : 0));
    const LRESULT length = SendMessageA(draw.hwndItem, LB_GETTEXTLEN, draw.itemID, 0);
    std::string text(length > 0 ? static_cast<size_t>(length) : 0, '\0');
    if (length > 0)
        SendMessageA(draw.hwndItem, LB_GETTEXT, draw.itemID, reinterpret_cast<LPARAM>(&text[0]));
    RECT textArea = row;
    textArea.left += box + 2;
    SetBkMode(draw.hDC, TRANSPARENT);
    SetTextColor(draw.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    DrawTextA(draw.hDC, text.c_str(), static_cast<int>(text.size()), &textArea,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (draw.itemState & ODS_FOCUS)
        DrawFocusRect(draw.hDC, &row);
}

// The colours of a unit's WM_CTLCOLOR* answer; false leaves the answer to the default handling.
bool ColourChild(Unit& child, UINT message, HDC dc, LRESULT& result)
{
    const bool transparent = child.Kind() == UnitKind::TransparentLabel;
    const long text = child.TextColour();
    HBRUSH back = UnitAccess::BackBrush(child);
    if (!transparent && !back && text == kDefaultColour)
        return false;
    if (text != kDefaultColour)
        SetTextColor(dc, static_cast<COLORREF>(text));
    else
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    if (transparent) {
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        return true;
    }
    if (back) {
        SetBkColor(dc, static_cast<COLORREF>(child.BackColour()));
        result = reinterpret_cast<LRESULT>(back);
        return true;
    }
    const int system = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX ? COLOR_WINDOW : COLOR_BTNFACE;
    SetBkColor(dc, GetSysColor(system));
    result = reinterpret_cast<LRESULT>(GetSysColorBrush(system));
    return true;
}

// A combo box reports a new selection before its edit field shows it: show it first, so handlers
// read the new text.
void ShowComboSelection(Unit& combo)
{
    HWND window = combo.Window();
    if ((GetWindowLongPtrA(window, GWL_STYLE) & 3) == CBS_DROPDOWNLIST)
        return;
    const int index = static_cast<int>(SendMessageA(window, CB_GETCURSEL, 0, 0));
    if (index < 0)
        return;
    UnitAccess::SyncingText(combo) = true;
    SetWindowTextA(window, combo.ItemText(index).c_str());
    UnitAccess::SyncingText(combo) = false;
}

}  // namespace

bool Form::RouteChildMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    result = 0;
    switch (message) {
    case WM_COMMAND: {
        Unit* child = UnitFromWindow(reinterpret_cast<HWND>(lParam));
        if (!child)
            return false;
        const WORD code = HIWORD(wParam);
        switch (child->Kind()) {
        case UnitKind::Button:
        case UnitKind::PictureButton:
        case UnitKind::CheckBox:
        case UnitKind::RadioBox:
            if (code == BN_CLICKED)
                Raise(*child, EventKind::Click);
            break;
        case UnitKind::Edit:
        case UnitKind::RichEdit:
            if (code == EN_CHANGE)
                Raise(*child, EventKind::Changed);
            else if (code == EN_MAXTEXT && child->Kind() == UnitKind::Edit && child->HasDefinedTextLimit())
                NoteTextCut();
            break;
        case UnitKind::ComboBox:
            if (code == CBN_SELCHANGE) {
                ShowComboSelection(*child);
                Raise(*child, EventKind::SelectionChanged);
            } else if (code == CBN_EDITCHANGE && !UnitAccess::SyncingText(*child)) {
                Raise(*child, EventKind::Changed);
            } else if (code == CBN_SETFOCUS) {
                Raise(*child, EventKind::GotFocus);
            }
            break;
        case UnitKind::ListBox:
        case UnitKind::CheckListBox:
            if (code == LBN_SELCHANGE) {
                Raise(*child, EventKind::SelectionChanged);
            } else if (code == LBN_DBLCLK) {
                EventInfo info;
                info.item = child->CurrentIndex();
                Raise(*child, EventKind::DoubleClick, info);
            }
            break;
        case UnitKind::Label:
        case UnitKind::TransparentLabel:
        case UnitKind::PictureBox:
            if (code == STN_CLICKED)
                Raise(*child, EventKind::Click);
            break;
        case UnitKind::DrawingPanel:
        case UnitKind::ColourPicker:
        case UnitKind::HyperlinkLabel:
        case UnitKind::HtmlViewer:
            if (code == kOwnClicked)
                Raise(*child, EventKind::Click);
            else if (code == kOwnChanged)
                Raise(*child, EventKind::Changed);
            break;
        case UnitKind::LunarMonthCalendar:
            if (code == kOwnChanged)
                Raise(*child, EventKind::SelectionChanged);
            break;
        case UnitKind::LunarDateBox:
            if (code == kOwnChanged)
                Raise(*child, EventKind::Changed);
            break;
        default:
            break;
        }
        return true;
    }
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        Unit* child = header ? UnitFromWindow(header->hwndFrom) : nullptr;
        if (!child)
            return false;
        const UINT code = header->code;
        EventInfo info;
        switch (child->Kind()) {
        case UnitKind::ListView:
            if (AnswerListRequest(*child, *header, result))
                return true;
            if (code == NM_DBLCLK || code == NM_RCLICK || code == NM_CLICK) {
                info.item = reinterpret_cast<const NMITEMACTIVATE*>(lParam)->iItem;
                if (code == NM_RCLICK) {
                    // Where the press was, in the list's client coordinates, for a menu popped up there.
                    POINT at = {};
                    GetCursorPos(&at);
                    ScreenToClient(child->Window(), &at);
                    info.x = at.x;
                    info.y = at.y;
                    info.button = 2;
                }
                Raise(*child,
                      code == NM_DBLCLK ? EventKind::DoubleClick : code == NM_RCLICK ? EventKind::RightPress
                                                                                     : EventKind::Click,
                      info);
            } else if (code == LVN_ITEMCHANGED) {
                const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
                if ((change->uChanged & LVIF_STATE) && (change->uNewState & LVIS_SELECTED) &&
                    !(change->uOldState & LVIS_SELECTED)) {
                    info.item = change->iItem;
                    Raise(*child, EventKind::ItemChanged, info);
                }
            } else if (code == NM_SETFOCUS) {
                Raise(*child, EventKind::GotFocus);
            }
            break;
        case UnitKind::TabControl:
            if (code == TCN_SELCHANGE) {
                UnitAccess::CurrentPageField(*child) =
                    static_cast<int>(SendMessageA(child->Window(), TCM_GETCURSEL, 0, 0));
                ShowPageUnits(*child);
                Raise(*child, EventKind::PageChanged);
            }
            break;
        case UnitKind::DatePicker:
            if (code == DTN_DATETIMECHANGE)
                Raise(*child, EventKind::Changed);
            break;
        case UnitKind::MonthCalendar:
            if (code == MCN_SELCHANGE)
                Raise(*child, EventKind::SelectionChanged);
            break;
        default:
            break;
        }
        return true;
    }
    case WM_HSCROLL:
    case WM_VSCROLL: {
        Unit* child = UnitFromWindow(reinterpret_cast<HWND>(lParam));
        if (!child || child->Kind() != UnitKind::Slider)
            return false;
        const int position = child->Position();
        if (position != UnitAccess::LastPosition(*child)) {
            UnitAccess::LastPosition(*child) = position;
            Raise(*child, EventKind::Changed);
        }
        return true;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        Unit* child = UnitFromWindow(reinterpret_cast<HWND>(lParam));
        return child && ColourChild(*child, message, reinterpret_cast<HDC>(wParam), result);
    }
    case WM_DRAWITEM: {
        const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        Unit* child = draw ? UnitFromWindow(draw->hwndItem) : nullptr;
        if (!child || child->Kind() != UnitKind::CheckListBox)
            return false;
        DrawCheckListItem(*draw);
        result = TRUE;
        return true;
    }
    default:
        return false;
    }
}

namespace {

bool IsChildReport(UINT message)
{
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_DRAWITEM:
        return true;
    default:
        return false;
    }
}

// Toggles the check mark of the check-list item under a click in its box; the item or -1.
int ToggleCheckAt(Unit& list, int x, int y)
{
    if (x >= CheckAreaWidth(list.Window()))
        return -1;
    const LRESULT hit = SendMessageA(list.Window(), LB_ITEMFROMPOINT, 0, MAKELPARAM(x, y));
    if (HIWORD(hit))
        return -1;
    const int item = LOWORD(hit);
    list.SetItemChecked(item, !list.ItemChecked(item));
    return item;
}

}  // namespace

LRESULT CALLBACK UnitWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Unit* unit = UnitOfWindow(window);
    if (!unit)
        return DefWindowProcA(window, message, wParam, lParam);
    const WNDPROC original = UnitAccess::OriginalProc(*unit);
    if (message == WM_NCDESTROY) {
        ForgetUnitWindow(window);
        if (unit->TextColour() != kDefaultColour)
            RemovePropA(window, kTextColourProperty);
        UnitAccess::WindowGone(*unit);
        return CallWindowProcA(original, window, message, wParam, lParam);
    }
    Form* owner = unit->Owner();
    std::shared_ptr<Form> form = owner ? owner->weak_from_this().lock() : nullptr;
    if (!form || !form->IsAlive())
        return CallWindowProcA(original, window, message, wParam, lParam);
    FormAccess::BeginDispatch(*form);  // the unit stays in memory while this message is handled
    struct EndAtExit {
        Form& form;
        ~EndAtExit() { FormAccess::EndDispatch(form); }
    } end{*form};

    if (message == RowCountMessage()) {
        SyncListRowCount(*unit);
        return 0;
    }
    // Whoever asks the list view itself (another program, the mouse, the keyboard) sees every row.
    if (UnitAccess::RowCountPending(*unit))
        SyncListRowCount(*unit);
    // A unit is never closed on its own (an edit box in a dialog's mode sends its parent WM_CLOSE on
    // Escape, and the parent may be a container unit).
    if (message == WM_CLOSE)
        return 0;
    if ((message == WM_PAINT || message == WM_PRINTCLIENT) && PaintsOwnBackground(*unit)) {
        PaintOwnBackground(*unit, window, wParam);
        return 0;
    }
    LRESULT result = 0;
    if (IsChildReport(message) && FormAccess::RouteChildMessage(*form, message, wParam, lParam, result))
        return result;
    if (message == WM_PASTE && unit->Kind() == UnitKind::Edit && !(GetWindowLongPtrA(window, GWL_STYLE) & ES_READONLY) &&
        unit->HasDefinedTextLimit() && PasteCutToLimit(window, static_cast<size_t>(unit->TextLimit()))) {
        FormAccess::NoteTextCut(*form);
        return 0;
    }

    EventInfo info;
    info.x = static_cast<short>(LOWORD(lParam));
    info.y = static_cast<short>(HIWORD(lParam));
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        info.button = message == WM_LBUTTONDOWN ? 1 : message == WM_RBUTTONDOWN ? 2 : 3;
        FormAccess::Raise(*form, *unit, EventKind::MouseDown, info);
        break;
    case WM_LBUTTONDBLCLK:
        if (unit->Kind() != UnitKind::ListView && unit->Kind() != UnitKind::ListBox &&
            unit->Kind() != UnitKind::CheckListBox)
            FormAccess::Raise(*form, *unit, EventKind::DoubleClick, info);
        break;
    case WM_SETFOCUS:
        if (unit->Kind() != UnitKind::ComboBox && unit->Kind() != UnitKind::ListView)
            FormAccess::Raise(*form, *unit, EventKind::GotFocus);
        break;
    default:
        break;
    }
    // A handler may have destroyed the unit's window.
    if (!IsWindow(window) || !unit->IsAlive())
        return 0;
    result = CallWindowProcA(original, window, message, wParam, lParam);

    if (unit->Kind() == UnitKind::CheckListBox && IsWindow(window) && unit->IsAlive()) {
        int toggled = -1;
        if (message == WM_LBUTTONDOWN)
            toggled = ToggleCheckAt(*unit, info.x, info.y);
        else if (message == WM_KEYDOWN && wParam == VK_SPACE && unit->CurrentIndex() >= 0) {
            toggled = unit->CurrentIndex();
            unit->SetItemChecked(toggled, !unit->ItemChecked(toggled));
        }
        if (toggled >= 0) {
            EventInfo changed;
            changed.item = toggled;
            FormAccess::Raise(*form, *unit, EventKind::ItemChanged, changed);
        }
    }
    return result;
}

}  // namespace forms
