// Looks of the containers and radio buttons beyond the window's own settings: a transparent panel over its
// parent's painting, the gradient face and the grid, the custom group style, access keys in a group caption,
// the classic radio glyph, custom radio glyphs, and the radio button's cached background.
#include "RzControlsTestSupport.h"

#include "components/RzPanel.h"
#include "components/RzRadChk.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/GraphicsBitmap.h"

namespace gl::rztest {
namespace {

using namespace win::headless;

class RzLookTest : public RzControlsTest {
protected:
    TRzPanel* MakePanel(TWinControl* parent, int top) {
        auto* panel = new TRzPanel(&m_owner);
        panel->SetParent(parent);
        panel->SetBounds(0, top, 100, 41);
        return panel;
    }
    TRzRadioButton* MakeRadio(TWinControl* parent, bool checked) {
        auto* radio = new TRzRadioButton(&m_owner);
        radio->SetParent(parent);
        radio->SetBounds(10, checked ? 10 : 40, 60, 17);
        radio->SetChecked(checked);
        radio->SetHotTrack(true);
        return radio;
    }
};

TEST_F(RzLookTest, TransparentPanelShowsItsParentUnderItsBorders) {
    MakeForm();
    auto* parent = new TStripedParent(&m_owner);
    parent->SetParent(m_form);
    parent->SetBounds(0, 0, 200, 100);
    TRzPanel* panel = MakePanel(parent, 10);
    panel->SetTransparent(true);
    EXPECT_EQ(Pixel(*panel, 50, 5), Rgb(0, 128, 0)) << "parent row 15";
    EXPECT_EQ(Pixel(*panel, 50, 6), Rgb(255, 0, 0)) << "parent row 16";
    EXPECT_EQ(Pixel(*panel, 0, 5), Rgb(227, 227, 227)) << "the raised border stays";
    EXPECT_EQ(Pixel(*panel, 1, 6), Rgb(255, 255, 255));
    panel->SetTop(11);
    EXPECT_EQ(Pixel(*panel, 50, 5), Rgb(255, 0, 0));
}

TEST_F(RzLookTest, GradientFaceAndPlacementGrid) {
    MakeForm();
    TRzPanel* panel = MakePanel(m_form, 0);
    panel->SetBorderOuter(fsNone);
    panel->SetUseGradients(true);
    // White at the top down to the button face at row 40.
    EXPECT_EQ(Pixel(*panel, 50, 0), Rgb(255, 255, 255));
    EXPECT_EQ(Pixel(*panel, 50, 20), Rgb(248, 248, 248));
    EXPECT_EQ(Pixel(*panel, 50, 39), Rgb(241, 241, 241));
    EXPECT_EQ(Pixel(*panel, 50, 40), Rgb(240, 240, 240));

    panel->SetUseGradients(false);
    panel->SetBorderOuter(fsRaised);
    panel->SetShowGrid(true);
    EXPECT_EQ(Pixel(*panel, 8, 8), Rgb(160, 160, 160));
    EXPECT_EQ(Pixel(*panel, 16, 32), Rgb(160, 160, 160));
    EXPECT_EQ(Pixel(*panel, 9, 8), Rgb(240, 240, 240));
    EXPECT_EQ(Pixel(*panel, 8, 7), Rgb(240, 240, 240));
    EXPECT_EQ(Pixel(*panel, 0, 0), Rgb(227, 227, 227)) << "no dot on the border";
    EXPECT_EQ(CountColor(*panel, 2, 2, 98, 39, Rgb(160, 160, 160)), 48);
}

TEST_F(RzLookTest, GroupCaptionAccessKeyAndTheCustomStyle) {
    MakeForm();
    m_form->Font()->SetName("宋体");
    m_form->Font()->SetHeight(-12);
    auto* box = new TRzGroupBox(&m_owner);
    box->SetParent(m_form);
    box->SetBounds(8, 4, 200, 60);
    box->SetCaption("&Ab");
    const win::COLORREF frame = Rgb(192, 192, 192);
    // "Ab" is 12 pixels wide: the caption's box ends at x = 20, the "&" takes no room.
    EXPECT_EQ(Pixel(*box, 19, 5), Rgb(240, 240, 240));
    EXPECT_EQ(Pixel(*box, 20, 5), frame);
    // Row 11, under the letters: "A" is underlined, "b" is not.
    EXPECT_EQ(CountColor(*box, 8, 11, 14, 12, Rgb(0, 0, 0)), 6);
    EXPECT_EQ(CountColor(*box, 14, 11, 20, 12, Rgb(0, 0, 0)), 0);
    EXPECT_EQ(CountColor(*box, 0, 12, 200, 13, Rgb(0, 0, 0)), 0);
    box->SetCaption("&&b");
    EXPECT_EQ(Pixel(*box, 19, 5), Rgb(240, 240, 240)) << "\"&&\" shows one ampersand";
    EXPECT_EQ(Pixel(*box, 20, 5), frame);

    // The custom style paints as a panel: no frame line, no caption.
    box->SetGroupStyle(gsCustom);
    EXPECT_FALSE(box->ThemeAware());
    EXPECT_EQ(CountColor(*box, 0, 0, 200, 60, Rgb(0, 0, 0)), 0);
    EXPECT_EQ(CountColor(*box, 0, 0, 200, 60, frame), 0);
}

TEST_F(RzLookTest, ClassicRadioGlyphWithoutHotTracking) {
    MakeForm();
    TRzRadioButton* checked = MakeRadio(m_form, true);
    TRzRadioButton* unchecked = MakeRadio(m_form, false);
    checked->SetHotTrack(false);
    unchecked->SetHotTrack(false);
    // Glyph at (0, 2); its middle row is row 8 of the control.
    EXPECT_EQ(Pixel(*checked, 0, 8), Rgb(160, 160, 160)) << "outer ring, upper left";
    EXPECT_EQ(Pixel(*checked, 1, 8), Rgb(105, 105, 105)) << "inner ring, upper left";
    EXPECT_EQ(Pixel(*checked, 12, 8), Rgb(255, 255, 255)) << "outer ring, lower right";
    EXPECT_EQ(Pixel(*checked, 11, 8), Rgb(227, 227, 227)) << "inner ring, lower right";
    EXPECT_EQ(Pixel(*checked, 6, 8), Rgb(0, 0, 0)) << "the dot";
    EXPECT_EQ(Pixel(*unchecked, 6, 8), Rgb(255, 255, 255));
    EXPECT_EQ(Pixel(*checked, 0, 2), Rgb(240, 240, 240)) << "the key colour shows the background";
    EXPECT_EQ(Pixel(*checked, 0, 1), Rgb(240, 240, 240));
    checked->SetEnabled(false);
    EXPECT_EQ(Pixel(*checked, 6, 8), Rgb(160, 160, 160)) << "inactive dot";
    EXPECT_EQ(Pixel(*checked, 3, 8), Rgb(240, 240, 240)) << "inactive face";
}

TEST_F(RzLookTest, CustomRadioGlyphsForEachState) {
    MakeForm();
    TRzRadioButton* checked = MakeRadio(m_form, true);
    TRzRadioButton* unchecked = MakeRadio(m_form, false);
    // Six cells: red, green, blue, yellow, teal, magenta; each with an olive (transparent) top-left pixel
    // and a lime (window) pixel beside it.
    TBitmap glyphs;
    glyphs.SetWidth(78);
    glyphs.SetHeight(13);
    const win::COLORREF cells[6] = {Rgb(255, 0, 0),   Rgb(0, 200, 0),   Rgb(0, 0, 255),
                                    Rgb(255, 255, 0), Rgb(0, 128, 128), Rgb(255, 0, 255)};
    for (int i = 0; i < 6; ++i) {
        glyphs.Canvas().Brush().SetColor(static_cast<TColor>(cells[i]));
        glyphs.Canvas().FillRect(Rect(i * 13, 0, i * 13 + 13, 13));
        glyphs.Canvas().SetPixels(i * 13, 0, static_cast<TColor>(Rgb(128, 128, 0)));
        glyphs.Canvas().SetPixels(i * 13 + 1, 0, static_cast<TColor>(Rgb(0, 255, 0)));
    }
    EXPECT_FALSE(checked->UseCustomGlyphs());
    checked->SetCustomGlyphs(&glyphs);
    unchecked->SetCustomGlyphs(&glyphs);
    EXPECT_TRUE(checked->UseCustomGlyphs());
    EXPECT_EQ(Pixel(*checked, 6, 8), Rgb(0, 200, 0));
    EXPECT_EQ(Pixel(*checked, 12, 14), Rgb(0, 200, 0));
    EXPECT_EQ(Pixel(*checked, 13, 8), Rgb(240, 240, 240)) << "13 pixels wide";
    EXPECT_EQ(Pixel(*checked, 0, 2), Rgb(240, 240, 240)) << "transparent colour";
    EXPECT_EQ(Pixel(*checked, 1, 2), Rgb(255, 255, 255)) << "window mask colour";
    EXPECT_EQ(Pixel(*unchecked, 6, 8), Rgb(255, 0, 0));
    MouseDown(unchecked->Handle(), 5, 8);
    EXPECT_EQ(Pixel(*unchecked, 6, 8), Rgb(0, 0, 255)) << "pressed, unchecked";
    MouseUp(unchecked->Handle(), 5, 8);
    EXPECT_EQ(Pixel(*unchecked, 6, 8), Rgb(0, 200, 0)) << "checked by the click";
    unchecked->SetEnabled(false);
    EXPECT_EQ(Pixel(*unchecked, 6, 8), Rgb(255, 0, 255)) << "disabled, checked";
    EXPECT_EQ(Pixel(*checked, 6, 8), Rgb(255, 0, 0));
    checked->SetEnabled(false);
    EXPECT_EQ(Pixel(*checked, 6, 8), Rgb(0, 128, 128)) << "disabled, unchecked";
    checked->SetUseCustomGlyphs(false);
    EXPECT_EQ(Pixel(*checked, 6, 8), Rgb(240, 240, 240)) << "the built glyph's disabled interior";
}

TEST_F(RzLookTest, RadioBackgroundFollowsTheParentsPaintingAndColour) {
    MakeForm();
    auto* parent = new TStripedParent(&m_owner);
    parent->SetParent(m_form);
    parent->SetBounds(0, 0, 200, 100);
    TRzRadioButton* radio = MakeRadio(parent, true);
    radio->SetTransparent(true);
    // At parent row 10: even rows red. The caption area and the glyph's corners show the stripes.
    EXPECT_EQ(Pixel(*radio, 50, 0), Rgb(255, 0, 0));
    EXPECT_EQ(Pixel(*radio, 50, 1), Rgb(0, 128, 0));
    EXPECT_EQ(Pixel(*radio, 0, 2), Rgb(255, 0, 0)) << "template corner";
    EXPECT_EQ(Pixel(*radio, 0, 3), Rgb(0, 128, 0));
    EXPECT_EQ(Pixel(*radio, 3, 8), Rgb(255, 255, 255)) << "the interior stays the window colour";
    radio->SetTop(11);
    EXPECT_EQ(Pixel(*radio, 50, 0), Rgb(0, 128, 0));

    // An opaque radio button that follows its parent's colour takes the new colour at once.
    TRzRadioButton* plain = MakeRadio(m_form, false);
    plain->SetLeft(250);
    plain->SetParentColor(true);
    m_form->SetColor(static_cast<TColor>(Rgb(200, 220, 240)));
    EXPECT_EQ(Pixel(*plain, 50, 1), Rgb(200, 220, 240));
    EXPECT_EQ(Pixel(*plain, 0, 2), Rgb(200, 220, 240));
}

} // namespace
} // namespace gl::rztest
