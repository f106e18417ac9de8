#pragma once
// A 3 x 2 affine matrix (elements m11, m12, m21, m22, dx, dy). Orders: 0 prepend, 1 append. An empty
// matrix wrapper handed to another class means "no matrix".
#include <vector>

#include "gdiplus/gdip_base.h"

class GdipMatrix : public GdipObjectBase {
public:
    GdipMatrix() = default;
    ~GdipMatrix() override;

    bool DeleteMatrix();
    bool CreateMatrix();
    bool CreateMatrixElements(float m11, float m12, float m21, float m22, float dx, float dy);
    // The matrix mapping the rectangle onto the parallelogram of three points (upper-left,
    // upper-right, lower-left).
    bool CreateMatrixRectPoints(const RectF& rect, const PointF parallelogram[3]);
    bool CreateMatrixRectPointsI(const Rect& rect, const Point parallelogram[3]);
    bool CloneMatrix(GdipMatrix& target) const;
    bool SetMatrixElements(float m11, float m12, float m21, float m22, float dx, float dy);
    // The array becomes the six elements.
    bool GetMatrixElements(std::vector<float>& elements) const;
    bool MultiplyMatrix(const GdipMatrix& other, int order = 0);
    bool TranslateMatrix(float dx, float dy, int order = 0);
    float GetMatrixOffsetX() const;
    float GetMatrixOffsetY() const;
    bool RotateMatrix(float angle, int order = 0);
    bool RotateMatrixAt(float angle, const PointF& centre, int order = 0);
    bool InvertMatrix();
    bool ScaleMatrix(float sx, float sy, int order = 0);
    bool ScaleMatrixAt(float sx, float sy, const PointF& centre, int order = 0);
    bool ShearMatrix(float shearX, float shearY, int order = 0);
    bool ResetMatrix();
    bool TransformMatrixPoints(std::vector<PointF>& points) const;
    bool TransformMatrixPointsI(std::vector<Point>& points) const;
    // As above without the translation.
    bool VectorTransformMatrixPoints(std::vector<PointF>& points) const;
    bool VectorTransformMatrixPointsI(std::vector<Point>& points) const;
    bool IsMatrixInvertible() const;
    bool IsMatrixIdentity() const;
    bool MatrixEquals(const GdipMatrix& other) const;

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override { DeleteMatrix(); }

private:
    Gdiplus::GpMatrix* matrix_ = nullptr;
};
