// Tests of the small controls the picture dialog's pane is built of, drawn on the headless display: the
// panel's bevels, border and caption and the area its children share, the label, and the speed button with
// its glyph whole when enabled and embossed when not.
#include "FormsTestSupport.h"

#include "framework/controls/ButtonsSpeed.h"
#include "framework/controls/ExtCtrlsPanel.h"
#include "framework/controls/StdCtrlsLabel.h"
#include "framework/core/Resources.h"
#include "framework/core/Streams.h"
#include "framework/forms/ExtDlgs.h"
#include "framework/graphics/GraphicsBitmap.h"

namespace gl {
namespace {

class PreviewControlsTest : public formstest::FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        form = new TForm(app.get());
        form->SetBounds(0, 0, 300, 200);
    }
    win::COLORREF At(TWinControl* control, int x, int y) {
        app->ProcessMessages();
        return win::headless::Pixel(control->Handle(), x, y);
    }
    TForm* form = nullptr;
};

TEST_F(PreviewControlsTest, ThePanelDrawsItsBevelsAndBorderAndGivesItsChildrenWhatIsLeft) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(10, 10, 100, 60);
    panel->SetBevelOuter(bvLowered);
    panel->SetBevelInner(bvRaised);
    panel->SetBorderWidth(3);
    auto* inside = new TPanel(form);
    inside->SetParent(panel);
    inside->SetAlign(alClient);
    inside->SetBevelOuter(bvNone);
    inside->SetColor(clWindow);
    form->Show();
    // Lowered outside: shadow above and left, highlight below and right; then 3 pixels of face; then raised.
    EXPECT_EQ(At(panel, 0, 0), 0xA0A0A0u);
    EXPECT_EQ(At(panel, 99, 59), 0xFFFFFFu);
    EXPECT_EQ(At(panel, 2, 2), 0xF0F0F0u);
    EXPECT_EQ(At(panel, 4, 10), 0xFFFFFFu);
    EXPECT_EQ(At(panel, 95, 10), 0xA0A0A0u);
    EXPECT_EQ(inside->BoundsRect().left, 5);
    EXPECT_EQ(inside->BoundsRect().top, 5);
    EXPECT_EQ(inside->BoundsRect().right, 95);
    EXPECT_EQ(inside->BoundsRect().bottom, 55);

    // A single border is the sunken client edge round it all: the children keep their room.
    panel->SetBorderStyle(bsSingle);
    EXPECT_EQ(panel->ClientWidth(), 96);
    EXPECT_EQ(RectWidth(inside->BoundsRect()), 86);
}

TEST_F(PreviewControlsTest, ACaptionShowsInTheMiddleOfThePanelAndALabelsTextAtItsCorner) {
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    panel->SetBounds(0, 0, 120, 40);
    panel->SetBevelOuter(bvNone);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetBounds(0, 100, 120, 20);
    form->Show();
    // Pixels of text: anything but the button face both controls are filled with.
    const auto darkIn = [&](TWinControl* control, int left, int top, int right, int bottom) {
        int dark = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) dark += At(control, x, y) != 0xF0F0F0u;
        return dark;
    };
    EXPECT_EQ(darkIn(panel, 0, 0, 120, 40), 0);
    panel->SetCaption("(None)");
    EXPECT_GT(darkIn(panel, 40, 12, 80, 28), 20);
    EXPECT_EQ(darkIn(panel, 0, 0, 30, 40), 0);
    label->SetCaption("Picture:");
    EXPECT_GT(darkIn(form, 0, 100, 50, 114), 20);
    EXPECT_EQ(darkIn(form, 70, 100, 120, 120), 0);
}

TEST_F(PreviewControlsTest, TheSpeedButtonShowsItsGlyphAndEmbossesItWhenDisabled) {
    TBitmap glyph;
    TStringStream stream{std::string(PreviewGlyphBitmap())};
    stream.Seek(0, soBeginning);
    glyph.LoadFromStream(stream);
    auto* host = new TPanel(form);
    host->SetParent(form);
    host->SetBounds(0, 0, 60, 40);
    host->SetBevelOuter(bvNone);
    auto* button = new TSpeedButton(form);
    button->SetParent(host);
    button->SetBounds(0, 0, 23, 22);
    button->SetGlyph(&glyph);
    form->Show();
    // The glyph's top-left corner lands at (3, 3); its olive background never shows.
    EXPECT_EQ(At(host, 0, 0), 0xFFFFFFu); // the raised frame
    EXPECT_EQ(At(host, 22, 21), 0xA0A0A0u);
    EXPECT_EQ(At(host, 3, 3), 0x000000u);  // the page's outline
    EXPECT_EQ(At(host, 6, 6), 0xFFFFFFu);  // the page
    EXPECT_EQ(At(host, 3, 18), 0xF0F0F0u); // the olive corner, left out
    button->SetEnabled(false);
    // Disabled: the outline in the shadow colour, the white page gone into the face, a highlight below right.
    EXPECT_EQ(At(host, 3, 3), 0xA0A0A0u);
    EXPECT_EQ(At(host, 6, 6), 0xF0F0F0u);
    EXPECT_EQ(At(host, 18, 18), 0xA0A0A0u); // the handle's last pixel
    EXPECT_EQ(At(host, 19, 19), 0xFFFFFFu); // and its highlight
}

} // namespace
} // namespace gl
