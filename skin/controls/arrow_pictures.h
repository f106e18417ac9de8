#pragma once
// The arrow pictures built into the program: solid near-black triangles on transparent white, PNG,
// RGBA, 96 dots per inch. Drawn at their own size by the scroll-bar overlays, the combo-box button and
// the up-down, toolbar and custom scroll-bar painters.
#include <string>

class GdipBitmap;

std::string PngArrowUp7x4();     // 7 x 4, rows of 1, 3, 5, 7 pixels from the top
std::string PngArrowDown7x4();   // 7 x 4, rows of 7, 5, 3, 1
std::string PngArrowLeft4x7();   // 4 x 7, columns of 1, 3, 5, 7 from the left
std::string PngArrowRight4x7();  // 4 x 7, columns of 7, 5, 3, 1

enum class ArrowPicture { kUp, kDown, kLeft, kRight };
// Makes the bitmap hold the picture as its PNG decodes, straight from the built-in pixels: decoding a
// PNG costs about a millisecond under Wine, and scroll bars paint on every scroll. The bitmap reads
// the program's constant pixels; it must not be drawn on.
bool LoadArrowBitmap(ArrowPicture picture, GdipBitmap& bitmap);
