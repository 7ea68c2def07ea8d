// Checked reading of bitmap headers, masks and colour tables.
#include "platform/gdi/detail/DibFormat.h"

#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/StockPalette.h"
#include "platform/gdi/detail/PixelRows.h"
#include "platform/gdi/detail/Rle.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

bool Fail(DWORD code) {
    SetLastError(code);
    return false;
}

bool ValidBitCount(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

std::uint64_t StrideOf(std::uint64_t width, int bitCount) {
    return ((width * static_cast<std::uint64_t>(bitCount) + 31) / 32) * 4;
}

void ReadTable(const BYTE* table, bool core, UINT usage, const DeviceContext* dc, DibFormat& out) {
    out.colors.assign(std::size_t(1) << out.bitCount, RGBQUAD{});
    if (usage == DIB_PAL_COLORS) {
        const PaletteObject* palette = dc ? FindGdi<PaletteObject>(dc->state.palette) : nullptr;
        if (!palette) palette = FindGdi<PaletteObject>(StockPalette());
        for (UINT i = 0; i < out.colorCount; ++i) {
            WORD index;
            std::memcpy(&index, table + 2 * i, 2);
            if (palette && index < palette->entries.size()) {
                const PALETTEENTRY& e = palette->entries[index];
                out.colors[i] = RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0};
            }
        }
        return;
    }
    const std::size_t entrySize = core ? 3 : 4;
    for (UINT i = 0; i < out.colorCount; ++i) {
        const BYTE* e = table + entrySize * i;
        out.colors[i] = RGBQUAD{e[0], e[1], e[2], 0};
    }
}

} // namespace

bool CheckBitmapSize(LONG width, LONG height, int bitCount) {
    if (width <= 0 || height <= 0) return Fail(ERROR_INVALID_PARAMETER);
    const std::uint64_t bytes =
        StrideOf(static_cast<std::uint64_t>(width), bitCount) * static_cast<std::uint64_t>(height);
    if (bytes > Surface::kMaxBytes) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    return true;
}

bool ReadDibFormat(const BITMAPINFO* info, UINT usage, const DeviceContext* dc, bool allowRle, DibFormat& out,
                   bool readTable) {
    if (!info || (usage != DIB_RGB_COLORS && usage != DIB_PAL_COLORS)) return Fail(ERROR_INVALID_PARAMETER);
    const BYTE* base = reinterpret_cast<const BYTE*>(info);
    DWORD headerSize;
    std::memcpy(&headerSize, base, 4);
    const bool core = headerSize == sizeof(BITMAPCOREHEADER);
    LONG height;
    if (core) {
        BITMAPCOREHEADER h;
        std::memcpy(static_cast<void*>(&h), base, sizeof h);
        if (h.bcPlanes != 1) return Fail(ERROR_INVALID_PARAMETER);
        out.width = h.bcWidth;
        height = h.bcHeight;
        out.bitCount = h.bcBitCount;
        out.compression = BI_RGB;
    } else {
        if (headerSize < sizeof(BITMAPINFOHEADER)) return Fail(ERROR_INVALID_PARAMETER);
        const BITMAPINFOHEADER& h = info->bmiHeader;
        if (h.biPlanes != 1) return Fail(ERROR_INVALID_PARAMETER);
        out.width = h.biWidth;
        height = h.biHeight;
        out.bitCount = h.biBitCount;
        out.compression = h.biCompression;
        out.sizeImage = h.biSizeImage;
    }
    if (!ValidBitCount(out.bitCount) || out.width <= 0 || height == 0 || height == INT32_MIN)
        return Fail(ERROR_INVALID_PARAMETER);
    out.topDown = height < 0;
    out.height = height < 0 ? -height : height;

    switch (out.compression) {
    case BI_RGB:
        break;
    case BI_BITFIELDS:
        if (out.bitCount != 16 && out.bitCount != 32) return Fail(ERROR_INVALID_PARAMETER);
        out.bitFields = true;
        // A 40-byte header is followed by the three masks; larger headers hold them at the same offset.
        std::memcpy(out.masks, base + sizeof(BITMAPINFOHEADER), sizeof out.masks);
        if ((out.masks[0] | out.masks[1] | out.masks[2]) == 0) out.bitFields = false;
        break;
    case BI_RLE8:
    case BI_RLE4:
        if (!allowRle || out.topDown || out.bitCount != (out.compression == BI_RLE8 ? 8 : 4))
            return Fail(ERROR_INVALID_PARAMETER);
        break;
    default:
        return Fail(ERROR_INVALID_PARAMETER);
    }

    out.stride = StrideOf(static_cast<std::uint64_t>(out.width), out.bitCount);
    out.imageBytes = out.stride * static_cast<std::uint64_t>(out.height);
    if (out.imageBytes > Surface::kMaxBytes) return Fail(ERROR_NOT_ENOUGH_MEMORY);

    if (out.bitCount <= 8 && readTable) {
        const UINT full = 1u << out.bitCount;
        const DWORD used = core ? 0 : info->bmiHeader.biClrUsed;
        out.colorCount = used == 0 || used > full ? full : used;
        std::size_t tableOffset = headerSize;
        if (!core && headerSize == sizeof(BITMAPINFOHEADER) && out.compression == BI_BITFIELDS)
            tableOffset += 12;
        ReadTable(base + tableOffset, core, usage, dc, out);
    }
    return true;
}

std::unique_ptr<Surface> MakeDibSurface(const DibFormat& format) {
    auto surface = Surface::Create(format.width, format.height, format.bitCount, format.topDown,
                                   format.bitFields, format.masks);
    if (!surface) {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (!format.colors.empty()) surface->SetColorTable(format.colors);
    return surface;
}

bool DecodeRleOnto(Surface& target, const DibFormat& format, const void* bits) {
    if (format.sizeImage == 0) return Fail(ERROR_INVALID_PARAMETER);
    std::vector<COLORREF> colors;
    for (const RGBQUAD& q : format.colors) colors.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
    ColorEncoder encoder(target);
    const int w = std::min(format.width, target.Width());
    const int h = std::min(format.height, target.Height());
    DecodeRle(static_cast<const BYTE*>(bits), format.sizeImage, format.compression == BI_RLE4, format.width,
              format.height, [&](int x, int y, unsigned index) {
                  if (x < w && y < h) target.SetPixelIndex(x, y, encoder.Encode(colors[index]));
              });
    return true;
}

} // namespace win
