// Pens, brushes and stock objects: records, the objects of a new context, DC colours, hatches and patterns
// aligned to the brush origin, and handles that are gone.
#include "DrawingCanvas.h"

#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/Shapes.h"
#include "platform/gdi/StockObjects.h"
#include "platform/gdi/StockPalette.h"
#include "platform/gdi/detail/ColorRef.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::Canvas;
using test::kBlack;
using test::kWhite;
using test::Rows;

constexpr COLORREF kRed = RGB(255, 0, 0), kGreen = RGB(0, 255, 0), kBlue = RGB(0, 0, 255);

TEST(StockObjects, RecordsAndANewContextsDefaults) {
    LOGBRUSH b{};
    ASSERT_EQ(GetObject(GetStockObject(LTGRAY_BRUSH), sizeof b, &b), int(sizeof b));
    EXPECT_EQ(b.lbColor, RGB(192, 192, 192));
    ASSERT_EQ(GetObject(GetStockObject(NULL_BRUSH), sizeof b, &b), int(sizeof b));
    EXPECT_EQ(b.lbStyle, BS_NULL);
    LOGPEN p{};
    ASSERT_EQ(GetObject(GetStockObject(WHITE_PEN), sizeof p, &p), int(sizeof p));
    EXPECT_EQ(p.lopnColor, kWhite);
    EXPECT_EQ(GetStockObject(DEFAULT_PALETTE), static_cast<HGDIOBJ>(StockPalette()));
    EXPECT_EQ(GetStockObject(9), nullptr);
    EXPECT_EQ(GetStockObject(DC_PEN + 1), nullptr);
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(GetObject(GetStockObject(BLACK_BRUSH), sizeof b, &b), int(sizeof b)) << "stock objects stay";

    Canvas c(4, 4, 32, {}, RGB(9, 9, 9));
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_PEN), GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetCurrentObject(c.dc, OBJ_BRUSH), GetStockObject(WHITE_BRUSH));
    Rectangle(c.dc, 0, 0, 4, 4);
    EXPECT_EQ(c.At(0, 0), kBlack);
    EXPECT_EQ(c.At(1, 1), kWhite);
}

TEST(Pens, CreationRulesAndFailures) {
    LOGPEN p{};
    HPEN wideDash = CreatePen(PS_DASH, 3, kRed);
    GetObject(wideDash, sizeof p, &p);
    EXPECT_EQ(p.lopnStyle, PS_SOLID) << "dashes are one pixel wide only";
    EXPECT_EQ(p.lopnWidth.x, 3);
    SetLastError(0);
    EXPECT_EQ(CreatePen(42, 1, kRed), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(DeleteObject(wideDash));
}

TEST(Brushes, HatchesFollowTheBackgroundMode) {
    Canvas c(8, 8);
    const LOGBRUSH record{BS_HATCHED, kGreen, HS_CROSS};
    HBRUSH cross = CreateBrushIndirect(&record);
    SetBkColor(c.dc, kBlue);
    RECT r{0, 0, 8, 8};
    FillRect(c.dc, &r, cross);
    EXPECT_EQ(c.At(7, 0), kGreen);
    EXPECT_EQ(c.At(0, 7), kGreen);
    EXPECT_EQ(c.At(3, 3), kBlue);
    Canvas t(8, 8);
    SetBkMode(t.dc, TRANSPARENT);
    FillRect(t.dc, &r, cross);
    EXPECT_EQ(t.At(7, 3), kGreen);
    EXPECT_EQ(t.At(3, 3), kWhite) << "transparent gaps keep the destination";
    EXPECT_EQ(CreateHatchBrush(6, kGreen), nullptr);
    const LOGBRUSH dib{BS_DIBPATTERN, 0, 0};
    EXPECT_EQ(CreateBrushIndirect(&dib), nullptr);
    DeleteObject(cross);
}

TEST(Brushes, PatternsTileFromTheBrushOriginAndKeepTheirOwnCopy) {
    std::shared_ptr<Surface> bits;
    HBITMAP bitmap = test::MakeBitmap(2, 2, 32, {}, &bits);
    bits->SetPixel(0, 0, kRed);
    bits->SetPixel(1, 0, kGreen);
    bits->SetPixel(0, 1, kBlue);
    bits->SetPixel(1, 1, kBlack);
    HBRUSH pattern = CreatePatternBrush(bitmap);
    ASSERT_NE(pattern, nullptr);
    bits->SetPixel(0, 0, kWhite); // the brush made its own copy
    const std::map<COLORREF, char> legend{{kRed, 'r'}, {kGreen, 'g'}, {kBlue, 'b'}, {kBlack, 'k'}};

    Canvas c(4, 2);
    RECT r{0, 0, 4, 2};
    FillRect(c.dc, &r, pattern);
    EXPECT_EQ(c.Picture(legend), Rows({"rgrg", "bkbk"}));
    SetBrushOrgEx(c.dc, 1, 0, nullptr);
    FillRect(c.dc, &r, pattern);
    EXPECT_EQ(c.Picture(legend), Rows({"grgr", "kbkb"}));
    // The brush origin is in device coordinates: moving the viewport does not move the pattern.
    SetBrushOrgEx(c.dc, 0, 0, nullptr);
    SetViewportOrgEx(c.dc, 1, 1, nullptr);
    RECT logical{-1, -1, 3, 1};
    FillRect(c.dc, &logical, pattern);
    EXPECT_EQ(c.Picture(legend), Rows({"rgrg", "bkbk"}));

    DeleteObject(pattern);
    DeleteObject(bitmap);
}

TEST(Brushes, MonochromePatternsTakeTextAndBackgroundColours) {
    std::shared_ptr<Surface> bits;
    HBITMAP bitmap = test::MakeBitmap(2, 1, 1, {{0, 0, 0, 0}, {255, 255, 255, 0}}, &bits);
    bits->SetPixelIndex(1, 0, 1);
    HBRUSH pattern = CreatePatternBrush(bitmap);
    Canvas c(4, 1);
    SetTextColor(c.dc, kRed);
    SetBkColor(c.dc, kBlue);
    RECT r{0, 0, 4, 1};
    FillRect(c.dc, &r, pattern);
    EXPECT_EQ(c.Picture({{kRed, 'r'}, {kBlue, 'b'}}), Rows({"rbrb"}));
    DeleteObject(pattern);
    DeleteObject(bitmap);
}

TEST(Brushes, PaletteIndexColoursResolveThroughTheSelectedPalette) {
    Canvas c(2, 1);
    HBRUSH brush = CreateSolidBrush(PALETTEINDEX(13)); // the stock palette's pure red
    RECT r{0, 0, 1, 1};
    FillRect(c.dc, &r, brush);
    EXPECT_EQ(c.At(0, 0), kRed);
    HBRUSH rgb = CreateSolidBrush(PALETTERGB(1, 2, 3));
    r = RECT{1, 0, 2, 1};
    FillRect(c.dc, &r, rgb);
    EXPECT_EQ(c.At(1, 0), RGB(1, 2, 3));
    DeleteObject(brush);
    DeleteObject(rgb);
}

TEST(Handles, DeletedPensBrushesAndBitmapsFailCleanly) {
    Canvas c(4, 4);
    HBRUSH brush = CreateSolidBrush(kRed);
    ASSERT_TRUE(DeleteObject(brush));
    RECT r{0, 0, 4, 4};
    SetLastError(0);
    EXPECT_FALSE(FillRect(c.dc, &r, brush));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(FrameRect(c.dc, &r, brush));
    EXPECT_EQ(c.At(0, 0), kWhite);
    HBITMAP bitmap = test::MakeBitmap(1, 1, 32);
    DeleteObject(bitmap);
    EXPECT_EQ(CreatePatternBrush(bitmap), nullptr);
    EXPECT_EQ(SelectObject(c.dc, brush), nullptr);
    // A pen deleted while selected keeps drawing until it is replaced.
    HPEN pen = CreatePen(PS_SOLID, 1, kRed);
    SelectObject(c.dc, pen);
    DeleteObject(pen);
    MoveToEx(c.dc, 0, 0, nullptr);
    LineTo(c.dc, 2, 0);
    EXPECT_EQ(c.At(1, 0), kRed);
    SelectObject(c.dc, GetStockObject(BLACK_PEN));
    EXPECT_EQ(GetObjectType(pen), 0u);
}

} // namespace
} // namespace win
