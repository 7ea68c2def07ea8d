// Device contexts: saved states, selection rules, capabilities, the screen context and the window-context
// hook, palettes, regions and clip queries, and handles that are stale or of the wrong kind.
#include "BitmapSupport.h"

#include "platform/gdi/Clipping.h"
#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/Palettes.h"
#include "platform/gdi/PensBrushes.h"
#include "platform/gdi/RectFills.h"
#include "platform/gdi/Screen.h"
#include "platform/gdi/StockObjects.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

namespace win {
namespace {

// The pixels a region object holds.
const Region& RegionOf(HRGN handle) {
    return FindGdi<RegionObject>(handle)->region;
}

using test::Dib;
using test::MakeDib;
using test::MemDc;

TEST(SaveRestore, BringsBackStateObjectsAndSurface) {
    Dib a = MakeDib(4, 4, 32), b = MakeDib(8, 8, 32);
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, a.bitmap);
    SetBkColor(dc, RGB(1, 2, 3));
    const int first = SaveDC(dc);
    EXPECT_EQ(first, 1);
    SelectObject(dc, b.bitmap);
    SetBkColor(dc, RGB(4, 5, 6));
    SetViewportOrgEx(dc, 3, 3, nullptr);
    IntersectClipRect(dc, 0, 0, 1, 1);
    EXPECT_EQ(SaveDC(dc), 2);
    SetTextColor(dc, RGB(9, 9, 9));
    EXPECT_FALSE(DeleteObject(a.bitmap)) << "a saved state still holds it";

    EXPECT_TRUE(RestoreDC(dc, -1));
    EXPECT_EQ(GetTextColor(dc), 0u);
    EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
    EXPECT_FALSE(RestoreDC(dc, 2)) << "level 2 is gone";
    EXPECT_FALSE(RestoreDC(dc, 0));
    EXPECT_TRUE(RestoreDC(dc, first));
    EXPECT_EQ(GetBkColor(dc), RGB(1, 2, 3));
    POINT org{};
    GetWindowOrgEx(dc, &org);
    EXPECT_EQ(org, (POINT{0, 0}));
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 4, 4})) << "bitmap a's surface and no clip";
    EXPECT_EQ(GetCurrentObject(dc, OBJ_BITMAP), a.bitmap);
    EXPECT_TRUE(DeleteObject(b.bitmap)) << "nothing holds b any more";
    DeleteDC(dc);
    EXPECT_TRUE(DeleteObject(a.bitmap));
}

TEST(Selection, ABitmapLivesInOneContextAndSelectedObjectsOutliveDeletion) {
    Dib d = MakeDib(2, 2, 32);
    HDC one = CreateCompatibleDC(nullptr), two = CreateCompatibleDC(nullptr);
    const HGDIOBJ stock = SelectObject(one, d.bitmap);
    EXPECT_EQ(stock, StockDefaultBitmap());
    SetLastError(0);
    EXPECT_EQ(SelectObject(two, d.bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(d.bitmap));
    HDC screen = GetDC(nullptr);
    EXPECT_EQ(SelectObject(screen, StockDefaultBitmap()), nullptr) << "only memory contexts take bitmaps";
    ReleaseDC(nullptr, screen);

    // A brush deleted while selected keeps working until it is deselected, then goes.
    HBRUSH brush = CreateSolidBrush(RGB(0, 0, 255));
    SelectObject(one, brush);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_TRUE(PatBlt(one, 0, 0, 2, 2, PATCOPY));
    EXPECT_EQ(GetPixel(one, 1, 1), RGB(0, 0, 255));
    SelectObject(one, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetObjectType(brush), 0u) << "gone once deselected";

    SelectObject(one, stock);
    EXPECT_NE(SelectObject(two, d.bitmap), nullptr) << "free again";
    DeleteDC(two);
    DeleteDC(one);
    EXPECT_TRUE(DeleteObject(d.bitmap));
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN))) << "stock objects: success, nothing happens";
    EXPECT_EQ(GetObjectType(GetStockObject(BLACK_PEN)), OBJ_PEN);
}

TEST(Handles, StaleAndForeignHandlesFailCleanly) {
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateBitmap(2, 2, 1, 1, nullptr);
    HRGN region = CreateRectRgn(0, 0, 1, 1);
    EXPECT_EQ(GetObjectType(dc), OBJ_MEMDC);
    EXPECT_EQ(GetObjectType(region), OBJ_REGION);
    EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(bitmap), region), nullptr) << "a bitmap is no context";
    EXPECT_EQ(SelectPalette(dc, reinterpret_cast<HPALETTE>(bitmap), FALSE), nullptr)
        << "a bitmap is no palette";
    EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(dc)), nullptr) << "a context is no object";
    DeleteDC(dc);
    DeleteObject(bitmap);
    DeleteObject(region);

    SetLastError(0);
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(DeleteObject(bitmap));
    EXPECT_EQ(GetObject(bitmap, sizeof(BITMAP), nullptr), 0);
    EXPECT_EQ(SelectObject(dc, bitmap), nullptr);
    EXPECT_EQ(SaveDC(dc), 0);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 0);
    EXPECT_EQ(SetBkColor(dc, 0), CLR_INVALID);
    EXPECT_EQ(GetClipBox(dc, nullptr), ERROR);
    EXPECT_EQ(CombineRgn(region, region, region, RGN_OR), ERROR);
    EXPECT_EQ(CreateCompatibleDC(dc), nullptr);
    EXPECT_EQ(CreateCompatibleBitmap(dc, 2, 2), nullptr);
    EXPECT_EQ(RealizePalette(dc), GDI_ERROR);
}

TEST(Attributes, SettersReturnThePreviousValueAndRejectBadModesWithoutChange) {
    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SetROP2(dc, R2_XORPEN), R2_COPYPEN);
    SetLastError(0);
    EXPECT_EQ(SetROP2(dc, R2_WHITE + 1), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(SetBkMode(dc, 7), 0);
    EXPECT_EQ(SetStretchBltMode(dc, 0), 0);
    EXPECT_EQ(SetROP2(dc, R2_COPYPEN), R2_XORPEN) << "a rejected mode leaves the old one";
    EXPECT_EQ(GetBkMode(dc), OPAQUE);
    EXPECT_EQ(SetStretchBltMode(dc, COLORONCOLOR), BLACKONWHITE);
    DeleteDC(dc);

    // The handle is checked before the value.
    SetLastError(0);
    EXPECT_EQ(SetROP2(dc, 0), 0);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(GetBkMode(dc), 0);
}

TEST(DeviceCaps, MemoryContextsReportTheScreen) {
    MemDc mono(CreateBitmap(3, 3, 1, 1, nullptr));
    EXPECT_EQ(GetDeviceCaps(mono.dc, BITSPIXEL), 32) << "not the selected bitmap's depth";
    EXPECT_EQ(GetDeviceCaps(mono.dc, PLANES), 1);
    EXPECT_EQ(GetDeviceCaps(mono.dc, SIZEPALETTE), 0);
    EXPECT_EQ(GetDeviceCaps(mono.dc, RASTERCAPS) & RC_PALETTE, 0);
    EXPECT_NE(GetDeviceCaps(mono.dc, RASTERCAPS) & RC_STRETCHBLT, 0);
    SetScreenDpi(120);
    SetScreenSize(800, 600);
    EXPECT_EQ(GetDeviceCaps(mono.dc, LOGPIXELSY), 120);
    EXPECT_EQ(GetDeviceCaps(mono.dc, HORZRES), 800);
    HDC screen = GetDC(nullptr);
    RECT box{};
    GetClipBox(screen, &box);
    EXPECT_EQ(box, (RECT{0, 0, 800, 600}));
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    SetScreenDpi(0);
    SetScreenSize(kDefaultScreenWidth, kDefaultScreenHeight);
    EXPECT_EQ(GetDeviceCaps(mono.dc, LOGPIXELSX), 96);
    EXPECT_EQ(ReleaseDC(nullptr, mono.dc), 0) << "memory contexts are deleted, not released";
}

HDC g_windowDc = nullptr;
HDC ProvideWindowDc(HWND, HRGN, DWORD) {
    auto dc = NewDeviceContext(DcKind::Window);
    dc->surface = Surface::Create(10, 10, 32, true);
    dc->surfaceOrigin = POINT{4, 2}; // the client area's corner on the window's surface
    dc->systemClip = Region(RECT{0, 0, 5, 5});
    return g_windowDc = RegisterDeviceContext(std::move(dc));
}
int ReleaseWindowDc(HWND, HDC hdc) {
    return DestroyDeviceContext(hdc) ? 1 : 0;
}

TEST(ScreenDc, WindowContextsComeFromTheWindowManager) {
    HWND window = reinterpret_cast<HWND>(0x1234);
    SetLastError(0);
    EXPECT_EQ(GetDC(window), nullptr) << "no window manager yet";
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);

    SetWindowDcProvider(ProvideWindowDc, ReleaseWindowDc);
    HDC dc = GetDC(window);
    ASSERT_EQ(dc, g_windowDc);
    EXPECT_EQ(GetDeviceCaps(dc, BITSPIXEL), 32);
    EXPECT_EQ(SetPixel(dc, 4, 4, RGB(7, 8, 9)), RGB(7, 8, 9));
    EXPECT_EQ(GetPixel(dc, 5, 0), CLR_INVALID) << "outside the window's visible part";
    RECT box{};
    EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 0, 5, 5})) << "in the context's own coordinates";
    EXPECT_FALSE(DeleteDC(dc));
    EXPECT_EQ(ReleaseDC(window, dc), 1);
    EXPECT_EQ(GetPixel(dc, 4, 4), CLR_INVALID);
    SetWindowDcProvider(nullptr, nullptr);
}

TEST(Palettes, EntriesAndSelection) {
    HPALETTE halftone = CreateHalftonePalette(nullptr);
    ASSERT_NE(halftone, nullptr);
    EXPECT_EQ(GetPaletteEntries(halftone, 0, 0, nullptr), 256u);
    EXPECT_EQ(GetPaletteEntries(halftone, 250, 10, nullptr), 256u);
    PALETTEENTRY e[300]{};
    EXPECT_EQ(GetPaletteEntries(halftone, 250, 10, e), 6u);
    EXPECT_EQ(e[5], (PALETTEENTRY{255, 255, 255, 0}));

    struct {
        LOGPALETTE head;
        PALETTEENTRY more[1];
    } two{};
    two.head.palVersion = 0x300;
    two.head.palNumEntries = 2;
    two.head.palPalEntry[0] = PALETTEENTRY{0, 0, 0, 0};
    two.more[0] = PALETTEENTRY{2, 0, 0, 0};
    HPALETTE pal = CreatePalette(&two.head);
    two.head.palNumEntries = 0;
    EXPECT_EQ(CreatePalette(&two.head), nullptr);

    HDC dc = CreateCompatibleDC(nullptr);
    EXPECT_EQ(SelectPalette(dc, pal, TRUE), GetStockObject(DEFAULT_PALETTE));
    EXPECT_EQ(RealizePalette(dc), 2u);
    EXPECT_EQ(SelectObject(dc, halftone), nullptr) << "palettes go through SelectPalette";
    EXPECT_TRUE(DeleteObject(pal)) << "deleted when deselected";
    EXPECT_EQ(SelectPalette(dc, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), TRUE), pal);
    EXPECT_EQ(GetObjectType(pal), 0u);
    DeleteDC(dc);
    DeleteObject(halftone);
}

TEST(Regions, CombineAndQuery) {
    HRGN a = CreateRectRgn(0, 0, 10, 10), b = CreateRectRgn(5, 5, 15, 15), r = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(CombineRgn(r, a, b, RGN_AND), SIMPLEREGION);
    EXPECT_EQ(RegionOf(r).Bounds(), (RECT{5, 5, 10, 10}));
    EXPECT_EQ(CombineRgn(r, a, b, RGN_OR), COMPLEXREGION);
    EXPECT_TRUE(RegionOf(r).Contains(14, 14));
    EXPECT_FALSE(RegionOf(r).Contains(14, 0));
    EXPECT_EQ(CombineRgn(r, a, b, RGN_XOR), COMPLEXREGION);
    EXPECT_FALSE(RegionOf(r).Contains(7, 7));
    EXPECT_EQ(CombineRgn(r, a, b, RGN_DIFF), COMPLEXREGION);
    EXPECT_TRUE(RegionOf(r).Contains(2, 8));
    EXPECT_EQ(CombineRgn(a, a, nullptr, RGN_COPY), SIMPLEREGION);
    HRGN halves = CreateRectRgn(0, 0, 5, 10);
    HRGN right = CreateRectRgn(5, 0, 10, 10);
    EXPECT_EQ(CombineRgn(halves, halves, right, RGN_OR), SIMPLEREGION) << "two halves make one rectangle";
    EXPECT_TRUE(RegionOf(halves) == RegionOf(a));
    EXPECT_EQ(CombineRgn(r, a, b, 9), ERROR);
    for (HRGN h : {a, b, r, halves, right}) DeleteObject(h);
}

TEST(Regions, ClipQueriesInLogicalCoordinates) {
    MemDc m(MakeDib(20, 20, 32).bitmap);
    HRGN query = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetClipRgn(m.dc, query), 0) << "no clip of the application's yet";
    SetViewportOrgEx(m.dc, 5, 5, nullptr);
    EXPECT_EQ(IntersectClipRect(m.dc, 0, 0, 10, 10), SIMPLEREGION); // device 5..15
    EXPECT_EQ(ExcludeClipRect(m.dc, 0, 0, 10, 2), SIMPLEREGION);    // device rows 5..7 go
    RECT box{};
    EXPECT_EQ(GetClipBox(m.dc, &box), SIMPLEREGION);
    EXPECT_EQ(box, (RECT{0, 2, 10, 10}));
    EXPECT_EQ(GetClipRgn(m.dc, query), 1);
    EXPECT_EQ(RegionOf(query).Bounds(), (RECT{5, 7, 15, 15}))
        << "the clip region itself is in device coordinates";
    const RECT inside{0, 2, 1, 3}, above{0, 1, 1, 2}, outside{10, 0, 12, 12};
    EXPECT_TRUE(RectVisible(m.dc, &inside));
    EXPECT_FALSE(RectVisible(m.dc, &above));
    EXPECT_FALSE(RectVisible(m.dc, &outside));
    EXPECT_EQ(ExtSelectClipRgn(m.dc, nullptr, RGN_AND), ERROR);
    EXPECT_EQ(SelectClipRgn(m.dc, nullptr), SIMPLEREGION);
    HRGN hole = CreateRectRgn(0, 0, 5, 5);
    EXPECT_EQ(ExtSelectClipRgn(m.dc, hole, RGN_DIFF), COMPLEXREGION);
    const RECT corner{-1, -1, 0, 0};
    EXPECT_FALSE(RectVisible(m.dc, &corner)) << "device (4, 4)";
    DeleteObject(hole);
    DeleteObject(query);
}

} // namespace
} // namespace win
