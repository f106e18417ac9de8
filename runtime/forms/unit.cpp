// Properties every unit shares: text, rectangle, visibility, enabled and checked state, tag, colours
// and font.
#include "runtime/forms/unit.h"

#include <commctrl.h>

#include <climits>
#include <vector>

#include "db/database.h"
#include "runtime/forms/form.h"
#include "runtime/forms/own_controls.h"
#include "runtime/forms/runtime_internal.h"
#include "runtime/forms/tab_order.h"
#include "runtime/row_store.h"

namespace forms {
namespace {

std::string WindowText(HWND window)
{
    const int length = GetWindowTextLengthA(window);
    if (length <= 0)
        return {};
    std::vector<char> text(static_cast<size_t>(length) + 1, '\0');
    GetWindowTextA(window, text.data(), length + 1);
    return text.data();
}

// Repaints what lies under a unit in its container, for units that let it show through.
void RepaintUnder(HWND window)
{
    HWND parent = GetParent(window);
    RECT area;
    if (!parent || !GetWindowRect(window, &area))
        return;
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&area), 2);
    RedrawWindow(parent, &area, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace

Unit::Unit(Form* form, UnitDef def) : form_(form), def_(std::move(def))
{
    ownVisible_ = !(def_.flags & kHidden);
    interval_ = 0;
}

Unit::~Unit()
{
    if (backBrush_)
        DeleteObject(backBrush_);
    if (pictureBitmap_)
        DeleteObject(pictureBitmap_);
}

bool Unit::HasDefinedTextLimit() const
{
    return hwnd_ && static_cast<int>(SendMessageA(hwnd_, EM_GETLIMITTEXT, 0, 0)) == TextLimit();
}

bool Unit::IsAlive() const
{
    if (!form_ || destroyed_ || !form_->IsAlive())
        return false;
    switch (def_.kind) {
    case UnitKind::Timer:
    case UnitKind::SaveDialog:
    case UnitKind::Menu:
    case UnitKind::MenuItem:
    case UnitKind::DbConnection:
    case UnitKind::RecordSet:
        return true;
    default:
        return hwnd_ != nullptr || windowPending_;
    }
}

void Unit::MakeWindowIfPending() const
{
    if (windowPending_ && form_ && form_->IsAlive())
        FormAccess::MakePendingWindow(*form_, const_cast<Unit&>(*this));
}

HWND Unit::Window() const
{
    MakeWindowIfPending();
    return hwnd_;
}

bool Unit::Usable() const
{
    MakeWindowIfPending();
    return IsAlive();
}

HWND Unit::ContainerWindow() const
{
    return hwnd_ ? GetParent(hwnd_) : nullptr;
}

std::string Unit::Text() const
{
    if (!Usable())
        return {};
    switch (def_.kind) {
    case UnitKind::Timer:
    case UnitKind::SaveDialog:
    case UnitKind::Menu:
    case UnitKind::MenuItem:
    case UnitKind::DbConnection:
    case UnitKind::RecordSet:
        return def_.text;
    case UnitKind::PictureBox:
        return {};
    default:
        return WindowText(hwnd_);
    }
}

bool Unit::SetText(const std::string& text)
{
    if (!Usable())
        return false;
    switch (def_.kind) {
    case UnitKind::MenuItem: {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STRING;
        info.dwTypeData = const_cast<char*>(text.c_str());
        if (!SetMenuItemInfoA(menu_, commandId_, FALSE, &info))
            return false;
        def_.text = text;
        return true;
    }
    case UnitKind::Timer:
    case UnitKind::SaveDialog:
    case UnitKind::Menu:
    case UnitKind::DbConnection:
    case UnitKind::RecordSet:
        def_.text = text;
        return true;
    case UnitKind::PictureBox:
        return false;
    case UnitKind::ComboBox:
        if ((GetWindowLongPtrA(hwnd_, GWL_STYLE) & 3) == CBS_DROPDOWNLIST)
            return SendMessageA(hwnd_, CB_SELECTSTRING, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(text.c_str())) != CB_ERR;
        return SetWindowTextA(hwnd_, text.c_str()) != FALSE;
    case UnitKind::HtmlViewer:
        HyperlinkSetAddress(hwnd_, text);
        return SetWindowTextA(hwnd_, text.c_str()) != FALSE;
    case UnitKind::TransparentLabel: {
        const bool set = SetWindowTextA(hwnd_, text.c_str()) != FALSE;
        RepaintUnder(hwnd_);
        return set;
    }
    default:
        return SetWindowTextA(hwnd_, text.c_str()) != FALSE;
    }
}

bool Unit::AppendText(const std::string& text)
{
    if (!Usable() || !(IsKind(UnitKind::Edit) || IsKind(UnitKind::RichEdit)))
        return false;
    // A position past the end puts the caret at the end. The limit of typed text holds for a
    // replacement too: the program's own text goes in without it.
    const LRESULT limit = IsKind(UnitKind::Edit) ? SendMessageA(hwnd_, EM_GETLIMITTEXT, 0, 0) : 0;
    if (IsKind(UnitKind::Edit))
        SendMessageA(hwnd_, EM_LIMITTEXT, 0, 0);
    SendMessageA(hwnd_, EM_SETSEL, INT_MAX, INT_MAX);
    SendMessageA(hwnd_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
    if (IsKind(UnitKind::Edit))
        SendMessageA(hwnd_, EM_LIMITTEXT, static_cast<WPARAM>(limit), 0);
    return true;
}

int Unit::SelectionStart() const
{
    if (!Usable() || !(IsKind(UnitKind::Edit) || IsKind(UnitKind::RichEdit)))
        return 0;
    DWORD start = 0;
    SendMessageA(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    return static_cast<int>(start);
}

bool Unit::SetSelection(int start, int length)
{
    if (!Usable() || !(IsKind(UnitKind::Edit) || IsKind(UnitKind::RichEdit)) || start < 0 || length < 0)
        return false;
    SendMessageA(hwnd_, EM_SETSEL, start, start + length);
    SendMessageA(hwnd_, EM_SCROLLCARET, 0, 0);
    return true;
}

bool Unit::SetReadOnly(bool readOnly)
{
    if (!Usable() || !(IsKind(UnitKind::Edit) || IsKind(UnitKind::RichEdit)))
        return false;
    return SendMessageA(hwnd_, EM_SETREADONLY, readOnly, 0) != 0;
}

namespace {
RECT UnitRect(HWND window, bool onScreen)
{
    RECT r = {};
    if (!window || !GetWindowRect(window, &r))
        return {};
    if (!onScreen)
        MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

// A combo box's window height counts its edit field only; its drop-down list comes on top.
int ComboDropHeight(HWND combo)
{
    RECT closed = {};
    GetWindowRect(combo, &closed);
    RECT dropped = {};
    SendMessageA(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    const int extra = (dropped.bottom - dropped.top) - (closed.bottom - closed.top);
    return extra > 0 ? extra : 200;
}
}  // namespace

int Unit::Left() const
{
    return Usable() && hwnd_ ? UnitRect(hwnd_, IsKind(UnitKind::Window)).left : 0;
}

int Unit::Top() const
{
    return Usable() && hwnd_ ? UnitRect(hwnd_, IsKind(UnitKind::Window)).top : 0;
}

int Unit::Width() const
{
    if (!Usable() || !hwnd_)
        return 0;
    const RECT r = UnitRect(hwnd_, true);
    return r.right - r.left;
}

int Unit::Height() const
{
    if (!Usable() || !hwnd_)
        return 0;
    const RECT r = UnitRect(hwnd_, true);
    return r.bottom - r.top;
}

bool Unit::Move(int left, int top, int width, int height)
{
    if (!Usable() || !hwnd_)
        return false;
    if (IsKind(UnitKind::ComboBox))
        height += ComboDropHeight(hwnd_);
    const bool moved = SetWindowPos(hwnd_, nullptr, left, top, width < 0 ? 0 : width, height < 0 ? 0 : height,
                                    SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
    if (IsKind(UnitKind::TransparentLabel))
        RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
    return moved;
}

bool Unit::Visible() const
{
    if (!Usable())
        return false;
    if (IsKind(UnitKind::Window))
        return IsWindowVisible(hwnd_) != FALSE;
    return ownVisible_;
}

void Unit::ApplyScreenVisibility()
{
    if (!hwnd_)
        return;
    ShowWindow(hwnd_, ownVisible_ && onCurrentPage_ ? SW_SHOWNA : SW_HIDE);
}

bool Unit::SetVisible(bool visible)
{
    if (!Usable() || !hwnd_)
        return false;
    if (IsKind(UnitKind::Window)) {
        FormAccess::ChooseVisibility(*form_);
        // A window that a modal window disabled comes back beneath it: shown above it, it would cover
        // the only window that takes input, and the program could not be used any more.
        const bool blocked = visible && !IsWindowEnabled(hwnd_);
        ShowWindow(hwnd_, !visible ? SW_HIDE : blocked ? SW_SHOWNA : SW_SHOW);
        if (blocked)
            RaiseModalForms();
        return true;
    }
    ownVisible_ = visible;
    ApplyScreenVisibility();
    return true;
}

bool Unit::Enabled() const
{
    if (!Usable())
        return false;
    if (IsKind(UnitKind::MenuItem))
        return !(GetMenuState(menu_, commandId_, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
    if (IsKind(UnitKind::Timer))
        return interval_ > 0;
    return hwnd_ ? IsWindowEnabled(hwnd_) != FALSE : true;
}

bool Unit::SetEnabled(bool enabled)
{
    if (!Usable())
        return false;
    if (IsKind(UnitKind::MenuItem))
        return EnableMenuItem(menu_, commandId_, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED)) != -1;
    if (!hwnd_)
        return false;
    // A disabled control loses the focus to nothing, and the keyboard would reach no control of the
    // window any more: the focus goes on to the next control first.
    HWND focus = GetFocus();
    HWND next = nullptr;
    if (!enabled && focus && (focus == hwnd_ || IsChild(hwnd_, focus)))
        next = NextTabStop(GetAncestor(hwnd_, GA_ROOT), hwnd_, false);
    EnableWindow(hwnd_, enabled);
    if (next && next != hwnd_)
        SetFocus(next);
    return true;
}

bool Unit::Checked() const
{
    if (!Usable())
        return false;
    switch (def_.kind) {
    case UnitKind::CheckBox:
    case UnitKind::RadioBox:
        return SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
    case UnitKind::MenuItem:
        return (GetMenuState(menu_, commandId_, MF_BYCOMMAND) & MF_CHECKED) != 0;
    default:
        return false;
    }
}

bool Unit::SetChecked(bool checked)
{
    if (!Usable())
        return false;
    switch (def_.kind) {
    case UnitKind::CheckBox:
    case UnitKind::RadioBox:
        SendMessageA(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
        return true;
    case UnitKind::MenuItem:
        return CheckMenuItem(menu_, commandId_, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED)) !=
               static_cast<DWORD>(-1);
    default:
        return false;
    }
}

bool Unit::SetTag(const std::string& tag)
{
    if (!form_)
        return false;
    tag_ = tag;
    return true;
}

void Unit::PublishTextColour()
{
    if (!hwnd_)
        return;
    if (textColour_ == kDefaultColour)
        RemovePropA(hwnd_, kTextColourProperty);
    else
        SetPropA(hwnd_, kTextColourProperty,
                 reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(static_cast<COLORREF>(textColour_))));
}

bool Unit::SetTextColour(long colour)
{
    if (!Usable() || !hwnd_)
        return false;
    textColour_ = colour == kDefaultColour ? kDefaultColour : static_cast<long>(colour & 0xFFFFFF);
    PublishTextColour();
    if (IsKind(UnitKind::HyperlinkLabel) || IsKind(UnitKind::HtmlViewer))
        HyperlinkSetColour(hwnd_, textColour_ == kDefaultColour ? RGB(0, 0, 255) : static_cast<COLORREF>(textColour_));
    if (IsKind(UnitKind::ListView))
        SendMessageA(hwnd_, LVM_SETTEXTCOLOR, 0,
                     textColour_ == kDefaultColour ? GetSysColor(COLOR_WINDOWTEXT) : static_cast<COLORREF>(textColour_));
    if (IsKind(UnitKind::TransparentLabel))
        RepaintUnder(hwnd_);
    else
        InvalidateRect(hwnd_, nullptr, TRUE);
    return true;
}

bool Unit::SetBackColour(long colour)
{
    if (!Usable() || !hwnd_)
        return false;
    backColour_ = colour == kDefaultColour ? kDefaultColour : static_cast<long>(colour & 0xFFFFFF);
    if (backBrush_)
        DeleteObject(backBrush_);
    backBrush_ = backColour_ == kDefaultColour ? nullptr : CreateSolidBrush(static_cast<COLORREF>(backColour_));
    const COLORREF shown = backColour_ == kDefaultColour ? GetSysColor(COLOR_WINDOW) : static_cast<COLORREF>(backColour_);
    if (IsKind(UnitKind::DrawingPanel))
        DrawPanelSetBackColour(hwnd_, shown);
    if (IsKind(UnitKind::ListView)) {
        SendMessageA(hwnd_, LVM_SETBKCOLOR, 0, shown);
        SendMessageA(hwnd_, LVM_SETTEXTBKCOLOR, 0, shown);
    }
    InvalidateRect(hwnd_, nullptr, TRUE);
    return true;
}

bool Unit::SetFont(const std::string& name, int points, bool bold)
{
    if (!Usable() || !hwnd_ || IsKind(UnitKind::Window) || points <= 0)
        return false;
    HFONT font = SharedFont(name, points, bold);
    if (!font)
        return false;
    font_ = font;
    SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    return true;
}

bool Unit::AttachTo(Unit& connectionUnit)
{
    if (!Usable() || !IsKind(UnitKind::RecordSet) || !connectionUnit.connection_)
        return false;
    if (!recordSet_->Attach(connectionUnit.connection_.get()))
        return false;
    attachedConnection_ = connectionUnit.connection_;
    return true;
}

}  // namespace forms
