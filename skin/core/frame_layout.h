#pragma once
// Where the caption buttons and the status band of a skinned form lie, in its client coordinates.
// Called when the form is skinned and after every size change.
#include <vector>

#include "skin/core/skin_form_record.h"

// Moves the caption strip to the client area's right edge and lays the buttons out in it: button i at
// strip x + 2 + 27 (i - 1), strip y + 1, 26 x 18 (the close button 40 wide); each button's tooltip
// tool gets its rectangle and text.
void LayoutCaptionButtons(int formNumber);
// Makes the status band `height` high at the bottom of the client area inside the frame border, and
// its segments from `segments` (a width of -1 takes the rest of the band); without given segments one
// segment fills the band.
void LayoutStatusBand(int formNumber, int height, const std::vector<StatusBandSegment>& segments, bool given);
// After a size change: moves the band and its segments to the new bottom and widens the segments of
// width -1. A form without a band gets a band rectangle of height 0.
void RelayoutStatusBand(int formNumber);
