// Palettes of the graphics: the 16-colour system palette that four-bit bitmaps share, copying and deleting
// palettes, and palettes made from DIB colour tables (and back).
#pragma once

#include "platform/gdi/Owners.h"
#include "platform/win/gdi_types.h"

#include <array>
#include <cstdint>
#include <span>

namespace gl {

// The sixteen standard colours (the first and last eight of the platform's stock palette), made once and
// never deleted.
win::HPALETTE SystemPalette16();

// A logical palette (version 0x300) of exactly these entries, in this order; null for none.
win::HPALETTE CreatePaletteOf(std::span<const win::PALETTEENTRY> entries);

// A new palette with the same entries; null for null.
win::HPALETTE CopyPalette(win::HPALETTE palette);
// Deletes a palette unless it is null or the shared 16-colour palette.
void InternalDeletePalette(win::HPALETTE palette);

struct DeleteOwnPalette {
    void operator()(win::HPALETTE palette) const { InternalDeletePalette(palette); }
};
// A palette deleted at the end of its owner's life, unless it is the shared 16-colour one.
using OwnPalette = win::UniqueGdiObject<win::HPALETTE, DeleteOwnPalette>;

// A palette from a DIB section's colour table (when dibHandle is given; the section must not be selected in
// any context), or from `count` table entries (blue, green, red, 0). Null for an empty table. A table of
// exactly 16 entries stands for the sixteen standard colours when the screen has a palette of at least 16.
win::HPALETTE PaletteFromDIBColorTable(win::HBITMAP dibHandle, const win::RGBQUAD* colors, int count);
// The palette's entries (at most 256) as colour-table entries; returns how many.
int PaletteToDIBColorTable(win::HPALETTE palette, std::array<win::RGBQUAD, 256>& table);

} // namespace gl
