// Region objects and the clip of a context. Clip regions are kept in device coordinates, as the platform
// does; the rectangle calls take logical coordinates.
#pragma once

#include "platform/gdi/Region.h"
#include "platform/win/gdi_types.h"

namespace win {

HRGN CreateRectRgn(int left, int top, int right, int bottom);
BOOL SetRectRgn(HRGN region, int left, int top, int right, int bottom);
int CombineRgn(HRGN destination, HRGN source1, HRGN source2, int mode);

int SelectClipRgn(HDC hdc, HRGN region);
int ExtSelectClipRgn(HDC hdc, HRGN region, int mode);
int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom);
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom);
int GetClipBox(HDC hdc, RECT* box);
// 1 with the context's clip region copied into region, 0 when the context has none, -1 on error.
int GetClipRgn(HDC hdc, HRGN region);
BOOL RectVisible(HDC hdc, const RECT* rect);

// NULLREGION, SIMPLEREGION or COMPLEXREGION for a region's shape.
int RegionType(const Region& region);
// A rectangle with left <= right and top <= bottom.
RECT NormalizedRect(int left, int top, int right, int bottom);

} // namespace win
