// sRGB colours to linear light and back.
#include "app/tone/GreyImage.h"

#include <array>
#include <cmath>

namespace gl::tone {

namespace {

float ToLinear(float encoded) {
    return encoded <= 0.04045f ? encoded / 12.92f : std::pow((encoded + 0.055f) / 1.055f, 2.4f);
}

const std::array<float, 256>& LinearTable() {
    static const std::array<float, 256> table = [] {
        std::array<float, 256> values{};
        for (int i = 0; i < 256; ++i)
            values[static_cast<std::size_t>(i)] = ToLinear(static_cast<float>(i) / 255.0f);
        return values;
    }();
    return table;
}

} // namespace

float LinearGrey(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    const auto& linear = LinearTable();
    return 0.2126f * linear[red] + 0.7152f * linear[green] + 0.0722f * linear[blue];
}

float EncodedGrey(float linear) {
    const float encoded =
        linear <= 0.0031308f ? linear * 12.92f : 1.055f * std::pow(linear, 1.0f / 2.4f) - 0.055f;
    return encoded * 255.0f;
}

} // namespace gl::tone
