// Bitmap creation and records: DIB sections of every layout, device-dependent bitmaps, compatible bitmaps,
// GetObject's records, GetDIBits, colour tables, and sizes that must fail without allocating.
#include "BitmapSupport.h"

#include "platform/system/LastError.h"

#include <gtest/gtest.h>

namespace win {
namespace {

using test::Dib;
using test::kQuadBlack;
using test::kQuadWhite;
using test::MakeDib;
using test::MemDc;

TEST(DibSection, RecordDescribesTheSectionAsCreated) {
    Dib d = MakeDib(10, 7, 1, {kQuadBlack, kQuadWhite});
    ASSERT_NE(d.bitmap, nullptr);
    ASSERT_NE(d.bits, nullptr);
    DIBSECTION ds{};
    ASSERT_EQ(GetObject(d.bitmap, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmWidth, 10);
    EXPECT_EQ(ds.dsBm.bmHeight, 7) << "positive even for top-down rows";
    EXPECT_EQ(ds.dsBm.bmWidthBytes, 4) << "rows padded to 32 bits";
    EXPECT_EQ(ds.dsBm.bmPlanes, 1);
    EXPECT_EQ(ds.dsBm.bmBitsPixel, 1);
    EXPECT_EQ(ds.dsBm.bmBits, d.bits);
    EXPECT_EQ(ds.dsBmih.biSize, 40u);
    EXPECT_EQ(ds.dsBmih.biHeight, -7);
    EXPECT_EQ(ds.dsBmih.biBitCount, 1);
    EXPECT_EQ(ds.dsBmih.biCompression, BI_RGB);
    EXPECT_EQ(ds.dsBmih.biSizeImage, 28u);
    EXPECT_EQ(ds.dsBmih.biClrUsed, 0u);

    BITMAP bm{};
    EXPECT_EQ(GetObject(d.bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm)) << "a smaller buffer: BITMAP";
    EXPECT_EQ(bm.bmBits, d.bits);
    EXPECT_EQ(GetObject(d.bitmap, 4, &bm), 0);
    EXPECT_EQ(GetObject(d.bitmap, 0, nullptr), static_cast<int>(sizeof(DIBSECTION)));

    const DWORD masks[3] = {0xF800, 0x07E0, 0x001F};
    Dib high = MakeDib(3, 2, 16, {}, true, masks);
    ASSERT_EQ(GetObject(high.bitmap, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBmih.biCompression, BI_BITFIELDS);
    EXPECT_EQ(ds.dsBitfields[1], 0x07E0u);
    EXPECT_EQ(ds.dsBm.bmWidthBytes, 8);
    DeleteObject(d.bitmap);
    DeleteObject(high.bitmap);
}

TEST(DibSection, BitsFollowTheRowOrder) {
    Dib bottomUp = MakeDib(2, 2, 24, {}, true);
    {
        MemDc m(bottomUp.bitmap, false);
        SetPixelV(m.dc, 0, 0, RGB(1, 2, 3)); // top row: stored last
    }
    EXPECT_EQ(bottomUp.bits[8 + 0], 3) << "blue first, second stored row";
    EXPECT_EQ(bottomUp.bits[8 + 2], 1);
    Dib topDown = MakeDib(2, 2, 24);
    {
        MemDc m(topDown.bitmap, false);
        SetPixelV(m.dc, 0, 0, RGB(1, 2, 3));
    }
    EXPECT_EQ(topDown.bits[0], 3);
    DeleteObject(bottomUp.bitmap);
    DeleteObject(topDown.bitmap);
}

TEST(DeviceBitmaps, MonochromeAndScreenFormats) {
    HBITMAP mono = CreateBitmap(17, 3, 1, 1, nullptr);
    BITMAP bm{};
    ASSERT_EQ(GetObject(mono, sizeof(DIBSECTION), &bm), static_cast<int>(sizeof bm)) << "only BITMAP";
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmWidthBytes, 4) << "rows counted in 16-bit units";
    EXPECT_EQ(bm.bmBits, nullptr);

    // Compatible with a fresh memory context: monochrome; with the screen: 32 bits; with a context drawing on
    // a DIB section: a DIB section of the same layout.
    HDC mem = CreateCompatibleDC(nullptr);
    HBITMAP fromMem = CreateCompatibleBitmap(mem, 4, 4);
    GetObject(fromMem, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    HDC screen = GetDC(nullptr);
    HBITMAP fromScreen = CreateCompatibleBitmap(screen, 4, 4);
    GetObject(fromScreen, sizeof bm, &bm);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    Dib d = MakeDib(2, 2, 8, {kQuadBlack, kQuadWhite});
    HGDIOBJ old = SelectObject(mem, d.bitmap);
    HBITMAP fromDib = CreateCompatibleBitmap(mem, 5, 5);
    DIBSECTION ds{};
    ASSERT_EQ(GetObject(fromDib, sizeof ds, &ds), static_cast<int>(sizeof ds));
    EXPECT_EQ(ds.dsBm.bmBitsPixel, 8);
    EXPECT_EQ(ds.dsBm.bmWidth, 5);
    SelectObject(mem, old);

    // An empty size gives the platform's one-pixel monochrome stock bitmap, which deleting leaves alone.
    HBITMAP empty = CreateCompatibleBitmap(screen, 0, 0);
    EXPECT_EQ(empty, GetCurrentObject(mem, OBJ_BITMAP));
    EXPECT_TRUE(DeleteObject(empty));
    EXPECT_EQ(GetObject(empty, sizeof bm, &bm), static_cast<int>(sizeof bm));
    EXPECT_EQ(bm.bmWidth, 1);

    for (HGDIOBJ h :
         {static_cast<HGDIOBJ>(mono), static_cast<HGDIOBJ>(fromMem), static_cast<HGDIOBJ>(fromScreen),
          static_cast<HGDIOBJ>(fromDib), static_cast<HGDIOBJ>(d.bitmap)})
        EXPECT_TRUE(DeleteObject(h));
    DeleteDC(mem);
    ReleaseDC(nullptr, screen);
}

TEST(BitmapSizes, AbsurdAndEmptySizesFailWithAnErrorCode) {
    struct Case {
        int w, h, bits;
        DWORD error;
    };
    for (const Case& c :
         {Case{100000, 100000, 32, ERROR_NOT_ENOUGH_MEMORY},
          Case{0x7FFFFFFF, 100, 1, ERROR_NOT_ENOUGH_MEMORY}, Case{0, 5, 24, ERROR_INVALID_PARAMETER},
          Case{-3, 5, 24, ERROR_INVALID_PARAMETER}, Case{3, 0, 8, ERROR_INVALID_PARAMETER}}) {
        SetLastError(0);
        EXPECT_EQ(MakeDib(c.w, c.h, c.bits).bitmap, nullptr) << c.w << "x" << c.h;
        EXPECT_EQ(GetLastError(), c.error);
        EXPECT_FALSE(ErrorMessageText(GetLastError()).empty());
    }
    SetLastError(0);
    EXPECT_EQ(MakeDib(4, 4, 7).bitmap, nullptr) << "no such depth";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    SetLastError(0);
    EXPECT_EQ(CreateBitmap(100000, 100000, 1, 32, nullptr), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
    EXPECT_EQ(CreateBitmap(-1, 4, 1, 1, nullptr), nullptr);
    HDC screen = GetDC(nullptr);
    SetLastError(0);
    EXPECT_EQ(CreateCompatibleBitmap(screen, 100000, 100000), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_NOT_ENOUGH_MEMORY);
    ReleaseDC(nullptr, screen);
}

TEST(DibBits, GetDIBitsConvertsToTheAskedLayout) {
    MemDc src(MakeDib(3, 2, 32).bitmap);
    SetPixelV(src.dc, 0, 0, RGB(255, 255, 255));
    SetPixelV(src.dc, 2, 1, RGB(10, 20, 30));
    HBITMAP bitmap = static_cast<HBITMAP>(GetCurrentObject(src.dc, OBJ_BITMAP));

    struct {
        BITMAPINFOHEADER h;
        RGBQUAD colors[256];
    } info{};
    info.h.biSize = sizeof(BITMAPINFOHEADER);
    BITMAPINFO* bmi = reinterpret_cast<BITMAPINFO*>(&info);
    ASSERT_NE(GetDIBits(src.dc, bitmap, 0, 0, nullptr, bmi, DIB_RGB_COLORS), 0) << "bit count 0: describe";
    EXPECT_EQ(info.h.biWidth, 3);
    EXPECT_EQ(info.h.biBitCount, 32);

    info.h.biBitCount = 1;
    info.h.biHeight = 2; // bottom-up
    ASSERT_NE(GetDIBits(src.dc, bitmap, 0, 0, nullptr, bmi, DIB_RGB_COLORS), 0);
    EXPECT_EQ(info.colors[0], kQuadBlack);
    EXPECT_EQ(info.colors[1], kQuadWhite);
    EXPECT_EQ(info.h.biSizeImage, 8u);
    BYTE mono[8] = {};
    ASSERT_EQ(GetDIBits(src.dc, bitmap, 0, 2, mono, bmi, DIB_RGB_COLORS), 2);
    EXPECT_EQ(mono[4], 0x80) << "the top row is stored second: its first pixel is white";
    EXPECT_EQ(mono[0], 0x00);

    info.h.biBitCount = 24;
    info.h.biHeight = -2; // top-down
    BYTE rgb[16] = {};
    ASSERT_EQ(GetDIBits(src.dc, bitmap, 1, 1, rgb, bmi, DIB_RGB_COLORS), 1) << "scan line 1 only";
    EXPECT_EQ(rgb[6], 30);
    EXPECT_EQ(rgb[8], 10);
    EXPECT_EQ(GetDIBits(src.dc, bitmap, 0, 1, rgb, nullptr, DIB_RGB_COLORS), 0);
}

TEST(DibBits, ColourTableOfTheSelectedSection) {
    MemDc m(MakeDib(2, 1, 1, {kQuadBlack, kQuadWhite}).bitmap);
    SetPixelV(m.dc, 1, 0, RGB(255, 255, 255));
    RGBQUAD table[4] = {};
    EXPECT_EQ(GetDIBColorTable(m.dc, 0, 4, table), 2u);
    EXPECT_EQ(table[1], kQuadWhite);
    const RGBQUAD swapped[2] = {kQuadWhite, kQuadBlack};
    EXPECT_EQ(SetDIBColorTable(m.dc, 0, 2, swapped), 2u);
    EXPECT_EQ(GetPixel(m.dc, 0, 0), 0xFFFFFFu) << "same bits, new colours";
    EXPECT_EQ(GetPixel(m.dc, 1, 0), 0u);
    EXPECT_EQ(SetDIBColorTable(m.dc, 5, 1, swapped), 0u);

    MemDc ddb(CreateBitmap(2, 1, 1, 1, nullptr));
    EXPECT_EQ(GetDIBColorTable(ddb.dc, 0, 2, table), 0u) << "device-dependent bitmaps have no table to read";
}

} // namespace
} // namespace win
