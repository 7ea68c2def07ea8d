// Resolution of palette-relative colour values.
#include "platform/gdi/detail/ColorRef.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/StockPalette.h"

namespace win {

COLORREF ResolveColorRef(const DeviceContext& dc, COLORREF color) {
    if ((color >> 24) != 0x01) return color & 0x00FFFFFF;
    const PaletteObject* palette = FindGdi<PaletteObject>(dc.state.palette);
    if (!palette) palette = FindGdi<PaletteObject>(StockPalette());
    if (!palette || palette->entries.empty()) return 0;
    std::size_t index = color & 0xFFFF;
    if (index >= palette->entries.size()) index = 0;
    const PALETTEENTRY& e = palette->entries[index];
    return RGB(e.peRed, e.peGreen, e.peBlue);
}

} // namespace win
