#include "gdiplus/gdip_region.h"

#include <algorithm>

#include "gdiplus/gdip_graphics.h"
#include "gdiplus/gdip_internal.h"
#include "gdiplus/gdip_path.h"

using namespace gdipx;

namespace {
gp::GpGraphics* GraphicsOf(const GdipGraphics& graphics) { return Native<gp::GpGraphics>(graphics); }
}  // namespace

GdipRegion::GdipRegion(GdipRegion&& other) noexcept
{
    SetNativeHandle(other.GetNativeHandle());
    other.SetNativeHandle(nullptr);
}

GdipRegion::~GdipRegion()
{
    StatusKeeper keep;
    DeleteRegion();
}

void GdipRegion::SetClassHandle(void* handle) { region_ = static_cast<gp::GpRegion*>(handle); }

bool GdipRegion::DeleteRegion()
{
    if (!region_)
        return false;
    const gp::Status status = gpf::GdipDeleteRegion(region_);
    SetNativeHandle(nullptr);
    return Check(status);
}

bool GdipRegion::CreateRegion()
{
    ReleaseHeld();
    gp::GpRegion* region = nullptr;
    return TakeCreated(gpf::GdipCreateRegion(&region), region);
}

bool GdipRegion::CreateRegionFromRect(const RectF& rect)
{
    ReleaseHeld();
    gp::GpRegion* region = nullptr;
    return TakeCreated(gpf::GdipCreateRegionRect(AsGp(rect), &region), region);
}

bool GdipRegion::CreateRegionFromRectI(const Rect& rect)
{
    ReleaseHeld();
    gp::GpRegion* region = nullptr;
    return TakeCreated(gpf::GdipCreateRegionRectI(AsGp(rect), &region), region);
}

bool GdipRegion::CreateRegionFromPath(const GdipPath& path)
{
    ReleaseHeld();
    gp::GpRegion* region = nullptr;
    return TakeCreated(gpf::GdipCreateRegionPath(Native<gp::GpPath>(path), &region), region);
}

bool GdipRegion::CreateRegionFromHrgn(HRGN hrgn)
{
    ReleaseHeld();
    gp::GpRegion* region = nullptr;
    return TakeCreated(gpf::GdipCreateRegionHrgn(hrgn, &region), region);
}

bool GdipRegion::CreateRegionFromData(const std::string& data, int size)
{
    ReleaseHeld();
    const int readable = std::clamp(size, 0, static_cast<int>(data.size()));
    gp::GpRegion* region = nullptr;
    return TakeCreated(gpf::GdipCreateRegionRgnData(data.empty() ? nullptr : reinterpret_cast<const BYTE*>(data.data()),
                                                    readable, &region),
                       region);
}

bool GdipRegion::CloneRegion(GdipRegion& target) const
{
    gp::GpRegion* copy = nullptr;
    return GiveTo(target, gpf::GdipCloneRegion(region_, &copy), copy);
}

bool GdipRegion::MakeRegionInfinite() { return Check(gpf::GdipSetInfinite(region_)); }

bool GdipRegion::MakeRegionEmpty() { return Check(gpf::GdipSetEmpty(region_)); }

bool GdipRegion::CombineRegionRect(const RectF& rect, int combineMode)
{
    return Check(gpf::GdipCombineRegionRect(region_, AsGp(rect), En(combineMode)));
}

bool GdipRegion::CombineRegionRectI(const Rect& rect, int combineMode)
{
    return Check(gpf::GdipCombineRegionRectI(region_, AsGp(rect), En(combineMode)));
}

bool GdipRegion::CombineRegionRegion(const GdipRegion& other, int combineMode)
{
    return Check(gpf::GdipCombineRegionRegion(region_, Native<gp::GpRegion>(other), En(combineMode)));
}

bool GdipRegion::CombineRegionPath(const GdipPath& path, int combineMode)
{
    return Check(gpf::GdipCombineRegionPath(region_, Native<gp::GpPath>(path), En(combineMode)));
}

bool GdipRegion::TranslateRegion(float dx, float dy) { return Check(gpf::GdipTranslateRegion(region_, dx, dy)); }

bool GdipRegion::TranslateRegionI(int dx, int dy) { return Check(gpf::GdipTranslateRegionI(region_, dx, dy)); }

bool GdipRegion::TransformRegion(const GdipMatrix& matrix)
{
    return Check(gpf::GdipTransformRegion(region_, Native<gp::GpMatrix>(matrix)));
}

RectF GdipRegion::GetRegionBounds(const GdipGraphics& graphics) const
{
    RectF bounds;
    return Check(gpf::GdipGetRegionBounds(region_, GraphicsOf(graphics), AsGp(bounds))) ? bounds : RectF();
}

Rect GdipRegion::GetRegionBoundsI(const GdipGraphics& graphics) const
{
    Rect bounds;
    return Check(gpf::GdipGetRegionBoundsI(region_, GraphicsOf(graphics), AsGp(bounds))) ? bounds : Rect();
}

int GdipRegion::GetRegionDataSize() const
{
    UINT size = 0;
    return Check(gpf::GdipGetRegionDataSize(region_, &size)) ? static_cast<int>(size) : 0;
}

std::string GdipRegion::GetRegionData(int bufferSize) const
{
    int sizeWritten = 0;
    return GetRegionData(bufferSize, sizeWritten);
}

std::string GdipRegion::GetRegionData(int bufferSize, int& sizeWritten) const
{
    std::string data(std::max(bufferSize, 0), '\0');
    UINT written = 0;
    if (Check(gpf::GdipGetRegionData(region_, data.empty() ? nullptr : reinterpret_cast<BYTE*>(&data[0]),
                                     static_cast<UINT>(data.size()), &written)))
        sizeWritten = static_cast<int>(written);
    else
        std::fill(data.begin(), data.end(), '\0');
    return data;
}

HRGN GdipRegion::GetRegionHrgn(const GdipGraphics& graphics) const
{
    HRGN hrgn = nullptr;
    return Check(gpf::GdipGetRegionHRgn(region_, GraphicsOf(graphics), &hrgn)) ? hrgn : nullptr;
}

bool GdipRegion::IsRegionEmpty(const GdipGraphics& graphics) const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsEmptyRegion(region_, GraphicsOf(graphics), &result)) && result;
}

bool GdipRegion::IsRegionInfinite(const GdipGraphics& graphics) const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsInfiniteRegion(region_, GraphicsOf(graphics), &result)) && result;
}

bool GdipRegion::RegionEquals(const GdipRegion& other, const GdipGraphics& graphics) const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsEqualRegion(region_, Native<gp::GpRegion>(other), GraphicsOf(graphics), &result)) &&
           result;
}

bool GdipRegion::IsVisibleRegionPoint(const PointF& point, const GdipGraphics& graphics) const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsVisibleRegionPoint(region_, point.x, point.y, GraphicsOf(graphics), &result)) && result;
}

bool GdipRegion::IsVisibleRegionPointI(const Point& point, const GdipGraphics& graphics) const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsVisibleRegionPointI(region_, point.x, point.y, GraphicsOf(graphics), &result)) && result;
}

bool GdipRegion::IsVisibleRegionRect(const RectF& rect, const GdipGraphics& graphics) const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsVisibleRegionRect(region_, rect.x, rect.y, rect.width, rect.height, GraphicsOf(graphics),
                                              &result)) &&
           result;
}

bool GdipRegion::IsVisibleRegionRectI(const Rect& rect, const GdipGraphics& graphics) const
{
    BOOL result = FALSE;
    return Check(gpf::GdipIsVisibleRegionRectI(region_, rect.x, rect.y, rect.width, rect.height,
                                               GraphicsOf(graphics), &result)) &&
           result;
}

int GdipRegion::GetRegionScansCount(const GdipMatrix& matrix) const
{
    UINT count = 0;
    return Check(gpf::GdipGetRegionScansCount(region_, &count, Native<gp::GpMatrix>(matrix))) ? static_cast<int>(count)
                                                                                               : 0;
}

int GdipRegion::GetRegionScans(const GdipMatrix& matrix, std::vector<RectF>& rects) const
{
    UINT count = 0;
    if (!Check(gpf::GdipGetRegionScansCount(region_, &count, Native<gp::GpMatrix>(matrix))))
        return 0;
    std::vector<RectF> scans(count);
    INT written = static_cast<INT>(count);
    Check(gpf::GdipGetRegionScans(region_, Block(scans), &written, Native<gp::GpMatrix>(matrix)));
    scans.resize(std::clamp<INT>(written, 0, static_cast<INT>(count)));
    rects = std::move(scans);
    return static_cast<int>(rects.size());
}

int GdipRegion::GetRegionScansI(const GdipMatrix& matrix, std::vector<Rect>& rects) const
{
    UINT count = 0;
    if (!Check(gpf::GdipGetRegionScansCount(region_, &count, Native<gp::GpMatrix>(matrix))))
        return 0;
    std::vector<Rect> scans(count);
    INT written = static_cast<INT>(count);
    Check(gpf::GdipGetRegionScansI(region_, Block(scans), &written, Native<gp::GpMatrix>(matrix)));
    scans.resize(std::clamp<INT>(written, 0, static_cast<INT>(count)));
    rects = std::move(scans);
    return static_cast<int>(rects.size());
}
