// The stock palette's colours, in the platform's order.
#include "platform/gdi/StockPalette.h"

#include "platform/gdi/GdiObjects.h"

namespace win {

const std::array<PALETTEENTRY, 20>& StockPaletteEntries() {
    static const std::array<PALETTEENTRY, 20> entries = {{
        {0, 0, 0, 0},       {128, 0, 0, 0},     {0, 128, 0, 0},     {128, 128, 0, 0},   {0, 0, 128, 0},
        {128, 0, 128, 0},   {0, 128, 128, 0},   {192, 192, 192, 0}, {192, 220, 192, 0}, {166, 202, 240, 0},
        {255, 251, 240, 0}, {160, 160, 164, 0}, {128, 128, 128, 0}, {255, 0, 0, 0},     {0, 255, 0, 0},
        {255, 255, 0, 0},   {0, 0, 255, 0},     {255, 0, 255, 0},   {0, 255, 255, 0},   {255, 255, 255, 0},
    }};
    return entries;
}

HPALETTE StockPalette() {
    static HPALETTE handle = [] {
        auto palette = std::make_unique<PaletteObject>();
        palette->entries.assign(StockPaletteEntries().begin(), StockPaletteEntries().end());
        palette->MarkStock();
        return static_cast<HPALETTE>(AddGdiObject(std::move(palette)));
    }();
    return handle;
}

} // namespace win
