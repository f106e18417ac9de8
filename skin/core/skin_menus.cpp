#include "skin/core/skin_menus.h"

#include <memory>

#include "skin/core/menu_painting.h"
#include "skin/core/window_props.h"

namespace {

// What an item carries in its item data: its number, or for a submenu item or a separator its
// command id.
ULONG_PTR ItemData(int menuNumber, const SkinMenuItemRecord& item, bool separator)
{
    return item.submenu || separator ? SkinMenuCommandId(menuNumber, item.itemNumber)
                                     : static_cast<ULONG_PTR>(item.itemNumber);
}

bool IsSeparator(HMENU menu, int position)
{
    MENUITEMINFOA info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    return GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info) && (info.fType & MFT_SEPARATOR);
}

}  // namespace

int CreateSkinPopupMenu(int itemWidth, int itemHeight)
{
    InstallMenuItemPainter();
    auto record = std::make_unique<SkinMenuRecord>();
    record->menu = CreatePopupMenu();
    record->itemWidth = itemWidth ? itemWidth : 150;
    record->itemHeight = itemHeight ? itemHeight : 22;
    return AppendRecord(SkinMenuRecords(), std::move(record));
}

bool AddSkinMenuItem(int menuNumber, const std::string& text, const SkinMenuItemOptions& options)
{
    SkinMenuRecord* menu = SkinMenuAt(menuNumber);
    if (!menu)
        return false;
    const int count = RecordCount(menu->items);
    const bool append = options.position == -1;
    const int itemNumber = append ? count + 1 : options.position;
    if (itemNumber < 1 || itemNumber > count + 1)
        return false;
    // The last item's id is the largest once the new one is in.
    if (SkinMenuCommandId(menuNumber, count + 1) > kLargestMenuCommandId)
        return false;

    UINT type = MFT_OWNERDRAW | (options.separator ? MFT_SEPARATOR : 0);
    UINT state = (options.disabled ? MF_GRAYED : 0) | (options.checked ? MF_CHECKED : 0);
    const SkinMenuRecord* submenu = SkinMenuAt(options.submenu);

    auto record = std::make_unique<SkinMenuItemRecord>();
    record->itemNumber = itemNumber;
    record->picture = options.picture;
    record->text = text;
    record->submenu = submenu ? submenu->menu : nullptr;
    const SkinMenuItemRecord& item = *record;

    BOOL added = FALSE;
    if (append) {
        const UINT_PTR id = SkinMenuCommandId(menuNumber, itemNumber);
        const ULONG_PTR data = ItemData(menuNumber, item, options.separator);
        if (item.submenu)
            added = AppendMenuA(menu->menu, state | type | MF_POPUP, reinterpret_cast<UINT_PTR>(item.submenu),
                                reinterpret_cast<LPCSTR>(data));
        else
            added = AppendMenuA(menu->menu, state | type, id, reinterpret_cast<LPCSTR>(data));
    } else {
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP | MIIM_FTYPE;
        info.fType = type;
        info.fState = state;
        info.hSubMenu = item.submenu;
        std::string copy = text;
        info.dwTypeData = copy.data();
        info.cch = static_cast<UINT>(copy.size() + 1);
        added = InsertMenuItemA(menu->menu, static_cast<UINT>(itemNumber - 1), TRUE, &info);
    }
    if (!added)
        return false;
    menu->items.insert(menu->items.begin() + (itemNumber - 1), std::move(record));
    RenumberSkinMenuItems(menuNumber, itemNumber);
    return true;
}

void RenumberSkinMenuItems(int menuNumber, int fromItem)
{
    const SkinMenuRecord* menu = SkinMenuAt(menuNumber);
    if (!menu)
        return;
    for (int i = fromItem < 1 ? 1 : fromItem; i <= RecordCount(menu->items); ++i) {
        SkinMenuItemRecord& item = *RecordAt(menu->items, i);
        item.itemNumber = i;
        // Only id and data change: the item keeps its kind, state and submenu.
        MENUITEMINFOA info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_ID | MIIM_DATA;
        info.wID = static_cast<UINT>(SkinMenuCommandId(menuNumber, i));
        info.dwItemData = ItemData(menuNumber, item, IsSeparator(menu->menu, i - 1));
        SetMenuItemInfoA(menu->menu, static_cast<UINT>(i - 1), TRUE, &info);
    }
}

bool SetSkinMenuCallback(int menuNumber, SkinCallback handler)
{
    SkinMenuRecord* menu = SkinMenuAt(menuNumber);
    if (!menu)
        return false;
    menu->callback = handler;
    return true;
}

bool IsSkinMenuItemChecked(int menuNumber, int itemNumber)
{
    if (!SkinMenuItemAt(menuNumber, itemNumber))
        return false;
    const UINT state = GetMenuState(SkinMenuAt(menuNumber)->menu, static_cast<UINT>(itemNumber - 1), MF_BYPOSITION);
    return state != static_cast<UINT>(-1) && (state & MF_CHECKED);
}

bool SetSkinMenuItemChecked(int menuNumber, int itemNumber, bool checked)
{
    if (!SkinMenuItemAt(menuNumber, itemNumber))
        return false;
    CheckMenuItem(SkinMenuAt(menuNumber)->menu, static_cast<UINT>(itemNumber - 1),
                  MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
    return true;
}

bool PopupSkinMenuAtCursor(int menuNumber, HWND window, int x, int y)
{
    const SkinMenuRecord* menu = SkinMenuAt(menuNumber);
    if (!menu)
        return false;
    if (!GetMenu(window)) {
        // A window without a menu gets an empty bar, which the form's release destroys.
        HMENU bar = CreateMenu();
        if (SetMenu(window, bar))
            SetWindowProp(window, kPropFormMenu, reinterpret_cast<LONG_PTR>(bar));
        else
            DestroyMenu(bar);
    }
    TrackPopupMenu(menu->menu, 0, x, y, 0, window, nullptr);
    return true;
}

void MeasureSkinMenuItem(HWND, MEASUREITEMSTRUCT* measure)
{
    if (!measure)
        return;
    const UINT_PTR id = SkinMenuItemId(measure->itemID, measure->itemData);
    const SkinMenuRecord* menu = SkinMenuAt(MenuNumberOfId(id));
    if (!menu)
        return;
    // The item is read by its position, which the id names whatever the kind of item.
    const int position = ItemNumberOfId(id) - 1;
    const bool separator = IsSeparator(menu->menu, position);
    measure->itemWidth = static_cast<UINT>(menu->itemWidth);
    measure->itemHeight = static_cast<UINT>(separator ? 12 : menu->itemHeight);
}

bool DispatchSkinMenuCommand(WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0 || HIWORD(wParam) == 1)
        return false;
    const UINT_PTR id = LOWORD(wParam);
    const SkinMenuRecord* menu = SkinMenuAt(MenuNumberOfId(id));
    if (!menu || !menu->callback)
        return false;
    InvokeCallback(menu->callback, {ItemNumberOfId(id)});
    return true;
}
