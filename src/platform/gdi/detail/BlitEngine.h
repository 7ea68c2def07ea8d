// The pixel work of BitBlt and StretchBlt, in surface coordinates: sampling the source (nearest pixel, or a
// box of pixels when shrinking with BLACKONWHITE, WHITEONBLACK or HALFTONE), the colour rules between
// monochrome device-dependent bitmaps and colour surfaces, nearest-entry matching with an optional ordered
// dither, raster operations with the brush, and clipping. Same-size copies take row-oriented fast paths.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Surface.h"

#include <cstdint>

namespace win {

struct BlitSpec {
    DeviceContext* dst = nullptr;
    // The destination rectangle on the destination surface (positive extents); mirrorX/mirrorY flip the
    // source.
    std::int64_t dx = 0, dy = 0, dw = 0, dh = 0;
    bool mirrorX = false, mirrorY = false;
    // The source rectangle on the source surface (positive extents); null src for pattern-only operations.
    const Surface* src = nullptr;
    std::int64_t sx = 0, sy = 0, sw = 0, sh = 0;
    RECT srcBounds{}; // the part of the source surface that may be read; pixels from outside are not drawn
    DWORD rop = 0;
    bool srcMonoDdb = false; // monochrome device-dependent bitmaps: the text/background colour rule applies
    bool dstMonoDdb = false;
    COLORREF srcBk = 0;   // the source context's background colour (colour to monochrome)
    COLORREF dstText = 0; // the destination context's text and background colours (monochrome to colour)
    COLORREF dstBk = 0;
};

void RunBlit(const BlitSpec& desc);

// Copies the overlapping top-left part of one surface into another of any layout: same layouts copy bits,
// others convert colour by colour (nearest table entry for palette surfaces).
void CopyPixels(const Surface& src, Surface& dst);

// Whether two surfaces store colours the same way (depth, masks, colour table), so that bits can be copied.
bool SameLayout(const Surface& a, const Surface& b);

} // namespace win
