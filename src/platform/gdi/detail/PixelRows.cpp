// Row readers and writers for every pixel layout, and the colour-to-pixel mapping used by blits.
#include "platform/gdi/detail/PixelRows.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace win {

namespace {

struct Channel {
    DWORD mask = 0;
    int shift = 0;
    int bits = 0;
};

Channel ChannelOf(DWORD mask) {
    Channel c{mask, 0, 0};
    if (!mask) return c;
    while (!((mask >> c.shift) & 1u)) ++c.shift;
    while (c.shift + c.bits < 32 && ((mask >> (c.shift + c.bits)) & 1u)) ++c.bits;
    return c;
}

// A channel value widened to 8 bits the way Surface::Decode does it.
BYTE Widen(const Channel& c, std::uint32_t raw) {
    const DWORD v = (raw & c.mask) >> c.shift;
    if (c.bits <= 0) return 0;
    if (c.bits >= 8) return static_cast<BYTE>(v >> (c.bits - 8));
    return static_cast<BYTE>(v << (8 - c.bits));
}

std::uint32_t Narrow(const Channel& c, BYTE v) {
    if (c.bits <= 0) return 0;
    const DWORD n =
        c.bits >= 8 ? static_cast<DWORD>(v) << (c.bits - 8) : static_cast<DWORD>(v) >> (8 - c.bits);
    return (n << c.shift) & c.mask;
}

bool PlainRgb32(const Surface& s) {
    return s.BitCount() == 32 && !s.BitFields();
}

constexpr COLORREF SwapRB(std::uint32_t v) {
    return ((v & 0xFF) << 16) | (v & 0xFF00) | ((v >> 16) & 0xFF);
}

// The 8 x 8 ordered-dither matrix (values 0..63).
constexpr std::array<std::array<int, 8>, 8> kBayer = {{
    {0, 32, 8, 40, 2, 34, 10, 42},
    {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38},
    {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},
    {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37},
    {63, 31, 55, 23, 61, 29, 53, 21},
}};

int Clamp255(int v) {
    return v < 0 ? 0 : (v > 255 ? 255 : v);
}

} // namespace

std::uint32_t RawMask(const Surface& s) {
    switch (s.BitCount()) {
    case 1:
        return 0x1;
    case 4:
        return 0xF;
    case 8:
        return 0xFF;
    case 16:
        return 0xFFFF;
    case 24:
        return 0xFFFFFF;
    default:
        return s.BitFields() ? (s.Masks()[0] | s.Masks()[1] | s.Masks()[2]) : 0xFFFFFF;
    }
}

void DecodeRow(const Surface& s, int y, int x, int n, COLORREF* out) {
    const BYTE* row = s.Row(y);
    switch (s.BitCount()) {
    case 1:
    case 4:
    case 8: {
        const COLORREF* table = s.TableColors();
        if (s.BitCount() == 8) {
            for (int i = 0; i < n; ++i) out[i] = table[row[x + i]];
        } else if (s.BitCount() == 4) {
            for (int i = 0; i < n; ++i) {
                const int c = x + i;
                out[i] = table[(c & 1) ? (row[c >> 1] & 0x0F) : (row[c >> 1] >> 4)];
            }
        } else {
            for (int i = 0; i < n; ++i) {
                const int c = x + i;
                out[i] = table[(row[c >> 3] >> (7 - (c & 7))) & 1];
            }
        }
        return;
    }
    case 24: {
        const BYTE* p = row + 3 * x;
        for (int i = 0; i < n; ++i, p += 3) out[i] = RGB(p[2], p[1], p[0]);
        return;
    }
    default:
        break;
    }
    if (PlainRgb32(s)) {
        const BYTE* p = row + 4 * x;
        for (int i = 0; i < n; ++i, p += 4) out[i] = RGB(p[2], p[1], p[0]);
        return;
    }
    const Channel r = ChannelOf(s.Masks()[0]), g = ChannelOf(s.Masks()[1]), b = ChannelOf(s.Masks()[2]);
    const int bytes = s.BitCount() / 8;
    const BYTE* p = row + bytes * x;
    for (int i = 0; i < n; ++i, p += bytes) {
        std::uint32_t v = p[0] | (p[1] << 8);
        if (bytes == 4) v |= static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
        out[i] = RGB(Widen(r, v), Widen(g, v), Widen(b, v));
    }
}

void ReadRawRow(const Surface& s, int y, int x, int n, std::uint32_t* out) {
    const BYTE* row = s.Row(y);
    switch (s.BitCount()) {
    case 1:
        for (int i = 0; i < n; ++i) out[i] = (row[(x + i) >> 3] >> (7 - ((x + i) & 7))) & 1u;
        return;
    case 4:
        for (int i = 0; i < n; ++i) {
            const int c = x + i;
            out[i] = (c & 1) ? (row[c >> 1] & 0x0Fu) : (row[c >> 1] >> 4);
        }
        return;
    case 8:
        for (int i = 0; i < n; ++i) out[i] = row[x + i];
        return;
    case 16:
        for (int i = 0; i < n; ++i) out[i] = row[2 * (x + i)] | (row[2 * (x + i) + 1] << 8);
        return;
    case 24:
        for (int i = 0; i < n; ++i) {
            const BYTE* p = row + 3 * (x + i);
            out[i] = p[0] | (p[1] << 8) | (p[2] << 16);
        }
        return;
    default:
        std::memcpy(out, row + 4 * x, sizeof(std::uint32_t) * static_cast<std::size_t>(n));
        return;
    }
}

void WriteRawRow(Surface& s, int y, int x, int n, const std::uint32_t* in) {
    BYTE* row = s.Row(y);
    switch (s.BitCount()) {
    case 1: {
        int i = 0;
        // Whole bytes in one store once the column is byte aligned.
        for (; i < n && ((x + i) & 7); ++i) {
            const int c = x + i;
            const BYTE bit = static_cast<BYTE>(0x80 >> (c & 7));
            row[c >> 3] = static_cast<BYTE>((in[i] & 1u) ? (row[c >> 3] | bit) : (row[c >> 3] & ~bit));
        }
        for (; n - i >= 8; i += 8) {
            BYTE b = 0;
            for (int k = 0; k < 8; ++k) b = static_cast<BYTE>((b << 1) | (in[i + k] & 1u));
            row[(x + i) >> 3] = b;
        }
        for (; i < n; ++i) {
            const int c = x + i;
            const BYTE bit = static_cast<BYTE>(0x80 >> (c & 7));
            row[c >> 3] = static_cast<BYTE>((in[i] & 1u) ? (row[c >> 3] | bit) : (row[c >> 3] & ~bit));
        }
        return;
    }
    case 4:
        for (int i = 0; i < n; ++i) {
            const int c = x + i;
            BYTE& b = row[c >> 1];
            b = (c & 1) ? static_cast<BYTE>((b & 0xF0) | (in[i] & 0x0F))
                        : static_cast<BYTE>((b & 0x0F) | ((in[i] & 0x0F) << 4));
        }
        return;
    case 8:
        for (int i = 0; i < n; ++i) row[x + i] = static_cast<BYTE>(in[i]);
        return;
    case 16:
        for (int i = 0; i < n; ++i) {
            row[2 * (x + i)] = static_cast<BYTE>(in[i]);
            row[2 * (x + i) + 1] = static_cast<BYTE>(in[i] >> 8);
        }
        return;
    case 24:
        for (int i = 0; i < n; ++i) {
            BYTE* p = row + 3 * (x + i);
            p[0] = static_cast<BYTE>(in[i]);
            p[1] = static_cast<BYTE>(in[i] >> 8);
            p[2] = static_cast<BYTE>(in[i] >> 16);
        }
        return;
    default:
        std::memcpy(row + 4 * x, in, sizeof(std::uint32_t) * static_cast<std::size_t>(n));
        return;
    }
}

void FillRawRow(Surface& surface, int y, int x, int n, std::uint32_t raw) {
    if (n <= 0) return;
    BYTE* row = surface.Row(y);
    const int bits = surface.BitCount();
    if (bits == 1 || bits == 4) {
        const int perByte = 8 / bits;
        BYTE pattern = 0;
        for (int k = 0; k < perByte; ++k)
            pattern = static_cast<BYTE>((pattern << bits) | (raw & ((1u << bits) - 1u)));
        int i = 0;
        std::uint32_t one[1] = {raw};
        for (; i < n && (x + i) % perByte; ++i) WriteRawRow(surface, y, x + i, 1, one);
        const int bytes = (n - i) / perByte;
        std::memset(row + (x + i) / perByte, pattern, static_cast<std::size_t>(bytes));
        for (i += bytes * perByte; i < n; ++i) WriteRawRow(surface, y, x + i, 1, one);
        return;
    }
    switch (bits) {
    case 8:
        std::memset(row + x, static_cast<int>(raw & 0xFF), static_cast<std::size_t>(n));
        return;
    case 32: {
        auto* pixels = reinterpret_cast<std::uint32_t*>(row) + x;
        std::fill(pixels, pixels + n, raw);
        return;
    }
    default: {
        // 16 and 24 bits: one pixel written, then doubled until the span is full.
        const std::size_t size = static_cast<std::size_t>(bits / 8);
        BYTE* start = row + size * static_cast<std::size_t>(x);
        const std::uint32_t one[1] = {raw};
        WriteRawRow(surface, y, x, 1, one);
        std::size_t done = size;
        const std::size_t total = size * static_cast<std::size_t>(n);
        while (done < total) {
            const std::size_t chunk = std::min(done, total - done);
            std::memcpy(start + done, start, chunk);
            done += chunk;
        }
        return;
    }
    }
}

bool CopySubByteRow(const Surface& source, int sy, int sx, Surface& target, int y, int x, int n) {
    const int bits = target.BitCount();
    if (bits >= 8 || source.BitCount() != bits) return false;
    const int perByte = 8 / bits;
    if (sx % perByte != 0 || x % perByte != 0) return false;
    const int bytes = n / perByte;
    std::memmove(target.Row(y) + x / perByte, source.Row(sy) + sx / perByte, static_cast<std::size_t>(bytes));
    const int done = bytes * perByte;
    if (done < n) {
        std::uint32_t tail[8];
        ReadRawRow(source, sy, sx + done, n - done, tail);
        WriteRawRow(target, y, x + done, n - done, tail);
    }
    return true;
}

TwoEntryTest TwoEntryTest::From(const RGBQUAD& e0, const RGBQUAD& e1) {
    // |c - e0|^2 - |c - e1|^2 = 2 c.(e1 - e0) - (|e1|^2 - |e0|^2): entry 1 is strictly nearer when positive.
    TwoEntryTest t;
    t.wr = 2 * (e1.rgbRed - e0.rgbRed);
    t.wg = 2 * (e1.rgbGreen - e0.rgbGreen);
    t.wb = 2 * (e1.rgbBlue - e0.rgbBlue);
    auto square = [](const RGBQUAD& e) {
        return e.rgbRed * e.rgbRed + e.rgbGreen * e.rgbGreen + e.rgbBlue * e.rgbBlue;
    };
    t.threshold = square(e1) - square(e0);
    return t;
}

ColorEncoder::ColorEncoder(const Surface& surface) : m_surface(surface), m_bitCount(surface.BitCount()) {
    if (m_bitCount == 1) m_two = TwoEntryTest::From(surface.ColorTable()[0], surface.ColorTable()[1]);
    if (m_bitCount > 1 && m_bitCount <= 8) m_cache.resize(4096);
    if (m_bitCount <= 8) {
        // The spacing of the table's colours, roughly: a dither step of that size moves a colour to a
        // neighbour.
        const double perChannel = std::round(std::cbrt(static_cast<double>(surface.ColorTable().size())));
        m_ditherSpread = static_cast<int>(255.0 / std::max(1.0, perChannel - 1.0));
    }
}

std::uint32_t ColorEncoder::Nearest(COLORREF color) {
    const std::uint32_t key = ((color * 2654435761u) >> 20) & 4095u;
    CacheEntry& entry = m_cache[key];
    if (entry.color != color) {
        entry.color = color;
        entry.index = m_surface.NearestIndex(color);
    }
    return entry.index;
}

std::uint32_t ColorEncoder::Encode(COLORREF color) {
    color &= 0x00FFFFFF;
    switch (m_bitCount) {
    case 1:
        return m_two(GetRValue(color), GetGValue(color), GetBValue(color));
    case 4:
    case 8:
        return Nearest(color);
    case 24:
        return SwapRB(color);
    default:
        break;
    }
    if (PlainRgb32(m_surface)) return SwapRB(color);
    return m_surface.Encode(color);
}

void ColorEncoder::EncodeRow(const COLORREF* in, int n, std::uint32_t* out) {
    if (m_bitCount == 1) {
        for (int i = 0; i < n; ++i) out[i] = m_two(GetRValue(in[i]), GetGValue(in[i]), GetBValue(in[i]));
        return;
    }
    if (m_bitCount == 24 || PlainRgb32(m_surface)) {
        for (int i = 0; i < n; ++i) out[i] = SwapRB(in[i] & 0x00FFFFFF);
        return;
    }
    if (m_bitCount <= 8) {
        for (int i = 0; i < n; ++i) out[i] = Nearest(in[i] & 0x00FFFFFF);
        return;
    }
    const Channel r = ChannelOf(m_surface.Masks()[0]), g = ChannelOf(m_surface.Masks()[1]),
                  b = ChannelOf(m_surface.Masks()[2]);
    for (int i = 0; i < n; ++i)
        out[i] = Narrow(r, GetRValue(in[i])) | Narrow(g, GetGValue(in[i])) | Narrow(b, GetBValue(in[i]));
}

void ColorEncoder::EncodeRowDithered(const COLORREF* in, int n, int x0, int y, std::uint32_t* out) {
    if (m_bitCount > 8) {
        EncodeRow(in, n, out);
        return;
    }
    const auto& line = kBayer[static_cast<std::size_t>(y & 7)];
    for (int i = 0; i < n; ++i) {
        // Offsets centred on zero: -spread/2 .. +spread/2, so pure black and pure white stay themselves.
        const int offset =
            ((2 * line[static_cast<std::size_t>((x0 + i) & 7)] + 1 - 64) * m_ditherSpread) / 128;
        const COLORREF c = in[i];
        const COLORREF d = RGB(Clamp255(GetRValue(c) + offset), Clamp255(GetGValue(c) + offset),
                               Clamp255(GetBValue(c) + offset));
        out[i] = Encode(d);
    }
}

} // namespace win
