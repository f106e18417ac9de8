#include "gdiplus/gdip_brush.h"

#include "gdiplus/gdip_internal.h"
#include "gdiplus/gdip_matrix.h"

using namespace gdipx;

// --- brush base -------------------------------------------------------------------------------------

void GdipBrush::SetClassHandle(void* handle)
{
    brush_ = static_cast<gp::GpBrush*>(handle);
    SetSubclassHandle(handle);
}

bool GdipBrush::DeleteBrush()
{
    if (!brush_)
        return false;
    const gp::Status status = gpf::GdipDeleteBrush(brush_);
    SetNativeHandle(nullptr);
    return Check(status);
}

bool GdipBrush::CloneBrush(GdipBrush& target) const
{
    gp::GpBrush* copy = nullptr;
    return GiveTo(target, gpf::GdipCloneBrush(brush_, &copy), copy);
}

int GdipBrush::GetBrushType() const
{
    gp::BrushType type{};
    return Check(gpf::GdipGetBrushType(brush_, &type)) ? type : 0;
}

// --- solid brush ------------------------------------------------------------------------------------

GdipSolidBrush::~GdipSolidBrush()
{
    StatusKeeper keep;
    DeleteBrush();
}

void GdipSolidBrush::SetSubclassHandle(void* handle) { fill_ = static_cast<gp::GpSolidFill*>(handle); }

bool GdipSolidBrush::CreateSolidFill(uint32_t colour)
{
    ReleaseHeld();
    gp::GpSolidFill* fill = nullptr;
    return TakeCreated(gpf::GdipCreateSolidFill(colour, &fill), fill);
}

bool GdipSolidBrush::SetSolidFillColor(uint32_t colour) { return Check(gpf::GdipSetSolidFillColor(fill_, colour)); }

uint32_t GdipSolidBrush::GetSolidFillColor() const
{
    gp::ARGB colour = 0;
    return Check(gpf::GdipGetSolidFillColor(fill_, &colour)) ? colour : 0;
}

// --- linear gradient --------------------------------------------------------------------------------

namespace {
const gp::WrapMode kTile = gp::WrapModeTile;
}

GdipLinearGradientBrush::~GdipLinearGradientBrush()
{
    StatusKeeper keep;
    DeleteBrush();
}

void GdipLinearGradientBrush::SetSubclassHandle(void* handle)
{
    gradient_ = static_cast<gp::GpLineGradient*>(handle);
}

bool GdipLinearGradientBrush::CreateLineBrush(const PointF& start, const PointF& end, uint32_t startColour,
                                              uint32_t endColour)
{
    ReleaseHeld();
    gp::GpLineGradient* brush = nullptr;
    return TakeCreated(gpf::GdipCreateLineBrush(AsGp(start), AsGp(end), startColour, endColour, kTile, &brush),
                       brush);
}

bool GdipLinearGradientBrush::CreateLineBrushI(const Point& start, const Point& end, uint32_t startColour,
                                               uint32_t endColour)
{
    ReleaseHeld();
    gp::GpLineGradient* brush = nullptr;
    return TakeCreated(gpf::GdipCreateLineBrushI(AsGp(start), AsGp(end), startColour, endColour, kTile, &brush),
                       brush);
}

bool GdipLinearGradientBrush::CreateLineBrushFromRect(const RectF& rect, uint32_t startColour, uint32_t endColour,
                                                      int gradientMode)
{
    ReleaseHeld();
    gp::GpLineGradient* brush = nullptr;
    return TakeCreated(
        gpf::GdipCreateLineBrushFromRect(AsGp(rect), startColour, endColour, En(gradientMode), kTile, &brush), brush);
}

bool GdipLinearGradientBrush::CreateLineBrushFromRectI(const Rect& rect, uint32_t startColour, uint32_t endColour,
                                                       int gradientMode)
{
    ReleaseHeld();
    gp::GpLineGradient* brush = nullptr;
    return TakeCreated(
        gpf::GdipCreateLineBrushFromRectI(AsGp(rect), startColour, endColour, En(gradientMode), kTile, &brush),
        brush);
}

bool GdipLinearGradientBrush::CreateLineBrushFromRectWithAngle(const RectF& rect, uint32_t startColour,
                                                               uint32_t endColour, float angle, bool angleIsScalable)
{
    ReleaseHeld();
    gp::GpLineGradient* brush = nullptr;
    return TakeCreated(gpf::GdipCreateLineBrushFromRectWithAngle(AsGp(rect), startColour, endColour, angle,
                                                                 angleIsScalable, kTile, &brush),
                       brush);
}

bool GdipLinearGradientBrush::CreateLineBrushFromRectWithAngleI(const Rect& rect, uint32_t startColour,
                                                                uint32_t endColour, float angle, bool angleIsScalable)
{
    ReleaseHeld();
    gp::GpLineGradient* brush = nullptr;
    return TakeCreated(gpf::GdipCreateLineBrushFromRectWithAngleI(AsGp(rect), startColour, endColour, angle,
                                                                  angleIsScalable, kTile, &brush),
                       brush);
}

bool GdipLinearGradientBrush::GetLineColors(uint32_t& startColour, uint32_t& endColour) const
{
    gp::ARGB colours[2] = {};
    const bool ok = Check(gpf::GdipGetLineColors(gradient_, colours));
    startColour = colours[0];
    endColour = colours[1];
    return ok;
}

bool GdipLinearGradientBrush::SetLineColors(uint32_t startColour, uint32_t endColour)
{
    return Check(gpf::GdipSetLineColors(gradient_, startColour, endColour));
}

RectF GdipLinearGradientBrush::GetLineRect() const
{
    RectF rect;
    return Check(gpf::GdipGetLineRect(gradient_, AsGp(rect))) ? rect : RectF();
}

Rect GdipLinearGradientBrush::GetLineRectI() const
{
    Rect rect;
    return Check(gpf::GdipGetLineRectI(gradient_, AsGp(rect))) ? rect : Rect();
}

bool GdipLinearGradientBrush::SetLineGammaCorrection(bool useGamma)
{
    return Check(gpf::GdipSetLineGammaCorrection(gradient_, useGamma));
}

bool GdipLinearGradientBrush::GetLineGammaCorrection() const
{
    BOOL useGamma = FALSE;
    return Check(gpf::GdipGetLineGammaCorrection(gradient_, &useGamma)) && useGamma;
}

bool GdipLinearGradientBrush::SetLineBlend(const std::vector<float>& factors, const std::vector<float>& positions)
{
    if (positions.size() < factors.size()) {
        StoreStatus(gp::InvalidParameter);
        return false;
    }
    return Check(gpf::GdipSetLineBlend(gradient_, factors.empty() ? nullptr : factors.data(),
                                       positions.empty() ? nullptr : positions.data(), Count(factors)));
}

int GdipLinearGradientBrush::GetLineBlend(std::vector<float>& factors, std::vector<float>& positions) const
{
    INT count = 0;
    if (!Check(gpf::GdipGetLineBlendCount(gradient_, &count)) || count <= 0)
        return 0;
    factors.assign(count, 0.0f);
    positions.assign(count, 0.0f);
    Check(gpf::GdipGetLineBlend(gradient_, factors.data(), positions.data(), count));
    return count;
}

int GdipLinearGradientBrush::GetLineBlendCount() const
{
    INT count = 0;
    return Check(gpf::GdipGetLineBlendCount(gradient_, &count)) ? count : 0;
}

bool GdipLinearGradientBrush::SetLinePresetBlend(const std::vector<uint32_t>& colours,
                                                 const std::vector<float>& positions)
{
    if (positions.size() < colours.size()) {
        StoreStatus(gp::InvalidParameter);
        return false;
    }
    static_assert(sizeof(uint32_t) == sizeof(gp::ARGB), "ARGB");
    return Check(gpf::GdipSetLinePresetBlend(gradient_, colours.empty() ? nullptr : reinterpret_cast<const gp::ARGB*>(colours.data()),
                                             positions.empty() ? nullptr : positions.data(), Count(colours)));
}

int GdipLinearGradientBrush::GetLinePresetBlend(std::vector<uint32_t>& colours, std::vector<float>& positions) const
{
    INT count = 0;
    if (!Check(gpf::GdipGetLinePresetBlendCount(gradient_, &count)) || count <= 0)
        return 0;
    colours.assign(count, 0);
    positions.assign(count, 0.0f);
    Check(gpf::GdipGetLinePresetBlend(gradient_, reinterpret_cast<gp::ARGB*>(colours.data()), positions.data(), count));
    return count;
}

bool GdipLinearGradientBrush::SetLineSigmaBlend(float focus, float scale)
{
    return Check(gpf::GdipSetLineSigmaBlend(gradient_, focus, scale));
}

bool GdipLinearGradientBrush::SetLineLinearBlend(float focus, float scale)
{
    return Check(gpf::GdipSetLineLinearBlend(gradient_, focus, scale));
}

int GdipLinearGradientBrush::GetLineWrapMode() const
{
    gp::WrapMode mode{};
    return Check(gpf::GdipGetLineWrapMode(gradient_, &mode)) ? mode : 0;
}

bool GdipLinearGradientBrush::SetLineWrapMode(int wrapMode)
{
    return Check(gpf::GdipSetLineWrapMode(gradient_, En(wrapMode)));
}

bool GdipLinearGradientBrush::GetLineTransform(GdipMatrix& matrix) const
{
    if (matrix.IsEmpty() && !matrix.CreateMatrix())
        return false;
    return Check(gpf::GdipGetLineTransform(gradient_, Native<gp::GpMatrix>(matrix)));
}

bool GdipLinearGradientBrush::SetLineTransform(const GdipMatrix& matrix)
{
    return Check(gpf::GdipSetLineTransform(gradient_, Native<gp::GpMatrix>(matrix)));
}

bool GdipLinearGradientBrush::ResetLineTransform() { return Check(gpf::GdipResetLineTransform(gradient_)); }

bool GdipLinearGradientBrush::MultiplyLineTransform(const GdipMatrix& matrix, int order)
{
    return Check(gpf::GdipMultiplyLineTransform(gradient_, Native<gp::GpMatrix>(matrix), En(order)));
}

bool GdipLinearGradientBrush::TranslateLineTransform(float dx, float dy, int order)
{
    return Check(gpf::GdipTranslateLineTransform(gradient_, dx, dy, En(order)));
}

bool GdipLinearGradientBrush::ScaleLineTransform(float sx, float sy, int order)
{
    return Check(gpf::GdipScaleLineTransform(gradient_, sx, sy, En(order)));
}

bool GdipLinearGradientBrush::ScaleLineTransformAt(float sx, float sy, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order,
        [&](float dx, float dy) { return gpf::GdipTranslateLineTransform(gradient_, dx, dy, En(order)); },
        [&] { return gpf::GdipScaleLineTransform(gradient_, sx, sy, En(order)); });
}

bool GdipLinearGradientBrush::RotateLineTransform(float angle, int order)
{
    return Check(gpf::GdipRotateLineTransform(gradient_, angle, En(order)));
}

bool GdipLinearGradientBrush::RotateLineTransformAt(float angle, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order,
        [&](float dx, float dy) { return gpf::GdipTranslateLineTransform(gradient_, dx, dy, En(order)); },
        [&] { return gpf::GdipRotateLineTransform(gradient_, angle, En(order)); });
}
