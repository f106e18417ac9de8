#include "gdiplus/gdip_path_gradient.h"

#include <algorithm>

#include "gdiplus/gdip_internal.h"
#include "gdiplus/gdip_matrix.h"
#include "gdiplus/gdip_path.h"

using namespace gdipx;

namespace {
const gp::ARGB* Colours(const std::vector<uint32_t>& colours)
{
    return colours.empty() ? nullptr : reinterpret_cast<const gp::ARGB*>(colours.data());
}
}  // namespace

GdipPathGradientBrush::~GdipPathGradientBrush()
{
    StatusKeeper keep;
    DeleteBrush();
}

void GdipPathGradientBrush::SetSubclassHandle(void* handle)
{
    gradient_ = static_cast<gp::GpPathGradient*>(handle);
}

bool GdipPathGradientBrush::CreatePathGradient(const std::vector<PointF>& points, int wrapMode)
{
    ReleaseHeld();
    gp::GpPathGradient* brush = nullptr;
    return TakeCreated(gpf::GdipCreatePathGradient(Block(points), Count(points), En(wrapMode), &brush), brush);
}

bool GdipPathGradientBrush::CreatePathGradientI(const std::vector<Point>& points, int wrapMode)
{
    ReleaseHeld();
    gp::GpPathGradient* brush = nullptr;
    return TakeCreated(gpf::GdipCreatePathGradientI(Block(points), Count(points), En(wrapMode), &brush), brush);
}

bool GdipPathGradientBrush::CreatePathGradientFromPath(const GdipPath& path)
{
    ReleaseHeld();
    gp::GpPathGradient* brush = nullptr;
    return TakeCreated(gpf::GdipCreatePathGradientFromPath(Native<gp::GpPath>(path), &brush), brush);
}

uint32_t GdipPathGradientBrush::GetPathGradientCenterColor() const
{
    gp::ARGB colour = 0;
    return Check(gpf::GdipGetPathGradientCenterColor(gradient_, &colour)) ? colour : 0;
}

bool GdipPathGradientBrush::SetPathGradientCenterColor(uint32_t colour)
{
    return Check(gpf::GdipSetPathGradientCenterColor(gradient_, colour));
}

int GdipPathGradientBrush::GetPathGradientPointCount() const
{
    INT count = 0;
    return Check(gpf::GdipGetPathGradientPointCount(gradient_, &count)) ? count : 0;
}

int GdipPathGradientBrush::GetPathGradientSurroundColorCount() const
{
    INT count = 0;
    return Check(gpf::GdipGetPathGradientSurroundColorCount(gradient_, &count)) ? count : 0;
}

bool GdipPathGradientBrush::GetPathGradientSurroundColorsWithCount(std::vector<uint32_t>& colours, int& count) const
{
    INT asked = static_cast<INT>(colours.size());
    const bool ok = Check(gpf::GdipGetPathGradientSurroundColorsWithCount(
        gradient_, colours.empty() ? nullptr : reinterpret_cast<gp::ARGB*>(colours.data()), &asked));
    if (ok)
        count = asked;
    return ok;
}

bool GdipPathGradientBrush::SetPathGradientSurroundColorsWithCount(const std::vector<uint32_t>& colours)
{
    int count = static_cast<int>(colours.size());
    return SetPathGradientSurroundColorsWithCount(colours, count);
}

bool GdipPathGradientBrush::SetPathGradientSurroundColorsWithCount(const std::vector<uint32_t>& colours, int& count)
{
    INT used = std::clamp(count, 0, static_cast<int>(colours.size()));
    const bool ok = Check(gpf::GdipSetPathGradientSurroundColorsWithCount(gradient_, Colours(colours), &used));
    count = used;
    return ok;
}

bool GdipPathGradientBrush::GetPathGradientPath(GdipPath& target) const
{
    GdipPath path;
    if (!path.CreatePath() || !Check(gpf::GdipGetPathGradientPath(gradient_, Native<gp::GpPath>(path))))
        return false;
    target.ReplaceNativeHandle(path.GetNativeHandle());
    path.SetNativeHandle(nullptr);
    return Check(gp::Ok);
}

bool GdipPathGradientBrush::GetPathGradientPathInto(GdipPath& path) const
{
    if (path.IsEmpty() && !path.CreatePath())
        return false;
    return Check(gpf::GdipGetPathGradientPath(gradient_, Native<gp::GpPath>(path)));
}

PointF GdipPathGradientBrush::GetPathGradientCenterPoint() const
{
    PointF centre;
    return Check(gpf::GdipGetPathGradientCenterPoint(gradient_, AsGp(centre))) ? centre : PointF();
}

Point GdipPathGradientBrush::GetPathGradientCenterPointI() const
{
    Point centre;
    return Check(gpf::GdipGetPathGradientCenterPointI(gradient_, AsGp(centre))) ? centre : Point();
}

bool GdipPathGradientBrush::SetPathGradientCenterPoint(const PointF& centre)
{
    return Check(gpf::GdipSetPathGradientCenterPoint(gradient_, AsGp(centre)));
}

bool GdipPathGradientBrush::SetPathGradientCenterPointI(const Point& centre)
{
    return Check(gpf::GdipSetPathGradientCenterPointI(gradient_, AsGp(centre)));
}

RectF GdipPathGradientBrush::GetPathGradientRect() const
{
    RectF rect;
    return Check(gpf::GdipGetPathGradientRect(gradient_, AsGp(rect))) ? rect : RectF();
}

Rect GdipPathGradientBrush::GetPathGradientRectI() const
{
    Rect rect;
    return Check(gpf::GdipGetPathGradientRectI(gradient_, AsGp(rect))) ? rect : Rect();
}

bool GdipPathGradientBrush::SetPathGradientGammaCorrection(bool useGamma)
{
    return Check(gpf::GdipSetPathGradientGammaCorrection(gradient_, useGamma));
}

bool GdipPathGradientBrush::GetPathGradientGammaCorrection() const
{
    BOOL useGamma = FALSE;
    return Check(gpf::GdipGetPathGradientGammaCorrection(gradient_, &useGamma)) && useGamma;
}

bool GdipPathGradientBrush::SetPathGradientBlend(const std::vector<float>& factors, const std::vector<float>& positions)
{
    if (positions.size() < factors.size()) {
        StoreStatus(gp::InvalidParameter);
        return false;
    }
    return Check(gpf::GdipSetPathGradientBlend(gradient_, factors.empty() ? nullptr : factors.data(),
                                               positions.empty() ? nullptr : positions.data(), Count(factors)));
}

int GdipPathGradientBrush::GetPathGradientBlend(std::vector<float>& factors, std::vector<float>& positions) const
{
    INT count = 0;
    if (!Check(gpf::GdipGetPathGradientBlendCount(gradient_, &count)) || count <= 0)
        return 0;
    factors.assign(count, 0.0f);
    positions.assign(count, 0.0f);
    Check(gpf::GdipGetPathGradientBlend(gradient_, factors.data(), positions.data(), count));
    return count;
}

int GdipPathGradientBrush::GetPathGradientBlendCount() const
{
    INT count = 0;
    return Check(gpf::GdipGetPathGradientBlendCount(gradient_, &count)) ? count : 0;
}

int GdipPathGradientBrush::GetPathGradientPresetBlendCount() const
{
    INT count = 0;
    return Check(gpf::GdipGetPathGradientPresetBlendCount(gradient_, &count)) ? count : 0;
}

bool GdipPathGradientBrush::GetPathGradientFocusScales(float& xScale, float& yScale) const
{
    float x = 0, y = 0;
    const bool ok = Check(gpf::GdipGetPathGradientFocusScales(gradient_, &x, &y));
    xScale = x;
    yScale = y;
    return ok;
}

bool GdipPathGradientBrush::SetPathGradientFocusScales(float xScale, float yScale)
{
    return Check(gpf::GdipSetPathGradientFocusScales(gradient_, xScale, yScale));
}

bool GdipPathGradientBrush::SetPathGradientPresetBlend(const std::vector<uint32_t>& colours,
                                                       const std::vector<float>& positions)
{
    if (positions.size() < colours.size()) {
        StoreStatus(gp::InvalidParameter);
        return false;
    }
    return Check(gpf::GdipSetPathGradientPresetBlend(gradient_, Colours(colours),
                                                     positions.empty() ? nullptr : positions.data(), Count(colours)));
}

int GdipPathGradientBrush::GetPathGradientPresetBlend(std::vector<uint32_t>& colours,
                                                      std::vector<float>& positions) const
{
    INT count = 0;
    if (!Check(gpf::GdipGetPathGradientPresetBlendCount(gradient_, &count)) || count <= 0)
        return 0;
    colours.assign(count, 0);
    positions.assign(count, 0.0f);
    Check(gpf::GdipGetPathGradientPresetBlend(gradient_, reinterpret_cast<gp::ARGB*>(colours.data()),
                                              positions.data(), count));
    return count;
}

bool GdipPathGradientBrush::SetPathGradientSigmaBlend(float focus, float scale)
{
    return Check(gpf::GdipSetPathGradientSigmaBlend(gradient_, focus, scale));
}

bool GdipPathGradientBrush::SetPathGradientLinearBlend(float focus, float scale)
{
    return Check(gpf::GdipSetPathGradientLinearBlend(gradient_, focus, scale));
}

int GdipPathGradientBrush::GetPathGradientWrapMode() const
{
    gp::WrapMode mode{};
    return Check(gpf::GdipGetPathGradientWrapMode(gradient_, &mode)) ? mode : 0;
}

bool GdipPathGradientBrush::SetPathGradientWrapMode(int wrapMode)
{
    return Check(gpf::GdipSetPathGradientWrapMode(gradient_, En(wrapMode)));
}

bool GdipPathGradientBrush::GetPathGradientTransform(GdipMatrix& matrix) const
{
    if (matrix.IsEmpty() && !matrix.CreateMatrix())
        return false;
    return Check(gpf::GdipGetPathGradientTransform(gradient_, Native<gp::GpMatrix>(matrix)));
}

bool GdipPathGradientBrush::SetPathGradientTransform(const GdipMatrix& matrix)
{
    return Check(gpf::GdipSetPathGradientTransform(gradient_, Native<gp::GpMatrix>(matrix)));
}

bool GdipPathGradientBrush::ResetPathGradientTransform()
{
    return Check(gpf::GdipResetPathGradientTransform(gradient_));
}

bool GdipPathGradientBrush::MultiplyPathGradientTransform(const GdipMatrix& matrix, int order)
{
    return Check(gpf::GdipMultiplyPathGradientTransform(gradient_, Native<gp::GpMatrix>(matrix), En(order)));
}

bool GdipPathGradientBrush::TranslatePathGradientTransform(float dx, float dy, int order)
{
    return Check(gpf::GdipTranslatePathGradientTransform(gradient_, dx, dy, En(order)));
}

bool GdipPathGradientBrush::ScalePathGradientTransform(float sx, float sy, int order)
{
    return Check(gpf::GdipScalePathGradientTransform(gradient_, sx, sy, En(order)));
}

bool GdipPathGradientBrush::ScalePathGradientTransformAt(float sx, float sy, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order,
        [&](float dx, float dy) { return gpf::GdipTranslatePathGradientTransform(gradient_, dx, dy, En(order)); },
        [&] { return gpf::GdipScalePathGradientTransform(gradient_, sx, sy, En(order)); });
}

bool GdipPathGradientBrush::RotatePathGradientTransform(float angle, int order)
{
    return Check(gpf::GdipRotatePathGradientTransform(gradient_, angle, En(order)));
}

bool GdipPathGradientBrush::RotatePathGradientTransformAt(float angle, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order,
        [&](float dx, float dy) { return gpf::GdipTranslatePathGradientTransform(gradient_, dx, dy, En(order)); },
        [&] { return gpf::GdipRotatePathGradientTransform(gradient_, angle, En(order)); });
}
