// Moving through controls: tab order across containers, the controls the search skips, and keys that the
// focused control does not take going to the top control as dialog keys.
#include "framework/controls/ControlTestSupport.h"

#include "platform/user/User.h"

namespace gl::controltest {
namespace {

// A form that records the dialog keys and characters that reach it.
class TDialogFormProbe : public TFormProbe {
public:
    using TFormProbe::TFormProbe;
    void CMDialogKey(TCMDialogKey& message) override {
        keys.push_back(message.CharCode());
        message.SetResult(message.CharCode() == win::VK_TAB ? 1 : 0);
    }
    void CMDialogChar(TCMDialogChar& message) override {
        chars.push_back(message.CharCode());
        message.SetResult(1);
    }
    std::vector<int> keys;
    std::vector<char32_t> chars;
};

// A panel that takes arrow keys itself.
class TArrowPanel : public TPanelProbe {
public:
    using TPanelProbe::TPanelProbe;
    void CMWantSpecialKey(TCMWantSpecialKey& message) override {
        const int key = message.CharCode();
        message.SetResult(key >= win::VK_LEFT && key <= win::VK_DOWN ? 1 : 0);
    }
};

TEST_F(ControlTest, TabOrderRunsThroughContainersAndSkipsWhatCannotFocus) {
    MakeForm();
    auto* a = new TEditProbe(&m_owner);
    a->SetParent(m_form);
    auto* group = new TPanelProbe(&m_owner);
    group->SetParent(m_form);
    auto* b = new TEditProbe(&m_owner);
    b->SetParent(group);
    auto* c = new TEditProbe(&m_owner);
    c->SetParent(group);
    auto* d = new TEditProbe(&m_owner);
    d->SetParent(m_form);

    std::vector<TWinControl*> order;
    m_form->GetTabOrderList(order);
    EXPECT_EQ(order, (std::vector<TWinControl*>{a, group, b, c, d}));
    EXPECT_EQ(m_form->FindNextControl(a, true, true, false), b) << "the group itself is no tab stop";
    EXPECT_EQ(m_form->FindNextControl(d, true, true, false), a) << "the search wraps round";
    EXPECT_EQ(m_form->FindNextControl(a, false, true, false), d);
    c->SetEnabled(false);
    EXPECT_EQ(m_form->FindNextControl(b, true, true, false), d);
    group->Hide();
    EXPECT_EQ(m_form->FindNextControl(a, true, true, false), d) << "nothing inside a hidden group";
    group->Show();
    c->SetEnabled(true);
    // Among one parent's own children, tab stops or not.
    EXPECT_EQ(group->FindNextControl(c, true, false, true), b);
    d->SetTabOrder(0);
    EXPECT_EQ(m_form->FindNextControl(nullptr, true, true, false), d);

    b->SetFocus();
    m_form->SelectNext(b, true, true);
    EXPECT_TRUE(c->Focused());
}

TEST_F(ControlTest, KeysTheControlDoesNotTakeBecomeDialogKeys) {
    auto* form = new TDialogFormProbe(&m_owner);
    form->SetBounds(0, 0, 300, 200);
    form->HandleNeeded();
    auto* edit = new TEditProbe(&m_owner);
    edit->SetParent(form);
    auto* panel = new TArrowPanel(&m_owner);
    panel->SetParent(form);

    // What the message loop does before a key is dispatched; a nonzero answer means the key was used.
    EXPECT_EQ(edit->Perform(CN_KEYDOWN, win::VK_TAB), 1);
    EXPECT_EQ(edit->Perform(CN_KEYDOWN, win::VK_LEFT), 0) << "an edit takes arrow keys (its dialog code)";
    EXPECT_EQ(panel->Perform(CN_KEYDOWN, win::VK_LEFT), 0) << "the panel asks for arrow keys";
    EXPECT_EQ(panel->Perform(CN_KEYDOWN, win::VK_RETURN), 0);
    EXPECT_EQ(panel->Perform(CN_KEYDOWN, 'A'), 0);
    EXPECT_EQ(form->keys, (std::vector<int>{win::VK_TAB, win::VK_RETURN}));

    EXPECT_EQ(panel->Perform(CN_CHAR, U'x'), 1)
        << "a character a plain window does not take may be an accelerator";
    EXPECT_EQ(edit->Perform(CN_CHAR, U'x'), 0) << "an edit takes its characters";
    EXPECT_EQ(form->chars, std::vector<char32_t>{U'x'});
}

} // namespace
} // namespace gl::controltest
