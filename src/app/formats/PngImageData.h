// A PNG's image data cut to what its rows need: compressed data may go on inflating far past the last row,
// and the library reads all of it before it finishes.
#pragma once

#include <cstdint>
#include <vector>

namespace gl {

// The file with its image data stored as exactly the bytes its rows need, when its data inflates to more than
// a little beyond them; otherwise (and for a file this cannot make sense of, left to the library) empty.
std::vector<std::uint8_t> PngWithoutTrailingImageData(const std::vector<std::uint8_t>& file);

} // namespace gl
