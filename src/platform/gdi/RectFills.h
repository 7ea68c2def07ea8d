// Rectangles filled or framed with a brush, inverted, or combined with a pattern by a raster operation.
#pragma once

#include "platform/win/gdi_types.h"

namespace win {

// Fills the rectangle (right and bottom exclusive) with a brush by PATCOPY; the brush may also be a system
// colour index plus one, as (HBRUSH)(COLOR_WINDOW + 1).
int FillRect(HDC hdc, const RECT* rect, HBRUSH brush);
// A one-pixel frame along the inside of the rectangle in the brush.
int FrameRect(HDC hdc, const RECT* rect, HBRUSH brush);
BOOL InvertRect(HDC hdc, const RECT* rect);
// Combines the selected brush and the destination by a raster operation that uses no source (PATCOPY,
// PATINVERT, DSTINVERT, BLACKNESS, WHITENESS, ...). A negative width or height extends left or up from x, y.
BOOL PatBlt(HDC hdc, int x, int y, int width, int height, DWORD rop);
// Inverts every other pixel along the inside of the rectangle; drawing the same rectangle again restores it.
BOOL DrawFocusRect(HDC hdc, const RECT* rect);

} // namespace win
