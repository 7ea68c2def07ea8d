// The image control: auto-size from its picture, the destination rectangle for every combination of
// stretch, proportion and centring, painting on the parent's surface, and its stored properties.
#include "ControlTestSupport.h"
#include "framework/graphics/PictureTestSupport.h"

#include "framework/controls/ExtCtrlsImage.h"
#include "framework/graphics/GraphicsIcon.h"
#include "framework/stored/LayoutClass.h"

#include <gtest/gtest.h>

namespace gl::bmptest {
namespace {

using controltest::ControlTest;

std::string Picture(int width, int height, std::uint32_t color = 0) {
    return Rgb24File(width, height, [&](int, int) { return color; });
}

TEST(Image, AutoSizeTakesThePictureSizeAndAnEmptyPictureLeavesIt) {
    TempFolder folder;
    TImage image(nullptr);
    EXPECT_EQ(image.Width(), 105);
    EXPECT_EQ(image.Height(), 105);
    EXPECT_TRUE(image.ControlStyle().Contains(csReplicatable));
    // As a stored layout sets it up: AutoSize while loading changes no size.
    image.BeginLoading();
    image.SetAutoSize(true);
    image.SetBounds(8, 9, 120, 90);
    image.Loaded();
    EXPECT_EQ(image.Width(), 120);

    image.Picture()->LoadFromFile(folder.Write("empty.bmp", ""));
    EXPECT_EQ(image.Width(), 120);
    EXPECT_EQ(image.Height(), 90);
    image.Picture()->LoadFromFile(folder.Write("photo.bmp", Picture(300, 200)));
    EXPECT_EQ(image.BoundsRect().left, 8);
    EXPECT_EQ(image.BoundsRect().top, 9);
    EXPECT_EQ(image.Width(), 300);
    EXPECT_EQ(image.Height(), 200);
    image.Picture()->LoadFromFile(folder.Write("empty.bmp", ""));
    EXPECT_EQ(image.Width(), 300);
    EXPECT_EQ(image.Height(), 200);
    // A newly loaded icon shows at the system's icon size.
    IconImageSpec icon;
    icon.size = 48;
    icon.value = [](int, int) { return 0u; };
    icon.transparent = [](int, int) { return false; };
    image.Picture()->LoadFromFile(folder.Write("a.ico", IconFile({icon})));
    EXPECT_EQ(image.Width(), 32);
}

TEST(Image, DestinationRectangle) {
    struct Case {
        int w, h;
        bool stretch, proportional, center;
        TRect expected;
    };
    const Case cases[] = {
        {300, 200, false, false, false, Rect(0, 0, 300, 200)}, // at its own size in the corner
        {300, 200, true, false, false, Rect(0, 0, 150, 150)},  // stretched over the client area
        {300, 200, false, true, false, Rect(0, 0, 150, 100)},  // too large: shrunk in proportion
        {300, 200, true, true, true, Rect(0, 25, 150, 125)},
        {100, 300, false, true, false, Rect(0, 0, 50, 150)}, // tall
        {50, 40, false, true, false, Rect(0, 0, 50, 40)},    // small pictures are not enlarged
        {50, 40, true, true, false, Rect(0, 0, 150, 120)},   // unless stretched
        {50, 40, false, false, true, Rect(50, 55, 100, 95)},
        {300, 200, false, false, true, Rect(-75, -25, 225, 175)},
        {0, 0, true, true, true, Rect(0, 0, 150, 150)}, // nothing to keep in proportion
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << "x" << c.h << " stretch " << c.stretch << " proportional "
                                        << c.proportional << " center " << c.center);
        TImage image(nullptr);
        image.SetBounds(0, 0, 150, 150);
        if (c.w > 0) LoadBytes(*image.Picture()->Bitmap(), Picture(c.w, c.h));
        image.SetStretch(c.stretch);
        image.SetProportional(c.proportional);
        image.SetCenter(c.center);
        const TRect r = image.DestRect();
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

TEST(Image, OpaqueOnlyWhenAnOpaquePictureCoversTheControl) {
    TImage image(nullptr);
    image.SetBounds(0, 0, 10, 10);
    EXPECT_FALSE(image.ControlStyle().Contains(csOpaque));
    image.Picture()->Bitmap();
    LoadBytes(*image.Picture()->Bitmap(), Picture(20, 20));
    EXPECT_TRUE(image.ControlStyle().Contains(csOpaque));
    image.SetTransparent(true);
    EXPECT_TRUE(image.Picture()->Graphic()->Transparent());
    EXPECT_FALSE(image.ControlStyle().Contains(csOpaque));
    image.SetTransparent(false);
    image.SetCenter(true);
    LoadBytes(*image.Picture()->Bitmap(), Picture(4, 4));
    EXPECT_FALSE(image.ControlStyle().Contains(csOpaque));
    // Icons keep their own transparency.
    TIcon icon;
    image.SetTransparent(true);
    image.Picture()->SetGraphic(&icon);
    image.SetTransparent(false);
    EXPECT_TRUE(image.Picture()->Graphic()->Transparent());
}

TEST_F(ControlTest, ImagePaintsItsPictureOnTheParent) {
    MakeForm(200, 150);
    auto* image = new TImage(&m_owner);
    image->SetBounds(10, 20, 30, 30);
    image->SetParent(m_form);
    LoadBytes(*image->Picture()->Bitmap(),
              Rgb24File(8, 6, [](int x, int y) { return x == 0 && y == 0 ? ColorRef(255, 0, 0) : 0u; }));
    win::headless::Pump();
    EXPECT_EQ(FormPixel(10, 20), ColorRef(255, 0, 0));
    EXPECT_EQ(FormPixel(17, 25), 0u);
    EXPECT_EQ(FormPixel(18, 25), 0xFFFFFFu); // past the picture: the form's own white
    image->SetStretch(true);
    win::headless::Pump();
    EXPECT_EQ(FormPixel(39, 49), 0u);
    EXPECT_EQ(FormPixel(40, 49), 0xFFFFFFu);
}

TEST_F(ControlTest, ImagesAndTheirPicturesReadFromAStoredLayout) {
    RegisterImageLayout();
    LayoutClass<controltest::TFormProbe>("TFormProbe", "TWinControl");
    TPicture source;
    LoadBytes(*source.Bitmap(), Picture(3, 2, 0xFFFFFF));
    TMemoryStream stored;
    source.WriteData(stored);
    std::string hex;
    for (std::size_t i = 0; i < stored.DataSize(); ++i) {
        static const char digits[] = "0123456789ABCDEF";
        hex += digits[stored.Memory()[i] >> 4];
        hex += digits[stored.Memory()[i] & 15];
    }
    auto* form = new controltest::TFormProbe(&m_owner);
    ReadLayout(*form, "object Form1: TFormProbe\n"
                      "  object Image1: TImage\n"
                      "    Left = 45\n"
                      "    Top = 96\n"
                      "    Width = 60\n"
                      "    Height = 20\n"
                      "    AutoSize = True\n"
                      "  end\n"
                      "  object Image2: TImage\n"
                      "    Stretch = True\n"
                      "    Center = True\n"
                      "    Proportional = True\n"
                      "    Transparent = True\n"
                      "    IncrementalDisplay = True\n"
                      "    Picture.Data = {" +
                          hex +
                          "}\n"
                          "  end\n"
                          "end\n");
    auto* image1 = dynamic_cast<TImage*>(form->FindComponent("Image1"));
    auto* image2 = dynamic_cast<TImage*>(form->FindComponent("Image2"));
    ASSERT_TRUE(image1 && image2);
    // AutoSize read while loading keeps the stored size of an empty picture.
    EXPECT_TRUE(image1->AutoSize());
    EXPECT_EQ(image1->BoundsRect(), Rect(45, 96, 105, 116));
    EXPECT_EQ(image1->Parent(), form);
    EXPECT_TRUE(image2->Stretch() && image2->Center() && image2->Proportional() && image2->Transparent() &&
                image2->IncrementalDisplay());
    EXPECT_EQ(image2->Picture()->Width(), 3);
    EXPECT_EQ(PixelAt(*image2->Picture()->Bitmap(), 1, 1), 0xFFFFFFu);
}

} // namespace
} // namespace gl::bmptest
