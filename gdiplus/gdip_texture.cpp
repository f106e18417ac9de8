#include "gdiplus/gdip_texture.h"

#include "gdiplus/gdip_image.h"
#include "gdiplus/gdip_internal.h"
#include "gdiplus/gdip_matrix.h"

using namespace gdipx;

GdipTextureBrush::~GdipTextureBrush()
{
    StatusKeeper keep;
    DeleteBrush();
}

void GdipTextureBrush::SetSubclassHandle(void* handle) { texture_ = static_cast<gp::GpTexture*>(handle); }

bool GdipTextureBrush::CreateTexture(const GdipImage& image, int wrapMode)
{
    ReleaseHeld();
    gp::GpTexture* texture = nullptr;
    return TakeCreated(gpf::GdipCreateTexture(Native<gp::GpImage>(image), En(wrapMode), &texture), texture);
}

bool GdipTextureBrush::CreateTextureRect(const GdipImage& image, float x, float y, float width, float height,
                                         int wrapMode)
{
    ReleaseHeld();
    gp::GpTexture* texture = nullptr;
    return TakeCreated(
        gpf::GdipCreateTexture2(Native<gp::GpImage>(image), En(wrapMode), x, y, width, height, &texture), texture);
}

bool GdipTextureBrush::CreateTextureRectI(const GdipImage& image, int x, int y, int width, int height, int wrapMode)
{
    ReleaseHeld();
    gp::GpTexture* texture = nullptr;
    return TakeCreated(
        gpf::GdipCreateTexture2I(Native<gp::GpImage>(image), En(wrapMode), x, y, width, height, &texture), texture);
}

bool GdipTextureBrush::CreateTextureWithAttributes(const GdipImage& image, float x, float y, float width,
                                                   float height, const GdipObjectBase& attributes)
{
    ReleaseHeld();
    gp::GpTexture* texture = nullptr;
    return TakeCreated(gpf::GdipCreateTextureIA(Native<gp::GpImage>(image),
                                                Native<gp::GpImageAttributes>(attributes), x, y, width, height,
                                                &texture),
                       texture);
}

bool GdipTextureBrush::CreateTextureWithAttributesI(const GdipImage& image, int x, int y, int width, int height,
                                                    const GdipObjectBase& attributes)
{
    ReleaseHeld();
    gp::GpTexture* texture = nullptr;
    return TakeCreated(gpf::GdipCreateTextureIAI(Native<gp::GpImage>(image),
                                                 Native<gp::GpImageAttributes>(attributes), x, y, width, height,
                                                 &texture),
                       texture);
}

bool GdipTextureBrush::GetTextureTransform(GdipMatrix& matrix) const
{
    if (matrix.IsEmpty() && !matrix.CreateMatrix())
        return false;
    return Check(gpf::GdipGetTextureTransform(texture_, Native<gp::GpMatrix>(matrix)));
}

bool GdipTextureBrush::SetTextureTransform(const GdipMatrix& matrix)
{
    return Check(gpf::GdipSetTextureTransform(texture_, Native<gp::GpMatrix>(matrix)));
}

bool GdipTextureBrush::ResetTextureTransform() { return Check(gpf::GdipResetTextureTransform(texture_)); }

bool GdipTextureBrush::MultiplyTextureTransform(const GdipMatrix& matrix, int order)
{
    return Check(gpf::GdipMultiplyTextureTransform(texture_, Native<gp::GpMatrix>(matrix), En(order)));
}

bool GdipTextureBrush::TranslateTextureTransform(float dx, float dy, int order)
{
    return Check(gpf::GdipTranslateTextureTransform(texture_, dx, dy, En(order)));
}

bool GdipTextureBrush::ScaleTextureTransform(float sx, float sy, int order)
{
    return Check(gpf::GdipScaleTextureTransform(texture_, sx, sy, En(order)));
}

bool GdipTextureBrush::ScaleTextureTransformAt(float sx, float sy, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order,
        [&](float dx, float dy) { return gpf::GdipTranslateTextureTransform(texture_, dx, dy, En(order)); },
        [&] { return gpf::GdipScaleTextureTransform(texture_, sx, sy, En(order)); });
}

bool GdipTextureBrush::RotateTextureTransform(float angle, int order)
{
    return Check(gpf::GdipRotateTextureTransform(texture_, angle, En(order)));
}

bool GdipTextureBrush::RotateTextureTransformAt(float angle, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order,
        [&](float dx, float dy) { return gpf::GdipTranslateTextureTransform(texture_, dx, dy, En(order)); },
        [&] { return gpf::GdipRotateTextureTransform(texture_, angle, En(order)); });
}

int GdipTextureBrush::GetTextureWrapMode() const
{
    gp::WrapMode mode{};
    return Check(gpf::GdipGetTextureWrapMode(texture_, &mode)) ? mode : 0;
}

bool GdipTextureBrush::SetTextureWrapMode(int wrapMode)
{
    return Check(gpf::GdipSetTextureWrapMode(texture_, En(wrapMode)));
}

bool GdipTextureBrush::GetTextureImage(GdipImage& target) const
{
    gp::GpImage* image = nullptr;
    return GiveTo(target, gpf::GdipGetTextureImage(texture_, &image), image);
}
