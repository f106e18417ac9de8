#include "skin/controls/arrow_pictures.h"

#include <cstdint>

#include "gdiplus/gdip_bitmap.h"
#include "gdiplus/gdip_types.h"

namespace {

#include "skin/controls/arrow_pictures.inc"

template <size_t N>
std::string Bytes(const unsigned char (&data)[N])
{
    return std::string(reinterpret_cast<const char*>(data), N);
}

bool Wrap(GdipBitmap& bitmap, int width, int height, const uint32_t* pixels)
{
    // GDI+ only reads the pixels of a bitmap that nothing draws on.
    return bitmap.CreateBitmapFromScan0(width, height, width * 4, kPixelFormat32bppArgb,
                                        const_cast<uint32_t*>(pixels));
}

}  // namespace

std::string PngArrowUp7x4()
{
    return Bytes(kPngArrowUp7x4);
}

std::string PngArrowDown7x4()
{
    return Bytes(kPngArrowDown7x4);
}

std::string PngArrowLeft4x7()
{
    return Bytes(kPngArrowLeft4x7);
}

std::string PngArrowRight4x7()
{
    return Bytes(kPngArrowRight4x7);
}

bool LoadArrowBitmap(ArrowPicture picture, GdipBitmap& bitmap)
{
    switch (picture) {
    case ArrowPicture::kUp:
        return Wrap(bitmap, 7, 4, kArgbArrowUp7x4);
    case ArrowPicture::kDown:
        return Wrap(bitmap, 7, 4, kArgbArrowDown7x4);
    case ArrowPicture::kLeft:
        return Wrap(bitmap, 4, 7, kArgbArrowLeft4x7);
    case ArrowPicture::kRight:
        return Wrap(bitmap, 4, 7, kArgbArrowRight4x7);
    }
    return false;
}
