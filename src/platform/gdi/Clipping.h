// Region objects and the clip of a context. Clip regions are kept in device coordinates, as the platform
// does; the rectangle calls take logical coordinates.
#pragma once

#include "platform/gdi/Region.h"
#include "platform/win/gdi_types.h"

namespace win {

HRGN CreateRectRgn(int left, int top, int right, int bottom);
HRGN CreateRectRgnIndirect(const RECT* rect);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode);
int OffsetRgn(HRGN region, int dx, int dy);
BOOL PtInRegion(HRGN region, int x, int y);
BOOL RectInRegion(HRGN region, const RECT* rect);
int GetRgnBox(HRGN region, RECT* box);
BOOL EqualRgn(HRGN a, HRGN b);

int SelectClipRgn(HDC hdc, HRGN region);
int ExtSelectClipRgn(HDC hdc, HRGN region, int mode);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int OffsetClipRgn(HDC hdc, int dx, int dy);
int GetClipBox(HDC hdc, RECT* box);
// 1 with the context's clip region copied into region, 0 when the context has none, -1 on error.
int GetClipRgn(HDC hdc, HRGN region);
BOOL PtVisible(HDC hdc, int x, int y);
BOOL RectVisible(HDC hdc, const RECT* rect);

// NULLREGION, SIMPLEREGION or COMPLEXREGION for a region's shape.
int RegionType(const Region& region);
// A rectangle with left <= right and top <= bottom.
RECT NormalizedRect(int left, int top, int right, int bottom);

} // namespace win
