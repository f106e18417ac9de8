#pragma once
// The page windows a navigation bar attaches to a form, laid out again after every size change.

// Moves every attached page of form `formNumber` (pages of window 0 are skipped): a full-width page
// to x 2 and 4 pixels inside the right edge, any other page from its own left to 2 pixels inside the
// right edge; each keeps its top and reaches down to 4 (full width) or 2 pixels above the status
// band. A number that names no form does nothing.
void LayoutAttachedPages(int formNumber);
