// Creation of bitmaps and their GetObject records.
#include "platform/gdi/Bitmaps.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/StockPalette.h"
#include "platform/gdi/detail/BlitEngine.h"
#include "platform/gdi/detail/DibFormat.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cstring>

namespace win {

namespace {

std::nullptr_t Fail(DWORD code) {
    SetLastError(code);
    return nullptr;
}

HBITMAP Add(std::unique_ptr<BitmapObject> bitmap) {
    return static_cast<HBITMAP>(AddGdiObject(std::move(bitmap)));
}

// Does the context make monochrome bitmaps (a memory context holding a monochrome bitmap)?
bool MakesMonochrome(const DeviceContext& dc) {
    const BitmapObject* bitmap = SelectedBitmap(dc);
    return bitmap && IsMonochromeDdb(*bitmap);
}

// Fills a new device-dependent bitmap from DIB data: uncompressed rows are converted colour by colour,
// run-length data is decoded with every write checked against the bitmap.
bool InitFromDib(BitmapObject& target, const DibFormat& format, const void* bits) {
    Surface& dst = *target.surface;
    if (format.compression == BI_RLE8 || format.compression == BI_RLE4)
        return DecodeRleOnto(dst, format, bits);
    auto source = MakeDibSurface(format);
    if (!source) return false;
    std::memcpy(source->Bits(), bits, static_cast<std::size_t>(format.imageBytes));
    CopyPixels(*source, dst);
    return true;
}

} // namespace

BITMAPINFO TopDownInfo32(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

std::vector<RGBQUAD> DefaultColorTable(int bitCount) {
    std::vector<RGBQUAD> table;
    auto add = [&](const PALETTEENTRY& e) { table.push_back(RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0}); };
    if (bitCount == 1) {
        table = {RGBQUAD{0, 0, 0, 0}, RGBQUAD{255, 255, 255, 0}};
    } else if (bitCount == 4) {
        const auto& stock = StockPaletteEntries();
        for (int i = 0; i < 8; ++i) add(stock[static_cast<std::size_t>(i)]);
        for (int i = 12; i < 20; ++i) add(stock[static_cast<std::size_t>(i)]);
    } else if (bitCount == 8) {
        for (const PALETTEENTRY& e : HalftonePaletteEntries()) add(e);
    }
    return table;
}

std::unique_ptr<BitmapObject> MakeDeviceBitmap(int width, int height, bool monochrome) {
    const int bitCount = monochrome ? 1 : 32;
    if (!CheckBitmapSize(width, height, bitCount)) return nullptr;
    std::shared_ptr<Surface> surface = Surface::Create(width, height, bitCount, true);
    if (!surface) return Fail(ERROR_NOT_ENOUGH_MEMORY);
    if (monochrome) surface->SetColorTable(DefaultColorTable(1));
    auto bitmap = std::make_unique<BitmapObject>();
    bitmap->surface = std::move(surface);
    return bitmap;
}

bool IsMonochromeDdb(const BitmapObject& bitmap) {
    return !bitmap.isDibSection && bitmap.surface && bitmap.surface->BitCount() == 1;
}

const BitmapObject* SelectedBitmap(const DeviceContext& dc) {
    return dc.kind == DcKind::Memory ? FindGdi<BitmapObject>(dc.state.bitmap) : nullptr;
}

HBITMAP CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits) {
    if (width < 0 || height < 0 || planes != 1) return Fail(ERROR_INVALID_PARAMETER);
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return Fail(ERROR_INVALID_PARAMETER);
    if (width == 0 || height == 0) return StockDefaultBitmap(); // the platform's answer to an empty size
    auto bitmap = MakeDeviceBitmap(width, height, bitCount == 1);
    if (!bitmap) return nullptr;
    if (bits) {
        // Device-dependent rows are padded to 16 bits and start at the top.
        const int bitsCount = static_cast<int>(bitCount);
        auto source = Surface::Create(width, height, bitsCount, true);
        if (!source) return Fail(ERROR_NOT_ENOUGH_MEMORY);
        source->SetColorTable(DefaultColorTable(bitsCount));
        const std::size_t rowBytes = ((static_cast<std::size_t>(width) * bitCount + 15) / 16) * 2;
        const BYTE* p = static_cast<const BYTE*>(bits);
        for (int y = 0; y < height; ++y)
            std::memcpy(source->Row(y), p + rowBytes * static_cast<std::size_t>(y), rowBytes);
        CopyPixels(*source, *bitmap->surface);
    }
    return Add(std::move(bitmap));
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int width, int height) {
    const DeviceContext* dc = FindDCOrFail(hdc);
    if (!dc) return nullptr;
    if (width < 0 || height < 0) return Fail(ERROR_INVALID_PARAMETER);
    if (width == 0 || height == 0) return StockDefaultBitmap();
    const BitmapObject* selected = SelectedBitmap(*dc);
    if (selected && selected->isDibSection && selected->surface) {
        // A context drawing on a DIB section makes DIB sections of the same layout.
        const Surface& s = *selected->surface;
        if (!CheckBitmapSize(width, height, s.BitCount())) return nullptr;
        std::shared_ptr<Surface> surface =
            Surface::Create(width, height, s.BitCount(), s.TopDown(), s.BitFields(), s.Masks());
        if (!surface) return Fail(ERROR_NOT_ENOUGH_MEMORY);
        if (s.HasColorTable()) surface->SetColorTable(s.ColorTable());
        auto bitmap = std::make_unique<BitmapObject>();
        bitmap->isDibSection = true;
        bitmap->dibHeader = selected->dibHeader;
        bitmap->dibHeader.biWidth = width;
        bitmap->dibHeader.biHeight = s.TopDown() ? -height : height;
        bitmap->dibHeader.biSizeImage = static_cast<DWORD>(surface->ByteSize());
        bitmap->surface = std::move(surface);
        return Add(std::move(bitmap));
    }
    auto bitmap = MakeDeviceBitmap(width, height, MakesMonochrome(*dc));
    return bitmap ? Add(std::move(bitmap)) : nullptr;
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD) {
    if (bits) *bits = nullptr;
    const DeviceContext* dc = nullptr;
    if (hdc && !(dc = FindDCOrFail(hdc))) return nullptr;
    if (section) return Fail(ERROR_INVALID_PARAMETER); // file-mapping sections are not supported
    DibFormat format;
    if (!ReadDibFormat(info, usage, dc, false, format)) return nullptr;
    std::shared_ptr<Surface> surface = MakeDibSurface(format);
    if (!surface) return nullptr;
    auto bitmap = std::make_unique<BitmapObject>();
    bitmap->isDibSection = true;
    BITMAPINFOHEADER& h = bitmap->dibHeader;
    h.biSize = sizeof(BITMAPINFOHEADER);
    h.biWidth = format.width;
    h.biHeight = format.topDown ? -format.height : format.height;
    h.biPlanes = 1;
    h.biBitCount = static_cast<WORD>(format.bitCount);
    h.biCompression = format.bitFields ? BI_BITFIELDS : BI_RGB;
    h.biSizeImage = static_cast<DWORD>(format.imageBytes);
    h.biClrUsed =
        format.colorCount; // kept for the colour-table calls; GetObject reports 0 as the platform does
    bitmap->surface = std::move(surface);
    if (bits) *bits = bitmap->surface->Bits();
    return Add(std::move(bitmap));
}

HBITMAP CreateDIBitmap(HDC hdc, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                       const BITMAPINFO* info, UINT usage) {
    const DeviceContext* dc = nullptr;
    if (hdc && !(dc = FindDCOrFail(hdc))) return nullptr;
    if (!header) return Fail(ERROR_INVALID_PARAMETER);
    LONG width, height;
    if (header->biSize == sizeof(BITMAPCOREHEADER)) {
        BITMAPCOREHEADER core;
        std::memcpy(static_cast<void*>(&core), header, sizeof core);
        width = core.bcWidth;
        height = core.bcHeight;
    } else if (header->biSize >= sizeof(BITMAPINFOHEADER)) {
        width = header->biWidth;
        height =
            header->biHeight == INT32_MIN ? 0 : (header->biHeight < 0 ? -header->biHeight : header->biHeight);
    } else {
        return Fail(ERROR_INVALID_PARAMETER);
    }
    DibFormat format;
    const bool initialise = (init & CBM_INIT) && bits;
    if (initialise && !ReadDibFormat(info, usage, dc, true, format)) return nullptr;
    auto bitmap = MakeDeviceBitmap(width, height, dc && MakesMonochrome(*dc));
    if (!bitmap) return nullptr;
    if (initialise && !InitFromDib(*bitmap, format, bits)) return nullptr;
    return Add(std::move(bitmap));
}

int BitmapObject::GetObjectData(int size, void* buffer) const {
    if (!surface) return 0;
    BITMAP record;
    record.bmType = 0;
    record.bmWidth = surface->Width();
    record.bmHeight = surface->Height();
    record.bmPlanes = 1;
    record.bmBitsPixel = static_cast<WORD>(surface->BitCount());
    if (isDibSection) {
        record.bmWidthBytes = surface->Stride();
        record.bmBits = surface->Bits();
    } else {
        // Device-dependent rows are counted in 16-bit units and their bits are not handed out.
        record.bmWidthBytes = static_cast<LONG>(
            ((static_cast<std::int64_t>(surface->Width()) * surface->BitCount() + 15) / 16) * 2);
        record.bmBits = nullptr;
    }
    const int bitmapSize = static_cast<int>(sizeof(BITMAP));
    const int sectionSize = static_cast<int>(sizeof(DIBSECTION));
    if (!buffer) return isDibSection ? sectionSize : bitmapSize;
    if (isDibSection && size >= sectionSize) {
        DIBSECTION ds;
        ds.dsBm = record;
        ds.dsBmih = dibHeader;
        // Resolution and colour counts are not kept with the section.
        ds.dsBmih.biXPelsPerMeter = 0;
        ds.dsBmih.biYPelsPerMeter = 0;
        ds.dsBmih.biClrUsed = 0;
        ds.dsBmih.biClrImportant = 0;
        if (surface->BitFields())
            for (int i = 0; i < 3; ++i) ds.dsBitfields[i] = surface->Masks()[i];
        ds.dshSection = nullptr;
        ds.dsOffset = 0;
        std::memcpy(buffer, &ds, sizeof ds);
        return sectionSize;
    }
    if (size < bitmapSize) return 0;
    std::memcpy(buffer, &record, sizeof record);
    return bitmapSize;
}

} // namespace win
