// GetPixel and SetPixel: the invalid colour outside the surface and the clip, origins, and the colour a
// surface actually holds.
#include "BitmapSupport.h"

#include "platform/gdi/Clipping.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::Dib;
using test::kQuadBlack;
using test::kQuadWhite;
using test::MakeDib;
using test::MemDc;

TEST(Pixels, InvalidColourOutsideTheSurfaceAndTheClip) {
    MemDc m(MakeDib(5, 3, 1, {kQuadBlack, kQuadWhite}).bitmap);
    SetPixelV(m.dc, 4, 2, RGB(255, 255, 255));
    EXPECT_EQ(GetPixel(m.dc, 0, 0), 0u);
    EXPECT_EQ(GetPixel(m.dc, 4, 2), 0xFFFFFFu);
    for (POINT p : {POINT{5, 0}, POINT{0, 3}, POINT{-1, 0}, POINT{0, -1}, POINT{INT32_MIN, INT32_MAX}})
        EXPECT_EQ(GetPixel(m.dc, p.x, p.y), CLR_INVALID) << p.x << "," << p.y;

    IntersectClipRect(m.dc, 1, 1, 5, 3);
    EXPECT_EQ(GetPixel(m.dc, 0, 0), CLR_INVALID) << "clipped away";
    EXPECT_EQ(SetPixel(m.dc, 0, 0, 0), CLR_INVALID);
    EXPECT_EQ(GetPixel(m.dc, 4, 2), 0xFFFFFFu);

    // Origins move the logical point; a logical (-1, -1) inside the surface is an ordinary pixel.
    SetViewportOrgEx(m.dc, 5, 3, nullptr);
    EXPECT_EQ(GetPixel(m.dc, -1, -1), 0xFFFFFFu);
    SetWindowOrgEx(m.dc, 1, 1, nullptr);
    EXPECT_EQ(GetPixel(m.dc, 0, 0), 0xFFFFFFu);
    EXPECT_EQ(GetPixel(m.dc, 1, 1), CLR_INVALID);
}

// A row read gives what reading its pixels one by one gives: table colours of a one-bit picture, the invalid
// colour past the edges and the clip, with the origins applied.
TEST(Pixels, RowReadsMatchSinglePixelReads) {
    MemDc m(MakeDib(5, 2, 1, {kQuadBlack, kQuadWhite}).bitmap);
    SetPixelV(m.dc, 1, 1, RGB(255, 255, 255));
    SetPixelV(m.dc, 3, 1, RGB(255, 255, 255));
    COLORREF row[7] = {};
    ASSERT_TRUE(GetPixelRow(m.dc, -1, 1, 7, row));
    const COLORREF expected[7] = {CLR_INVALID, 0u, 0xFFFFFFu, 0u, 0xFFFFFFu, 0u, CLR_INVALID};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(row[i], expected[i]) << i;

    IntersectClipRect(m.dc, 2, 0, 5, 2);
    SetWindowOrgEx(m.dc, 1, 0, nullptr);
    // Logical 2..5 are surface columns 1..4, of which the clip keeps 2..4.
    ASSERT_TRUE(GetPixelRow(m.dc, 2, 1, 4, row));
    const COLORREF clipped[4] = {CLR_INVALID, 0u, 0xFFFFFFu, 0u};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(row[i], clipped[i]) << i;

    MemDc deep(MakeDib(2, 1, 32).bitmap);
    SetPixelV(deep.dc, 1, 0, RGB(10, 20, 30));
    ASSERT_TRUE(GetPixelRow(deep.dc, 0, 0, 2, row));
    EXPECT_EQ(row[1], RGB(10, 20, 30));
    EXPECT_FALSE(GetPixelRow(deep.dc, 0, 0, -1, row));
    EXPECT_FALSE(GetPixelRow(deep.dc, 0, 0, 1, nullptr));
    EXPECT_FALSE(GetPixelRow(nullptr, 0, 0, 1, row));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
}

TEST(Pixels, SetPixelReportsTheColourTheSurfaceHolds) {
    MemDc mono(CreateBitmap(2, 1, 1, 1, nullptr));
    EXPECT_EQ(SetPixel(mono.dc, 0, 0, RGB(200, 200, 200)), 0xFFFFFFu);
    EXPECT_EQ(SetPixel(mono.dc, 1, 0, RGB(100, 100, 100)), 0u);

    const DWORD masks555[3] = {0x7C00, 0x03E0, 0x001F};
    MemDc high(MakeDib(1, 1, 16, {}, false, masks555).bitmap);
    EXPECT_EQ(SetPixel(high.dc, 0, 0, RGB(0x0F, 0xFF, 0x81)), RGB(0x08, 0xF8, 0x80));

    MemDc dib(MakeDib(1, 1, 32).bitmap);
    EXPECT_EQ(SetPixel(dib.dc, 0, 0, 0x02123456), 0x123456u) << "the PALETTERGB flag is dropped";
}

TEST(Pixels, ReadingIsCheapAndSafeOnEveryKindOfContext) {
    HDC fresh = CreateCompatibleDC(nullptr);
    EXPECT_EQ(GetPixel(fresh, 0, 0), 0u) << "the default one-pixel bitmap is black";
    EXPECT_EQ(GetPixel(fresh, 1, 0), CLR_INVALID);
    DeleteDC(fresh);
    SetLastError(0);
    EXPECT_EQ(GetPixel(fresh, 0, 0), CLR_INVALID) << "stale context";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(SetPixel(nullptr, 0, 0, 0), CLR_INVALID);
}

} // namespace
} // namespace win
