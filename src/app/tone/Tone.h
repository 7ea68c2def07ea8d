// Toning a grey picture to black and white: a threshold on the grey level a screen shows, inversion, and
// dithering (ordered with an 8 x 8 Bayer matrix, Floyd-Steinberg, Atkinson).
#pragma once

#include "app/tone/ConversionSettings.h"
#include "app/tone/GreyImage.h"

#include <cstdint>
#include <vector>

namespace gl::tone {

// 1 for a dark cell, 0 for a light one, row by row. Without a threshold the cut lies at 128, the middle of
// black and white.
std::vector<std::uint8_t> ToneMap(GreyImage picture, const ConversionSettings& settings);

} // namespace gl::tone
