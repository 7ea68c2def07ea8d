// Reading bitmap files: every header kind and bit count, masks, row order, run-length data and its byte-exact
// saving, where the pixels start, and every failure with its exact message (the previous picture stays).
#include "PictureTestSupport.h"

#include "framework/core/MessageTexts.h"
#include "framework/core/OSErrors.h"

#include <gtest/gtest.h>

namespace gl::bmptest {
namespace {

constexpr int kW = 5, kH = 3; // an odd width, so that rows need padding

// A table of n distinct colours.
std::vector<Rgb> Table(int n) {
    std::vector<Rgb> table;
    for (int i = 0; i < n; ++i)
        table.push_back(Rgb{static_cast<std::uint8_t>(i * 37 % 256), static_cast<std::uint8_t>(255 - i),
                            static_cast<std::uint8_t>(i * 3 % 256)});
    return table;
}

std::uint32_t Index(int x, int y, int bitCount) {
    return static_cast<std::uint32_t>(x * 7 + y * 3) % (1u << bitCount);
}

// A kW x kH picture of the bit count under the header kind, with the colours a read should give.
std::string Picture(std::uint32_t headerSize, int bitCount, bool topDown,
                    std::vector<std::uint32_t>& expected) {
    BmpRecipe desc;
    desc.headerSize = headerSize;
    desc.width = kW;
    desc.height = topDown ? -kH : kH;
    desc.bitCount = static_cast<std::uint16_t>(bitCount);
    expected.clear();
    if (bitCount <= 8) {
        desc.colors = Table(1 << bitCount);
        desc.pixels =
            PackRows(kW, kH, bitCount, topDown, [&](int x, int y) { return Index(x, y, bitCount); });
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                const Rgb c = desc.colors[Index(x, y, bitCount)];
                expected.push_back(ColorRef(c.r, c.g, c.b));
            }
    } else {
        auto rgb = [](int x, int y) {
            return Rgb{std::uint8_t(x * 40), std::uint8_t(y * 80), std::uint8_t(200 - x * 8)};
        };
        desc.pixels = PackRows(kW, kH, bitCount, topDown, [&](int x, int y) -> std::uint32_t {
            const Rgb c = rgb(x, y);
            if (bitCount == 16)
                return (std::uint32_t(c.r >> 3) << 10) | (std::uint32_t(c.g >> 3) << 5) | (c.b >> 3);
            return Bgr(c.r, c.g, c.b);
        });
        for (int y = 0; y < kH; ++y)
            for (int x = 0; x < kW; ++x) {
                Rgb c = rgb(x, y);
                if (bitCount == 16)
                    c = Rgb{std::uint8_t(c.r & 0xF8), std::uint8_t(c.g & 0xF8), std::uint8_t(c.b & 0xF8)};
                expected.push_back(ColorRef(c.r, c.g, c.b));
            }
    }
    return MakeBmp(desc);
}

TEST(BitmapRead, EveryHeaderKindAndBitCount) {
    const std::pair<int, TPixelFormat> formats[] = {{1, pf1bit},   {4, pf4bit},   {8, pf8bit},
                                                    {16, pf15bit}, {24, pf24bit}, {32, pf32bit}};
    for (std::uint32_t headerSize : {12u, 40u, 108u, 124u}) {
        for (const auto& [bitCount, format] : formats) {
            SCOPED_TRACE(testing::Message() << "header " << headerSize << ", " << bitCount << " bits");
            std::vector<std::uint32_t> expected;
            TBitmap bitmap;
            LoadBytes(bitmap, Picture(headerSize, bitCount, false, expected));
            EXPECT_EQ(bitmap.Width(), kW);
            EXPECT_EQ(bitmap.Height(), kH);
            EXPECT_EQ(bitmap.PixelFormat(), format);
            EXPECT_EQ(bitmap.Image().CoreHeader(), headerSize == 12);
            EXPECT_EQ(Pixels(bitmap), expected);
        }
    }
}

TEST(BitmapRead, TopDownRowsReadLikeBottomUpOnes) {
    for (int bitCount : {1, 8, 24}) {
        SCOPED_TRACE(bitCount);
        std::vector<std::uint32_t> expectedUp, expectedDown;
        TBitmap up, down;
        LoadBytes(up, Picture(40, bitCount, false, expectedUp));
        LoadBytes(down, Picture(40, bitCount, true, expectedDown));
        EXPECT_EQ(down.Height(), kH);
        EXPECT_EQ(Pixels(down), expectedDown);
        EXPECT_EQ(Pixels(up), Pixels(down));
    }
}

TEST(BitmapRead, BitFieldMasksAfterA40ByteHeaderAndInsideLargerOnes) {
    // 5-6-5 after a 40-byte header: a sixteen-bit format.
    BmpRecipe desc;
    desc.width = 2;
    desc.bitCount = 16;
    desc.compression = 3;
    desc.masks = {0xF800, 0x07E0, 0x001F};
    desc.pixels = PackRows(2, 1, 16, false, [](int x, int) { return x == 0 ? 0xF800u : 0x07E0u | 0x001Fu; });
    TBitmap sixteen;
    LoadBytes(sixteen, MakeBmp(desc));
    EXPECT_EQ(sixteen.PixelFormat(), pf16bit);
    EXPECT_EQ(Pixels(sixteen), (std::vector<std::uint32_t>{ColorRef(248, 0, 0), ColorRef(0, 252, 248)}));

    // 32 bits with the channels in an unusual order, after the header and inside a 108-byte one.
    for (std::uint32_t headerSize : {40u, 108u, 124u}) {
        SCOPED_TRACE(headerSize);
        BmpRecipe wide;
        wide.headerSize = headerSize;
        wide.width = 1;
        wide.bitCount = 32;
        wide.compression = 3;
        wide.masks = {0x0000FF00, 0x00FF0000, 0xFF000000};
        wide.pixels =
            PackRows(1, 1, 32, false, [](int, int) { return 0x11223344u; }); // r 0x33, g 0x22, b 0x11
        TBitmap bitmap;
        LoadBytes(bitmap, MakeBmp(wide));
        EXPECT_EQ(PixelAt(bitmap, 0, 0), ColorRef(0x33, 0x22, 0x11));
        EXPECT_EQ(bitmap.PixelFormat(), pfCustom);
    }
}

// A 4 x 2 run-length picture: the bottom row one run of colour 1, the top row literal colours 0..3.
std::string RunLength8() {
    BmpRecipe desc;
    desc.width = 4;
    desc.height = 2;
    desc.bitCount = 8;
    desc.compression = 1;
    desc.clrUsed = 4;
    desc.colors = {Rgb{0, 0, 0}, Rgb{255, 0, 0}, Rgb{0, 255, 0}, Rgb{0, 0, 255}};
    Bytes data;
    data.U8(4).U8(1).U8(0).U8(0);                         // run, end of line
    data.U8(0).U8(4).U8(0).U8(1).U8(2).U8(3).U8(0).U8(0); // literal, end of line
    data.U8(0).U8(1);                                     // end of bitmap
    desc.pixels = data.Data();
    desc.sizeImage = static_cast<std::uint32_t>(data.Size());
    return MakeBmp(desc);
}

TEST(BitmapRead, RunLengthDataLoadsAndSavesBackByteForByteUntilChanged) {
    const std::string file = RunLength8();
    TBitmap bitmap;
    LoadBytes(bitmap, file);
    EXPECT_EQ(bitmap.PixelFormat(), pfDevice);
    const std::uint32_t red = ColorRef(255, 0, 0);
    EXPECT_EQ(Pixels(bitmap), (std::vector<std::uint32_t>{0, red, ColorRef(0, 255, 0), ColorRef(0, 0, 255),
                                                          red, red, red, red}));
    TStringStream saved;
    bitmap.SaveToStream(saved);
    EXPECT_EQ(saved.DataString(), file);

    // A bitmap sharing the image saves the same; drawing on the original makes it a plain bitmap file.
    TBitmap shared;
    shared.Assign(&bitmap);
    bitmap.Canvas().SetPixels(0, 0, clWhite);
    TStringStream changed, unchanged;
    bitmap.SaveToStream(changed);
    shared.SaveToStream(unchanged);
    EXPECT_EQ(unchanged.DataString(), file);
    EXPECT_NE(changed.DataString(), file);
    TBitmap reloaded;
    LoadBytes(reloaded, changed.DataString());
    EXPECT_EQ(PixelAt(reloaded, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(PixelAt(reloaded, 1, 0), red);
}

TEST(BitmapRead, FourBitRunLength) {
    BmpRecipe desc;
    desc.width = 5;
    desc.bitCount = 4;
    desc.compression = 2;
    desc.colors = Table(16);
    Bytes data;
    data.U8(5).U8(0x12).U8(0).U8(1); // five pixels alternating colours 1 and 2, end of bitmap
    desc.pixels = data.Data();
    TBitmap bitmap;
    LoadBytes(bitmap, MakeBmp(desc));
    const Rgb one = desc.colors[1], two = desc.colors[2];
    const std::uint32_t a = ColorRef(one.r, one.g, one.b), b = ColorRef(two.r, two.g, two.b);
    EXPECT_EQ(Pixels(bitmap), (std::vector<std::uint32_t>{a, b, a, b, a}));
}

TEST(BitmapRead, PixelsStartWhereTheFileHeaderSaysPastTheColourTable) {
    auto desc = [](std::uint32_t gap, std::int64_t offBits) {
        BmpRecipe s;
        s.width = 2;
        s.bitCount = 8;
        s.clrUsed = 2;
        s.colors = {Rgb{10, 20, 30}, Rgb{200, 100, 0}};
        s.pixels = PackRows(2, 1, 8, false, [](int x, int) { return std::uint32_t(x); });
        s.gap = gap;
        s.offBits = offBits;
        return s;
    };
    const std::vector<std::uint32_t> expected = {ColorRef(10, 20, 30), ColorRef(200, 100, 0)};
    // A gap (padding, colour-space data) is skipped.
    TBitmap gap;
    LoadBytes(gap, MakeBmp(desc(16, -1)));
    EXPECT_EQ(Pixels(gap), expected);
    // Offsets inside the header or table, or past the data, fall back to reading right after the table.
    for (std::int64_t offset : {std::int64_t(0), std::int64_t(14 + 40 + 4), std::int64_t(100000)}) {
        SCOPED_TRACE(offset);
        TBitmap bitmap;
        LoadBytes(bitmap, MakeBmp(desc(0, offset)));
        EXPECT_EQ(Pixels(bitmap), expected);
    }
    // A 24-bit picture with colour-space padding in front of its pixels.
    BmpRecipe deep;
    deep.width = 1;
    deep.gap = 68;
    deep.pixels = PackRows(1, 1, 24, false, [](int, int) { return Bgr(1, 2, 3); });
    TBitmap bitmap;
    LoadBytes(bitmap, MakeBmp(deep));
    EXPECT_EQ(PixelAt(bitmap, 0, 0), ColorRef(1, 2, 3));
}

TEST(BitmapRead, EmptyStreamGivesAnEmptyBitmap) {
    TBitmap bitmap;
    LoadBytes(bitmap, Rgb24File(2, 2, [](int, int) { return 0u; }));
    TStringStream stream("ignored");
    stream.SetPosition(7);
    bitmap.LoadFromStream(stream);
    EXPECT_TRUE(bitmap.Empty());
    EXPECT_EQ(bitmap.Width(), 0);
    EXPECT_EQ(bitmap.Height(), 0);
}

TEST(BitmapRead, ShortOrTruncatedDataFailsWithReadError) {
    BmpRecipe base;
    base.width = 2;
    base.bitCount = 8;
    base.colors = Table(256);
    base.pixels = std::string(8, '\1');
    const std::string whole = MakeBmp(base);
    TBitmap bitmap;
    LoadBytes(bitmap, Rgb24File(3, 3, [](int, int) { return 0u; }));
    for (std::size_t length :
         {std::size_t(1), std::size_t(13), std::size_t(16), std::size_t(30), std::size_t(14 + 40 + 100)}) {
        SCOPED_TRACE(length);
        ExpectError<EReadError>([&] { LoadBytes(bitmap, whole.substr(0, length)); }, "Stream read error");
        EXPECT_EQ(bitmap.Width(), 3); // the previous picture stays
    }
    BmpRecipe core = base;
    core.headerSize = 12;
    ExpectError<EReadError>([&] { LoadBytes(bitmap, MakeBmp(core).substr(0, 14 + 8)); }, "Stream read error");
}

TEST(BitmapRead, MalformedHeadersFailAsInvalidBitmaps) {
    auto invalid = [](BmpRecipe desc, std::string bytes = {}) {
        TBitmap bitmap;
        LoadBytes(bitmap, Rgb24File(3, 3, [](int, int) { return 0u; }));
        ExpectError<EInvalidGraphic>([&] { LoadBytes(bitmap, bytes.empty() ? MakeBmp(desc) : bytes); },
                                     "Bitmap image is not valid");
        EXPECT_EQ(bitmap.Width(), 3);
    };
    BmpRecipe ok;
    ok.width = 1;
    ok.pixels = std::string(4, '\0');
    std::string notBm = MakeBmp(ok);
    notBm[0] = 'X';
    invalid(ok, notBm);
    BmpRecipe planes = ok;
    planes.planes = 2;
    invalid(planes);
    BmpRecipe tooManyColors = ok;
    tooManyColors.bitCount = 8;
    tooManyColors.clrUsed = 257;
    tooManyColors.colors = Table(257);
    invalid(tooManyColors);
    for (std::uint32_t headerSize : {0u, 16u, 39u}) {
        BmpRecipe small = ok;
        small.headerSize = headerSize;
        invalid(small);
    }
    for (std::uint32_t compression : {4u, 5u, 6u, 0x10000u}) {
        BmpRecipe compressed = ok;
        compressed.compression = compression;
        invalid(compressed);
    }
}

// 8-bit run-length data of two bytes: the end of the picture at once.
BmpRecipe EndOnlyRuns(std::int32_t width, std::int32_t height) {
    BmpRecipe runs;
    runs.width = width;
    runs.height = height;
    runs.bitCount = 8;
    runs.compression = 1;
    runs.colors = Table(256);
    runs.pixels = std::string("\0\1", 2);
    return runs;
}

TEST(BitmapRead, SectionsThePlatformRefusesFailWithItsErrorCode) {
    auto osError = [](BmpRecipe desc, std::uint32_t code) {
        TBitmap bitmap;
        try {
            LoadBytes(bitmap, MakeBmp(desc));
            ADD_FAILURE() << "no exception";
        } catch (const EOSError& e) {
            EXPECT_EQ(e.ErrorCode(), code);
            EXPECT_EQ(e.Message(),
                      "System Error.  Code: " + std::to_string(code) + ".\r\n" + SysErrorMessage(code));
        }
        EXPECT_TRUE(bitmap.Empty());
    };
    BmpRecipe twoBits;
    twoBits.bitCount = 2;
    twoBits.colors = Table(4);
    twoBits.pixels = std::string(4, '\0');
    osError(twoBits, 87);
    BmpRecipe noWidth;
    noWidth.width = 0;
    osError(noWidth, 87);
    // Run-length data claiming far more pixels than it could fill: refused as memory, never allocated. Two
    // bytes fill at most 255 pixels, and 16 Mi pixels may stay unfilled.
    osError(EndOnlyRuns(20000, 20000), 8);
    osError(EndOnlyRuns(16777216 + 256 + 1, 1), 8);
}

TEST(BitmapRead, RunLengthPicturesMayLeaveSixteenMebipixelsUnfilled) {
    TBitmap bitmap;
    LoadBytes(bitmap, MakeBmp(EndOnlyRuns(16777216 + 256, 1))); // two bytes could fill 256 of the pixels
    EXPECT_EQ(bitmap.Width(), 16777472);
    EXPECT_EQ(bitmap.Height(), 1);
}

TEST(BitmapRead, PixelsCutShortFailWithReadError) {
    BmpRecipe desc;
    desc.width = 2;
    desc.height = 2;
    desc.pixels = std::string(16, '\x7F'); // two rows of 2 x 3 bytes, each padded to 8
    const std::string whole = MakeBmp(desc);
    TBitmap bitmap;
    LoadBytes(bitmap, Rgb24File(3, 3, [](int, int) { return 0u; }));
    for (std::size_t cut : {std::size_t(1), std::size_t(8), std::size_t(15)}) {
        SCOPED_TRACE(cut);
        ExpectError<EReadError>([&] { LoadBytes(bitmap, whole.substr(0, whole.size() - cut)); },
                                "Stream read error");
        EXPECT_EQ(bitmap.Width(), 3); // the previous picture stays
    }
    // A few bytes claiming a gigantic one-bit picture fail the same way, before anything is allocated.
    BmpRecipe huge;
    huge.width = huge.height = 23168;
    huge.bitCount = 1;
    huge.colors = {Rgb{0, 0, 0}, Rgb{255, 255, 255}};
    const std::string tiny = MakeBmp(huge);
    EXPECT_EQ(tiny.size(), 62u);
    ExpectError<EReadError>([&] { LoadBytes(bitmap, tiny); }, "Stream read error");
}

TEST(BitmapRead, TheImageSizeFieldNeitherShortensNorPadsThePixels) {
    BmpRecipe desc;
    desc.width = 2;
    desc.height = 2;
    desc.pixels = std::string(16, '\x7F');
    TBitmap bitmap;
    // A padded field larger than the data: the data holds every row, so it loads.
    desc.sizeImage = 4096;
    LoadBytes(bitmap, MakeBmp(desc));
    EXPECT_EQ(Pixels(bitmap), std::vector<std::uint32_t>(4, 0x7F7F7Fu));
    // A field smaller than the rows: every row is read all the same.
    desc.sizeImage = 8;
    LoadBytes(bitmap, MakeBmp(desc));
    EXPECT_EQ(Pixels(bitmap), std::vector<std::uint32_t>(4, 0x7F7F7Fu));
    // More data than the picture needs: the section takes its own size.
    desc.sizeImage = 0;
    desc.pixels = std::string(4096, '\x7F');
    LoadBytes(bitmap, MakeBmp(desc));
    EXPECT_EQ(Pixels(bitmap), std::vector<std::uint32_t>(4, 0x7F7F7Fu));
}

TEST(BitmapRead, SavedFilesReadBackToTheSamePixels) {
    for (int bitCount : {1, 4, 8, 16, 24, 32}) {
        for (bool topDown : {false, true}) {
            SCOPED_TRACE(testing::Message() << bitCount << " bits, top-down " << topDown);
            std::vector<std::uint32_t> expected;
            TBitmap bitmap;
            LoadBytes(bitmap, Picture(40, bitCount, topDown, expected));
            TStringStream saved;
            bitmap.SaveToStream(saved);
            TBitmap again;
            LoadBytes(again, saved.DataString());
            EXPECT_EQ(Pixels(again), expected);
            EXPECT_TRUE(bitmap.Equals(&again));
        }
    }
}

std::uint32_t U32At(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return v;
}

TEST(BitmapRead, SavedColoursUsedNamesTheTableThatIsWritten) {
    struct Case {
        int bitCount;
        std::uint32_t clrUsed, tableEntries; // in the file read
        std::uint32_t savedClrUsed, savedOffBits;
    };
    for (const Case& c : {Case{24, 256, 256, 0, 54}, Case{32, 3, 3, 0, 54}, Case{1, 256, 256, 0, 62},
                          Case{8, 3, 3, 3, 66}, Case{4, 0, 16, 0, 118}}) {
        SCOPED_TRACE(testing::Message() << c.bitCount << " bits, " << c.clrUsed << " colours used");
        BmpRecipe desc;
        desc.width = 3;
        desc.height = 2;
        desc.bitCount = static_cast<std::uint16_t>(c.bitCount);
        desc.clrUsed = c.clrUsed;
        desc.colors = Table(static_cast<int>(c.tableEntries));
        desc.pixels = PackRows(3, 2, c.bitCount, false, [&](int x, int y) -> std::uint32_t {
            return c.bitCount > 8
                       ? 0x102030u * static_cast<std::uint32_t>(x + 1) + static_cast<std::uint32_t>(y)
                       : static_cast<std::uint32_t>(x + y) % std::min(c.tableEntries, 3u);
        });
        TBitmap bitmap;
        LoadBytes(bitmap, MakeBmp(desc));
        const std::vector<std::uint32_t> pixels = Pixels(bitmap);
        TStringStream saved;
        bitmap.SaveToStream(saved);
        EXPECT_EQ(U32At(saved.DataString(), 10), c.savedOffBits);
        EXPECT_EQ(U32At(saved.DataString(), 14 + 32), c.savedClrUsed);
        TBitmap again;
        LoadBytes(again, saved.DataString());
        EXPECT_EQ(Pixels(again), pixels);
    }
}

TEST(BitmapRead, StoredDataCarriesItsLength) {
    TBitmap bitmap;
    LoadBytes(bitmap, Rgb24File(2, 1, [](int x, int) { return x ? 0xFFFFFFu : 0u; }));
    TMemoryStream data;
    bitmap.WriteData(data);
    data.WriteBuffer("tail", 4); // what follows in a stored form is not part of the bitmap
    data.SetPosition(0);
    TBitmap again;
    again.ReadData(data);
    EXPECT_EQ(Pixels(again), (std::vector<std::uint32_t>{0, 0xFFFFFF}));
    EXPECT_EQ(data.Position(), data.Size() - 4);
}

} // namespace
} // namespace gl::bmptest
