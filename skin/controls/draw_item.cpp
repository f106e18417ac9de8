#include "skin/controls/draw_item.h"

#include "skin/controls/button_painters.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

// Push buttons the button family made owner-drawn; radio buttons and check boxes paint themselves.
void DrawButtonItem(const SkinFormRecord& form, const DRAWITEMSTRUCT& item)
{
    const SkinButtonRecord* button = RecordAt(form.buttons, GetWindowPropNumber(item.hwndItem, kPropHwListIndex));
    if (button && button->hwnd == item.hwndItem && button->kind == kButtonKindPush)
        PaintPushButton(item.hwndItem, item.hDC, item.itemState, item.rcItem);
}

}  // namespace

void HandleDrawItem(int formNumber, const DRAWITEMSTRUCT& item)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    switch (item.CtlType) {
    case ODT_BUTTON:
        if (form)
            DrawButtonItem(*form, item);
        break;
    case ODT_MENU:
        // A menu item is painted even without its owner form, so that the menu shows no blank rows.
        if (g_menuItemPainter)
            g_menuItemPainter(formNumber, item);
        break;
    default:
        break;
    }
}
