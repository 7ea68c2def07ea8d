// Logical palettes: creation, entries, nearest-index matching, the halftone palette, and selecting and
// realising a palette in a context. The screen has no hardware palette (32 bits per pixel), so realising maps
// nothing.
#pragma once

#include "platform/win/gdi_types.h"

#include <array>

namespace win {

constexpr UINT kMaxPaletteEntries = 1024;

HPALETTE CreatePalette(const LOGPALETTE* palette);
HPALETTE CreateHalftonePalette(HDC hdc);
UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries);
HPALETTE SelectPalette(HDC hdc, HPALETTE palette, BOOL forceBackground);
UINT RealizePalette(HDC hdc);

// The 256 colours of the halftone palette: the twenty static colours at both ends, a 6 x 6 x 6 colour cube
// and twenty more greys between them.
const std::array<PALETTEENTRY, 256>& HalftonePaletteEntries();

} // namespace win
