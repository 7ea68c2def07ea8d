// Icons made from bitmaps and a window's icon on the desktop: WM_SETICON hands the pixels to the real window
// (straight alpha kept, or the mask's transparency), WM_GETICON answers, stale handles fail.
#include "UserTestSupport.h"

#include "platform/display/headless/HeadlessDisplay.h"
#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/Objects.h"
#include "platform/system/LastError.h"
#include "platform/user/Icons.h"

#include <cstring>

using namespace win;
using namespace usertest;

namespace {

class Icons : public UserTest {};

// A 2 x 1 bitmap of the given two BGRA pixels, 32 bits deep, top row first.
HBITMAP TwoPixels(std::uint32_t left, std::uint32_t right) {
    const BITMAPINFO info = TopDownInfo32(2, 1);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const std::uint32_t pixels[2] = {left, right};
    std::memcpy(bits, pixels, sizeof pixels);
    return bitmap;
}

TEST_F(Icons, TheWindowsIconReachesTheDesktopWithItsAlpha) {
    HWND top = MakeTop();
    HBITMAP colour = TwoPixels(0x80C8553D, 0x00000000);
    ICONINFO info;
    info.hbmColor = colour;
    HICON icon = CreateIconIndirect(&info);
    ASSERT_NE(icon, nullptr);
    DeleteObject(colour); // the icon keeps its own copy

    EXPECT_EQ(SendMessage(top, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon)), 0);
    EXPECT_EQ(SendMessage(top, WM_GETICON, ICON_BIG, 0), reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(SendMessage(top, WM_GETICON, ICON_SMALL, 0), 0);
    const DisplayIcon& shown = headless::Screen().FindWindow(1)->icon;
    EXPECT_EQ(shown.width, 2);
    EXPECT_EQ(shown.height, 1);
    EXPECT_EQ(shown.argb, (std::vector<std::uint32_t>{0x80C8553D, 0x00000000}));

    // Replacing answers the previous icon; a destroyed one is no icon any more.
    HBITMAP second = TwoPixels(0xFF000000, 0xFFFFFFFF);
    info.hbmColor = second;
    HICON other = CreateIconIndirect(&info);
    EXPECT_EQ(SendMessage(top, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(other)),
              reinterpret_cast<LRESULT>(icon));
    EXPECT_EQ(headless::Screen().FindWindow(1)->icon.argb,
              (std::vector<std::uint32_t>{0xFF000000, 0xFFFFFFFF}));
    DeleteObject(second);
}

TEST_F(Icons, WithoutAlphaTheMaskMakesPixelsTransparent) {
    HWND top = MakeTop();
    HBITMAP colour = TwoPixels(0x002B3A67, 0x00F4EFE2);
    HBITMAP mask = TwoPixels(0x00000000, 0x00FFFFFF); // white: transparent
    ICONINFO info;
    info.hbmColor = colour;
    info.hbmMask = mask;
    HICON icon = CreateIconIndirect(&info);
    SendMessage(top, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    EXPECT_EQ(headless::Screen().FindWindow(1)->icon.argb,
              (std::vector<std::uint32_t>{0xFF2B3A67, 0x00000000}));

    ICONINFO empty;
    EXPECT_EQ(CreateIconIndirect(&empty), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER);
    EXPECT_EQ(CreateIconIndirect(nullptr), nullptr);
    DeleteObject(colour);
    DeleteObject(mask);
}

} // namespace
