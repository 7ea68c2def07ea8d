// Shared pieces of the picture tests: loading bitmaps from bytes, reading their pixels back, the black and
// white palette of the reduction, and checking an exception's class and message at once.
#pragma once

#include "support/BmpWriter.h"

#include "framework/core/Exceptions.h"
#include "framework/core/Streams.h"
#include "framework/graphics/GraphicsBitmap.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gl::bmptest {

// White as a pixel read gives it.
constexpr std::uint32_t kWhite = 0xFFFFFF;

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

// One image of an icon file: a square of `size` pixels at `bitCount` bits; value(x, y) gives the stored
// value (a table index, or 0x00RRGGBB), transparent(x, y) the mask bit.
struct IconImageSpec {
    int size = 16;
    int bitCount = 24;
    std::vector<Rgb> colors;
    std::function<std::uint32_t(int x, int y)> value;
    std::function<bool(int x, int y)> transparent;
};
std::string IconFile(const std::vector<IconImageSpec>& images, std::uint16_t type = 1);

// An enhanced metafile of a frame in hundredths of a millimetre (header and end record only).
std::string EnhancedMetafile(int frameWidth, int frameHeight);
// A placeable old-style metafile with its bounding box in units of `inch` per inch.
std::string PlaceableMetafile(int boxWidth, int boxHeight, int inch);

// A folder of its own under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    // Writes the bytes to a file of that name in the folder and returns its full path.
    std::string Write(const std::string& name, const std::string& bytes) const;
    std::string Path(const std::string& name) const;

private:
    std::string m_path;
};

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
