// Bitmaps after they are read: size, pixel format and palette writes, drawing one bitmap on another, pixel
// reads, sharing and copy on change, and the reduction to black and white end to end.
#include "PictureTestSupport.h"

#include "framework/core/OSErrors.h"
#include "framework/graphics/GraphicsBitmapCanvas.h"
#include "framework/graphics/GraphicsIcon.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Palettes.h"

#include <gtest/gtest.h>

namespace gl::bmptest {
namespace {

constexpr std::uint32_t kInvalid = 0xFFFFFFFF;

// A 4 x 3 picture by columns: black, dark grey, light grey, white; one red pixel in the white column.
std::uint32_t Sample(int x, int y) {
    static const std::uint32_t columns[4] = {0x000000, ColorRef(100, 100, 100), ColorRef(200, 200, 200),
                                             0xFFFFFF};
    return y == 1 && x == 3 ? ColorRef(255, 0, 0) : columns[x];
}

// The colour table of a DIB section, as the platform holds it.
std::vector<std::uint32_t> ColorTable(win::HBITMAP dib) {
    const win::HDC dc = win::CreateCompatibleDC(nullptr);
    const win::HGDIOBJ old = win::SelectObject(dc, dib);
    win::RGBQUAD table[256];
    const win::UINT n = win::GetDIBColorTable(dc, 0, 256, table);
    win::SelectObject(dc, old);
    win::DeleteDC(dc);
    std::vector<std::uint32_t> colors;
    for (win::UINT i = 0; i < n; ++i)
        colors.push_back(ColorRef(table[i].rgbRed, table[i].rgbGreen, table[i].rgbBlue));
    return colors;
}

TEST(BitmapWorkedSequence, ReducesAColourPictureStepByStep) {
    TBitmap source;
    LoadBytes(source, Rgb24File(4, 3, Sample));
    ASSERT_EQ(source.PixelFormat(), pf24bit);

    TBitmap target;
    target.SetWidth(4);
    EXPECT_TRUE(target.Empty()); // no platform bitmap for a width alone
    EXPECT_EQ(target.Width(), 4);
    EXPECT_EQ(target.Height(), 0);

    target.SetHeight(3);
    EXPECT_FALSE(target.Empty());
    EXPECT_EQ(target.PixelFormat(), pfDevice);

    target.SetPixelFormat(pf1bit);
    EXPECT_EQ(target.PixelFormat(), pf1bit);
    EXPECT_EQ(target.Image().Palette(), nullptr);
    EXPECT_EQ(ColorTable(target.Image().DIBHandle()), (std::vector<std::uint32_t>{0, kWhite}));

    const win::HPALETTE palette = BlackWhitePalette();
    target.SetPalette(palette);
    EXPECT_EQ(target.Image().Palette(), palette);
    EXPECT_EQ(ColorTable(target.Image().DIBHandle()), (std::vector<std::uint32_t>{0, kWhite}));
    EXPECT_EQ(Pixels(target), std::vector<std::uint32_t>(12, kWhite));

    target.Canvas().Draw(0, 0, &source);
    // Dark grey (R + G + B = 300) and red (255) go black; light grey (600) stays white.
    const std::vector<std::uint32_t> expected = {0, 0, kWhite, kWhite, 0, 0, kWhite, 0, 0, 0, kWhite, kWhite};
    EXPECT_EQ(Pixels(target), expected);
    EXPECT_EQ(Pixels(source)[5], ColorRef(100, 100, 100)); // the source is untouched

    TBitmap copy;
    copy.Assign(&target);
    EXPECT_EQ(Pixels(copy), expected);
    EXPECT_EQ(PixelAt(copy, 4, 0), kInvalid);
    EXPECT_EQ(PixelAt(copy, 0, 3), kInvalid);
}

TEST(BitmapSize, WidthThenHeightGivesAWhiteBitmap) {
    TBitmap bitmap;
    bitmap.SetWidth(3);
    bitmap.SetWidth(3); // the same value again does nothing
    bitmap.SetHeight(2);
    EXPECT_EQ(bitmap.Width(), 3);
    EXPECT_EQ(bitmap.Height(), 2);
    EXPECT_EQ(Pixels(bitmap), std::vector<std::uint32_t>(6, kWhite));
    // Growing keeps what was there and fills the rest white.
    bitmap.Canvas().SetPixels(0, 0, clBlack);
    bitmap.SetWidth(4);
    EXPECT_EQ(Pixels(bitmap),
              (std::vector<std::uint32_t>{0, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite, kWhite}));
}

TEST(BitmapSize, SizesThatCannotBeHeldFailAsOutOfResources) {
    TBitmap bitmap;
    bitmap.SetWidth(100000);
    EXPECT_THROW(bitmap.SetHeight(100000), EOutOfResources);
    EXPECT_TRUE(bitmap.Empty());
    bitmap.SetPixelFormat(pf24bit);
    EXPECT_THROW(bitmap.SetHeight(100000), EOutOfResources);
}

TEST(BitmapPixels, OneBitFormatThenBlackWhitePaletteIsWhiteEverywhere) {
    TBitmap bitmap;
    bitmap.SetWidth(7);
    bitmap.SetHeight(5);
    bitmap.Canvas(); // a canvas made early fills later rebuilds with its brush: white as well
    bitmap.SetPixelFormat(pf1bit);
    bitmap.SetPalette(BlackWhitePalette());
    EXPECT_EQ(Pixels(bitmap), std::vector<std::uint32_t>(35, kWhite));
    for (auto [x, y] :
         {std::pair{7, 0}, std::pair{0, 5}, std::pair{-1, 2}, std::pair{3, -1}, std::pair{7, 5}})
        EXPECT_EQ(PixelAt(bitmap, x, y), kInvalid) << x << "," << y;
}

TEST(BitmapPixels, PureBlackAndPureWhiteSurviveTheReduction) {
    for (std::uint32_t color : {0u, kWhite}) {
        for (int bitCount : {1, 8, 24, 32}) {
            SCOPED_TRACE(testing::Message() << color << " from " << bitCount << " bits");
            BmpRecipe desc;
            desc.width = 6;
            desc.height = 4;
            desc.bitCount = static_cast<std::uint16_t>(bitCount);
            if (bitCount <= 8) {
                desc.colors = {Rgb{255, 255, 255}, Rgb{0, 0, 0}}; // the other way round from the target
                desc.clrUsed = 2;
                desc.pixels = PackRows(6, 4, bitCount, false, [&](int, int) { return color ? 0u : 1u; });
            } else {
                desc.pixels = PackRows(6, 4, bitCount, false, [&](int, int) { return color; });
            }
            TBitmap source, target;
            LoadBytes(source, MakeBmp(desc));
            Reduce(source, target);
            EXPECT_EQ(Pixels(target), std::vector<std::uint32_t>(24, color));
        }
    }
}

TEST(BitmapPixels, TheThresholdIsTheNearerOfBlackAndWhite) {
    auto reduced = [](std::uint32_t color) {
        TBitmap source, target;
        LoadBytes(source, Rgb24File(1, 1, [&](int, int) { return color; }));
        Reduce(source, target);
        return PixelAt(target, 0, 0);
    };
    EXPECT_EQ(reduced(ColorRef(127, 127, 128)), 0u);     // 382
    EXPECT_EQ(reduced(ColorRef(127, 128, 128)), kWhite); // 383
    EXPECT_EQ(reduced(ColorRef(0, 0, 255)), 0u);
    EXPECT_EQ(reduced(ColorRef(255, 255, 0)), kWhite);
}

TEST(BitmapPixels, EmptyBitmapCanvasReadsInvalidEverywhereAndTakesDrawing) {
    TBitmap empty;
    EXPECT_EQ(PixelAt(empty, 0, 0), kInvalid);
    EXPECT_EQ(PixelAt(empty, 1, 1), kInvalid);
    TBitmap picture;
    LoadBytes(picture, Rgb24File(2, 2, [](int, int) { return 0u; }));
    empty.Canvas().Draw(0, 0, &picture);
    EXPECT_EQ(PixelAt(empty, 0, 0), kInvalid);
    // Drawing an empty graphic changes nothing.
    TBitmap nothing;
    picture.Canvas().Draw(0, 0, &nothing);
    EXPECT_EQ(Pixels(picture), std::vector<std::uint32_t>(4, 0));
}

TEST(BitmapSharing, AssignedBitmapsShareUntilOneChanges) {
    TBitmap a;
    LoadBytes(a, Rgb24File(3, 2, [](int, int) { return kWhite; }));
    TBitmap b;
    b.Assign(&a);
    EXPECT_EQ(&a.Image(), &b.Image());
    EXPECT_EQ(a.Image().RefCount(), 2);
    // Reading pixels copies nothing.
    EXPECT_EQ(Pixels(b), std::vector<std::uint32_t>(6, kWhite));
    EXPECT_EQ(&a.Image(), &b.Image());

    TBitmap black;
    LoadBytes(black, Rgb24File(1, 1, [](int, int) { return 0u; }));
    b.Canvas().Draw(1, 0, &black);
    EXPECT_NE(&a.Image(), &b.Image());
    EXPECT_EQ(Pixels(a), std::vector<std::uint32_t>(6, kWhite));
    EXPECT_EQ(Pixels(b), (std::vector<std::uint32_t>{kWhite, 0, kWhite, kWhite, kWhite, kWhite}));
    EXPECT_EQ(a.Image().RefCount(), 1);

    // Reading the handle makes the image private too.
    TBitmap c;
    c.Assign(&a);
    EXPECT_NE(c.Handle(), a.Image().Handle());
    EXPECT_EQ(Pixels(c), Pixels(a));
}

TEST(BitmapSharing, AssigningNullEmptiesAndOthersAreAskedToAssignThemselves) {
    TBitmap bitmap;
    LoadBytes(bitmap, Rgb24File(2, 2, [](int, int) { return 0u; }));
    bitmap.Assign(nullptr);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    TIcon icon;
    ExpectError<EConvertError>([&] { bitmap.Assign(&icon); }, "Cannot assign a TIcon to a TBitmap");
}

TEST(BitmapFormat, EveryPixelFormatCanBeWrittenAndReadBack) {
    TBitmap original;
    LoadBytes(original, Rgb24File(4, 3, Sample));
    const std::vector<std::uint32_t> colours = Pixels(original);
    const TPixelFormat formats[] = {pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit, pfDevice};
    for (TPixelFormat format : formats) {
        SCOPED_TRACE(format);
        TBitmap bitmap;
        bitmap.Assign(&original);
        bitmap.SetPixelFormat(format);
        EXPECT_EQ(bitmap.PixelFormat(), format);
        EXPECT_EQ(bitmap.HandleType(), format == pfDevice ? bmDDB : bmDIB);
        EXPECT_EQ(bitmap.Width(), 4);
        EXPECT_EQ(bitmap.Height(), 3);
        EXPECT_EQ(PixelAt(bitmap, 0, 0), 0u);
        // Sixteen-bit channels read back shifted up, as the platform widens them.
        const std::uint32_t white = format == pf15bit   ? ColorRef(248, 248, 248)
                                    : format == pf16bit ? ColorRef(248, 252, 248)
                                                        : kWhite;
        EXPECT_EQ(PixelAt(bitmap, 3, 0), white);
        if (format >= pf24bit || format == pfDevice) {
            EXPECT_EQ(Pixels(bitmap), colours);
        }
    }
    EXPECT_EQ(Pixels(original), colours); // every change above was made on a copy
    TBitmap bitmap;
    ExpectError<EInvalidGraphic>([&] { bitmap.SetPixelFormat(pfCustom); }, "Invalid pixel format");
}

TEST(BitmapFormat, TheOneBitTableComesFromTheGivenPaletteInOrder) {
    TBitmap bitmap;
    LoadBytes(bitmap, Rgb24File(2, 1, [](int x, int) { return x ? kWhite : 0u; }));
    bitmap.SetPixelFormat(pf1bit);
    struct {
        win::WORD version = 0x300, count = 2;
        win::PALETTEENTRY entries[2] = {{255, 0, 0, 0}, {0, 0, 255, 0}};
    } record;
    const win::HPALETTE palette = win::CreatePalette(reinterpret_cast<const win::LOGPALETTE*>(&record));
    bitmap.SetPalette(palette);
    EXPECT_EQ(ColorTable(bitmap.Image().DIBHandle()),
              (std::vector<std::uint32_t>{ColorRef(255, 0, 0), ColorRef(0, 0, 255)}));
    EXPECT_TRUE(bitmap.PaletteModified());
    // The bitmap owns the palette: it goes with the bitmap's image.
    bitmap.Assign(nullptr);
    EXPECT_EQ(win::GetObjectType(palette), 0u);
}

TEST(BitmapDraw, StretchesMonochromeAndTransparentSources) {
    TBitmap target;
    LoadBytes(target, Rgb24File(3, 3, [](int, int) { return kWhite; }));
    TBitmap dot;
    LoadBytes(dot, Rgb24File(1, 1, [](int, int) { return ColorRef(0, 0, 255); }));
    target.Canvas().StretchDraw(Rect(0, 0, 2, 2), &dot);
    const std::uint32_t blue = ColorRef(0, 0, 255);
    EXPECT_EQ(Pixels(target),
              (std::vector<std::uint32_t>{blue, blue, kWhite, blue, blue, kWhite, kWhite, kWhite, kWhite}));

    // A transparent source leaves the target where the bottom-left pixel's colour is.
    TBitmap sprite;
    LoadBytes(sprite, Rgb24File(2, 2, [](int x, int y) {
                  return x == 1 && y == 0 ? ColorRef(255, 0, 0) : ColorRef(0, 255, 0);
              }));
    sprite.SetTransparent(true);
    EXPECT_EQ(static_cast<std::uint32_t>(sprite.TransparentColor()), ColorRef(0, 255, 0));
    TBitmap background;
    LoadBytes(background, Rgb24File(2, 2, [](int, int) { return kWhite; }));
    background.Canvas().Draw(0, 0, &sprite);
    EXPECT_EQ(Pixels(background), (std::vector<std::uint32_t>{kWhite, ColorRef(255, 0, 0), kWhite, kWhite}));
}

} // namespace
} // namespace gl::bmptest
