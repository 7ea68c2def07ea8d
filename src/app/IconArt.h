// The program's icon, drawn by code at any size: a sheet of paper on an indigo tile, with a diamond of glyph
// cells woven on it and a red thread through the middle. resources/glyphloom.svg draws the same figure.
#pragma once

#include <cstdint>
#include <vector>

namespace gl {

// Straight (not premultiplied) RGBA, 4 bytes a pixel, rows top first; size x size pixels.
std::vector<std::uint8_t> DrawIcon(int size);

} // namespace gl
