// Image lists: glyph strips from a bitmap file, a resource or the stored layout; drawing through the mask and
// embossed while disabled; change links.
#include "DibCanvas.h"
#include "framework/forms/FormsTestSupport.h"
#include "support/BmpWriter.h"

#include "framework/core/Resources.h"
#include "framework/graphics/ImageList.h"
#include "platform/gdi/SysColors.h"

#include <cstdio>

namespace gl::formstest {
namespace {

constexpr win::COLORREF kFuchsia = win::RGB(255, 0, 255);
constexpr win::COLORREF kRed = win::RGB(200, 0, 0);
constexpr win::COLORREF kBlue = win::RGB(0, 0, 180);
constexpr win::COLORREF kGreen = win::RGB(0, 160, 0);

// A 24-bit bitmap file of three 16 × 16 glyphs on fuchsia: a red square at (4, 4)-(12, 12), a blue one at
// (0, 0)-(8, 8), and a single white pixel at (15, 0).
std::string GlyphStrip() {
    const int width = 48, height = 16;
    std::vector<win::COLORREF> pixels(static_cast<std::size_t>(width * height), kFuchsia);
    const auto set = [&](int x, int y, win::COLORREF c) {
        pixels[static_cast<std::size_t>(y * width + x)] = c;
    };
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x) set(x, y, kRed);
    for (int y = 0; y < 8; ++y)
        for (int x = 16; x < 24; ++x) set(x, y, kBlue);
    set(47, 0, win::RGB(255, 255, 255));
    return bmptest::Bmp24(width, height, [&](int x, int y) {
        const win::COLORREF c = pixels[static_cast<std::size_t>(y * width + x)];
        return bmptest::Bgr(win::GetRValue(c), win::GetGValue(c), win::GetBValue(c));
    });
}

class ImageListTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        canvas.Clear(kGreen);
    }
    test::TDibCanvas canvas{64, 32};
};

TEST_F(ImageListTest, AGlyphStripIsCutIntoImagesDrawnThroughTheirMask) {
    TImageList list(nullptr);
    EXPECT_EQ(list.Width(), 16);
    EXPECT_EQ(list.Height(), 16);
    EXPECT_EQ(list.AddGlyphStrip(GlyphStrip()), 0);
    ASSERT_EQ(list.Count(), 3);

    list.Draw(canvas, 10, 5, 0);
    EXPECT_EQ(canvas.At(14, 9), kRed);
    EXPECT_EQ(canvas.At(21, 16), kRed);
    EXPECT_EQ(canvas.At(13, 9), kGreen) << "the bottom-left colour, fuchsia, is transparent";
    EXPECT_EQ(canvas.At(22, 16), kGreen);
    list.Draw(canvas, 40, 0, 1);
    EXPECT_EQ(canvas.At(40, 0), kBlue);
    EXPECT_EQ(canvas.At(48, 8), kGreen);

    list.Draw(canvas, 0, 0, 3);
    list.Draw(canvas, 0, 0, -1);
    EXPECT_EQ(canvas.At(0, 0), kGreen) << "an index outside the list draws nothing";
}

TEST_F(ImageListTest, DisabledImagesAreEmbossed) {
    TImageList list(nullptr);
    list.AddGlyphStrip(GlyphStrip());
    list.Draw(canvas, 10, 5, 0, false);
    const win::COLORREF highlight = win::GetSysColor(win::COLOR_BTNHIGHLIGHT);
    const win::COLORREF shadow = win::GetSysColor(win::COLOR_BTNSHADOW);
    EXPECT_EQ(canvas.At(14, 9), shadow) << "ink in the shadow colour in place";
    EXPECT_EQ(canvas.At(21, 16), shadow);
    EXPECT_EQ(canvas.At(22, 17), highlight) << "and in the highlight colour one pixel right and down";
    EXPECT_EQ(canvas.At(13, 9), kGreen);
    // White pixels are no ink.
    list.Draw(canvas, 30, 10, 2, false);
    EXPECT_EQ(canvas.At(45, 10), kGreen);
    EXPECT_EQ(canvas.At(46, 11), kGreen);
}

TEST_F(ImageListTest, ImagesComeFromAResourceOrTheStoredLayout) {
    static const std::string strip = GlyphStrip();
    RegisterResource(TResourceType::Bitmap, "TESTGLYPHS", strip);
    TImageList list(nullptr);
    EXPECT_EQ(list.AddGlyphStripResource("testglyphs"), 0);
    EXPECT_EQ(list.Count(), 3);
    EXPECT_THROW(list.AddGlyphStripResource("NOSUCH"), EResNotFound);
    UnregisterResource(TResourceType::Bitmap, "TESTGLYPHS");

    std::string hex;
    for (unsigned char byte : strip) {
        char two[3];
        std::snprintf(two, sizeof two, "%02X", byte);
        hex += two;
    }
    const std::string layout = "object Holder: TForm\n  object Images: TImageList\n    Height = 16\n"
                               "    Width = 16\n    Bitmap = {" +
                               hex + "}\n  end\nend\n";
    TForm holder(nullptr);
    ReadLayout(holder, layout);
    auto* images = dynamic_cast<TImageList*>(holder.FindComponent("Images"));
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->Count(), 3);
    images->Draw(canvas, 0, 0, 1);
    EXPECT_EQ(canvas.At(7, 7), kBlue);
}

TEST_F(ImageListTest, UsersFollowChangesThroughChangeLinks) {
    auto* list = new TImageList(nullptr);
    TChangeLink link;
    int changes = 0;
    link.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, list);
        ++changes;
    };
    list->RegisterChanges(&link);
    EXPECT_EQ(link.Sender(), list);
    list->AddGlyphStrip(GlyphStrip());
    EXPECT_EQ(changes, 1);
    list->BeginUpdate();
    list->Delete(0);
    list->Delete(0);
    EXPECT_EQ(changes, 1);
    list->EndUpdate();
    EXPECT_EQ(changes, 2) << "changes inside an update are told once";
    EXPECT_EQ(list->Count(), 1);
    EXPECT_THROW(list->Delete(5), EInvalidOperation);
    list->SetWidth(24);
    EXPECT_EQ(list->Count(), 0) << "a new size removes the images";
    EXPECT_EQ(changes, 3);
    EXPECT_THROW(list->SetHeight(0), EInvalidOperation);
    delete list;
    EXPECT_EQ(link.Sender(), nullptr) << "a list that goes away lets its users know";
}

} // namespace
} // namespace gl::formstest
