#pragma once
// The skin's off-screen memory contexts. Every one is made, registered and released here, and a
// release deletes the context's bitmap with it, so a paint that releases what it made leaves no GDI
// object behind.
#include <windows.h>

// A 32-bpp bottom-up DIB section of width x height; 0 when it cannot be made.
HBITMAP CreateDib32(int width, int height);
// Enters the context in the registry, or updates its entry when it is registered already.
void RegisterMemoryDC(HDC dc, HBITMAP bitmap, HGDIOBJ previousBitmap);
// Selects the previous bitmap back, deletes the registered bitmap (by its handle) and the context and
// drops the entry.
// False for 0 and for a context that is not registered (nothing is touched then).
bool ReleaseMemoryDC(HDC dc);
// A new registered memory context holding a width x height CreateDib32 bitmap; 0 when it cannot be made.
HDC CreateMemoryDC(int width, int height);
// A new bitmap compatible with the context holding its top-left width x height pixels. The context is
// released (ReleaseMemoryDC) in every case.
HBITMAP CopyDcToBitmap(HDC source, int width, int height);
// Number of registered contexts.
int MemoryDcCount();
bool IsMemoryDcRegistered(HDC dc);
