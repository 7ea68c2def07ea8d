// The platform's stock palette (DEFAULT_PALETTE): the twenty static colours, whose first and last eight are
// the sixteen standard colours.
#pragma once

#include "platform/win/gdi_types.h"

#include <array>

namespace win {

const std::array<PALETTEENTRY, 20>& StockPaletteEntries();
// The stock palette object's handle, made on first use and never deleted.
HPALETTE StockPalette();

} // namespace win
