#include "gdiplus/gdip_pen.h"

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_internal.h"
#include "gdiplus/gdip_matrix.h"

using namespace gdipx;

GdipCustomLineCap::~GdipCustomLineCap()
{
    StatusKeeper keep;
    DeleteCustomLineCap();
}

void GdipCustomLineCap::SetClassHandle(void* handle) { cap_ = static_cast<gp::GpCustomLineCap*>(handle); }

bool GdipCustomLineCap::DeleteCustomLineCap()
{
    if (!cap_)
        return false;
    const gp::Status status = gpf::GdipDeleteCustomLineCap(cap_);
    SetNativeHandle(nullptr);
    return Check(status);
}

GdipPen::~GdipPen()
{
    StatusKeeper keep;
    DeletePen();
}

void GdipPen::SetClassHandle(void* handle) { pen_ = static_cast<gp::GpPen*>(handle); }

bool GdipPen::DeletePen()
{
    if (!pen_)
        return false;
    const gp::Status status = gpf::GdipDeletePen(pen_);
    SetNativeHandle(nullptr);
    return Check(status);
}

bool GdipPen::CreatePen(uint32_t colour, float width, int unit)
{
    ReleaseHeld();
    gp::GpPen* pen = nullptr;
    return TakeCreated(gpf::GdipCreatePen1(colour, width, En(unit), &pen), pen);
}

bool GdipPen::CreatePenFromBrush(const GdipBrush& brush, float width, int unit)
{
    ReleaseHeld();
    gp::GpPen* pen = nullptr;
    return TakeCreated(gpf::GdipCreatePen2(Native<gp::GpBrush>(brush), width, En(unit), &pen), pen);
}

bool GdipPen::ClonePen(GdipPen& target) const
{
    gp::GpPen* copy = nullptr;
    return GiveTo(target, gpf::GdipClonePen(pen_, &copy), copy);
}

float GdipPen::GetPenWidth() const
{
    float width = 0;
    return Check(gpf::GdipGetPenWidth(pen_, &width)) ? width : 0.0f;
}

bool GdipPen::SetPenWidth(float width) { return Check(gpf::GdipSetPenWidth(pen_, width)); }

int GdipPen::GetPenUnit() const
{
    gp::Unit unit{};
    return Check(gpf::GdipGetPenUnit(pen_, &unit)) ? unit : 0;
}

bool GdipPen::SetPenUnit(float unit) { return Check(gpf::GdipSetPenUnit(pen_, En(static_cast<int>(unit)))); }

bool GdipPen::SetPenLineCap(int startCap, int endCap, int dashCap)
{
    return Check(gpf::GdipSetPenLineCap197819(pen_, En(startCap), En(endCap), En(dashCap)));
}

bool GdipPen::SetPenLineCap2(int startCap, int endCap, int dashCap) { return SetPenLineCap(startCap, endCap, dashCap); }

bool GdipPen::SetPenStartCap(int cap) { return Check(gpf::GdipSetPenStartCap(pen_, En(cap))); }

bool GdipPen::SetPenEndCap(int cap) { return Check(gpf::GdipSetPenEndCap(pen_, En(cap))); }

bool GdipPen::SetPenDashCap(int dashCap) { return Check(gpf::GdipSetPenDashCap197819(pen_, En(dashCap))); }

int GdipPen::GetPenStartCap() const
{
    gp::LineCap cap{};
    return Check(gpf::GdipGetPenStartCap(pen_, &cap)) ? cap : 0;
}

int GdipPen::GetPenEndCap() const
{
    gp::LineCap cap{};
    return Check(gpf::GdipGetPenEndCap(pen_, &cap)) ? cap : 0;
}

int GdipPen::GetPenDashCap() const
{
    gp::DashCap cap{};
    return Check(gpf::GdipGetPenDashCap197819(pen_, &cap)) ? cap : 0;
}

int GdipPen::GetPenDashCap2() const { return GetPenDashCap(); }

bool GdipPen::SetPenLineJoin(int join) { return Check(gpf::GdipSetPenLineJoin(pen_, En(join))); }

int GdipPen::GetPenLineJoin() const
{
    gp::LineJoin join{};
    return Check(gpf::GdipGetPenLineJoin(pen_, &join)) ? join : 0;
}

bool GdipPen::SetPenCustomStartCap(const GdipCustomLineCap& cap)
{
    return Check(gpf::GdipSetPenCustomStartCap(pen_, Native<gp::GpCustomLineCap>(cap)));
}

bool GdipPen::GetPenCustomStartCap(GdipCustomLineCap& target) const
{
    gp::GpCustomLineCap* cap = nullptr;
    return GiveTo(target, gpf::GdipGetPenCustomStartCap(pen_, &cap), cap);
}

bool GdipPen::SetPenCustomEndCap(const GdipCustomLineCap& cap)
{
    return Check(gpf::GdipSetPenCustomEndCap(pen_, Native<gp::GpCustomLineCap>(cap)));
}

bool GdipPen::GetPenCustomEndCap(GdipCustomLineCap& target) const
{
    gp::GpCustomLineCap* cap = nullptr;
    return GiveTo(target, gpf::GdipGetPenCustomEndCap(pen_, &cap), cap);
}

bool GdipPen::SetPenMiterLimit(float limit) { return Check(gpf::GdipSetPenMiterLimit(pen_, limit)); }

float GdipPen::GetPenMiterLimit() const
{
    float limit = 0;
    return Check(gpf::GdipGetPenMiterLimit(pen_, &limit)) ? limit : 0.0f;
}

bool GdipPen::SetPenMode(int alignment) { return Check(gpf::GdipSetPenMode(pen_, En(alignment))); }

int GdipPen::GetPenMode() const
{
    gp::PenAlignment alignment{};
    return Check(gpf::GdipGetPenMode(pen_, &alignment)) ? alignment : 0;
}

bool GdipPen::SetPenTransform(const GdipMatrix& matrix)
{
    return Check(gpf::GdipSetPenTransform(pen_, Native<gp::GpMatrix>(matrix)));
}

bool GdipPen::GetPenTransform(GdipMatrix& matrix) const
{
    if (matrix.IsEmpty() && !matrix.CreateMatrix())
        return false;
    return Check(gpf::GdipGetPenTransform(pen_, Native<gp::GpMatrix>(matrix)));
}

bool GdipPen::ResetPenTransform() { return Check(gpf::GdipResetPenTransform(pen_)); }

bool GdipPen::MultiplyPenTransform(const GdipMatrix& matrix, int order)
{
    return Check(gpf::GdipMultiplyPenTransform(pen_, Native<gp::GpMatrix>(matrix), En(order)));
}

bool GdipPen::RotatePenTransform(float angle, int order)
{
    return Check(gpf::GdipRotatePenTransform(pen_, angle, En(order)));
}

bool GdipPen::RotatePenTransformAt(float angle, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order, [&](float dx, float dy) { return gpf::GdipTranslatePenTransform(pen_, dx, dy, En(order)); },
        [&] { return gpf::GdipRotatePenTransform(pen_, angle, En(order)); });
}

bool GdipPen::ScalePenTransform(float sx, float sy, int order)
{
    return Check(gpf::GdipScalePenTransform(pen_, sx, sy, En(order)));
}

bool GdipPen::ScalePenTransformAt(float sx, float sy, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order, [&](float dx, float dy) { return gpf::GdipTranslatePenTransform(pen_, dx, dy, En(order)); },
        [&] { return gpf::GdipScalePenTransform(pen_, sx, sy, En(order)); });
}

bool GdipPen::TranslatePenTransform(float dx, float dy, int order)
{
    return Check(gpf::GdipTranslatePenTransform(pen_, dx, dy, En(order)));
}

uint32_t GdipPen::GetPenColor() const
{
    gp::ARGB colour = 0;
    return Check(gpf::GdipGetPenColor(pen_, &colour)) ? colour : 0;
}

bool GdipPen::SetPenColor(uint32_t colour) { return Check(gpf::GdipSetPenColor(pen_, colour)); }

bool GdipPen::SetPenBrushFill(const GdipBrush& brush)
{
    return Check(gpf::GdipSetPenBrushFill(pen_, Native<gp::GpBrush>(brush)));
}

bool GdipPen::GetPenBrushFill(GdipBrush& target) const
{
    gp::GpBrush* brush = nullptr;
    return GiveTo(target, gpf::GdipGetPenBrushFill(pen_, &brush), brush);
}

int GdipPen::GetPenFillType() const
{
    gp::PenType type{};
    return Check(gpf::GdipGetPenFillType(pen_, &type)) ? type : 0;
}

bool GdipPen::SetPenDashStyle(int style) { return Check(gpf::GdipSetPenDashStyle(pen_, En(style))); }

int GdipPen::GetPenDashStyle() const
{
    gp::DashStyle style{};
    return Check(gpf::GdipGetPenDashStyle(pen_, &style)) ? style : 0;
}

float GdipPen::GetPenDashOffset() const
{
    float offset = 0;
    return Check(gpf::GdipGetPenDashOffset(pen_, &offset)) ? offset : 0.0f;
}

bool GdipPen::SetPenDashOffset(float offset) { return Check(gpf::GdipSetPenDashOffset(pen_, offset)); }

int GdipPen::GetPenDashArray(std::vector<float>& dashes) const
{
    INT count = 0;
    if (!Check(gpf::GdipGetPenDashCount(pen_, &count)) || count <= 0)
        return 0;
    dashes.assign(count, 0.0f);
    Check(gpf::GdipGetPenDashArray(pen_, dashes.data(), count));
    return count;
}

bool GdipPen::SetPenDashArray(const std::vector<float>& dashes)
{
    return Check(gpf::GdipSetPenDashArray(pen_, dashes.empty() ? nullptr : dashes.data(), Count(dashes)));
}

bool GdipPen::SetPenCompoundArray(const std::vector<float>& values)
{
    return Check(gpf::GdipSetPenCompoundArray(pen_, values.empty() ? nullptr : values.data(), Count(values)));
}

int GdipPen::GetPenCompoundArray(std::vector<float>& values) const
{
    INT count = 0;
    if (!Check(gpf::GdipGetPenCompoundCount(pen_, &count)) || count <= 0)
        return 0;
    values.assign(count, 0.0f);
    Check(gpf::GdipGetPenCompoundArray(pen_, values.data(), count));
    return count;
}
