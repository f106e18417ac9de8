#pragma once
// Brushes: the brush base shared by every brush class, solid fills and two-colour linear gradients.
// Colours are ARGB; wrap modes and orders are GDI+ values (order 0 prepend, 1 append).
#include <cstdint>
#include <vector>

#include "gdiplus/gdip_base.h"

// A windowsx.h macro that shares the wrapper's method name.
#undef DeleteBrush

class GdipMatrix;

class GdipBrush : public GdipObjectBase {
public:
    ~GdipBrush() override = default;

    bool DeleteBrush();
    bool CloneBrush(GdipBrush& target) const;
    // 0 solid, 1 hatch, 2 texture, 3 path gradient, 4 linear gradient.
    int GetBrushType() const;

protected:
    GdipBrush() = default;
    void SetClassHandle(void* handle) final;
    // Each concrete brush keeps its own typed handle.
    virtual void SetSubclassHandle(void* handle) = 0;
    void ReleaseHeld() final { DeleteBrush(); }

private:
    Gdiplus::GpBrush* brush_ = nullptr;
};

class GdipSolidBrush : public GdipBrush {
public:
    GdipSolidBrush() = default;
    ~GdipSolidBrush() override;

    bool CreateSolidFill(uint32_t colour);
    bool SetSolidFillColor(uint32_t colour);
    uint32_t GetSolidFillColor() const;

protected:
    void SetSubclassHandle(void* handle) override;

private:
    Gdiplus::GpSolidFill* fill_ = nullptr;
};

class GdipLinearGradientBrush : public GdipBrush {
public:
    GdipLinearGradientBrush() = default;
    ~GdipLinearGradientBrush() override;

    // Every create leaves the wrap mode at 0 (tile).
    bool CreateLineBrush(const PointF& start, const PointF& end, uint32_t startColour, uint32_t endColour);
    bool CreateLineBrushI(const Point& start, const Point& end, uint32_t startColour, uint32_t endColour);
    bool CreateLineBrushFromRect(const RectF& rect, uint32_t startColour, uint32_t endColour, int gradientMode = 0);
    bool CreateLineBrushFromRectI(const Rect& rect, uint32_t startColour, uint32_t endColour, int gradientMode = 0);
    bool CreateLineBrushFromRectWithAngle(const RectF& rect, uint32_t startColour, uint32_t endColour, float angle,
                                          bool angleIsScalable = false);
    bool CreateLineBrushFromRectWithAngleI(const Rect& rect, uint32_t startColour, uint32_t endColour, float angle,
                                           bool angleIsScalable = false);
    bool GetLineColors(uint32_t& startColour, uint32_t& endColour) const;
    bool SetLineColors(uint32_t startColour, uint32_t endColour);
    RectF GetLineRect() const;
    Rect GetLineRectI() const;
    bool SetLineGammaCorrection(bool useGamma);
    bool GetLineGammaCorrection() const;
    // Factors and positions pair up; a position list shorter than the factor (colour) list is refused.
    bool SetLineBlend(const std::vector<float>& factors, const std::vector<float>& positions);
    // Both arrays become the blend; the result is its count (0, arrays untouched, when none is read).
    int GetLineBlend(std::vector<float>& factors, std::vector<float>& positions) const;
    int GetLineBlendCount() const;
    bool SetLinePresetBlend(const std::vector<uint32_t>& colours, const std::vector<float>& positions);
    int GetLinePresetBlend(std::vector<uint32_t>& colours, std::vector<float>& positions) const;
    bool SetLineSigmaBlend(float focus, float scale);
    bool SetLineLinearBlend(float focus, float scale);
    int GetLineWrapMode() const;
    bool SetLineWrapMode(int wrapMode);
    // An empty matrix wrapper first receives a new matrix.
    bool GetLineTransform(GdipMatrix& matrix) const;
    bool SetLineTransform(const GdipMatrix& matrix);
    bool ResetLineTransform();
    bool MultiplyLineTransform(const GdipMatrix& matrix, int order = 0);
    bool TranslateLineTransform(float dx, float dy, int order = 0);
    bool ScaleLineTransform(float sx, float sy, int order = 0);
    bool ScaleLineTransformAt(float sx, float sy, const PointF& centre, int order = 0);
    bool RotateLineTransform(float angle, int order = 0);
    bool RotateLineTransformAt(float angle, const PointF& centre, int order = 0);

protected:
    void SetSubclassHandle(void* handle) override;

private:
    Gdiplus::GpLineGradient* gradient_ = nullptr;
};
