// Region objects: creation, combination and queries.
#include "platform/gdi/Clipping.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/system/LastError.h"

#include <algorithm>

namespace win {

namespace {

RegionObject* FindRegion(HRGN handle) {
    RegionObject* region = FindGdi<RegionObject>(handle);
    if (!region) SetLastError(ERROR_INVALID_HANDLE);
    return region;
}

} // namespace

RECT NormalizedRect(int left, int top, int right, int bottom) {
    return RECT{std::min(left, right), std::min(top, bottom), std::max(left, right), std::max(top, bottom)};
}

int RegionType(const Region& region) {
    if (region.Empty()) return NULLREGION;
    if (region.IsSingleRect()) return SIMPLEREGION;
    // Disjoint pieces that fill their bounds exactly still make one rectangle.
    const RECT b = region.Bounds();
    long long area = 0;
    for (const RECT& r : region.Rects())
        area += static_cast<long long>(r.right - r.left) * (r.bottom - r.top);
    return area == static_cast<long long>(b.right - b.left) * (b.bottom - b.top) ? SIMPLEREGION
                                                                                 : COMPLEXREGION;
}

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
    auto region = std::make_unique<RegionObject>();
    region->region = Region(NormalizedRect(left, top, right, bottom));
    return static_cast<HRGN>(AddGdiObject(std::move(region)));
}

BOOL SetRectRgn(HRGN handle, int left, int top, int right, int bottom) {
    RegionObject* region = FindRegion(handle);
    if (!region) return FALSE;
    region->region = Region(NormalizedRect(left, top, right, bottom));
    return TRUE;
}

int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode) {
    RegionObject* dst = FindRegion(destination);
    const RegionObject* a = FindRegion(source1);
    if (!dst || !a || mode < RGN_AND || mode > RGN_COPY) return ERROR;
    const RegionObject* b = nullptr;
    if (mode != RGN_COPY && !(b = FindRegion(source2))) return ERROR;
    Region result = a->region; // the sources may be the destination itself
    switch (mode) {
    case RGN_AND:
        result.Intersect(b->region);
        break;
    case RGN_OR:
        result.Union(b->region);
        break;
    case RGN_DIFF:
        result.Subtract(b->region);
        break;
    case RGN_XOR: {
        Region other = b->region;
        other.Subtract(a->region);
        result.Subtract(b->region);
        result.Union(other);
        break;
    }
    default:
        break;
    }
    dst->region = std::move(result);
    return RegionType(dst->region);
}

} // namespace win
