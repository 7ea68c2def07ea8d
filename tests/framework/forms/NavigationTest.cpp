// Keyboard navigation in a form, with keys given through the application's loop: Tab and Shift+Tab among tab
// stops in tab order across nested containers, arrows among siblings when the focused control does not take
// them, Enter and Escape for the default and cancel buttons, Alt+letter accelerators, and key preview.
#include "FormsTestSupport.h"

#include "framework/controls/ControlMessages.h"
#include "platform/user/User.h"

namespace gl::formstest {
namespace {

using win::headless::KeyChord;
using win::headless::KeyPress;

// An edit that records who cancelled its mouse mode.
class TCancelProbe : public TEditBox {
public:
    using TEditBox::TEditBox;
    void WndProc(TMessage& message) override {
        if (message.Msg == CM_CANCELMODE)
            senders.push_back(reinterpret_cast<const TControl*>(message.LParam));
        TEditBox::WndProc(message);
    }
    std::vector<const TControl*> senders;
};

class NavigationTest : public FormsTest {
protected:
    // A form with, in tab order: edit A; a panel holding button B and a nested panel with edit C and button
    // D; then edit E. Button F is no tab stop.
    void SetUp() override {
        FormsTest::SetUp();
        app->CreateForm(form);
        form->SetBounds(0, 0, 400, 300);
        a = Add<TEditBox>(form, "A", 10);
        auto* outer = Add<TPanelBox>(form, "Outer", 40);
        outer->SetHeight(150);
        e = Add<TEditBox>(form, "E", 200);
        f = Add<TButtonBox>(form, "F", 230);
        f->SetTabStop(false);
        // Made in another order than the tab order: the tab order decides.
        auto* inner = Add<TPanelBox>(outer, "Inner", 50);
        inner->SetHeight(80);
        b = Add<TButtonBox>(outer, "B", 10);
        b->SetTabOrder(0);
        d = Add<TButtonBox>(inner, "D", 40);
        c = Add<TEditBox>(inner, "C", 10);
        c->SetTabOrder(0);
        form->Show();
        app->ProcessMessages();
    }

    template <class T> T* Add(TWinControl* parent, const std::string& name, int top) {
        auto* control = new T(form);
        control->SetName(name);
        control->SetParent(parent);
        control->SetBounds(10, top, 120, 24);
        return control;
    }

    std::string Focused() {
        TWinControl* control = FindControl(win::GetFocus());
        return control ? control->Name() : "(none)";
    }

    void Press(int key) {
        ThroughLoop([key] { KeyPress(key); });
    }

    TForm* form = nullptr;
    TEditBox* a = nullptr;
    TButtonBox* b = nullptr;
    TEditBox* c = nullptr;
    TButtonBox* d = nullptr;
    TEditBox* e = nullptr;
    TButtonBox* f = nullptr;
};

TEST_F(NavigationTest, TabVisitsTheTabStopsInOrderAcrossNestedContainers) {
    EXPECT_EQ(Focused(), "A") << "a form shown for the first time starts on its first tab stop";
    EXPECT_EQ(form->ActiveControl(), a);
    std::vector<std::string> visited;
    for (int i = 0; i < 5; ++i) {
        Press(win::VK_TAB);
        visited.push_back(Focused());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"B", "C", "D", "E", "A"}));
    EXPECT_EQ(form->ActiveControl(), a);

    visited.clear();
    for (int i = 0; i < 3; ++i) {
        ThroughLoop([] { KeyChord({win::VK_SHIFT, win::VK_TAB}); });
        visited.push_back(Focused());
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"E", "D", "C"}));

    // Controls that cannot take the focus are passed over.
    d->SetEnabled(false);
    Press(win::VK_TAB);
    EXPECT_EQ(Focused(), "E");
}

TEST_F(NavigationTest, ArrowsMoveAmongSiblingsOnlyWhenTheFocusedControlDoesNotTakeThem) {
    d->SetFocus();
    Press(win::VK_UP);
    EXPECT_EQ(Focused(), "C") << "from D back to its sibling C";
    Press(win::VK_LEFT);
    EXPECT_EQ(Focused(), "C") << "an edit takes the arrow keys itself";

    // Among the form's own children, tab stops or not: F is reached, and the movement wraps round.
    f->SetFocus();
    EXPECT_EQ(form->ActiveControl(), f);
    Press(win::VK_DOWN);
    EXPECT_EQ(Focused(), "A") << "after the last sibling comes the first";
    e->SetFocus();
    Press(win::VK_TAB);
    EXPECT_EQ(Focused(), "A") << "Tab passes over F, which is no tab stop";
}

TEST_F(NavigationTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
    b->SetDefault(true);
    d->SetCancel(true);
    a->SetFocus();
    Press(win::VK_RETURN);
    EXPECT_EQ(b->clicks, 1);
    EXPECT_EQ(Focused(), "A") << "the focus stays where it was";
    Press(win::VK_ESCAPE);
    EXPECT_EQ(d->clicks, 1);
    // Enter on a focused button clicks that button, not the default one.
    d->SetFocus();
    Press(win::VK_RETURN);
    EXPECT_EQ(d->clicks, 2);
    EXPECT_EQ(b->clicks, 1);
    // A disabled default button takes nothing.
    b->SetEnabled(false);
    a->SetFocus();
    Press(win::VK_RETURN);
    EXPECT_EQ(b->clicks, 1);
}

TEST_F(NavigationTest, AltWithALetterClicksTheButtonWhoseCaptionMarksIt) {
    f->SetCaption("&Fix");
    b->SetCaption("&Browse");
    a->SetFocus();
    ThroughLoop([] { KeyChord({win::VK_MENU, 'B'}); });
    EXPECT_EQ(b->clicks, 1);
    EXPECT_EQ(f->clicks, 0);
    ThroughLoop([] { KeyChord({win::VK_MENU, 'F'}); });
    EXPECT_EQ(f->clicks, 1);
    EXPECT_EQ(win::GetWindowTextString(a->Handle()), "A") << "the letter did not reach the edit";
}

TEST_F(NavigationTest, KeyPreviewShowsTheFormTheKeysFirst) {
    std::vector<std::string> log;
    form->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) {
        log.push_back("form " + std::to_string(key));
        if (key == 'X') key = 0;
    };
    a->OnKeyDown = [&](TObject*, std::uint16_t& key, TShiftState) {
        log.push_back("edit " + std::to_string(key));
    };
    a->SetFocus();
    Press('Y');
    EXPECT_EQ(log, (std::vector<std::string>{"edit 89"})) << "without key preview the form sees nothing";
    log.clear();
    form->SetKeyPreview(true);
    Press('Y');
    Press('X');
    EXPECT_EQ(log, (std::vector<std::string>{"form 89", "edit 89", "form 88"}))
        << "the form may swallow a key";
}

} // namespace
} // namespace gl::formstest

namespace gl::formstest {
namespace {

TEST_F(NavigationTest, APressOnAnotherControlCancelsTheMouseModeOfTheFocusedOne) {
    auto* probe = Add<TCancelProbe>(form, "Probe", 260);
    probe->SetFocus();
    app->ProcessMessages();
    ThroughLoop([this] { win::headless::Click(f->Handle(), 5, 5); });
    EXPECT_EQ(probe->senders, (std::vector<const TControl*>{f}));
    // The form's own background is another control too; the right button cancels nothing.
    probe->SetFocus();
    ThroughLoop([this] { win::headless::Click(form->Handle(), 300, 150); });
    ThroughLoop([this] { win::headless::RightClick(form->Handle(), 300, 150); });
    EXPECT_EQ(probe->senders, (std::vector<const TControl*>{f, form}));
}

} // namespace
} // namespace gl::formstest
