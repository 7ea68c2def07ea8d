// The orientation a camera records in a JPEG's EXIF block, and where it puts each stored pixel so that the
// picture shows upright.
#pragma once

#include <cstddef>
#include <cstdint>

namespace gl {

// The orientation tag (1 to 8) of an APP1 segment's payload ("Exif\0\0" and a TIFF block); 1 when the segment
// holds none or does not hold together.
int ExifOrientation(const std::uint8_t* payload, std::size_t size);

// Where stored pixel (x, y) of a width x height picture goes in the upright picture; orientations 5 to 8
// swap the sides.
struct OrientedPoint {
    int x, y;
};
OrientedPoint Orient(int orientation, int x, int y, int width, int height);
inline bool SwapsSides(int orientation) {
    return orientation >= 5 && orientation <= 8;
}

} // namespace gl
