// Threshold, inversion and the three kinds of dithering.
#include "app/tone/Tone.h"

#include <array>

namespace gl::tone {

namespace {

constexpr float kMiddle = 128.0f;
// Levels come back from linear light with float rounding: a grey of exactly the cut is not below it.
constexpr float kRounding = 0.001f;

bool Below(float level, float cut) {
    return level < cut - kRounding;
}

// The 8 x 8 Bayer matrix's entry (0-63) for a cell: the bits of column ^ row and of row, interleaved from the
// lowest up.
int Bayer(int x, int y) {
    int value = 0;
    for (int bit = 0; bit < 3; ++bit) value = (value << 2) | ((((x ^ y) >> bit) & 1) << 1) | ((y >> bit) & 1);
    return value;
}

struct Spread {
    int dx;
    int dy;
    float share;
};

// Where an error-diffusing method sends the error of a cell, and how much of it.
constexpr std::array<Spread, 4> kFloydSteinberg{
    {{1, 0, 7 / 16.0f}, {-1, 1, 3 / 16.0f}, {0, 1, 5 / 16.0f}, {1, 1, 1 / 16.0f}}};
constexpr std::array<Spread, 6> kAtkinson{{{1, 0, 1 / 8.0f},
                                           {2, 0, 1 / 8.0f},
                                           {-1, 1, 1 / 8.0f},
                                           {0, 1, 1 / 8.0f},
                                           {1, 1, 1 / 8.0f},
                                           {0, 2, 1 / 8.0f}}};

template <std::size_t N>
void Diffuse(GreyImage& levels, float cut, const std::array<Spread, N>& spread,
             std::vector<std::uint8_t>& dark) {
    for (int y = 0; y < levels.height; ++y)
        for (int x = 0; x < levels.width; ++x) {
            const float level = levels.At(x, y);
            const bool isDark = Below(level, cut);
            dark[static_cast<std::size_t>(y) * levels.width + x] = isDark;
            const float error = level - (isDark ? 0.0f : 255.0f);
            for (const Spread& s : spread) {
                const int tx = x + s.dx;
                const int ty = y + s.dy;
                if (tx >= 0 && tx < levels.width && ty < levels.height) levels.At(tx, ty) += error * s.share;
            }
        }
}

} // namespace

std::vector<std::uint8_t> ToneMap(GreyImage levels, const ConversionSettings& settings) {
    // Every method works on the grey levels a screen shows, 0-255, in place of the levels in linear light.
    for (float& level : levels.levels) {
        const float encoded = EncodedGrey(level);
        level = settings.invert ? 255.0f - encoded : encoded;
    }
    const float cut = settings.threshold ? static_cast<float>(*settings.threshold) : kMiddle;
    std::vector<std::uint8_t> dark(levels.levels.size());
    switch (settings.dither) {
    case Dither::FloydSteinberg:
        Diffuse(levels, cut, kFloydSteinberg, dark);
        break;
    case Dither::Atkinson:
        Diffuse(levels, cut, kAtkinson, dark);
        break;
    case Dither::Ordered:
        for (int y = 0; y < levels.height; ++y)
            for (int x = 0; x < levels.width; ++x) {
                // The cut moves by up to half the range either way, following the matrix.
                const float step = (static_cast<float>(Bayer(x, y)) + 0.5f) / 64.0f - 0.5f;
                dark[static_cast<std::size_t>(y) * levels.width + x] =
                    Below(levels.At(x, y), cut + step * 255.0f);
            }
        break;
    case Dither::None:
        for (std::size_t i = 0; i < dark.size(); ++i) dark[i] = Below(levels.levels[i], cut);
        break;
    }
    return dark;
}

} // namespace gl::tone
