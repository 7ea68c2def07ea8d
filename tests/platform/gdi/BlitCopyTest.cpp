// BitBlt and StretchBlt: exact copies across layouts, the monochrome colour rules, scaling and mirroring,
// source bounds, origins and clipping, raster operations.
#include "BitmapSupport.h"

#include "platform/gdi/Blit.h"
#include "platform/gdi/Clipping.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

#include <string>

namespace win {
namespace {

using test::kQuadBlack;
using test::kQuadWhite;
using test::MakeDib;
using test::MemDc;

const COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255),
               kWhite = RGB(255, 255, 255);

// One character per pixel of a row: the colour's initial (R, G, B, W, K for black) or '?'.
std::string RowText(HDC dc, int y, int width) {
    std::string s;
    for (int x = 0; x < width; ++x) {
        const COLORREF c = GetPixel(dc, x, y);
        s += c == kRed ? 'R' : c == kGreen ? 'G' : c == kBlue ? 'B' : c == kWhite ? 'W' : c == 0 ? 'K' : '?';
    }
    return s;
}

std::vector<RGBQUAD> HalftoneTable() {
    std::vector<RGBQUAD> t;
    for (const PALETTEENTRY& e : HalftonePaletteEntries())
        t.push_back(RGBQUAD{e.peBlue, e.peGreen, e.peRed, 0});
    return t;
}

TEST(BlitCopy, SameSizeCopiesExactlyAcrossLayouts) {
    const DWORD masks565[3] = {0xF800, 0x07E0, 0x001F};
    const DWORD masksBgr[3] = {0x0000FF, 0x00FF00, 0xFF0000};
    struct Layout {
        int bits;
        std::vector<RGBQUAD> table;
        const DWORD* masks;
    };
    const std::vector<Layout> layouts = {
        {1, {RGBQUAD{0, 0, 255, 0}, kQuadWhite}, nullptr},
        {4, {kQuadBlack, RGBQUAD{255, 0, 0, 0}, RGBQUAD{0, 255, 0, 0}, RGBQUAD{0, 0, 255, 0}}, nullptr},
        {8, HalftoneTable(), nullptr},
        {16, {}, nullptr},
        {16, {}, masks565},
        {24, {}, nullptr},
        {32, {}, nullptr},
        {32, {}, masksBgr},
    };
    const int w = 13, h = 5;
    for (const Layout& from : layouts) {
        for (bool bottomUp : {false, true}) {
            MemDc src(MakeDib(w, h, from.bits, from.table, bottomUp, from.masks).bitmap);
            test::Paint(src.dc, w, h, [](int x, int y) { return RGB(x * 19, y * 50, (x * y * 7) & 0xFF); });
            for (const Layout& to : layouts) {
                if (to.bits < 16 && to.table != from.table) continue; // palettes only hold their own colours
                MemDc dst(MakeDib(w, h, to.bits, to.table, !bottomUp, to.masks).bitmap);
                MemDc expected(MakeDib(w, h, to.bits, to.table, false, to.masks).bitmap);
                ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, w, h, src.dc, 0, 0, w, h, SRCCOPY));
                for (int y = 0; y < h; ++y)
                    for (int x = 0; x < w; ++x) {
                        // What the target layout holds of the source colour, as SetPixel reports it.
                        const COLORREF want = SetPixel(expected.dc, x, y, GetPixel(src.dc, x, y));
                        ASSERT_EQ(GetPixel(dst.dc, x, y), want)
                            << from.bits << " -> " << to.bits << " at " << x << "," << y;
                    }
            }
        }
    }
}

TEST(BlitCopy, MonochromeBitmapsUseTheTextAndBackgroundColours) {
    // A monochrome bitmap 0, 1, 0, 1 drawn on colour: 0 bits take the text colour, 1 bits the background.
    const BYTE row[2] = {0x50, 0x00}; // bits 0101, rows padded to 16 bits
    MemDc mono(CreateBitmap(4, 1, 1, 1, row));
    MemDc colour(MakeDib(4, 1, 32).bitmap);
    SetTextColor(colour.dc, kRed);
    SetBkColor(colour.dc, kBlue);
    ASSERT_TRUE(BitBlt(colour.dc, 0, 0, 4, 1, mono.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(RowText(colour.dc, 0, 4), "RBRB");

    // Colour to monochrome: only the source context's background colour gives 1 (white), even over pure
    // white.
    SetPixelV(colour.dc, 0, 0, kWhite);
    SetBkColor(colour.dc, kRed);
    MemDc mono2(CreateBitmap(4, 1, 1, 1, nullptr));
    ASSERT_TRUE(BitBlt(mono2.dc, 0, 0, 4, 1, colour.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(RowText(mono2.dc, 0, 4), "KKWK");

    // The background colour is matched as the source holds it: white in a 5-5-5 bitmap is (248, 248, 248).
    MemDc high(MakeDib(2, 1, 16).bitmap);
    SetPixelV(high.dc, 0, 0, kWhite);
    ASSERT_TRUE(BitBlt(mono2.dc, 0, 0, 2, 1, high.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(RowText(mono2.dc, 0, 4), "WKWK");

    // Monochrome to monochrome copies bits; a one-bit DIB section is a colour surface with a table.
    MemDc mono3(CreateBitmap(4, 1, 1, 1, nullptr));
    ASSERT_TRUE(BitBlt(mono3.dc, 0, 0, 4, 1, mono.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(RowText(mono3.dc, 0, 4), "KWKW");
    MemDc dib(MakeDib(4, 1, 1, {kQuadBlack, kQuadWhite}).bitmap);
    SetTextColor(dib.dc, kWhite);
    SetBkColor(dib.dc, 0);
    ASSERT_TRUE(BitBlt(dib.dc, 0, 0, 4, 1, mono.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(RowText(dib.dc, 0, 4), "WKWK");
}

TEST(BlitCopy, StretchesMirrorsAndShrinks) {
    MemDc src(MakeDib(4, 1, 32).bitmap);
    const COLORREF four[4] = {kRed, kGreen, kBlue, kWhite};
    for (int x = 0; x < 4; ++x) SetPixelV(src.dc, x, 0, four[x]);
    MemDc dst(MakeDib(8, 2, 32).bitmap);
    SetStretchBltMode(dst.dc, COLORONCOLOR);
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 8, 2, src.dc, 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(RowText(dst.dc, 0, 8), "RRGGBBWW");
    EXPECT_EQ(RowText(dst.dc, 1, 8), "RRGGBBWW");
    ASSERT_TRUE(StretchBlt(dst.dc, 4, 0, -4, 1, src.dc, 0, 0, 4, 1, SRCCOPY)); // covers 0 .. 3, mirrored
    EXPECT_EQ(RowText(dst.dc, 0, 8), "WBGRBBWW");
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 4, 1, src.dc, 4, 0, -4, 1, SRCCOPY)); // mirrored source: the same
    EXPECT_EQ(RowText(dst.dc, 0, 8), "WBGRBBWW");
    ASSERT_TRUE(
        StretchBlt(dst.dc, 0, 1, 2, 1, src.dc, 0, 0, 4, 1, SRCCOPY)); // deleting scans keeps the centres
    EXPECT_EQ(RowText(dst.dc, 1, 3), "GWG");

    // Vertical mirror.
    MemDc column(MakeDib(1, 3, 24).bitmap);
    for (int y = 0; y < 3; ++y) SetPixelV(column.dc, 0, y, four[y]);
    MemDc flipped(MakeDib(1, 3, 24).bitmap);
    ASSERT_TRUE(StretchBlt(flipped.dc, 0, 3, 1, -3, column.dc, 0, 0, 1, 3, SRCCOPY));
    EXPECT_EQ(GetPixel(flipped.dc, 0, 0), kBlue);
    EXPECT_EQ(GetPixel(flipped.dc, 0, 2), kRed);
}

TEST(BlitCopy, ShrinkingKeepsDarkLinesInBlackOnWhiteMode) {
    // A one-pixel black line in white, shrunk 4:1 in each mode.
    MemDc src(CreateBitmap(8, 1, 1, 1, nullptr));
    test::Paint(src.dc, 8, 1, [](int x, int) { return x == 1 ? 0 : kWhite; });
    for (int mode : {BLACKONWHITE, WHITEONBLACK, COLORONCOLOR}) {
        MemDc dst(CreateBitmap(2, 1, 1, 1, nullptr));
        SetStretchBltMode(dst.dc, mode);
        ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 2, 1, src.dc, 0, 0, 8, 1, SRCCOPY));
        EXPECT_EQ(RowText(dst.dc, 0, 2), mode == BLACKONWHITE ? "KW" : "WW") << mode;
    }
}

TEST(BlitCopy, ReadsOnlyWhatLiesInsideTheSource) {
    MemDc src(MakeDib(4, 4, 32).bitmap);
    test::Paint(src.dc, 4, 4, [](int, int) { return kRed; });
    MemDc dst(MakeDib(6, 1, 32).bitmap);
    test::Paint(dst.dc, 6, 1, [](int, int) { return kGreen; });
    ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 6, 1, src.dc, -1, 0, SRCCOPY)); // columns -1 .. 4 of a 4-wide source
    EXPECT_EQ(RowText(dst.dc, 0, 6), "GRRRRG");
    ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 6, 1, src.dc, 0, 9, SRCCOPY)); // wholly outside: nothing changes
    EXPECT_EQ(RowText(dst.dc, 0, 6), "GRRRRG");
}

TEST(BlitCopy, OriginsAndClipHoldOnBothSides) {
    MemDc src(MakeDib(4, 1, 32).bitmap);
    const COLORREF four[4] = {kRed, kGreen, kBlue, kWhite};
    for (int x = 0; x < 4; ++x) SetPixelV(src.dc, x, 0, four[x]);
    MemDc dst(MakeDib(8, 3, 32).bitmap);

    SetWindowOrgEx(src.dc, 1, 0, nullptr);   // logical 1 is the source's column 0
    SetViewportOrgEx(dst.dc, 2, 1, nullptr); // logical (0, 0) is device (2, 1)
    ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 3, 1, src.dc, 2, 0, SRCCOPY));
    SetViewportOrgEx(dst.dc, 0, 0, nullptr);
    EXPECT_EQ(RowText(dst.dc, 1, 8), "KKGBWKKK");

    // GetPixel answers only inside the clip, so each clip lives between SaveDC and RestoreDC.
    const int level = SaveDC(dst.dc);
    IntersectClipRect(dst.dc, 1, 0, 7, 3);
    ExcludeClipRect(dst.dc, 3, 0, 5, 3);
    SetWindowOrgEx(src.dc, 0, 0, nullptr);
    ASSERT_TRUE(StretchBlt(dst.dc, 0, 0, 8, 3, src.dc, 0, 0, 4, 1, SRCCOPY));
    EXPECT_EQ(GetPixel(dst.dc, 3, 0), CLR_INVALID);
    ASSERT_TRUE(RestoreDC(dst.dc, level));
    EXPECT_EQ(RowText(dst.dc, 0, 8), "KRGKKBWK");

    SaveDC(dst.dc);
    HRGN region = CreateRectRgn(0, 2, 2, 3); // device coordinates, replacing the clip
    SelectClipRgn(dst.dc, region);
    DeleteObject(region);
    ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 4, 3, src.dc, 0, 0, SRCCOPY));
    ASSERT_TRUE(BitBlt(dst.dc, 0, 1, 4, 1, src.dc, 1, 0, SRCCOPY)); // row 1 is outside the region
    RestoreDC(dst.dc, -1);
    EXPECT_EQ(RowText(dst.dc, 1, 8), "KRGBWBWK") << "unchanged";
    EXPECT_EQ(RowText(dst.dc, 2, 4), "KRGK") << "the source has one row: row 2 would read outside it";
    SaveDC(dst.dc);
    region = CreateRectRgn(0, 2, 2, 3);
    SelectClipRgn(dst.dc, region);
    DeleteObject(region);
    ASSERT_TRUE(BitBlt(dst.dc, 0, 2, 4, 1, src.dc, 0, 0, SRCCOPY));
    RestoreDC(dst.dc, -1);
    EXPECT_EQ(RowText(dst.dc, 2, 4), "RGGK");
}

TEST(BlitCopy, RasterOperations) {
    MemDc src(MakeDib(1, 1, 32).bitmap);
    SetPixelV(src.dc, 0, 0, RGB(0x0F, 0xF0, 0x33));
    MemDc dst(MakeDib(1, 1, 32).bitmap);
    HBRUSH brush = CreateSolidBrush(RGB(0x55, 0x55, 0x55));
    HGDIOBJ oldBrush = SelectObject(dst.dc, brush);
    const COLORREF d = RGB(0x3C, 0x3C, 0xFF), s = RGB(0x0F, 0xF0, 0x33), p = RGB(0x55, 0x55, 0x55);
    struct Case {
        DWORD rop;
        COLORREF expected;
    };
    const Case cases[] = {
        {SRCCOPY, s},
        {SRCAND, s & d},
        {SRCPAINT, s | d},
        {SRCINVERT, s ^ d},
        {NOTSRCCOPY, ~s & 0xFFFFFF},
        {DSTINVERT, ~d & 0xFFFFFF},
        {PATCOPY, p},
        {PATINVERT, p ^ d},
        {MERGECOPY, p & s},
        {SRCERASE, s & ~d & 0xFFFFFF},
        {BLACKNESS, 0},
        {WHITENESS, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        SetPixelV(dst.dc, 0, 0, d);
        ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 1, 1, src.dc, 0, 0, c.rop));
        EXPECT_EQ(GetPixel(dst.dc, 0, 0), c.expected) << std::hex << c.rop;
    }
    // Pattern-only operations need no source context.
    ASSERT_TRUE(BitBlt(dst.dc, 0, 0, 1, 1, nullptr, 0, 0, PATCOPY));
    EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
    SelectObject(dst.dc, oldBrush);
    DeleteObject(brush);

    // On a palette surface the operation works on indexes.
    MemDc idx(MakeDib(2, 1, 1, {kQuadBlack, kQuadWhite}).bitmap);
    SetPixelV(idx.dc, 1, 0, kWhite);
    ASSERT_TRUE(BitBlt(idx.dc, 0, 0, 2, 1, nullptr, 0, 0, DSTINVERT));
    EXPECT_EQ(RowText(idx.dc, 0, 2), "WK");
}

TEST(BlitCopy, OverlappingCopyWithinOneSurface) {
    MemDc dc(MakeDib(6, 1, 32).bitmap);
    const COLORREF six[6] = {kRed, kGreen, kBlue, kWhite, 0, 0};
    for (int x = 0; x < 6; ++x) SetPixelV(dc.dc, x, 0, six[x]);
    ASSERT_TRUE(BitBlt(dc.dc, 2, 0, 4, 1, dc.dc, 0, 0, SRCCOPY));
    EXPECT_EQ(RowText(dc.dc, 0, 6), "RGRGBW");
}

TEST(BlitCopy, BadHandlesAndSizesFailCleanly) {
    MemDc dst(MakeDib(2, 2, 32).bitmap);
    HDC gone = CreateCompatibleDC(nullptr);
    DeleteDC(gone);
    SetLastError(0);
    EXPECT_FALSE(BitBlt(dst.dc, 0, 0, 2, 2, gone, 0, 0, SRCCOPY));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(BitBlt(gone, 0, 0, 2, 2, dst.dc, 0, 0, SRCCOPY));
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    EXPECT_FALSE(BitBlt(reinterpret_cast<HDC>(region), 0, 0, 1, 1, dst.dc, 0, 0, SRCCOPY))
        << "a region is no context";
    DeleteObject(region);
    EXPECT_FALSE(StretchBlt(dst.dc, 0, 0, 2, 2, dst.dc, 0, 0, 0, 2, SRCCOPY));
    EXPECT_FALSE(StretchBlt(dst.dc, 0, 0, 0x7FFFFFFF, 2, dst.dc, 0, 0, 1, 1, SRCCOPY));
    EXPECT_TRUE(StretchBlt(dst.dc, INT32_MIN, INT32_MIN, 5, 5, dst.dc, INT32_MAX, INT32_MAX, 5, 5, SRCCOPY))
        << "far away: nothing to draw, no overflow";
}

} // namespace
} // namespace win
