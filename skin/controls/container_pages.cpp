#include "skin/controls/container_pages.h"

#include "skin/core/skin_registry.h"

void AppendAttachedPage(std::vector<AttachedPage>& pages, const AttachedPage& page)
{
    if (pages.size() == 1 && pages.front().page == nullptr)
        pages.clear();
    pages.push_back(page);
}

void LayoutContainerChildren(int formNumber, int containerIndex)
{
    const SkinFormRecord* form = SkinFormAt(formNumber);
    const SkinContainerRecord* container = form ? RecordAt(form->containers, containerIndex) : nullptr;
    if (!container)
        return;
    RECT client = {};
    GetClientRect(container->hwnd, &client);
    for (const AttachedPage& page : container->attachedPages) {
        if (!page.page)
            continue;
        if (page.fill)
            MoveWindow(page.page, 2, page.top, client.right - 4, client.bottom - page.top, TRUE);
        else
            MoveWindow(page.page, page.left, page.top, client.right - page.left - 2, client.bottom - page.top - 2,
                       TRUE);
    }
}
