#include "skin/core/form_notifications.h"

#include <commctrl.h>

#include <string>

#include "skin/controls/control_framework.h"
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
    if (CommandChangesLooks(GetWindowClassName(control), HIWORD(wParam)))
        InvalidateRect(control, nullptr, TRUE);
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
