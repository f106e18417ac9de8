#include "gdiplus/gdip_graphics.h"

#include "gdiplus/gdip_brush.h"
#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_image.h"
#include "gdiplus/gdip_internal.h"
#include "gdiplus/gdip_path.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_region.h"

using namespace gdipx;

namespace {

gp::GpPen* PenOf(const GdipPen& pen) { return Native<gp::GpPen>(pen); }
gp::GpBrush* BrushOf(const GdipBrush& brush) { return Native<gp::GpBrush>(brush); }
gp::GpImage* ImageOf(const GdipImage& image) { return Native<gp::GpImage>(image); }
gp::GpMetafile* MetafileOf(const GdipObjectBase& metafile) { return Native<gp::GpMetafile>(metafile); }
gp::GpImageAttributes* AttributesOf(const GdipObjectBase* attributes)
{
    return Native<gp::GpImageAttributes>(attributes);
}
gp::EnumerateMetafileProc Proc(GdipEnumerateMetafileProc callback)
{
    return reinterpret_cast<gp::EnumerateMetafileProc>(callback);
}

}  // namespace

GdipGraphics::~GdipGraphics()
{
    StatusKeeper keep;
    DeleteGraphics();
}

void GdipGraphics::SetClassHandle(void* handle) { graphics_ = static_cast<gp::GpGraphics*>(handle); }

bool GdipGraphics::DeleteGraphics()
{
    if (!graphics_)
        return false;
    const gp::Status status = gpf::GdipDeleteGraphics(graphics_);
    SetNativeHandle(nullptr);
    return Check(status);
}

void GdipGraphics::Flush(int intention) { gpf::GdipFlush(graphics_, En(intention)); }

bool GdipGraphics::CreateFromHWND(HWND window, bool useIcm)
{
    ReleaseHeld();
    gp::GpGraphics* graphics = nullptr;
    const gp::Status status =
        useIcm ? gpf::GdipCreateFromHWNDICM(window, &graphics) : gpf::GdipCreateFromHWND(window, &graphics);
    return TakeCreated(status, graphics);
}

bool GdipGraphics::CreateFromHDC(HDC dc, HANDLE device)
{
    ReleaseHeld();
    gp::GpGraphics* graphics = nullptr;
    const gp::Status status =
        device ? gpf::GdipCreateFromHDC2(dc, device, &graphics) : gpf::GdipCreateFromHDC(dc, &graphics);
    return TakeCreated(status, graphics);
}

bool GdipGraphics::CreateFromImage(const GdipImage& image)
{
    ReleaseHeld();
    gp::GpGraphics* graphics = nullptr;
    return TakeCreated(gpf::GdipGetImageGraphicsContext(ImageOf(image), &graphics), graphics);
}

HDC GdipGraphics::GetDC()
{
    HDC dc = nullptr;
    return Check(gpf::GdipGetDC(graphics_, &dc)) ? dc : nullptr;
}

bool GdipGraphics::ReleaseDC(HDC dc) { return Check(gpf::GdipReleaseDC(graphics_, dc)); }

int GdipGraphics::GetCompositingMode() const
{
    gp::CompositingMode mode{};
    return Check(gpf::GdipGetCompositingMode(graphics_, &mode)) ? mode : 0;
}

bool GdipGraphics::SetCompositingMode(int mode) { return Check(gpf::GdipSetCompositingMode(graphics_, En(mode))); }

bool GdipGraphics::GetRenderingOrigin(int& x, int& y) const
{
    INT originX = 0, originY = 0;
    const bool ok = Check(gpf::GdipGetRenderingOrigin(graphics_, &originX, &originY));
    x = originX;
    y = originY;
    return ok;
}

bool GdipGraphics::SetRenderingOrigin(int x, int y) { return Check(gpf::GdipSetRenderingOrigin(graphics_, x, y)); }

int GdipGraphics::GetCompositingQuality() const
{
    gp::CompositingQuality quality{};
    return Check(gpf::GdipGetCompositingQuality(graphics_, &quality)) ? quality : 0;
}

bool GdipGraphics::SetCompositingQuality(int quality)
{
    return Check(gpf::GdipSetCompositingQuality(graphics_, En(quality)));
}

bool GdipGraphics::SetSmoothingMode(int mode) { return Check(gpf::GdipSetSmoothingMode(graphics_, En(mode))); }

int GdipGraphics::GetSmoothingMode() const
{
    gp::SmoothingMode mode{};
    return Check(gpf::GdipGetSmoothingMode(graphics_, &mode)) ? mode : 0;
}

bool GdipGraphics::SetTextRenderingHint(int hint) { return Check(gpf::GdipSetTextRenderingHint(graphics_, En(hint))); }

int GdipGraphics::GetTextRenderingHint() const
{
    gp::TextRenderingHint hint{};
    return Check(gpf::GdipGetTextRenderingHint(graphics_, &hint)) ? hint : 0;
}

bool GdipGraphics::SetInterpolationMode(int mode) { return Check(gpf::GdipSetInterpolationMode(graphics_, En(mode))); }

int GdipGraphics::GetInterpolationMode() const
{
    gp::InterpolationMode mode{};
    return Check(gpf::GdipGetInterpolationMode(graphics_, &mode)) ? mode : 0;
}

bool GdipGraphics::SetPixelOffsetMode(int mode) { return Check(gpf::GdipSetPixelOffsetMode(graphics_, En(mode))); }

int GdipGraphics::GetPixelOffsetMode() const
{
    gp::PixelOffsetMode mode{};
    return Check(gpf::GdipGetPixelOffsetMode(graphics_, &mode)) ? mode : 0;
}

bool GdipGraphics::SetWorldTransform(const GdipMatrix& matrix)
{
    return Check(gpf::GdipSetWorldTransform(graphics_, Native<gp::GpMatrix>(matrix)));
}

bool GdipGraphics::GetWorldTransform(GdipMatrix& matrix) const
{
    if (matrix.IsEmpty() && !matrix.CreateMatrix())
        return false;
    return Check(gpf::GdipGetWorldTransform(graphics_, Native<gp::GpMatrix>(matrix)));
}

bool GdipGraphics::ResetWorldTransform() { return Check(gpf::GdipResetWorldTransform(graphics_)); }

bool GdipGraphics::MultiplyWorldTransform(const GdipMatrix& matrix, int order)
{
    return Check(gpf::GdipMultiplyWorldTransform(graphics_, Native<gp::GpMatrix>(matrix), En(order)));
}

bool GdipGraphics::TranslateWorldTransform(float dx, float dy, int order)
{
    return Check(gpf::GdipTranslateWorldTransform(graphics_, dx, dy, En(order)));
}

bool GdipGraphics::ScaleWorldTransform(float sx, float sy, int order)
{
    return Check(gpf::GdipScaleWorldTransform(graphics_, sx, sy, En(order)));
}

bool GdipGraphics::ScaleWorldTransformAt(float sx, float sy, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order,
        [&](float dx, float dy) { return gpf::GdipTranslateWorldTransform(graphics_, dx, dy, En(order)); },
        [&] { return gpf::GdipScaleWorldTransform(graphics_, sx, sy, En(order)); });
}

bool GdipGraphics::RotateWorldTransform(float angle, int order)
{
    return Check(gpf::GdipRotateWorldTransform(graphics_, angle, En(order)));
}

bool GdipGraphics::RotateWorldTransformAt(float angle, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order,
        [&](float dx, float dy) { return gpf::GdipTranslateWorldTransform(graphics_, dx, dy, En(order)); },
        [&] { return gpf::GdipRotateWorldTransform(graphics_, angle, En(order)); });
}

bool GdipGraphics::SetPageUnit(int unit) { return Check(gpf::GdipSetPageUnit(graphics_, En(unit))); }

int GdipGraphics::GetPageUnit() const
{
    gp::Unit unit{};
    return Check(gpf::GdipGetPageUnit(graphics_, &unit)) ? unit : 0;
}

bool GdipGraphics::SetPageScale(float scale) { return Check(gpf::GdipSetPageScale(graphics_, scale)); }

float GdipGraphics::GetPageScale() const
{
    float scale = 0;
    return Check(gpf::GdipGetPageScale(graphics_, &scale)) ? scale : 0.0f;
}

float GdipGraphics::GetDpiX() const
{
    float dpi = 0;
    return Check(gpf::GdipGetDpiX(graphics_, &dpi)) ? dpi : 0.0f;
}

float GdipGraphics::GetDpiY() const
{
    float dpi = 0;
    return Check(gpf::GdipGetDpiY(graphics_, &dpi)) ? dpi : 0.0f;
}

bool GdipGraphics::TransformPoints(int destinationSpace, int sourceSpace, std::vector<PointF>& points) const
{
    return Check(
        gpf::GdipTransformPoints(graphics_, En(destinationSpace), En(sourceSpace), Block(points), Count(points)));
}

bool GdipGraphics::TransformPointsI(int destinationSpace, int sourceSpace, std::vector<Point>& points) const
{
    return Check(
        gpf::GdipTransformPointsI(graphics_, En(destinationSpace), En(sourceSpace), Block(points), Count(points)));
}

uint32_t GdipGraphics::GetNearestColor(uint32_t colour) const
{
    gp::ARGB nearest = colour;
    return Check(gpf::GdipGetNearestColor(graphics_, &nearest)) ? nearest : colour;
}

// --- lines and outlines -----------------------------------------------------------------------------

bool GdipGraphics::DrawLine(const GdipPen& pen, float x1, float y1, float x2, float y2)
{
    return Check(gpf::GdipDrawLine(graphics_, PenOf(pen), x1, y1, x2, y2));
}

bool GdipGraphics::DrawLineI(const GdipPen& pen, int x1, int y1, int x2, int y2)
{
    return Check(gpf::GdipDrawLineI(graphics_, PenOf(pen), x1, y1, x2, y2));
}

bool GdipGraphics::DrawLines(const GdipPen& pen, const std::vector<PointF>& points)
{
    return Check(gpf::GdipDrawLines(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawLinesI(const GdipPen& pen, const std::vector<Point>& points)
{
    return Check(gpf::GdipDrawLinesI(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawArc(const GdipPen& pen, float x, float y, float width, float height, float startAngle,
                           float sweepAngle)
{
    return Check(gpf::GdipDrawArc(graphics_, PenOf(pen), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::DrawArcI(const GdipPen& pen, int x, int y, int width, int height, float startAngle,
                            float sweepAngle)
{
    return Check(gpf::GdipDrawArcI(graphics_, PenOf(pen), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::DrawBezier(const GdipPen& pen, float x1, float y1, float x2, float y2, float x3, float y3,
                              float x4, float y4)
{
    return Check(gpf::GdipDrawBezier(graphics_, PenOf(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GdipGraphics::DrawBezierI(const GdipPen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return Check(gpf::GdipDrawBezierI(graphics_, PenOf(pen), x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GdipGraphics::DrawBeziers(const GdipPen& pen, const std::vector<PointF>& points)
{
    return Check(gpf::GdipDrawBeziers(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawBeziersI(const GdipPen& pen, const std::vector<Point>& points)
{
    return Check(gpf::GdipDrawBeziersI(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawRectangle(const GdipPen& pen, float x, float y, float width, float height)
{
    return Check(gpf::GdipDrawRectangle(graphics_, PenOf(pen), x, y, width, height));
}

bool GdipGraphics::DrawRectangleI(const GdipPen& pen, int x, int y, int width, int height)
{
    return Check(gpf::GdipDrawRectangleI(graphics_, PenOf(pen), x, y, width, height));
}

bool GdipGraphics::DrawRectangles(const GdipPen& pen, const std::vector<RectF>& rects)
{
    return Check(gpf::GdipDrawRectangles(graphics_, PenOf(pen), Block(rects), Count(rects)));
}

bool GdipGraphics::DrawRectanglesI(const GdipPen& pen, const std::vector<Rect>& rects)
{
    return Check(gpf::GdipDrawRectanglesI(graphics_, PenOf(pen), Block(rects), Count(rects)));
}

bool GdipGraphics::DrawEllipse(const GdipPen& pen, float x, float y, float width, float height)
{
    return Check(gpf::GdipDrawEllipse(graphics_, PenOf(pen), x, y, width, height));
}

bool GdipGraphics::DrawEllipseI(const GdipPen& pen, int x, int y, int width, int height)
{
    return Check(gpf::GdipDrawEllipseI(graphics_, PenOf(pen), x, y, width, height));
}

bool GdipGraphics::DrawPie(const GdipPen& pen, float x, float y, float width, float height, float startAngle,
                           float sweepAngle)
{
    return Check(gpf::GdipDrawPie(graphics_, PenOf(pen), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::DrawPieI(const GdipPen& pen, int x, int y, int width, int height, float startAngle,
                            float sweepAngle)
{
    return Check(gpf::GdipDrawPieI(graphics_, PenOf(pen), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::DrawPolygon(const GdipPen& pen, const std::vector<PointF>& points)
{
    return Check(gpf::GdipDrawPolygon(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawPolygonI(const GdipPen& pen, const std::vector<Point>& points)
{
    return Check(gpf::GdipDrawPolygonI(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawPath(const GdipPen& pen, const GdipPath& path)
{
    return Check(gpf::GdipDrawPath(graphics_, PenOf(pen), Native<gp::GpPath>(path)));
}

bool GdipGraphics::DrawCurve(const GdipPen& pen, const std::vector<PointF>& points)
{
    return Check(gpf::GdipDrawCurve(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawCurveI(const GdipPen& pen, const std::vector<Point>& points)
{
    return Check(gpf::GdipDrawCurveI(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawCurve2(const GdipPen& pen, const std::vector<PointF>& points, float tension)
{
    return Check(gpf::GdipDrawCurve2(graphics_, PenOf(pen), Block(points), Count(points), tension));
}

bool GdipGraphics::DrawCurve2I(const GdipPen& pen, const std::vector<Point>& points, float tension)
{
    return Check(gpf::GdipDrawCurve2I(graphics_, PenOf(pen), Block(points), Count(points), tension));
}

bool GdipGraphics::DrawCurve3(const GdipPen& pen, const std::vector<PointF>& points, int offset, int segments,
                              float tension)
{
    return Check(gpf::GdipDrawCurve3(graphics_, PenOf(pen), Block(points), Count(points), offset, segments, tension));
}

bool GdipGraphics::DrawCurve3I(const GdipPen& pen, const std::vector<Point>& points, int offset, int segments,
                               float tension)
{
    return Check(gpf::GdipDrawCurve3I(graphics_, PenOf(pen), Block(points), Count(points), offset, segments, tension));
}

bool GdipGraphics::DrawClosedCurve(const GdipPen& pen, const std::vector<PointF>& points)
{
    return Check(gpf::GdipDrawClosedCurve(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawClosedCurveI(const GdipPen& pen, const std::vector<Point>& points)
{
    return Check(gpf::GdipDrawClosedCurveI(graphics_, PenOf(pen), Block(points), Count(points)));
}

bool GdipGraphics::DrawClosedCurve2(const GdipPen& pen, const std::vector<PointF>& points, float tension)
{
    return Check(gpf::GdipDrawClosedCurve2(graphics_, PenOf(pen), Block(points), Count(points), tension));
}

bool GdipGraphics::DrawClosedCurve2I(const GdipPen& pen, const std::vector<Point>& points, float tension)
{
    return Check(gpf::GdipDrawClosedCurve2I(graphics_, PenOf(pen), Block(points), Count(points), tension));
}

// --- fills ------------------------------------------------------------------------------------------

bool GdipGraphics::GraphicsClear(uint32_t colour) { return Check(gpf::GdipGraphicsClear(graphics_, colour)); }

bool GdipGraphics::FillRectangle(const GdipBrush& brush, float x, float y, float width, float height)
{
    return Check(gpf::GdipFillRectangle(graphics_, BrushOf(brush), x, y, width, height));
}

bool GdipGraphics::FillRectangleRect(const GdipBrush& brush, const RectF& rect)
{
    return FillRectangle(brush, rect.x, rect.y, rect.width, rect.height);
}

bool GdipGraphics::FillRectangleI(const GdipBrush& brush, int x, int y, int width, int height)
{
    return Check(gpf::GdipFillRectangleI(graphics_, BrushOf(brush), x, y, width, height));
}

bool GdipGraphics::FillRectangles(const GdipBrush& brush, const std::vector<RectF>& rects)
{
    return Check(gpf::GdipFillRectangles(graphics_, BrushOf(brush), Block(rects), Count(rects)));
}

bool GdipGraphics::FillRectanglesI(const GdipBrush& brush, const std::vector<Rect>& rects)
{
    return Check(gpf::GdipFillRectanglesI(graphics_, BrushOf(brush), Block(rects), Count(rects)));
}

bool GdipGraphics::FillPolygon(const GdipBrush& brush, const std::vector<PointF>& points, int fillMode)
{
    return Check(gpf::GdipFillPolygon(graphics_, BrushOf(brush), Block(points), Count(points), En(fillMode)));
}

bool GdipGraphics::FillPolygonI(const GdipBrush& brush, const std::vector<Point>& points, int fillMode)
{
    return Check(gpf::GdipFillPolygonI(graphics_, BrushOf(brush), Block(points), Count(points), En(fillMode)));
}

bool GdipGraphics::FillEllipse(const GdipBrush& brush, float x, float y, float width, float height)
{
    return Check(gpf::GdipFillEllipse(graphics_, BrushOf(brush), x, y, width, height));
}

bool GdipGraphics::FillEllipseI(const GdipBrush& brush, int x, int y, int width, int height)
{
    return Check(gpf::GdipFillEllipseI(graphics_, BrushOf(brush), x, y, width, height));
}

bool GdipGraphics::FillPie(const GdipBrush& brush, float x, float y, float width, float height, float startAngle,
                           float sweepAngle)
{
    return Check(gpf::GdipFillPie(graphics_, BrushOf(brush), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::FillPieI(const GdipBrush& brush, int x, int y, int width, int height, float startAngle,
                            float sweepAngle)
{
    return Check(gpf::GdipFillPieI(graphics_, BrushOf(brush), x, y, width, height, startAngle, sweepAngle));
}

bool GdipGraphics::FillPath(const GdipBrush& brush, const GdipPath& path)
{
    return Check(gpf::GdipFillPath(graphics_, BrushOf(brush), Native<gp::GpPath>(path)));
}

bool GdipGraphics::FillClosedCurve(const GdipBrush& brush, const std::vector<PointF>& points)
{
    return Check(gpf::GdipFillClosedCurve(graphics_, BrushOf(brush), Block(points), Count(points)));
}

bool GdipGraphics::FillClosedCurve2(const GdipBrush& brush, const std::vector<PointF>& points, float tension,
                                    int fillMode)
{
    return Check(
        gpf::GdipFillClosedCurve2(graphics_, BrushOf(brush), Block(points), Count(points), tension, En(fillMode)));
}

bool GdipGraphics::FillClosedCurveI(const GdipBrush& brush, const std::vector<Point>& points)
{
    return Check(gpf::GdipFillClosedCurveI(graphics_, BrushOf(brush), Block(points), Count(points)));
}

bool GdipGraphics::FillClosedCurve2I(const GdipBrush& brush, const std::vector<Point>& points, float tension,
                                     int fillMode)
{
    return Check(
        gpf::GdipFillClosedCurve2I(graphics_, BrushOf(brush), Block(points), Count(points), tension, En(fillMode)));
}

bool GdipGraphics::FillRegion(const GdipBrush& brush, const GdipRegion& region)
{
    return Check(gpf::GdipFillRegion(graphics_, BrushOf(brush), Native<gp::GpRegion>(region)));
}

// --- text -------------------------------------------------------------------------------------------

bool GdipGraphics::DrawString(const std::string& text, const GdipFont& font, const GdipBrush& brush,
                              const RectF& layout, const GdipStringFormat& format)
{
    return DrawStringW(TextToWideBytes(text), font, brush, layout, format);
}

bool GdipGraphics::DrawStringW(const std::string& wideText, const GdipFont& font, const GdipBrush& brush,
                               const RectF& layout, const GdipStringFormat& format)
{
    const WideText wide = WideFromBytes(wideText);
    return Check(gpf::GdipDrawString(graphics_, wide.Units(), wide.Length(), Native<gp::GpFont>(font), AsGp(layout),
                                     Native<gp::GpStringFormat>(format), BrushOf(brush)));
}

bool GdipGraphics::MeasureString(const std::string& text, const GdipFont& font, const RectF& layout,
                                 const GdipStringFormat& format, RectF& bounds) const
{
    return MeasureStringW(TextToWideBytes(text), font, layout, format, bounds);
}

RectF GdipGraphics::MeasureString(const std::string& text, const GdipFont& font, const RectF& layout,
                                  const GdipStringFormat& format) const
{
    RectF bounds;
    return MeasureString(text, font, layout, format, bounds) ? bounds : RectF();
}

bool GdipGraphics::MeasureStringW(const std::string& wideText, const GdipFont& font, const RectF& layout,
                                  const GdipStringFormat& format, RectF& bounds) const
{
    const WideText wide = WideFromBytes(wideText);
    return Check(gpf::GdipMeasureString(graphics_, wide.Units(), wide.Length(), Native<gp::GpFont>(font),
                                        AsGp(layout), Native<gp::GpStringFormat>(format), AsGp(bounds), nullptr,
                                        nullptr));
}

bool GdipGraphics::MeasureCharacterRanges(const std::string& text, const GdipFont& font, const RectF& layout,
                                          const GdipStringFormat& format, int count,
                                          std::vector<GdipRegion>& regions) const
{
    return MeasureCharacterRangesW(TextToWideBytes(text), font, layout, format, count, regions);
}

bool GdipGraphics::MeasureCharacterRangesW(const std::string& wideText, const GdipFont& font, const RectF& layout,
                                           const GdipStringFormat& format, int count,
                                           std::vector<GdipRegion>& regions) const
{
    if (count < 1) {
        StoreStatus(gp::InvalidParameter);
        return false;
    }
    // The regions are owned here until every step has succeeded; a failure releases them again.
    std::vector<GdipRegion> measured(count);
    std::vector<gp::GpRegion*> handles(count, nullptr);
    for (int i = 0; i < count; ++i) {
        if (!measured[i].CreateRegion())
            return false;
        handles[i] = Native<gp::GpRegion>(measured[i]);
    }
    const WideText wide = WideFromBytes(wideText);
    if (!Check(gpf::GdipMeasureCharacterRanges(graphics_, wide.Units(), wide.Length(), Native<gp::GpFont>(font),
                                               *AsGp(layout), Native<gp::GpStringFormat>(format), count,
                                               handles.data())))
        return false;
    regions = std::move(measured);
    return true;
}

bool GdipGraphics::DrawDriverString(const std::string& text, const GdipFont& font, const GdipBrush& brush,
                                    const std::vector<PointF>& positions, int flags, const GdipMatrix& matrix)
{
    return DrawDriverStringW(TextToWideBytes(text), font, brush, positions, flags, matrix);
}

bool GdipGraphics::DrawDriverStringW(const std::string& wideText, const GdipFont& font, const GdipBrush& brush,
                                     const std::vector<PointF>& positions, int flags, const GdipMatrix& matrix)
{
    const WideText wide = WideFromBytes(wideText);
    return Check(gpf::GdipDrawDriverString(graphics_, reinterpret_cast<const UINT16*>(wide.Units()), wide.Length(),
                                           Native<gp::GpFont>(font), BrushOf(brush), Block(positions), flags,
                                           Native<gp::GpMatrix>(matrix)));
}

bool GdipGraphics::SetTextContrast(unsigned int contrast) { return Check(gpf::GdipSetTextContrast(graphics_, contrast)); }

unsigned int GdipGraphics::GetTextContrast() const
{
    UINT contrast = 0;
    return Check(gpf::GdipGetTextContrast(graphics_, &contrast)) ? contrast : 0;
}

// --- images -----------------------------------------------------------------------------------------

bool GdipGraphics::DrawImage(const GdipImage& image, float x, float y)
{
    return Check(gpf::GdipDrawImage(graphics_, ImageOf(image), x, y));
}

bool GdipGraphics::DrawImageI(const GdipImage& image, int x, int y)
{
    return Check(gpf::GdipDrawImageI(graphics_, ImageOf(image), x, y));
}

bool GdipGraphics::DrawCachedBitmap(const GdipObjectBase& cachedBitmap, float x, float y)
{
    return Check(gpf::GdipDrawCachedBitmap(graphics_, Native<gp::GpCachedBitmap>(cachedBitmap), static_cast<INT>(x),
                                           static_cast<INT>(y)));
}

bool GdipGraphics::DrawImageRectRect(const GdipImage& image, float x, float y, float width, float height,
                                     int sourceUnit)
{
    UINT imageWidth = 0, imageHeight = 0;
    Check(gpf::GdipGetImageWidth(ImageOf(image), &imageWidth));
    Check(gpf::GdipGetImageHeight(ImageOf(image), &imageHeight));
    return Check(gpf::GdipDrawImageRectRect(graphics_, ImageOf(image), x, y, width, height, 0, 0,
                                            static_cast<float>(imageWidth), static_cast<float>(imageHeight),
                                            En(sourceUnit), nullptr, nullptr, nullptr));
}

bool GdipGraphics::DrawImageRectRectI(const GdipImage& image, int x, int y, int width, int height, int sourceUnit)
{
    UINT imageWidth = 0, imageHeight = 0;
    Check(gpf::GdipGetImageWidth(ImageOf(image), &imageWidth));
    Check(gpf::GdipGetImageHeight(ImageOf(image), &imageHeight));
    return Check(gpf::GdipDrawImageRectRectI(graphics_, ImageOf(image), x, y, width, height, 0, 0,
                                             static_cast<INT>(imageWidth), static_cast<INT>(imageHeight),
                                             En(sourceUnit), nullptr, nullptr, nullptr));
}

bool GdipGraphics::DrawImagePoints(const GdipImage& image, float x1, float y1, float x2, float y2, float x3,
                                   float y3)
{
    const std::vector<PointF> corners = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Check(gpf::GdipDrawImagePoints(graphics_, ImageOf(image), Block(corners), 3));
}

bool GdipGraphics::DrawImagePointsI(const GdipImage& image, int x1, int y1, int x2, int y2, int x3, int y3)
{
    const std::vector<Point> corners = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Check(gpf::GdipDrawImagePointsI(graphics_, ImageOf(image), Block(corners), 3));
}

bool GdipGraphics::DrawImagePointRect(const GdipImage& image, float x, float y, float sourceX, float sourceY,
                                      float sourceWidth, float sourceHeight, int sourceUnit)
{
    return Check(gpf::GdipDrawImagePointRect(graphics_, ImageOf(image), x, y, sourceX, sourceY, sourceWidth,
                                             sourceHeight, En(sourceUnit)));
}

bool GdipGraphics::DrawImagePointRectI(const GdipImage& image, int x, int y, int sourceX, int sourceY,
                                       int sourceWidth, int sourceHeight, int sourceUnit)
{
    return Check(gpf::GdipDrawImagePointRectI(graphics_, ImageOf(image), x, y, sourceX, sourceY, sourceWidth,
                                              sourceHeight, En(sourceUnit)));
}

bool GdipGraphics::DrawImageRectRectEx(const GdipImage& image, float x, float y, float width, float height,
                                       float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                                       int sourceUnit, const GdipObjectBase* attributes)
{
    return Check(gpf::GdipDrawImageRectRect(graphics_, ImageOf(image), x, y, width, height, sourceX, sourceY,
                                            sourceWidth, sourceHeight, En(sourceUnit), AttributesOf(attributes),
                                            nullptr, nullptr));
}

bool GdipGraphics::DrawImageRectRectExI(const GdipImage& image, int x, int y, int width, int height, int sourceX,
                                        int sourceY, int sourceWidth, int sourceHeight, int sourceUnit,
                                        const GdipObjectBase* attributes)
{
    return Check(gpf::GdipDrawImageRectRectI(graphics_, ImageOf(image), x, y, width, height, sourceX, sourceY,
                                             sourceWidth, sourceHeight, En(sourceUnit), AttributesOf(attributes),
                                             nullptr, nullptr));
}

bool GdipGraphics::DrawImagePointsRect(const GdipImage& image, float x1, float y1, float x2, float y2, float x3,
                                       float y3, float sourceX, float sourceY, float sourceWidth, float sourceHeight,
                                       int sourceUnit, const GdipObjectBase* attributes)
{
    const std::vector<PointF> corners = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Check(gpf::GdipDrawImagePointsRect(graphics_, ImageOf(image), Block(corners), 3, sourceX, sourceY,
                                              sourceWidth, sourceHeight, En(sourceUnit), AttributesOf(attributes),
                                              nullptr, nullptr));
}

bool GdipGraphics::DrawImagePointsRectI(const GdipImage& image, int x1, int y1, int x2, int y2, int x3, int y3,
                                        int sourceX, int sourceY, int sourceWidth, int sourceHeight, int sourceUnit,
                                        const GdipObjectBase* attributes)
{
    const std::vector<Point> corners = {{x1, y1}, {x2, y2}, {x3, y3}};
    return Check(gpf::GdipDrawImagePointsRectI(graphics_, ImageOf(image), Block(corners), 3, sourceX, sourceY,
                                               sourceWidth, sourceHeight, En(sourceUnit), AttributesOf(attributes),
                                               nullptr, nullptr));
}

// --- metafiles --------------------------------------------------------------------------------------

bool GdipGraphics::EnumerateMetafileDestPoint(const GdipObjectBase& metafile, const PointF& destination,
                                              GdipEnumerateMetafileProc callback, void* callbackData,
                                              const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileDestPoint(graphics_, MetafileOf(metafile), *AsGp(destination),
                                                     Proc(callback), callbackData, AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileDestPointI(const GdipObjectBase& metafile, const Point& destination,
                                               GdipEnumerateMetafileProc callback, void* callbackData,
                                               const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileDestPointI(graphics_, MetafileOf(metafile), *AsGp(destination),
                                                      Proc(callback), callbackData, AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileDestPoints(const GdipObjectBase& metafile, const std::vector<PointF>& destination,
                                               GdipEnumerateMetafileProc callback, void* callbackData,
                                               const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileDestPoints(graphics_, MetafileOf(metafile), Block(destination),
                                                      Count(destination), Proc(callback), callbackData,
                                                      AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileDestPointsI(const GdipObjectBase& metafile, const std::vector<Point>& destination,
                                                GdipEnumerateMetafileProc callback, void* callbackData,
                                                const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileDestPointsI(graphics_, MetafileOf(metafile), Block(destination),
                                                       Count(destination), Proc(callback), callbackData,
                                                       AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileDestRect(const GdipObjectBase& metafile, const RectF& destination,
                                             GdipEnumerateMetafileProc callback, void* callbackData,
                                             const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileDestRect(graphics_, MetafileOf(metafile), *AsGp(destination),
                                                    Proc(callback), callbackData, AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileDestRectI(const GdipObjectBase& metafile, const Rect& destination,
                                              GdipEnumerateMetafileProc callback, void* callbackData,
                                              const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileDestRectI(graphics_, MetafileOf(metafile), *AsGp(destination),
                                                     Proc(callback), callbackData, AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileSrcRectDestPoint(const GdipObjectBase& metafile, const PointF& destination,
                                                     const RectF& source, int sourceUnit,
                                                     GdipEnumerateMetafileProc callback, void* callbackData,
                                                     const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileSrcRectDestPoint(graphics_, MetafileOf(metafile), *AsGp(destination),
                                                            *AsGp(source), En(sourceUnit), Proc(callback),
                                                            callbackData, AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileSrcRectDestPointI(const GdipObjectBase& metafile, const Point& destination,
                                                      const Rect& source, int sourceUnit,
                                                      GdipEnumerateMetafileProc callback, void* callbackData,
                                                      const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileSrcRectDestPointI(graphics_, MetafileOf(metafile), *AsGp(destination),
                                                             *AsGp(source), En(sourceUnit), Proc(callback),
                                                             callbackData, AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileSrcRectDestPoints(const GdipObjectBase& metafile,
                                                      const std::vector<PointF>& destination, const RectF& source,
                                                      int sourceUnit, GdipEnumerateMetafileProc callback,
                                                      void* callbackData, const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileSrcRectDestPoints(graphics_, MetafileOf(metafile), Block(destination),
                                                             Count(destination), *AsGp(source), En(sourceUnit),
                                                             Proc(callback), callbackData, AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileSrcRectDestPointsI(const GdipObjectBase& metafile,
                                                       const std::vector<Point>& destination, const Rect& source,
                                                       int sourceUnit, GdipEnumerateMetafileProc callback,
                                                       void* callbackData, const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileSrcRectDestPointsI(graphics_, MetafileOf(metafile), Block(destination),
                                                              Count(destination), *AsGp(source), En(sourceUnit),
                                                              Proc(callback), callbackData, AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileSrcRectDestRect(const GdipObjectBase& metafile, const RectF& destination,
                                                    const RectF& source, int sourceUnit,
                                                    GdipEnumerateMetafileProc callback, void* callbackData,
                                                    const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileSrcRectDestRect(graphics_, MetafileOf(metafile), *AsGp(destination),
                                                           *AsGp(source), En(sourceUnit), Proc(callback),
                                                           callbackData, AttributesOf(attributes)));
}

bool GdipGraphics::EnumerateMetafileSrcRectDestRectI(const GdipObjectBase& metafile, const Rect& destination,
                                                     const Rect& source, int sourceUnit,
                                                     GdipEnumerateMetafileProc callback, void* callbackData,
                                                     const GdipObjectBase* attributes)
{
    return Check(gpf::GdipEnumerateMetafileSrcRectDestRectI(graphics_, MetafileOf(metafile), *AsGp(destination),
                                                            *AsGp(source), En(sourceUnit), Proc(callback),
                                                            callbackData, AttributesOf(attributes)));
}

// --- clipping, states and containers ----------------------------------------------------------------

bool GdipGraphics::SetClipGraphics(const GdipGraphics& other, int combineMode)
{
    return Check(gpf::GdipSetClipGraphics(graphics_, Native<gp::GpGraphics>(other), En(combineMode)));
}

bool GdipGraphics::SetClipPath(const GdipPath& path, int combineMode)
{
    return Check(gpf::GdipSetClipPath(graphics_, Native<gp::GpPath>(path), En(combineMode)));
}

bool GdipGraphics::SetClipRect(float x, float y, float width, float height, int combineMode)
{
    return Check(gpf::GdipSetClipRect(graphics_, x, y, width, height, En(combineMode)));
}

bool GdipGraphics::SetClipRectI(int x, int y, int width, int height, int combineMode)
{
    return Check(gpf::GdipSetClipRectI(graphics_, x, y, width, height, En(combineMode)));
}

bool GdipGraphics::SetClipRegion(const GdipRegion& region, int combineMode)
{
    return Check(gpf::GdipSetClipRegion(graphics_, Native<gp::GpRegion>(region), En(combineMode)));
}

bool GdipGraphics::SetClipHrgn(HRGN region, int combineMode)
{
    return Check(gpf::GdipSetClipHrgn(graphics_, region, En(combineMode)));
}

bool GdipGraphics::ResetClip() { return Check(gpf::GdipResetClip(graphics_)); }

bool GdipGraphics::TranslateClip(float dx, float dy) { return Check(gpf::GdipTranslateClip(graphics_, dx, dy)); }

bool GdipGraphics::TranslateClipI(int dx, int dy) { return Check(gpf::GdipTranslateClipI(graphics_, dx, dy)); }

bool GdipGraphics::GetClip(GdipRegion& region) const
{
    if (region.IsEmpty() && !region.CreateRegion())
        return false;
    return Check(gpf::GdipGetClip(graphics_, Native<gp::GpRegion>(region)));
}

RectF GdipGraphics::GetClipBounds() const
{
    RectF bounds;
    return Check(gpf::GdipGetClipBounds(graphics_, AsGp(bounds))) ? bounds : RectF();
}

Rect GdipGraphics::GetClipBoundsI() const
{
    Rect bounds;
    return Check(gpf::GdipGetClipBoundsI(graphics_, AsGp(bounds))) ? bounds : Rect();
}

RectF GdipGraphics::GetVisibleClipBounds() const
{
    RectF bounds;
    return Check(gpf::GdipGetVisibleClipBounds(graphics_, AsGp(bounds))) ? bounds : RectF();
}

Rect GdipGraphics::GetVisibleClipBoundsI() const
{
    Rect bounds;
    return Check(gpf::GdipGetVisibleClipBoundsI(graphics_, AsGp(bounds))) ? bounds : Rect();
}

bool GdipGraphics::IsClipEmpty() const
{
    BOOL empty = FALSE;
    return Check(gpf::GdipIsClipEmpty(graphics_, &empty)) && empty;
}

bool GdipGraphics::IsVisibleClipEmpty() const
{
    BOOL empty = FALSE;
    return Check(gpf::GdipIsVisibleClipEmpty(graphics_, &empty)) && empty;
}

bool GdipGraphics::IsVisiblePoint(float x, float y) const
{
    BOOL visible = FALSE;
    return Check(gpf::GdipIsVisiblePoint(graphics_, x, y, &visible)) && visible;
}

bool GdipGraphics::IsVisiblePointI(int x, int y) const
{
    BOOL visible = FALSE;
    return Check(gpf::GdipIsVisiblePointI(graphics_, x, y, &visible)) && visible;
}

bool GdipGraphics::IsVisibleRect(float x, float y, float width, float height) const
{
    BOOL visible = FALSE;
    return Check(gpf::GdipIsVisibleRect(graphics_, x, y, width, height, &visible)) && visible;
}

bool GdipGraphics::IsVisibleRectI(int x, int y, int width, int height) const
{
    BOOL visible = FALSE;
    return Check(gpf::GdipIsVisibleRectI(graphics_, x, y, width, height, &visible)) && visible;
}

unsigned int GdipGraphics::SaveGraphics()
{
    gp::GraphicsState state = 0;
    return Check(gpf::GdipSaveGraphics(graphics_, &state)) ? state : 0;
}

bool GdipGraphics::RestoreGraphics(unsigned int state) { return Check(gpf::GdipRestoreGraphics(graphics_, state)); }

unsigned int GdipGraphics::BeginContainer(const RectF& destination, const RectF& source, int unit)
{
    gp::GraphicsContainer state = 0;
    return Check(gpf::GdipBeginContainer(graphics_, AsGp(destination), AsGp(source), En(unit), &state)) ? state : 0;
}

unsigned int GdipGraphics::BeginContainerI(const Rect& destination, const Rect& source, int unit)
{
    gp::GraphicsContainer state = 0;
    return Check(gpf::GdipBeginContainerI(graphics_, AsGp(destination), AsGp(source), En(unit), &state)) ? state : 0;
}

unsigned int GdipGraphics::BeginContainer2()
{
    gp::GraphicsContainer state = 0;
    return Check(gpf::GdipBeginContainer2(graphics_, &state)) ? state : 0;
}

bool GdipGraphics::EndContainer(unsigned int state) { return Check(gpf::GdipEndContainer(graphics_, state)); }

bool GdipGraphics::Comment(const std::string& data)
{
    return Check(gpf::GdipComment(graphics_, static_cast<UINT>(data.size()),
                                  reinterpret_cast<const BYTE*>(data.data())));
}
