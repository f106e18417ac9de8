#include "gdiplus/gdip_image.h"

#include "gdiplus/gdip_internal.h"

using namespace gdipx;

GdipImage::~GdipImage() { DisposeImage(); }

void GdipImage::SetClassHandle(void* handle)
{
    image_ = static_cast<gp::GpImage*>(handle);
    SetSubclassHandle(handle);
}

bool GdipImage::DisposeImage()
{
    if (!image_)
        return false;
    const gp::Status status = gpf::GdipDisposeImage(image_);
    SetNativeHandle(nullptr);
    return Check(status);
}

int GdipImage::GetImageWidth() const
{
    UINT width = 0;
    return Check(gpf::GdipGetImageWidth(image_, &width)) ? static_cast<int>(width) : 0;
}

int GdipImage::GetImageHeight() const
{
    UINT height = 0;
    return Check(gpf::GdipGetImageHeight(image_, &height)) ? static_cast<int>(height) : 0;
}
