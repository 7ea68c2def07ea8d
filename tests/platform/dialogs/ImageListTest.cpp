// Tests of image lists: taking images in with a mask colour or a mask bitmap, and the exact pixels each
// drawing style leaves on a surface; bad handles and sizes fail cleanly.
#include "platform/dialogs/ImageList.h"

#include "platform/gdi/Bitmaps.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Objects.h"
#include "platform/gdi/Pixels.h"
#include "platform/gdi/SysColors.h"
#include "platform/system/LastError.h"

#include <gtest/gtest.h>

#include <cstring>

namespace win {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

// A 32-bit top-down bitmap of the given size, every pixel set by a function of (x, y).
template <class F> HBITMAP MakeBitmap(int width, int height, F color) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const COLORREF c = color(x, y);
            pixels[y * width + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    return bitmap;
}

// A memory context on a 10 x 10 surface filled with one colour.
class Canvas {
public:
    explicit Canvas(COLORREF fill) {
        m_dc = CreateCompatibleDC(nullptr);
        m_bitmap = MakeBitmap(10, 10, [fill](int, int) { return fill; });
        m_old = SelectObject(m_dc, m_bitmap);
    }
    ~Canvas() {
        SelectObject(m_dc, m_old);
        DeleteObject(m_bitmap);
        DeleteDC(m_dc);
    }
    HDC Dc() const { return m_dc; }
    COLORREF At(int x, int y) const { return GetPixel(m_dc, x, y); }

private:
    HDC m_dc;
    HBITMAP m_bitmap;
    HGDIOBJ m_old;
};

class ImageListTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_list = ImageList_Create(4, 4, ILC_COLOR24 | ILC_MASK, 2, 2);
        ASSERT_NE(m_list, nullptr);
        // Image 0: red with a magenta 2 x 2 corner at the top left; image 1: blue.
        HBITMAP strip = MakeBitmap(
            8, 4, [](int x, int y) { return x >= 4 ? kBlue : (x < 2 && y < 2 ? kMagenta : kRed); });
        EXPECT_EQ(ImageList_AddMasked(m_list, strip, kMagenta), 0);
        DeleteObject(strip);
    }
    void TearDown() override { ImageList_Destroy(m_list); }

    HIMAGELIST m_list = nullptr;
};

TEST_F(ImageListTest, MaskColourPixelsKeepTheDestinationUnlessABackgroundIsDrawn) {
    EXPECT_EQ(ImageList_GetImageCount(m_list), 2);

    Canvas transparent(kGreen);
    ASSERT_TRUE(ImageList_Draw(m_list, 0, transparent.Dc(), 3, 3, ILD_TRANSPARENT));
    EXPECT_EQ(transparent.At(3, 3), kGreen); // masked corner
    EXPECT_EQ(transparent.At(4, 4), kGreen);
    EXPECT_EQ(transparent.At(5, 3), kRed);
    EXPECT_EQ(transparent.At(6, 6), kRed);
    EXPECT_EQ(transparent.At(7, 7), kGreen); // outside the image

    // ILD_NORMAL: masked pixels take the list's background colour once it has one.
    Canvas normal(kGreen);
    ImageList_Draw(m_list, 0, normal.Dc(), 0, 0, ILD_NORMAL);
    EXPECT_EQ(normal.At(0, 0), kGreen);
    EXPECT_EQ(ImageList_SetBkColor(m_list, kWhite), CLR_NONE);
    ImageList_Draw(m_list, 0, normal.Dc(), 0, 0, ILD_NORMAL);
    EXPECT_EQ(normal.At(1, 1), kWhite);
    ImageList_Draw(m_list, 0, normal.Dc(), 5, 5, ILD_TRANSPARENT); // the background does not apply here
    EXPECT_EQ(normal.At(5, 5), kGreen);

    // The mask alone, and the image alone (stored black under the mask).
    Canvas mask(kGreen);
    ImageList_Draw(m_list, 0, mask.Dc(), 0, 0, ILD_MASK);
    EXPECT_EQ(mask.At(0, 0), kWhite);
    EXPECT_EQ(mask.At(3, 3), kBlack);
    ImageList_Draw(m_list, 0, mask.Dc(), 5, 5, ILD_IMAGE);
    EXPECT_EQ(mask.At(5, 5), kBlack);
    EXPECT_EQ(mask.At(8, 8), kRed);
}

TEST_F(ImageListTest, BlendsMixTheSelectionColourIntoOpaquePixelsOnly) {
    Canvas c(kGreen);
    ASSERT_TRUE(
        ImageList_DrawEx(m_list, 0, c.Dc(), 0, 0, 0, 0, CLR_NONE, kBlue, ILD_TRANSPARENT | ILD_BLEND50));
    EXPECT_EQ(c.At(3, 3), RGB(128, 0, 128));
    EXPECT_EQ(c.At(0, 0), kGreen);
    ImageList_DrawEx(m_list, 1, c.Dc(), 5, 5, 0, 0, CLR_NONE, CLR_DEFAULT, ILD_TRANSPARENT | ILD_BLEND25);
    const COLORREF h = GetSysColor(COLOR_HIGHLIGHT);
    auto mix = [](int a, int b) { return (a * 75 + b * 25 + 50) / 100; };
    EXPECT_EQ(c.At(6, 6), RGB(mix(0, GetRValue(h)), mix(0, GetGValue(h)), mix(255, GetBValue(h))));
    // CLR_NONE as the blend colour mixes with what is underneath.
    ImageList_DrawEx(m_list, 1, c.Dc(), 0, 5, 0, 0, CLR_NONE, CLR_NONE, ILD_TRANSPARENT | ILD_BLEND50);
    EXPECT_EQ(c.At(1, 6), RGB(0, 128, 128));
    // A part of the image: dx, dy from its top-left corner; drawing off the surface is clipped.
    Canvas part(kGreen);
    ImageList_DrawEx(m_list, 1, part.Dc(), 0, 0, 2, 3, CLR_NONE, CLR_NONE, ILD_NORMAL);
    EXPECT_EQ(part.At(1, 2), kBlue);
    EXPECT_EQ(part.At(2, 2), kGreen);
    EXPECT_EQ(part.At(1, 3), kGreen);
    EXPECT_TRUE(ImageList_Draw(m_list, 1, part.Dc(), 8, -2, ILD_NORMAL));
    EXPECT_EQ(part.At(9, 1), kBlue);
    EXPECT_TRUE(ImageList_Draw(m_list, 1, part.Dc(), 0x7FFFFFF0, 0x7FFFFFF0, ILD_NORMAL));
}

TEST_F(ImageListTest, AMaskBitmapsSetPixelsAreTransparent) {
    HIMAGELIST list = ImageList_Create(4, 4, ILC_COLOR32 | ILC_MASK, 1, 1);
    HBITMAP image = MakeBitmap(4, 4, [](int, int) { return kBlue; });
    // One bit per pixel, rows padded to 16 bits: the left half of the top two rows is set.
    const BYTE bits[8] = {0xC0, 0, 0xC0, 0, 0, 0, 0, 0};
    HBITMAP mask = CreateBitmap(4, 4, 1, 1, bits);
    EXPECT_EQ(ImageList_Add(list, image, mask), 0);
    Canvas c(kGreen);
    ImageList_Draw(list, 0, c.Dc(), 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(c.At(0, 0), kGreen);
    EXPECT_EQ(c.At(1, 1), kGreen);
    EXPECT_EQ(c.At(2, 0), kBlue);
    EXPECT_EQ(c.At(0, 2), kBlue);
    // Without ILC_MASK the mask is ignored.
    HIMAGELIST opaque = ImageList_Create(4, 4, ILC_COLOR24, 1, 1);
    ImageList_Add(opaque, image, mask);
    ImageList_Draw(opaque, 0, c.Dc(), 0, 0, ILD_TRANSPARENT);
    EXPECT_EQ(c.At(0, 0), kBlue);
    DeleteObject(image);
    DeleteObject(mask);
    ImageList_Destroy(list);
    ImageList_Destroy(opaque);
}

TEST_F(ImageListTest, RemovingReplacingAndCounting) {
    ASSERT_TRUE(ImageList_Remove(m_list, 0));
    EXPECT_EQ(ImageList_GetImageCount(m_list), 1);
    Canvas c(kGreen);
    ImageList_Draw(m_list, 0, c.Dc(), 0, 0, ILD_NORMAL);
    EXPECT_EQ(c.At(0, 0), kBlue); // the former second image

    HBITMAP white = MakeBitmap(4, 4, [](int, int) { return kWhite; });
    EXPECT_TRUE(ImageList_Replace(m_list, 0, white, nullptr));
    ImageList_Draw(m_list, 0, c.Dc(), 0, 0, ILD_NORMAL);
    EXPECT_EQ(c.At(3, 3), kWhite);
    EXPECT_FALSE(ImageList_Replace(m_list, 1, white, nullptr));
    DeleteObject(white);

    EXPECT_TRUE(ImageList_RemoveAll(m_list));
    EXPECT_EQ(ImageList_GetImageCount(m_list), 0);
}

TEST_F(ImageListTest, BadHandlesIndexesAndSizesFailCleanly) {
    EXPECT_EQ(ImageList_Create(0, 4, ILC_MASK, 1, 1), nullptr);
    EXPECT_EQ(ImageList_Create(100000, 4, ILC_MASK, 1, 1), nullptr);

    Canvas c(kGreen);
    EXPECT_FALSE(ImageList_Draw(m_list, 2, c.Dc(), 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(m_list, -1, c.Dc(), 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Draw(m_list, 0, nullptr, 0, 0, ILD_NORMAL));
    HBITMAP narrow = MakeBitmap(3, 4, [](int, int) { return kRed; });
    EXPECT_EQ(ImageList_Add(m_list, narrow, nullptr), -1);
    EXPECT_EQ(ImageList_Add(m_list, nullptr, nullptr), -1);
    DeleteObject(narrow);

    HIMAGELIST stale = ImageList_Create(4, 4, ILC_MASK, 1, 1);
    ASSERT_TRUE(ImageList_Destroy(stale));
    EXPECT_FALSE(ImageList_Destroy(stale));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
    EXPECT_EQ(ImageList_GetImageCount(stale), 0);
    EXPECT_FALSE(ImageList_Draw(stale, 0, c.Dc(), 0, 0, ILD_NORMAL));
    EXPECT_FALSE(ImageList_Remove(reinterpret_cast<HIMAGELIST>(c.Dc()), 0)); // a handle of another kind
}

} // namespace
} // namespace win
