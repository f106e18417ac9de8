#pragma once
// Drawing with GDI+ straight into the pixels of a memory context's DIB section: a GDI+ bitmap over the
// DIB's bits, several times faster under Wine than drawing through the device context, and the same
// pixels whichever painter draws, so a part repainted alone matches the full paint.
#include <windows.h>

class GdipBitmap;
class GdipGraphics;

// Makes `surface` a bitmap over the pixels of a 32-bpp DIB section; false for anything else.
bool WrapDibPixels(GdipBitmap& surface, HBITMAP dib);
// Attaches the graphics to the DIB selected into the context through `surface`, which must outlive
// the graphics; to the context itself when it holds no DIB.
void AttachGraphicsToDc(GdipGraphics& graphics, GdipBitmap& surface, HDC dc);
