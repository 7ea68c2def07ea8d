// A picture as grey levels in linear light (0 black, 1 white), row by row, and the conversions between a
// colour and such a level.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gl::tone {

struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<float> levels; // width * height, row by row

    GreyImage() = default;
    GreyImage(int w, int h) : width(w), height(h), levels(static_cast<std::size_t>(w) * h, 1.0f) {}
    float& At(int x, int y) { return levels[static_cast<std::size_t>(y) * width + x]; }
    float At(int x, int y) const { return levels[static_cast<std::size_t>(y) * width + x]; }
};

// The luminance of an sRGB colour in linear light.
float LinearGrey(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
// A level in linear light as the grey level 0-255 a screen shows for it (sRGB encoded, not rounded).
float EncodedGrey(float linear);

} // namespace gl::tone
