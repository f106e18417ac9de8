#include "skin/core/form_notifications.h"

#include <commctrl.h>

#include "skin/controls/child_notifications.h"
#include "skin/core/skin_options.h"

void RepaintAfterControlCommand(WPARAM wParam, LPARAM lParam)
{
    HWND control = reinterpret_cast<HWND>(lParam);
    if (!control || !g_veilEnabled || !g_skinChildControls)
        return;
    RepaintAfterChildCommand(control, wParam);
}

void RepaintAfterControlNotify(LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (!header)
        return;
    // A copy: a repaint may free what the sender pointed at.
    const NMHDR notice = *header;
    RepaintAfterNotification(notice);
}
