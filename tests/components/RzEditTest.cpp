// The framed edit and memo on the headless display: state colours and the frame line read back from the
// screen, the change event, the typing limit, appending lines, wheel and keys in the memo, and loading.
#include "PaneTestSupport.h"

#include "components/RzEdit.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/user/MessageLoop.h"
#include "platform/win/KeyCodes.h"

#include <utility>
#include <vector>

namespace gl::panetest {
namespace {

constexpr TColor kFrameColor = TColor(12164479);

class RzEditTest : public PaneTest {
protected:
    void SetUp() override {
        PaneTest::SetUp();
        win::RegisterEditClass();
    }

    // The banner-text field as the window sets it up.
    TRzEdit* MakeBannerEdit() {
        auto* edit = new TRzEdit(&m_owner);
        edit->SetBounds(64, 39, 305, 20);
        edit->SetFrameColor(kFrameColor);
        edit->SetFrameVisible(true);
        edit->SetMaxLength(40);
        edit->SetParent(m_form);
        Flush();
        return edit;
    }

    TRzMemo* MakeMemo() {
        auto* memo = new TRzMemo(&m_owner);
        memo->SetBounds(0, 60, 300, 100);
        memo->SetScrollBars(ssBoth);
        memo->SetWantTabs(true);
        memo->SetFrameVisible(true);
        memo->SetFrameColor(kFrameColor);
        memo->SetParent(m_form);
        Flush();
        return memo;
    }

    static win::COLORREF WindowAt(TWinControl& control, int x, int y) {
        return win::headless::WindowPixel(control.Handle(), x, y);
    }
};

TEST_F(RzEditTest, DisablingKeepsTheFrameLineAndTurnsTheBackgroundToButtonFace) {
    TRzEdit* edit = MakeBannerEdit();
    const win::COLORREF frame = win::RGB(127, 157, 185);
    const win::COLORREF face = win::RGB(240, 240, 240);
    const win::COLORREF white = win::RGB(255, 255, 255);
    EXPECT_EQ(WindowAt(*edit, 100, 0), frame);
    EXPECT_EQ(WindowAt(*edit, 0, 10), frame);
    EXPECT_EQ(WindowAt(*edit, 304, 10), frame);
    EXPECT_EQ(WindowAt(*edit, 100, 19), frame);
    EXPECT_EQ(WindowAt(*edit, 100, 1), white) << "the ring inside the line takes the background";
    EXPECT_EQ(WindowAt(*edit, 290, 10), white);

    edit->SetEnabled(false);
    Flush();
    EXPECT_EQ(edit->Color(), clBtnFace);
    EXPECT_EQ(WindowAt(*edit, 100, 0), frame);
    EXPECT_EQ(WindowAt(*edit, 1, 10), face);
    EXPECT_EQ(WindowAt(*edit, 100, 1), face);
    EXPECT_EQ(WindowAt(*edit, 290, 10), face);

    edit->SetEnabled(true);
    Flush();
    EXPECT_EQ(edit->Color(), clWindow);
    EXPECT_EQ(WindowAt(*edit, 100, 0), frame);
    EXPECT_EQ(WindowAt(*edit, 100, 1), white);
    EXPECT_EQ(WindowAt(*edit, 290, 10), white);
}

TEST_F(RzEditTest, ColourWrittenWhileDisabledIsShownAfterEnablingAndFocusColourFollows) {
    TRzEdit* edit = MakeBannerEdit();
    edit->SetEnabled(false);
    edit->SetColor(clYellow);
    edit->SetEnabled(true);
    Flush();
    EXPECT_EQ(edit->Color(), clYellow);
    EXPECT_EQ(edit->FocusColor(), clYellow) << "the focus colour was the normal one, so it moved along";
    EXPECT_EQ(WindowAt(*edit, 290, 10), win::RGB(255, 255, 0));

    edit->SetFocusColor(clAqua);
    edit->SetColor(clLime);
    EXPECT_EQ(edit->FocusColor(), clAqua) << "a focus colour of its own stays";
    edit->SetFocus();
    EXPECT_EQ(edit->Color(), clAqua);
    edit->SetDisabledColor(clRed);
    edit->SetEnabled(false);
    EXPECT_EQ(edit->Color(), clRed);
    edit->SetEnabled(true);
    EXPECT_EQ(edit->NormalColor(), clLime) << "colours set by the state never become the normal one";
}

TEST_F(RzEditTest, ChangeOncePerDifferentTextAndTypingStopsAtTheLimit) {
    TRzEdit* edit = MakeBannerEdit();
    int changes = 0;
    edit->OnChange = [&changes](TObject*) { ++changes; };
    edit->SetText("abc");
    EXPECT_EQ(changes, 1);
    edit->SetText("abc");
    EXPECT_EQ(changes, 1) << "the same text changes nothing";

    edit->SetText("");
    edit->SetFocus();
    std::string typed;
    for (int i = 0; i < 25; ++i) typed += "字";
    win::headless::TypeText(typed);
    std::string twenty;
    for (int i = 0; i < 20; ++i) twenty += "字";
    EXPECT_EQ(edit->Text(), twenty) << "40 code-page bytes: 20 Chinese characters";

    const std::string longText = twenty + twenty + "more";
    edit->SetText(longText);
    EXPECT_EQ(edit->Text(), longText) << "text set by the program is never cut";
}

TEST_F(RzEditTest, MemoLinesAddKeepsOneTrailingBreakAndChangesOncePerAdd) {
    TRzMemo* memo = MakeMemo();
    int changes = 0;
    memo->OnChange = [&changes](TObject*) { ++changes; };
    EXPECT_EQ(memo->Lines()->Add("x"), 0);
    EXPECT_EQ(memo->Text(), "x\r\n");
    EXPECT_EQ(memo->Lines()->Count(), 1);
    EXPECT_EQ(memo->Lines()->Add("y"), 1);
    EXPECT_EQ(memo->Text(), "x\r\ny\r\n");
    EXPECT_EQ(memo->Lines()->Count(), 2);
    EXPECT_EQ(changes, 2);

    memo->Lines()->SetText("a");
    EXPECT_EQ(changes, 3);
    memo->Lines()->SetText("a");
    EXPECT_EQ(changes, 3) << "the same text raises nothing";
    memo->Lines()->Add("b");
    EXPECT_EQ(memo->Text(), "a\r\nb");
    EXPECT_EQ(changes, 4);
}

TEST_F(RzEditTest, MemoLineAndColumnCountCharacters) {
    TRzMemo* memo = MakeMemo();
    std::vector<std::pair<int, int>> places;
    memo->OnLineColChange = [&places](TObject*, int line, int column) { places.emplace_back(line, column); };
    memo->SetFocus();
    win::headless::TypeText("ab");
    win::headless::KeyPress(win::VK_RETURN);
    win::headless::TypeText("中文é");
    ASSERT_FALSE(places.empty());
    EXPECT_EQ(places.back(), (std::pair<int, int>{2, 4})) << "after three characters of seven bytes";
    win::headless::KeyPress(win::VK_LEFT);
    EXPECT_EQ(places.back(), (std::pair<int, int>{2, 3}));
}

TEST_F(RzEditTest, MemoWheelScrollsALinePerNotchAndTabAndEnterGoIntoTheText) {
    TRzMemo* memo = MakeMemo();
    std::string text;
    for (int i = 0; i < 60; ++i) text += "line\r\n";
    memo->Lines()->SetText(text);
    const win::HWND hwnd = memo->Handle();
    // The wheel goes to the window with the focus.
    memo->SetFocus();
    const auto top = [hwnd] { return win::SendMessage(hwnd, win::EM_GETFIRSTVISIBLELINE, 0, 0); };
    win::SendMessage(hwnd, win::EM_SETSEL, 0, 0);
    win::SendMessage(hwnd, win::EM_SCROLLCARET, 0, 0);
    ASSERT_EQ(top(), 0);
    win::headless::Wheel(hwnd, 50, 30, -240);
    EXPECT_EQ(top(), 2);
    win::headless::Wheel(hwnd, 50, 30, 120);
    EXPECT_EQ(top(), 1);
    win::headless::KeyDown(win::VK_CONTROL);
    win::headless::Wheel(hwnd, 50, 30, -240);
    win::headless::KeyUp(win::VK_CONTROL);
    EXPECT_EQ(top(), 7) << "with Ctrl each notch scrolls the wheel-lines setting (3)";

    memo->Lines()->SetText("");
    win::headless::KeyPress('A');
    win::headless::KeyPress(win::VK_TAB);
    win::headless::KeyPress('B');
    win::headless::KeyPress(win::VK_RETURN);
    win::headless::KeyPress('C');
    EXPECT_EQ(memo->Text(), "a\tb\r\nc");
    EXPECT_TRUE(memo->Focused());
}

TEST_F(RzEditTest, LoadsFromALayoutAndStartsInTheStateColour) {
    RegisterRzEditLayout();
    LayoutClass<TFormStandIn>("TFormStandIn", "TWinControl").Creatable();
    int changes = 0;
    LayoutMethods methods;
    methods.Add("RzEdit3Change", TNotifyEvent([&changes](TObject*) { ++changes; }));
    TFormStandIn form(nullptr);
    ReadLayout(form,
               "object Form: TFormStandIn\n"
               "  object RzMemo1: TRzMemo\n"
               "    Align = alClient\n"
               "    ImeName = 'x'\n"
               "    ScrollBars = ssBoth\n"
               "    WantTabs = True\n"
               "    FrameColor = 12164479\n"
               "    FrameVisible = True\n"
               "  end\n"
               "  object RzEdit3: TRzEdit\n"
               "    Left = 64\n"
               "    Width = 305\n"
               "    Height = 20\n"
               "    Hint = 'h'\n"
               "    Text = 'Tarnwick'\n"
               "    Enabled = False\n"
               "    FrameColor = 12164479\n"
               "    FrameStyle = fsFlat\n"
               "    FrameHotTrack = False\n"
               "    FrameVisible = True\n"
               "    DisabledColor = clBtnFace\n"
               "    FocusColor = clWindow\n"
               "    MaxLength = 40\n"
               "    ShowHint = True\n"
               "    OnChange = RzEdit3Change\n"
               "  end\n"
               "end\n",
               methods);
    auto* edit = dynamic_cast<TRzEdit*>(form.FindComponent("RzEdit3"));
    auto* memo = dynamic_cast<TRzMemo*>(form.FindComponent("RzMemo1"));
    ASSERT_TRUE(edit && memo);
    EXPECT_EQ(edit->Text(), "Tarnwick");
    EXPECT_EQ(edit->Color(), clBtnFace) << "the state colour rule ran after loading";
    EXPECT_EQ(edit->MaxLength(), 40);
    EXPECT_EQ(edit->FrameColor(), kFrameColor);
    EXPECT_TRUE(memo->WantTabs());
    EXPECT_EQ(memo->ScrollBars(), ssBoth);
    EXPECT_EQ(changes, 0);
    edit->SetText("x");
    EXPECT_EQ(changes, 1);
}

} // namespace
} // namespace gl::panetest
