#pragma once
// Preparing a skin picture for the caption band: its average colour, and the picture with two edges
// faded into a colour so that it merges with the colour-filled rest of the band.
#include <windows.h>

#include <optional>
#include <string>

// The average colour of `sampleCount` pixels at pseudo-random places of the picture (the file when a
// name is given, else the bytes), as a COLORREF with 255 in the top byte. With lastColumns or lastRows
// above 0 the places lie in the last columns or rows. The places depend only on the calendar day, so
// calls on one day agree; the program's shared random generator is not touched. A picture that does not
// decode, or a count below 1, gives 0xFF000000.
COLORREF SampleImageColour(const std::string& picture, int sampleCount, int lastColumns = 0, int lastRows = 0,
                           const std::string& fileName = std::string());

// The picture redrawn into a 32-bpp bitmap of its own size, its bottom edge and its right (or, with
// rightFade false, left) edge faded into `colour` over `fadeWidth` pixels (30 % of the picture width
// when not given), encoded as PNG; empty when the encoder fails.
std::string RenderSkinImageToPng(const std::string& picture, std::optional<int> fadeWidth, COLORREF colour,
                                 bool rightFade = true, const std::string& fileName = std::string());
