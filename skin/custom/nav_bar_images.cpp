#include "skin/custom/nav_bar_images.h"

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_graphics.h"
#include "skin/controls/paint_helpers.h"
#include "skin/core/drawing_primitives.h"
#include "skin/core/memory_dc.h"
#include "skin/core/skin_colours.h"

namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFF;

enum class GreyRule {
    kIconGrey,    // ConvertIconToPng, grey
    kIconColour,  // ConvertIconToPng, colours kept
    kDerived,     // the derived pictures: opaque white becomes transparent
};

COLORREF Shade(int v)
{
    return RGB(v, v, v);
}

// The new ARGB pixel from the pixel drawn over white and the pixel's own colour (both COLORREFs).
uint32_t TransformPixel(COLORREF overWhite, COLORREF own, GreyRule rule)
{
    const int r = GetRValue(overWhite), g = GetGValue(overWhite), b = GetBValue(overWhite);
    const int grey = (r + g + b) / 3;
    const COLORREF kept = rule == GreyRule::kIconColour ? overWhite : Shade(grey);
    if (overWhite != own) {
        if (r == g && g == b && r > 0)
            return MakeArgbColor(Shade(255 - grey), static_cast<BYTE>(255 - grey));
        return MakeArgbColor(kept, static_cast<BYTE>(255 - grey));
    }
    if (rule == GreyRule::kDerived && overWhite == kWhite)
        return MakeArgbColor(kWhite, 0);
    return MakeArgbColor(kept, 255);
}

COLORREF ColourOf(uint32_t argb)
{
    BYTE alpha = 0;
    return SwapRedBlue(argb, alpha);
}

// The pixels of a whole bitmap, locked as 32-bit ARGB for as long as the object lives.
class LockedPixels {
public:
    LockedPixels(GdipBitmap& bitmap, int lockMode) : bitmap_(bitmap)
    {
        locked_ = bitmap.BitmapLockBits(Rect{0, 0, bitmap.GetImageWidth(), bitmap.GetImageHeight()}, lockMode,
                                        kPixelFormat32bppArgb, data_);
    }
    ~LockedPixels()
    {
        if (locked_)
            bitmap_.BitmapUnlockBits(data_);
    }
    LockedPixels(const LockedPixels&) = delete;
    LockedPixels& operator=(const LockedPixels&) = delete;
    bool Locked() const { return locked_; }
    uint32_t& At(int x, int y)
    {
        return reinterpret_cast<uint32_t*>(static_cast<BYTE*>(data_.scan0) + static_cast<ptrdiff_t>(y) * data_.stride)[x];
    }

private:
    GdipBitmap& bitmap_;
    BitmapData data_;
    bool locked_ = false;
};

constexpr int kLockRead = 1;
constexpr int kLockReadWrite = 3;

// Makes `overWhite` the source drawn over opaque white, then writes the grey version of every pixel,
// column by column, into the source itself (inPlace) or into `overWhite`.
bool DeriveGrey(GdipBitmap& source, GdipBitmap& overWhite, bool inPlace)
{
    const int width = source.GetImageWidth();
    const int height = source.GetImageHeight();
    if (width <= 0 || height <= 0 || !overWhite.CreateBitmapFromScan0Default(width, height))
        return false;
    {
        GdipGraphics g;
        g.CreateFromImage(overWhite);
        g.GraphicsClear(kOpaqueWhite);
        g.DrawImageRectRect(source, 0, 0, static_cast<float>(width), static_cast<float>(height));
    }
    LockedPixels own(source, inPlace ? kLockReadWrite : kLockRead);
    LockedPixels over(overWhite, inPlace ? kLockRead : kLockReadWrite);
    if (!own.Locked() || !over.Locked())
        return false;
    LockedPixels& written = inPlace ? own : over;
    for (int x = 0; x < width; ++x) {
        for (int y = 0; y < height; ++y) {
            const COLORREF w = ColourOf(over.At(x, y));
            const COLORREF p = ColourOf(own.At(x, y));
            written.At(x, y) = TransformPixel(w, p, GreyRule::kDerived);
        }
    }
    return true;
}

}  // namespace

HICON LoadIconFromFile(const std::string& path)
{
    return static_cast<HICON>(LoadImageA(nullptr, path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
}

std::string ConvertIconToPng(HICON icon, bool grey)
{
    GdipBitmap picture;
    if (!icon || !picture.CreateBitmapFromHICON(icon))
        return {};
    const int width = picture.GetImageWidth();
    const int height = picture.GetImageHeight();
    if (width <= 0 || height <= 0)
        return {};
    // The icon drawn over white, to tell its see-through pixels from its own.
    HDC dc = CreateMemoryDC(width, height);
    if (!dc)
        return {};
    {
        GdipGraphics g;
        g.CreateFromHDC(dc);
        g.GraphicsClear(kOpaqueWhite);
    }
    DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    GdiFlush();
    const GreyRule rule = grey ? GreyRule::kIconGrey : GreyRule::kIconColour;
    {
        LockedPixels own(picture, kLockReadWrite);
        for (int x = 0; own.Locked() && x < width; ++x) {
            for (int y = 0; y < height; ++y) {
                const COLORREF overWhite = GetPixel(dc, x, y) & 0xFFFFFF;
                own.At(x, y) = TransformPixel(overWhite, ColourOf(own.At(x, y)), rule);
            }
        }
    }
    ReleaseMemoryDC(dc);
    return picture.SaveImageToStream(kImageFormatPng);
}

bool MakeDerivedItemImage(GdipBitmap& bitmap)
{
    GdipBitmap overWhite;
    DeriveGrey(bitmap, overWhite, true);
    return true;
}

std::string MakeDerivedItemImagePng(const std::string& picture)
{
    GdipBitmap source;
    if (!source.CreateBitmapFromStream(picture))
        return {};
    GdipBitmap grey;
    if (!DeriveGrey(source, grey, false))
        return {};
    return grey.SaveImageToStream(kImageFormatPng);
}
