// Items of combo boxes, list boxes and check list boxes.
#include "runtime/forms/unit.h"

#include "runtime/forms/form.h"

namespace forms {
namespace {

struct ItemMessages {
    UINT count, textLength, text, add, insert, remove, reset, getCurrent, setCurrent;
};

constexpr ItemMessages kComboMessages = {CB_GETCOUNT,     CB_GETLBTEXTLEN, CB_GETLBTEXT, CB_ADDSTRING, CB_INSERTSTRING,
                                         CB_DELETESTRING, CB_RESETCONTENT, CB_GETCURSEL, CB_SETCURSEL};
constexpr ItemMessages kListMessages = {LB_GETCOUNT,     LB_GETTEXTLEN,   LB_GETTEXT,   LB_ADDSTRING, LB_INSERTSTRING,
                                        LB_DELETESTRING, LB_RESETCONTENT, LB_GETCURSEL, LB_SETCURSEL};

const ItemMessages& MessagesFor(UnitKind kind)
{
    return kind == UnitKind::ComboBox ? kComboMessages : kListMessages;
}

bool IsMultiSelect(HWND list)
{
    return (GetWindowLongPtrA(list, GWL_STYLE) & (LBS_EXTENDEDSEL | LBS_MULTIPLESEL)) != 0;
}

}  // namespace

bool Unit::IsItemList() const
{
    return IsKind(UnitKind::ComboBox) || IsKind(UnitKind::ListBox) || IsKind(UnitKind::CheckListBox);
}

int Unit::ItemCount() const
{
    if (!Usable() || !IsItemList())
        return 0;
    const LRESULT count = SendMessageA(hwnd_, MessagesFor(def_.kind).count, 0, 0);
    return count < 0 ? 0 : static_cast<int>(count);
}

std::string Unit::ItemText(int index) const
{
    if (!Usable() || !IsItemList() || index < 0 || index >= ItemCount())
        return {};
    const LRESULT length = SendMessageA(hwnd_, MessagesFor(def_.kind).textLength, index, 0);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT got = SendMessageA(hwnd_, MessagesFor(def_.kind).text, index, reinterpret_cast<LPARAM>(&text[0]));
    text.resize(got > 0 ? static_cast<size_t>(got) : 0);
    return text;
}

int Unit::AddItem(const std::string& text)
{
    if (!Usable() || !IsItemList())
        return -1;
    const LRESULT index = SendMessageA(hwnd_, MessagesFor(def_.kind).add, 0, reinterpret_cast<LPARAM>(text.c_str()));
    if (index < 0)
        return -1;
    if (IsKind(UnitKind::CheckListBox))
        SendMessageA(hwnd_, LB_SETITEMDATA, index, 0);
    return static_cast<int>(index);
}

bool Unit::InsertItem(int index, const std::string& text)
{
    if (!Usable() || !IsItemList() || index < 0 || index > ItemCount())
        return false;
    const LRESULT at = SendMessageA(hwnd_, MessagesFor(def_.kind).insert, index, reinterpret_cast<LPARAM>(text.c_str()));
    if (at < 0)
        return false;
    if (IsKind(UnitKind::CheckListBox))
        SendMessageA(hwnd_, LB_SETITEMDATA, at, 0);
    return true;
}

bool Unit::DeleteItem(int index)
{
    if (!Usable() || !IsItemList() || index < 0 || index >= ItemCount())
        return false;
    return SendMessageA(hwnd_, MessagesFor(def_.kind).remove, index, 0) >= 0;
}

bool Unit::ClearItems()
{
    if (!Usable() || !IsItemList())
        return false;
    SendMessageA(hwnd_, MessagesFor(def_.kind).reset, 0, 0);
    return true;
}

int Unit::CurrentIndex() const
{
    if (!Usable() || !IsItemList())
        return -1;
    const LRESULT index = SendMessageA(hwnd_, MessagesFor(def_.kind).getCurrent, 0, 0);
    return index < 0 ? -1 : static_cast<int>(index);
}

bool Unit::SetCurrentIndex(int index)
{
    if (!Usable() || !IsItemList() || index < -1 || index >= ItemCount())
        return false;
    if (!IsKind(UnitKind::ComboBox) && IsMultiSelect(hwnd_)) {
        if (index < 0)
            return SendMessageA(hwnd_, LB_SETSEL, FALSE, -1) != LB_ERR;
        SendMessageA(hwnd_, LB_SETCARETINDEX, index, FALSE);
        return SendMessageA(hwnd_, LB_SETSEL, TRUE, index) != LB_ERR;
    }
    const LRESULT set = SendMessageA(hwnd_, MessagesFor(def_.kind).setCurrent, index, 0);
    return index < 0 || set == index;
}

bool Unit::ItemChecked(int index) const
{
    if (!Usable() || !IsKind(UnitKind::CheckListBox) || index < 0 || index >= ItemCount())
        return false;
    return SendMessageA(hwnd_, LB_GETITEMDATA, index, 0) != 0;
}

bool Unit::SetItemChecked(int index, bool checked)
{
    if (!Usable() || !IsKind(UnitKind::CheckListBox) || index < 0 || index >= ItemCount())
        return false;
    SendMessageA(hwnd_, LB_SETITEMDATA, index, checked ? 1 : 0);
    RECT item = {};
    if (SendMessageA(hwnd_, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item)) != LB_ERR)
        InvalidateRect(hwnd_, &item, TRUE);
    return true;
}

}  // namespace forms
