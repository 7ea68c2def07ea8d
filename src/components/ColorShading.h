// Colour shading shared by every control's look: hue, saturation and lightness on a 0..240 scale, darker and
// lighter shades, and the blend of two colours.
#pragma once

#include <cstdint>

namespace gl {

// An RGB colour 0x00BBGGRR, already resolved (no system colours).
using RgbColor = std::uint32_t;

struct HslColor {
    int hue = 0;        // 0..240
    int saturation = 0; // 0..240
    int lightness = 0;  // 0..240 from the conversion; shades may push it up to 255
};

HslColor RgbToHsl(RgbColor rgb);
RgbColor HslToRgb(const HslColor& hsl);

// Shades may push lightness past the conversion's 240, up to this; the conversion back saturates.
constexpr int kMaxShadeLightness = 255;

// Lightness lowered by n (not below 0) / raised by n (not above 255), through the conversion and back; any n
// of either sign.
RgbColor DarkerRgb(RgbColor rgb, int n);
RgbColor LighterRgb(RgbColor rgb, int n);

// Each channel round(a * x + b * (1 - x)) with x = weight / 255 held at single precision.
RgbColor BlendRgb(RgbColor a, RgbColor b, int weight);

} // namespace gl
