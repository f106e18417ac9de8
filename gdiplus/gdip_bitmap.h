#pragma once
// Bitmaps: the off-screen surfaces the skin paints into (an empty 32-bpp ARGB bitmap, a graphics
// made on it, then a GDI bitmap for a memory context or a layered window), and pictures made from
// icons, GDI bitmaps, files and bytes, read and written pixel by pixel. Every image operation works on
// a bitmap too.
#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "gdiplus/gdip_image.h"

class GdipGraphics;

// What BitmapApplyEffect needs of an effect: the native GDI+ effect and its auxiliary data (memory
// GDI+ allocated, released with GdipFree).
struct GdipEffect {
    void* nativeEffect = nullptr;
    bool useAuxData = false;
    void* auxData = nullptr;
    int auxDataSize = 0;
};

class GdipBitmap : public GdipImage {
public:
    GdipBitmap() = default;
    ~GdipBitmap() override;

    // Disposes of the bitmap, then releases the member stream.
    bool DisposeBitmap();
    bool CreateBitmapFromFile(const std::string& fileName, bool useIcm = false);
    bool CreateBitmapFromFileW(const std::string& wideFileName, bool useIcm = false);
    // As GdipImage::LoadImageFromStream: the bytes stay in the member stream.
    bool CreateBitmapFromStream(const std::string& data, bool useIcm = false);
    // The caller's pixels (scan0) must outlive the bitmap; without them GDI+ allocates its own.
    bool CreateBitmapFromScan0(int width, int height, int stride, int pixelFormat, void* scan0 = nullptr);
    // A bitmap whose pixels are all 0 (transparent black in the default 32-bpp ARGB format).
    bool CreateBitmapFromScan0Default(int width, int height, int pixelFormat = kPixelFormat32bppArgb);
    bool CreateBitmapFromGraphics(int width, int height, const GdipGraphics& graphics);
    bool CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits);
    bool CreateBitmapFromHBITMAP(HBITMAP bitmap, HPALETTE palette = nullptr);
    bool CreateBitmapFromHICON(HICON icon);
    bool CreateBitmapFromResource(HINSTANCE instance, const wchar_t* name);
    // A new 32-bpp GDI bitmap owned by the caller (0 on failure).
    HBITMAP CreateHBITMAPFromBitmap(uint32_t background = 0) const;
    HICON CreateHICONFromBitmap() const;
    bool CloneBitmapArea(const RectF& area, int pixelFormat, GdipBitmap& target) const;
    bool CloneBitmapAreaI(const Rect& area, int pixelFormat, GdipBitmap& target) const;
    bool BitmapLockBits(const Rect& area, int lockFlags, int pixelFormat, BitmapData& data);
    bool BitmapUnlockBits(BitmapData& data);
    uint32_t BitmapGetPixel(int x, int y) const;
    bool BitmapSetPixel(int x, int y, uint32_t colour);
    bool BitmapSetResolution(float dpiX, float dpiY);
    // Frees the effect's previous auxiliary data, applies it (to the area, or the whole bitmap) and
    // stores the new auxiliary data.
    bool BitmapApplyEffect(GdipEffect& effect, const Rect* area = nullptr);
    // This bitmap drawn rotated by the angle (degrees) about the centre of a new 32-bpp ARGB bitmap
    // handed to the target; the size is the rotated size unless one is given.
    bool RotateToNewBitmap(float angle, GdipBitmap& target, std::optional<uint32_t> background = std::nullopt,
                           std::optional<int> interpolationMode = std::nullopt,
                           std::optional<SizeF> size = std::nullopt) const;
    // The box of a w x h picture turned by a whole number of degrees, measured between pixel centres:
    // (w - 1)|cos| + (h - 1)|sin| by (w - 1)|sin| + (h - 1)|cos|.
    static void ComputeRotatedSize(float width, float height, int angle, float& rotatedWidth, float& rotatedHeight);

protected:
    void SetSubclassHandle(void* handle) override;
    void ReleaseHeld() override { DisposeBitmap(); }

private:
    Gdiplus::GpBitmap* bitmap_ = nullptr;
};
