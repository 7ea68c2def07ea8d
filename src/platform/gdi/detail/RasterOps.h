// Ternary raster operations: the result of a ROP3 code on destination, source and pattern values, bit by bit.
// Values are packed 0x00BBGGRR colours or raw pixel values; the operation is the same on every bit.
#pragma once

#include "platform/win/types.h"

#include <cstdint>

namespace win {

// The operation index of a raster-operation code (bits 16..23): bit (p << 2 | s << 1 | d) of the index is the
// result for pattern bit p, source bit s and destination bit d.
constexpr std::uint8_t Rop3Index(DWORD rop) {
    return static_cast<std::uint8_t>((rop >> 16) & 0xFF);
}

constexpr bool Rop3UsesSource(DWORD rop) {
    const std::uint8_t i = Rop3Index(rop);
    return ((i >> 2) & 0x33) != (i & 0x33);
}
constexpr bool Rop3UsesPattern(DWORD rop) {
    const std::uint8_t i = Rop3Index(rop);
    return ((i >> 4) & 0x0F) != (i & 0x0F);
}
constexpr bool Rop3UsesDestination(DWORD rop) {
    const std::uint8_t i = Rop3Index(rop);
    return ((i >> 1) & 0x55) != (i & 0x55);
}

constexpr std::uint32_t ApplyRop3(std::uint8_t index, std::uint32_t dst, std::uint32_t src,
                                  std::uint32_t pat) {
    switch (index) { // the common ones first, without the general loop
    case 0xCC:
        return src;
    case 0xF0:
        return pat;
    case 0x00:
        return 0;
    case 0xFF:
        return 0xFFFFFFFFu;
    case 0x88:
        return src & dst;
    case 0xEE:
        return src | dst;
    case 0x66:
        return src ^ dst;
    case 0x55:
        return ~dst;
    case 0x5A:
        return pat ^ dst;
    case 0x33:
        return ~src;
    default:
        break;
    }
    std::uint32_t result = 0;
    for (int bit = 0; bit < 8; ++bit) {
        if (!((index >> bit) & 1)) continue;
        const std::uint32_t p = (bit & 4) ? pat : ~pat;
        const std::uint32_t s = (bit & 2) ? src : ~src;
        const std::uint32_t d = (bit & 1) ? dst : ~dst;
        result |= p & s & d;
    }
    return result;
}

// Binary raster operations of pens (R2_BLACK = 1 ... R2_WHITE = 16) on pen and destination values.
constexpr std::uint32_t ApplyRop2(int rop2, std::uint32_t dst, std::uint32_t pen) {
    // R2 codes number the 16 functions of (pen, dst): code - 1 is the truth table, bit (p << 1 | d) inverted
    // order.
    const int table = rop2 - 1;
    std::uint32_t result = 0;
    for (int bit = 0; bit < 4; ++bit) {
        if (!((table >> bit) & 1)) continue;
        const std::uint32_t p = (bit & 2) ? pen : ~pen;
        const std::uint32_t d = (bit & 1) ? dst : ~dst;
        result |= p & d;
    }
    return result;
}

} // namespace win
