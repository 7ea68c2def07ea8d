// Terminal column widths of UTF-8 text.
#include "app/tone/DisplayWidth.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace gl::tone {

namespace {

struct Range {
    char32_t first;
    char32_t last;
};

// Combining marks, joiners and other characters that take no column of their own.
constexpr std::array<Range, 14> kZeroWidth{{{0x0300, 0x036F},
                                            {0x0483, 0x0489},
                                            {0x0591, 0x05BD},
                                            {0x0610, 0x061A},
                                            {0x064B, 0x065F},
                                            {0x1AB0, 0x1AFF},
                                            {0x1DC0, 0x1DFF},
                                            {0x200B, 0x200F},
                                            {0x202A, 0x202E},
                                            {0x2060, 0x2064},
                                            {0x20D0, 0x20FF},
                                            {0xFE00, 0xFE0F},
                                            {0xFE20, 0xFE2F},
                                            {0xFEFF, 0xFEFF}}};

// East Asian wide and full-width characters, and the emoji blocks terminals draw two columns wide.
constexpr std::array<Range, 16> kWide{{{0x1100, 0x115F},
                                       {0x231A, 0x231B},
                                       {0x2E80, 0x303E},
                                       {0x3041, 0x33FF},
                                       {0x3400, 0x4DBF},
                                       {0x4E00, 0x9FFF},
                                       {0xA000, 0xA4CF},
                                       {0xAC00, 0xD7A3},
                                       {0xF900, 0xFAFF},
                                       {0xFE30, 0xFE4F},
                                       {0xFF00, 0xFF60},
                                       {0xFFE0, 0xFFE6},
                                       {0x1F300, 0x1F64F},
                                       {0x1F900, 0x1F9FF},
                                       {0x20000, 0x2FFFD},
                                       {0x30000, 0x3FFFD}}};

template <std::size_t N> bool In(const std::array<Range, N>& ranges, char32_t c) {
    return std::any_of(ranges.begin(), ranges.end(),
                       [c](const Range& r) { return c >= r.first && c <= r.last; });
}

// The code point that starts at `at`, and how many bytes it takes; a stray byte counts as one character.
char32_t Decode(std::string_view text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<std::uint8_t>(text[at]);
    length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    if (lead < 0x80 || lead < 0xC0 || at + length > text.size()) {
        length = 1;
        return lead;
    }
    char32_t c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (static_cast<std::uint8_t>(text[at + i]) & 0x3F);
    return c;
}

} // namespace

int DisplayWidth(std::string_view utf8) {
    int columns = 0;
    for (std::size_t at = 0, length = 0; at < utf8.size(); at += length) {
        const char32_t c = Decode(utf8, at, length);
        if (c < 0x20 || In(kZeroWidth, c)) continue;
        columns += In(kWide, c) ? 2 : 1;
    }
    return columns;
}

} // namespace gl::tone
