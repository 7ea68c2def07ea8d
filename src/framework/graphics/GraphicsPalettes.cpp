// Palette helpers of the graphics.
#include "framework/graphics/GraphicsPalettes.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Owners.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/Screen.h"
#include "platform/gdi/StockPalette.h"

#include <algorithm>
#include <vector>

namespace gl {

namespace {

// A logical palette record with room for `count` entries.
struct PaletteRecord {
    explicit PaletteRecord(std::size_t count)
        : bytes(sizeof(win::LOGPALETTE) + std::max<std::size_t>(count, 1) * sizeof(win::PALETTEENTRY)) {
        Record()->palVersion = 0x300;
        Record()->palNumEntries = static_cast<win::WORD>(count);
    }
    win::LOGPALETTE* Record() { return reinterpret_cast<win::LOGPALETTE*>(bytes.data()); }
    win::PALETTEENTRY* Entries() { return Record()->palPalEntry; }
    std::vector<std::uint64_t> bytes; // 8-byte units keep the record aligned
};

bool ScreenHasStandardColors() {
    const win::WindowDC screen(nullptr);
    return screen && win::GetDeviceCaps(screen, win::SIZEPALETTE) >= 16;
}

} // namespace

win::HPALETTE SystemPalette16() {
    static const win::HPALETTE palette = [] {
        const auto& stock = win::StockPaletteEntries();
        PaletteRecord record(16);
        std::copy_n(stock.begin(), 8, record.Entries());
        std::copy_n(stock.end() - 8, 8, record.Entries() + 8);
        return win::CreatePalette(record.Record());
    }();
    return palette;
}

win::HPALETTE CreatePaletteOf(std::span<const win::PALETTEENTRY> entries) {
    if (entries.empty()) return nullptr;
    PaletteRecord record(entries.size());
    std::copy(entries.begin(), entries.end(), record.Entries());
    return win::CreatePalette(record.Record());
}

win::HPALETTE CopyPalette(win::HPALETTE palette) {
    if (!palette) return nullptr;
    const win::UINT count = win::GetPaletteEntries(palette, 0, 0, nullptr);
    if (count == 0) return nullptr;
    PaletteRecord record(count);
    win::GetPaletteEntries(palette, 0, count, record.Entries());
    return win::CreatePalette(record.Record());
}

void InternalDeletePalette(win::HPALETTE palette) {
    if (palette && palette != SystemPalette16()) win::DeleteObject(palette);
}

win::HPALETTE PaletteFromDIBColorTable(win::HBITMAP dibHandle, const win::RGBQUAD* colors, int count) {
    std::array<win::RGBQUAD, 256> table{};
    int n = 0;
    if (dibHandle) {
        const win::UniqueDC dc(win::CreateCompatibleDC(nullptr));
        const win::SelectedObject section(dc.Get(), dibHandle);
        n = static_cast<int>(win::GetDIBColorTable(dc.Get(), 0, 256, table.data()));
    } else if (colors) {
        n = std::clamp(count, 0, 256);
        std::copy_n(colors, n, table.begin());
    }
    if (n == 0) return nullptr;
    PaletteRecord record(static_cast<std::size_t>(n));
    win::PALETTEENTRY* entries = record.Entries();
    if (n == 16 && SystemPalette16() && ScreenHasStandardColors()) {
        win::GetPaletteEntries(SystemPalette16(), 0, 16, entries);
    } else {
        for (int i = 0; i < n; ++i) {
            const win::RGBQUAD& q = table[static_cast<std::size_t>(i)];
            entries[i] = win::PALETTEENTRY{q.rgbRed, q.rgbGreen, q.rgbBlue, 0};
        }
    }
    return win::CreatePalette(record.Record());
}

int PaletteToDIBColorTable(win::HPALETTE palette, std::array<win::RGBQUAD, 256>& table) {
    if (!palette) return 0;
    std::array<win::PALETTEENTRY, 256> entries{};
    const int n = static_cast<int>(win::GetPaletteEntries(palette, 0, 256, entries.data()));
    for (int i = 0; i < n; ++i) {
        const win::PALETTEENTRY& e = entries[static_cast<std::size_t>(i)];
        table[static_cast<std::size_t>(i)] = win::RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
    }
    return n;
}

} // namespace gl
