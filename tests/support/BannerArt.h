// The text art that a banner of one character repeated gives, one glyph a dark cell: the exact lines the
// converter and the window's text mode must produce.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace gl::bannertest {

inline std::string Repeated(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

// A banner of `count` equal characters in the window font, scanned with the glyph "#" and one blank: 20 rows
// of light cells, with the character's rows ('#' dark, '.' light, from the text's top at y = 4) repeated at
// its pitch from x = 4; the banner is 10 pixels wider than its text.
inline std::vector<std::string> RepeatedArt(const std::vector<std::string>& rows, int count) {
    const std::size_t pitch = rows.front().size();
    const std::size_t width = 4 + pitch * static_cast<std::size_t>(count) + 6;
    std::vector<std::string> art(20, std::string(width, ' '));
    for (std::size_t y = 0; y < rows.size(); ++y) {
        std::string row = rows[y];
        std::replace(row.begin(), row.end(), '.', ' ');
        art[4 + y].replace(4, row.size() * static_cast<std::size_t>(count), Repeated(row, count));
    }
    return art;
}

} // namespace gl::bannertest
