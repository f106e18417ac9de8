#pragma once
// The page windows that navigation bars attach to a skinned container (the form's own list is laid out
// by LayoutAttachedPages, skin/core/attached_pages.h; a container's by LayoutContainerChildren,
// container_family.h).
#include <vector>

#include "skin/controls/control_records.h"

// Appends the page. A list that holds nothing but a placeholder (a page of window 0) loses it first.
void AppendAttachedPage(std::vector<AttachedPage>& pages, const AttachedPage& page);
