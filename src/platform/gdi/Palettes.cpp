// Logical palette objects and their selection into contexts.
#include "platform/gdi/Palettes.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/StockPalette.h"
#include "platform/system/LastError.h"

#include <algorithm>

namespace win {

namespace {

PaletteObject* FindPalette(HPALETTE handle) {
    PaletteObject* palette = FindGdi<PaletteObject>(handle);
    if (!palette) SetLastError(ERROR_INVALID_HANDLE);
    return palette;
}

HPALETTE AddPalette(const PALETTEENTRY* entries, std::size_t count, bool halftone) {
    auto palette = std::make_unique<PaletteObject>();
    palette->entries.assign(entries, entries + count);
    palette->halftone = halftone;
    return static_cast<HPALETTE>(AddGdiObject(std::move(palette)));
}

} // namespace

const std::array<PALETTEENTRY, 256>& HalftonePaletteEntries() {
    static const std::array<PALETTEENTRY, 256> entries = [] {
        std::array<PALETTEENTRY, 256> e{};
        const auto& stock = StockPaletteEntries();
        for (int i = 0; i < 10; ++i) {
            e[i] = stock[i];
            e[246 + i] = stock[10 + i];
        }
        int n = 10;
        for (int b = 0; b < 6; ++b)
            for (int g = 0; g < 6; ++g)
                for (int r = 0; r < 6; ++r)
                    e[n++] = PALETTEENTRY{static_cast<BYTE>(r * 51), static_cast<BYTE>(g * 51),
                                          static_cast<BYTE>(b * 51), 0};
        for (int k = 1; k <= 20; ++k) {
            const BYTE v = static_cast<BYTE>((k * 255 + 10) / 21);
            e[n++] = PALETTEENTRY{v, v, v, 0};
        }
        return e;
    }();
    return entries;
}

HPALETTE CreatePalette(const LOGPALETTE* palette) {
    if (!palette || palette->palNumEntries == 0 || palette->palNumEntries > kMaxPaletteEntries) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return AddPalette(palette->palPalEntry, palette->palNumEntries, false);
}

HPALETTE CreateHalftonePalette(HDC hdc) {
    if (hdc && !FindDCOrFail(hdc)) return nullptr;
    const auto& entries = HalftonePaletteEntries();
    return AddPalette(entries.data(), entries.size(), true);
}

UINT GetPaletteEntries(HPALETTE handle, UINT start, UINT count, PALETTEENTRY* entries) {
    const PaletteObject* palette = FindPalette(handle);
    if (!palette) return 0;
    const std::size_t size = palette->entries.size();
    if (!entries) return static_cast<UINT>(size);
    if (start >= size) return 0;
    const std::size_t n = std::min<std::size_t>(count, size - start);
    for (std::size_t i = 0; i < n; ++i) entries[i] = palette->entries[start + i];
    return static_cast<UINT>(n);
}

HPALETTE SelectPalette(HDC hdc, HPALETTE handle, BOOL) {
    DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc || !FindPalette(handle)) return nullptr;
    return static_cast<HPALETTE>(SwapSelectedObject(hdc, *dc, &DcState::palette, handle));
}

UINT RealizePalette(HDC hdc) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return GDI_ERROR;
    const PaletteObject* palette = FindGdi<PaletteObject>(dc->state.palette);
    return palette ? static_cast<UINT>(palette->entries.size()) : 0;
}

} // namespace win
