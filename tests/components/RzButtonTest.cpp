// The bit button as the window uses it: clicks by mouse, Space and Enter, the faces of its states in their
// exact colours, the image beside the caption, the embossed disabled image, and the image list going away.
#include "RzControlsTestSupport.h"

#include "components/RzButton.h"
#include "platform/win/KeyCodes.h"

namespace gl::rztest {
namespace {

using namespace win::headless;

class RzBitBtnTest : public RzControlsTest {
protected:
    // A window button at (20, 20): the convert button's colours, image 1 (red) of a two-image list.
    TRzBitBtn* MakeButton(const std::string& caption = "成图") {
        MakeForm();
        auto* images = MakeImages(&m_owner, {Rgb(0, 0, 255), Rgb(255, 0, 0)});
        auto* button = new TRzBitBtn(&m_owner);
        button->SetParent(m_form);
        button->SetBounds(20, 20, 75, 25);
        button->SetCaption(caption);
        button->SetColor(15791348);
        button->SetHighlightColor(16026986);
        button->SetHotTrack(true);
        button->SetHotTrackColor(3983359);
        button->SetHotTrackColorType(htctActual);
        button->SetImages(images);
        button->SetImageIndex(1);
        button->OnClick = [this](TObject*) { ++m_clicks; };
        Pump();
        return button;
    }
    int m_clicks = 0;
};

TEST_F(RzBitBtnTest, MouseClicksOnlyWhenPressedAndReleasedInside) {
    TRzBitBtn* button = MakeButton();
    Click(button->Handle(), 30, 12);
    EXPECT_EQ(m_clicks, 1);
    EXPECT_TRUE(button->Focused());

    // Dragged off (one pixel below the bottom edge counts as outside): no pressed face, no click.
    MouseDown(button->Handle(), 30, 12);
    EXPECT_TRUE(button->ShowsPressed());
    EXPECT_EQ(Pixel(*button, 4, 3), Rgb(235, 235, 228)) << "pressed face";
    MouseMove(button->Handle(), 30, 25);
    EXPECT_FALSE(button->ShowsPressed());
    MouseUp(button->Handle(), 30, 25);
    EXPECT_EQ(m_clicks, 1);

    // Dragged off and back on: one click.
    MouseDown(button->Handle(), 30, 12);
    MouseMove(button->Handle(), 200, 12);
    MouseMove(button->Handle(), 40, 10);
    MouseUp(button->Handle(), 40, 10);
    EXPECT_EQ(m_clicks, 2);

    button->SetEnabled(false);
    Click(button->Handle(), 30, 12);
    EXPECT_EQ(m_clicks, 2);
}

TEST_F(RzBitBtnTest, SpaceClicksOnReleaseAndEnterClicksTheFocusedButtonAtOnce) {
    TRzBitBtn* button = MakeButton();
    auto* other = new TRzBitBtn(&m_owner);
    other->SetParent(m_form);
    other->SetBounds(120, 20, 75, 25);
    int otherClicks = 0;
    other->OnClick = [&](TObject*) { ++otherClicks; };
    button->SetFocus();
    Pump();

    KeyDown(win::VK_SPACE);
    EXPECT_TRUE(button->ShowsPressed());
    EXPECT_EQ(m_clicks, 0);
    KeyUp(win::VK_SPACE);
    EXPECT_EQ(m_clicks, 1);
    EXPECT_FALSE(button->ShowsPressed());

    KeyDown(win::VK_RETURN);
    EXPECT_EQ(m_clicks, 2);
    KeyUp(win::VK_RETURN);
    EXPECT_EQ(m_clicks, 2);

    // Enter belongs to the focused button only.
    other->SetFocus();
    Pump();
    EXPECT_FALSE(button->Active());
    KeyPress(win::VK_RETURN);
    EXPECT_EQ(m_clicks, 2);
    EXPECT_EQ(otherClicks, 1);
}

TEST_F(RzBitBtnTest, FacesOfThePlainHotAndFocusedStates) {
    TRzBitBtn* button = MakeButton();
    // Plain: the cut-corner border, the light top rows, the face and the shadow rows.
    EXPECT_EQ(Pixel(*button, 1, 12), Rgb(96, 96, 70));
    EXPECT_EQ(Pixel(*button, 0, 0), Rgb(240, 240, 240)) << "the cut corner shows the form's face";
    EXPECT_EQ(Pixel(*button, 1, 1), Rgb(219, 219, 219)) << "the outer ring's corner dot";
    EXPECT_EQ(Pixel(*button, 40, 2), Rgb(255, 255, 255));
    EXPECT_EQ(Pixel(*button, 40, 4), Rgb(253, 253, 253));
    EXPECT_EQ(Pixel(*button, 4, 12), Rgb(244, 244, 240));
    EXPECT_EQ(Pixel(*button, 40, 22), Rgb(217, 217, 203));
    EXPECT_EQ(Pixel(*button, 40, 21), Rgb(226, 226, 216));

    // Hot: the amber double ring.
    MouseMove(button->Handle(), 40, 12);
    EXPECT_TRUE(button->MouseOver());
    EXPECT_EQ(Pixel(*button, 2, 12), Rgb(255, 219, 123));
    EXPECT_EQ(Pixel(*button, 3, 12), Rgb(255, 213, 102));
    EXPECT_EQ(Pixel(*button, 72, 12), Rgb(251, 183, 0));
    EXPECT_EQ(Pixel(*button, 71, 12), Rgb(255, 190, 17));

    // Focused, pointer away: the blue focus ring (row 11 lies between the focus dots).
    button->SetFocus();
    MouseMove(m_form->Handle(), 300, 200);
    EXPECT_FALSE(button->MouseOver());
    EXPECT_EQ(Pixel(*button, 2, 11), Rgb(214, 223, 253));
    EXPECT_EQ(Pixel(*button, 3, 11), Rgb(194, 206, 252));
    EXPECT_EQ(Pixel(*button, 72, 11), Rgb(154, 174, 250));
    EXPECT_EQ(Pixel(*button, 71, 11), Rgb(174, 188, 251));
}

TEST_F(RzBitBtnTest, ImageLeftOfTheCaptionAndEmbossedWhenDisabled) {
    TRzBitBtn* button = MakeButton();
    EXPECT_EQ(button->GlyphRect().left, 7);
    EXPECT_EQ(button->GlyphRect().top, 5);
    EXPECT_EQ(button->TextArea().left, 27);
    EXPECT_EQ(button->TextArea().right, 70);
    EXPECT_EQ(CountColor(*button, 7, 5, 23, 21, Rgb(255, 0, 0)), 256);
    EXPECT_EQ(CountColor(*button, 0, 0, 7, 25, Rgb(255, 0, 0)), 0);
    // The caption (two characters of 12 pixels, centred in 27..70) in black.
    EXPECT_GT(CountColor(*button, 27, 5, 70, 20, Rgb(0, 0, 0)), 20);
    EXPECT_EQ(CountColor(*button, 0, 0, 27, 25, Rgb(0, 0, 0)), 0);

    button->SetEnabled(false);
    EXPECT_EQ(Pixel(*button, 1, 12), Rgb(172, 172, 142)) << "Darker(Color, 80)";
    const win::COLORREF shadow = ColorToRGB(clBtnShadow);
    const win::COLORREF highlight = ColorToRGB(clBtnHighlight);
    EXPECT_EQ(Pixel(*button, 7, 5), shadow);
    EXPECT_EQ(Pixel(*button, 23, 21), highlight);
    EXPECT_EQ(CountColor(*button, 0, 0, 75, 25, Rgb(255, 0, 0)), 0);
    EXPECT_EQ(CountColor(*button, 27, 5, 70, 20, Rgb(0, 0, 0)), 0) << "the caption is embossed too";
}

TEST_F(RzBitBtnTest, ImageListThatGoesAwayLeavesACaptionOnlyButton) {
    TRzBitBtn* button = MakeButton();
    TCustomImageList* images = button->Images();
    delete images;
    EXPECT_EQ(button->Images(), nullptr);
    EXPECT_EQ(button->TextArea().left, 5);
    EXPECT_EQ(CountColor(*button, 0, 0, 75, 25, Rgb(255, 0, 0)), 0);
}

TEST_F(RzBitBtnTest, DefaultsAndSettersThatRefuseValues) {
    TRzBitBtn button(nullptr);
    EXPECT_EQ(button.Width(), 75);
    EXPECT_EQ(button.Height(), 25);
    EXPECT_TRUE(button.TabStop());
    EXPECT_EQ(button.Color(), clBtnFace);
    EXPECT_EQ(button.ImageIndex(), -1);
    EXPECT_EQ(button.Spacing(), 4);
    EXPECT_EQ(button.HotTrackColorType(), htctComplement);
    button.SetMargin(-2);
    EXPECT_EQ(button.Margin(), 2);
    button.SetHotTrack(true);
    EXPECT_TRUE(button.Transparent());
}

} // namespace
} // namespace gl::rztest
