#include "skin/core/attached_pages.h"

#include "skin/core/skin_registry.h"

void LayoutAttachedPages(int formNumber)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    if (!form)
        return;
    RECT client = {};
    GetClientRect(form->hwnd, &client);
    const int status = form->statusHeight;
    for (const AttachedPage& page : form->attachedPages) {
        if (!page.page)
            continue;
        if (page.fill)
            MoveWindow(page.page, 2, page.top, client.right - 4, client.bottom - page.top - status - 4, TRUE);
        else
            MoveWindow(page.page, page.left, page.top, client.right - page.left - 2,
                       client.bottom - page.top - status - 2, TRUE);
    }
}
