// The spin edit on the headless display: the range and format of the number held as text, rounding, the load
// order, steps by buttons, keys and wheel, and the typing filter.
#include "PaneTestSupport.h"

#include "SpinTestSupport.h"
#include "components/RzSpnEdt.h"
#include "framework/stored/LayoutClass.h"
#include "framework/stored/LayoutReader.h"
#include "platform/controls/edit/EditMessages.h"
#include "platform/user/MessageLoop.h"
#include "platform/win/KeyCodes.h"

#include <vector>

namespace gl::panetest {
namespace {

using win::headless::BeepCount;
using win::headless::KeyPress;

class RzSpinEditTest : public PaneTest {
protected:
    void SetUp() override {
        PaneTest::SetUp();
        win::RegisterEditClass();
    }

    // The space-length field: 1..20, value 3, typing allowed.
    TRzSpinEdit* MakeSpin(bool allowKeyEdit = true) {
        TRzSpinEdit* spin = MakeNumberField(&m_owner, m_form, 20, 3, allowKeyEdit);
        Flush();
        return spin;
    }
};

TEST_F(RzSpinEditTest, RangeFormatAndRounding) {
    TRzSpinEdit spin(nullptr);
    std::vector<std::string> texts;
    EXPECT_EQ(spin.Text(), "0");
    spin.SetMax(20);
    texts.push_back(spin.Text());
    spin.SetMin(1);
    texts.push_back(spin.Text());
    spin.SetValue(3);
    texts.push_back(spin.Text());
    EXPECT_EQ(texts, (std::vector<std::string>{"0", "1", "3"})) << "the stored order Max, Min, Value";

    spin.SetIntegerValue(0);
    EXPECT_EQ(spin.Text(), "1");
    EXPECT_EQ(spin.IntegerValue(), 1);
    spin.SetValue(25);
    EXPECT_EQ(spin.Text(), "20");

    spin.SetDecimals(1);
    spin.SetIntegersOnly(false);
    spin.SetDecimals(1);
    spin.SetValue(2.5);
    EXPECT_EQ(spin.Text(), "2.5");
    EXPECT_EQ(spin.IntegerValue(), 2);
    spin.SetValue(3.5);
    EXPECT_EQ(spin.IntegerValue(), 4);

    spin.SetText("abc");
    EXPECT_EQ(spin.Value(), 1) << "text that is no number reads as Min";
    spin.SetText("");
    EXPECT_EQ(spin.Value(), 1);
    EXPECT_EQ(spin.Text(), "1") << "an empty field shows Min's text after a read";

    TRzSpinEdit same(nullptr);
    same.SetMax(5);
    same.SetMin(5);
    same.SetValue(8);
    EXPECT_EQ(same.Text(), "8") << "equal bounds without CheckRange do not clamp";
    same.SetCheckRange(true);
    EXPECT_EQ(same.Text(), "5");
    same.SetMin(9);
    EXPECT_EQ(same.Max(), 9);
    same.SetMax(2);
    EXPECT_EQ(same.Min(), 2);
}

TEST_F(RzSpinEditTest, ButtonsKeysAndWheelStepAndReport) {
    TRzSpinEdit* spin = MakeSpin();
    int changes = 0;
    std::vector<TSpinButtonType> clicks;
    spin->OnChange = [&changes](TObject*) { ++changes; };
    spin->OnButtonClick = [&clicks](TObject*, TSpinButtonType button) { clicks.push_back(button); };
    TRzSpinButtons* pair = spin->Buttons();
    EXPECT_EQ(pair->BoundsRect(), (TRect{26, 0, 43, 17}));
    EXPECT_EQ(spin->ButtonOf(sbUp)->BoundsRect(), (TRect{0, 0, 17, 8}));
    EXPECT_EQ(spin->ButtonOf(sbDown)->BoundsRect(), (TRect{0, 8, 17, 16})) << "the bottom row stays free";

    win::headless::Click(pair->Handle(), 8, 3);
    EXPECT_EQ(spin->Text(), "4");
    EXPECT_TRUE(spin->Focused()) << "a press takes the focus to the field";
    win::headless::Click(pair->Handle(), 8, 11);
    EXPECT_EQ(spin->Text(), "3");
    KeyPress(win::VK_UP);
    EXPECT_EQ(spin->Text(), "4");
    KeyPress(win::VK_DOWN);
    EXPECT_EQ(spin->Text(), "3");
    KeyPress(win::VK_PRIOR);
    EXPECT_EQ(spin->Text(), "13");
    KeyPress(win::VK_NEXT);
    EXPECT_EQ(spin->Text(), "3");
    win::headless::Wheel(spin->Handle(), 5, 5, 60);
    win::headless::Wheel(spin->Handle(), 5, 5, 60);
    EXPECT_EQ(spin->Text(), "4") << "two halves of a notch make one step";
    win::headless::Wheel(spin->Handle(), 5, 5, -240);
    EXPECT_EQ(spin->Text(), "2");
    EXPECT_EQ(changes, 9);

    spin->SetValue(20);
    changes = 0;
    clicks.clear();
    KeyPress(win::VK_UP);
    EXPECT_EQ(changes, 0) << "already at Max";
    EXPECT_EQ(clicks, (std::vector<TSpinButtonType>{sbUp}));

    // Held down, the button repeats: at 400 ms, then every 100 ms, and once more at release.
    spin->SetValue(1);
    win::headless::MouseDown(pair->Handle(), 8, 3);
    win::headless::AdvanceClock(1000);
    win::headless::MouseUp(pair->Handle(), 8, 3);
    EXPECT_EQ(spin->Text(), "9");
}

TEST_F(RzSpinEditTest, TypingFilterFollowsAllowKeyEdit) {
    TRzSpinEdit* spin = MakeSpin(true);
    TRzSpinEdit* locked = MakeSpin(false);
    locked->SetTop(80);
    spin->SetFocus();
    win::SendMessage(spin->Handle(), win::EM_SETSEL, 1, 1);
    win::headless::ResetBeepCount();
    KeyPress('5');
    EXPECT_EQ(spin->Text(), "35");
    KeyPress('A');
    KeyPress(win::VK_RETURN);
    EXPECT_EQ(spin->Text(), "35");
    EXPECT_EQ(BeepCount(), 2);
    EXPECT_EQ(spin->IntegerValue(), 35) << "not constrained before the focus leaves";
    locked->SetFocus();
    EXPECT_EQ(spin->Text(), "20") << "leaving the field writes the constrained number back";
    EXPECT_EQ(locked->Buttons()->Color(), clBtnFace) << "flat buttons of the focused field";
    EXPECT_EQ(spin->Buttons()->Color(), clWindow) << "flat buttons take the field's colour when it is left";

    win::SendMessage(locked->Handle(), win::EM_SETSEL, 1, 1);
    win::headless::ResetBeepCount();
    KeyPress('5');
    KeyPress(win::VK_BACK);
    KeyPress(win::VK_DELETE);
    EXPECT_EQ(locked->Text(), "3");
    EXPECT_EQ(BeepCount(), 3);
    KeyPress(win::VK_UP);
    EXPECT_EQ(locked->Text(), "4") << "steps still work";

    // Cut and paste obey the same rule: the locked field keeps its number.
    win::SendMessage(locked->Handle(), win::EM_SETSEL, 0, -1);
    win::SendMessage(locked->Handle(), win::WM_CUT, 0, 0);
    EXPECT_EQ(locked->Text(), "4");
    win::SendMessage(spin->Handle(), win::EM_SETSEL, 0, -1);
    win::SendMessage(spin->Handle(), win::WM_CUT, 0, 0);
    EXPECT_EQ(spin->Text(), "");
    win::SendMessage(locked->Handle(), win::EM_SETSEL, 0, -1);
    win::SendMessage(locked->Handle(), win::WM_PASTE, 0, 0);
    EXPECT_EQ(locked->Text(), "4");
    win::SendMessage(spin->Handle(), win::WM_PASTE, 0, 0);
    EXPECT_EQ(spin->Text(), "20");
}

TEST_F(RzSpinEditTest, LoadsTheStoredLayout) {
    RegisterRzSpinEditLayout();
    LayoutClass<TFormStandIn>("TFormStandIn", "TWinControl").Creatable();
    TFormStandIn form(nullptr);
    ReadLayout(form, "object Form: TFormStandIn\n"
                     "  object RzSpinEdit2: TRzSpinEdit\n"
                     "    Left = 109\n"
                     "    Width = 47\n"
                     "    Height = 20\n"
                     "    AllowKeyEdit = True\n"
                     "    Max = 20\n"
                     "    Min = 1\n"
                     "    Value = 3\n"
                     "    FlatButtons = True\n"
                     "    FlatButtonParentColor = False\n"
                     "    FrameColor = 12164479\n"
                     "    FrameVisible = True\n"
                     "    ImeName = 'x'\n"
                     "  end\n"
                     "end\n");
    auto* spin = dynamic_cast<TRzSpinEdit*>(form.FindComponent("RzSpinEdit2"));
    ASSERT_TRUE(spin);
    EXPECT_EQ(spin->Text(), "3");
    EXPECT_EQ(spin->Min(), 1);
    EXPECT_EQ(spin->Max(), 20);
    EXPECT_TRUE(spin->AllowKeyEdit());
    EXPECT_TRUE(spin->FlatButtons());
}

} // namespace
} // namespace gl::panetest
