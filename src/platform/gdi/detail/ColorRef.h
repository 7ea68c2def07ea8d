// Colour values as callers give them: plain RGB, or the palette forms PALETTEINDEX and PALETTERGB.
#pragma once

#include "platform/gdi/DeviceContext.h"
#include "platform/win/types.h"

namespace win {

constexpr COLORREF PALETTEINDEX(WORD index) {
    return 0x01000000u | index;
}
constexpr COLORREF PALETTERGB(int r, int g, int b) {
    return 0x02000000u | RGB(r, g, b);
}

// The RGB colour a COLORREF stands for in a context: PALETTEINDEX takes the entry of the context's selected
// palette (the stock palette when none; entry 0 for an index past the end); every other form keeps its RGB
// part, which palette surfaces then map to their nearest entry.
COLORREF ResolveColorRef(const DeviceContext& dc, COLORREF color);

} // namespace win
