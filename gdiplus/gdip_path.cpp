#include "gdiplus/gdip_path.h"

#include <algorithm>

#include "gdiplus/gdip_font.h"
#include "gdiplus/gdip_internal.h"

using namespace gdipx;

namespace {

// The record GdipGetPathData fills (the platform header only names it).
struct NativePathData {
    INT count;
    gp::PointF* points;
    BYTE* types;
};

const BYTE* TypeBytes(const std::string& types)
{
    return types.empty() ? nullptr : reinterpret_cast<const BYTE*>(types.data());
}

}  // namespace

GdipPath::~GdipPath()
{
    StatusKeeper keep;
    DeletePath();
}

void GdipPath::SetClassHandle(void* handle) { path_ = static_cast<gp::GpPath*>(handle); }

bool GdipPath::DeletePath()
{
    if (!path_)
        return false;
    const gp::Status status = gpf::GdipDeletePath(path_);
    SetNativeHandle(nullptr);
    return Check(status);
}

bool GdipPath::CreatePath(int fillMode)
{
    ReleaseHeld();
    gp::GpPath* path = nullptr;
    return TakeCreated(gpf::GdipCreatePath(En(fillMode), &path), path);
}

bool GdipPath::CreatePath2(const std::vector<PointF>& points, const std::string& types, int fillMode)
{
    ReleaseHeld();
    const INT count = static_cast<INT>(std::min(points.size(), types.size()));
    gp::GpPath* path = nullptr;
    return TakeCreated(gpf::GdipCreatePath2(Block(points), TypeBytes(types), count, En(fillMode), &path), path);
}

bool GdipPath::CreatePath2I(const std::vector<Point>& points, const std::string& types, int fillMode)
{
    ReleaseHeld();
    const INT count = static_cast<INT>(std::min(points.size(), types.size()));
    gp::GpPath* path = nullptr;
    return TakeCreated(gpf::GdipCreatePath2I(Block(points), TypeBytes(types), count, En(fillMode), &path), path);
}

bool GdipPath::ClonePath(GdipPath& target) const
{
    gp::GpPath* copy = nullptr;
    return GiveTo(target, gpf::GdipClonePath(path_, &copy), copy);
}

bool GdipPath::ResetPath() { return Check(gpf::GdipResetPath(path_)); }

int GdipPath::GetPathFillMode() const
{
    gp::FillMode mode{};
    return Check(gpf::GdipGetPathFillMode(path_, &mode)) ? mode : 0;
}

bool GdipPath::SetPathFillMode(int fillMode) { return Check(gpf::GdipSetPathFillMode(path_, En(fillMode))); }

bool GdipPath::GetPathData(PathData& data) const
{
    INT count = 0;
    if (!Check(gpf::GdipGetPointCount(path_, &count)) || count < 0)
        return false;
    data.points.assign(count, PointF());
    data.types.assign(count, '\0');
    if (count == 0)
        return false;
    std::vector<PointF> points(count);
    std::string types(count, '\0');
    NativePathData native = {count, Block(points), reinterpret_cast<BYTE*>(&types[0])};
    if (!Check(gpf::GdipGetPathData(path_, reinterpret_cast<gp::GpPathData*>(&native))))
        return false;
    data.count = count;
    data.points = std::move(points);
    data.types = std::move(types);
    return true;
}

bool GdipPath::GetPathTypes(std::string& types, int count) const
{
    if (count < 0 && (!Check(gpf::GdipGetPointCount(path_, &count)) || count <= 0))
        return false;
    types.assign(count, '\0');
    return Check(gpf::GdipGetPathTypes(path_, count ? reinterpret_cast<BYTE*>(&types[0]) : nullptr, count));
}

bool GdipPath::GetPathPoints(std::vector<PointF>& points, int count) const
{
    if (count < 0 && (!Check(gpf::GdipGetPointCount(path_, &count)) || count <= 0))
        return false;
    points.assign(count, PointF());
    return Check(gpf::GdipGetPathPoints(path_, Block(points), count));
}

bool GdipPath::GetPathPointsI(std::vector<Point>& points, int count) const
{
    if (count < 0 && (!Check(gpf::GdipGetPointCount(path_, &count)) || count <= 0))
        return false;
    points.assign(count, Point());
    return Check(gpf::GdipGetPathPointsI(path_, Block(points), count));
}

bool GdipPath::StartPathFigure() { return Check(gpf::GdipStartPathFigure(path_)); }
bool GdipPath::ClosePathFigure() { return Check(gpf::GdipClosePathFigure(path_)); }
bool GdipPath::ClosePathFigures() { return Check(gpf::GdipClosePathFigures(path_)); }
bool GdipPath::SetPathMarker() { return Check(gpf::GdipSetPathMarker(path_)); }
bool GdipPath::ClearPathMarkers() { return Check(gpf::GdipClearPathMarkers(path_)); }
bool GdipPath::ReversePath() { return Check(gpf::GdipReversePath(path_)); }

PointF GdipPath::GetPathLastPoint() const
{
    PointF point;
    return Check(gpf::GdipGetPathLastPoint(path_, AsGp(point))) ? point : PointF();
}

bool GdipPath::AddPathLine(float x1, float y1, float x2, float y2)
{
    return Check(gpf::GdipAddPathLine(path_, x1, y1, x2, y2));
}

bool GdipPath::AddPathLineI(int x1, int y1, int x2, int y2)
{
    return Check(gpf::GdipAddPathLineI(path_, x1, y1, x2, y2));
}

bool GdipPath::AddPathLine2(const std::vector<PointF>& points)
{
    return Check(gpf::GdipAddPathLine2(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathLine2I(const std::vector<Point>& points)
{
    return Check(gpf::GdipAddPathLine2I(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return Check(gpf::GdipAddPathArc(path_, x, y, width, height, startAngle, sweepAngle));
}

bool GdipPath::AddPathArcI(int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return Check(gpf::GdipAddPathArcI(path_, x, y, width, height, startAngle, sweepAngle));
}

bool GdipPath::AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4)
{
    return Check(gpf::GdipAddPathBezier(path_, x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GdipPath::AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4)
{
    return Check(gpf::GdipAddPathBezierI(path_, x1, y1, x2, y2, x3, y3, x4, y4));
}

bool GdipPath::AddPathBeziers(const std::vector<PointF>& points)
{
    return Check(gpf::GdipAddPathBeziers(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathBeziersI(const std::vector<Point>& points)
{
    return Check(gpf::GdipAddPathBeziersI(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathCurve(const std::vector<PointF>& points)
{
    return Check(gpf::GdipAddPathCurve(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathCurve2(const std::vector<PointF>& points, float tension)
{
    return Check(gpf::GdipAddPathCurve2(path_, Block(points), Count(points), tension));
}

bool GdipPath::AddPathCurve3(const std::vector<PointF>& points, int offset, int segments, float tension)
{
    return Check(gpf::GdipAddPathCurve3(path_, Block(points), Count(points), offset, segments, tension));
}

bool GdipPath::AddPathCurveI(const std::vector<Point>& points)
{
    return Check(gpf::GdipAddPathCurveI(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathCurve2I(const std::vector<Point>& points, float tension)
{
    return Check(gpf::GdipAddPathCurve2I(path_, Block(points), Count(points), tension));
}

bool GdipPath::AddPathCurve3I(const std::vector<Point>& points, int offset, int segments, float tension)
{
    return Check(gpf::GdipAddPathCurve3I(path_, Block(points), Count(points), offset, segments, tension));
}

bool GdipPath::AddPathClosedCurve(const std::vector<PointF>& points)
{
    return Check(gpf::GdipAddPathClosedCurve(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathClosedCurve2(const std::vector<PointF>& points, float tension)
{
    return Check(gpf::GdipAddPathClosedCurve2(path_, Block(points), Count(points), tension));
}

bool GdipPath::AddPathClosedCurveI(const std::vector<Point>& points)
{
    return Check(gpf::GdipAddPathClosedCurveI(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathClosedCurve2I(const std::vector<Point>& points, float tension)
{
    return Check(gpf::GdipAddPathClosedCurve2I(path_, Block(points), Count(points), tension));
}

bool GdipPath::AddPathRectangle(float x, float y, float width, float height)
{
    return Check(gpf::GdipAddPathRectangle(path_, x, y, width, height));
}

bool GdipPath::AddPathRoundRectangle(float x, float y, float width, float height, int roundness)
{
    roundness = std::clamp(roundness, 1, 100);
    const float arcWidth = static_cast<float>(static_cast<int>(width * roundness / 100));
    const float arcHeight = static_cast<float>(static_cast<int>(height * roundness / 100));
    const float right = x + width;
    const float bottom = y + height;
    // Clockwise from the upper right corner; only the closing call reports.
    gpf::GdipAddPathArc(path_, right - arcWidth, y, arcWidth, arcHeight, 270, 90);
    gpf::GdipAddPathArc(path_, right - arcWidth, bottom - arcHeight, arcWidth, arcHeight, 0, 90);
    gpf::GdipAddPathArc(path_, x, bottom - arcHeight, arcWidth, arcHeight, 90, 90);
    gpf::GdipAddPathArc(path_, x, y, arcWidth, arcHeight, 180, 90);
    return Check(gpf::GdipClosePathFigure(path_));
}

bool GdipPath::AddPathRectangles(const std::vector<RectF>& rects)
{
    return Check(gpf::GdipAddPathRectangles(path_, Block(rects), Count(rects)));
}

bool GdipPath::AddPathRectangleI(int x, int y, int width, int height)
{
    return Check(gpf::GdipAddPathRectangleI(path_, x, y, width, height));
}

bool GdipPath::AddPathRectanglesI(const std::vector<Rect>& rects)
{
    return Check(gpf::GdipAddPathRectanglesI(path_, Block(rects), Count(rects)));
}

bool GdipPath::AddPathEllipse(float x, float y, float width, float height)
{
    return Check(gpf::GdipAddPathEllipse(path_, x, y, width, height));
}

bool GdipPath::AddPathEllipseI(int x, int y, int width, int height)
{
    return Check(gpf::GdipAddPathEllipseI(path_, x, y, width, height));
}

bool GdipPath::AddPathPie(float x, float y, float width, float height, float startAngle, float sweepAngle)
{
    return Check(gpf::GdipAddPathPie(path_, x, y, width, height, startAngle, sweepAngle));
}

bool GdipPath::AddPathPieI(int x, int y, int width, int height, float startAngle, float sweepAngle)
{
    return Check(gpf::GdipAddPathPieI(path_, x, y, width, height, startAngle, sweepAngle));
}

bool GdipPath::AddPathPolygon(const std::vector<PointF>& points)
{
    return Check(gpf::GdipAddPathPolygon(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathPolygonI(const std::vector<Point>& points)
{
    return Check(gpf::GdipAddPathPolygonI(path_, Block(points), Count(points)));
}

bool GdipPath::AddPathPath(const GdipPath& other, bool connect)
{
    return Check(gpf::GdipAddPathPath(path_, Native<gp::GpPath>(other), connect));
}

bool GdipPath::AddPathString(const std::string& text, const GdipFontFamily& family, float emSize,
                             const RectF& layout, int style, const GdipStringFormat& format)
{
    return AddPathStringW(TextToWideBytes(text), family, emSize, layout, style, format);
}

namespace {

// Some GDI+ implementations (Wine's) refuse text outlines without a format, which elsewhere means the
// default one: an empty format wrapper stands for a generic default format made for the call.
class FormatOrDefault {
public:
    explicit FormatOrDefault(const GdipStringFormat& format) : given_(format)
    {
        if (given_.IsEmpty())
            fallback_.StringFormatGetGenericDefault();
    }
    gp::GpStringFormat* Get() const
    {
        return Native<gp::GpStringFormat>(given_.IsEmpty() ? fallback_ : given_);
    }

private:
    const GdipStringFormat& given_;
    GdipStringFormat fallback_;
};

}  // namespace

bool GdipPath::AddPathStringW(const std::string& wideText, const GdipFontFamily& family, float emSize,
                              const RectF& layout, int style, const GdipStringFormat& format)
{
    const WideText wide = WideFromBytes(wideText);
    const FormatOrDefault layoutFormat(format);
    return Check(gpf::GdipAddPathString(path_, wide.Units(), wide.Length(), Native<gp::GpFontFamily>(family), style,
                                        emSize, AsGp(layout), layoutFormat.Get()));
}

bool GdipPath::AddPathStringI(const std::string& text, const GdipFontFamily& family, float emSize, const Rect& layout,
                              int style, const GdipStringFormat& format)
{
    return AddPathStringIW(TextToWideBytes(text), family, emSize, layout, style, format);
}

bool GdipPath::AddPathStringIW(const std::string& wideText, const GdipFontFamily& family, float emSize,
                               const Rect& layout, int style, const GdipStringFormat& format)
{
    const WideText wide = WideFromBytes(wideText);
    const FormatOrDefault layoutFormat(format);
    return Check(gpf::GdipAddPathStringI(path_, wide.Units(), wide.Length(), Native<gp::GpFontFamily>(family), style,
                                         emSize, AsGp(layout), layoutFormat.Get()));
}

bool GdipPath::TransformPath(const GdipMatrix& matrix)
{
    return Check(gpf::GdipTransformPath(path_, Native<gp::GpMatrix>(matrix)));
}

bool GdipPath::FlattenPath(const GdipMatrix& matrix, float flatness)
{
    return Check(gpf::GdipFlattenPath(path_, Native<gp::GpMatrix>(matrix), flatness));
}

bool GdipPath::WidenPath(const GdipPen& pen, const GdipMatrix& matrix, float flatness)
{
    return Check(gpf::GdipWidenPath(path_, Native<gp::GpPen>(pen), Native<gp::GpMatrix>(matrix), flatness));
}

bool GdipPath::WindingModeOutline(const GdipMatrix& matrix, float flatness)
{
    return Check(gpf::GdipWindingModeOutline(path_, Native<gp::GpMatrix>(matrix), flatness));
}

bool GdipPath::WarpPath(const std::vector<PointF>& destination, const RectF& source, const GdipMatrix& matrix,
                        int warpMode, float flatness)
{
    return Check(gpf::GdipWarpPath(path_, Native<gp::GpMatrix>(matrix), Block(destination), Count(destination),
                                   source.x, source.y, source.width, source.height, En(warpMode), flatness));
}

int GdipPath::GetPointCount() const
{
    INT count = 0;
    return Check(gpf::GdipGetPointCount(path_, &count)) ? count : 0;
}

RectF GdipPath::GetPathWorldBounds(const GdipMatrix& matrix, const GdipPen& pen) const
{
    RectF bounds;
    return Check(gpf::GdipGetPathWorldBounds(path_, AsGp(bounds), Native<gp::GpMatrix>(matrix), Native<gp::GpPen>(pen)))
               ? bounds
               : RectF();
}

Rect GdipPath::GetPathWorldBoundsI(const GdipMatrix& matrix, const GdipPen& pen) const
{
    Rect bounds;
    return Check(gpf::GdipGetPathWorldBoundsI(path_, AsGp(bounds), Native<gp::GpMatrix>(matrix), Native<gp::GpPen>(pen)))
               ? bounds
               : Rect();
}

bool GdipPath::IsVisiblePathPoint(float x, float y, const GdipGraphics& graphics) const
{
    BOOL inside = FALSE;
    return Check(gpf::GdipIsVisiblePathPoint(path_, x, y, Native<gp::GpGraphics>(graphics), &inside)) && inside;
}

bool GdipPath::IsVisiblePathPointI(int x, int y, const GdipGraphics& graphics) const
{
    BOOL inside = FALSE;
    return Check(gpf::GdipIsVisiblePathPointI(path_, x, y, Native<gp::GpGraphics>(graphics), &inside)) && inside;
}

bool GdipPath::IsOutlineVisiblePathPoint(float x, float y, const GdipPen& pen, const GdipGraphics& graphics) const
{
    BOOL onOutline = FALSE;
    return Check(gpf::GdipIsOutlineVisiblePathPoint(path_, x, y, Native<gp::GpPen>(pen),
                                                    Native<gp::GpGraphics>(graphics), &onOutline)) &&
           onOutline;
}

bool GdipPath::IsOutlineVisiblePathPointI(int x, int y, const GdipPen& pen, const GdipGraphics& graphics) const
{
    BOOL onOutline = FALSE;
    return Check(gpf::GdipIsOutlineVisiblePathPointI(path_, x, y, Native<gp::GpPen>(pen),
                                                     Native<gp::GpGraphics>(graphics), &onOutline)) &&
           onOutline;
}
