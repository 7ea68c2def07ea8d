// Copies of colour pictures into one-bit bitmaps: the nearest-entry rule on every path, its tie rule, tables
// in either order, and halftone dithering only into palette targets.
#include "BitmapSupport.h"

#include "platform/gdi/Blit.h"
#include "platform/gdi/Palettes.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::Dib;
using test::kQuadBlack;
using test::kQuadWhite;
using test::MakeDib;
using test::MemDc;

// A fixed spread of colours: every sum of r + g + b near the black/white boundary, plus pseudo-random ones.
COLORREF SampleColor(int x, int y) {
    const int i = y * 64 + x;
    if (i < 64) { // sums 350 .. 413 spread over the three channels
        const int sum = 350 + i;
        const int r = std::min(255, sum), g = std::min(255, sum - r), b = sum - r - g;
        return RGB(b, r, g);
    }
    unsigned v = static_cast<unsigned>(i) * 2654435761u;
    v ^= v >> 13;
    return RGB(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

COLORREF ExpectedBlackWhite(COLORREF c) {
    return GetRValue(c) + GetGValue(c) + GetBValue(c) <= 382 ? RGB(0, 0, 0) : RGB(255, 255, 255);
}

// Copies a picture of the given depth into a one-bit black, white DIB and checks every pixel.
void CheckReduction(int sourceBits, bool stretch, const DWORD* masks = nullptr) {
    const int w = 64, h = 16;
    std::vector<RGBQUAD> table;
    if (sourceBits == 8)
        for (const PALETTEENTRY& e : HalftonePaletteEntries())
            table.push_back(RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0});
    MemDc src(MakeDib(w, h, sourceBits, table, true, masks).bitmap);
    test::Paint(src.dc, w, h, SampleColor);
    MemDc dst(MakeDib(w, h, 1, {kQuadBlack, kQuadWhite}).bitmap);
    SetStretchBltMode(dst.dc, COLORONCOLOR);
    if (stretch)
        ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, w, h, src.dc, 0, 0, w, h, SRCCOPY));
    else
        ASSERT_TRUE(BitBlt(dst.dc, 0, 0, w, h, src.dc, 0, 0, SRCCOPY));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const COLORREF s = GetPixel(src.dc, x, y);
            ASSERT_EQ(GetPixel(dst.dc, x, y), ExpectedBlackWhite(s))
                << sourceBits << " bits, (" << x << ", " << y << ") colour " << std::hex << s;
        }
}

TEST(Reduction, NearestOfBlackAndWhiteOnEveryPath) {
    CheckReduction(24, true); // the row fast path
    CheckReduction(32, false);
    CheckReduction(8, true); // palette source, general path (colours snap to the halftone table first)
    const DWORD masks565[3] = {0xF800, 0x07E0, 0x001F};
    CheckReduction(16, true, masks565);
}

TEST(Reduction, BoundaryIsSum382BlackAnd383White) {
    MemDc src(MakeDib(4, 1, 24).bitmap);
    SetPixelV(src.dc, 0, 0, RGB(127, 127, 128)); // 382
    SetPixelV(src.dc, 1, 0, RGB(128, 127, 128)); // 383
    SetPixelV(src.dc, 2, 0, RGB(0, 0, 0));
    SetPixelV(src.dc, 3, 0, RGB(255, 255, 255));
    MemDc dst(MakeDib(4, 1, 1, {kQuadBlack, kQuadWhite}).bitmap);
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 4, 1, src.dc, 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(GetPixel(dst.dc, 0, 0), 0u);
    EXPECT_EQ(GetPixel(dst.dc, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(GetPixel(dst.dc, 2, 0), 0u);
    EXPECT_EQ(GetPixel(dst.dc, 3, 0), 0xFFFFFFu);
}

TEST(Reduction, WhiteBlackTableMapsByEntriesAndTiesGoToTheLowerIndex) {
    Dib table = MakeDib(3, 1, 1, {kQuadWhite, kQuadBlack});
    MemDc dst(table.bitmap);
    MemDc src(MakeDib(3, 1, 32).bitmap);
    SetPixelV(src.dc, 0, 0, RGB(0, 0, 0));
    SetPixelV(src.dc, 1, 0, RGB(255, 255, 255));
    SetPixelV(src.dc, 2, 0, RGB(10, 10, 10));
    ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 3, 1, src.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(GetPixel(dst.dc, 0, 0), 0u) << "black stays black: entry 1 here";
    EXPECT_EQ(GetPixel(dst.dc, 1, 0), 0xFFFFFFu);
    EXPECT_EQ(table.bits[0] >> 5, 0b101) << "raw indexes 1, 0, 1";

    // Equidistant from both entries: entry 0 wins, on the fast path and through SetPixel alike.
    Dib tie = MakeDib(2, 1, 1, {RGBQUAD{0, 0, 0, 0}, RGBQUAD{0, 0, 2, 0}});
    MemDc tieDc(tie.bitmap);
    SetPixelV(src.dc, 0, 0, RGB(1, 0, 0));
    ASSERT_TRUE(BitBlt(tieDc.dc, 0, 0, 1, 1, src.dc, 0, 0, SRCCOPY));
    SetPixelV(tieDc.dc, 1, 0, RGB(1, 0, 0));
    EXPECT_EQ(tie.bits[0] >> 6, 0) << "both pixels take index 0";
}

TEST(Reduction, UnalignedDestinationKeepsNeighbouringBits) {
    Dib d = MakeDib(20, 1, 1, {kQuadBlack, kQuadWhite});
    MemDc dst(d.bitmap);
    MemDc src(MakeDib(20, 1, 24).bitmap);
    test::Paint(src.dc, 20, 1, [](int, int) { return RGB(255, 255, 255); });
    ASSERT_TRUE(BitBlt(dst.dc, 3, 0, 11, 1, src.dc, 0, 0, SRCCOPY)); // bits 3 .. 13
    for (int x = 0; x < 20; ++x) EXPECT_EQ(GetPixel(dst.dc, x, 0), x >= 3 && x < 14 ? 0xFFFFFFu : 0u) << x;
}

TEST(Halftone, DithersOnlyIntoPaletteTargets) {
    const int n = 8;
    MemDc src(MakeDib(n, n, 24).bitmap);
    test::Paint(src.dc, n, n, [](int x, int) { return x == 0 ? RGB(0, 0, 0) : RGB(128, 128, 128); });
    SetPixelV(src.dc, 1, 0, RGB(255, 255, 255));

    MemDc mono(MakeDib(n, n, 1, {kQuadBlack, kQuadWhite}).bitmap);
    SetStretchBltMode(mono.dc, HALFTONE);
    ASSERT_TRUE(StretchBlt(mono.dc, 0, 0, n, n, src.dc, 0, 0, n, n, SRCCOPY));
    int white = 0;
    for (int y = 0; y < n; ++y)
        for (int x = 2; x < n; ++x) white += GetPixel(mono.dc, x, y) == 0xFFFFFFu;
    EXPECT_GT(white, 0) << "mid grey becomes a pattern of both entries";
    EXPECT_LT(white, 6 * n);
    for (int y = 0; y < n; ++y) EXPECT_EQ(GetPixel(mono.dc, 0, y), 0u) << "pure black stays black";
    EXPECT_EQ(GetPixel(mono.dc, 1, 0), 0xFFFFFFu) << "pure white stays white";

    MemDc deep(MakeDib(n, n, 24).bitmap);
    SetStretchBltMode(deep.dc, HALFTONE);
    ASSERT_TRUE(StretchBlt(deep.dc, 0, 0, n, n, src.dc, 0, 0, n, n, SRCCOPY));
    for (int y = 0; y < n; ++y)
        for (int x = 2; x < n; ++x) ASSERT_EQ(GetPixel(deep.dc, x, y), RGB(128, 128, 128));

    MemDc plain(MakeDib(n, n, 1, {kQuadBlack, kQuadWhite}).bitmap);
    SetStretchBltMode(plain.dc, COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(plain.dc, 0, 0, n, n, src.dc, 0, 0, n, n, SRCCOPY));
    EXPECT_EQ(GetPixel(plain.dc, 5, 5), 0xFFFFFFu) << "without halftone: 384 > 382, white everywhere";
}

TEST(Halftone, ShrinkingAveragesTheBox) {
    MemDc src(MakeDib(4, 2, 32).bitmap);
    test::Paint(src.dc, 4, 2, [](int x, int) { return x % 2 ? RGB(200, 100, 0) : RGB(100, 0, 50); });
    MemDc dst(MakeDib(2, 1, 32).bitmap);
    SetStretchBltMode(dst.dc, HALFTONE);
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 4, 2, SRCCOPY));
    EXPECT_EQ(GetPixel(dst.dc, 0, 0), RGB(150, 50, 25));
    EXPECT_EQ(GetPixel(dst.dc, 1, 0), RGB(150, 50, 25));
}

} // namespace
} // namespace win
