// The test pictures of the benchmarks: 24-bit bottom-up BMP files whose pixels a function gives.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace bench {

// The bytes of one row of a 24-bit picture, padded to four bytes as the file format wants.
constexpr std::size_t Bmp24Stride(int width) {
    return ((static_cast<std::size_t>(width) * 24 + 31) / 32) * 4;
}

// Writes a width x height 24-bit picture to `path`. channel(x, y, k) gives blue (k = 0), green (1) and red
// (2) of the pixel at (x, y), with y counted from the top.
template <class Channel> void WriteBmp24(const std::string& path, int width, int height, Channel channel) {
    const std::size_t stride = Bmp24Stride(width);
    std::vector<char> bytes(54 + stride * static_cast<std::size_t>(height));
    auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(bytes.data() + at, &v, 4); };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bytes.size()));
    put32(10, 54);
    put32(14, 40);
    put32(18, static_cast<std::uint32_t>(width));
    put32(22, static_cast<std::uint32_t>(height));
    put32(26, 1 | (24 << 16));
    for (int row = 0; row < height; ++row) {
        char* line = bytes.data() + 54 + stride * static_cast<std::size_t>(row);
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < 3; ++k) line[3 * x + k] = static_cast<char>(channel(x, height - 1 - row, k));
    }
    std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

} // namespace bench
