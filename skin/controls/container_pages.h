#pragma once
// The page windows that navigation bars attach to a skinned container (the form's own list is laid out
// by LayoutAttachedPages, skin/core/attached_pages.h).
#include <vector>

#include "skin/controls/control_records.h"

// Appends the page. A list that holds nothing but a placeholder (a page of window 0) loses it first.
void AppendAttachedPage(std::vector<AttachedPage>& pages, const AttachedPage& page);

// On the container's size change: moves every attached page of container `containerIndex` of form
// `formNumber` (pages of window 0 are skipped) with repainting: a full-width page to x 2, 4 pixels
// inside the right edge, down to the bottom; any other from its own left to 2 pixels inside the right
// edge and 2 above the bottom. Numbers that name no container do nothing.
void LayoutContainerChildren(int formNumber, int containerIndex);
