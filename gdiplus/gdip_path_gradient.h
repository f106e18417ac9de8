#pragma once
// Path-gradient brushes: glows and round highlights, a centre colour running out to surround colours
// along a path's outline. Wrap mode 4 (clamp) when none is given.
#include <cstdint>
#include <vector>

#include "gdiplus/gdip_brush.h"

class GdipPath;

class GdipPathGradientBrush : public GdipBrush {
public:
    GdipPathGradientBrush() = default;
    ~GdipPathGradientBrush() override;

    bool CreatePathGradient(const std::vector<PointF>& points, int wrapMode = 4);
    bool CreatePathGradientI(const std::vector<Point>& points, int wrapMode = 4);
    bool CreatePathGradientFromPath(const GdipPath& path);
    uint32_t GetPathGradientCenterColor() const;
    bool SetPathGradientCenterColor(uint32_t colour);
    int GetPathGradientPointCount() const;
    int GetPathGradientSurroundColorCount() const;
    // Fills the array from its start (it is not resized) and sets count to the colours written; at
    // most the array's size is asked for.
    bool GetPathGradientSurroundColorsWithCount(std::vector<uint32_t>& colours, int& count) const;
    // Without a count, the whole array; with one, count is first limited to the array's size and then
    // receives how many colours GDI+ used.
    bool SetPathGradientSurroundColorsWithCount(const std::vector<uint32_t>& colours);
    bool SetPathGradientSurroundColorsWithCount(const std::vector<uint32_t>& colours, int& count);
    // The brush's boundary: the target receives a new path holding it (releasing what it held).
    bool GetPathGradientPath(GdipPath& target) const;
    // The same written into the path the wrapper holds (a new one when it holds none).
    bool GetPathGradientPathInto(GdipPath& path) const;
    PointF GetPathGradientCenterPoint() const;
    Point GetPathGradientCenterPointI() const;
    bool SetPathGradientCenterPoint(const PointF& centre);
    bool SetPathGradientCenterPointI(const Point& centre);
    RectF GetPathGradientRect() const;
    Rect GetPathGradientRectI() const;
    bool SetPathGradientGammaCorrection(bool useGamma);
    bool GetPathGradientGammaCorrection() const;
    bool SetPathGradientBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    int GetPathGradientBlend(std::vector<float>& factors, std::vector<float>& positions) const;
    int GetPathGradientBlendCount() const;
    int GetPathGradientPresetBlendCount() const;
    bool GetPathGradientFocusScales(float& xScale, float& yScale) const;
    bool SetPathGradientFocusScales(float xScale, float yScale);
    bool SetPathGradientPresetBlend(const std::vector<uint32_t>& colours, const std::vector<float>& positions);
    int GetPathGradientPresetBlend(std::vector<uint32_t>& colours, std::vector<float>& positions) const;
    bool SetPathGradientSigmaBlend(float focus, float scale);
    bool SetPathGradientLinearBlend(float focus, float scale);
    int GetPathGradientWrapMode() const;
    bool SetPathGradientWrapMode(int wrapMode);
    // An empty matrix wrapper first receives a new matrix.
    bool GetPathGradientTransform(GdipMatrix& matrix) const;
    bool SetPathGradientTransform(const GdipMatrix& matrix);
    bool ResetPathGradientTransform();
    bool MultiplyPathGradientTransform(const GdipMatrix& matrix, int order = 0);
    bool TranslatePathGradientTransform(float dx, float dy, int order = 0);
    bool ScalePathGradientTransform(float sx, float sy, int order = 0);
    bool ScalePathGradientTransformAt(float sx, float sy, const PointF& centre, int order = 0);
    bool RotatePathGradientTransform(float angle, int order = 0);
    bool RotatePathGradientTransformAt(float angle, const PointF& centre, int order = 0);

protected:
    void SetSubclassHandle(void* handle) override;

private:
    Gdiplus::GpPathGradient* gradient_ = nullptr;
};
