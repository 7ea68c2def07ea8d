// The window's short commands as a user meets them: the glyph string deriving the space length, the mode
// switch, font and size of the output view, the banner text, and the About box.
#include "MainWindowTestSupport.h"

#include "components/RzButton.h"
#include "components/RzCmboBx.h"
#include "components/RzEdit.h"
#include "components/RzRadChk.h"
#include "components/RzSpnEdt.h"
#include "components/RzStatus.h"
#include "framework/core/Strings.h"
#include "framework/graphics/Font.h"

#include "platform/win/KeyCodes.h"

namespace gl::apptest {
namespace {

TEST_F(MainWindowTest, TheGlyphStringSetsTheSpaceLengthByItsWidth) {
    TF_main& w = Open();
    const std::vector<std::pair<std::string, int>> cases = {
        {"ab", 2},
        {"Kiv", 3},
        {"中文", 4},
        {"中a", 4}, // any double-byte character makes every character count two columns
        {"", 1},    // asks for 0; the spin edit keeps 1..20
        {"一二三四五六七八九十百", 20},
        {"abcdefghijklmnopqrstuvwxy", 20},
        {"é", 2},                // a Latin letter that the code page holds in two bytes
        {"\xF0\x9F\x98\x80", 4}, // a character the code page lacks: one "?" byte, two UTF-16 units
    };
    for (const auto& [glyphs, space] : cases) {
        TypeInto(*w.RzEdit2, glyphs);
        ASSERT_EQ(w.RzEdit2->Text(), glyphs);
        EXPECT_EQ(w.RzSpinEdit2->IntegerValue(), space) << "glyph string \"" << glyphs << "\"";
        EXPECT_EQ(w.RzSpinEdit2->Text(), std::to_string(space));
    }
    // Typing a character at a time recounts on every change.
    TypeInto(*w.RzEdit2, "a");
    EXPECT_EQ(w.RzSpinEdit2->IntegerValue(), 1);
    AsUser([] { win::headless::TypeText("b"); });
    EXPECT_EQ(w.RzSpinEdit2->IntegerValue(), 2);
    AsUser([] { win::headless::TypeText("中"); });
    EXPECT_EQ(w.RzSpinEdit2->IntegerValue(), 6);
    Press(win::VK_BACK);
    EXPECT_EQ(w.RzSpinEdit2->IntegerValue(), 2);
}

TEST_F(MainWindowTest, TheModeSwitchEnablesTheInputOfTheMode) {
    TF_main& w = Open();
    ClickOn(*w.RzRadioButton2);
    EXPECT_TRUE(w.RzRadioButton2->Checked());
    EXPECT_FALSE(w.RzRadioButton1->Checked());
    EXPECT_TRUE(w.RzEdit3->Enabled());
    EXPECT_FALSE(w.RzEdit1->Enabled());
    EXPECT_FALSE(w.RzBitBtn5->Enabled());

    ClickOn(*w.RzRadioButton1);
    EXPECT_TRUE(w.RzRadioButton1->Checked());
    EXPECT_FALSE(w.RzRadioButton2->Checked());
    EXPECT_FALSE(w.RzEdit3->Enabled());
    EXPECT_TRUE(w.RzEdit1->Enabled());
    EXPECT_TRUE(w.RzBitBtn5->Enabled());

    // The arrow keys move between them in the group's order (text, picture, path...), checking the one
    // they reach.
    Press(win::VK_UP);
    EXPECT_EQ(w.ActiveControl(), w.RzRadioButton2);
    EXPECT_TRUE(w.RzRadioButton2->Checked());
    EXPECT_TRUE(w.RzEdit3->Enabled());
    EXPECT_FALSE(w.RzEdit1->Enabled());
    Press(win::VK_DOWN);
    EXPECT_EQ(w.ActiveControl(), w.RzRadioButton1);
    EXPECT_TRUE(w.RzRadioButton1->Checked());
    EXPECT_FALSE(w.RzEdit3->Enabled());
    EXPECT_TRUE(w.RzBitBtn5->Enabled());
    Press(win::VK_DOWN);
    EXPECT_EQ(w.ActiveControl(), w.RzEdit1);
    EXPECT_TRUE(w.RzRadioButton1->Checked()) << "still picture mode";

    // A disabled field takes no typing: the banner text stays while in picture mode.
    ClickOn(*w.RzEdit3);
    AsUser([] { win::headless::TypeText("x"); });
    EXPECT_EQ(w.RzEdit3->Text(), "Tarnwick<QQ群号3164825>");
}

TEST_F(MainWindowTest, TheFontAndSizeBoxesSetTheOutputFont) {
    TF_main& w = Open();
    TFont& font = *w.RzMemo1->Font();
    ASSERT_GT(w.RzFontComboBox1->Items()->Count(), 1);

    // Another face chosen in the box: the output view takes it at the size box's size.
    ClickOn(*w.RzSpinEdit2); // away from the output view, which would take the keys itself
    w.RzFontComboBox1->SetFocus();
    const int start = w.RzFontComboBox1->ItemIndex();
    Press(start + 1 < w.RzFontComboBox1->Items()->Count() ? win::VK_DOWN : win::VK_UP);
    ASSERT_NE(w.RzFontComboBox1->ItemIndex(), start);
    const std::string chosen = w.RzFontComboBox1->Items()->Strings(w.RzFontComboBox1->ItemIndex());
    EXPECT_EQ(font.Name(), chosen);
    EXPECT_EQ(font.Size(), 1);

    // The size box steps by its keys and its buttons' keys only; each change re-applies the box's font,
    // so what was set on the output view's font in between goes back to the box's font.
    font.SetStyle(TFontStyles{fsBold});
    font.SetColor(clRed);
    w.RzSpinEdit1->SetFocus();
    Press(win::VK_UP);
    EXPECT_EQ(w.RzSpinEdit1->IntegerValue(), 2);
    EXPECT_EQ(font.Name(), chosen);
    EXPECT_EQ(font.Size(), 2);
    EXPECT_EQ(font.Style(), TFontStyles{});
    EXPECT_EQ(font.Color(), clWindowText);
    EXPECT_EQ(font.Charset(), win::DEFAULT_CHARSET);
    Press(win::VK_PRIOR);
    EXPECT_EQ(font.Size(), 12);
    Press(win::VK_PRIOR);
    EXPECT_EQ(font.Size(), 22);
    Press(win::VK_PRIOR);
    EXPECT_EQ(font.Size(), 30) << "the size box stops at 30";
    AsUser([] { win::headless::TypeText("5"); });
    EXPECT_EQ(w.RzSpinEdit1->IntegerValue(), 30) << "the size box takes no typing";
    EXPECT_GE(win::headless::BeepCount(), 1);
    for (int i = 0; i < 40; ++i) Press(win::VK_DOWN);
    EXPECT_EQ(font.Size(), 1);
}

TEST_F(MainWindowTest, WithoutAFontSelectedTheSizeBoxShowsTheError) {
    TF_main& w = Open();
    // As on a system whose font box lists the window font under another name.
    w.RzFontComboBox1->SetItemIndex(-1);
    w.RzSpinEdit1->SetFocus();
    Press(win::VK_UP);
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Cannot assign a nil to a TFont.");
    EXPECT_EQ(m_boxes[0].icon, win::MB_ICONERROR);
    EXPECT_EQ(w.RzSpinEdit1->IntegerValue(), 2);
    EXPECT_EQ(w.RzMemo1->Font()->Size(), 1) << "the size is not applied";
    EXPECT_EQ(w.RzMemo1->Font()->Name(), "宋体");

    // Choosing a font first avoids it.
    w.RzFontComboBox1->SetFocus();
    Press(win::VK_DOWN);
    ASSERT_GE(w.RzFontComboBox1->ItemIndex(), 0);
    w.RzSpinEdit1->SetFocus();
    Press(win::VK_UP);
    EXPECT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(w.RzMemo1->Font()->Size(), 3);
}

TEST_F(MainWindowTest, TheBannerShowsTheBannerText) {
    TF_main& w = Open();
    ClickOn(*w.RzRadioButton2);
    TypeInto(*w.RzEdit3, "0123456789");
    EXPECT_EQ(w.RzStatusPane1->Caption(), "0123456789");
    EXPECT_EQ(w.RzStatusPane1->Width(), 70) << "ten 6-pixel digits and the pane's margins";
    EXPECT_EQ(Convert().size(), 20u);

    // At most 40 bytes of the code page: the rest is refused with a beep.
    win::headless::ResetBeepCount();
    TypeInto(*w.RzEdit3, std::string(45, 'x'));
    EXPECT_EQ(w.RzEdit3->Text(), std::string(40, 'x'));
    EXPECT_EQ(w.RzStatusPane1->Caption(), std::string(40, 'x'));
    EXPECT_GE(win::headless::BeepCount(), 1);
    std::string chinese;
    for (int i = 0; i < 21; ++i) chinese += "字";
    TypeInto(*w.RzEdit3, chinese);
    EXPECT_EQ(w.RzEdit3->Text(), chinese.substr(0, 20 * 3)) << "a double-byte character counts two";
    EXPECT_EQ(w.RzStatusPane1->Caption(), chinese.substr(0, 20 * 3));
    EXPECT_EQ(w.RzStatusPane1->Width(), 20 * 12 + 10);
}

TEST_F(MainWindowTest, TheAboutBoxNamesTheProductAndItsMaker) {
    TF_main& w = Open();
    win::MessageBoxInfo shown;
    m_answerOpenBox = [&](const win::MessageBoxInfo& info) {
        shown = info;
        win::headless::KeyPress(win::VK_RETURN);
    };
    ClickOn(*w.RzBitBtn1);
    m_answerOpenBox = nullptr;
    ASSERT_NE(shown.hwnd, nullptr) << "the box was shown";
    EXPECT_EQ(shown.caption, "关于...");
    EXPECT_EQ(shown.icon, win::MB_ICONINFORMATION);
    EXPECT_EQ(shown.buttons, (std::vector<int>{win::IDOK}));
    EXPECT_EQ(shown.labels, (std::vector<std::string>{"OK"}));
    EXPECT_EQ(shown.owner, w.Handle());
    EXPECT_EQ(shown.text, TF_main::AboutText());
    EXPECT_TRUE(win::IsWindowEnabled(w.Handle())) << "the window is usable again once the box is closed";

    // Five lines: the product and version, then four labelled contacts of ours.
    std::vector<std::string> lines;
    std::string text = TF_main::AboutText();
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos; text.erase(0, at + 2))
        lines.push_back(text.substr(0, at));
    lines.push_back(text);
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "GlyphloomV 1.0");
    for (std::size_t i = 1; i < 5; ++i) {
        const std::size_t colon = lines[i].find("：");
        ASSERT_NE(colon, std::string::npos) << lines[i];
        EXPECT_GT(colon, 0u) << lines[i];
        EXPECT_GT(lines[i].size(), colon + 3) << "a value follows the label: " << lines[i];
        EXPECT_EQ(lines[i].find('\n'), std::string::npos);
    }
}

} // namespace
} // namespace gl::apptest
