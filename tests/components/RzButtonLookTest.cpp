// The bit button's picture strip (its image count, the colour left out, the disabled image and the
// embossed single image, the image list taking precedence), access keys of buttons and radio buttons, the
// hot-tracking face over the parent's own painting, the classic frame during a click and the down pattern.
#include "RzControlsTestSupport.h"

#include "components/RzButton.h"
#include "components/RzRadChk.h"
#include "components/RzSpnEdt.h"
#include "framework/controls/ControlMessages.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"

#include <memory>

namespace gl::rztest {
namespace {

using win::headless::Pump;

// A strip of `colors.size()` images of 16 x 16, each one solid colour, with the bottom-left pixel (the
// colour left out) magenta and the first image's top-left pixel magenta too.
std::unique_ptr<TBitmap> MakeStrip(const std::vector<win::COLORREF>& colors, int height = 16) {
    auto strip = std::make_unique<TBitmap>();
    strip->SetWidth(height * static_cast<int>(colors.size()));
    strip->SetHeight(height);
    for (std::size_t i = 0; i < colors.size(); ++i) {
        strip->Canvas().Brush().SetColor(static_cast<TColor>(colors[i]));
        const int left = static_cast<int>(i) * height;
        strip->Canvas().FillRect(Rect(left, 0, left + height, height));
    }
    strip->Canvas().SetPixels(0, height - 1, static_cast<TColor>(Rgb(255, 0, 255)));
    strip->Canvas().SetPixels(0, 0, static_cast<TColor>(Rgb(255, 0, 255)));
    return strip;
}

class RzButtonLookTest : public RzControlsTest {
protected:
    TRzBitBtn* MakeButton(TWinControl* parent, const std::string& caption, bool hotTrack) {
        auto* button = new TRzBitBtn(&m_owner);
        button->SetParent(parent);
        button->SetBounds(20, 20, 75, 25);
        button->SetCaption(caption);
        button->SetColor(15791348);
        button->SetHotTrack(hotTrack);
        button->OnClick = [this](TObject*) { ++m_clicks; };
        return button;
    }
    int m_clicks = 0;
};

TEST_F(RzButtonLookTest, GlyphStripSetsItsImageCountAndDrawsWithoutItsCornerColour) {
    MakeForm();
    TRzBitBtn* button = MakeButton(m_form, "", true);
    EXPECT_EQ(button->NumGlyphs(), 1);
    button->SetGlyph(MakeStrip({Rgb(0, 0, 255), Rgb(0, 200, 200)}).get());
    EXPECT_EQ(button->NumGlyphs(), 2);
    button->SetGlyph(MakeStrip({1, 2, 3, 4, 5}).get());
    EXPECT_EQ(button->NumGlyphs(), 1) << "five images are too many: one wide image";
    button->SetNumGlyphs(3);
    auto odd = std::make_unique<TBitmap>();
    odd->SetWidth(20);
    odd->SetHeight(16);
    button->SetGlyph(odd.get());
    EXPECT_EQ(button->NumGlyphs(), 3) << "a width that is no multiple of the height keeps the count";

    // Blue normal image, teal disabled image; the glyph's own size places it and the text.
    button->SetGlyph(MakeStrip({Rgb(0, 0, 255), Rgb(0, 200, 200)}).get());
    button->SetCaption("Go");
    EXPECT_EQ(button->GlyphRect().left, 7);
    EXPECT_EQ(button->GlyphRect().top, 5);
    EXPECT_EQ(button->GlyphRect().right, 23);
    EXPECT_EQ(button->TextArea().left, 27);
    EXPECT_EQ(Pixel(*button, 8, 5), Rgb(0, 0, 255));
    EXPECT_EQ(Pixel(*button, 22, 20), Rgb(0, 0, 255));
    EXPECT_EQ(Pixel(*button, 7, 20), Rgb(235, 235, 228)) << "the colour left out shows the shadow row";
    EXPECT_EQ(Pixel(*button, 7, 5), Rgb(244, 244, 240));
    EXPECT_EQ(Pixel(*button, 23, 12), Rgb(244, 244, 240)) << "one image wide, not the strip";
    EXPECT_EQ(CountColor(*button, 0, 0, 75, 25, Rgb(0, 200, 200)), 0);

    button->SetEnabled(false);
    EXPECT_EQ(Pixel(*button, 8, 5), Rgb(0, 200, 200)) << "the second image while disabled";
    EXPECT_EQ(CountColor(*button, 0, 0, 75, 25, Rgb(0, 0, 255)), 0);
}

TEST_F(RzButtonLookTest, SingleGlyphEmbossedWhenDisabledAndImageListFirst) {
    MakeForm();
    TRzBitBtn* button = MakeButton(m_form, "", true);
    button->SetGlyph(MakeStrip({Rgb(0, 0, 255)}).get());
    button->SetEnabled(false);
    // Ink in the button shadow at its place, the highlight showing one pixel down and right.
    EXPECT_EQ(Pixel(*button, 8, 5), Rgb(160, 160, 160));
    EXPECT_EQ(Pixel(*button, 22, 20), Rgb(160, 160, 160));
    EXPECT_EQ(Pixel(*button, 23, 21), Rgb(255, 255, 255));
    EXPECT_EQ(Pixel(*button, 7, 5), Rgb(244, 244, 240)) << "the corner colour is no ink";
    button->SetEnabled(true);

    // An image list with an image index wins over the glyph; without an index, or once the list is gone, the
    // glyph is back.
    auto* images = MakeImages(&m_owner, {Rgb(255, 0, 0)});
    button->SetImages(images);
    EXPECT_EQ(CountColor(*button, 0, 0, 75, 25, Rgb(0, 0, 255)), 254);
    button->SetImageIndex(0);
    EXPECT_EQ(CountColor(*button, 0, 0, 75, 25, Rgb(255, 0, 0)), 256);
    EXPECT_EQ(CountColor(*button, 0, 0, 75, 25, Rgb(0, 0, 255)), 0);
    button->SetKind(bkOK);
    EXPECT_EQ(CountColor(*button, 0, 0, 75, 25, Rgb(0, 0, 255)), 254) << "only a custom kind uses the list";
    button->SetKind(bkCustom);
    delete images;
    EXPECT_EQ(CountColor(*button, 0, 0, 75, 25, Rgb(0, 0, 255)), 254);
    EXPECT_EQ(button->TextArea().left, 27);
}

TEST_F(RzButtonLookTest, AccessKeysClickButtonsAndCheckRadioButtons) {
    MakeForm();
    TRzBitBtn* go = MakeButton(m_form, "&Go && stay", true);
    TRzBitBtn* other = MakeButton(m_form, "Other", true);
    other->SetLeft(120);
    auto* red = new TRzRadioButton(&m_owner);
    red->SetParent(m_form);
    red->SetBounds(20, 60, 100, 17);
    red->SetCaption("&Red");
    red->SetChecked(true);
    auto* blue = new TRzRadioButton(&m_owner);
    blue->SetParent(m_form);
    blue->SetBounds(20, 80, 100, 17);
    blue->SetCaption("B&lue");
    Pump();
    other->SetFocus();

    // Alt+letter reaches the form as an accelerator; a plain letter a button takes no text for too.
    EXPECT_EQ(m_form->Perform(CM_DIALOGCHAR, U'G'), 1);
    EXPECT_EQ(m_clicks, 1);
    EXPECT_EQ(other->Perform(CN_CHAR, U'g'), 1);
    EXPECT_EQ(m_clicks, 2);
    EXPECT_TRUE(other->Focused()) << "clicking by the access key leaves the focus";
    EXPECT_EQ(m_form->Perform(CM_DIALOGCHAR, U'&'), 0) << "\"&&\" is a literal ampersand";
    EXPECT_EQ(m_form->Perform(CM_DIALOGCHAR, U's'), 0);

    EXPECT_EQ(m_form->Perform(CM_DIALOGCHAR, U'l'), 1);
    EXPECT_TRUE(blue->Focused());
    EXPECT_TRUE(blue->Checked());
    EXPECT_FALSE(red->Checked());

    go->SetEnabled(false);
    EXPECT_EQ(m_form->Perform(CM_DIALOGCHAR, U'g'), 0);
    EXPECT_EQ(m_clicks, 2);
}

TEST_F(RzButtonLookTest, HotTrackingFaceShowsTheParentsPaintingInItsCorners) {
    MakeForm();
    auto* parent = new TStripedParent(&m_owner);
    parent->SetParent(m_form);
    parent->SetBounds(0, 0, 200, 100);
    // At an even row of the parent: the button's row 0 is red, row 1 green.
    TRzBitBtn* button = MakeButton(parent, "", true);
    EXPECT_EQ(Pixel(*button, 0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(Pixel(*button, 1, 0), Rgb(255, 0, 0));
    EXPECT_EQ(Pixel(*button, 0, 1), Rgb(0, 128, 0));
    EXPECT_EQ(Pixel(*button, 74, 24), Rgb(255, 0, 0));
    EXPECT_EQ(Pixel(*button, 74, 23), Rgb(0, 128, 0));
    EXPECT_EQ(Pixel(*button, 0, 2), Rgb(219, 219, 219)) << "the outer ring starts at row 2";
    // One row lower the stripes swap.
    button->SetTop(21);
    EXPECT_EQ(Pixel(*button, 0, 0), Rgb(0, 128, 0));
    EXPECT_EQ(Pixel(*button, 0, 1), Rgb(255, 0, 0));
}

TEST_F(RzButtonLookTest, ClassicFrameWhileClickingAndTheDownPatternChecker) {
    MakeForm();
    TRzBitBtn* button = MakeButton(m_form, "", false);
    TRzBitBtn* other = MakeButton(m_form, "", false);
    other->SetLeft(120);
    other->SetFocus();
    win::COLORREF corner = 0;
    button->OnClick = [&](TObject*) {
        button->Repaint();
        corner = win::headless::Pixel(button->Handle(), 0, 0);
    };
    EXPECT_EQ(Pixel(*button, 0, 0), Rgb(255, 255, 255)) << "neither focused nor clicking: no frame";
    m_form->Perform(CM_DIALOGCHAR, U'x');
    button->SetCaption("&x");
    m_form->Perform(CM_DIALOGCHAR, U'x');
    EXPECT_EQ(corner, Rgb(100, 100, 100)) << "the window frame colour during the click";
    EXPECT_EQ(Pixel(*button, 0, 0), Rgb(255, 255, 255));

    // Down in a group: a checker of the face colour and silver from two pixels in.
    button->OnClick = nullptr;
    button->SetCaption("");
    button->SetGroupIndex(1);
    button->SetDown(true);
    EXPECT_EQ(Pixel(*button, 2, 2), Rgb(192, 192, 192));
    EXPECT_EQ(Pixel(*button, 3, 2), Rgb(244, 244, 240));
    EXPECT_EQ(Pixel(*button, 2, 3), Rgb(244, 244, 240));
    EXPECT_EQ(Pixel(*button, 72, 22), Rgb(192, 192, 192));
    EXPECT_EQ(CountColor(*button, 2, 2, 73, 23, Rgb(192, 192, 192)), 746);
    button->SetColor(clSilver);
    EXPECT_EQ(Pixel(*button, 2, 2), Rgb(128, 128, 128));
    EXPECT_EQ(Pixel(*button, 3, 2), Rgb(192, 192, 192));
    button->SetShowDownPattern(false);
    EXPECT_EQ(CountColor(*button, 2, 2, 73, 23, Rgb(128, 128, 128)), 0);
}

TEST_F(RzButtonLookTest, GlyphsReadFromAStoredLayout) {
    RegisterButtonLayout();
    RegisterRadioButtonLayout();
    RegisterRzSpinEditLayout();
    LayoutClass<TRzTestForm>("TRzTestForm", "TWinControl");
    MakeForm();
    // A 4 x 2 bitmap: blue and teal halves, the bottom-left pixel magenta.
    const std::string strip =
        "{4E000000424D4E000000000000003600000028000000040000000200000001001800000000001800"
        "000000000000000000000000000000000000FF00FFFF0000C8C800C8C800FF0000FF0000C8C8"
        "00C8C800}";
    ReadLayout(*m_form,
               "object F_main: TRzTestForm\n"
               "  object Go: TRzBitBtn\n    Glyph.Data = " +
                   strip +
                   "\n  end\n"
                   "  object Mode: TRzRadioButton\n    CustomGlyphs.Data = " +
                   strip +
                   "\n    UseCustomGlyphs = False\n  end\n"
                   "  object Size: TRzSpinEdit\n    ButtonUpGlyph.Data = " +
                   strip +
                   "\n    ButtonUpNumGlyphs = 1\n  end\n"
                   "end\n",
               LayoutMethods{});
    auto* button = dynamic_cast<TRzBitBtn*>(m_form->FindComponent("Go"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->Glyph()->Width(), 4);
    EXPECT_EQ(button->NumGlyphs(), 2) << "counted from the stored strip";
    EXPECT_EQ(ColorToRGB(button->Glyph()->Canvas().Pixels(2, 0)), Rgb(0, 200, 200));
    EXPECT_EQ(ColorToRGB(button->Glyph()->Canvas().Pixels(0, 1)), Rgb(255, 0, 255));
    auto* radio = dynamic_cast<TRzRadioButton*>(m_form->FindComponent("Mode"));
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(radio->CustomGlyphs()->Height(), 2);
    EXPECT_FALSE(radio->UseCustomGlyphs()) << "the stored switch comes after the picture";
    auto* spin = dynamic_cast<TRzSpinEdit*>(m_form->FindComponent("Size"));
    ASSERT_NE(spin, nullptr);
    EXPECT_EQ(spin->ButtonUpGlyph()->Width(), 4);
    EXPECT_EQ(spin->ButtonUpNumGlyphs(), 1);
    EXPECT_TRUE(spin->ButtonDownGlyph()->Empty());
}

} // namespace
} // namespace gl::rztest
