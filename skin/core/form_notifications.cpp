#include "skin/core/form_notifications.h"

#include <commctrl.h>

#include <string>

#include "skin/controls/control_framework.h"
#include "skin/controls/control_styles.h"
#include "skin/controls/scroll_overlays.h"
#include "skin/core/skin_options.h"
#include "skin/core/skin_registry.h"

namespace {

bool CommandChangesLooks(const std::string& className, WORD code)
{
    if (className == "Edit")
        return code == EN_VSCROLL || code == EN_HSCROLL || code == EN_UPDATE || code == EN_CHANGE;
    if (className == "ListBox")
        return code == LBN_SELCHANGE || code == LBN_SELCANCEL;
    if (className == "ComboBox")
        return code == CBN_KILLFOCUS || code == CBN_SELCHANGE;
    return false;
}

// New text changes the Edit's scroll range: its overlays show the new thumb. An Edit whose numbers name
// no record of its form's Edit list has no overlays.
void RepaintEditOverlays(HWND edit)
{
    const SkinEditRecord* record = FindOwnRecord(edit, &SkinFormRecord::edits);
    if (!record)
        return;
    if (record->verticalScrollBar && HasVerticalScrollStyle(edit))
        PaintVScrollBar(edit, kScrollHitNone);
    if (record->horizontalScrollBar && HasHorizontalScrollStyle(edit))
        PaintHScrollBar(edit, kScrollHitNone);
}

// The window's properties name a container slot; only a slot that really holds this window is marked
// (a control of another list carries an index into that list).
void MarkTabContainerDirty(HWND tabControl)
{
    if (SkinContainerRecord* container = FindOwnRecord(tabControl, &SkinFormRecord::containers))
        container->backgroundDirty = true;
}

}  // namespace

void RepaintAfterControlCommand(WPARAM wParam, LPARAM lParam)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    if (!control || !g_veilEnabled || !g_skinChildControls)
        return;
    const std::string className = GetWindowClassName(control);
    if (!CommandChangesLooks(className, HIWORD(wParam)))
        return;
    InvalidateRect(control, nullptr, TRUE);
    if (className == "Edit" && HIWORD(wParam) == EN_CHANGE)
        RepaintEditOverlays(control);
}

void RepaintAfterControlNotify(LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header)
        return;
    const NMHDR notice = *header;
    switch (notice.code) {
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDINGA:
        InvalidateRect(notice.hwndFrom, nullptr, TRUE);
        break;
    case TCN_SELCHANGING:
        MarkTabContainerDirty(notice.hwndFrom);
        break;
    case UDN_DELTAPOS: {
        HWND parent = GetParent(notice.hwndFrom);
        if (GetWindowClassName(parent) == "SysTabControl32")
            MarkTabContainerDirty(parent);
        break;
    }
    default:
        break;
    }
}
