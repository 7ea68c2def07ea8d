// Icons and metafiles: header checks at load, icons decoded on first need (the image suiting the size) and
// drawn through their masks, metafile sizes, sharing, and writing back what was read.
#include "PictureTestSupport.h"

#include "framework/core/MessageTexts.h"
#include "framework/graphics/GraphicsIcon.h"
#include "framework/graphics/GraphicsMetafile.h"

#include <gtest/gtest.h>

namespace gl::bmptest {
namespace {

// Two images: 16 x 16 at 4 bits (colour 1 = red) and 32 x 32 at 24 bits (blue); the left quarter of each
// transparent.
std::string TwoSizeIcon() {
    IconImageSpec small;
    small.size = 16;
    small.bitCount = 4;
    small.colors = {Rgb{0, 0, 0}, Rgb{255, 0, 0}};
    small.value = [](int, int) { return 1u; };
    small.transparent = [](int x, int) { return x < 4; };
    IconImageSpec large;
    large.size = 32;
    large.bitCount = 24;
    large.value = [](int, int) { return Bgr(0, 0, 255); };
    large.transparent = [](int x, int) { return x < 8; };
    return IconFile({small, large});
}

void LoadIconInto(TIcon& icon, const std::string& bytes) {
    TStringStream stream(bytes);
    icon.LoadFromStream(stream);
}

void MakeWhite(TBitmap& bitmap, int width, int height) {
    LoadBytes(bitmap, Rgb24File(width, height, [](int, int) { return kWhite; }));
}

TEST(Icon, DecodesTheImageSuitingTheSizeWhenFirstDrawn) {
    TIcon icon;
    LoadIconInto(icon, TwoSizeIcon());
    EXPECT_FALSE(icon.Empty());
    EXPECT_TRUE(icon.Transparent());
    EXPECT_FALSE(icon.HandleAllocated());
    EXPECT_EQ(icon.Width(), 32); // the system's icon size, before anything is decoded
    TBitmap canvas;
    LoadBytes(canvas, Rgb24File(40, 40, [](int, int) { return kWhite; }));
    canvas.Canvas().Draw(4, 4, &icon);
    EXPECT_TRUE(icon.HandleAllocated());
    EXPECT_EQ(icon.Width(), 32);
    const std::uint32_t blue = ColorRef(0, 0, 255);
    EXPECT_EQ(PixelAt(canvas, 4 + 7, 10), kWhite); // transparent
    EXPECT_EQ(PixelAt(canvas, 4 + 8, 10), blue);
    EXPECT_EQ(PixelAt(canvas, 4 + 31, 4 + 31), blue);
    EXPECT_EQ(PixelAt(canvas, 4 + 32, 10), kWhite);
    ExpectError<EInvalidGraphicOperation>([&] { icon.SetWidth(16); }, "Cannot change the size of an icon");

    // Asked for 16 before it is decoded, the small image is taken.
    TIcon small;
    LoadIconInto(small, TwoSizeIcon());
    small.SetWidth(16);
    small.SetHeight(16);
    small.HandleNeeded();
    EXPECT_EQ(small.Width(), 16);
    TBitmap other;
    LoadBytes(other, Rgb24File(20, 20, [](int, int) { return kWhite; }));
    other.Canvas().Draw(0, 0, &small);
    EXPECT_EQ(PixelAt(other, 3, 0), kWhite);
    EXPECT_EQ(PixelAt(other, 4, 0), ColorRef(255, 0, 0));
}

TEST(Icon, HeaderChecksAtLoadAndDirectoryChecksWhenDecoded) {
    TIcon icon;
    LoadIconInto(icon, TwoSizeIcon());
    ExpectError<EReadError>([&] { LoadIconInto(icon, std::string("\0\0\1\0", 4)); }, "Stream read error");
    ExpectError<EInvalidGraphic>([&] { LoadIconInto(icon, std::string("\0\0\2\0\1\0", 6)); },
                                 "Icon image is not valid");
    EXPECT_EQ(icon.Image().MemoryImage()->DataSize(), TwoSizeIcon().size()); // the failures kept the icon

    // A header that names an icon loads; a directory that does not hold together fails once drawn.
    std::string broken = TwoSizeIcon();
    broken[4] = broken[5] = '\xFF'; // more entries than the file holds
    IconImageSpec one;
    one.value = [](int, int) { return 0u; };
    one.transparent = [](int, int) { return false; };
    std::string png = IconFile({one});
    png.replace(6 + 16, 8, "\x89PNG\r\n\x1A\n"); // a compressed image
    std::string outside = TwoSizeIcon();
    outside[6 + 16 + 12] = '\x7F'; // the large image's offset far past the end
    outside[6 + 16 + 15] = '\x7F';
    for (const std::string& bytes : {broken, png, outside}) {
        TIcon bad;
        LoadIconInto(bad, bytes);
        TBitmap target;
        MakeWhite(target, 4, 4);
        ExpectError<EInvalidGraphic>([&] { target.Canvas().Draw(0, 0, &bad); }, "Icon image is not valid");
    }
    // Type 0 stands for the stock icon.
    TIcon stock;
    LoadIconInto(stock, std::string("\0\0\0\0\0\0", 6));
    stock.HandleNeeded();
    EXPECT_EQ(stock.Width(), 32);
}

TEST(Icon, SharesItsImageAndWritesBackWhatWasRead) {
    TIcon icon;
    LoadIconInto(icon, TwoSizeIcon());
    TIcon copy;
    copy.Assign(&icon);
    EXPECT_EQ(&copy.Image(), &icon.Image());
    TStringStream saved;
    copy.SaveToStream(saved);
    EXPECT_EQ(saved.DataString(), TwoSizeIcon());
    copy.Assign(nullptr);
    EXPECT_TRUE(copy.Empty());
    ExpectError<EInvalidGraphic>(
        [&] {
            std::uint16_t format;
            win::HANDLE data;
            win::HPALETTE palette;
            icon.SaveToClipboardFormat(format, data, palette);
        },
        "Clipboard does not support Icons");
}

TEST(Metafile, EnhancedAndPlaceableFilesGiveTheirSize) {
    TMetafile enhanced;
    TStringStream emf(EnhancedMetafile(2540, 1270)); // one inch by half an inch
    enhanced.LoadFromStream(emf);
    EXPECT_TRUE(enhanced.Enhanced());
    EXPECT_EQ(enhanced.Width(), 96);
    EXPECT_EQ(enhanced.Height(), 48);
    TStringStream saved;
    enhanced.SaveToStream(saved);
    EXPECT_EQ(saved.DataString(), EnhancedMetafile(2540, 1270));

    TMetafile placeable;
    TStringStream wmf(PlaceableMetafile(300, 150, 96));
    placeable.LoadFromStream(wmf);
    EXPECT_FALSE(placeable.Enhanced());
    EXPECT_EQ(placeable.Width(), 300);
    EXPECT_EQ(placeable.Height(), 150);
    EXPECT_EQ(placeable.MMWidth(), 7938);
    TStringStream wmfSaved;
    placeable.SaveToStream(wmfSaved);
    EXPECT_EQ(wmfSaved.DataString(), PlaceableMetafile(300, 150, 96));
    TMetafile inch0;
    TStringStream zero(PlaceableMetafile(96, 48, 0)); // no units per inch: 96 is taken
    inch0.LoadFromStream(zero);
    EXPECT_EQ(inch0.Width(), 96);

    // The metafile shows nothing; drawing it leaves the target alone.
    TBitmap target;
    MakeWhite(target, 3, 3);
    target.Canvas().Draw(0, 0, &placeable);
    EXPECT_EQ(Pixels(target), std::vector<std::uint32_t>(9, kWhite));
}

TEST(Metafile, InvalidOrShortDataFails) {
    std::string badKey = PlaceableMetafile(10, 10, 96);
    badKey[0] = 0;
    std::string badSum = PlaceableMetafile(10, 10, 96);
    badSum[20] ^= 1;
    std::string badInner = PlaceableMetafile(10, 10, 96);
    badInner[22 + 2] = 5; // the inner header's size in words
    for (const std::string& bytes : {badKey, badSum, badInner, std::string(10, '\0'), std::string()}) {
        TMetafile metafile;
        TStringStream stream(bytes);
        ExpectError<EInvalidGraphic>([&] { metafile.LoadFromStream(stream); }, "Metafile is not valid");
        EXPECT_TRUE(metafile.Empty());
    }
    std::string shortEmf = EnhancedMetafile(100, 100);
    shortEmf.resize(110);
    TMetafile metafile;
    TStringStream stream(shortEmf);
    ExpectError<EReadError>([&] { metafile.LoadFromStream(stream); }, "Stream read error");
}

} // namespace
} // namespace gl::bmptest
