// Pixel storage: packing and unpacking of every supported layout, nearest-colour matching for colour tables.
#include "platform/gdi/Surface.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include <sys/mman.h>

namespace win {

namespace {

int MaskShift(DWORD mask) {
    if (mask == 0) return 0;
    int s = 0;
    while (!(mask & 1u)) {
        mask >>= 1;
        ++s;
    }
    return s;
}

int MaskBits(DWORD mask) {
    mask >>= MaskShift(mask);
    int n = 0;
    while (mask & 1u) {
        mask >>= 1;
        ++n;
    }
    return n;
}

// Widens a channel of n bits to 8 bits the way the platform does: shifts up, no replication.
BYTE Widen(DWORD value, int bits) {
    if (bits <= 0) return 0;
    if (bits >= 8) return static_cast<BYTE>(value >> (bits - 8));
    return static_cast<BYTE>(value << (8 - bits));
}

DWORD Narrow(BYTE value, int bits) {
    if (bits <= 0) return 0;
    if (bits >= 8) return static_cast<DWORD>(value) << (bits - 8);
    return static_cast<DWORD>(value) >> (8 - bits);
}

// Whole pictures are made, filled and dropped in one go (a 4000 x 3000 screen bitmap is 48 MB): backing
// them with large pages saves most of the cost of touching them for the first time. Only the 2 MB pieces that
// lie wholly inside the block are advised; the call is a hint and may be refused.
void AdviseLargePages(BYTE* block, std::size_t bytes) {
    constexpr std::uintptr_t kLargePage = std::uintptr_t(2) << 20;
    if (bytes < 2 * kLargePage) return;
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t last = (start + bytes) & ~(kLargePage - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

} // namespace

std::unique_ptr<Surface> Surface::Create(int width, int height, int bitCount, bool topDown, bool bitFields,
                                         const DWORD* masks) {
    if (width <= 0 || height <= 0) return nullptr;
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return nullptr;
    const std::uint64_t stride =
        ((static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(bitCount) + 31) / 32) * 4;
    const std::uint64_t bytes = stride * static_cast<std::uint64_t>(height);
    if (bytes > kMaxBytes) return nullptr;

    std::unique_ptr<Surface> s(new Surface());
    s->m_width = width;
    s->m_height = height;
    s->m_bitCount = bitCount;
    s->m_topDown = topDown;
    s->m_stride = static_cast<int>(stride);
    if (bitCount == 16 || bitCount == 32) {
        if (bitFields && masks && (masks[0] | masks[1] | masks[2]) != 0) {
            s->m_bitFields = true;
            s->m_masks[0] = masks[0];
            s->m_masks[1] = masks[1];
            s->m_masks[2] = masks[2];
        } else if (bitCount == 16) {
            s->m_masks[0] = 0x7C00;
            s->m_masks[1] = 0x03E0;
            s->m_masks[2] = 0x001F;
        } else {
            s->m_masks[0] = 0xFF0000;
            s->m_masks[1] = 0x00FF00;
            s->m_masks[2] = 0x0000FF;
        }
    }
    // calloc leaves fresh pages untouched, so the large-page advice still applies to them.
    s->m_bits.reset(static_cast<BYTE*>(std::calloc(bytes, 1)));
    if (!s->m_bits) return nullptr;
    AdviseLargePages(s->m_bits.get(), bytes);
    s->m_rowStep = topDown ? s->m_stride : -static_cast<std::ptrdiff_t>(s->m_stride);
    s->m_firstRow = s->m_bits.get() + (topDown ? 0 : static_cast<std::ptrdiff_t>(height - 1) * s->m_stride);
    if (bitCount <= 8) {
        s->m_colorTable.assign(std::size_t(1) << bitCount, RGBQUAD{});
        s->m_tableColors.assign(std::size_t(1) << bitCount, 0);
    }
    return s;
}

void Surface::SetColorTable(const std::vector<RGBQUAD>& table) {
    if (!HasColorTable()) return;
    const std::size_t n = std::size_t(1) << m_bitCount;
    for (std::size_t i = 0; i < table.size() && i < n; ++i) {
        m_colorTable[i] = table[i];
        m_tableColors[i] = RGB(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue);
    }
}

std::uint32_t Surface::GetPixelIndex(int x, int y) const {
    const BYTE* row = Row(y);
    switch (m_bitCount) {
    case 1:
        return (row[x >> 3] >> (7 - (x & 7))) & 1u;
    case 4:
        return (x & 1) ? (row[x >> 1] & 0x0F) : (row[x >> 1] >> 4);
    case 8:
        return row[x];
    case 16:
        return static_cast<std::uint32_t>(row[2 * x] | (row[2 * x + 1] << 8));
    case 24:
        return static_cast<std::uint32_t>(row[3 * x] | (row[3 * x + 1] << 8) | (row[3 * x + 2] << 16));
    default: {
        std::uint32_t v;
        std::memcpy(&v, row + 4 * x, 4);
        return v;
    }
    }
}

void Surface::SetPixelIndex(int x, int y, std::uint32_t v) {
    BYTE* row = Row(y);
    switch (m_bitCount) {
    case 1: {
        const BYTE bit = static_cast<BYTE>(0x80 >> (x & 7));
        if (v & 1u)
            row[x >> 3] |= bit;
        else
            row[x >> 3] &= static_cast<BYTE>(~bit);
        break;
    }
    case 4:
        if (x & 1)
            row[x >> 1] = static_cast<BYTE>((row[x >> 1] & 0xF0) | (v & 0x0F));
        else
            row[x >> 1] = static_cast<BYTE>((row[x >> 1] & 0x0F) | ((v & 0x0F) << 4));
        break;
    case 8:
        row[x] = static_cast<BYTE>(v);
        break;
    case 16:
        row[2 * x] = static_cast<BYTE>(v);
        row[2 * x + 1] = static_cast<BYTE>(v >> 8);
        break;
    case 24:
        row[3 * x] = static_cast<BYTE>(v);
        row[3 * x + 1] = static_cast<BYTE>(v >> 8);
        row[3 * x + 2] = static_cast<BYTE>(v >> 16);
        break;
    default:
        std::memcpy(row + 4 * x, &v, 4);
        break;
    }
}

COLORREF Surface::Decode(std::uint32_t raw) const {
    if (m_bitCount <= 8) return m_tableColors[raw & ((1u << m_bitCount) - 1)];
    if (m_bitCount == 24) return RGB((raw >> 16) & 0xFF, (raw >> 8) & 0xFF, raw & 0xFF);
    if (m_bitCount == 32 && !m_bitFields) return RGB((raw >> 16) & 0xFF, (raw >> 8) & 0xFF, raw & 0xFF);
    BYTE c[3];
    for (int i = 0; i < 3; ++i)
        c[i] = Widen((raw & m_masks[i]) >> MaskShift(m_masks[i]), MaskBits(m_masks[i]));
    return RGB(c[0], c[1], c[2]);
}

std::uint32_t Surface::NearestIndex(COLORREF color) const {
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    std::uint32_t best = 0;
    int bestDistance = 1 << 30;
    for (std::uint32_t i = 0; i < m_colorTable.size(); ++i) {
        const RGBQUAD& q = m_colorTable[i];
        const int dr = r - q.rgbRed, dg = g - q.rgbGreen, db = b - q.rgbBlue;
        const int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = i;
            if (d == 0) break;
        }
    }
    return best;
}

std::uint32_t Surface::Encode(COLORREF color) const {
    if (m_bitCount <= 8) return NearestIndex(color);
    const BYTE r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    if (m_bitCount == 24 || (m_bitCount == 32 && !m_bitFields))
        return static_cast<std::uint32_t>(b | (g << 8) | (r << 16));
    const BYTE c[3] = {r, g, b};
    std::uint32_t v = 0;
    for (int i = 0; i < 3; ++i)
        v |= (Narrow(c[i], MaskBits(m_masks[i])) << MaskShift(m_masks[i])) & m_masks[i];
    return v;
}

COLORREF Surface::GetPixel(int x, int y) const {
    return Decode(GetPixelIndex(x, y));
}

void Surface::SetPixel(int x, int y, COLORREF color) {
    SetPixelIndex(x, y, Encode(color));
}

void Surface::Fill(const RECT& r, COLORREF color) {
    const std::uint32_t v = Encode(color);
    for (int y = r.top; y < r.bottom; ++y) {
        if (m_bitCount == 32) {
            auto* row = reinterpret_cast<std::uint32_t*>(Row(y));
            for (int x = r.left; x < r.right; ++x) row[x] = v;
        } else {
            for (int x = r.left; x < r.right; ++x) SetPixelIndex(x, y, v);
        }
    }
}

} // namespace win
