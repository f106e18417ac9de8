#pragma once
// The looks of a tab-strip item that is hovered, pressed or selected, drawn behind its picture and
// caption: three gradients (highlight style 1), a solid shape (3), two glass looks (4) and a glow
// (every other style). Each one is drawn from the strip's highlight colour onto any surface, at the
// item's rectangle {x, y, x + w, y + h} on that surface.
#include <windows.h>

#include "skin/custom/custom_control_records.h"

class GdipGraphics;

struct TabHighlightInputs {
    COLORREF colour1 = 0;
    int alpha1 = 0;  // its low byte counts
    // The items reach the strip's bottom (attached tabs, shape style other than 3): the shapes run 4
    // or 5 pixels below the item so that only their upper corners show.
    bool ext = false;
};
TabHighlightInputs HighlightInputsOf(const TabStripRecord& strip);

enum class TabGradientLook { Selection, Hover, Pressed };

// Pale at the top, full colour1 at the bottom under a white sheen growing downward; Pressed inverted.
void DrawTabGradientHighlight(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item, TabGradientLook look);
// Solid: a rounded shape in colour1 with a dark outline.
void DrawTabStripItemPart1(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item);
// Glass, selected: colour1 under a white wash growing downward, an inner white line and a rim light
// brightest at 30 % and 70 % of the width.
void DrawTabStripItemPart2(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item);
// Glass, lit but not selected: the wash strongest at the top, a faint outline carrying the rim light.
void DrawTabStripItemPart3(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item);
// Glow: colour1 (opaque whatever alpha1 is) hanging from the top edge and rising from the bottom one,
// a bright line along each edge, all inside the item. Leaves the surface without a clip.
void DrawTabStripItemPart4(GdipGraphics& g, const TabHighlightInputs& in, const RECT& item);
