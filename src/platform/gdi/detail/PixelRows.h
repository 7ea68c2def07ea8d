// Row-at-a-time pixel access for the blit code: reading rows as colours or raw values, writing raw values,
// and turning colours into a surface's raw values (nearest table entry for palette surfaces, with an optional
// ordered dither).
#pragma once

#include "platform/gdi/Surface.h"

#include <array>
#include <cstdint>
#include <vector>

namespace win {

// Reads n pixels of picture row y from column x as 0x00BBGGRR colours.
void DecodeRow(const Surface& surface, int y, int x, int n, COLORREF* out);
// Reads / writes n raw pixel values (table indexes or packed pixels) of row y from column x.
void ReadRawRow(const Surface& surface, int y, int x, int n, std::uint32_t* out);
void WriteRawRow(Surface& surface, int y, int x, int n, const std::uint32_t* in);
// Sets n pixels of row y from column x to one raw value, whole bytes at a time where it can.
void FillRawRow(Surface& surface, int y, int x, int n, std::uint32_t raw);
// Copies n raw pixels between surfaces of the same depth below 8 bits, whole bytes at a time when both
// columns start on a byte; false (nothing copied) when they do not.
bool CopySubByteRow(const Surface& source, int sy, int sx, Surface& target, int y, int x, int n);

// The bits of a raw value that a surface keeps (1 for one bit per pixel ... 0x00FFFFFF for 24 and 32 bits).
std::uint32_t RawMask(const Surface& surface);

// Nearest of two table entries as one linear test on r, g and b: entry 1 exactly when
// wr*r + wg*g + wb*b > threshold. Derived from the squared RGB distances, so it agrees with the nearest-entry
// rule including its tie rule (ties go to entry 0).
struct TwoEntryTest {
    int wr = 0, wg = 0, wb = 0, threshold = 0;
    static TwoEntryTest From(const RGBQUAD& e0, const RGBQUAD& e1);
    std::uint32_t operator()(int r, int g, int b) const {
        return static_cast<std::uint32_t>(wr * r + wg * g + wb * b > threshold);
    }
};

// Maps colours to the raw values of one surface.
class ColorEncoder {
public:
    explicit ColorEncoder(const Surface& surface);
    std::uint32_t Encode(COLORREF color);
    void EncodeRow(const COLORREF* in, int n, std::uint32_t* out);
    // The same with an ordered dither keyed on the surface position (x0 + i, y); used for halftone copies
    // into palette surfaces.
    void EncodeRowDithered(const COLORREF* in, int n, int x0, int y, std::uint32_t* out);

private:
    std::uint32_t Nearest(COLORREF color);

    const Surface& m_surface;
    int m_bitCount;
    TwoEntryTest m_two;
    int m_ditherSpread = 0;
    struct CacheEntry {
        COLORREF color = 0xFFFFFFFF;
        std::uint32_t index = 0;
    };
    std::vector<CacheEntry> m_cache; // palette surfaces of 16 and 256 entries
};

} // namespace win
