// Bit-block transfers between contexts with ternary raster operations; StretchBlt scales and mirrors
// (negative extents) following the destination's stretch mode.
#pragma once

#include "platform/win/gdi_types.h"

namespace win {

BOOL BitBlt(HDC hdcDest, int xDest, int yDest, int width, int height, HDC hdcSrc, int xSrc, int ySrc,
            DWORD rop);
BOOL StretchBlt(HDC hdcDest, int xDest, int yDest, int wDest, int hDest, HDC hdcSrc, int xSrc, int ySrc,
                int wSrc, int hSrc, DWORD rop);

} // namespace win
