#pragma once
// The pictures of navigation-bar items: icon files, and the grey versions of disabled items, made on
// every draw. Each pixel is compared as drawn over white (W) with its own colour (P): an unchanged
// pixel (W = P) stays opaque, a blended one gets the alpha 255 - grey of W, a grey blend (soft shadow,
// edge) becomes shade(255 - grey) and a coloured one shade(grey).
#include <windows.h>

#include <string>

class GdipBitmap;

// The GDI+ raw format of icon files.
inline constexpr char kImageFormatIcon[] = "{B96B3CB5-0728-11D3-9D7B-0000F81EF32E}";

// The icon file at its stored size; 0 when it cannot be loaded. The caller destroys the icon.
HICON LoadIconFromFile(const std::string& path);
// The icon as 32-bit PNG bytes with alpha, grey when asked (else each pixel keeps its colour); empty
// for icon 0. The icon is not destroyed.
std::string ConvertIconToPng(HICON icon, bool grey = false);
// Turns the bitmap grey in place; opaque pure white becomes transparent. True.
bool MakeDerivedItemImage(GdipBitmap& bitmap);
// The same transform from picture bytes to new PNG bytes; empty when the bytes are no picture.
std::string MakeDerivedItemImagePng(const std::string& picture);
