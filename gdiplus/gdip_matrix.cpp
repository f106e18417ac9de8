#include "gdiplus/gdip_matrix.h"

#include "gdiplus/gdip_internal.h"

using namespace gdipx;

GdipMatrix::~GdipMatrix()
{
    StatusKeeper keep;
    DeleteMatrix();
}

void GdipMatrix::SetClassHandle(void* handle) { matrix_ = static_cast<gp::GpMatrix*>(handle); }

bool GdipMatrix::DeleteMatrix()
{
    if (!matrix_)
        return false;
    const gp::Status status = gpf::GdipDeleteMatrix(matrix_);
    SetNativeHandle(nullptr);
    return Check(status);
}

bool GdipMatrix::CreateMatrix()
{
    ReleaseHeld();
    gp::GpMatrix* matrix = nullptr;
    return TakeCreated(gpf::GdipCreateMatrix(&matrix), matrix);
}

bool GdipMatrix::CreateMatrixElements(float m11, float m12, float m21, float m22, float dx, float dy)
{
    ReleaseHeld();
    gp::GpMatrix* matrix = nullptr;
    return TakeCreated(gpf::GdipCreateMatrix2(m11, m12, m21, m22, dx, dy, &matrix), matrix);
}

bool GdipMatrix::CreateMatrixRectPoints(const RectF& rect, const PointF parallelogram[3])
{
    ReleaseHeld();
    gp::GpMatrix* matrix = nullptr;
    return TakeCreated(
        gpf::GdipCreateMatrix3(AsGp(rect), reinterpret_cast<const gp::PointF*>(parallelogram), &matrix), matrix);
}

bool GdipMatrix::CreateMatrixRectPointsI(const Rect& rect, const Point parallelogram[3])
{
    ReleaseHeld();
    gp::GpMatrix* matrix = nullptr;
    return TakeCreated(
        gpf::GdipCreateMatrix3I(AsGp(rect), reinterpret_cast<const gp::Point*>(parallelogram), &matrix), matrix);
}

bool GdipMatrix::CloneMatrix(GdipMatrix& target) const
{
    gp::GpMatrix* copy = nullptr;
    return GiveTo(target, gpf::GdipCloneMatrix(matrix_, &copy), copy);
}

bool GdipMatrix::SetMatrixElements(float m11, float m12, float m21, float m22, float dx, float dy)
{
    return Check(gpf::GdipSetMatrixElements(matrix_, m11, m12, m21, m22, dx, dy));
}

bool GdipMatrix::GetMatrixElements(std::vector<float>& elements) const
{
    elements.assign(6, 0.0f);
    return Check(gpf::GdipGetMatrixElements(matrix_, elements.data()));
}

bool GdipMatrix::MultiplyMatrix(const GdipMatrix& other, int order)
{
    return Check(gpf::GdipMultiplyMatrix(matrix_, Native<gp::GpMatrix>(other), En(order)));
}

bool GdipMatrix::TranslateMatrix(float dx, float dy, int order)
{
    return Check(gpf::GdipTranslateMatrix(matrix_, dx, dy, En(order)));
}

float GdipMatrix::GetMatrixOffsetX() const
{
    float elements[6] = {};
    return Check(gpf::GdipGetMatrixElements(matrix_, elements)) ? elements[4] : 0.0f;
}

float GdipMatrix::GetMatrixOffsetY() const
{
    float elements[6] = {};
    return Check(gpf::GdipGetMatrixElements(matrix_, elements)) ? elements[5] : 0.0f;
}

bool GdipMatrix::RotateMatrix(float angle, int order) { return Check(gpf::GdipRotateMatrix(matrix_, angle, En(order))); }

bool GdipMatrix::RotateMatrixAt(float angle, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order, [&](float dx, float dy) { return gpf::GdipTranslateMatrix(matrix_, dx, dy, En(order)); },
        [&] { return gpf::GdipRotateMatrix(matrix_, angle, En(order)); });
}

bool GdipMatrix::InvertMatrix() { return Check(gpf::GdipInvertMatrix(matrix_)); }

bool GdipMatrix::ScaleMatrix(float sx, float sy, int order)
{
    return Check(gpf::GdipScaleMatrix(matrix_, sx, sy, En(order)));
}

bool GdipMatrix::ScaleMatrixAt(float sx, float sy, const PointF& centre, int order)
{
    return TransformAbout(
        centre, order, [&](float dx, float dy) { return gpf::GdipTranslateMatrix(matrix_, dx, dy, En(order)); },
        [&] { return gpf::GdipScaleMatrix(matrix_, sx, sy, En(order)); });
}

bool GdipMatrix::ShearMatrix(float shearX, float shearY, int order)
{
    return Check(gpf::GdipShearMatrix(matrix_, shearX, shearY, En(order)));
}

bool GdipMatrix::ResetMatrix() { return Check(gpf::GdipSetMatrixElements(matrix_, 1, 0, 0, 1, 0, 0)); }

bool GdipMatrix::TransformMatrixPoints(std::vector<PointF>& points) const
{
    return Check(gpf::GdipTransformMatrixPoints(matrix_, Block(points), Count(points)));
}

bool GdipMatrix::TransformMatrixPointsI(std::vector<Point>& points) const
{
    return Check(gpf::GdipTransformMatrixPointsI(matrix_, Block(points), Count(points)));
}

bool GdipMatrix::VectorTransformMatrixPoints(std::vector<PointF>& points) const
{
    return Check(gpf::GdipVectorTransformMatrixPoints(matrix_, Block(points), Count(points)));
}

bool GdipMatrix::VectorTransformMatrixPointsI(std::vector<Point>& points) const
{
    return Check(gpf::GdipVectorTransformMatrixPointsI(matrix_, Block(points), Count(points)));
}

bool GdipMatrix::IsMatrixInvertible() const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsMatrixInvertible(matrix_, &result)) && result;
}

bool GdipMatrix::IsMatrixIdentity() const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsMatrixIdentity(matrix_, &result)) && result;
}

bool GdipMatrix::MatrixEquals(const GdipMatrix& other) const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsMatrixEqual(matrix_, Native<gp::GpMatrix>(other), &result)) && result;
}
