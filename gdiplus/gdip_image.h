#pragma once
// Images: pictures drawn through GdipGraphics. A GdipBitmap is a GdipImage too.
#include "gdiplus/gdip_base.h"

class GdipImage : public GdipObjectBase {
public:
    GdipImage() = default;
    ~GdipImage() override;

    bool DisposeImage();
    int GetImageWidth() const;
    int GetImageHeight() const;

protected:
    void SetClassHandle(void* handle) override;
    virtual void SetSubclassHandle(void*) {}
    void ReleaseHeld() override { DisposeImage(); }

private:
    Gdiplus::GpImage* image_ = nullptr;
};
