// The spin edit's step buttons as drawn, pixel by pixel: the arrows, the pressed offset, the hover outline,
// the flat colour, custom pictures; and the pieces round them (margins after a font change, the capture
// lost while a button is held, the arrow keys of the pair, the text of a written value).
#include "PaneTestSupport.h"

#include "SpinTestSupport.h"
#include "components/RzSpnEdt.h"
#include "framework/graphics/Canvas.h"
#include "framework/graphics/Font.h"
#include "framework/graphics/GraphicsBitmap.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/user/Messages.h"
#include "platform/user/User.h"
#include "platform/win/KeyCodes.h"

#include <map>
#include <string>
#include <vector>

namespace gl::panetest {
namespace {

// The window's colours by the letters the pictures below use.
const std::map<char, TColor> kLegend = {
    {'.', Rgb(255, 255, 255)}, // the field's colour, white
    {'-', Rgb(240, 240, 240)}, // FlatButtonColor: the button face
    {'#', Rgb(0, 0, 0)},       // an enabled arrow
    {'s', Rgb(160, 160, 160)}, // the button shadow
    {'r', Rgb(255, 0, 0)},     {'g', Rgb(0, 128, 0)}, {'b', Rgb(0, 0, 255)},
};

class RzSpinLookTest : public PaneTest {
protected:
    void SetUp() override {
        PaneTest::SetUp();
        win::RegisterEditClass();
    }

    // The font-size field: 1..30, value 1, flat buttons, framed.
    TRzSpinEdit* MakeSpin() {
        TRzSpinEdit* spin = MakeNumberField(&m_owner, m_form, 30, 1, false);
        Flush();
        return spin;
    }

    // The button's pixels as rows of legend letters ('?' for a colour outside the legend).
    std::vector<std::string> Picture(TControl& button) {
        Flush();
        std::vector<std::string> rows;
        for (int y = 0; y < button.Height(); ++y) {
            std::string row;
            for (int x = 0; x < button.Width(); ++x) {
                const TColor c = At(button, x, y);
                char letter = '?';
                for (const auto& [key, color] : kLegend)
                    if (color == c) letter = key;
                row += letter;
            }
            rows.push_back(row);
        }
        return rows;
    }
};

using Rows = std::vector<std::string>;

TEST_F(RzSpinLookTest, ArrowsFlatColourHoverAndPressedOffset) {
    TRzSpinEdit* spin = MakeSpin();
    TRzControlButton& up = *spin->ButtonOf(sbUp);
    TRzControlButton& down = *spin->ButtonOf(sbDown);
    // Left alone, flat buttons take the field's white and draw no frame.
    EXPECT_EQ(Picture(up),
              (Rows{".................", "........#........", ".......###.......", "......#####......",
                    ".....#######.....", ".................", ".................", "................."}));
    EXPECT_EQ(Picture(down),
              (Rows{".................", ".................", ".....#######.....", "......#####......",
                    ".......###.......", "........#........", ".................", "................."}));

    // Focused, they take FlatButtonColor; the pointer over one draws the raised outline (highlight white).
    spin->SetFocus();
    win::headless::MouseMove(spin->Buttons()->Handle(), 8, 3);
    EXPECT_EQ(Picture(up),
              (Rows{"................s", ".-------#-------s", ".------###------s", ".-----#####-----s",
                    ".----#######----s", ".---------------s", ".---------------s", "sssssssssssssssss"}));

    // Held down: the sunken outline, and the arrow one pixel right and down.
    win::headless::MouseDown(spin->Buttons()->Handle(), 8, 11);
    EXPECT_EQ(Picture(down),
              (Rows{"ssssssssssssssss.", "s---------------.", "s---------------.", "s-----#######---.",
                    "s------#####----.", "s-------###-----.", "s--------#------.", "................."}));
    win::headless::MouseUp(spin->Buttons()->Handle(), 8, 11);

    spin->SetFlatButtonColor(clRed);
    win::headless::MouseMove(m_form->Handle(), 5, 5);
    spin->SetFocus();
    m_form->SetFocus();
    spin->SetFocus();
    EXPECT_EQ(Picture(down)[2], "rrrrr#######rrrrr");
    spin->SetEnabled(false);
    EXPECT_EQ(Picture(up)[4], "-----sssssss-----")
        << "disabled: a shadow-coloured arrow on the field's disabled colour";
}

TEST_F(RzSpinLookTest, CustomPicturesReplaceTheArrows) {
    TRzSpinEdit* spin = MakeSpin();
    // Three 8 x 6 images: red (normal), blue (disabled), black (pressed); green is left out everywhere.
    TBitmap strip;
    strip.SetWidth(24);
    strip.SetHeight(6);
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 24; ++x)
            strip.Canvas().SetPixels(x, y, x < 8 ? clRed : (x < 16 ? clBlue : clBlack));
    strip.Canvas().SetPixels(0, 5, Rgb(0, 128, 0));
    strip.Canvas().SetPixels(23, 0, Rgb(0, 128, 0));
    spin->SetButtonUpGlyph(&strip);
    spin->SetButtonUpNumGlyphs(3);
    EXPECT_EQ(spin->ButtonOf(sbUp)->Style(), cbsNone);
    TRzControlButton& up = *spin->ButtonOf(sbUp);
    EXPECT_EQ(Picture(up),
              (Rows{".................", "....rrrrrrrr.....", "....rrrrrrrr.....", "....rrrrrrrr.....",
                    "....rrrrrrrr.....", "....rrrrrrrr.....", ".....rrrrrrr.....", "................."}))
        << "centred, the bottom-left colour left out";
    win::headless::MouseDown(spin->Buttons()->Handle(), 8, 3);
    const Rows pressed = Picture(up);
    EXPECT_EQ(pressed[1], "s---------------.");
    EXPECT_EQ(pressed[2], "s----#######----.") << "the pressed image, one pixel right and down";
    EXPECT_EQ(pressed[7], ".....########....");
    win::headless::MouseUp(spin->Buttons()->Handle(), 8, 3);
    spin->SetEnabled(false);
    EXPECT_EQ(Picture(up)[3], "----bbbbbbbb-----");
    EXPECT_EQ(spin->ButtonOf(sbDown)->Style(), cbsDown) << "the other button keeps its arrow";

    // Clearing the picture, or turning the arrows the other way, gives the arrow back.
    spin->SetButtonUpGlyph(nullptr);
    EXPECT_EQ(up.Style(), cbsUp);
    spin->SetButtonDownGlyph(&strip);
    spin->SetDirection(sdLeftRight);
    EXPECT_TRUE(spin->ButtonDownGlyph()->Empty());
    EXPECT_EQ(spin->ButtonOf(sbDown)->Style(), cbsLeft);
}

TEST_F(RzSpinLookTest, ALostCaptureReleasesTheHeldButton) {
    TRzSpinEdit* spin = MakeSpin();
    int changes = 0;
    // What a box raised from the change handler does to the mouse.
    spin->OnChange = [&changes](TObject*) {
        if (++changes == 2 && win::GetCapture())
            win::SendMessage(win::GetCapture(), win::WM_CANCELMODE, 0, 0);
    };
    TRzSpinButtons& pair = *spin->Buttons();
    win::headless::MouseDown(pair.Handle(), 8, 3);
    win::headless::AdvanceClock(500);
    EXPECT_EQ(spin->Text(), "3");
    EXPECT_FALSE(spin->ButtonOf(sbUp)->Pressed());
    EXPECT_EQ(Picture(*spin->ButtonOf(sbUp))[0], "................s")
        << "drawn released, the pointer over it";
    win::headless::AdvanceClock(1000);
    win::headless::MouseUp(pair.Handle(), 8, 3);
    EXPECT_EQ(spin->Text(), "3") << "no more repeats and no click at the release";

    // A normal press and release still clicks at the release.
    win::headless::Click(pair.Handle(), 8, 3);
    EXPECT_EQ(spin->Text(), "4");
}

TEST_F(RzSpinLookTest, MarginsSurviveAFontChangeAndThePairWantsArrows) {
    TRzSpinEdit* spin = MakeSpin();
    const auto margins = [spin] {
        return static_cast<unsigned>(win::SendMessage(spin->Handle(), win::EM_GETMARGINS, 0, 0));
    };
    EXPECT_EQ(margins(), win::MAKELONG(0, 19));
    // Bold keeps the height, so no resize puts the buttons (and the margins) in place again.
    spin->Font()->SetStyle(TFontStyles{fsBold});
    EXPECT_EQ(margins(), win::MAKELONG(0, 19)) << "the buttons' room is kept under a new font";

    TRzSpinButtons& pair = *spin->Buttons();
    EXPECT_EQ(pair.Perform(win::WM_GETDLGCODE) & win::DLGC_WANTARROWS, win::DLGC_WANTARROWS);
    pair.SetTabStop(true);
    pair.SetFocus();
    win::headless::KeyPress(win::VK_UP);
    EXPECT_EQ(spin->Text(), "2");
    EXPECT_TRUE(pair.Focused());
}

TEST_F(RzSpinLookTest, WrittenValuesKeepEighteenDigitsAndNoNegativeZero) {
    TRzSpinEdit spin(nullptr);
    spin.SetMin(-1e30);
    spin.SetMax(1e30);
    spin.SetValue(-0.4);
    EXPECT_EQ(spin.Text(), "0");
    spin.SetValue(-1e-4);
    spin.SetIntegersOnly(false);
    spin.SetDecimals(3);
    spin.SetValue(-1e-4);
    EXPECT_EQ(spin.Text(), "0.000");
    spin.SetValue(-0.4);
    EXPECT_EQ(spin.Text(), "-0.400");
    spin.SetValue(9.9999);
    EXPECT_EQ(spin.Text(), "10.000");
    spin.SetDecimals(2);
    spin.SetValue(0.125);
    EXPECT_EQ(spin.Text(), "0.13") << "halves away from zero";
    spin.SetDecimals(20);
    spin.SetValue(0.1 + 0.2);
    EXPECT_EQ(spin.Text(), "0.30000000000000004400");
    spin.SetDecimals(0);
    spin.SetValue(123456789012345678901.0);
    EXPECT_EQ(spin.Text(), "123456789012345684000");
    spin.SetValue(-7);
    EXPECT_EQ(spin.Text(), "-7");
}

} // namespace
} // namespace gl::panetest
