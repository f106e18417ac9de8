#pragma once
// The width a text takes in a GDI+ font, for laying out captions and header items.
#include <string>

// floor(width of the text's bounding box) + 1 in pixels, measured without a layout limit or string
// format in the font of that face, em size (world units, that is pixels) and GDI+ style bits. No font
// is made for an empty face or a size of 0 or less: then, as for an empty text, the result is 1.
int MeasureTextWidth(const std::string& text, const std::string& face, int emSize, int style);
