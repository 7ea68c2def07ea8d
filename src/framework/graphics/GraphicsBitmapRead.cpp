// Reading "BM" files and DIBs into bitmaps, and writing bitmaps back as files.
#include "framework/graphics/GraphicsBitmap.h"

#include "framework/core/Exceptions.h"
#include "framework/core/MessageTexts.h"
#include "framework/core/OSErrors.h"
#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsPalettes.h"
#include "framework/graphics/GraphicsSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/system/LastError.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <vector>

namespace gl {

namespace {

constexpr win::WORD kBitmapFileType = 0x4D42; // "BM"
constexpr std::uint32_t kFileHeaderSize = sizeof(win::BITMAPFILEHEADER);
constexpr std::uint32_t kCoreHeaderSize = sizeof(win::BITMAPCOREHEADER);
constexpr std::uint32_t kInfoHeaderSize = sizeof(win::BITMAPINFOHEADER);

// A run-length picture beyond kUnbackedPicturePixels fails as the memory the platform would not give. One run
// of two bytes fills at most 255 pixels; skips and line ends fill nothing, so they count against the bound.
constexpr std::uint64_t kPixelsPerRunLengthByte = 128;

[[noreturn]] void ReadError() {
    throw EReadError(msg::SReadError);
}

std::uint64_t Remaining(TStream& stream) {
    const std::int64_t rest = stream.Size() - stream.Position();
    return rest > 0 ? static_cast<std::uint64_t>(rest) : 0;
}

std::uint64_t AbsHeight(win::LONG height) {
    return height < 0 ? std::uint64_t(0) - static_cast<std::uint64_t>(static_cast<std::int64_t>(height))
                      : static_cast<std::uint64_t>(height);
}

// Bytes per row padded to 32 bits, times the rows; 0 for a size no bitmap has.
std::uint64_t ImageBytes(win::LONG width, win::LONG height, int bitCount) {
    if (width <= 0 || bitCount <= 0) return 0;
    const std::uint64_t rowBytes =
        ((static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) &
         ~std::uint64_t(31)) /
        8;
    return rowBytes * AbsHeight(height);
}

bool PlatformBitCount(int bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

// The info header, three masks and 256 colour entries, in 32-bit units so that the header is aligned.
class DibBlock {
public:
    explicit DibBlock(std::uint32_t headerSize)
        : m_headerSize(headerSize), m_words((std::size_t(headerSize) + 12 + 1024 + 3) / 4, 0) {}
    std::uint8_t* Bytes() { return reinterpret_cast<std::uint8_t*>(m_words.data()); }
    win::BITMAPINFOHEADER& Header() { return *reinterpret_cast<win::BITMAPINFOHEADER*>(m_words.data()); }
    win::BITMAPINFO* Info() { return reinterpret_cast<win::BITMAPINFO*>(m_words.data()); }
    // Where the colour table starts: after the header, and after the masks that follow a 40-byte header.
    std::uint8_t* Table(std::uint32_t maskBytes) { return Bytes() + m_headerSize + maskBytes; }

private:
    std::uint32_t m_headerSize;
    std::vector<std::uint32_t> m_words;
};

// A made DIB section or bitmap failed: the platform's error when it reported one.
[[noreturn]] void DibCreationFailed() {
    const win::DWORD code = win::GetLastError();
    if (code != 0) RaiseLastOSError(code);
    InvalidBitmap();
}

void CheckRunLengthBacked(std::uint64_t pixels, std::uint64_t dataBytes) {
    if (pixels <= kUnbackedPicturePixels ||
        pixels - kUnbackedPicturePixels <= dataBytes * kPixelsPerRunLengthByte)
        return;
    RaiseLastOSError(win::ERROR_NOT_ENOUGH_MEMORY);
}

// An uncompressed DIB: a section made from the header and colour table, its bits read straight from the
// stream. Every row must be there: a picture cut short fails before anything is made for it.
win::UniqueBitmap ReadSection(TStream& source, DibBlock& block, std::uint64_t available) {
    const win::BITMAPINFOHEADER& h = block.Header();
    const std::uint64_t needed = ImageBytes(h.biWidth, h.biHeight, h.biBitCount);
    if (PlatformBitCount(h.biBitCount) && needed > std::min(available, Remaining(source))) ReadError();
    win::SetLastError(0);
    void* bits = nullptr;
    win::UniqueBitmap handle;
    {
        ScreenDC screen;
        handle.Reset(win::CreateDIBSection(screen, block.Info(), win::DIB_RGB_COLORS, &bits, nullptr, 0));
    }
    if (!handle || !bits) DibCreationFailed();
    win::DIBSECTION ds{};
    win::GetObject(handle.Get(), sizeof ds, &ds);
    const std::uint64_t capacity =
        static_cast<std::uint64_t>(ds.dsBm.bmWidthBytes) * static_cast<std::uint64_t>(ds.dsBm.bmHeight);
    source.ReadBuffer(bits, static_cast<std::int64_t>(std::min(needed, capacity)));
    return handle;
}

// Run-length data: decoded by the platform into a device-dependent bitmap, with the colour table's palette
// selected; the palette is handed back, it becomes the image's.
win::UniqueBitmap DecodeRunLength(TStream& source, DibBlock& block, std::uint64_t count, std::uint32_t colors,
                                  OwnPalette& palette) {
    win::BITMAPINFOHEADER& h = block.Header();
    CheckRunLengthBacked(
        static_cast<std::uint64_t>(std::max<win::LONG>(h.biWidth, 0)) * AbsHeight(h.biHeight), count);
    std::vector<std::uint8_t> data(static_cast<std::size_t>(count));
    source.ReadBuffer(data.data(), static_cast<std::int64_t>(count));
    // The decoder reads exactly the bytes that arrived.
    h.biSizeImage = static_cast<win::DWORD>(count);
    ScreenDC screen;
    const win::UniqueBitmap temp(GDICheck(win::CreateCompatibleBitmap(screen, 1, 1)));
    MemoryDC dc(screen);
    dc.SelectBitmap(temp.Get());
    if (colors > 0) {
        palette.Reset(PaletteFromDIBColorTable(nullptr, reinterpret_cast<const win::RGBQUAD*>(block.Table(0)),
                                               static_cast<int>(colors)));
        dc.SelectPalette(palette.Get(), false);
    }
    win::SetLastError(0);
    win::UniqueBitmap handle(win::CreateDIBitmap(dc, &h, win::CBM_INIT, data.empty() ? nullptr : data.data(),
                                                 block.Info(), win::DIB_RGB_COLORS));
    if (!handle) DibCreationFailed();
    return handle;
}

// Core headers keep 3-byte colour entries; the table is widened in place to 4-byte entries.
void WidenCoreTable(std::uint8_t* table) {
    for (int i = 255; i >= 0; --i) {
        const std::uint8_t* from = table + 3 * i;
        const std::uint8_t blue = from[0], green = from[1], red = from[2];
        std::uint8_t* to = table + 4 * i;
        to[0] = blue;
        to[1] = green;
        to[2] = red;
        to[3] = 0;
    }
}

std::uint32_t DefaultColorCount(int bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

} // namespace

void TBitmap::ReadStream(TStream& stream, std::int64_t size) {
    FreeContext();
    if (size == 0) {
        NewImage(nullptr, nullptr, win::DIBSECTION{}, false);
        return;
    }
    if (size < static_cast<std::int64_t>(kFileHeaderSize)) ReadError();
    win::BITMAPFILEHEADER fileHeader;
    stream.ReadBuffer(&fileHeader, kFileHeaderSize);
    if (fileHeader.bfType != kBitmapFileType) InvalidBitmap();
    ReadDIB(stream, size - kFileHeaderSize, &fileHeader);
}

void TBitmap::ReadDIB(TStream& stream, std::int64_t size, const win::BITMAPFILEHEADER* fileHeader) {
    std::uint64_t available = size > 0 ? static_cast<std::uint64_t>(size) : 0;
    std::uint32_t headerSize = 0;
    if (available < 4 || stream.Read(&headerSize, 4) != 4) ReadError();
    const bool core = headerSize == kCoreHeaderSize;
    if (core)
        headerSize = kInfoHeaderSize;
    else if (headerSize < kInfoHeaderSize)
        InvalidBitmap();
    // The whole header must be there before room is made for it.
    const std::uint64_t headerBytes = core ? kCoreHeaderSize : headerSize;
    if (headerBytes > available || headerBytes - 4 > Remaining(stream)) ReadError();

    DibBlock block(headerSize);
    win::BITMAPINFOHEADER& h = block.Header();
    std::unique_ptr<TMemoryStream> saved;
    TStream* source = &stream;
    if (core) {
        win::WORD fields[4];
        stream.ReadBuffer(fields, sizeof fields);
        h.biWidth = fields[0];
        h.biHeight = fields[1];
        h.biPlanes = fields[2];
        h.biBitCount = fields[3];
    } else {
        stream.ReadBuffer(block.Bytes() + 4, headerSize - 4);
        if (h.biCompression > win::BI_BITFIELDS) InvalidBitmap();
    }
    available -= headerBytes;
    if (h.biCompression == win::BI_RLE8 || h.biCompression == win::BI_RLE4) {
        // The file is kept as read, so that it can be written back unchanged.
        saved = std::make_unique<TMemoryStream>();
        win::BITMAPFILEHEADER bmf;
        if (fileHeader) {
            bmf = *fileHeader;
        } else {
            bmf.bfType = kBitmapFileType;
            bmf.bfSize = static_cast<win::DWORD>(std::min<std::uint64_t>(available + headerSize, UINT32_MAX));
        }
        saved->WriteBuffer(&bmf, kFileHeaderSize);
        saved->WriteBuffer(&headerSize, 4);
        saved->WriteBuffer(block.Bytes() + 4, headerSize - 4);
        if (available > 0) saved->CopyFrom(stream, static_cast<std::int64_t>(available));
        saved->SetPosition(kFileHeaderSize + headerSize);
        source = saved.get();
    }
    h.biSize = headerSize;
    if (h.biPlanes != 1) InvalidBitmap();

    std::uint32_t maskBytes = 0;
    if (headerSize == kInfoHeaderSize && (h.biBitCount == 16 || h.biBitCount == 32) &&
        h.biCompression == win::BI_BITFIELDS) {
        maskBytes = 12;
        if (available < maskBytes) ReadError();
        source->ReadBuffer(block.Bytes() + kInfoHeaderSize, maskBytes);
        available -= maskBytes;
    }
    const std::uint32_t colors = h.biClrUsed != 0 ? h.biClrUsed : DefaultColorCount(h.biBitCount);
    if (colors > 256) InvalidBitmap();
    const std::uint32_t tableBytes = colors * (core ? 3 : 4);
    if (tableBytes > available) ReadError();
    source->ReadBuffer(block.Table(maskBytes), tableBytes);
    available -= tableBytes;
    if (core) WidenCoreTable(block.Table(maskBytes));

    // Pixels start where the file header says when that lies past the colour table and inside the data:
    // padding or colour-space data may sit in between.
    if (fileHeader) {
        const std::uint64_t tableEnd = kFileHeaderSize + headerBytes + maskBytes + tableBytes;
        const std::uint64_t offset = fileHeader->bfOffBits;
        if (offset > tableEnd && offset - tableEnd < available) {
            source->Seek(static_cast<std::int64_t>(offset - tableEnd), soCurrent);
            available -= offset - tableEnd;
        }
    }
    win::UniqueBitmap handle;
    OwnPalette palette;
    if (saved) {
        const std::uint64_t imageSize =
            h.biSizeImage != 0 ? h.biSizeImage : ImageBytes(h.biWidth, h.biHeight, h.biBitCount);
        handle = DecodeRunLength(*source, block, std::min(imageSize, available), colors, palette);
    } else {
        handle = ReadSection(*source, block, available);
    }
    if (h.biBitCount > 8 && colors > 0 && !palette)
        palette.Reset(PaletteFromDIBColorTable(nullptr,
                                               reinterpret_cast<const win::RGBQUAD*>(block.Table(maskBytes)),
                                               static_cast<int>(colors)));
    win::DIBSECTION dib{};
    win::GetObject(handle.Get(), sizeof dib, &dib);
    // The platform does not keep these.
    dib.dsBmih.biXPelsPerMeter = h.biXPelsPerMeter;
    dib.dsBmih.biYPelsPerMeter = h.biYPelsPerMeter;
    dib.dsBmih.biClrUsed = h.biClrUsed;
    dib.dsBmih.biClrImportant = h.biClrImportant;
    NewImage(handle.Get(), palette.Get(), dib, core, std::move(saved));
    // The image holds both now.
    handle.Release();
    palette.Release();
    SetPaletteModified(Palette() != nullptr);
    Changed(this);
}

void TBitmap::WriteStream(TStream& stream, bool writeSize) {
    if (const TMemoryStream* saved = m_image->m_saveStream.get()) {
        const std::int32_t size = static_cast<std::int32_t>(saved->DataSize());
        if (writeSize) stream.WriteBuffer(&size, sizeof size);
        stream.WriteBuffer(saved->Memory(), size);
        return;
    }
    HandleNeeded();
    const TBitmapImage& image = *m_image;
    const win::HBITMAP handle = image.m_dibHandle ? image.m_dibHandle : image.m_handle;
    if (!handle) {
        const std::int32_t size = 0;
        if (writeSize) stream.WriteBuffer(&size, sizeof size);
        return;
    }
    const win::DIBSECTION& dib = image.m_dib;
    struct {
        win::BITMAPINFOHEADER header;
        win::RGBQUAD colors[256];
    } info{};
    win::BITMAPINFOHEADER& h = info.header;
    if (image.m_dibHandle) {
        h = dib.dsBmih;
    } else {
        h.biWidth = dib.dsBm.bmWidth;
        h.biHeight = dib.dsBm.bmHeight;
        h.biBitCount = dib.dsBm.bmBitsPixel;
    }
    h.biSize = kInfoHeaderSize;
    h.biPlanes = 1;
    // The colours-used field names the entries of the table written here, and nothing else: a reader takes
    // that many entries before the pixels.
    win::DWORD colorsUsed = 0;
    std::uint32_t extraBytes = 0;
    if (h.biBitCount <= 8) {
        const std::uint32_t full = 1u << h.biBitCount;
        if (h.biClrUsed > 0 && h.biClrUsed < full) colorsUsed = h.biClrUsed;
        extraBytes = 4 * (colorsUsed > 0 ? colorsUsed : full);
    } else if ((h.biBitCount == 16 || h.biBitCount == 32) && h.biCompression == win::BI_BITFIELDS) {
        std::memcpy(info.colors, dib.dsBitfields, sizeof dib.dsBitfields);
        extraBytes = sizeof dib.dsBitfields;
    } else {
        h.biCompression = win::BI_RGB;
    }
    const std::uint64_t imageBytes = ImageBytes(h.biWidth, h.biHeight, h.biBitCount);
    std::vector<std::uint8_t> bits(static_cast<std::size_t>(imageBytes));
    {
        ScreenDC screen;
        if (win::GetDIBits(screen, handle, 0, static_cast<win::UINT>(AbsHeight(h.biHeight)), bits.data(),
                           reinterpret_cast<win::BITMAPINFO*>(&info), win::DIB_RGB_COLORS) == 0)
            InvalidBitmap();
    }
    h.biClrUsed = colorsUsed;
    h.biSizeImage = static_cast<win::DWORD>(imageBytes);
    win::BITMAPFILEHEADER bmf;
    bmf.bfType = kBitmapFileType;
    bmf.bfOffBits = kFileHeaderSize + kInfoHeaderSize + extraBytes;
    const std::uint64_t total = bmf.bfOffBits + imageBytes;
    bmf.bfSize = static_cast<win::DWORD>(total);
    if (writeSize) {
        const std::int32_t size = static_cast<std::int32_t>(total);
        stream.WriteBuffer(&size, sizeof size);
    }
    stream.WriteBuffer(&bmf, kFileHeaderSize);
    stream.WriteBuffer(&info, kInfoHeaderSize + extraBytes);
    stream.WriteBuffer(bits.data(), static_cast<std::int64_t>(imageBytes));
}

} // namespace gl
