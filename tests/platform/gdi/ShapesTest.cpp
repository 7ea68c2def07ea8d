// Lines, polygons and figures: exact pixels, end points, fill rules, raster modes and palette surfaces.
#include "DrawingCanvas.h"

#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StockObjects.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

#include <climits>

namespace win {
namespace {

using test::Canvas;
using test::kBlack;
using test::kWhite;
using test::Rows;

const std::map<COLORREF, char> kInk{{kWhite, '.'}, {kBlack, '#'}};

TEST(Lines, ExcludeTheirEndPointAndJoinWithoutGaps) {
    Canvas c(10, 10);
    MoveToEx(c.dc, 1, 1, nullptr);
    LineTo(c.dc, 6, 1);                            // horizontal
    LineTo(c.dc, 6, 5);                            // vertical
    LineTo(c.dc, 2, 9);                            // 45 degrees down-left
    LineTo(c.dc, 2, 9);                            // zero length: nothing
    EXPECT_EQ(c.Picture(kInk), Rows({"..........", //
                                     ".######...", //
                                     "......#...", //
                                     "......#...", //
                                     "......#...", //
                                     "......#...", //
                                     ".....#....", //
                                     "....#.....", //
                                     "...#......", //
                                     ".........."}));
    POINT p{};
    GetCurrentPositionEx(c.dc, &p);
    EXPECT_EQ(p, (POINT{2, 9}));
}

TEST(Lines, UpwardAndLeftwardLinesAreExactToo) {
    Canvas c(6, 6);
    MoveToEx(c.dc, 5, 5, nullptr);
    LineTo(c.dc, 1, 1); // 45 degrees up-left
    MoveToEx(c.dc, 5, 0, nullptr);
    LineTo(c.dc, 2, 0);                        // leftwards
    EXPECT_EQ(c.Picture(kInk), Rows({"...###", //
                                     "......", //
                                     "..#...", //
                                     "...#..", //
                                     "....#.", //
                                     ".....#"}));
}

TEST(Lines, PolylineVisitsEveryJointOnceSoInvertingModesWork) {
    Canvas c(8, 8);
    SetROP2(c.dc, R2_NOT);
    const POINT path[] = {{1, 1}, {5, 1}, {5, 5}, {1, 5}};
    ASSERT_TRUE(Polyline(c.dc, path, 4));
    EXPECT_EQ(c.Picture(kInk), Rows({"........", //
                                     ".#####..", //
                                     ".....#..", //
                                     ".....#..", //
                                     ".....#..", //
                                     "..####..", //
                                     "........", //
                                     "........"}));
    // A wide pen inverts each pixel of the band once, joints included.
    Canvas w(12, 12);
    SetROP2(w.dc, R2_NOT);
    HPEN wide = CreatePen(PS_SOLID, 3, kBlack);
    SelectObject(w.dc, wide);
    const POINT corner[] = {{2, 2}, {9, 2}, {9, 9}};
    Polyline(w.dc, corner, 3);
    for (const POINT p : {POINT{9, 2}, POINT{10, 3}, POINT{8, 1}, POINT{2, 1}, POINT{9, 9}})
        EXPECT_EQ(w.At(p.x, p.y), kBlack) << p.x << "," << p.y;
    EXPECT_EQ(w.At(2, 4), kWhite);
    EXPECT_EQ(w.At(11, 2), kWhite) << "width 3 reaches one pixel beyond the centre line";
    SelectObject(w.dc, GetStockObject(BLACK_PEN));
    DeleteObject(wide);
}

TEST(Lines, PolylineToStartsAtAndMovesTheCurrentPosition) {
    Canvas c(6, 3);
    MoveToEx(c.dc, 0, 0, nullptr);
    const POINT path[] = {{3, 0}, {3, 2}};
    ASSERT_TRUE(PolylineTo(c.dc, path, 2));
    LineTo(c.dc, 5, 2);
    EXPECT_EQ(c.Picture(kInk), Rows({"####..", //
                                     "...#..", //
                                     "...##."}));
    EXPECT_FALSE(PolylineTo(c.dc, path, 0));
}

TEST(Lines, DashedPensRunTheirPatternAcrossSegments) {
    Canvas c(30, 3);
    SetBkMode(c.dc, TRANSPARENT);
    HPEN dot = CreatePen(PS_DOT, 1, kBlack);
    SelectObject(c.dc, dot);
    const POINT path[] = {{0, 1}, {4, 1}, {13, 1}};
    Polyline(c.dc, path, 3);
    std::string row;
    for (int x = 0; x < 14; ++x) row += c.At(x, 1) == kBlack ? '#' : '.';
    EXPECT_EQ(row, "###...###...#.") << "three on, three off, continued over the joint";
    // With an opaque background the gaps take the background colour.
    SetBkMode(c.dc, OPAQUE);
    SetBkColor(c.dc, RGB(0, 0, 255));
    MoveToEx(c.dc, 0, 2, nullptr);
    LineTo(c.dc, 6, 2);
    EXPECT_EQ(c.At(1, 2), kBlack);
    EXPECT_EQ(c.At(4, 2), RGB(0, 0, 255));
    SelectObject(c.dc, GetStockObject(BLACK_PEN));
    DeleteObject(dot);
}

TEST(Rectangles, OutlineInsideRightAndBottomEdgesWithBrushInterior) {
    Canvas c(8, 6);
    SelectObject(c.dc, GetStockObject(DKGRAY_BRUSH));
    ASSERT_TRUE(Rectangle(c.dc, 6, 5, 1, 1)); // corners in any order
    const std::map<COLORREF, char> legend{{kWhite, '.'}, {kBlack, '#'}, {RGB(64, 64, 64), 'g'}};
    EXPECT_EQ(c.Picture(legend), Rows({"........", //
                                       ".#####..", //
                                       ".#ggg#..", //
                                       ".#ggg#..", //
                                       ".#####..", //
                                       "........"}));
    // Without a pen the fill is one pixel smaller at the right and bottom.
    Canvas n(8, 6);
    SelectObject(n.dc, GetStockObject(NULL_PEN));
    SelectObject(n.dc, GetStockObject(BLACK_BRUSH));
    Rectangle(n.dc, 1, 1, 6, 5);
    EXPECT_EQ(n.Picture(kInk), Rows({"........", //
                                     ".####...", //
                                     ".####...", //
                                     ".####...", //
                                     "........", //
                                     "........"}));
}

TEST(Rectangles, WidePensCentreOnTheOutlineOrStayInsideTheFrame) {
    const COLORREF red = RGB(255, 0, 0);
    for (const bool inside : {false, true}) {
        Canvas c(14, 14);
        HPEN pen = CreatePen(inside ? PS_INSIDEFRAME : PS_SOLID, 3, red);
        SelectObject(c.dc, pen);
        SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
        Rectangle(c.dc, 3, 3, 10, 10);
        if (!inside) { // band 2 .. 10 around the one-pixel outline 3 .. 9, interior 5 .. 7
            EXPECT_EQ(c.At(2, 2), red);
            EXPECT_EQ(c.At(10, 10), red);
            EXPECT_EQ(c.At(4, 6), red);
            EXPECT_EQ(c.At(5, 5), kBlack);
            EXPECT_EQ(c.At(7, 7), kBlack);
            EXPECT_EQ(c.At(8, 8), red);
            EXPECT_EQ(c.At(1, 1), kWhite);
            EXPECT_EQ(c.At(11, 11), kWhite);
        } else { // band 3 .. 9, interior the single pixel 6, 6
            EXPECT_EQ(c.At(2, 2), kWhite);
            EXPECT_EQ(c.At(3, 3), red);
            EXPECT_EQ(c.At(9, 9), red);
            EXPECT_EQ(c.At(5, 6), red);
            EXPECT_EQ(c.At(6, 6), kBlack);
            EXPECT_EQ(c.At(10, 10), kWhite);
        }
        SelectObject(c.dc, GetStockObject(BLACK_PEN));
        DeleteObject(pen);
    }
}

TEST(Rectangles, XorModeTwiceRestoresEveryPixel) {
    Canvas c(12, 12, 32, {}, RGB(10, 200, 30));
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(0x55, 0xAA, 0xFF));
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    SelectObject(c.dc, pen);
    SelectObject(c.dc, brush);
    SetROP2(c.dc, R2_XORPEN);
    Rectangle(c.dc, 2, 2, 10, 9);
    EXPECT_EQ(c.At(2, 2), RGB(10 ^ 0x55, 200 ^ 0xAA, 30 ^ 0xFF));
    EXPECT_EQ(c.At(5, 5), RGB(10 ^ 1, 200 ^ 2, 30 ^ 3));
    Rectangle(c.dc, 2, 2, 10, 9);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) ASSERT_EQ(c.At(x, y), RGB(10, 200, 30)) << x << "," << y;
    SelectObject(c.dc, GetStockObject(BLACK_PEN));
    SelectObject(c.dc, GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
}

TEST(Polygons, FillRulesDecideOverlaps) {
    // The same square traced twice: alternate leaves it empty, winding fills it.
    const POINT twice[] = {{2, 2}, {12, 2}, {12, 12}, {2, 12}, {2, 2}, {12, 2}, {12, 12}, {2, 12}};
    for (const int mode : {ALTERNATE, WINDING}) {
        Canvas c(14, 14);
        SelectObject(c.dc, GetStockObject(NULL_PEN));
        SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
        EXPECT_EQ(SetPolyFillMode(c.dc, mode), ALTERNATE);
        ASSERT_TRUE(Polygon(c.dc, twice, 8));
        EXPECT_EQ(c.At(7, 7), mode == WINDING ? kBlack : kWhite);
        EXPECT_EQ(c.At(2, 2), mode == WINDING ? kBlack : kWhite);
        EXPECT_EQ(c.At(12, 7), kWhite) << "the right edge is outside the fill";
    }
}

TEST(Polygons, FillCoversTopLeftEdgesAndThePenCloses) {
    Canvas c(6, 6);
    SelectObject(c.dc, GetStockObject(NULL_PEN));
    SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
    const POINT triangle[] = {{0, 0}, {4, 0}, {0, 4}};
    Polygon(c.dc, triangle, 3);
    EXPECT_EQ(c.Picture(kInk), Rows({"####..", //
                                     "###...", //
                                     "##....", //
                                     "#.....", //
                                     "......", //
                                     "......"}));
    Canvas o(6, 6);
    SelectObject(o.dc, GetStockObject(NULL_BRUSH));
    Polygon(o.dc, triangle, 3);
    EXPECT_EQ(o.Picture(kInk), Rows({"#####.", //
                                     "#..#..", //
                                     "#.#...", //
                                     "##....", //
                                     "#.....", //
                                     "......"}));
    EXPECT_FALSE(Polygon(o.dc, triangle, 1));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
}

TEST(Ellipses, ClassicTwelvePixelCircle) {
    Canvas c(12, 12);
    SelectObject(c.dc, GetStockObject(NULL_BRUSH));
    ASSERT_TRUE(Ellipse(c.dc, 0, 0, 12, 12));
    EXPECT_EQ(c.Picture(kInk), Rows({"....####....", //
                                     "..##....##..", //
                                     ".#........#.", //
                                     ".#........#.", //
                                     "#..........#", //
                                     "#..........#", //
                                     "#..........#", //
                                     "#..........#", //
                                     ".#........#.", //
                                     ".#........#.", //
                                     "..##....##..", //
                                     "....####...."}));
}

TEST(Ellipses, RoundRectKeepsStraightEdgesBetweenCorners) {
    Canvas c(12, 8);
    SelectObject(c.dc, GetStockObject(BLACK_BRUSH));
    ASSERT_TRUE(RoundRect(c.dc, 0, 0, 12, 8, 4, 4));
    EXPECT_EQ(c.Picture(kInk), Rows({".##########.", //
                                     "############", //
                                     "############", //
                                     "############", //
                                     "############", //
                                     "############", //
                                     "############", //
                                     ".##########."}));
}

TEST(PaletteSurfaces, TakeTheNearestEntryAndInvertIndexes) {
    const std::vector<RGBQUAD> whiteBlack{{255, 255, 255, 0}, {0, 0, 0, 0}};
    Canvas mono(6, 6, 1, whiteBlack);
    Rectangle(mono.dc, 0, 0, 6, 6); // black pen, white brush
    EXPECT_EQ(mono.Pixels().GetPixelIndex(0, 0), 1u) << "black is entry 1 of this table";
    EXPECT_EQ(mono.At(2, 2), kWhite);
    SetROP2(mono.dc, R2_NOT);
    MoveToEx(mono.dc, 0, 2, nullptr);
    LineTo(mono.dc, 6, 2);
    EXPECT_EQ(mono.At(0, 2), kWhite);
    EXPECT_EQ(mono.At(3, 2), kBlack);

    // A 16-colour surface: a near-red pen draws the table's pure red.
    std::vector<RGBQUAD> vga(16);
    vga[9] = RGBQUAD{0, 0, 255, 0};
    vga[15] = RGBQUAD{255, 255, 255, 0};
    Canvas four(4, 4, 4, vga);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(230, 20, 10));
    SelectObject(four.dc, pen);
    MoveToEx(four.dc, 0, 1, nullptr);
    LineTo(four.dc, 4, 1);
    EXPECT_EQ(four.Pixels().GetPixelIndex(2, 1), 9u);
    SelectObject(four.dc, GetStockObject(BLACK_PEN));
    DeleteObject(pen);
}

TEST(Coordinates, FarLinesClipQuicklyAndOutOfRangeCallsFail) {
    Canvas c(20, 20);
    MoveToEx(c.dc, -100000000, 5, nullptr);
    ASSERT_TRUE(LineTo(c.dc, 100000000, 5));
    for (int x = 0; x < 20; ++x) EXPECT_EQ(c.At(x, 5), kBlack);
    MoveToEx(c.dc, -100000000, -100000000, nullptr);
    ASSERT_TRUE(LineTo(c.dc, 100000000, 100000000));
    EXPECT_EQ(c.At(7, 7), kBlack);
    EXPECT_EQ(c.At(7, 8), kWhite);

    SelectObject(c.dc, GetStockObject(GRAY_BRUSH));
    ASSERT_TRUE(Ellipse(c.dc, -200000000, -200000000, 200000000, 200000000));
    EXPECT_EQ(c.At(0, 0), RGB(128, 128, 128)) << "the far outline leaves the middle to the brush";

    SetLastError(0);
    MoveToEx(c.dc, 0, 0, nullptr);
    EXPECT_FALSE(LineTo(c.dc, INT_MAX, INT_MAX));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(Rectangle(c.dc, INT_MIN, INT_MIN, INT_MAX, INT_MAX));
    EXPECT_EQ(c.At(19, 19), RGB(128, 128, 128));
    // An origin near the limit of 32 bits puts everything out of range instead of overflowing.
    SetViewportOrgEx(c.dc, INT_MAX, INT_MAX, nullptr);
    EXPECT_FALSE(Ellipse(c.dc, INT_MAX - 5, 0, INT_MAX, 5));
}

TEST(Handles, StaleContextsFailCleanly) {
    HDC stale = nullptr;
    {
        Canvas c(2, 2);
        stale = c.dc;
    }
    SetLastError(0);
    EXPECT_FALSE(LineTo(stale, 1, 1));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(Rectangle(stale, 0, 0, 1, 1));
    EXPECT_FALSE(Ellipse(stale, 0, 0, 1, 1));
    const POINT pts[] = {{0, 0}, {1, 1}};
    EXPECT_FALSE(Polygon(stale, pts, 2));
    EXPECT_FALSE(MoveToEx(stale, 0, 0, nullptr));
    EXPECT_EQ(SetROP2(stale, R2_XORPEN), 0);
}

} // namespace
} // namespace win
