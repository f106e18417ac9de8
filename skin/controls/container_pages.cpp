#include "skin/controls/container_pages.h"

#include "skin/core/skin_registry.h"

void AppendAttachedPage(std::vector<AttachedPage>& pages, const AttachedPage& page)
{
    if (pages.size() == 1 && pages.front().page == nullptr)
        pages.clear();
    pages.push_back(page);
}
