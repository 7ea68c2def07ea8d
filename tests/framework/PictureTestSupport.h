// Shared pieces of the picture tests: loading bitmaps from bytes, reading their pixels back, the black and
// white palette of the reduction, and checking an exception's class and message at once.
#pragma once

#include "BmpBuilder.h"

#include "framework/Exceptions.h"
#include "framework/GraphicsBitmap.h"
#include "framework/Streams.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gl::bmptest {

inline void LoadBytes(TBitmap& bitmap, const std::string& bytes) {
    TStringStream stream(bytes);
    bitmap.LoadFromStream(stream);
}

// Every pixel as the canvas reads it, row by row from the top.
inline std::vector<std::uint32_t> Pixels(TBitmap& bitmap) {
    std::vector<std::uint32_t> out;
    for (int y = 0; y < bitmap.Height(); ++y)
        for (int x = 0; x < bitmap.Width(); ++x)
            out.push_back(static_cast<std::uint32_t>(bitmap.Canvas().Pixels(x, y)));
    return out;
}

inline std::uint32_t PixelAt(TBitmap& bitmap, int x, int y) {
    return static_cast<std::uint32_t>(bitmap.Canvas().Pixels(x, y));
}

// A logical palette of two entries: black, then white.
win::HPALETTE BlackWhitePalette();

// The reduction of a picture: a new one-bit bitmap of the source's size with the black, white palette, with
// the source drawn on it at (0, 0).
void Reduce(TBitmap& source, TBitmap& target);

// A bitmap file of width x height 24-bit pixels, colour(x, y) given as 0x00BBGGRR.
std::string Rgb24File(int width, int height, const std::function<std::uint32_t(int x, int y)>& color,
                      bool topDown = false);

// Runs `action` and checks that it raises an exception of class E with exactly this message.
template <class E, class F> void ExpectError(F&& action, const std::string& message) {
    try {
        action();
        ADD_FAILURE() << "no exception; expected \"" << message << "\"";
    } catch (const E& e) {
        EXPECT_EQ(e.Message(), message);
    } catch (const Exception& e) {
        ADD_FAILURE() << "wrong class " << e.ClassName() << ": " << e.Message();
    }
}

} // namespace gl::bmptest
