// Bitmaps after they are read: size, pixel format and palette writes, drawing one bitmap on another, pixel
// reads, sharing and copy on change, and the reduction to black and white end to end.
#include "PictureTestSupport.h"

#include "framework/GraphicsBitmapCanvas.h"
#include "framework/MessageTexts.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

#include <gtest/gtest.h>

namespace gl::bmptest {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kInvalid = 0xFFFFFFFF;

// A 4 x 3 picture: the left half pure black, then a dark and a light grey column... by column.
std::uint32_t Sample(int x, int y) {
    static const std::uint32_t columns[4] = {0x000000, ColorRef(100, 100, 100), ColorRef(200, 200, 200),
                                             0xFFFFFF};
    return y == 1 && x == 3 ? ColorRef(255, 0, 0) : columns[x];
}

TEST(BitmapWorkedSequence, ReducesAColourPictureStepByStep) {
    TBitmap source;
    LoadBytes(source, Rgb24File(4, 3, Sample));
    ASSERT_EQ(source.PixelFormat(), pf24bit);

    TBitmap target;
    target.SetWidth(4);
    EXPECT_TRUE(target.Empty());
    EXPECT_EQ(target.Width(), 4);
    EXPECT_EQ(target.Height(), 0);

    target.SetHeight(3);
    EXPECT_FALSE(target.Empty());
    EXPECT_EQ(target.PixelFormat(), pfDevice);

    target.SetPixelFormat(pf1bit);
    EXPECT_EQ(target.PixelFormat(), pf1bit);
    EXPECT_EQ(target.HandleType(), bmDIB);
    EXPECT_EQ(target.Image().Palette(), nullptr);

    const win::HPALETTE palette = BlackWhitePalette();
    target.SetPalette(palette);
    EXPECT_EQ(target.Image().Palette(), palette);
    EXPECT_EQ(Pixels(target), std::vector<std::uint32_t>(12, kWhite));

    target.Canvas().Draw(0, 0, &source);
    // Dark grey (300) and the red pixel (255) go black; light grey (600) stays white.
    const std::vector<std::uint32_t> expected = {0, 0, kWhite, kWhite, 0, 0, kWhite, 0, 0, 0, kWhite, kWhite};
    EXPECT_EQ(Pixels(target), expected);
    EXPECT_EQ(PixelAt(target, 4, 0), kInvalid);
    EXPECT_EQ(PixelAt(target, 0, 3), kInvalid);
    EXPECT_EQ(PixelAt(target, -1, 0), kInvalid);

    TBitmap copy;
    copy.Assign(&target);
    EXPECT_EQ(Pixels(copy), expected);
}

} // namespace
} // namespace gl::bmptest
