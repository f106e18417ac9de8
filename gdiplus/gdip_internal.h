#pragma once
// Private helpers of the GDI+ object layer's sources: the platform's flat API, status keeping,
// enum conversion and the marshalling of record arrays.
#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstring>
#include <string>
#include <type_traits>
#include <vector>

#include "gdiplus/gdip_base.h"

namespace gp = Gdiplus;
namespace gpf = Gdiplus::DllExports;

namespace gdipx {

// Stores the status as the thread's last status; true when it is Ok.
bool Check(gp::Status status);
void StoreStatus(int status);

// Keeps the thread's last status across a wrapper's destruction: releasing what a local wrapper still
// holds at scope end must not hide the status of the call that decided a result.
class StatusKeeper {
public:
    StatusKeeper() : saved_(LastGdipStatus()) {}
    ~StatusKeeper() { StoreStatus(saved_); }
    StatusKeeper(const StatusKeeper&) = delete;
    StatusKeeper& operator=(const StatusKeeper&) = delete;

private:
    int saved_;
};

// Another wrapper's native object, typed for the flat call.
template <class T>
T* Native(const GdipObjectBase& wrapper)
{
    return static_cast<T*>(wrapper.GetNativeHandle());
}
template <class T>
T* Native(const GdipObjectBase* wrapper)
{
    return wrapper ? static_cast<T*>(wrapper->GetNativeHandle()) : nullptr;
}

// An int that converts to whichever GDI+ enumeration the flat function takes.
struct AnyEnum {
    int value;
    template <class E, class = std::enable_if_t<std::is_enum<E>::value>>
    operator E() const
    {
        return static_cast<E>(value);
    }
};
inline AnyEnum En(int value) { return AnyEnum{value}; }

// Our records have the platform's layout, so an array of them is the packed block GDI+ reads and
// writes in place; an empty array passes no block and count 0.
static_assert(sizeof(PointF) == sizeof(gp::PointF) && sizeof(Point) == sizeof(gp::Point), "point layout");
static_assert(sizeof(RectF) == sizeof(gp::RectF) && sizeof(Rect) == sizeof(gp::Rect), "rectangle layout");
static_assert(sizeof(CharacterRange) == sizeof(gp::CharacterRange), "range layout");

inline gp::PointF* Block(std::vector<PointF>& v) { return v.empty() ? nullptr : reinterpret_cast<gp::PointF*>(v.data()); }
inline gp::Point* Block(std::vector<Point>& v) { return v.empty() ? nullptr : reinterpret_cast<gp::Point*>(v.data()); }
inline gp::RectF* Block(std::vector<RectF>& v) { return v.empty() ? nullptr : reinterpret_cast<gp::RectF*>(v.data()); }
inline gp::Rect* Block(std::vector<Rect>& v) { return v.empty() ? nullptr : reinterpret_cast<gp::Rect*>(v.data()); }
inline const gp::PointF* Block(const std::vector<PointF>& v)
{
    return v.empty() ? nullptr : reinterpret_cast<const gp::PointF*>(v.data());
}
inline const gp::Point* Block(const std::vector<Point>& v)
{
    return v.empty() ? nullptr : reinterpret_cast<const gp::Point*>(v.data());
}
inline const gp::RectF* Block(const std::vector<RectF>& v)
{
    return v.empty() ? nullptr : reinterpret_cast<const gp::RectF*>(v.data());
}
inline const gp::Rect* Block(const std::vector<Rect>& v)
{
    return v.empty() ? nullptr : reinterpret_cast<const gp::Rect*>(v.data());
}
template <class T>
INT Count(const std::vector<T>& v)
{
    return static_cast<INT>(v.size());
}

inline const gp::RectF* AsGp(const RectF& r) { return reinterpret_cast<const gp::RectF*>(&r); }
inline const gp::Rect* AsGp(const Rect& r) { return reinterpret_cast<const gp::Rect*>(&r); }
inline const gp::PointF* AsGp(const PointF& p) { return reinterpret_cast<const gp::PointF*>(&p); }
inline const gp::Point* AsGp(const Point& p) { return reinterpret_cast<const gp::Point*>(&p); }
inline gp::RectF* AsGp(RectF& r) { return reinterpret_cast<gp::RectF*>(&r); }
inline gp::Rect* AsGp(Rect& r) { return reinterpret_cast<gp::Rect*>(&r); }
inline gp::PointF* AsGp(PointF& p) { return reinterpret_cast<gp::PointF*>(&p); }
inline gp::Point* AsGp(Point& p) { return reinterpret_cast<gp::Point*>(&p); }

// A UTF-16 text held as byte data: its units, and the count before the first zero unit.
class WideText {
public:
    explicit WideText(std::string bytes);
    const WCHAR* Units() const { return reinterpret_cast<const WCHAR*>(bytes_.data()); }
    INT Length() const { return length_; }

private:
    std::string bytes_;
    INT length_ = 0;
};
// GBK text -> wide text; UTF-16 byte data -> wide text (zero-terminated even when the bytes are not).
WideText WideFromText(const std::string& text);
WideText WideFromBytes(const std::string& wideBytes);

// The end of an operation that hands a new native object to a target wrapper: on Ok the target
// releases what it held and takes the new object; on failure it is left as it was. The handle is
// taken by reference so that it is read after the flat call in the same argument list.
template <class T>
bool GiveTo(GdipObjectBase& target, gp::Status status, T* const& handle)
{
    if (status == gp::Ok)
        target.ReplaceNativeHandle(handle);
    return Check(status);
}

// The three calls of a transform about a centre point: prepend order translates to the centre
// first, append order last, so both scale or rotate about the centre. All three calls are made (a
// failed middle step leaves the transform as it was); the result is true only when all succeeded,
// and the status kept is that of the first failure.
template <class Translate, class Transform>
bool TransformAbout(const PointF& centre, int order, Translate translate, Transform transform)
{
    const float sign = order == 0 ? 1.0f : -1.0f;
    const gp::Status statuses[] = {translate(sign * centre.x, sign * centre.y), transform(),
                                   translate(-sign * centre.x, -sign * centre.y)};
    for (gp::Status status : statuses)
        if (status != gp::Ok)
            return Check(status);
    return Check(gp::Ok);
}

}  // namespace gdipx
