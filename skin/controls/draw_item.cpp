#include "skin/controls/draw_item.h"

#include "skin/core/skin_registry.h"

void HandleDrawItem(int formNumber, const DRAWITEMSTRUCT& item)
{
    if (!SkinFormAt(formNumber))
        return;
    switch (item.CtlType) {
    case ODT_BUTTON:  // painted by the button family once it is installed
    case ODT_MENU:    // painted by the popup-menu service once it is installed
    default:
        break;
    }
}
