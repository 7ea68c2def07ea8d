// The settings that fit a picture to a size and tone it to black and white before the scan. The defaults are
// the window's own behaviour: one cell per pixel, and each pixel the nearer of black and white.
#pragma once

#include <optional>

namespace gl::tone {

enum class Dither { None, Ordered, FloydSteinberg, Atkinson };

struct ConversionSettings {
    // The result's size in text columns and in lines; with one of them, the other follows the picture's
    // proportions as the text shows them. Neither: one cell per pixel.
    std::optional<int> columns;
    std::optional<int> lines;
    // How many times taller a line is than a column is wide.
    double cellRatio = 2.0;
    // A pixel is dark when its grey level (0-255) is below the threshold; none: the nearer of black and
    // white.
    std::optional<int> threshold;
    bool invert = false;
    Dither dither = Dither::None;

    // True when nothing differs from the window's own behaviour.
    bool IsDefault() const { return !columns && !lines && !threshold && !invert && dither == Dither::None; }
};

} // namespace gl::tone
