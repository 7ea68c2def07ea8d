// Decoding icon files with every offset and size checked against the data.
#include "framework/graphics/GraphicsIconDecode.h"

#include "framework/core/MessageTexts.h"
#include "framework/core/OSErrors.h"
#include "framework/graphics/GraphicsSupport.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Objects.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <utility>
#include <vector>

namespace gl {

namespace {

constexpr int kMaxIconSide = 256;

[[noreturn]] void InvalidIcon() {
    InvalidGraphic(msg::SInvalidIcon);
}

std::uint32_t U16(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8);
}

std::uint32_t U32(const std::uint8_t* p) {
    return U16(p) | (U16(p + 2) << 16);
}

std::size_t Stride(int width, int bitCount) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32) * 4;
}

// A DIB section of the icon's size, bottom-up: 32 bits, or one bit with the table black, white.
win::HBITMAP MakeSection(int width, int height, int bitCount, void** bits) {
    struct {
        win::BITMAPINFOHEADER header;
        win::RGBQUAD colors[2];
    } info{};
    info.header.biSize = sizeof(win::BITMAPINFOHEADER);
    info.header.biWidth = width;
    info.header.biHeight = height;
    info.header.biPlanes = 1;
    info.header.biBitCount = static_cast<win::WORD>(bitCount);
    info.colors[1] = win::RGBQUAD{255, 255, 255, 0};
    return GDICheck(win::CreateDIBSection(nullptr, reinterpret_cast<win::BITMAPINFO*>(&info),
                                          win::DIB_RGB_COLORS, bits, nullptr, 0));
}

// Both bitmaps of a decoded icon and their pixels, deleted unless handed out.
struct IconBitmaps {
    DecodedIcon icon;
    std::uint8_t* color = nullptr; // 32-bit pixels, bottom row first
    std::uint8_t* mask = nullptr;  // one-bit rows, bottom row first
    IconBitmaps(int width, int height) {
        icon.size = TSize{width, height};
        void* bits = nullptr;
        icon.color.Reset(MakeSection(width, height, 32, &bits));
        color = static_cast<std::uint8_t*>(bits);
        icon.mask.Reset(MakeSection(width, height, 1, &bits));
        mask = static_cast<std::uint8_t*>(bits);
    }
    DecodedIcon Release() { return std::move(icon); }
};

// The platform's application icon: a white window with a blue caption and a black frame.
DecodedIcon StockIcon() {
    constexpr int kSide = 32;
    IconBitmaps bitmaps(kSide, kSide);
    for (int y = 0; y < kSide; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(bitmaps.color +
                                                     static_cast<std::size_t>(kSide - 1 - y) * 4 * kSide);
        for (int x = 0; x < kSide; ++x) {
            const bool frame = x < 2 || y < 2 || x >= kSide - 2 || y >= kSide - 2;
            row[x] = frame ? 0x000000u : (y < 8 ? 0x000080u : 0xFFFFFFu); // 0x00RRGGBB: a dark blue caption
        }
    }
    return bitmaps.Release();
}

struct Entry {
    int width, height, bitCount;
    std::uint32_t bytes, offset;
};

Entry ReadEntry(const std::uint8_t* e) {
    Entry entry;
    entry.width = e[0] ? e[0] : 256;
    entry.height = e[1] ? e[1] : 256;
    entry.bitCount = static_cast<int>(U16(e + 6));
    if (entry.bitCount == 0) entry.bitCount = e[2] == 2 ? 1 : e[2] == 16 ? 4 : 8;
    entry.bytes = U32(e + 8);
    entry.offset = U32(e + 12);
    return entry;
}

// The nearest size wins, then the most colours.
Entry ChooseEntry(const std::uint8_t* data, std::size_t size, TSize requested) {
    const std::uint32_t count = U16(data + 4);
    if (count == 0 || 6 + 16 * static_cast<std::size_t>(count) > size) InvalidIcon();
    Entry best{};
    long bestDistance = -1;
    for (std::uint32_t i = 0; i < count; ++i) {
        const Entry e = ReadEntry(data + 6 + 16 * i);
        const long distance = std::labs(e.width - requested.cx) + std::labs(e.height - requested.cy);
        if (bestDistance < 0 || distance < bestDistance ||
            (distance == bestDistance && e.bitCount > best.bitCount)) {
            best = e;
            bestDistance = distance;
        }
    }
    if (best.offset >= size || best.bytes > size - best.offset) InvalidIcon();
    return best;
}

// The colour of pixel x of a row of XOR data.
std::uint32_t XorPixel(const std::uint8_t* row, int x, int bitCount,
                       const std::vector<std::uint32_t>& table) {
    switch (bitCount) {
    case 1:
        return table[(row[x >> 3] >> (7 - (x & 7))) & 1u];
    case 4:
        return table[(row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu];
    case 8:
        return table[row[x]];
    case 16: {
        const std::uint32_t v = U16(row + 2 * x);
        const std::uint32_t r = (v >> 10) & 31, g = (v >> 5) & 31, b = v & 31;
        return ((r << 3 | r >> 2) << 16) | ((g << 3 | g >> 2) << 8) | (b << 3 | b >> 2);
    }
    case 24:
        return static_cast<std::uint32_t>(row[3 * x]) | (static_cast<std::uint32_t>(row[3 * x + 1]) << 8) |
               (static_cast<std::uint32_t>(row[3 * x + 2]) << 16);
    default:
        return U32(row + 4 * x);
    }
}

DecodedIcon DecodeImage(const std::uint8_t* image, std::size_t size) {
    static const std::uint8_t kPng[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    if (size >= 8 && std::memcmp(image, kPng, 8) == 0) InvalidIcon(); // compressed images are not read
    if (size < 40) InvalidIcon();
    const std::uint32_t headerSize = U32(image);
    const auto width = static_cast<std::int32_t>(U32(image + 4));
    const auto doubleHeight = static_cast<std::int32_t>(U32(image + 8));
    const int bitCount = static_cast<int>(U16(image + 14));
    const std::uint32_t compression = U32(image + 16), used = U32(image + 32);
    const int height = doubleHeight / 2;
    if (headerSize < 40 || headerSize > size || width <= 0 || width > kMaxIconSide || height <= 0 ||
        height > kMaxIconSide || compression != 0)
        InvalidIcon();
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        InvalidIcon();
    const std::uint32_t colors = bitCount <= 8 ? (used ? used : 1u << bitCount) : 0;
    if (colors > 256) InvalidIcon();
    const std::size_t xorOffset = headerSize + 4 * static_cast<std::size_t>(colors);
    const std::size_t xorStride = Stride(width, bitCount), andStride = Stride(width, 1);
    const std::size_t andOffset = xorOffset + xorStride * static_cast<std::size_t>(height);
    if (andOffset > size) InvalidIcon();
    const bool hasMask = andOffset + andStride * static_cast<std::size_t>(height) <= size;

    std::vector<std::uint32_t> table(256, 0);
    for (std::uint32_t i = 0; i < colors; ++i) {
        const std::uint8_t* q = image + headerSize + 4 * i;
        table[i] = static_cast<std::uint32_t>(q[0]) | (static_cast<std::uint32_t>(q[1]) << 8) |
                   (static_cast<std::uint32_t>(q[2]) << 16);
    }
    IconBitmaps bitmaps(width, height);
    bool anyMask = false, anyAlpha = false;
    for (int row = 0; row < height; ++row) { // rows bottom first, as stored
        const std::uint8_t* xorRow = image + xorOffset + xorStride * static_cast<std::size_t>(row);
        auto* out =
            reinterpret_cast<std::uint32_t*>(bitmaps.color + 4 * static_cast<std::size_t>(width) * row);
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = XorPixel(xorRow, x, bitCount, table);
            anyAlpha = anyAlpha || (bitCount == 32 && (v >> 24) != 0);
            out[x] = v;
        }
        std::uint8_t* maskRow = bitmaps.mask + andStride * static_cast<std::size_t>(row);
        if (hasMask) {
            std::memcpy(maskRow, image + andOffset + andStride * static_cast<std::size_t>(row), andStride);
            for (std::size_t k = 0; k < andStride; ++k) anyMask = anyMask || maskRow[k] != 0;
        }
    }
    if (bitCount == 32 && anyAlpha && !anyMask) {
        // An icon that says its transparency only through alpha: faint pixels become mask pixels.
        for (int row = 0; row < height; ++row) {
            auto* colorRow =
                reinterpret_cast<std::uint32_t*>(bitmaps.color + 4 * static_cast<std::size_t>(width) * row);
            std::uint8_t* maskRow = bitmaps.mask + andStride * static_cast<std::size_t>(row);
            for (int x = 0; x < width; ++x) {
                if ((colorRow[x] >> 24) >= 128) continue;
                colorRow[x] = 0;
                maskRow[x >> 3] = static_cast<std::uint8_t>(maskRow[x >> 3] | (0x80u >> (x & 7)));
            }
        }
    }
    for (int i = 0; i < width * height; ++i) reinterpret_cast<std::uint32_t*>(bitmaps.color)[i] &= 0xFFFFFF;
    return bitmaps.Release();
}

} // namespace

DecodedIcon DecodeIcon(const std::uint8_t* data, std::size_t size, TSize requested) {
    if (!data || size < 6) InvalidIcon();
    switch (U16(data + 2)) {
    case 0:
        return StockIcon();
    case 1: {
        const Entry entry = ChooseEntry(data, size, requested);
        return DecodeImage(data + entry.offset, entry.bytes);
    }
    default:
        InvalidIcon();
    }
}

} // namespace gl
