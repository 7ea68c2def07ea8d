// The one writer of bitmap files for the tests and the benchmarks, byte by byte: file header, any header kind
// (12, 40, 108, 124 bytes), masks, colour table, an optional gap, and pixel rows packed as the format stores
// them; plain bottom-up 24-bit files on top of that.
#pragma once

#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

namespace gl::bmptest {

// Little-endian bytes.
class Bytes {
public:
    Bytes& U8(std::uint32_t v) {
        m_data.push_back(static_cast<char>(v & 0xFF));
        return *this;
    }
    Bytes& U16(std::uint32_t v) { return U8(v).U8(v >> 8); }
    Bytes& U32(std::uint32_t v) { return U16(v & 0xFFFF).U16(v >> 16); }
    Bytes& I32(std::int32_t v) { return U32(static_cast<std::uint32_t>(v)); }
    Bytes& Raw(const std::string& bytes) {
        m_data += bytes;
        return *this;
    }
    Bytes& Fill(std::size_t count, std::uint8_t value) {
        m_data.append(count, static_cast<char>(value));
        return *this;
    }
    const std::string& Data() const { return m_data; }
    std::size_t Size() const { return m_data.size(); }

private:
    std::string m_data;
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

struct BmpRecipe {
    std::uint32_t headerSize = 40; // 12, 40, 108 or 124 (or anything else, to test the checks)
    std::int32_t width = 1;
    std::int32_t height = 1; // negative: top-down rows
    std::uint16_t bitCount = 24;
    std::uint16_t planes = 1;
    std::uint32_t compression = 0;
    std::uint32_t sizeImage = 0;
    std::uint32_t clrUsed = 0;
    std::int32_t pixelsPerMeter = 2835; // both resolutions of a header of 40 bytes or more
    std::vector<std::uint32_t> masks;   // written after a 40-byte header, or inside a larger one
    std::vector<Rgb> colors;            // 3-byte entries for a 12-byte header, else 4-byte
    std::string pixels;                 // the pixel bytes exactly as stored
    std::uint32_t gap = 0;              // bytes of 0xEE between the colour table and the pixels
    std::int64_t offBits = -1;          // the file header's pixel offset; -1: where the pixels really start
    bool fileHeader = true;
};

inline std::string MakeBmp(const BmpRecipe& s) {
    Bytes body;
    if (s.headerSize == 12) {
        body.U32(12).U16(static_cast<std::uint32_t>(s.width)).U16(static_cast<std::uint32_t>(s.height));
        body.U16(s.planes).U16(s.bitCount);
    } else {
        body.U32(s.headerSize).I32(s.width).I32(s.height).U16(s.planes).U16(s.bitCount);
        body.U32(s.compression).U32(s.sizeImage).I32(s.pixelsPerMeter).I32(s.pixelsPerMeter);
        body.U32(s.clrUsed).U32(0);
        std::size_t written = 40;
        if (s.headerSize > 40) {
            for (std::uint32_t m : s.masks) {
                body.U32(m);
                written += 4;
            }
        }
        if (s.headerSize > written) body.Fill(s.headerSize - written, 0);
        if (s.headerSize == 40)
            for (std::uint32_t m : s.masks) body.U32(m);
    }
    for (const Rgb& c : s.colors) {
        body.U8(c.b).U8(c.g).U8(c.r);
        if (s.headerSize != 12) body.U8(0);
    }
    body.Fill(s.gap, 0xEE);
    const std::size_t pixelStart = body.Size();
    // The pixels are appended once, to the finished headers: a benchmark's picture is tens of megabytes.
    std::string file;
    if (s.fileHeader) {
        Bytes header;
        const std::uint32_t offset = s.offBits >= 0 ? static_cast<std::uint32_t>(s.offBits)
                                                    : static_cast<std::uint32_t>(14 + pixelStart);
        header.U16(0x4D42).U32(static_cast<std::uint32_t>(14 + pixelStart + s.pixels.size())).U16(0).U16(0);
        header.U32(offset);
        file.reserve(14 + pixelStart + s.pixels.size());
        file += header.Data();
    }
    file += body.Data();
    file += s.pixels;
    return file;
}

// The bytes of one stored row: whole pixels, padded to 32 bits.
constexpr std::size_t RowBytes(int width, int bitCount) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitCount) + 31) / 32) * 4;
}

// Pixel rows in file order (bottom row first unless topDown), each padded to 32 bits; value(x, y) gives the
// stored value of the pixel at (x, y) counted from the top: a table index, or the packed pixel.
template <class Value>
std::string PackRows(int width, int height, int bitCount, bool topDown, const Value& value) {
    const std::size_t rowBytes = RowBytes(width, bitCount);
    std::string out;
    out.reserve(rowBytes * static_cast<std::size_t>(height > 0 ? height : 0));
    std::string line;
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        line.assign(rowBytes, '\0');
        for (int x = 0; x < width; ++x) {
            const std::uint32_t v = value(x, y);
            if (bitCount < 8) {
                const int perByte = 8 / bitCount;
                const int shift = 8 - bitCount * (x % perByte + 1);
                line[static_cast<std::size_t>(x / perByte)] |= static_cast<char>(v << shift);
            } else {
                const int bytes = bitCount / 8;
                for (int k = 0; k < bytes; ++k)
                    line[static_cast<std::size_t>(x * bytes + k)] = static_cast<char>((v >> (8 * k)) & 0xFF);
            }
        }
        out += line;
    }
    return out;
}

// A 24-bit pixel value (blue in the low byte, as stored) from red, green, blue.
constexpr std::uint32_t Bgr(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint32_t>(b) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(r) << 16);
}

// A 0x00BBGGRR colour as pixel reads return it.
constexpr std::uint32_t ColorRef(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::uint32_t>(r) | (static_cast<std::uint32_t>(g) << 8) |
           (static_cast<std::uint32_t>(b) << 16);
}

// A plain bottom-up 24-bit file as most programs save one: a 40-byte header without resolution, no colour
// table. pixel(x, y) gives the packed pixel (see Bgr) at (x, y) counted from the top. recordSize says whether
// the header states the pixel bytes' size, which an uncompressed file may leave at 0.
template <class Pixel> std::string Bmp24(int width, int height, const Pixel& pixel, bool recordSize = true) {
    BmpRecipe recipe;
    recipe.width = width;
    recipe.height = height;
    recipe.pixelsPerMeter = 0;
    recipe.pixels = PackRows(width, height, 24, false, pixel);
    if (recordSize) recipe.sizeImage = static_cast<std::uint32_t>(recipe.pixels.size());
    return MakeBmp(recipe);
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace gl::bmptest
