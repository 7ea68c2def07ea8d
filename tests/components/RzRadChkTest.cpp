// The mode radio buttons: checking by click, code and arrow keys, siblings unchecked, OnClick only on
// becoming checked, the checked one as the tab stop, and the glyph's role colours.
#include "RzControlsTestSupport.h"

#include "components/RzButton.h"
#include "components/RzRadChk.h"
#include "platform/win/KeyCodes.h"

namespace gl::rztest {
namespace {

using namespace win::headless;

class RzRadioButtonTest : public RzControlsTest {
protected:
    // The input group's order: text radio (tab 0), picture radio (checked, tab 1), then another control.
    void SetUp() override {
        RzControlsTest::SetUp();
        MakeForm();
        m_text = Radio("字符", 11, 42, 46);
        m_picture = Radio("图片", 13, 17, 57);
        m_next = new TRzBitBtn(&m_owner);
        m_next->SetParent(m_form);
        m_next->SetBounds(100, 14, 75, 25);
        m_text->SetTabOrder(0);
        m_picture->SetTabOrder(1);
        m_next->SetTabOrder(2);
        m_picture->SetChecked(true);
        m_text->OnClick = [this](TObject*) { m_clicks.push_back("text"); };
        m_picture->OnClick = [this](TObject*) { m_clicks.push_back("picture"); };
        Pump();
    }

    TRzRadioButton* Radio(const std::string& caption, int left, int top, int width) {
        auto* radio = new TRzRadioButton(&m_owner);
        radio->SetParent(m_form);
        radio->SetBounds(left, top, width, 17);
        radio->SetCaption(caption);
        radio->SetFrameColor(8409372);
        radio->SetHighlightColor(2203937);
        radio->SetHotTrack(true);
        radio->SetHotTrackColor(3983359);
        radio->SetHotTrackColorType(htctActual);
        return radio;
    }

    TRzRadioButton* m_text = nullptr;
    TRzRadioButton* m_picture = nullptr;
    TRzBitBtn* m_next = nullptr;
    std::vector<std::string> m_clicks;
};

TEST_F(RzRadioButtonTest, ClickingChecksUnchecksTheSiblingAndRaisesOnClickOnce) {
    Click(m_picture->Handle(), 5, 8);
    EXPECT_TRUE(m_clicks.empty()) << "an already checked radio button ignores the click";
    EXPECT_TRUE(m_picture->Checked());

    Click(m_text->Handle(), 5, 8);
    EXPECT_EQ(m_clicks, std::vector<std::string>{"text"});
    EXPECT_TRUE(m_text->Checked());
    EXPECT_FALSE(m_picture->Checked());
    EXPECT_TRUE(m_text->TabStop());
    EXPECT_FALSE(m_picture->TabStop());

    // A press dragged off focuses but does not check.
    MouseDown(m_picture->Handle(), 5, 8);
    MouseUp(m_picture->Handle(), 5, 40);
    EXPECT_TRUE(m_picture->Focused());
    EXPECT_FALSE(m_picture->Checked());

    // From code: the sibling is unchecked and OnClick raised.
    m_picture->SetChecked(true);
    EXPECT_FALSE(m_text->Checked());
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"text", "picture"}));
}

TEST_F(RzRadioButtonTest, ArrowKeysMoveAmongSiblingsAndCheck) {
    m_picture->SetFocus();
    Pump();
    KeyPress(win::VK_UP);
    EXPECT_TRUE(m_text->Focused());
    EXPECT_TRUE(m_text->Checked());
    EXPECT_FALSE(m_picture->Checked());

    KeyPress(win::VK_DOWN);
    EXPECT_TRUE(m_picture->Focused());
    EXPECT_TRUE(m_picture->Checked());

    KeyPress(win::VK_RIGHT);
    EXPECT_TRUE(m_next->Focused());
    EXPECT_TRUE(m_picture->Checked());

    // Backwards from the first wraps round to the last.
    m_text->SetFocus();
    Pump();
    KeyPress(win::VK_LEFT);
    EXPECT_TRUE(m_next->Focused());
    EXPECT_EQ(m_clicks, (std::vector<std::string>{"text", "picture", "text"}));
}

TEST_F(RzRadioButtonTest, GlyphRolesInTheirWorkedColours) {
    // Glyph at (0, 2): row r, column c is pixel (c, r + 2).
    EXPECT_EQ(Pixel(*m_picture, 5, 2), Rgb(32, 89, 145)) << "L";
    EXPECT_EQ(Pixel(*m_picture, 6, 2), Rgb(28, 81, 128)) << "F";
    EXPECT_EQ(Pixel(*m_picture, 4, 3), Rgb(141, 168, 191)) << "a";
    EXPECT_EQ(Pixel(*m_picture, 10, 5), Rgb(184, 200, 215)) << "c";
    EXPECT_EQ(Pixel(*m_picture, 5, 6), Rgb(122, 199, 122)) << "h";
    EXPECT_EQ(Pixel(*m_picture, 6, 8), Rgb(33, 161, 33)) << "H";
    EXPECT_EQ(Pixel(*m_text, 6, 8), Rgb(255, 255, 255)) << "unchecked interior";
    EXPECT_EQ(Pixel(*m_picture, 0, 2), Pixel(*m_form, 13, 17)) << "template corners show the face";

    MouseMove(m_text->Handle(), 30, 8);
    EXPECT_EQ(Pixel(*m_text, 4, 4), Rgb(255, 219, 123)) << "hot f";
    EXPECT_EQ(Pixel(*m_text, 10, 8), Rgb(251, 183, 0)) << "hot e";
    EXPECT_EQ(Pixel(*m_text, 5, 5), Rgb(255, 237, 189)) << "hot g";

    // The caption stands right of the glyph.
    EXPECT_GT(CountColor(*m_picture, 17, 0, 57, 17, Rgb(0, 0, 0)), 10);
    EXPECT_EQ(CountColor(*m_picture, 0, 0, 16, 17, Rgb(0, 0, 0)), 0);
}

} // namespace
} // namespace gl::rztest
