#pragma once
// Regions: clips and fill areas, and the boxes GdipGraphics::MeasureCharacterRanges measures. Combine
// modes: 0 replace, 1 intersect, 2 union, 3 xor, 4 exclude, 5 complement; the combine operations
// intersect when no mode is given.
#include <windows.h>

#include <string>
#include <vector>

#include "gdiplus/gdip_base.h"
#include "gdiplus/gdip_matrix.h"

class GdipGraphics;
class GdipPath;

class GdipRegion : public GdipObjectBase {
public:
    GdipRegion() = default;
    GdipRegion(GdipRegion&& other) noexcept;
    GdipRegion& operator=(GdipRegion&&) = delete;
    ~GdipRegion() override;

    bool DeleteRegion();
    // An infinite region.
    bool CreateRegion();
    bool CreateRegionFromRect(const RectF& rect);
    bool CreateRegionFromRectI(const Rect& rect);
    bool CreateRegionFromPath(const GdipPath& path);
    bool CreateRegionFromHrgn(HRGN region);
    // Serialised region data (as GetRegionData gives it); no more than the data's own length is read.
    bool CreateRegionFromData(const std::string& data, int size);
    bool CloneRegion(GdipRegion& target) const;
    bool MakeRegionInfinite();
    bool MakeRegionEmpty();
    bool CombineRegionRect(const RectF& rect, int combineMode = 1);
    bool CombineRegionRectI(const Rect& rect, int combineMode = 1);
    bool CombineRegionRegion(const GdipRegion& other, int combineMode = 1);
    bool CombineRegionPath(const GdipPath& path, int combineMode = 1);
    bool TranslateRegion(float dx, float dy);
    bool TranslateRegionI(int dx, int dy);
    bool TransformRegion(const GdipMatrix& matrix);
    RectF GetRegionBounds(const GdipGraphics& graphics) const;
    Rect GetRegionBoundsI(const GdipGraphics& graphics) const;
    int GetRegionDataSize() const;
    // Byte data of exactly bufferSize bytes (zeros where nothing was written, all zeros on failure).
    std::string GetRegionData(int bufferSize) const;
    std::string GetRegionData(int bufferSize, int& sizeWritten) const;
    // A new Windows region owned by the caller (0 on failure).
    HRGN GetRegionHrgn(const GdipGraphics& graphics) const;
    bool IsRegionEmpty(const GdipGraphics& graphics) const;
    bool IsRegionInfinite(const GdipGraphics& graphics) const;
    bool RegionEquals(const GdipRegion& other, const GdipGraphics& graphics) const;
    bool IsVisibleRegionPoint(const PointF& point, const GdipGraphics& graphics) const;
    bool IsVisibleRegionPointI(const Point& point, const GdipGraphics& graphics) const;
    bool IsVisibleRegionRect(const RectF& rect, const GdipGraphics& graphics) const;
    bool IsVisibleRegionRectI(const Rect& rect, const GdipGraphics& graphics) const;
    // Scans are taken through a matrix (GDI+ wants one: pass an identity matrix for none).
    int GetRegionScansCount(const GdipMatrix& matrix) const;
    // The array becomes the scan rectangles and the result is their number; 0, with the array as it
    // was, when the count cannot be read.
    int GetRegionScans(const GdipMatrix& matrix, std::vector<RectF>& rects) const;
    int GetRegionScansI(const GdipMatrix& matrix, std::vector<Rect>& rects) const;

protected:
    void SetClassHandle(void* handle) override;
    void ReleaseHeld() override { DeleteRegion(); }

private:
    Gdiplus::GpRegion* region_ = nullptr;
};
