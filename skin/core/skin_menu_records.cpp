#include "skin/core/skin_menu_records.h"

RecordList<SkinMenuRecord>& SkinMenuRecords()
{
    static RecordList<SkinMenuRecord> menus;
    return menus;
}

int SkinMenuCount()
{
    return RecordCount(SkinMenuRecords());
}

SkinMenuRecord* SkinMenuAt(int menuNumber)
{
    return RecordAt(SkinMenuRecords(), menuNumber);
}

SkinMenuItemRecord* SkinMenuItemAt(int menuNumber, int itemNumber)
{
    const SkinMenuRecord* menu = SkinMenuAt(menuNumber);
    return menu ? RecordAt(menu->items, itemNumber) : nullptr;
}

int FindSkinnedMenu(HMENU menu)
{
    for (int n = 1; menu && n <= SkinMenuCount(); ++n) {
        if (SkinMenuAt(n)->menu == menu)
            return n;
    }
    return 0;
}

UINT_PTR SkinMenuCommandId(int menuNumber, int itemNumber)
{
    UINT_PTR scale = 1000;
    while (static_cast<UINT_PTR>(itemNumber) >= scale)
        scale *= 10;
    return static_cast<UINT_PTR>(menuNumber) * scale + static_cast<UINT_PTR>(itemNumber);
}

int MenuNumberOfId(UINT_PTR id)
{
    return static_cast<int>(id / 1000);
}

int ItemNumberOfId(UINT_PTR id)
{
    return static_cast<int>(id % 1000);
}

UINT_PTR SkinMenuItemId(UINT itemID, ULONG_PTR itemData)
{
    return itemData > 999 ? itemData : itemID;
}
