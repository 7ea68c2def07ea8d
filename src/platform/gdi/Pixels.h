// Reading and setting single pixels through a context (origins and clip apply).
#pragma once

#include "platform/win/gdi_types.h"

namespace win {

// The colour at a logical point; CLR_INVALID outside the surface or the clip, or for a bad handle.
COLORREF GetPixel(HDC hdc, int x, int y);
// Our own addition for reading whole pictures: the `count` pixels of one row from (x, y) on, each exactly as
// GetPixel gives it (CLR_INVALID included), for one handle lookup instead of one a pixel. FALSE, with nothing
// written, for a bad handle, a missing buffer or a negative count.
BOOL GetPixelRow(HDC hdc, int x, int y, int count, COLORREF* out);
// Sets a pixel to the nearest colour the surface holds and returns that colour; CLR_INVALID when the point is
// clipped away or the handle is bad.
COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color);
BOOL SetPixelV(HDC hdc, int x, int y, COLORREF color);

} // namespace win
