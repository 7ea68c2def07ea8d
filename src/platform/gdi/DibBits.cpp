// Reading and writing a bitmap's pixels as DIB data, and the colour table of the DIB section in a context.
#include "platform/gdi/Bitmaps.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/detail/BlitEngine.h"
#include "platform/gdi/detail/DibFormat.h"
#include "platform/gdi/detail/PixelRows.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

int Fail(DWORD code) {
    SetLastError(code);
    return 0;
}

// The colour table GetDIBits reports for a depth: the section's own when the depth matches, else the table a
// device-dependent bitmap of that depth implies.
std::vector<RGBQUAD> TableFor(const BitmapObject& bitmap, int bitCount) {
    const Surface& s = *bitmap.surface;
    if (s.BitCount() == bitCount && s.HasColorTable()) return s.ColorTable();
    return DefaultColorTable(bitCount);
}

// GetDIBits with a bit count of 0: the bitmap's own header, no colour table.
int DescribeBitmap(const BitmapObject& bitmap, BITMAPINFOHEADER& h) {
    const Surface& s = *bitmap.surface;
    h.biWidth = s.Width();
    h.biHeight = bitmap.isDibSection ? bitmap.dibHeader.biHeight : s.Height();
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(s.BitCount());
    h.biCompression = s.BitFields() ? BI_BITFIELDS : BI_RGB;
    h.biSizeImage = static_cast<DWORD>(s.ByteSize());
    h.biClrUsed = 0;
    h.biClrImportant = 0;
    return s.Height();
}

BitmapObject* FindBitmap(HBITMAP handle) {
    BitmapObject* bitmap = FindGdi<BitmapObject>(handle);
    if (!bitmap || !bitmap->surface) SetLastError(ERROR_INVALID_HANDLE);
    return bitmap && bitmap->surface ? bitmap : nullptr;
}

// The DIB section selected into a context, for the colour-table calls.
BitmapObject* SelectedSection(HDC hdc) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return nullptr;
    BitmapObject* bitmap = dc->kind == DcKind::Memory ? FindGdi<BitmapObject>(dc->state.bitmap) : nullptr;
    if (!bitmap || !bitmap->isDibSection || !bitmap->surface || !bitmap->surface->HasColorTable())
        return nullptr;
    return bitmap;
}

} // namespace

int GetDIBits(HDC hdc, HBITMAP handle, UINT start, UINT lines, void* bits, BITMAPINFO* info, UINT usage) {
    if (!FindDCOrFail(hdc)) return 0;
    const BitmapObject* bitmap = FindBitmap(handle);
    if (!bitmap) return 0;
    if (!info || info->bmiHeader.biSize < sizeof(BITMAPINFOHEADER) || usage != DIB_RGB_COLORS)
        return Fail(ERROR_INVALID_PARAMETER);
    BITMAPINFOHEADER& h = info->bmiHeader;
    if (h.biBitCount == 0) return DescribeBitmap(*bitmap, h);

    if (h.biCompression == BI_BITFIELDS && (h.biBitCount == 16 || h.biBitCount == 32)) {
        DWORD masks[3];
        std::memcpy(masks, reinterpret_cast<BYTE*>(info) + sizeof(BITMAPINFOHEADER), sizeof masks);
        if ((masks[0] | masks[1] | masks[2]) == 0) {
            const DWORD defaults16[3] = {0xF800, 0x07E0, 0x001F}, defaults32[3] = {0xFF0000, 0xFF00, 0xFF};
            std::memcpy(reinterpret_cast<BYTE*>(info) + sizeof(BITMAPINFOHEADER),
                        h.biBitCount == 16 ? defaults16 : defaults32, sizeof masks);
        }
    }
    DibFormat format;
    if (!ReadDibFormat(info, DIB_RGB_COLORS, nullptr, false, format, false)) return 0;
    h.biSizeImage = static_cast<DWORD>(format.imageBytes);
    if (format.bitCount <= 8) {
        format.colors = TableFor(*bitmap, format.bitCount);
        format.colorCount = static_cast<UINT>(format.colors.size());
        std::size_t offset = h.biSize;
        std::memcpy(reinterpret_cast<BYTE*>(info) + offset, format.colors.data(),
                    format.colors.size() * sizeof(RGBQUAD));
        h.biClrUsed = 0;
    }
    if (!bits) return format.height;

    auto target = MakeDibSurface(format);
    if (!target) return 0;
    CopyPixels(*bitmap->surface, *target);
    // Scan lines count in storage order: from the bottom for bottom-up data.
    if (start >= static_cast<UINT>(format.height)) return 0;
    const UINT count = std::min<UINT>(lines, static_cast<UINT>(format.height) - start);
    std::memcpy(bits, target->Bits() + static_cast<std::size_t>(start) * format.stride,
                static_cast<std::size_t>(count) * format.stride);
    return static_cast<int>(count);
}

int SetDIBits(HDC hdc, HBITMAP handle, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage) {
    const DeviceContext* dc = nullptr;
    if (hdc && !(dc = FindDCOrFail(hdc))) return 0;
    BitmapObject* bitmap = FindBitmap(handle);
    if (!bitmap) return 0;
    DibFormat format;
    if (!bits || !ReadDibFormat(info, usage, dc, true, format)) return Fail(ERROR_INVALID_PARAMETER);
    Surface& dst = *bitmap->surface;
    if (format.compression == BI_RLE8 || format.compression == BI_RLE4)
        return DecodeRleOnto(dst, format, bits) ? format.height : 0;
    if (start >= static_cast<UINT>(format.height)) return 0;
    const UINT count = std::min<UINT>(lines, static_cast<UINT>(format.height) - start);
    auto source = MakeDibSurface(format);
    if (!source) return 0;
    std::memcpy(source->Bits() + static_cast<std::size_t>(start) * format.stride, bits,
                static_cast<std::size_t>(count) * format.stride);
    // Only the lines given are converted; scan lines count in storage order.
    const int w = std::min(source->Width(), dst.Width());
    std::vector<COLORREF> colors(static_cast<std::size_t>(w));
    std::vector<std::uint32_t> raw(static_cast<std::size_t>(w));
    ColorEncoder encoder(dst);
    for (UINT scan = start; scan < start + count; ++scan) {
        const int y = format.topDown ? static_cast<int>(scan) : format.height - 1 - static_cast<int>(scan);
        if (y >= dst.Height()) continue;
        DecodeRow(*source, y, 0, w, colors.data());
        encoder.EncodeRow(colors.data(), w, raw.data());
        WriteRawRow(dst, y, 0, w, raw.data());
    }
    return static_cast<int>(count);
}

UINT GetDIBColorTable(HDC hdc, UINT start, UINT count, RGBQUAD* colors) {
    const BitmapObject* bitmap = SelectedSection(hdc);
    if (!bitmap || !colors) return 0;
    const UINT size = bitmap->dibHeader.biClrUsed ? bitmap->dibHeader.biClrUsed
                                                  : static_cast<UINT>(bitmap->surface->ColorTable().size());
    if (start >= size) return 0;
    const UINT n = std::min(count, size - start);
    std::copy_n(bitmap->surface->ColorTable().begin() + start, n, colors);
    return n;
}

UINT SetDIBColorTable(HDC hdc, UINT start, UINT count, const RGBQUAD* colors) {
    BitmapObject* bitmap = SelectedSection(hdc);
    if (!bitmap || !colors) return 0;
    std::vector<RGBQUAD> table = bitmap->surface->ColorTable();
    const UINT size = static_cast<UINT>(table.size());
    if (start >= size) return 0;
    const UINT n = std::min(count, size - start);
    for (UINT i = 0; i < n; ++i)
        table[start + i] = RGBQUAD{colors[i].rgbBlue, colors[i].rgbGreen, colors[i].rgbRed, 0};
    bitmap->surface->SetColorTable(table);
    bitmap->dibHeader.biClrUsed = std::max(bitmap->dibHeader.biClrUsed, start + n);
    return n;
}

} // namespace win
