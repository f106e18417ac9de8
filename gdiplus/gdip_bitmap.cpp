#include "gdiplus/gdip_bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_internal.h"
#include "gdiplus/picture_guard.h"
#include "runtime/picture_structure.h"

using namespace gdipx;

static_assert(sizeof(BitmapData) == sizeof(gp::BitmapData), "BitmapData layout");
static_assert(offsetof(BitmapData, scan0) == offsetof(gp::BitmapData, Scan0), "BitmapData layout");

GdipBitmap::~GdipBitmap()
{
    StatusKeeper keep;
    DisposeBitmap();
}

void GdipBitmap::SetSubclassHandle(void* handle) { bitmap_ = static_cast<gp::GpBitmap*>(handle); }

bool GdipBitmap::DisposeBitmap()
{
    if (!bitmap_)
        return false;
    const gp::Status status = gpf::GdipDisposeImage(bitmap_);
    SetNativeHandle(nullptr);
    stream_.ReleaseStream();
    return Check(status);
}

bool GdipBitmap::CreateBitmapFromFile(const std::string& fileName, bool useIcm)
{
    return CreateBitmapFromFileW(TextToWideBytes(fileName), useIcm);
}

bool GdipBitmap::CreateBitmapFromFileW(const std::string& wideFileName, bool useIcm)
{
    ReleaseHeld();
    const WideText name = WideFromBytes(wideFileName);
    gp::GpBitmap* bitmap = nullptr;
    const gp::Status status = !PictureFileDecodable(name.Units()) ? gp::InvalidParameter
                              : useIcm ? gpf::GdipCreateBitmapFromFileICM(name.Units(), &bitmap)
                                       : gpf::GdipCreateBitmapFromFile(name.Units(), &bitmap);
    return TakeCreated(status, bitmap);
}

bool GdipBitmap::CreateBitmapFromStream(const std::string& data, bool useIcm)
{
    ReleaseHeld();
    IStream* stream = stream_.CreateStreamFromBytes(data);
    gp::GpBitmap* bitmap = nullptr;
    const gp::Status status = !stream                      ? gp::OutOfMemory
                              : !PictureOutlineSound(data) ? gp::InvalidParameter
                              : useIcm                     ? gpf::GdipCreateBitmapFromStreamICM(stream, &bitmap)
                                       : gpf::GdipCreateBitmapFromStream(stream, &bitmap);
    return TakeCreated(status, bitmap);
}

bool GdipBitmap::CreateBitmapFromScan0(int width, int height, int stride, int pixelFormat, void* scan0)
{
    ReleaseHeld();
    gp::GpBitmap* bitmap = nullptr;
    return TakeCreated(gpf::GdipCreateBitmapFromScan0(width, height, stride, pixelFormat, static_cast<BYTE*>(scan0),
                                                      &bitmap),
                       bitmap);
}

bool GdipBitmap::CreateBitmapFromScan0Default(int width, int height, int pixelFormat)
{
    return CreateBitmapFromScan0(width, height, 0, pixelFormat, nullptr);
}

bool GdipBitmap::CreateBitmapFromGraphics(int width, int height, const GdipGraphics& graphics)
{
    ReleaseHeld();
    gp::GpBitmap* bitmap = nullptr;
    return TakeCreated(gpf::GdipCreateBitmapFromGraphics(width, height, Native<gp::GpGraphics>(graphics), &bitmap),
                       bitmap);
}

bool GdipBitmap::CreateBitmapFromGdiDib(const BITMAPINFO* info, void* bits)
{
    ReleaseHeld();
    gp::GpBitmap* bitmap = nullptr;
    return TakeCreated(gpf::GdipCreateBitmapFromGdiDib(info, bits, &bitmap), bitmap);
}

bool GdipBitmap::CreateBitmapFromHBITMAP(HBITMAP hbitmap, HPALETTE palette)
{
    ReleaseHeld();
    gp::GpBitmap* bitmap = nullptr;
    return TakeCreated(gpf::GdipCreateBitmapFromHBITMAP(hbitmap, palette, &bitmap), bitmap);
}

bool GdipBitmap::CreateBitmapFromHICON(HICON icon)
{
    ReleaseHeld();
    gp::GpBitmap* bitmap = nullptr;
    return TakeCreated(gpf::GdipCreateBitmapFromHICON(icon, &bitmap), bitmap);
}

bool GdipBitmap::CreateBitmapFromResource(HINSTANCE instance, const wchar_t* name)
{
    ReleaseHeld();
    gp::GpBitmap* bitmap = nullptr;
    return TakeCreated(gpf::GdipCreateBitmapFromResource(instance, name, &bitmap), bitmap);
}

HBITMAP GdipBitmap::CreateHBITMAPFromBitmap(uint32_t background) const
{
    HBITMAP result = nullptr;
    return Check(gpf::GdipCreateHBITMAPFromBitmap(bitmap_, &result, background)) ? result : nullptr;
}

HICON GdipBitmap::CreateHICONFromBitmap() const
{
    HICON result = nullptr;
    return Check(gpf::GdipCreateHICONFromBitmap(bitmap_, &result)) ? result : nullptr;
}

bool GdipBitmap::CloneBitmapArea(const RectF& area, int pixelFormat, GdipBitmap& target) const
{
    gp::GpBitmap* copy = nullptr;
    return GiveTo(target,
                  gpf::GdipCloneBitmapArea(area.x, area.y, area.width, area.height, pixelFormat, bitmap_, &copy),
                  copy);
}

bool GdipBitmap::CloneBitmapAreaI(const Rect& area, int pixelFormat, GdipBitmap& target) const
{
    gp::GpBitmap* copy = nullptr;
    return GiveTo(target,
                  gpf::GdipCloneBitmapAreaI(area.x, area.y, area.width, area.height, pixelFormat, bitmap_, &copy),
                  copy);
}

bool GdipBitmap::BitmapLockBits(const Rect& area, int lockFlags, int pixelFormat, BitmapData& data)
{
    return Check(gpf::GdipBitmapLockBits(bitmap_, AsGp(area), static_cast<UINT>(lockFlags), pixelFormat,
                                         reinterpret_cast<gp::BitmapData*>(&data)));
}

bool GdipBitmap::BitmapUnlockBits(BitmapData& data)
{
    return Check(gpf::GdipBitmapUnlockBits(bitmap_, reinterpret_cast<gp::BitmapData*>(&data)));
}

uint32_t GdipBitmap::BitmapGetPixel(int x, int y) const
{
    gp::ARGB colour = 0;
    return Check(gpf::GdipBitmapGetPixel(bitmap_, x, y, &colour)) ? colour : 0;
}

bool GdipBitmap::BitmapSetPixel(int x, int y, uint32_t colour)
{
    return Check(gpf::GdipBitmapSetPixel(bitmap_, x, y, colour));
}

bool GdipBitmap::BitmapSetResolution(float dpiX, float dpiY)
{
    return Check(gpf::GdipBitmapSetResolution(bitmap_, dpiX, dpiY));
}

bool GdipBitmap::BitmapApplyEffect(GdipEffect& effect, const Rect* area)
{
    if (effect.auxData) {
        gpf::GdipFree(effect.auxData);
        effect.auxData = nullptr;
        effect.auxDataSize = 0;
    }
    // GDI+ takes the area as a Windows RECT (edges, not a size).
    RECT edges = {};
    if (area)
        edges = {area->x, area->y, area->x + area->width, area->y + area->height};
    // Effects came with GDI+ 1.1, which not every import library declares: look the function up.
    using ApplyEffect = gp::Status(WINAPI*)(gp::GpBitmap*, gp::CGpEffect*, RECT*, BOOL, VOID**, INT*);
    HMODULE module = GetModuleHandleA("gdiplus.dll");
    const auto apply = reinterpret_cast<ApplyEffect>(
        reinterpret_cast<void*>(module ? GetProcAddress(module, "GdipBitmapApplyEffect") : nullptr));
    if (!apply)
        return Check(gp::NotImplemented);
    void* auxData = nullptr;
    INT auxDataSize = 0;
    const bool ok = Check(apply(bitmap_, static_cast<gp::CGpEffect*>(effect.nativeEffect), area ? &edges : nullptr,
                                effect.useAuxData, &auxData, &auxDataSize));
    effect.auxData = auxData;
    effect.auxDataSize = auxDataSize;
    return ok;
}

void GdipBitmap::ComputeRotatedSize(float width, float height, int angle, float& rotatedWidth, float& rotatedHeight)
{
    const float radians = static_cast<float>(angle) * 3.1415926535f / 180.0f;
    const float s = std::sin(radians), c = std::cos(radians);
    const float a = (width - 1) / 2, b = (height - 1) / 2;
    const PointF corners[4] = {{-a, b}, {a, b}, {-a, -b}, {a, -b}};
    PointF turned[4];
    for (int i = 0; i < 4; ++i)
        turned[i] = {corners[i].x * c + corners[i].y * s, -corners[i].x * s + corners[i].y * c};
    rotatedWidth = std::max(std::fabs(turned[3].x - turned[0].x), std::fabs(turned[2].x - turned[1].x));
    rotatedHeight = std::max(std::fabs(turned[3].y - turned[0].y), std::fabs(turned[2].y - turned[1].y));
}

bool GdipBitmap::RotateToNewBitmap(float angle, GdipBitmap& target, std::optional<uint32_t> background,
                                   std::optional<int> interpolationMode, std::optional<SizeF> size) const
{
    UINT width = 0, height = 0;
    Check(gpf::GdipGetImageWidth(bitmap_, &width));
    Check(gpf::GdipGetImageHeight(bitmap_, &height));
    float newWidth = 0, newHeight = 0;
    if (size) {
        newWidth = size->width;
        newHeight = size->height;
    } else {
        ComputeRotatedSize(static_cast<float>(width), static_cast<float>(height), static_cast<int>(angle), newWidth,
                           newHeight);
    }

    gp::GpBitmap* rotated = nullptr;
    if (!Check(gpf::GdipCreateBitmapFromScan0(static_cast<INT>(newWidth), static_cast<INT>(newHeight), 0,
                                              kPixelFormat32bppArgb, nullptr, &rotated)))
        return false;
    float dpiX = 0, dpiY = 0;
    gpf::GdipGetImageHorizontalResolution(bitmap_, &dpiX);
    gpf::GdipGetImageVerticalResolution(bitmap_, &dpiY);
    gpf::GdipBitmapSetResolution(rotated, dpiX, dpiY);

    gp::GpGraphics* graphics = nullptr;
    if (!Check(gpf::GdipGetImageGraphicsContext(rotated, &graphics))) {
        gpf::GdipDisposeImage(rotated);
        return false;
    }
    auto abandon = [&](gp::Status status) {
        gpf::GdipDeleteGraphics(graphics);
        gpf::GdipDisposeImage(rotated);
        return Check(status);
    };
    if (background) {
        gp::GpSolidFill* fill = nullptr;
        const gp::Status status = gpf::GdipCreateSolidFill(*background, &fill);
        if (status != gp::Ok)
            return abandon(status);
        gpf::GdipFillRectangle(graphics, fill, 0, 0, newWidth, newHeight);
        gpf::GdipDeleteBrush(fill);
    }
    if (interpolationMode)
        gpf::GdipSetInterpolationMode(graphics, En(*interpolationMode));
    gp::GpMatrix* matrix = nullptr;
    const gp::Status made = gpf::GdipCreateMatrix(&matrix);
    if (made != gp::Ok)
        return abandon(made);
    // Centre the picture in the new bitmap, then turn it about that bitmap's centre.
    const float cx = newWidth / 2, cy = newHeight / 2;
    gpf::GdipTranslateMatrix(matrix, cx, cy, gp::MatrixOrderPrepend);
    gpf::GdipRotateMatrix(matrix, angle, gp::MatrixOrderPrepend);
    gpf::GdipTranslateMatrix(matrix, -cx, -cy, gp::MatrixOrderPrepend);
    gpf::GdipTranslateMatrix(matrix, (newWidth - width) / 2, (newHeight - height) / 2, gp::MatrixOrderPrepend);
    gpf::GdipSetWorldTransform(graphics, matrix);
    const gp::Status drawn = gpf::GdipDrawImage(graphics, bitmap_, 0, 0);
    gpf::GdipResetWorldTransform(graphics);
    gpf::GdipDeleteMatrix(matrix);
    gpf::GdipDeleteGraphics(graphics);
    target.ReplaceNativeHandle(rotated);
    return Check(drawn);
}
