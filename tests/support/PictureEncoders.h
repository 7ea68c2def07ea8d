// Pictures the tests make with the picture libraries themselves: one picture of red, green, blue, alpha
// pixels written as PNG (of every colour type), JPEG, GIF and WebP files, in memory.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace gl::enctest {

struct Rgba {
    std::uint8_t r, g, b, a = 255;
};

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<Rgba> pixels; // rows top first
    const Rgba& At(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// rows[y][x] names a pixel by a letter of `palette`: '#' black and '.' white unless the palette says
// otherwise.
Picture FromRows(const std::vector<std::string>& rows, std::map<char, Rgba> palette = {});

enum class PngKind { Rgb, Rgba, Grey, Palette, Rgb16, Interlaced };
std::string Png(const Picture& picture, PngKind kind);

struct JpegOptions {
    int quality = 100;
    bool grey = false;
    bool progressive = false;
    bool cmyk = false;   // written as inverted CMYK with the Adobe marker, as most programs write it
    int orientation = 0; // an EXIF block with this orientation tag when not 0
};
std::string Jpeg(const Picture& picture, const JpegOptions& options);

// Colours taken from the picture (at most 256); pixels with alpha 0 become the transparent colour.
std::string Gif(const Picture& picture, bool interlaced = false);

std::string WebPLossless(const Picture& picture);
std::string WebPLossy(const Picture& picture, float quality);

// A bottom-up 24-bit bitmap file of the picture (alpha ignored).
std::string Bmp(const Picture& picture);

} // namespace gl::enctest
