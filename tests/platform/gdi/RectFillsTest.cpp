// Rectangle fills, frames, inversion, pattern raster operations and the dotted focus frame.
#include "DrawingCanvas.h"

#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/StockObjects.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::Canvas;
using test::kBlack;
using test::kWhite;
using test::Rows;

const std::map<COLORREF, char> kInk{{kWhite, '.'}, {kBlack, '#'}};

TEST(RectFills, FillAndFrameCoverExactlyTheirPixels) {
    Canvas c(7, 6);
    RECT r{1, 1, 6, 5};
    ASSERT_TRUE(FrameRect(c.dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))));
    EXPECT_EQ(c.Picture(kInk), Rows({".......", //
                                     ".#####.", //
                                     ".#...#.", //
                                     ".#...#.", //
                                     ".#####.", //
                                     "......."}));
    RECT inner{2, 2, 5, 4};
    ASSERT_TRUE(InvertRect(c.dc, &inner));
    EXPECT_EQ(c.At(2, 2), kBlack);
    EXPECT_EQ(c.At(4, 3), kBlack);
    EXPECT_EQ(c.At(5, 3), kBlack) << "the frame, not inverted";
    RECT empty{4, 4, 2, 2};
    EXPECT_TRUE(FillRect(c.dc, &empty, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))));
    EXPECT_EQ(c.At(3, 3), kBlack);
    EXPECT_FALSE(FillRect(c.dc, nullptr, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))));
}

TEST(RectFills, PatBltRasterOperationsOnColourAndMonochromeSurfaces) {
    const COLORREF dst = RGB(0x12, 0x34, 0x56), pat = RGB(0xF0, 0x0F, 0xAA);
    struct Case {
        DWORD rop;
        COLORREF expected;
    };
    const Case cases[] = {
        {PATCOPY, pat},
        {PATINVERT, RGB(0x12 ^ 0xF0, 0x34 ^ 0x0F, 0x56 ^ 0xAA)},
        {DSTINVERT, RGB(0xED, 0xCB, 0xA9)},
        {BLACKNESS, kBlack},
        {WHITENESS, kWhite},
        {0x00FA0089 /* DPo: pattern or destination */, RGB(0x12 | 0xF0, 0x34 | 0x0F, 0x56 | 0xAA)},
    };
    HBRUSH brush = CreateSolidBrush(pat);
    for (const Case& k : cases) {
        Canvas c(3, 3, 32, {}, dst);
        SelectObject(c.dc, brush);
        ASSERT_TRUE(PatBlt(c.dc, 2, 2, -1, -1, k.rop)); // a negative size reaches back from x, y
        EXPECT_EQ(c.At(1, 1), k.expected) << std::hex << k.rop;
        EXPECT_EQ(c.At(2, 2), dst);
        SelectObject(c.dc, GetStockObject(WHITE_BRUSH));
    }
    DeleteObject(brush);

    // On a table of white, black the colours decide, not the indexes.
    Canvas mono(2, 1, 1, {{255, 255, 255, 0}, {0, 0, 0, 0}});
    PatBlt(mono.dc, 0, 0, 1, 1, BLACKNESS);
    PatBlt(mono.dc, 1, 0, 1, 1, WHITENESS);
    EXPECT_EQ(mono.At(0, 0), kBlack);
    EXPECT_EQ(mono.At(1, 0), kWhite);
    SetLastError(0);
    EXPECT_FALSE(PatBlt(mono.dc, 0, 0, 1, 1, SRCCOPY)) << "no source here";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(FocusRect, InvertsAlternatePixelsAndTwiceRestores) {
    Canvas c(10, 8);
    RECT r{1, 1, 9, 7};
    ASSERT_TRUE(DrawFocusRect(c.dc, &r));
    EXPECT_EQ(c.Picture(kInk), Rows({"..........", //
                                     ".#.#.#.#..", //
                                     "........#.", //
                                     ".#........", //
                                     "........#.", //
                                     ".#........", //
                                     "..#.#.#.#.", //
                                     ".........."}));
    DrawFocusRect(c.dc, &r);
    const std::string blank = Rows({"..........", "..........", "..........", "..........", //
                                    "..........", "..........", "..........", ".........."});
    EXPECT_EQ(c.Picture(kInk), blank);
    // A rectangle one pixel high is inverted by its top and bottom strips alike: nothing shows.
    RECT flat{1, 3, 9, 4};
    DrawFocusRect(c.dc, &flat);
    EXPECT_EQ(c.Picture(kInk), blank);

    // On a palette surface the indexes are inverted, so twice is still the identity.
    std::vector<RGBQUAD> table(256);
    for (int i = 0; i < 256; ++i) table[i] = RGBQUAD{BYTE(i), BYTE(255 - i), BYTE(i / 2), 0};
    Canvas p(6, 6, 8, table, RGB(100, 155, 50));
    const std::uint32_t before = p.Pixels().GetPixelIndex(0, 0);
    RECT all{0, 0, 6, 6};
    DrawFocusRect(p.dc, &all);
    EXPECT_EQ(p.Pixels().GetPixelIndex(0, 0), before ^ 0xFFu);
    DrawFocusRect(p.dc, &all);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) ASSERT_EQ(p.Pixels().GetPixelIndex(x, y), before);
}

} // namespace
} // namespace win
