// Run-length data: runs, literal pixels, the escapes, and malformed data that must never write outside.
#include "BitmapSupport.h"

#include "platform/gdi/detail/Rle.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

#include <string>

namespace win {
namespace {

using test::MemDc;

// Decodes into a grid of hex digits ('.' where nothing was written), top row first.
std::string Decode(const std::vector<BYTE>& data, bool fourBit, int w, int h, bool* ended = nullptr) {
    std::string grid(static_cast<std::size_t>(w * h), '.');
    const bool done = DecodeRle(data.data(), data.size(), fourBit, w, h, [&](int x, int y, unsigned index) {
        ASSERT_TRUE(x >= 0 && x < w && y >= 0 && y < h) << x << "," << y;
        grid[static_cast<std::size_t>(y * w + x)] = "0123456789abcdef"[index & 15];
    });
    if (ended) *ended = done;
    std::string rows;
    for (int y = 0; y < h; ++y)
        rows += grid.substr(static_cast<std::size_t>(y * w), static_cast<std::size_t>(w)) + "|";
    return rows;
}

TEST(Rle, EightBitRunsLiteralsAndEscapes) {
    bool ended = false;
    // Bottom row: run of 3 x 1, literal 2 3 4 (padded), end of line; next row: delta (1, 0), run 2 x 5, end.
    const std::vector<BYTE> data = {3, 1, 0, 3, 2, 3, 4, 0, 0, 0, 0, 2, 1, 0, 2, 5, 0, 1};
    EXPECT_EQ(Decode(data, false, 6, 3, &ended), "......|.55...|111234|");
    EXPECT_TRUE(ended);
    // A delta that moves up a row.
    EXPECT_EQ(Decode({1, 7, 0, 2, 2, 1, 1, 8, 0, 1}, false, 4, 2), "...8|7...|");
}

TEST(Rle, FourBitNibblesAlternate) {
    // Run of 5 from the pair (a, b); literal of 3 nibbles 1 2 3 (two bytes, padded to four).
    const std::vector<BYTE> data = {5, 0xAB, 0, 3, 0x12, 0x30, 0, 1};
    EXPECT_EQ(Decode(data, true, 8, 1), "ababa123|");
}

TEST(Rle, MalformedDataStaysInsideTheBitmap) {
    EXPECT_EQ(Decode({10, 9, 0, 1}, false, 4, 1), "9999|") << "a run past the row end is cut";
    EXPECT_EQ(Decode({0, 2, 200, 200, 1, 9}, false, 3, 2), "...|...|") << "a delta out of the bitmap ends it";
    EXPECT_EQ(Decode({1, 1, 0, 0, 1, 2, 0, 0, 1, 3}, false, 2, 2), "2.|1.|")
        << "rows past the top are dropped";
    bool ended = true;
    EXPECT_EQ(Decode({0, 5, 1, 2}, false, 5, 1, &ended), "12...|") << "a literal cut short";
    EXPECT_FALSE(ended);
    EXPECT_EQ(Decode({0, 2, 7}, false, 2, 1), "..|") << "a delta without its bytes";
    EXPECT_EQ(Decode({2}, false, 2, 1), "..|") << "half a pair";
    EXPECT_EQ(Decode({}, false, 2, 1), "..|");
    // Very long rows of runs cannot push the column past the width.
    std::vector<BYTE> many;
    for (int i = 0; i < 20000; ++i) many.insert(many.end(), {255, 1});
    EXPECT_EQ(Decode(many, false, 3, 1), "111|");
}

// CreateDIBitmap with run-length data: a device-dependent bitmap of the decoded colours.
TEST(Rle, CreateDIBitmapDecodesIntoADeviceBitmap) {
    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[256];
    } info{};
    info.h.biSize = sizeof(BITMAPINFOHEADER);
    info.h.biWidth = 3;
    info.h.biHeight = 2;
    info.h.biPlanes = 1;
    info.h.biBitCount = 8;
    info.h.biCompression = BI_RLE8;
    info.colors[1] = RGBQUAD{0, 0, 255, 0}; // red
    info.colors[2] = RGBQUAD{255, 0, 0, 0}; // blue
    const BYTE data[] = {3, 1, 0, 0, 0, 2, 1, 0, 2, 2, 0, 1};
    info.h.biSizeImage = sizeof data;
    const BITMAPINFO* bmi = reinterpret_cast<const BITMAPINFO*>(&info);
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateDIBitmap(screen, &info.h, CBM_INIT, data, bmi, DIB_RGB_COLORS);
    ASSERT_NE(bitmap, nullptr);
    BITMAP record{};
    ASSERT_EQ(GetObject(bitmap, sizeof record, &record), static_cast<int>(sizeof record));
    EXPECT_EQ(record.bmBitsPixel, 32);
    EXPECT_EQ(record.bmBits, nullptr);
    {
        MemDc m(bitmap);
        EXPECT_EQ(GetPixel(m.dc, 0, 1), RGB(255, 0, 0)) << "the first row of the data is the bottom one";
        EXPECT_EQ(GetPixel(m.dc, 0, 0), 0u) << "skipped by the delta: black";
        EXPECT_EQ(GetPixel(m.dc, 2, 0), RGB(0, 0, 255));
    }
    info.h.biSizeImage = 0;
    SetLastError(0);
    EXPECT_EQ(CreateDIBitmap(screen, &info.h, CBM_INIT, data, bmi, DIB_RGB_COLORS), nullptr)
        << "without the data's length nothing is read";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    info.h.biSizeImage = sizeof data;
    info.h.biHeight = -2;
    EXPECT_EQ(CreateDIBitmap(screen, &info.h, CBM_INIT, data, bmi, DIB_RGB_COLORS), nullptr)
        << "run-length data is always bottom-up";
    info.h.biHeight = 2;
    info.h.biBitCount = 4;
    EXPECT_EQ(CreateDIBitmap(screen, &info.h, CBM_INIT, data, bmi, DIB_RGB_COLORS), nullptr)
        << "RLE8 needs eight bits per pixel";
    ReleaseDC(nullptr, screen);
}

} // namespace
} // namespace win
