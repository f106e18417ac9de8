#pragma once
// Texture brushes: a picture repeated over the fill. Wrap modes: 0 tile, 1 tile flipped every other
// tile horizontally, 2 vertically, 3 both, 4 clamp.
#include "gdiplus/gdip_brush.h"

class GdipImage;

class GdipTextureBrush : public GdipBrush {
public:
    GdipTextureBrush() = default;
    ~GdipTextureBrush() override;

    bool CreateTexture(const GdipImage& image, int wrapMode = 0);
    // Only the given part of the picture.
    bool CreateTextureRect(const GdipImage& image, float x, float y, float width, float height, int wrapMode = 0);
    bool CreateTextureRectI(const GdipImage& image, int x, int y, int width, int height, int wrapMode = 0);
    // Attributes: any wrapper holding a GDI+ image-attributes object (none when empty).
    bool CreateTextureWithAttributes(const GdipImage& image, float x, float y, float width, float height,
                                     const GdipObjectBase& attributes);
    bool CreateTextureWithAttributesI(const GdipImage& image, int x, int y, int width, int height,
                                      const GdipObjectBase& attributes);
    // An empty matrix wrapper first receives a new matrix.
    bool GetTextureTransform(GdipMatrix& matrix) const;
    bool SetTextureTransform(const GdipMatrix& matrix);
    bool ResetTextureTransform();
    bool MultiplyTextureTransform(const GdipMatrix& matrix, int order = 0);
    bool TranslateTextureTransform(float dx, float dy, int order = 0);
    bool ScaleTextureTransform(float sx, float sy, int order = 0);
    bool ScaleTextureTransformAt(float sx, float sy, const PointF& centre, int order = 0);
    bool RotateTextureTransform(float angle, int order = 0);
    bool RotateTextureTransformAt(float angle, const PointF& centre, int order = 0);
    int GetTextureWrapMode() const;
    bool SetTextureWrapMode(int wrapMode);
    // A copy of the texture's picture, disposed of by the target.
    bool GetTextureImage(GdipImage& target) const;

protected:
    void SetSubclassHandle(void* handle) override;

private:
    Gdiplus::GpTexture* texture_ = nullptr;
};
