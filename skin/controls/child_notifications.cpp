#include "skin/controls/child_notifications.h"

#include "skin/controls/control_framework.h"
#include "skin/controls/control_styles.h"
#include "skin/controls/scroll_overlays.h"
#include "skin/core/skin_registry.h"
#include "skin/core/window_props.h"

namespace {

constexpr int kEditVScroll = 0x602;
constexpr int kEditHScroll = 0x601;
constexpr int kEditUpdate = 0x400;
constexpr int kEditChange = 0x300;
constexpr int kListSelChange = 1;
constexpr int kListSelCancel = 3;
constexpr int kComboSelChange = 1;
constexpr int kComboKillFocus = 4;

// The text of an edit box changed: its overlays follow the new scroll range. An Edit whose numbers
// name no record of its form's Edit list only repaints itself.
void RepaintEditOverlays(HWND edit)
{
    const SkinEditRecord* record = FindOwnRecord(edit, &SkinFormRecord::edits);
    if (!record)
        return;
    if (record->verticalScrollBar && HasVerticalScrollStyle(edit))
        PaintVScrollBar(edit, kOverlayHitNone);
    if (record->horizontalScrollBar && HasHorizontalScrollStyle(edit))
        PaintHScrollBar(edit, kOverlayHitNone);
}

// The tab control's next paint is a full one. Nothing for a window that is no registered container.
void MarkTabControlDirty(HWND tabControl)
{
    if (SkinContainerRecord* record = FindOwnRecord(tabControl, &SkinFormRecord::containers))
        record->backgroundDirty = true;
}

}  // namespace

void RepaintAfterChildCommand(HWND control, WPARAM wParam)
{
    const int code = HIWORD(wParam);
    const std::string className = GetWindowClassName(control);
    if (className == "Edit") {
        if (code == kEditVScroll || code == kEditHScroll || code == kEditUpdate) {
            InvalidateRect(control, nullptr, TRUE);
        } else if (code == kEditChange) {
            InvalidateRect(control, nullptr, TRUE);
            RepaintEditOverlays(control);
        }
    } else if (className == "ListBox") {
        if (code == kListSelChange || code == kListSelCancel)
            InvalidateRect(control, nullptr, TRUE);
    } else if (className == "ComboBox") {
        if (code == kComboSelChange || code == kComboKillFocus)
            InvalidateRect(control, nullptr, TRUE);
    }
}

void RepaintAfterNotification(const NMHDR& header)
{
    switch (static_cast<int>(header.code)) {
    case static_cast<int>(TVN_ITEMEXPANDEDA):
    case static_cast<int>(TVN_ITEMEXPANDINGA):
        InvalidateRect(header.hwndFrom, nullptr, TRUE);
        break;
    case static_cast<int>(TCN_SELCHANGING):
        MarkTabControlDirty(header.hwndFrom);
        break;
    case static_cast<int>(UDN_DELTAPOS): {
        // The scroll arrows of a tab control's row.
        HWND parent = GetParent(header.hwndFrom);
        if (GetWindowClassName(parent) == "SysTabControl32")
            MarkTabControlDirty(parent);
        break;
    }
    default:
        break;
    }
}
