#pragma once
// Pens: every outline the skin draws. Colours are ARGB; caps, joins, dash styles, alignments and
// units are the GDI+ values; orders 0 prepend, 1 append.
#include <cstdint>
#include <vector>

#include "gdiplus/gdip_base.h"

// A windowsx.h macro that shares the wrapper's method name.
#undef DeletePen

class GdipBrush;
class GdipMatrix;

// A custom line cap made elsewhere (the layer creates none): the pen's cap getters hand theirs to one
// of these, which releases it.
class GdipCustomLineCap : public GdipObjectBase {
public:
    GdipCustomLineCap() = default;
    ~GdipCustomLineCap() override;
    bool DeleteCustomLineCap();

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override { DeleteCustomLineCap(); }

private:
    Gdiplus::GpCustomLineCap* cap_ = nullptr;
};

class GdipPen : public GdipObjectBase {
public:
    GdipPen() = default;
    ~GdipPen() override;

    bool DeletePen();
    bool CreatePen(uint32_t colour, float width, int unit = 0);
    bool CreatePenFromBrush(const GdipBrush& brush, float width, int unit = 0);
    bool ClonePen(GdipPen& target) const;
    float GetPenWidth() const;
    bool SetPenWidth(float width);
    int GetPenUnit() const;
    // The unit arrives as a number and is truncated to the GDI+ unit.
    bool SetPenUnit(float unit);
    bool SetPenLineCap(int startCap, int endCap, int dashCap);
    bool SetPenLineCap2(int startCap, int endCap, int dashCap);
    bool SetPenStartCap(int cap);
    bool SetPenEndCap(int cap);
    bool SetPenDashCap(int dashCap);
    int GetPenStartCap() const;
    int GetPenEndCap() const;
    int GetPenDashCap() const;
    int GetPenDashCap2() const;
    bool SetPenLineJoin(int join);
    int GetPenLineJoin() const;
    bool SetPenCustomStartCap(const GdipCustomLineCap& cap);
    bool GetPenCustomStartCap(GdipCustomLineCap& target) const;
    bool SetPenCustomEndCap(const GdipCustomLineCap& cap);
    bool GetPenCustomEndCap(GdipCustomLineCap& target) const;
    bool SetPenMiterLimit(float limit);
    float GetPenMiterLimit() const;
    bool SetPenMode(int alignment);
    int GetPenMode() const;
    bool SetPenTransform(const GdipMatrix& matrix);
    // An empty matrix wrapper first receives a new matrix.
    bool GetPenTransform(GdipMatrix& matrix) const;
    bool ResetPenTransform();
    bool MultiplyPenTransform(const GdipMatrix& matrix, int order = 0);
    bool RotatePenTransform(float angle, int order = 0);
    bool RotatePenTransformAt(float angle, const PointF& centre, int order = 0);
    bool ScalePenTransform(float sx, float sy, int order = 0);
    bool ScalePenTransformAt(float sx, float sy, const PointF& centre, int order = 0);
    bool TranslatePenTransform(float dx, float dy, int order = 0);
    uint32_t GetPenColor() const;
    bool SetPenColor(uint32_t colour);
    bool SetPenBrushFill(const GdipBrush& brush);
    bool GetPenBrushFill(GdipBrush& target) const;
    int GetPenFillType() const;
    bool SetPenDashStyle(int style);
    int GetPenDashStyle() const;
    float GetPenDashOffset() const;
    bool SetPenDashOffset(float offset);
    // The array becomes the dash values; the result is their count (0, array untouched, when there are
    // none or the count cannot be read). The same for the compound array.
    int GetPenDashArray(std::vector<float>& dashes) const;
    bool SetPenDashArray(const std::vector<float>& dashes);
    bool SetPenCompoundArray(const std::vector<float>& values);
    int GetPenCompoundArray(std::vector<float>& values) const;

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override { DeletePen(); }

private:
    Gdiplus::GpPen* pen_ = nullptr;
};
