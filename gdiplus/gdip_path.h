#pragma once
// Paths: every rounded rectangle, ellipse and outline the skin fills, strokes or clips with. Fill
// modes 0 alternate, 1 winding; angles in degrees, clockwise from the positive x axis. Optional
// wrapper arguments left out mean none (no matrix, no pen, no graphics, no format).
#include <string>
#include <vector>

#include "gdiplus/gdip_base.h"
#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_matrix.h"
#include "gdiplus/gdip_pen.h"
#include "gdiplus/gdip_string_format.h"

class GdipFontFamily;

class GdipPath : public GdipObjectBase {
public:
    GdipPath() = default;
    ~GdipPath() override;

    bool DeletePath();
    bool CreatePath(int fillMode = 0);
    // One type byte per point; the count passed is the smaller of the two lengths.
    bool CreatePath2(const std::vector<PointF>& points, const std::string& types, int fillMode = 0);
    bool CreatePath2I(const std::vector<Point>& points, const std::string& types, int fillMode = 0);
    bool ClonePath(GdipPath& target) const;
    bool ResetPath();
    int GetPathFillMode() const;
    bool SetPathFillMode(int fillMode);
    // False, with empty points and types, for a path without points.
    bool GetPathData(PathData& data) const;
    // Without a count (or with a negative one) the path's point count is read first; false and the
    // output untouched when that fails or is 0.
    bool GetPathTypes(std::string& types, int count = -1) const;
    bool GetPathPoints(std::vector<PointF>& points, int count = -1) const;
    bool GetPathPointsI(std::vector<Point>& points, int count = -1) const;
    bool StartPathFigure();
    bool ClosePathFigure();
    bool ClosePathFigures();
    bool SetPathMarker();
    bool ClearPathMarkers();
    bool ReversePath();
    PointF GetPathLastPoint() const;
    bool AddPathLine(float x1, float y1, float x2, float y2);
    bool AddPathLineI(int x1, int y1, int x2, int y2);
    bool AddPathLine2(const std::vector<PointF>& points);
    bool AddPathLine2I(const std::vector<Point>& points);
    bool AddPathArc(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddPathArcI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddPathBezier(float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool AddPathBezierI(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool AddPathBeziers(const std::vector<PointF>& points);
    bool AddPathBeziersI(const std::vector<Point>& points);
    bool AddPathCurve(const std::vector<PointF>& points);
    bool AddPathCurve2(const std::vector<PointF>& points, float tension);
    bool AddPathCurve3(const std::vector<PointF>& points, int offset, int segments, float tension);
    bool AddPathCurveI(const std::vector<Point>& points);
    bool AddPathCurve2I(const std::vector<Point>& points, float tension);
    bool AddPathCurve3I(const std::vector<Point>& points, int offset, int segments, float tension);
    bool AddPathClosedCurve(const std::vector<PointF>& points);
    bool AddPathClosedCurve2(const std::vector<PointF>& points, float tension);
    bool AddPathClosedCurveI(const std::vector<Point>& points);
    bool AddPathClosedCurve2I(const std::vector<Point>& points, float tension);
    bool AddPathRectangle(float x, float y, float width, float height);
    // Four quarter arcs whose boxes are roundness percent (clamped to 1..100) of the width and the
    // height, then the figure is closed; the result is that of the closing call.
    bool AddPathRoundRectangle(float x, float y, float width, float height, int roundness);
    bool AddPathRectangles(const std::vector<RectF>& rects);
    bool AddPathRectangleI(int x, int y, int width, int height);
    bool AddPathRectanglesI(const std::vector<Rect>& rects);
    bool AddPathEllipse(float x, float y, float width, float height);
    bool AddPathEllipseI(int x, int y, int width, int height);
    bool AddPathPie(float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool AddPathPieI(int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool AddPathPolygon(const std::vector<PointF>& points);
    bool AddPathPolygonI(const std::vector<Point>& points);
    bool AddPathPath(const GdipPath& other, bool connect = false);
    // The outlines of a GBK text. Without a format, the generic default format.
    bool AddPathString(const std::string& text, const GdipFontFamily& family, float emSize, const RectF& layout,
                       int style = 0, const GdipStringFormat& format = GdipStringFormat());
    bool AddPathStringW(const std::string& wideText, const GdipFontFamily& family, float emSize, const RectF& layout,
                        int style = 0, const GdipStringFormat& format = GdipStringFormat());
    bool AddPathStringI(const std::string& text, const GdipFontFamily& family, float emSize, const Rect& layout,
                        int style = 0, const GdipStringFormat& format = GdipStringFormat());
    bool AddPathStringIW(const std::string& wideText, const GdipFontFamily& family, float emSize, const Rect& layout,
                         int style = 0, const GdipStringFormat& format = GdipStringFormat());
    bool TransformPath(const GdipMatrix& matrix);
    bool FlattenPath(const GdipMatrix& matrix = GdipMatrix(), float flatness = 0.25f);
    bool WidenPath(const GdipPen& pen, const GdipMatrix& matrix = GdipMatrix(), float flatness = 0.25f);
    bool WindingModeOutline(const GdipMatrix& matrix = GdipMatrix(), float flatness = 0.25f);
    bool WarpPath(const std::vector<PointF>& destination, const RectF& source, const GdipMatrix& matrix = GdipMatrix(),
                  int warpMode = 0, float flatness = 0.25f);
    int GetPointCount() const;
    RectF GetPathWorldBounds(const GdipMatrix& matrix = GdipMatrix(), const GdipPen& pen = GdipPen()) const;
    Rect GetPathWorldBoundsI(const GdipMatrix& matrix = GdipMatrix(), const GdipPen& pen = GdipPen()) const;
    bool IsVisiblePathPoint(float x, float y, const GdipGraphics& graphics = GdipGraphics()) const;
    bool IsVisiblePathPointI(int x, int y, const GdipGraphics& graphics = GdipGraphics()) const;
    bool IsOutlineVisiblePathPoint(float x, float y, const GdipPen& pen,
                                   const GdipGraphics& graphics = GdipGraphics()) const;
    bool IsOutlineVisiblePathPointI(int x, int y, const GdipPen& pen, const GdipGraphics& graphics = GdipGraphics()) const;

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override { DeletePath(); }

private:
    Gdiplus::GpPath* path_ = nullptr;
};
