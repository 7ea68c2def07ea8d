#include "components/ColorShading.h"

#include <gtest/gtest.h>

#include <climits>

namespace gl {
namespace {

constexpr RgbColor Rgb(int r, int g, int b) {
    return RgbColor(r) | (RgbColor(g) << 8) | (RgbColor(b) << 16);
}

// The worked colours of the buttons and radio buttons pin down the conversion's rounding.
TEST(ColorShading, WorkedShadesAndBlends) {
    EXPECT_EQ(DarkerRgb(Rgb(244, 244, 240), 150), Rgb(96, 96, 70));
    EXPECT_EQ(LighterRgb(Rgb(255, 199, 60), 30), Rgb(255, 219, 123));
    EXPECT_EQ(DarkerRgb(Rgb(255, 199, 60), 30), Rgb(251, 183, 0));

    const RgbColor frame = Rgb(28, 81, 128), highlight = Rgb(33, 161, 33), white = Rgb(255, 255, 255);
    EXPECT_EQ(BlendRgb(frame, white, 128), Rgb(141, 168, 191));
    EXPECT_EQ(BlendRgb(frame, white, 80), Rgb(184, 200, 215));
    EXPECT_EQ(BlendRgb(highlight, white, 153), Rgb(122, 199, 122));
    EXPECT_EQ(BlendRgb(Rgb(255, 219, 123), white, 128), Rgb(255, 237, 189));
}

TEST(ColorShading, ExtremesSaturate) {
    for (int n : {1, 30, 100, 240, 255}) {
        EXPECT_EQ(LighterRgb(Rgb(255, 255, 255), n), Rgb(255, 255, 255)) << n;
        EXPECT_EQ(DarkerRgb(Rgb(0, 0, 0), n), Rgb(0, 0, 0)) << n;
    }
    // Lightness pushed past 240 (up to 255) comes back as white, not as a wrapped colour.
    EXPECT_EQ(LighterRgb(Rgb(200, 200, 200), 100), Rgb(255, 255, 255));
    EXPECT_EQ(HslToRgb(HslColor{80, 240, 250}), Rgb(255, 255, 255));
    // Amounts at the integer's limits neither wrap nor run past either end; a negative one moves the other
    // way.
    const RgbColor lightGrey = Rgb(204, 204, 204);
    EXPECT_EQ(LighterRgb(lightGrey, INT_MAX), Rgb(255, 255, 255));
    EXPECT_EQ(DarkerRgb(lightGrey, INT_MAX), Rgb(0, 0, 0));
    EXPECT_EQ(LighterRgb(lightGrey, INT_MIN), Rgb(0, 0, 0));
    EXPECT_EQ(DarkerRgb(lightGrey, INT_MIN), Rgb(255, 255, 255));
    EXPECT_EQ(LighterRgb(lightGrey, -100), Rgb(98, 98, 98));
    EXPECT_EQ(BlendRgb(Rgb(10, 20, 30), Rgb(200, 100, 0), 255), Rgb(10, 20, 30));
    EXPECT_EQ(BlendRgb(Rgb(10, 20, 30), Rgb(200, 100, 0), 0), Rgb(200, 100, 0));
}

TEST(ColorShading, ConversionRoundTripsGreysAndPrimaries) {
    EXPECT_EQ(RgbToHsl(Rgb(255, 0, 0)).hue, 0);
    EXPECT_EQ(RgbToHsl(Rgb(0, 255, 0)).hue, 80);
    EXPECT_EQ(RgbToHsl(Rgb(0, 0, 255)).hue, 160);
    EXPECT_EQ(RgbToHsl(Rgb(128, 128, 128)).saturation, 0);
    for (int v : {0, 64, 128, 255}) EXPECT_EQ(HslToRgb(RgbToHsl(Rgb(v, v, v))), Rgb(v, v, v)) << v;
}

} // namespace
} // namespace gl
