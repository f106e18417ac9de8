// Pictures from bytes: GDI+ decodes JPEG, PNG, GIF and BMP data from a memory stream, once the bytes'
// outline holds together.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include "runtime/forms/runtime_internal.h"
#include "runtime/picture_structure.h"

namespace forms {
namespace {

bool StartGdiplusOnce()
{
    static bool started = [] {
        Gdiplus::GdiplusStartupInput input;
        ULONG_PTR token = 0;
        return Gdiplus::GdiplusStartup(&token, &input, nullptr) == Gdiplus::Ok;
    }();
    return started;
}

IStream* StreamOf(const std::string& bytes)
{
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (!memory)
        return nullptr;
    void* data = GlobalLock(memory);
    if (!data) {
        GlobalFree(memory);
        return nullptr;
    }
    CopyMemory(data, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    IStream* stream = nullptr;
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, &stream))) {
        GlobalFree(memory);
        return nullptr;
    }
    return stream;
}

}  // namespace

HBITMAP DecodePicture(const std::string& bytes, COLORREF background)
{
    // A damaged picture shows as none: the decoder could read past its data.
    if (!PictureOutlineSound(bytes) || !StartGdiplusOnce())
        return nullptr;
    IStream* stream = StreamOf(bytes);
    if (!stream)
        return nullptr;
    HBITMAP bitmap = nullptr;
    {
        Gdiplus::Bitmap picture(stream);
        if (picture.GetLastStatus() == Gdiplus::Ok) {
            const Gdiplus::Color fill(255, GetRValue(background), GetGValue(background), GetBValue(background));
            if (picture.GetHBITMAP(fill, &bitmap) != Gdiplus::Ok)
                bitmap = nullptr;
        }
    }
    stream->Release();
    return bitmap;
}

}  // namespace forms
