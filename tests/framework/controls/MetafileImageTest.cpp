// Metafiles shown by the image control: the records of both kinds played onto the parent's surface (lines,
// a filled ellipse, text, clipping, a bitmap), the placeable header's box and units, and what a metafile
// still cannot become.
#include "ControlTestSupport.h"
#include "framework/graphics/PictureTestSupport.h"
#include "support/MetafileBuilder.h"

#include "framework/controls/ExtCtrlsImage.h"
#include "framework/core/MessageTexts.h"
#include "framework/graphics/GraphicsMetafile.h"

#include <gtest/gtest.h>

namespace gl::bmptest {
namespace {

using controltest::ControlTest;

constexpr std::uint32_t kRed = 0x0000FF, kBlue = 0xFF0000, kGreen = 0x00FF00, kWhite = 0xFFFFFF;
constexpr std::uint32_t kYellow = 0x00FFFF, kMagenta = 0xFF00FF, kCyan = 0xFFFF00;
constexpr std::uint32_t kNullPen = 0x80000008;

// Two by two: yellow, magenta above cyan, black.
SmallDib Quadrants() {
    return Dib24(2, 2, {kYellow, kMagenta, kCyan, 0});
}

// The picture of both kinds below, 96 x 48 pixels, in pixels: a red line along y 2 from x 2 to 40, a blue
// ellipse in (50, 4, 90, 24) without outline, "Hi" in black on a green box (4, 12, 40, 28), a green block
// (0, 32, 30, 48) clipped to (0, 36, 20, 48), and the bitmap stretched over (60, 30, 76, 46).
std::string EnhancedPicture() {
    EmfBuilder emf;
    emf.CreatePen(1, 0, 1, kRed).SelectObject(1);
    emf.Record(27, Bytes().I32(2).I32(2)).Record(54, Bytes().I32(40).I32(2)); // move to, line to
    emf.SelectObject(kNullPen).CreateBrush(2, kBlue).SelectObject(2).Box(42, 50, 4, 90, 24);
    emf.CreateFont(3, -12, u"SimSun").SelectObject(3).Record(25, Bytes().U32(kGreen)); // background colour
    emf.Text(4, 12, 0x0002, 4, 12, 40, 28, u"Hi");                                     // opaque
    emf.Record(33, Bytes()).Box(30, 0, 36, 20, 48);                                    // save, clip
    emf.CreateBrush(4, kGreen).SelectObject(4).Box(43, 0, 32, 30, 48).Record(34, Bytes().I32(-1));
    emf.DeleteObject(4).DeleteObject(2); // the blue brush while it is still selected
    emf.StretchDib(60, 30, 16, 16, Quadrants());
    return emf.Finish(2540, 1270, 5);
}

// The same picture as a placeable metafile in twentieths of a point (15 units a pixel), its window the box.
std::string PlaceablePicture() {
    WmfBuilder wmf;
    wmf.CreatePen(0, 0, kRed).Words(0x012D, {0});                     // object 0, selected
    wmf.Words(0x0214, {30, 30}).Words(0x0213, {30, 600});             // move to, line to (y first)
    wmf.CreatePen(5, 0, 0).Words(0x012D, {1});                        // a null pen: object 1
    wmf.CreateBrush(0, kBlue).Words(0x012D, {2});                     // object 2
    wmf.Words(0x0418, {360, 1350, 60, 750});                          // ellipse: bottom, right, top, left
    wmf.CreateFont(-180, "SimSun").Words(0x012D, {3});                // object 3
    wmf.Record(0x0201, Bytes().U32(kGreen));                          // background colour
    wmf.ExtTextOut(60, 180, 0x0002, 60, 180, 600, 420, "Hi");         // opaque
    wmf.Words(0x001E, {}).Words(0x0416, {720, 300, 540, 0});          // save; clip: bottom, right, top, left
    wmf.Words(0x01F0, {2}).CreateBrush(0, kGreen).Words(0x012D, {2}); // the freed slot is taken again
    wmf.Words(0x041B, {720, 450, 480, 0}).Words(0x0127, {-1});        // rectangle; restore
    wmf.StretchDib(900, 450, 240, 240, Quadrants());
    return wmf.Finish(1440, 720, 1440, 4);
}

class MetafileImageTest : public ControlTest {
protected:
    TImage* ShowPicture(const std::string& name, const std::string& bytes) {
        MakeForm(200, 150);
        auto* image = new TImage(&m_owner);
        image->SetAutoSize(true);
        image->SetBounds(10, 20, 30, 30);
        image->SetParent(m_form);
        image->Picture()->LoadFromFile(m_folder.Write(name, bytes));
        win::headless::Pump();
        return image;
    }
    // A pixel of the picture, at its place in the image control.
    std::uint32_t At(int x, int y) { return FormPixel(10 + x, 20 + y); }

    void ExpectThePicture() {
        EXPECT_EQ(At(2, 2), kRed);
        EXPECT_EQ(At(39, 2), kRed);
        EXPECT_EQ(At(40, 2), kWhite); // a line leaves out its end point
        EXPECT_EQ(At(1, 2), kWhite);
        EXPECT_EQ(At(2, 3), kWhite);
        EXPECT_EQ(At(70, 14), kBlue);
        EXPECT_EQ(At(51, 14), kBlue);
        EXPECT_EQ(At(70, 5), kBlue);
        EXPECT_EQ(At(50, 4), kWhite); // outside the ellipse, in its box's corner
        EXPECT_EQ(At(89, 23), kWhite);
        EXPECT_EQ(At(4, 12), kGreen);
        EXPECT_EQ(At(39, 27), kGreen);
        EXPECT_EQ(At(40, 20), kWhite);
        EXPECT_EQ(At(20, 28), kWhite);
        int black = 0;
        for (int y = 12; y < 28; ++y)
            for (int x = 4; x < 40; ++x) black += At(x, y) == 0 ? 1 : 0;
        EXPECT_GT(black, 12); // the two letters
        EXPECT_EQ(At(0, 36), kGreen);
        EXPECT_EQ(At(19, 46), kGreen);
        EXPECT_EQ(At(0, 35), kWhite);  // clipped away above
        EXPECT_EQ(At(20, 40), kWhite); // and to the right
        EXPECT_EQ(At(10, 47), kWhite); // the block's own bottom row: no outline with the null pen
        EXPECT_EQ(At(60, 30), kYellow);
        EXPECT_EQ(At(67, 37), kYellow);
        EXPECT_EQ(At(68, 30), kMagenta);
        EXPECT_EQ(At(75, 37), kMagenta);
        EXPECT_EQ(At(60, 38), kCyan);
        EXPECT_EQ(At(75, 45), 0u);
        EXPECT_EQ(At(76, 45), kWhite);
        EXPECT_EQ(At(75, 46), kWhite);
    }

    TempFolder m_folder;
};

TEST_F(MetafileImageTest, EnhancedMetafileIsPlayedIntoTheImage) {
    TImage* image = ShowPicture("drawing.emf", EnhancedPicture());
    EXPECT_EQ(image->Width(), 96);
    EXPECT_EQ(image->Height(), 48);
    ExpectThePicture();
    EXPECT_EQ(At(96, 10), kWhite);
}

TEST_F(MetafileImageTest, PlaceableMetafileMapsItsBoxOntoThePicture) {
    TImage* image = ShowPicture("drawing.wmf", PlaceablePicture());
    EXPECT_EQ(image->Width(), 96); // 1440 units at 1440 an inch
    EXPECT_EQ(image->Height(), 48);
    ExpectThePicture();
}

TEST_F(MetafileImageTest, StretchedMetafileScalesItsRecordsAndStillIsNoBitmap) {
    TImage* image = ShowPicture("drawing.emf", EnhancedPicture());
    image->SetAutoSize(false);
    image->SetBounds(10, 20, 192, 96);
    image->SetStretch(true);
    win::headless::Pump();
    EXPECT_EQ(At(4, 4), kRed);
    EXPECT_EQ(At(79, 4), kRed);
    EXPECT_EQ(At(4, 5), kWhite); // the pen stays a pixel wide
    EXPECT_EQ(At(140, 28), kBlue);
    EXPECT_EQ(At(120, 60), kYellow);
    EXPECT_EQ(At(135, 75), kYellow);
    EXPECT_EQ(At(151, 91), 0u);
    EXPECT_EQ(At(152, 91), kWhite);

    TBitmap bitmap;
    ExpectError<EConvertError>([&] { bitmap.Assign(image->Picture()); },
                               "Cannot assign a TPicture to a TBitmap");
}

} // namespace
} // namespace gl::bmptest
