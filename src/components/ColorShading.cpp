// The shading arithmetic. Its rounding is part of every control's look (ties to even, the back conversion's
// divisor of 239), so it is kept exactly as the controls have always drawn.
#include "components/ColorShading.h"

#include <algorithm>
#include <cmath>

namespace gl {

namespace {

// Round half to even, as the original arithmetic does.
int RoundEven(double v) {
    return static_cast<int>(std::nearbyint(v));
}

int Red(RgbColor c) {
    return static_cast<int>(c & 0xFF);
}
int Green(RgbColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int Blue(RgbColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
RgbColor Pack(int r, int g, int b) {
    return static_cast<RgbColor>(r) | (static_cast<RgbColor>(g) << 8) | (static_cast<RgbColor>(b) << 16);
}

} // namespace

HslColor RgbToHsl(RgbColor rgb) {
    const double r = Red(rgb) / 255.0, g = Green(rgb) / 255.0, b = Blue(rgb) / 255.0;
    const double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    const double l = (mx + mn) / 2;
    double h = 0, s = 0;
    if (mx != mn) {
        const double d = mx - mn;
        s = l < 0.5 ? d / (mx + mn) : d / (2 - mx - mn);
        if (r == mx)
            h = (g - b) / d;
        else if (g != mx)
            h = 4 + (r - g) / d;
        else
            h = 2 + (b - r) / d;
        h /= 6;
        if (h < 0) h += 1;
    }
    return HslColor{RoundEven(h * 240), RoundEven(s * 240), RoundEven(l * 240)};
}

RgbColor HslToRgb(const HslColor& hsl) {
    const double l = hsl.lightness / 240.0, s = hsl.saturation / 240.0;
    const double hi = l >= 0.5 ? l + s - l * s : l * (1 + s);
    if (hi <= 0) return 0;
    const double lo = 2 * l - hi;
    const double h6 = (hsl.hue / 239.0) * 6;
    const int k = static_cast<int>(h6);
    const double f = h6 - k;
    const double rising = lo + (hi - lo) * f, falling = hi - (hi - lo) * f;
    double r, g, b;
    switch (k) {
    case 1:
        r = falling, g = hi, b = lo;
        break;
    case 2:
        r = lo, g = hi, b = rising;
        break;
    case 3:
        r = lo, g = falling, b = hi;
        break;
    case 4:
        r = rising, g = lo, b = hi;
        break;
    case 5:
        r = hi, g = lo, b = falling;
        break;
    default:
        r = hi, g = rising, b = lo;
        break;
    }
    auto channel = [](double v) { return RoundEven(std::min(v, 1.0) * 255); };
    return Pack(channel(r), channel(g), channel(b));
}

namespace {

// Lightness moved by any amount a stored layout can hold, kept within 0..255: the sum is taken wide, so that
// an amount near the integer's limits cannot wrap round to the other end of the scale.
RgbColor ShiftLightness(RgbColor rgb, std::int64_t by) {
    HslColor hsl = RgbToHsl(rgb);
    hsl.lightness = static_cast<int>(std::clamp<std::int64_t>(hsl.lightness + by, 0, kMaxShadeLightness));
    return HslToRgb(hsl);
}

} // namespace

RgbColor DarkerRgb(RgbColor rgb, int n) {
    return ShiftLightness(rgb, -static_cast<std::int64_t>(n));
}

RgbColor LighterRgb(RgbColor rgb, int n) {
    return ShiftLightness(rgb, n);
}

RgbColor BlendRgb(RgbColor a, RgbColor b, int weight) {
    // The weight is held at single precision; the arithmetic itself runs wider, as it always has.
    const double x = static_cast<double>(static_cast<float>(weight) / 255.0f);
    auto mix = [x](int ca, int cb) { return RoundEven(ca * x + cb * (1 - x)); };
    return Pack(mix(Red(a), Red(b)), mix(Green(a), Green(b)), mix(Blue(a), Blue(b)));
}

} // namespace gl
