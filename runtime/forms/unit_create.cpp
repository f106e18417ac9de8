// Making the native window of a unit: its class and styles by kind, its container, its first state,
// and the subclassing through which the runtime hears its mouse and focus messages.
#include <windows.h>
#include <commctrl.h>
#include <richedit.h>

#include <memory>

#include "runtime/forms/form.h"
#include "runtime/forms/lunar_controls.h"
#include "runtime/forms/own_controls.h"
#include "runtime/forms/runtime_internal.h"
#include "runtime/row_store.h"

namespace forms {
namespace {

// Containers hold units of their own: Tab goes on into them.
constexpr DWORD kContainer = WS_EX_CONTROLPARENT;
// Combo boxes are made taller than their edit field by the height of their drop-down list.
constexpr int kComboListHeight = 200;

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind Make(const char* className, unsigned long long style, unsigned long long exStyle)
{
    return {className, static_cast<DWORD>(style), static_cast<DWORD>(exStyle)};
}

WindowKind KindOf(const UnitDef& def)
{
    const unsigned f = def.flags;
    switch (def.kind) {
    case UnitKind::Edit: {
        DWORD style = WS_TABSTOP | ES_AUTOHSCROLL;
        if (f & kMultiLine)
            style = (style & ~ES_AUTOHSCROLL) | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
        if (f & kPassword)
            style |= ES_PASSWORD;
        return Make("Edit", style, WS_EX_CLIENTEDGE);
    }
    case UnitKind::RichEdit:
        return Make("RichEdit20A", WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_SAVESEL,
                WS_EX_CLIENTEDGE);
    case UnitKind::Label:
    case UnitKind::TransparentLabel:
        return Make("Static", SS_NOTIFY | ((f & kCentred) ? SS_CENTER : SS_LEFT) | ((f & kBorder) ? WS_BORDER : 0), 0);
    case UnitKind::PictureBox:
        return Make("Static", SS_NOTIFY | SS_BITMAP | SS_REALSIZECONTROL | ((f & kBorder) ? WS_BORDER : 0),
                    kContainer);
    case UnitKind::DrawingPanel:
        return Make(kDrawPanelClass, (f & kBorder) ? WS_BORDER : 0u, kContainer);
    case UnitKind::GroupBox:
        return Make("Button", BS_GROUPBOX, kContainer);
    case UnitKind::Button:
        return Make("Button", WS_TABSTOP | BS_PUSHBUTTON, 0);
    case UnitKind::PictureButton:
        return Make("Button", WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP, 0);
    case UnitKind::CheckBox:
        return Make("Button", WS_TABSTOP | BS_AUTOCHECKBOX, 0);
    case UnitKind::RadioBox:
        return Make("Button", BS_AUTORADIOBUTTON | ((f & kGroupStart) ? WS_GROUP | WS_TABSTOP : 0u), 0);
    case UnitKind::ComboBox:
        return Make("ComboBox",
                WS_TABSTOP | WS_VSCROLL | ((f & kDropDownList) ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL),
                0);
    case UnitKind::ListBox:
        return Make("ListBox",
                WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | ((f & kMultiSelect) ? LBS_EXTENDEDSEL : 0),
                WS_EX_CLIENTEDGE);
    case UnitKind::CheckListBox:
        return Make("ListBox",
                WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS,
                WS_EX_CLIENTEDGE);
    case UnitKind::ProgressBar:
        return Make(PROGRESS_CLASSA, (f & kVertical) ? PBS_VERTICAL : 0u, 0);
    case UnitKind::Slider:
        return Make(TRACKBAR_CLASSA, WS_TABSTOP | ((f & kVertical) ? TBS_VERT : TBS_HORZ), 0);
    case UnitKind::TabControl:
        return Make(WC_TABCONTROLA, WS_TABSTOP | WS_CLIPSIBLINGS, kContainer);
    case UnitKind::DatePicker:
        return Make(DATETIMEPICK_CLASSA, WS_TABSTOP | DTS_SHORTDATEFORMAT, 0);
    case UnitKind::MonthCalendar:
        return Make(MONTHCAL_CLASSA, WS_TABSTOP, 0);
    case UnitKind::LunarMonthCalendar:
        return Make(kLunarCalendarClass, WS_TABSTOP, 0);
    case UnitKind::LunarDateBox:
        return Make(kLunarDateBoxClass, WS_TABSTOP, WS_EX_CONTROLPARENT);
    case UnitKind::ColourPicker:
        return Make(kColourPickerClass, WS_TABSTOP, 0);
    case UnitKind::HyperlinkLabel:
    case UnitKind::HtmlViewer:
        return Make(kHyperlinkClass, 0, 0);
    case UnitKind::ListView:
        return Make(WC_LISTVIEWA,
                WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_OWNERDATA | ((f & kMultiSelect) ? 0u : static_cast<DWORD>(LVS_SINGLESEL)),
                WS_EX_CLIENTEDGE);
    default:
        return Make(nullptr, 0, 0);
    }
}

}  // namespace

bool Form::CreateUnitWindow(Unit& unit)
{
    const UnitDef& def = unit.def_;
    const WindowKind kind = KindOf(def);
    if (!kind.className)
        return false;
    DWORD style = WS_CHILD | kind.style;
    if (def.flags & kVScroll)
        style |= WS_VSCROLL;
    if (def.flags & kHScroll)
        style |= WS_HSCROLL;
    if ((def.flags & kReadOnly) && (def.kind == UnitKind::Edit || def.kind == UnitKind::RichEdit))
        style |= ES_READONLY;
    if (def.flags & kDisabled)
        style |= WS_DISABLED;
    unit.ownVisible_ = !(def.flags & kHidden);
    if (unit.ownVisible_ && unit.onCurrentPage_)
        style |= WS_VISIBLE;
    const int height = def.kind == UnitKind::ComboBox ? def.rect.height + kComboListHeight : def.rect.height;
    const int controlId = nextControlId_;
    nextControlId_ = nextControlId_ >= kMaxRuntimeId ? 1 : nextControlId_ + 1;
    HWND parent = unit.parent_ && unit.parent_->hwnd_ ? unit.parent_->hwnd_ : hwnd_;
    const std::string& text = def.kind == UnitKind::HtmlViewer && def.text.empty() ? def.link : def.text;
    HWND window = CreateWindowExA(kind.exStyle, kind.className, def.kind == UnitKind::PictureBox ? "" : text.c_str(),
                                  style, def.rect.left, def.rect.top, def.rect.width, height, parent,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(controlId)), RuntimeInstance(), nullptr);
    if (!window)
        return false;
    unit.hwnd_ = window;
    HFONT font = def.fontName.empty() && def.fontSize <= 0
                     ? font_
                     : SharedFont(def.fontName.empty() ? def_.fontName : def.fontName,
                                  def.fontSize > 0 ? def.fontSize : def_.fontSize, def.bold);
    unit.font_ = font;
    // The platform's month calendar keeps a font of its own made at creation and drops it, undeleted,
    // when it is sent another: it keeps its own.
    if (def.kind != UnitKind::MonthCalendar)
        SendMessageA(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    RememberUnitWindow(window, &unit);
    unit.originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(UnitWindowProc)));

    switch (def.kind) {
    case UnitKind::Edit:
        // Text the program sets is not bound by this; typing and pasting are, and the box says when it cut.
        SendMessageA(window, EM_LIMITTEXT, static_cast<WPARAM>(unit.TextLimit()), 0);
        break;
    case UnitKind::RichEdit:
        SendMessageA(window, EM_EXLIMITTEXT, 0, 0x7FFFFFFE);
        SendMessageA(window, EM_SETEVENTMASK, 0, ENM_CHANGE);
        break;
    case UnitKind::ComboBox:
    case UnitKind::ListBox:
    case UnitKind::CheckListBox:
        for (const std::string& item : def.items)
            unit.AddItem(item);
        // A combo box's edit field does not take the creation text.
        if (def.kind == UnitKind::ComboBox && (def.flags & kDropDownList))
            SendMessageA(window, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(def.text.c_str()));
        else if (def.kind == UnitKind::ComboBox)
            SetWindowTextA(window, def.text.c_str());
        break;
    case UnitKind::ListView: {
        unit.rows_ = std::make_unique<RowStore>();
        DWORD extended = LVS_EX_FULLROWSELECT | ((def.flags & kNoGridLines) ? 0u : static_cast<DWORD>(LVS_EX_GRIDLINES));
        SendMessageA(window, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
        for (const ColumnDef& column : def.columns)
            unit.AddColumn(column.title, column.width);
        break;
    }
    case UnitKind::TabControl:
        // Without tabs the control shows only its page; the pages are the unit's own.
        for (size_t i = 0; i < def.items.size() && !(def.flags & kNoTabRow); ++i) {
            TCITEMA item = {};
            item.mask = TCIF_TEXT;
            item.pszText = const_cast<char*>(def.items[i].c_str());
            SendMessageA(window, TCM_INSERTITEMA, i, reinterpret_cast<LPARAM>(&item));
        }
        break;
    case UnitKind::ProgressBar:
    case UnitKind::Slider:
        unit.SetRange(def.minimum, def.maximum);
        unit.SetPosition(def.position);
        break;
    case UnitKind::CheckBox:
    case UnitKind::RadioBox:
        if (def.flags & kChecked)
            SendMessageA(window, BM_SETCHECK, BST_CHECKED, 0);
        break;
    case UnitKind::HyperlinkLabel:
        HyperlinkSetAddress(window, def.link);
        break;
    case UnitKind::HtmlViewer:
        HyperlinkSetAddress(window, def.link.empty() ? def.text : def.link);
        break;
    case UnitKind::ColourPicker:
        if (def.backColour != kDefaultColour)
            ColourPickerSetColour(window, static_cast<COLORREF>(def.backColour));
        break;
    default:
        break;
    }
    if (def.textColour != kDefaultColour)
        unit.SetTextColour(def.textColour);
    if (def.backColour != kDefaultColour && def.kind != UnitKind::ColourPicker)
        unit.SetBackColour(def.backColour);
    return true;
}

}  // namespace forms
