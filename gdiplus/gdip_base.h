#pragma once
// The root of the GDI+ wrapper classes. Each wrapper owns at most one native GDI+ object: it starts
// empty, a create (or a clone written into it) gives it one, its delete releases it, and destruction
// releases what it still holds (font families and collections excepted). Every operation is one or a
// few calls of the GDI+ flat API; results report failure, and the status of the latest call made on
// the calling thread is kept for LastGdipStatus() (the release at destruction leaves it as it was).
#include <cstddef>
#include <string>

#include "gdiplus/gdip_types.h"

// Native GDI+ object types (defined by the platform's GDI+ headers, used here only by pointer).
namespace Gdiplus {
class GpBitmap;
class GpBrush;
class GpCustomLineCap;
class GpFont;
class GpFontCollection;
class GpFontFamily;
class GpGraphics;
class GpImage;
class GpLineGradient;
class GpMatrix;
class GpPath;
class GpPathGradient;
class GpPen;
class GpRegion;
class GpSolidFill;
class GpStringFormat;
class GpTexture;
}  // namespace Gdiplus

// GDI+ status of the latest flat call this layer made on the calling thread (0 Ok, 2 InvalidParameter).
int LastGdipStatus();

// GBK text -> its UTF-16LE bytes followed by one zero unit (so "" gives two zero bytes). The text ends
// at its first zero byte. Converted by the program's own code page 936 table (services/codepage).
std::string TextToWideBytes(const std::string& text);
// A zero-terminated UTF-16 text -> GBK; a null address gives the empty text.
std::string WideToText(const wchar_t* wide);

class GdipObjectBase {
public:
    GdipObjectBase(const GdipObjectBase&) = delete;
    GdipObjectBase& operator=(const GdipObjectBase&) = delete;
    virtual ~GdipObjectBase() = default;

    void* GetNativeHandle() const { return native_; }
    // Stores the handle in every handle field; releases nothing.
    void SetNativeHandle(void* handle);
    // Takes over a native object made for this wrapper: the one held before is released first.
    void ReplaceNativeHandle(void* handle);
    bool IsEmpty() const { return native_ == nullptr; }

    static void* GdipAllocMemory(size_t size);
    static void GdipFreeMemory(void* memory);

protected:
    GdipObjectBase() = default;
    virtual void SetClassHandle(void* handle) = 0;
    // The class's delete (nothing when empty): runs when a new native object replaces the held one.
    virtual void ReleaseHeld() = 0;
    // The end of every create (which calls ReleaseHeld first): stores the status and holds the new
    // object when it is Ok, nothing otherwise. True on Ok. The handle is taken by reference so that
    // it is read after the flat call in the same argument list has written it.
    template <class T>
    bool TakeCreated(int status, T* const& handle)
    {
        return KeepCreated(status, handle);
    }

private:
    bool KeepCreated(int status, void* handle);

    void* native_ = nullptr;
};
