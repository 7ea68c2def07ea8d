// Reading the EXIF orientation tag, and the eight ways a stored picture is turned upright.
#include "app/formats/ExifOrientation.h"

#include <cstring>

namespace gl {

namespace {

constexpr std::uint16_t kOrientationTag = 0x0112;
constexpr std::uint16_t kShortType = 3;

class TiffReader {
public:
    TiffReader(const std::uint8_t* data, std::size_t size, bool bigEndian)
        : m_data(data), m_size(size), m_bigEndian(bigEndian) {}
    bool Has(std::size_t at, std::size_t count) const { return at <= m_size && count <= m_size - at; }
    std::uint32_t U16(std::size_t at) const {
        return m_bigEndian ? (m_data[at] << 8 | m_data[at + 1]) : (m_data[at] | m_data[at + 1] << 8);
    }
    std::uint32_t U32(std::size_t at) const {
        return m_bigEndian ? (U16(at) << 16 | U16(at + 2)) : (U16(at) | U16(at + 2) << 16);
    }

private:
    const std::uint8_t* m_data;
    std::size_t m_size;
    bool m_bigEndian;
};

} // namespace

int ExifOrientation(const std::uint8_t* payload, std::size_t size) {
    if (size < 14 || std::memcmp(payload, "Exif\0\0", 6) != 0) return 1;
    const std::uint8_t* tiff = payload + 6;
    const std::size_t tiffSize = size - 6;
    bool bigEndian;
    if (std::memcmp(tiff, "MM\0*", 4) == 0)
        bigEndian = true;
    else if (std::memcmp(tiff, "II*\0", 4) == 0)
        bigEndian = false;
    else
        return 1;
    const TiffReader r(tiff, tiffSize, bigEndian);
    const std::size_t directory = r.U32(4);
    if (!r.Has(directory, 2)) return 1;
    const std::uint32_t entries = r.U16(directory);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const std::size_t entry = directory + 2 + std::size_t(i) * 12;
        if (!r.Has(entry, 12)) return 1;
        if (r.U16(entry) != kOrientationTag) continue;
        if (r.U16(entry + 2) != kShortType || r.U32(entry + 4) != 1) return 1;
        const std::uint32_t value = r.U16(entry + 8);
        return value >= 1 && value <= 8 ? static_cast<int>(value) : 1;
    }
    return 1;
}

OrientedPoint Orient(int orientation, int x, int y, int width, int height) {
    switch (orientation) {
    case 2: // mirrored left to right
        return {width - 1 - x, y};
    case 3: // upside down
        return {width - 1 - x, height - 1 - y};
    case 4: // mirrored top to bottom
        return {x, height - 1 - y};
    case 5: // mirrored along the falling diagonal
        return {y, x};
    case 6: // turned a quarter anticlockwise: turn it clockwise
        return {height - 1 - y, x};
    case 7: // mirrored along the rising diagonal
        return {height - 1 - y, width - 1 - x};
    case 8: // turned a quarter clockwise: turn it anticlockwise
        return {y, width - 1 - x};
    default:
        return {x, y};
    }
}

} // namespace gl
