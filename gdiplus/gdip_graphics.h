#pragma once
// The drawing surface: a GDI+ graphics on a device context, a window or an image. Coordinates are
// floats, ints in the operations ending in I; texts are GBK (the W variants take UTF-16 byte data).
// Orders: 0 prepend, 1 append; combine modes: 0 replace, 1 intersect, 2 union, 3 xor, 4 exclude,
// 5 complement; units: 0 world, 2 pixel. An empty pen, brush, path, font or image wrapper makes the
// operation fail with InvalidParameter and draw nothing; an empty string format, matrix or image
// attributes wrapper means none.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "gdiplus/gdip_base.h"
#include "gdiplus/gdip_matrix.h"
#include "gdiplus/gdip_string_format.h"

class GdipBrush;
class GdipFont;
class GdipImage;
class GdipPath;
class GdipPen;
class GdipRegion;

// The callback of the metafile enumerations (the GDI+ EnumerateMetafileProc): record type, flags,
// data size, data, callback data; a zero result stops the enumeration.
using GdipEnumerateMetafileProc = BOOL(WINAPI*)(int recordType, UINT flags, UINT dataSize, const BYTE* data,
                                                void* callbackData);

class GdipGraphics : public GdipObjectBase {
public:
    GdipGraphics() = default;
    ~GdipGraphics() override;

    bool DeleteGraphics();
    // Writes no status.
    void Flush(int intention = 0);
    bool CreateFromHWND(HWND window, bool useIcm = false);
    // With a device handle, GdipCreateFromHDC2.
    bool CreateFromHDC(HDC dc, HANDLE device = nullptr);
    bool CreateFromImage(const GdipImage& image);
    HDC GetDC();
    bool ReleaseDC(HDC dc);
    int GetCompositingMode() const;
    bool SetCompositingMode(int mode);
    bool GetRenderingOrigin(int& x, int& y) const;
    bool SetRenderingOrigin(int x, int y);
    int GetCompositingQuality() const;
    bool SetCompositingQuality(int quality);
    // 4 = anti-alias.
    bool SetSmoothingMode(int mode);
    int GetSmoothingMode() const;
    bool SetTextRenderingHint(int hint);
    int GetTextRenderingHint() const;
    bool SetInterpolationMode(int mode);
    int GetInterpolationMode() const;
    bool SetPixelOffsetMode(int mode);
    int GetPixelOffsetMode() const;
    bool SetWorldTransform(const GdipMatrix& matrix);
    // An empty matrix wrapper first receives a new matrix.
    bool GetWorldTransform(GdipMatrix& matrix) const;
    bool ResetWorldTransform();
    bool MultiplyWorldTransform(const GdipMatrix& matrix, int order = 0);
    bool TranslateWorldTransform(float dx, float dy, int order = 0);
    bool ScaleWorldTransform(float sx, float sy, int order = 0);
    // About the centre, in either order; true only when every step succeeded.
    bool ScaleWorldTransformAt(float sx, float sy, const PointF& centre, int order = 0);
    bool RotateWorldTransform(float angle, int order = 0);
    bool RotateWorldTransformAt(float angle, const PointF& centre, int order = 0);
    bool SetPageUnit(int unit);
    int GetPageUnit() const;
    bool SetPageScale(float scale);
    float GetPageScale() const;
    float GetDpiX() const;
    float GetDpiY() const;
    bool TransformPoints(int destinationSpace, int sourceSpace, std::vector<PointF>& points) const;
    bool TransformPointsI(int destinationSpace, int sourceSpace, std::vector<Point>& points) const;
    // The given colour when the call fails.
    uint32_t GetNearestColor(uint32_t colour) const;

    bool DrawLine(const GdipPen& pen, float x1, float y1, float x2, float y2);
    bool DrawLineI(const GdipPen& pen, int x1, int y1, int x2, int y2);
    bool DrawLines(const GdipPen& pen, const std::vector<PointF>& points);
    bool DrawLinesI(const GdipPen& pen, const std::vector<Point>& points);
    bool DrawArc(const GdipPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawArcI(const GdipPen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawBezier(const GdipPen& pen, float x1, float y1, float x2, float y2, float x3, float y3, float x4, float y4);
    bool DrawBezierI(const GdipPen& pen, int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4);
    bool DrawBeziers(const GdipPen& pen, const std::vector<PointF>& points);
    bool DrawBeziersI(const GdipPen& pen, const std::vector<Point>& points);
    bool DrawRectangle(const GdipPen& pen, float x, float y, float width, float height);
    bool DrawRectangleI(const GdipPen& pen, int x, int y, int width, int height);
    bool DrawRectangles(const GdipPen& pen, const std::vector<RectF>& rects);
    bool DrawRectanglesI(const GdipPen& pen, const std::vector<Rect>& rects);
    bool DrawEllipse(const GdipPen& pen, float x, float y, float width, float height);
    bool DrawEllipseI(const GdipPen& pen, int x, int y, int width, int height);
    bool DrawPie(const GdipPen& pen, float x, float y, float width, float height, float startAngle, float sweepAngle);
    bool DrawPieI(const GdipPen& pen, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool DrawPolygon(const GdipPen& pen, const std::vector<PointF>& points);
    bool DrawPolygonI(const GdipPen& pen, const std::vector<Point>& points);
    bool DrawPath(const GdipPen& pen, const GdipPath& path);
    bool DrawCurve(const GdipPen& pen, const std::vector<PointF>& points);
    bool DrawCurveI(const GdipPen& pen, const std::vector<Point>& points);
    bool DrawCurve2(const GdipPen& pen, const std::vector<PointF>& points, float tension);
    bool DrawCurve2I(const GdipPen& pen, const std::vector<Point>& points, float tension);
    bool DrawCurve3(const GdipPen& pen, const std::vector<PointF>& points, int offset, int segments, float tension);
    bool DrawCurve3I(const GdipPen& pen, const std::vector<Point>& points, int offset, int segments, float tension);
    bool DrawClosedCurve(const GdipPen& pen, const std::vector<PointF>& points);
    bool DrawClosedCurveI(const GdipPen& pen, const std::vector<Point>& points);
    bool DrawClosedCurve2(const GdipPen& pen, const std::vector<PointF>& points, float tension);
    bool DrawClosedCurve2I(const GdipPen& pen, const std::vector<Point>& points, float tension);

    // Fills the whole surface, replacing what is there (transparent black by default).
    bool GraphicsClear(uint32_t colour = 0);
    bool FillRectangle(const GdipBrush& brush, float x, float y, float width, float height);
    bool FillRectangleRect(const GdipBrush& brush, const RectF& rect);
    bool FillRectangleI(const GdipBrush& brush, int x, int y, int width, int height);
    bool FillRectangles(const GdipBrush& brush, const std::vector<RectF>& rects);
    bool FillRectanglesI(const GdipBrush& brush, const std::vector<Rect>& rects);
    bool FillPolygon(const GdipBrush& brush, const std::vector<PointF>& points, int fillMode = 0);
    bool FillPolygonI(const GdipBrush& brush, const std::vector<Point>& points, int fillMode = 0);
    bool FillEllipse(const GdipBrush& brush, float x, float y, float width, float height);
    bool FillEllipseI(const GdipBrush& brush, int x, int y, int width, int height);
    bool FillPie(const GdipBrush& brush, float x, float y, float width, float height, float startAngle,
                 float sweepAngle);
    bool FillPieI(const GdipBrush& brush, int x, int y, int width, int height, float startAngle, float sweepAngle);
    bool FillPath(const GdipBrush& brush, const GdipPath& path);
    bool FillClosedCurve(const GdipBrush& brush, const std::vector<PointF>& points);
    bool FillClosedCurve2(const GdipBrush& brush, const std::vector<PointF>& points, float tension, int fillMode = 0);
    bool FillClosedCurveI(const GdipBrush& brush, const std::vector<Point>& points);
    bool FillClosedCurve2I(const GdipBrush& brush, const std::vector<Point>& points, float tension, int fillMode = 0);
    bool FillRegion(const GdipBrush& brush, const GdipRegion& region);

    bool DrawString(const std::string& text, const GdipFont& font, const GdipBrush& brush, const RectF& layout,
                    const GdipStringFormat& format = GdipStringFormat());
    bool DrawStringW(const std::string& wideText, const GdipFont& font, const GdipBrush& brush, const RectF& layout,
                     const GdipStringFormat& format = GdipStringFormat());
    bool MeasureString(const std::string& text, const GdipFont& font, const RectF& layout,
                       const GdipStringFormat& format, RectF& bounds) const;
    // The bounding box itself (zero when the text cannot be measured).
    RectF MeasureString(const std::string& text, const GdipFont& font, const RectF& layout,
                        const GdipStringFormat& format = GdipStringFormat()) const;
    bool MeasureStringW(const std::string& wideText, const GdipFont& font, const RectF& layout,
                        const GdipStringFormat& format, RectF& bounds) const;
    // The array becomes count regions, the boxes of the format's character ranges; it is left as it
    // was unless every step succeeded. A count below 1 fails with InvalidParameter before any call.
    bool MeasureCharacterRanges(const std::string& text, const GdipFont& font, const RectF& layout,
                                const GdipStringFormat& format, int count, std::vector<GdipRegion>& regions) const;
    bool MeasureCharacterRangesW(const std::string& wideText, const GdipFont& font, const RectF& layout,
                                 const GdipStringFormat& format, int count, std::vector<GdipRegion>& regions) const;
    // Flags 1 = look glyphs up through the font's character map.
    bool DrawDriverString(const std::string& text, const GdipFont& font, const GdipBrush& brush,
                          const std::vector<PointF>& positions, int flags = 1,
                          const GdipMatrix& matrix = GdipMatrix());
    bool DrawDriverStringW(const std::string& wideText, const GdipFont& font, const GdipBrush& brush,
                           const std::vector<PointF>& positions, int flags = 1,
                           const GdipMatrix& matrix = GdipMatrix());
    bool SetTextContrast(unsigned int contrast);
    unsigned int GetTextContrast() const;

    // At the image's own size (its resolution counts).
    bool DrawImage(const GdipImage& image, float x, float y);
    bool DrawImageI(const GdipImage& image, int x, int y);
    // A cached bitmap, or any wrapper holding one; the position is truncated to whole pixels.
    bool DrawCachedBitmap(const GdipObjectBase& cachedBitmap, float x, float y);
    // The whole image stretched into the rectangle; the source unit defaults to 2 (pixel).
    bool DrawImageRectRect(const GdipImage& image, float x, float y, float width, float height, int sourceUnit = 2);
    bool DrawImageRectRectI(const GdipImage& image, int x, int y, int width, int height, int sourceUnit = 2);
    // Into the parallelogram of upper-left, upper-right and lower-left corners.
    bool DrawImagePoints(const GdipImage& image, float x1, float y1, float x2, float y2, float x3, float y3);
    bool DrawImagePointsI(const GdipImage& image, int x1, int y1, int x2, int y2, int x3, int y3);
    bool DrawImagePointRect(const GdipImage& image, float x, float y, float sourceX, float sourceY, float sourceWidth,
                            float sourceHeight, int sourceUnit = 2);
    bool DrawImagePointRectI(const GdipImage& image, int x, int y, int sourceX, int sourceY, int sourceWidth,
                             int sourceHeight, int sourceUnit = 2);
    // Image attributes: any wrapper holding a GDI+ image-attributes object, or none.
    bool DrawImageRectRectEx(const GdipImage& image, float x, float y, float width, float height, float sourceX,
                             float sourceY, float sourceWidth, float sourceHeight, int sourceUnit = 2,
                             const GdipObjectBase* attributes = nullptr);
    bool DrawImageRectRectExI(const GdipImage& image, int x, int y, int width, int height, int sourceX, int sourceY,
                              int sourceWidth, int sourceHeight, int sourceUnit = 2,
                              const GdipObjectBase* attributes = nullptr);
    bool DrawImagePointsRect(const GdipImage& image, float x1, float y1, float x2, float y2, float x3, float y3,
                             float sourceX, float sourceY, float sourceWidth, float sourceHeight, int sourceUnit = 2,
                             const GdipObjectBase* attributes = nullptr);
    bool DrawImagePointsRectI(const GdipImage& image, int x1, int y1, int x2, int y2, int x3, int y3, int sourceX,
                              int sourceY, int sourceWidth, int sourceHeight, int sourceUnit = 2,
                              const GdipObjectBase* attributes = nullptr);

    // Metafiles: any wrapper holding a GDI+ metafile. Callback and data go to GDI+ unchanged.
    bool EnumerateMetafileDestPoint(const GdipObjectBase& metafile, const PointF& destination,
                                    GdipEnumerateMetafileProc callback, void* callbackData = nullptr,
                                    const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileDestPointI(const GdipObjectBase& metafile, const Point& destination,
                                     GdipEnumerateMetafileProc callback, void* callbackData = nullptr,
                                     const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileDestPoints(const GdipObjectBase& metafile, const std::vector<PointF>& destination,
                                     GdipEnumerateMetafileProc callback, void* callbackData = nullptr,
                                     const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileDestPointsI(const GdipObjectBase& metafile, const std::vector<Point>& destination,
                                      GdipEnumerateMetafileProc callback, void* callbackData = nullptr,
                                      const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileDestRect(const GdipObjectBase& metafile, const RectF& destination,
                                   GdipEnumerateMetafileProc callback, void* callbackData = nullptr,
                                   const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileDestRectI(const GdipObjectBase& metafile, const Rect& destination,
                                    GdipEnumerateMetafileProc callback, void* callbackData = nullptr,
                                    const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPoint(const GdipObjectBase& metafile, const PointF& destination,
                                           const RectF& source, int sourceUnit, GdipEnumerateMetafileProc callback,
                                           void* callbackData = nullptr, const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPointI(const GdipObjectBase& metafile, const Point& destination,
                                            const Rect& source, int sourceUnit, GdipEnumerateMetafileProc callback,
                                            void* callbackData = nullptr, const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPoints(const GdipObjectBase& metafile, const std::vector<PointF>& destination,
                                            const RectF& source, int sourceUnit, GdipEnumerateMetafileProc callback,
                                            void* callbackData = nullptr, const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestPointsI(const GdipObjectBase& metafile, const std::vector<Point>& destination,
                                             const Rect& source, int sourceUnit, GdipEnumerateMetafileProc callback,
                                             void* callbackData = nullptr, const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestRect(const GdipObjectBase& metafile, const RectF& destination,
                                          const RectF& source, int sourceUnit, GdipEnumerateMetafileProc callback,
                                          void* callbackData = nullptr, const GdipObjectBase* attributes = nullptr);
    bool EnumerateMetafileSrcRectDestRectI(const GdipObjectBase& metafile, const Rect& destination,
                                           const Rect& source, int sourceUnit, GdipEnumerateMetafileProc callback,
                                           void* callbackData = nullptr, const GdipObjectBase* attributes = nullptr);

    bool SetClipGraphics(const GdipGraphics& other, int combineMode = 0);
    bool SetClipPath(const GdipPath& path, int combineMode = 0);
    bool SetClipRect(float x, float y, float width, float height, int combineMode = 0);
    bool SetClipRectI(int x, int y, int width, int height, int combineMode = 0);
    bool SetClipRegion(const GdipRegion& region, int combineMode = 0);
    bool SetClipHrgn(HRGN region, int combineMode = 0);
    bool ResetClip();
    bool TranslateClip(float dx, float dy);
    bool TranslateClipI(int dx, int dy);
    // An empty region wrapper first receives a new region.
    bool GetClip(GdipRegion& region) const;
    RectF GetClipBounds() const;
    Rect GetClipBoundsI() const;
    RectF GetVisibleClipBounds() const;
    Rect GetVisibleClipBoundsI() const;
    bool IsClipEmpty() const;
    bool IsVisibleClipEmpty() const;
    bool IsVisiblePoint(float x, float y) const;
    bool IsVisiblePointI(int x, int y) const;
    bool IsVisibleRect(float x, float y, float width, float height) const;
    bool IsVisibleRectI(int x, int y, int width, int height) const;
    // States and containers: 0 on failure.
    unsigned int SaveGraphics();
    bool RestoreGraphics(unsigned int state);
    unsigned int BeginContainer(const RectF& destination, const RectF& source, int unit = 0);
    unsigned int BeginContainerI(const Rect& destination, const Rect& source, int unit = 0);
    unsigned int BeginContainer2();
    bool EndContainer(unsigned int state);
    bool Comment(const std::string& data);

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override { DeleteGraphics(); }

private:
    Gdiplus::GpGraphics* graphics_ = nullptr;
};
