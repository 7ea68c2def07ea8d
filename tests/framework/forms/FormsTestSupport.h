// Shared pieces of the application and form tests: a fresh headless display and application per test, the
// error boxes the application showed (answered at once), input given through the application's own loop, and
// small controls a stored layout can name: a container, an edit on the platform's EDIT class, and a button
// that takes Enter when it is the default one and Escape when it is the cancel one.
#pragma once

#include "framework/controls/CustomControl.h"
#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"

#include "platform/user/HeadlessInput.h"

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gl::formstest {

class TPanelBox : public TCustomControl {
public:
    explicit TPanelBox(TComponent* owner) : TCustomControl(owner) { IncludeStyle(csAcceptsControls); }
    std::string ClassName() const override { return "TPanelBox"; }
};

class TEditBox : public TWinControl {
public:
    explicit TEditBox(TComponent* owner) : TWinControl(owner) { SetTabStop(true); }
    std::string ClassName() const override { return "TEditBox"; }

protected:
    void CreateParams(TCreateParams& params) override;
};

class TButtonBox : public TCustomControl {
public:
    explicit TButtonBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    std::string ClassName() const override { return "TButtonBox"; }

    bool Default = false;
    bool Cancel = false;
    TModalResult ModalResult = mrNone;
    int clicks = 0;
    void SetDefault(bool value) { Default = value; }
    void SetCancel(bool value) { Cancel = value; }
    void SetModalResult(int value) { ModalResult = value; }

    void CMDialogKey(TCMDialogKey& message) override;
    void CMDialogChar(TCMDialogChar& message) override;

protected:
    void Click() override;
};

// The stored properties of the controls above (and the framework's own classes).
void RegisterTestControls();

// Input for a modal loop (a dialog's, a modal form's): each step runs once, in order, when the loop waits.
class ModalSteps {
public:
    ModalSteps() = default;
    ModalSteps(const ModalSteps&) = delete;
    ModalSteps& operator=(const ModalSteps&) = delete;
    ~ModalSteps() { win::headless::SetIdleHook({}); }
    void Then(std::function<void()> step);

private:
    std::deque<std::function<void()>> m_steps;
};

// What an error box showed.
struct ShownBox {
    std::string caption;
    std::string text;
    unsigned icon = 0;
    std::vector<int> buttons;
};

class FormsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Gives input from inside the application's loop, where the headless input calls only queue it, and lets
    // the loop handle all of it: the way a screen delivers input to a running program.
    void ThroughLoop(const std::function<void()>& input);

    std::vector<ShownBox> boxes;
    std::unique_ptr<TApplication> app;
};

} // namespace gl::formstest
